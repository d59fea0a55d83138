#pragma once
#include <QString>
#include <QStringList>

// Folders replaced whole, and what an interrupted run leaves behind.
// Staging folders lie beside the folder they stand for and carry the program's own prefixes,
// so that the next run can finish or undo the work and nothing else is ever touched.
namespace CartelleSicure {
struct Esito {
    bool ok = true;
    QString errore;
    int copiati = 0;
};

// Replaces the folder destinazione with its own ordinary files that match none of daEliminare plus
// every ordinary file of origine (a same name in another case is replaced). The new folder is built
// and flushed beside the old one and swapped in by renames: at every moment the folder is the old
// one or the new one. Subfolders of destinazione stay in it.
Esito sostituisci(const QString &origine, const QString &destinazione, const QStringList &daEliminare);

// Finishes or undoes interrupted replacements among the entries of folder, removes staging folders
// and the temporary files of interrupted saves, there and in its subfolders (class folders).
// classe names folder when it is itself a class folder.
void riordina(const QString &folder, const QString &classe = QString());

// Finishes or undoes the interrupted replacements among the entries of folder (a drive's root too)
// and removes its staging folders; nothing else there is touched.
void sistemaProvvisorie(const QString &folder);

// True for a name the program itself gives to a staging folder or a temporary save.
bool nomeProvvisorio(const QString &name);

// Removes a folder and all it holds; only staging folders of the program (by name), never a link.
bool rimuoviProvvisoria(const QString &path);

// Makes a new staging folder inside parent for a new school year; empty on failure.
QString nuovaCartellaAnno(const QString &parent, QString *errore);
// The staging folders of a new school year inside parent.
QStringList cartelleAnno(const QString &parent);

// Copies one file whole to a new file and flushes it to the disk; false with the reason on any failure.
bool copiaFile(const QString &da, const QString &a, QString *errore);

// Flushes a file or a folder's entries to the disk; false when the system reports a failure.
bool scriviSuDisco(const QString &path);
} // namespace CartelleSicure
