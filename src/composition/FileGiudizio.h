#pragma once
#include <QString>

// Where a pupil's files lie: the class folder, program folder + "/" + class name.
namespace FileGiudizio {
// A class or pupil name that addresses a file in its own folder: not empty, not "." or "..",
// without a path separator or a control character.
bool nomeUtilizzabile(const QString &nome);
// The class folder's path; empty when the class name cannot be a folder name.
QString cartellaClasse(const QString &classe);
// The pupil's file (base + extension) in folder, matched without regard to case;
// empty when folder is empty or base cannot be a file name.
QString percorso(const QString &cartella, const QString &base, const QString &estensione);
// presele.dat in the program folder.
QString preselezione();
} // namespace FileGiudizio
