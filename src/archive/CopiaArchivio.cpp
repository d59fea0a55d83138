#include "archive/CopiaArchivio.h"
#include "archive/Archivio.h"
#include "archive/ElencoClassi.h"
#include "platform/CartellaProgramma.h"
#include "platform/CartelleSicure.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace {
// Written into the copy: the folder it came from.
const QString kOrigine = QStringLiteral(".quaderlo-origine");

QString assoluta(const QString &folder)
{
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

QStringList fileDelProgramma()
{
    return CartellaProgramma::fileIniziali()
           + QStringList{QStringLiteral("Anno.dat"),   QStringLiteral("Qua.inf"),     QStringLiteral("Titoli.dat"),
                         QStringLiteral("Classi.dat"), QStringLiteral("presele.dat"), QStringLiteral("Formati.dat"),
                         // the program's own files: the teacher's words and choices
                         QStringLiteral("Dizionario.txt"), QStringLiteral("Quaderlo.ini")};
}

bool copiaCartella(const QString &da, const QString &a, QString *errore)
{
    if (!QDir().mkpath(a)) {
        *errore = QStringLiteral("impossibile creare \"%1\".").arg(QDir::toNativeSeparators(a));
        return false;
    }
    for (const QFileInfo &fi : QDir(da).entryInfoList(QDir::Files | QDir::Hidden))
        if (!CartelleSicure::copiaFile(fi.filePath(), Paths::join(a, fi.fileName()), errore))
            return false;
    return true;
}

bool riempi(const QString &origine, const QString &copia, QString *errore)
{
    for (const QString &name : fileDelProgramma()) {
        const QString da = Paths::resolve(origine, name);
        if (QFileInfo::exists(da) && !CartelleSicure::copiaFile(da, Paths::join(copia, QFileInfo(da).fileName()), errore))
            return false;
    }
    for (const QString &classe : Archivio::leggiClassi(origine).classi) {
        const QString cartella = Archivio::cartellaEsistente(classe, origine);
        if (!cartella.isEmpty() && !copiaCartella(cartella, Paths::join(copia, QFileInfo(cartella).fileName()), errore))
            return false;
    }
    return TextFile::writeBytes(Paths::join(copia, kOrigine), assoluta(origine).toUtf8(), errore);
}
} // namespace

bool CopiaArchivio::daOffrire(const QString &exe, bool exeWritable, const QString &user)
{
    if (exeWritable || !CartellaProgramma::contieneArchivio(exe))
        return false;
    const auto origine = TextFile::readBytes(Paths::join(user, kOrigine));
    return !origine || QString::fromUtf8(*origine) != assoluta(exe);
}

QString CopiaArchivio::messaDaParte(const QString &user)
{
    if (QDir(user).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        return QString();
    QString nome = assoluta(user) + QStringLiteral(" (precedente)");
    for (int n = 2; QFileInfo::exists(nome); ++n)
        nome = assoluta(user) + QStringLiteral(" (precedente %1)").arg(n);
    return nome;
}

CopiaArchivio::Esito CopiaArchivio::copia(const QString &origine, const QString &destinazione)
{
    Esito esito;
    const QString dest = assoluta(destinazione);
    const QString copia = QFileInfo(dest).absolutePath() + QStringLiteral("/.") + QFileInfo(dest).fileName()
                          + QStringLiteral("-copia");
    // What an interrupted copy left is ours, by its name.
    QDir(copia).removeRecursively();
    if (!QDir().mkpath(copia)) {
        esito.errore = QStringLiteral("impossibile creare \"%1\".").arg(QDir::toNativeSeparators(copia));
        return esito;
    }
    if (!riempi(origine, copia, &esito.errore)) {
        QDir(copia).removeRecursively();
        return esito;
    }
    const QString daParte = messaDaParte(dest);
    if (!daParte.isEmpty() && !QDir().rename(dest, daParte)) {
        esito.errore = QStringLiteral("impossibile spostare \"%1\".").arg(QDir::toNativeSeparators(dest));
    } else if (QFileInfo::exists(dest) && !QDir().rmdir(dest)) {
        esito.errore = QStringLiteral("impossibile sostituire \"%1\".").arg(QDir::toNativeSeparators(dest));
    } else if (!QDir().rename(copia, dest)) {
        esito.errore = QStringLiteral("impossibile creare \"%1\".").arg(QDir::toNativeSeparators(dest));
        if (!daParte.isEmpty())
            QDir().rename(daParte, dest);
    } else {
        esito.ok = true;
        return esito;
    }
    QDir(copia).removeRecursively();
    return esito;
}
