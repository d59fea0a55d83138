#include "platform/CartelleSicure.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {
const QString kNuova = QStringLiteral(".quaderlo-nuova-");
const QString kVecchia = QStringLiteral(".quaderlo-vecchia-");
const QString kAnno = QStringLiteral(".quaderlo-anno-");
const QString kCopia = QStringLiteral(".quaderlo-copia-");
// Inside a folder set aside: the name of the folder it stands for.
const QString kSegno = QStringLiteral(".quaderlo-classe");

QString descrivi(const QString &nome, const QString &errore)
{
    return QStringLiteral("%1: %2").arg(nome, errore);
}

QString erroreSistema()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool rinomina(const QString &da, const QString &a, QString *errore)
{
    if (std::rename(QFile::encodeName(da).constData(), QFile::encodeName(a).constData()) == 0)
        return true;
    *errore = descrivi(QFileInfo(a).fileName(), erroreSistema());
    return false;
}

// Swaps two folders in one step where the system can; false with errno ENOTSUP-like when it cannot.
bool scambia(const QString &a, const QString &b)
{
#if defined(Q_OS_LINUX) && defined(RENAME_EXCHANGE)
    return ::renameat2(AT_FDCWD, QFile::encodeName(a).constData(), AT_FDCWD, QFile::encodeName(b).constData(),
                       RENAME_EXCHANGE) == 0;
#else
    Q_UNUSED(a);
    Q_UNUSED(b);
    errno = EINVAL;
    return false;
#endif
}

bool scriviSegno(const QString &cartella, const QString &nome, QString *errore)
{
    return TextFile::writeBytes(Paths::join(cartella, kSegno), nome.toUtf8(), errore);
}

QString leggiSegno(const QString &cartella)
{
    return QString::fromUtf8(TextFile::readBytes(Paths::join(cartella, kSegno)).value_or(QByteArray())).trimmed();
}

bool corrisponde(const QString &nome, const QStringList &modelli)
{
    for (const QString &m : modelli)
        if (QRegularExpression(QRegularExpression::wildcardToRegularExpression(m),
                               QRegularExpression::CaseInsensitiveOption)
                .match(nome)
                .hasMatch())
            return true;
    return false;
}

