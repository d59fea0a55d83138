#include "archive/SvuotaArchivio.h"
#include "archive/Archivio.h"
#include "archive/ElencoClassi.h"
#include "platform/CartelleSicure.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {
// Ordinary files of a folder: neither hidden nor folders.
QStringList fileOrdinari(const QString &cartella)
{
    QStringList out;
    const QDir dir(cartella);
    for (const QString &name : dir.entryList(QDir::Files | QDir::NoDotAndDotDot))
        out << dir.filePath(name);
    return out;
}

// Deletes the ordinary writable files of each folder, then removes the folder when it is left empty.
void svuota(const QStringList &cartelle)
{
    for (const QString &folder : cartelle) {
        for (const QString &file : fileOrdinari(folder))
            if (QFileInfo(file).permissions() & QFileDevice::WriteOwner)
                QFile::remove(file);
        // Stays when anything is left in it (hidden or read-only files, subfolders).
        QDir().rmdir(folder);
    }
}
} // namespace

SvuotaArchivio::Piano SvuotaArchivio::prepara()
{
    Piano piano;
    const Archivio::ElencoClassi elenco = Archivio::leggiClassi();
    if (elenco.stato == Archivio::StatoFile::Illeggibile) {
        piano.erroreLettura = QStringLiteral("Classi.dat: impossibile leggere il file.");
        return piano;
    }
    QSet<QString> seen;
    for (const QString &classe : elenco.classi) {
        const QString folder = Archivio::cartellaEsistente(classe);
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
    TextFile::writeBytes(Paths::inProgram(QStringLiteral("Anno.dat")), LineWriter().line(QString()).bytes());
    CartelleSicure::riordina(anno);
    QStringList cartelle;
    for (const QString &nome : QDir(anno).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot))
        cartelle << Paths::join(anno, nome);
    svuota(cartelle);
    // What could not be deleted stays in the program folder, unlisted.
    rimetti(anno);
}
} // namespace

bool SvuotaArchivio::esegui(const Piano &piano, QString *errore)
{
    const QString anno = CartelleSicure::nuovaCartellaAnno(Paths::programFolder(), errore);
    if (anno.isEmpty())
        return false;
    for (const QString &cartella : piano.cartelle) {
        if (!QDir().rename(cartella, Paths::join(anno, QFileInfo(cartella).fileName()))) {
            *errore = QStringLiteral("%1: impossibile spostare la cartella.").arg(QFileInfo(cartella).fileName());
            rimetti(anno);
            return false;
        }
    }
    if (!Archivio::creaClassi(errore)) {
        rimetti(anno);
        return false;
    }
    finisci(anno);
    return true;
}

void SvuotaArchivio::riprendi()
{
    for (const QString &anno : CartelleSicure::cartelleAnno(Paths::programFolder())) {
        const Archivio::ElencoClassi elenco = Archivio::leggiClassi();
        if (elenco.stato == Archivio::StatoFile::Letto && elenco.classi.isEmpty())
            finisci(anno);
        else
            rimetti(anno);
    }
}
