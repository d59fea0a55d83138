#pragma once
#include <QString>

// The preselection's file; a pupil's own files are the archive's (Archivio::fileAlunno()).
namespace FileGiudizio {
// presele.dat in the program folder.
QString preselezione();
} // namespace FileGiudizio
