#pragma once
#include <QString>
#include <QStringList>

// The program folder, the kept "current folder", and file names matched without regard to case.
namespace Paths {
QString programFolder();
void setProgramFolder(const QString &folder);

// The current folder is a value the program keeps, never the process's working directory.
QString currentFolder();
// False (and nothing changes) when the folder does not exist.
bool setCurrentFolder(const QString &folder);

QString join(const QString &folder, const QString &name);
// The path of the entry of folder whose name equals name without regard to case;
// folder + name when there is none, so that a new file gets the name as given.
QString resolve(const QString &folder, const QString &name);
// Program folder entry, matched without regard to case.
QString inProgram(const QString &name);
// Ordinary files of folder matching a wildcard pattern ("ALUNNI.*", "*.q1"), without regard to case.
QStringList matchingFiles(const QString &folder, const QString &pattern);
} // namespace Paths
