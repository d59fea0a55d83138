#include "archive/SvuotaArchivio.h"
#include "archive/ElencoClassi.h"
#include "platform/CartelleSicure.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {
const QString kClassi = QStringLiteral("Classi.dat");
const QString kAnno = QStringLiteral("Anno.dat");

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

namespace {
// Puts the folders of a staging folder back into the program folder where their names are free.
void rimetti(const QString &anno)
{
    for (const QString &nome : QDir(anno).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const QString arrivo = Paths::join(Paths::programFolder(), nome);
        if (!QFileInfo::exists(arrivo))
            QDir().rename(Paths::join(anno, nome), arrivo);
    }
    QDir().rmdir(anno);
}

void finisci(const QString &anno)
{
    TextFile::writeBytes(Paths::inProgram(kAnno), LineWriter().line(QString()).bytes());
    CartelleSicure::riordina(anno);
    QStringList cartelle;
    for (const QString &nome : QDir(anno).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot))
        cartelle << Paths::join(anno, nome);
    SvuotaArchivio::svuota(cartelle);
    // What could not be deleted stays in the program folder, unlisted.
    rimetti(anno);
}
} // namespace

bool SvuotaArchivio::esegui(const Piano &piano, QString *error)
{
    const QString anno = CartelleSicure::nuovaCartellaAnno(Paths::programFolder(), error);
    if (anno.isEmpty())
        return false;
    for (const QString &cartella : piano.cartelle) {
        if (!QDir().rename(cartella, Paths::join(anno, QFileInfo(cartella).fileName()))) {
            *error = QStringLiteral("%1: impossibile spostare la cartella.").arg(QFileInfo(cartella).fileName());
            rimetti(anno);
            return false;
        }
    }
    if (!TextFile::writeBytes(Paths::inProgram(kClassi), LineWriter().line(QString()).bytes(), error)) {
        rimetti(anno);
        return false;
    }
    finisci(anno);
    return true;
}

void SvuotaArchivio::riprendi()
{
    for (const QString &anno : CartelleSicure::cartelleAnno(Paths::programFolder())) {
        const auto classi = TextFile::readBytes(Paths::inProgram(kClassi));
        if (classi && Archivio::classiElencate(*classi).isEmpty())
            finisci(anno);
        else
            rimetti(anno);
    }
}
