#pragma once
#include "archive/Archivio.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// Dated copies of the archive in the program folder's "Backup", and the way back to one of them.
// A copy is a plain folder "AAAA-MM-GG" holding the archive's files and class folders as they were;
// further copies of the same day (before a new year, an import, a restore) are "AAAA-MM-GG-2", "-3", ...
namespace CopieSicurezza {
inline const QString &kCartella = Archivio::CartellaCopie;

// The copies' folder of programma; empty while a listed class owns that name.
QString cartella(const QString &programma);

// The archive of a folder, named as on disk: its settings and list files, and its listed class folders.
struct Contenuto {
    QStringList file;
    QStringList classi;
};
Contenuto contenuto(const QString &folder);

// A copy's folder name read back: its date and its number in the day (1 for the first); no date otherwise.
struct Nome {
    QDate data;
    int numero = 0;
};
Nome leggiNome(const QString &nome);

// Of the copies named, those to delete on oggi: every copy is kept on the ten most recent days that have
// one, and the first copy of each month of the last year; names that are no copy, or dated later, stay.
QStringList daEliminare(const QStringList &nomi, const QDate &oggi);

// How files are copied and entries renamed: the real ones, or a test's that fail on purpose.
struct Operazioni {
    std::function<bool(const QString &da, const QString &a, QString *errore)> copiaFile;
    std::function<bool(const QString &da, const QString &a)> rinomina;
};
Operazioni operazioniReali();

struct Esito {
    bool ok = false;
    QString errore;
    QString nome; // the copy made; empty when none was needed
};
// Copies the archive into Backup/<oggi> (or <oggi>-N when the day has one): built in a staging folder,
// flushed to the disk, then renamed, so that a dated name never holds half a copy.
Esito copia(const QString &programma, const QDate &oggi, const Operazioni &op = operazioniReali());
// The first copy of the day unless the day has one; then the copies no longer kept go.
Esito copiaDelGiorno(const QString &programma, const QDate &oggi);
// Deletes the copies daEliminare() names.
void pota(const QString &programma, const QDate &oggi);

struct Riepilogo {
    QString nome;
    QDate data;
    int numero = 0;
    QString anno; // the school year of its Anno.dat
    int classi = 0;
    int alunni = 0;
};
// The copies, the most recent first.
QList<Riepilogo> elenco(const QString &programma);

// Replaces the archive with the copy nome: the class list and the class folders become the copy's, and so
// does every settings or phrase file the copy holds (one it lacks stays). The new archive is built in a
// staging folder inside Backup, then a journal is written and the entries are swapped by renames.
// A failure before the journal changes nothing; a failure after it undoes the swap; an interruption is
// completed by riprendi().
Esito ripristina(const QString &programma, const QString &nome, const Operazioni &op = operazioniReali());
// At start: completes (or, when it was being undone, undoes) an interrupted restore and drops
// the staging folders of copies and restores that never reached their journal.
void riprendi(const QString &programma);
} // namespace CopieSicurezza
