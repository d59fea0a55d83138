#pragma once
#include <QString>
#include <QStringList>

// Where the program keeps its files: beside the executable for a portable copy (or the build folder),
// in the user's own data folder for an installed program, filled at the first start from the installed data.
namespace CartellaProgramma {
// The data files a program folder starts with, copied from the installed data when missing.
QStringList fileIniziali();
// True when folder holds the data files of a program folder (its Quaderlo.cfg, whatever the case).
bool contieneDati(const QString &folder);
// The installed data folder, ../share/quaderlo from the executable's folder; empty when there is none.
QString cartellaDati(const QString &exeFolder);
// The choice itself: the executable's folder when it is writable and holds the data files,
// or when there is no installed data to start from and it is writable; otherwise userFolder.
QString scegli(const QString &exeFolder, bool exeFolderWritable, const QString &userFolder);
// Copies from source into target each of fileIniziali() that target lacks (names matched without
// regard to case); never replaces a file. Returns the names copied; a failure is described in *errore.
QStringList copiaMancanti(const QString &source, const QString &target, QString *errore = nullptr);
// True when folder holds a teacher's archive: its Classi.dat or its Qua.inf (whatever the case).
bool contieneArchivio(const QString &folder);
// Whether the program may create files in folder: a real attempt, the probe removed at once.
bool scrivibile(const QString &folder);
// The user's own data folder of the program.
QString cartellaUtente();
// Uses the folder scegli() picks for this run: prepares it and sets Paths::setProgramFolder().
// Returns the folder.
QString usa(const QString &exeFolder, bool exeFolderWritable, const QString &userFolder);
} // namespace CartellaProgramma
