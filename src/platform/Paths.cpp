#include "platform/Paths.h"

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
