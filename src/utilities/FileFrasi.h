#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

// A phrase file (quadro1.txt .. quadro4.txt) as the phrase editor changes it: every line keeps its
// bytes until it is edited, so that a file saved unchanged is the same file, byte for byte.
namespace FileFrasi {
// An entry in its parts: head, the new-line mark "<" ending the head, the phrase after the first "=".
struct Parti {
    QString testa;
    bool aCapo = false;
    QString frase;
    bool uguale = true; // the entry holds "="; without it the whole entry is the phrase
    bool operator==(const Parti &) const = default;
};
Parti parti(const QString &voce);
// "head<=phrase"; without "=" only for an entry that had none and needs none.
QString unisci(const Parti &p);
// Why the parts cannot be stored as an entry; empty when they can.
QString problema(const Parti &p);

struct Contenuto {
    QList<QByteArray> righe; // one per entry: its bytes with its own line end (CR LF, or a lone CR)
    QByteArray coda;         // what follows the last CR: not an entry, kept at the end of the file
    int voci() const { return int(righe.size()); }
    // The entry's text as the phrase list reads it, without its line end.
    QString voce(int i) const;
    // False for an entry holding line feeds or other control characters: shown and kept as it is.
    bool mostrabile(int i) const;
};
// Entries end at each CR (a LF right after it belongs to the line end), as the phrase list reads them.
Contenuto leggi(const QByteArray &bytes);
QByteArray bytes(const Contenuto &c);

// Edits; false, with the reason, when the parts cannot be stored. A new entry ends with CR LF.
bool modifica(Contenuto &c, int i, const Parti &p, QString *perche);
// A new entry takes the end of the file (before a last line without line end).
bool aggiungi(Contenuto &c, const Parti &p, QString *perche);
// The entry becomes an empty line: no other entry changes its index.
void elimina(Contenuto &c, int i);
// Moves the entry at da to position a; for each old index, its new one.
QList<int> sposta(Contenuto &c, int da, int a);

// Stored selections after a move: each index the list has becomes its new index; other tokens,
// blanks and what follows the last blank stay as they are.
QString rinumeraRiga(const QString &riga, const QList<int> &nuovi);
// A selection file with line quadro (1..4) renumbered; the same bytes when nothing changes.
QByteArray rinumeraFile(const QByteArray &bytes, int quadro, const QList<int> &nuovi);

struct DaScrivere {
    QString path;
    QByteArray bytes;
};
struct Piano {
    QList<DaScrivere> file; // the phrase file first, then every selection file the move changes
    QString errore;         // a list or selection that cannot be read: nothing may be moved
};
// The files a move rewrites: quadroN.txt with its new bytes, the .dat of every pupil of every listed
// class and presele.dat.
Piano pianoSpostamento(int quadro, const QList<int> &nuovi, const QByteArray &fileFrasi);

// Replaces all the files or none: each new file is written and flushed beside its old one, a note in
// the program folder marks the point from which the work counts as done, then the files are swapped in.
bool esegui(const QList<DaScrivere> &file, QString *errore);
// At start: finishes a replacement interrupted after its note said done, else removes what it wrote.
void riprendi();
// For tests: esegui() stops after that many steps (new files written, the note, files swapped in),
// as if the program had been killed there; -1 for never.
void interrompiPerTest(int passi);
} // namespace FileFrasi
