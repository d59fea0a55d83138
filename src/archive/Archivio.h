#pragma once
#include <QString>
#include <QStringList>

// The archive's rules: what may name a class or a pupil, where a class's folder and a pupil's files lie,
// and the guard of every deletion: only real class folders directly inside the program folder.
namespace Archivio {
// A name that addresses one entry of its folder: not empty, not "." or "..", without a path separator
// or a control character. Every path built from a class or pupil name asks this.
bool nomeSemplice(const QString &nome);
// Why a new class cannot take this name: the folder name rule (a folder on every system that reads back
// unchanged from the list files), or a name whose longest file (its pupil list, a merged section under
// the current titles) would not fit the system's limit of 255 bytes a name. Empty when it can.
QString problemaClasse(const QString &classe);
// The same for a new pupil, the base name of its files: a final dot is allowed ("Rossi M.").
QString problemaAlunno(const QString &alunno);
// The file name rule alone, for a file the program makes in a class folder (a merged section).
QString problemaFile(const QString &nome);

// The folder of a class in the program folder (or in radice): an existing entry matched without regard
// to case, else the name as typed. Empty when the name is not a plain one.
QString cartellaClasse(const QString &classe, const QString &radice = QString());
// The same, only when it is a real folder directly inside the program folder (or radice) and not a link
// leading elsewhere; else empty. Whatever deletes or gathers a class's files asks this.
QString cartellaEsistente(const QString &classe, const QString &radice = QString());
// The class's pupil list: its name, and the file in the class folder, matched without regard to case
// (empty when the class has no folder name).
QString nomeFileAlunni(const QString &classe);
QString fileAlunni(const QString &classe);
// The folder of the archive's dated copies in the program folder. No new class may take its name,
// unless an older archive already lists a class of that name.
inline const QString CartellaCopie = QStringLiteral("Backup");
bool nomeRiservato(const QString &classe, const QString &radice = QString());
// A pupil's file (alunno + estensione) in cartella, matched without regard to case; empty when cartella
// is empty or the file name is not a plain one.
QString fileAlunno(const QString &cartella, const QString &alunno, const QString &estensione);

struct EsitoEliminazione {
    bool cartellaRimossa = false;
    QStringList nonEliminati; // names of the files that could not be deleted
};
// Deletes ALUNNI.*, then (only if that found a file) *.dat and *.q1..*.q4, then the folder if empty.
// Touches nothing unless the class has a folder of its own (cartellaEsistente()).
EsitoEliminazione eliminaFileClasse(const QString &classe);
// Deletes the pupil's .q1..q4 and .dat files in the class's own folder; missing ones are skipped.
QStringList eliminaFileAlunno(const QString &classe, const QString &alunno);
} // namespace Archivio
