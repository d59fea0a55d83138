#include "utilities/SvuotaArchivio.h"
#include "archive/ElencoClassi.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {
const QString kClassi = QStringLiteral("Classi.dat");
const QString kAnno = QStringLiteral("Anno.dat");

// Puts a file back as it was before a failed run: its old bytes, or no file.
void ripristina(const QString &path, const std::optional<QByteArray> &old)
{
    if (old)
        TextFile::writeBytes(path, *old);
    else
        QFile::remove(path);
}
} // namespace

QString SvuotaArchivio::cartellaClasse(const QString &classe)
{
    if (!Paths::nameProblem(classe).isEmpty())
        return QString();
    const QFileInfo fi(Paths::inProgram(classe));
    if (!fi.isDir() || fi.isSymLink())
        return QString();
    // Only a folder that lies directly in the program folder.
    if (QFileInfo(fi.canonicalFilePath()).path() != QDir(Paths::programFolder()).canonicalPath())
        return QString();
    return fi.filePath();
}

QStringList SvuotaArchivio::fileOrdinari(const QString &cartella)
{
    QStringList out;
    const QDir dir(cartella);
    for (const QString &name : dir.entryList(QDir::Files | QDir::NoDotAndDotDot))
        out << dir.filePath(name);
    return out;
}

SvuotaArchivio::Piano SvuotaArchivio::prepara()
{
    Piano piano;
    const QString path = Paths::inProgram(kClassi);
    const auto bytes = TextFile::readBytes(path);
    if (!bytes && QFileInfo::exists(path)) {
        piano.erroreLettura = QStringLiteral("%1: impossibile leggere il file.").arg(kClassi);
        return piano;
    }
    QSet<QString> seen;
    for (const QString &classe : Archivio::classiElencate(bytes.value_or(QByteArray()))) {
        const QString folder = cartellaClasse(classe);
        if (folder.isEmpty() || seen.contains(QFileInfo(folder).canonicalFilePath()))
            continue;
        if (fileOrdinari(folder).isEmpty()) {
            piano.classeSenzaFile = classe;
            piano.cartelle.clear();
            return piano;
        }
        seen.insert(QFileInfo(folder).canonicalFilePath());
        piano.cartelle << folder;
    }
    return piano;
}

void SvuotaArchivio::svuota(const QStringList &cartelle)
{
    for (const QString &folder : cartelle) {
        for (const QString &file : fileOrdinari(folder))
            if (QFileInfo(file).permissions() & QFileDevice::WriteOwner)
                QFile::remove(file);
        // Stays when anything is left in it (hidden or read-only files, subfolders).
        QDir().rmdir(folder);
    }
}

bool SvuotaArchivio::azzeraElenchi(QString *error)
{
    const QString anno = Paths::inProgram(kAnno);
    const QString classi = Paths::inProgram(kClassi);
    const auto oldAnno = TextFile::readBytes(anno);
    const QByteArray empty = LineWriter().line(QString()).bytes();
    if (!TextFile::writeBytes(anno, empty, error))
        return false;
    if (!TextFile::writeBytes(classi, empty, error)) {
        ripristina(anno, oldAnno);
        return false;
    }
    return true;
}