QStringList entrate(const QString &cartella, QDir::Filters filtri)
{
    return QDir(cartella).entryList(filtri | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Moves into dentro the subfolders of da that it lacks (those the program made excepted).
void portaSottocartelle(const QString &da, const QString &dentro)
{
    QString errore;
    for (const QString &nome : entrate(da, QDir::Dirs))
        if (!CartelleSicure::nomeProvvisorio(nome) && !QFileInfo::exists(Paths::join(dentro, nome)))
            rinomina(Paths::join(da, nome), Paths::join(dentro, nome), &errore);
}

// A path that names an entry directly inside parent, neither parent itself nor anything beyond it.
bool direttamenteIn(const QString &parent, const QString &path)
{
    const QString pulito = QDir::cleanPath(path);
    return QFileInfo(pulito).path() == QDir::cleanPath(parent) && pulito != QDir::cleanPath(parent);
}

// A folder set aside: puts it back when its folder is missing, else finishes the swap.
void sistemaVecchia(const QString &parent, const QString &vecchia)
{
    const QString nome = leggiSegno(vecchia);
    const QString arrivo = Paths::join(parent, nome);
    if (direttamenteIn(parent, arrivo) && !QFileInfo::exists(arrivo)) {
        QString errore;
        if (rinomina(vecchia, arrivo, &errore))
            QFile::remove(Paths::join(arrivo, kSegno));
        return;
    }
    if (QFileInfo(arrivo).isDir()) {
        QFile::remove(Paths::join(arrivo, kSegno));
        portaSottocartelle(vecchia, arrivo);
    }
    CartelleSicure::rimuoviProvvisoria(vecchia);
}

// The temporary file of an interrupted save, "<name>.XXXXXX", beside a file the program writes there:
// the settings of the program folder, or (classe not empty) a class folder's lists, texts and merges.
bool fileProvvisorio(const QString &name, const QString &classe)
{
    static const QRegularExpression salvataggio(QStringLiteral("^(.+)\\.[A-Za-z0-9]{6}$"));
    const QRegularExpressionMatch m = salvataggio.match(name);
    if (name == kSegno)
        return true;
    if (!m.hasMatch())
        return false;
    const QString base = m.captured(1);
    static const QRegularExpression impostazioni(
        QStringLiteral("^(anno\\.dat|qua\\.inf|titoli\\.dat|quaderlo\\.cfg|formati\\.dat|presele\\.dat|"
                       "classi\\.dat|quadro[1-4]\\.txt)$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression classe_(QStringLiteral("^(alunni\\..+|.+\\.q[1-4]|.+\\.dat)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (classe.isEmpty())
        return impostazioni.match(base).hasMatch();
    return classe_.match(base).hasMatch()
        || (base.startsWith(classe + QLatin1Char('_'), Qt::CaseInsensitive)
            && base.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive));
}

void togliFileProvvisori(const QString &cartella, const QString &classe)
{
    for (const QString &nome : entrate(cartella, QDir::Files))
        if (fileProvvisorio(nome, classe))
            QFile::remove(Paths::join(cartella, nome));
}
} // namespace

bool CartelleSicure::copiaFile(const QString &da, const QString &a, QString *errore)
{
    QFile in(da), out(a);
    if (!in.open(QIODevice::ReadOnly)) {
        *errore = descrivi(QFileInfo(da).fileName(), in.errorString());
        return false;
    }
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        *errore = descrivi(QFileInfo(a).fileName(), out.errorString());
        return false;
    }
    QString why;
    while (!in.atEnd()) {
        const QByteArray blocco = in.read(1 << 16);
        if (blocco.isEmpty() && in.error() != QFileDevice::NoError) {
            *errore = descrivi(QFileInfo(da).fileName(), in.errorString());
            return false;
        }
        if (!TextFile::writeAll(out, blocco, &why)) {
            *errore = descrivi(QFileInfo(a).fileName(), why);
            return false;
        }
    }
    out.close();
    if (!CartelleSicure::scriviSuDisco(a)) {
        *errore = descrivi(QFileInfo(a).fileName(), erroreSistema());
        return false;
    }
    return true;
}

namespace CartelleSicure {

bool nomeProvvisorio(const QString &name)
{
    for (const QString &p : {kNuova, kVecchia, kAnno, kCopia})
        if (name.startsWith(p))
            return true;
    return false;
}

bool rimuoviProvvisoria(const QString &path)
{
    const QFileInfo fi(path);
    if (!nomeProvvisorio(fi.fileName()) || fi.isSymLink() || !fi.isDir())
        return false;
    return QDir(path).removeRecursively();
}

bool scriviSuDisco(const QString &path)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL; // some file systems cannot flush a folder
    ::close(fd);
    return ok;
#else
    Q_UNUSED(path);
    return true;
#endif
}

Esito sostituisci(const QString &origine, const QString &destinazione, const QStringList &daEliminare)
{
    const QDir sorgente(origine);
    if (!sorgente.exists())
        return {false, descrivi(origine, QStringLiteral("la cartella non esiste")), 0};
    if (!QFileInfo(destinazione).isDir())
        return {false, descrivi(destinazione, QStringLiteral("la cartella non esiste")), 0};
    const QString parent = QFileInfo(destinazione).absolutePath();
    const QString nome = QFileInfo(destinazione).fileName();
    sistemaProvvisorie(parent);

    // The new folder, built whole beside the old one.
    QTemporaryDir nuova(Paths::join(parent, kVecchia + QStringLiteral("XXXXXX")));
    if (!nuova.isValid())
        return {false, descrivi(destinazione, nuova.errorString()), 0};
    QString errore;
    if (!scriviSegno(nuova.path(), nome, &errore))
        return {false, errore, 0};
    QHash<QString, QString> nomi; // folded name -> name in the new folder
    for (const QString &f : entrate(destinazione, QDir::Files)) {
        if (fileProvvisorio(f, nome) || corrisponde(f, daEliminare))
            continue;
        if (!copiaFile(Paths::join(destinazione, f), nuova.filePath(f), &errore))
            return {false, errore, 0};
        nomi.insert(f.toCaseFolded(), f);
    }
    Esito esito;
    for (const QString &f : sorgente.entryList(QDir::Files, QDir::Name)) {
        const QString presente = nomi.value(f.toCaseFolded(), f);
        QFile::remove(nuova.filePath(presente));
        if (!copiaFile(sorgente.filePath(f), nuova.filePath(presente), &errore))
            return {false, errore, 0};
        nomi.insert(f.toCaseFolded(), presente);
        ++esito.copiati;
    }
    if (!scriviSuDisco(nuova.path()) || !scriviSegno(destinazione, nome, &errore))
        return {false, errore.isEmpty() ? descrivi(nome, erroreSistema()) : errore, 0};

    // The swap: one step where the system allows it, else two renames that riordina() completes.
    QString vecchia = nuova.path();
    if (!scambia(nuova.path(), destinazione)) {
        QTemporaryDir posto(Paths::join(parent, kVecchia + QStringLiteral("XXXXXX")));
        posto.setAutoRemove(false);
        vecchia = posto.path();
        if (!posto.isValid() || !QDir().rmdir(vecchia) || !rinomina(destinazione, vecchia, &errore)) {
            QFile::remove(Paths::join(destinazione, kSegno));
            return {false, errore.isEmpty() ? descrivi(nome, posto.errorString()) : errore, 0};
        }
        if (!rinomina(nuova.path(), destinazione, &errore)) {
            rinomina(vecchia, destinazione, &errore);
            QFile::remove(Paths::join(destinazione, kSegno));
            return {false, errore, 0};
        }
    }
    nuova.setAutoRemove(false);
    QFile::remove(Paths::join(destinazione, kSegno));
    scriviSuDisco(parent);
    portaSottocartelle(vecchia, destinazione);
    rimuoviProvvisoria(vecchia);
    scriviSuDisco(parent);
    return esito;
}

void sistemaProvvisorie(const QString &folder)
{
    for (const QString &nome : entrate(folder, QDir::Dirs)) {
        const QString path = Paths::join(folder, nome);
        if (QFileInfo(path).isSymLink())
            continue;
        if (nome.startsWith(kVecchia))
            sistemaVecchia(folder, path);
        else if (nome.startsWith(kNuova) || nome.startsWith(kCopia))
            rimuoviProvvisoria(path);
    }
}

void riordina(const QString &folder, const QString &classe)
{
    togliFileProvvisori(folder, classe);
    sistemaProvvisorie(folder);
    for (const QString &nome : entrate(folder, QDir::Dirs)) {
        const QString path = Paths::join(folder, nome);
        if (!nomeProvvisorio(nome) && !QFileInfo(path).isSymLink()) {
            togliFileProvvisori(path, nome);
            sistemaProvvisorie(path);
        }
    }
}

QString nuovaCartellaAnno(const QString &parent, QString *errore)
{
    QTemporaryDir d(Paths::join(parent, kAnno + QStringLiteral("XXXXXX")));
    if (!d.isValid()) {
        *errore = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(parent), d.errorString());
        return QString();
    }
    d.setAutoRemove(false);
    return d.path();
}

QStringList cartelleAnno(const QString &parent)
{
    QStringList out;
    for (const QString &nome : entrate(parent, QDir::Dirs))
        if (nome.startsWith(kAnno) && !QFileInfo(Paths::join(parent, nome)).isSymLink())
            out << Paths::join(parent, nome);
    return out;
}

} // namespace CartelleSicure
