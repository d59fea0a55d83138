#include "platform/CartellaProgramma.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

QStringList CartellaProgramma::fileIniziali()
{
    return {QStringLiteral("Quaderlo.cfg"), QStringLiteral("quadro1.txt"), QStringLiteral("quadro2.txt"),
            QStringLiteral("quadro3.txt"),  QStringLiteral("quadro4.txt"), QStringLiteral("Aiuto.chm")};
}

bool CartellaProgramma::contieneDati(const QString &folder)
{
    return QFileInfo(Paths::resolve(folder, QStringLiteral("Quaderlo.cfg"))).isFile();
}

QString CartellaProgramma::cartellaDati(const QString &exeFolder)
{
    const QString dati = QDir::cleanPath(exeFolder + QStringLiteral("/../share/quaderlo"));
    return contieneDati(dati) ? dati : QString();
}

QString CartellaProgramma::scegli(const QString &exeFolder, bool exeFolderWritable, const QString &userFolder)
{
    if (exeFolderWritable && (contieneDati(exeFolder) || cartellaDati(exeFolder).isEmpty()))
        return exeFolder;
    return userFolder;
}

QStringList CartellaProgramma::copiaMancanti(const QString &source, const QString &target, QString *errore)
{
    QStringList copied;
    for (const QString &name : fileIniziali()) {
        const QString from = Paths::resolve(source, name);
        if (!QFileInfo(from).isFile() || QFileInfo::exists(Paths::resolve(target, name)))
            continue;
        const auto bytes = TextFile::readBytes(from);
        QString why;
        // Written atomically, so that a start cut short never leaves half a file taken for the teacher's own.
        if (!bytes || !TextFile::writeBytes(Paths::join(target, name), *bytes, &why)) {
            if (errore)
                *errore = why.isEmpty() ? QStringLiteral("Impossibile leggere \"%1\".").arg(from) : why;
            continue;
        }
        copied << name;
    }
    return copied;
}

bool CartellaProgramma::contieneArchivio(const QString &folder)
{
    for (const QString &name : {QStringLiteral("Classi.dat"), QStringLiteral("Qua.inf")})
        if (QFileInfo::exists(Paths::resolve(folder, name)))
            return true;
    return false;
}

// A real attempt, as permissions can deceive (Windows folders under "Programmi" carry no read-only flag).
bool CartellaProgramma::scrivibile(const QString &folder)
{
    QTemporaryFile probe(Paths::join(folder, QStringLiteral(".quaderlo-prova-XXXXXX")));
    return probe.open();
}

QString CartellaProgramma::cartellaUtente()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString CartellaProgramma::usa(const QString &exe, bool exeWritable, const QString &user)
{
    const QString folder = scegli(exe, exeWritable, user);
    if (folder != exe) {
        QDir().mkpath(folder);
        const QString dati = cartellaDati(exe);
        copiaMancanti(dati.isEmpty() ? exe : dati, folder);
    }
    Paths::setProgramFolder(folder);
    return folder;
}
