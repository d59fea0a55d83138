#include "platform/Paths.h"
#include "platform/Ansi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
QString g_programFolder;
QString g_currentFolder;
} // namespace

QString Paths::programFolder()
{
    if (g_programFolder.isEmpty() && QCoreApplication::instance())
        g_programFolder = QCoreApplication::applicationDirPath();
    return g_programFolder;
}

void Paths::setProgramFolder(const QString &folder)
{
    g_programFolder = QDir::cleanPath(folder);
    g_currentFolder = g_programFolder;
}

QString Paths::currentFolder()
{
    if (g_currentFolder.isEmpty())
        g_currentFolder = programFolder();
    return g_currentFolder;
}

bool Paths::setCurrentFolder(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    g_currentFolder = QDir::cleanPath(folder);
    return true;
}

QString Paths::join(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

QString Paths::resolve(const QString &folder, const QString &name)
{
    const QString exact = join(folder, name);
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return join(folder, e);
    return exact;
}

QString Paths::inCurrent(const QString &name)
{
    return resolve(currentFolder(), name);
}

QString Paths::inProgram(const QString &name)
{
    return resolve(programFolder(), name);
}

QStringList Paths::matchingFiles(const QString &folder, const QString &pattern)
{
    const QRegularExpression anchored(QRegularExpression::wildcardToRegularExpression(pattern),
                                      QRegularExpression::CaseInsensitiveOption);
    QStringList out;
    for (const QString &e : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (anchored.match(e).hasMatch())
            out << join(folder, e);
    return out;
}

int Paths::removeMatching(const QString &folder, const QString &pattern)
{
    const QStringList files = matchingFiles(folder, pattern);
    for (const QString &f : files)
        QFile::remove(f);
    return files.size();
}

namespace {
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
} // namespace

QString Paths::nameProblem(const QString &name)
{
    return problemaNome(name, true);
}

QString Paths::fileNameProblem(const QString &name)
{
    return problemaNome(name, false);
}
