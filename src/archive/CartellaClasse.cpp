#include "archive/CartellaClasse.h"
#include "archive/CopieSicurezza.h"
#include "archive/ElencoAlunni.h"
#include "app/CarQuad.h"
#include "platform/CartelleSicure.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
bool nomeSemplice(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0));
}

void elimina(const QStringList &files, QStringList *failed)
{
    for (const QString &f : files)
        if (!QFile::remove(f) && QFileInfo::exists(f))
            *failed << QFileInfo(f).fileName();
}
} // namespace

QString Archivio::cartellaClasse(const QString &classe)
{
    return nomeSemplice(classe) ? Paths::inProgram(classe) : QString();
}

namespace {
const int kByteNome = 255;

qsizetype byteNome(const QString &nome)
{
    return QFile::encodeName(nome).size();
}
} // namespace

QString Archivio::problemaClasse(const QString &classe)
{
    if (const QString p = Paths::nameProblem(classe); !p.isEmpty())
        return p;
    if (CopieSicurezza::nomeRiservato(Paths::programFolder(), classe))
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
    if (const QString p = Paths::fileNameProblem(alunno); !p.isEmpty())
        return p;
    if (byteNome(alunno + QStringLiteral(".dat")) > kByteNome)
        return QStringLiteral("Il nome è troppo lungo: i file dell'alunno non si potrebbero creare.");
    return QString();
}

QString Archivio::fileAlunni(const QString &classe)
{
    const QString cartella = cartellaClasse(classe);
    return cartella.isEmpty() ? QString() : Paths::resolve(cartella, nomeFileAlunni(classe));
}

bool Archivio::cartellaInterna(const QString &cartella)
{
    const QFileInfo fi(cartella);
    if (cartella.isEmpty() || !fi.isDir() || fi.isSymLink())
        return false;
    const QString inside = QFileInfo(fi.canonicalFilePath()).absolutePath();
    return inside == QFileInfo(Paths::programFolder()).canonicalFilePath();
}

Archivio::EsitoEliminazione Archivio::eliminaFileClasse(const QString &classe)
{
    EsitoEliminazione out;
    const QString cartella = cartellaClasse(classe);
    if (!cartellaInterna(cartella))
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

QStringList Archivio::eliminaFileAlunno(const QString &cartella, const QString &alunno)
{
    QStringList failed;
    if (!nomeSemplice(alunno) || !cartellaInterna(cartella))
        return failed;
    QStringList files;
    for (const char *ext : {".q1", ".q2", ".q3", ".q4", ".dat"}) {
        const QString f = Paths::resolve(cartella, alunno + QLatin1String(ext));
        if (QFileInfo(f).isFile())
            files << f;
    }
    elimina(files, &failed);
    return failed;
}
