#pragma once
#include <QString>
#include <QStringList>

// Adding a class as the archive editor does it: all of it, or nothing left behind.
namespace Archivio {
struct NuovaClasse {
    enum class Esito { Creata, GiaElencata, NomeRifiutato, ElencoIlleggibile, ElencoDanneggiato, CartellaNonCreata,
                       FileNonScritto };
    Esito esito = Esito::Creata;
    QStringList classi; // Creata: the classes as Classi.dat now lists them
    QString file;       // the list file that could not be read or written, or does not read back
    QString problema;   // NomeRifiutato: why
    int riga = 0;       // ElencoDanneggiato: its first line that does not read back
};
// Adds classe to elencate (the editor's sorted list): its folder, an empty pupil list unless the folder
// already holds one, then Classi.dat rewritten with the class in its sorted place. A step that fails takes
// back what the earlier ones made. An unreadable or damaged Classi.dat, a class already there (in elencate
// or on any line of Classi.dat, in any letter case) or a refused name change nothing.
NuovaClasse creaClasse(const QString &classe, const QStringList &elencate);
} // namespace Archivio
