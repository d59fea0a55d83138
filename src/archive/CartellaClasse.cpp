#include "archive/CartellaClasse.h"
#include "archive/ElencoAlunni.h"
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
    CartelleSicure::riordina(cartella);
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
