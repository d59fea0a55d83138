#pragma once
#include <QString>
#include <QStringList>

// The work behind the new school year, apart from its window: which class folders go, and in what order.
namespace SvuotaArchivio {
struct Piano {
    QStringList cartelle;     // folders to empty and remove, each once, in list order
    QString classeSenzaFile;  // first listed class whose folder holds no ordinary file: nothing may be deleted
    QString erroreLettura;    // Classi.dat exists but cannot be read
};
// Reads Classi.dat from the program folder and decides what a run deletes, before anything is deleted:
// only the listed classes' own folders (Archivio::cartellaEsistente()).
Piano prepara();

// The run, ordered so that an interruption leaves the old year or the new one: the folders are moved
// into one staging folder, Classi.dat is emptied (from then on the new year stands), then Anno.dat,
// and the staging folder is emptied. On a failure before Classi.dat is emptied nothing has changed.
bool esegui(const Piano &piano, QString *errore);
// At start: an interrupted run is finished when Classi.dat lists no class any more, else undone.
void riprendi();
} // namespace SvuotaArchivio
