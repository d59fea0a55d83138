#pragma once
#include <QString>

// The archive of a program folder that cannot be written, copied into the user's own folder
// so that the teacher works on it there, password included.
namespace CopiaArchivio {
// Whether to offer the copy: exeFolder holds an archive and cannot be written, and userFolder
// holds no copy of that archive yet.
bool daOffrire(const QString &exeFolder, bool exeFolderWritable, const QString &userFolder);
// Where a userFolder that already holds files is set aside before the copy; empty when nothing is.
QString messaDaParte(const QString &userFolder);

struct Esito {
    bool ok = false;
    QString errore;
};
// Copies the settings, list and phrase files of origine and the folders of its listed classes into
// destinazione. The copy is built and flushed beside destinazione, then renamed into place after
// a destinazione holding files is set aside (messaDaParte()): the teacher's files are never overwritten,
// and on a failure nothing changes.
Esito copia(const QString &origine, const QString &destinazione);
} // namespace CopiaArchivio
