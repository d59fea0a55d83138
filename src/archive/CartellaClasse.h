#pragma once
#include <QString>
#include <QStringList>

// Class folders inside the program folder, and the files deleted with a class or a pupil.
namespace Archivio {
// The folder of a class: an existing entry of the program folder matched without regard to case,
// else the name as typed. Empty when the name is not one plain entry ("", ".", "..", a path).
QString cartellaClasse(const QString &classe);
// The class's pupil list file, matched without regard to case; empty when the folder is.
QString fileAlunni(const QString &classe);
// Why a name cannot be a class: the folder name rule, or a name whose longest file (its pupil list,
// a merged section under the current titles) would not fit the system's limit of 255 bytes a name.
QString problemaClasse(const QString &classe);
// Why a name cannot be a pupil: the file name rule, or a name too long for its files.
QString problemaAlunno(const QString &alunno);
// A real folder directly inside the program folder, not a link leading elsewhere.
bool cartellaInterna(const QString &cartella);

struct EsitoEliminazione {
    bool cartellaRimossa = false;
    QStringList nonEliminati; // names of the files that could not be deleted
};
// Deletes ALUNNI.*, then (only if that found a file) *.dat and *.q1..*.q4, then the folder if empty.
// Touches nothing unless the class folder lies inside the program folder.
EsitoEliminazione eliminaFileClasse(const QString &classe);
// Deletes the pupil's .q1..q4 and .dat files in the class folder; missing ones are skipped.
QStringList eliminaFileAlunno(const QString &cartella, const QString &alunno);
} // namespace Archivio
