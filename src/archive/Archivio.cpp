#include "archive/Archivio.h"
#include "archive/ConfrontoNomi.h"
#include "archive/ElencoClassi.h"
#include "app/CarQuad.h"
#include "platform/Ansi.h"
#include "platform/CartelleSicure.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
const int kByteNome = 255;

qsizetype byteNome(const QString &nome)
{
    return QFile::encodeName(nome).size();
}

// A folder's name loses a final dot or blank on some systems; a file's base name, followed by its
// extension, does not, but a blank at either end is lost when the list files are read back.
QString problemaNome(const QString &name, bool cartella)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("Il nome non può essere vuoto.");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("Il nome non è valido.");
    if (!Ansi::unencodable(name).isEmpty())
        return QStringLiteral("Il nome contiene caratteri non ammessi: %1").arg(Ansi::unencodable(name));
    for (const QChar c : name) {
        if (c.unicode() < 32 || c.unicode() == 127)
            return QStringLiteral("Il nome contiene caratteri di controllo.");
        if (QStringLiteral("\\/:*?\"<>|").contains(c))
            return QStringLiteral("Il nome non può contenere i caratteri \\ / : * ? \" < > |");
        if (c == QLatin1Char(','))
            return QStringLiteral("Il nome non può contenere la virgola.");
    }
    if (cartella && (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' '))))
        return QStringLiteral("Il nome non può terminare con un punto o con uno spazio.");
    if (name.endsWith(QLatin1Char(' ')))
        return QStringLiteral("Il nome non può terminare con uno spazio.");
    if (name.startsWith(QLatin1Char(' ')))
        return QStringLiteral("Il nome non può iniziare con uno spazio.");
    static const QRegularExpression reserved(QStringLiteral("^(CON|PRN|AUX|NUL|COM[0-9]|LPT[0-9])(\\..*)?$"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (reserved.match(name).hasMatch())
        return QStringLiteral("Il nome \"%1\" è riservato dal sistema.").arg(name);
    return QString();
}

QString radiceOProgramma(const QString &radice)
{
    return radice.isEmpty() ? Paths::programFolder() : radice;
}

void elimina(const QStringList &files, QStringList *failed)
{
    for (const QString &f : files)
        if (!QFile::remove(f) && QFileInfo::exists(f))
            *failed << QFileInfo(f).fileName();
}
} // namespace

bool Archivio::nomeSemplice(const QString &nome)
{
    if (nome.isEmpty() || nome == QLatin1String(".") || nome == QLatin1String(".."))
        return false;
    for (const QChar c : nome)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 32)
            return false;
    return true;
}

QString Archivio::problemaClasse(const QString &classe)
{
    if (const QString p = problemaNome(classe, true); !p.isEmpty())
        return p;
    if (nomeRiservato(classe))
        return QStringLiteral("Il nome \"%1\" è riservato alle copie di sicurezza.").arg(classe);
    qsizetype titolo = 0;
    for (int n = 1; n <= 4; ++n)
        titolo = qMax(titolo, byteNome(CarQuad::TitoloQuadro(n)));
    const qsizetype piuLungo = qMax(byteNome(nomeFileAlunni(classe)), byteNome(classe) + 1 + titolo + 4);
    if (piuLungo > kByteNome)
        return QStringLiteral("Il nome è troppo lungo: i file della classe non si potrebbero creare.");
    return QString();
}

QString Archivio::problemaAlunno(const QString &alunno)
{
    if (const QString p = problemaFile(alunno); !p.isEmpty())
        return p;
    if (byteNome(alunno + QStringLiteral(".dat")) > kByteNome)
        return QStringLiteral("Il nome è troppo lungo: i file dell'alunno non si potrebbero creare.");
    return QString();
}

QString Archivio::problemaFile(const QString &nome)
{
    return problemaNome(nome, false);
}

QString Archivio::cartellaClasse(const QString &classe, const QString &radice)
{
    return nomeSemplice(classe) ? Paths::resolve(radiceOProgramma(radice), classe) : QString();
}

QString Archivio::cartellaEsistente(const QString &classe, const QString &radice)
{
    const QString cartella = cartellaClasse(classe, radice);
    const QFileInfo fi(cartella);
    if (cartella.isEmpty() || !fi.isDir() || fi.isSymLink())
        return QString();
    const QString dentro = QFileInfo(fi.canonicalFilePath()).absolutePath();
    return dentro == QFileInfo(radiceOProgramma(radice)).canonicalFilePath() ? cartella : QString();
}

QString Archivio::nomeFileAlunni(const QString &classe)
{
    return QStringLiteral("ALUNNI.") + classe;
}

QString Archivio::fileAlunni(const QString &classe)
{
    const QString cartella = cartellaClasse(classe);
    return cartella.isEmpty() ? QString() : Paths::resolve(cartella, nomeFileAlunni(classe));
}

bool Archivio::nomeRiservato(const QString &classe, const QString &radice)
{
    return stessoNome(classe, CartellaCopie) && trovaNome(leggiClassi(radice).classi, CartellaCopie) < 0;
}

QString Archivio::fileAlunno(const QString &cartella, const QString &alunno, const QString &estensione)
{
    if (cartella.isEmpty() || !nomeSemplice(alunno + estensione))
        return QString();
    return Paths::resolve(cartella, alunno + estensione);
}

Archivio::EsitoEliminazione Archivio::eliminaFileClasse(const QString &classe)
{
    EsitoEliminazione out;
    const QString cartella = cartellaEsistente(classe);
    if (cartella.isEmpty())
        return out;
    const QStringList liste = Paths::matchingFiles(cartella, QStringLiteral("ALUNNI.*"));
    elimina(liste, &out.nonEliminati);
    if (!liste.isEmpty())
        for (const char *pattern : {"*.dat", "*.q1", "*.q2", "*.q3", "*.q4"})
            elimina(Paths::matchingFiles(cartella, QLatin1String(pattern)), &out.nonEliminati);
    // What an interrupted save or copy left behind must not keep the folder alive.
    CartelleSicure::riordina(cartella, QFileInfo(cartella).fileName());
    Paths::setCurrentFolder(Paths::programFolder());
    out.cartellaRimossa = QDir(Paths::programFolder()).rmdir(QFileInfo(cartella).fileName());
    return out;
}

QStringList Archivio::eliminaFileAlunno(const QString &classe, const QString &alunno)
{
    QStringList failed;
    const QString cartella = cartellaEsistente(classe);
    if (!nomeSemplice(alunno) || cartella.isEmpty())
        return failed;
    QStringList files;
    for (const char *ext : {".q1", ".q2", ".q3", ".q4", ".dat"}) {
        const QString f = fileAlunno(cartella, alunno, QLatin1String(ext));
        if (QFileInfo(f).isFile())
            files << f;
    }
    elimina(files, &failed);
    return failed;
}
