#pragma once
#include "composition/Selezione.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The judgment being composed, apart from the window: whose files, what saving writes, refuses and asks.
namespace Giudizio {
// Whose files: a pupil of a class, by the files' base name, or the preselection.
struct Alunno {
    QString classe; // as the class box shows it; empty while none is chosen
    QString nome;   // the files' base name (FileAlunno)
    bool preselezione = false;
    // The class folder; the program folder while no class is chosen; empty when the name cannot be a folder.
    QString cartella() const;
    // nome + estensione there (presele.dat for ".dat" in preselection mode); empty when it cannot be named.
    QString file(const QString &estensione) const;
};

// Reads the selection file into Scelta1..Scelta4; lines the file lacks keep their values.
void leggiScelte(const Alunno &a);
// Reads presele.dat into Preselezione1..Preselezione4 in the same way.
void leggiPreselezione();

struct File {
    QString percorso; // empty: the file cannot be named, so it cannot be written
    QString nome;     // as messages name it
    QByteArray bytes;
    bool operator==(const File &) const = default;
};

enum class Rifiuto {
    Nessuno,
    SenzaAlunno, // "Devi scegliere un alunno "
    Caratteri,   // characters Windows-1252 cannot store: nothing is to be written
};

struct Piano {
    Rifiuto rifiuto = Rifiuto::Nessuno;
    QString messaggio;               // the characters refused, named
    bool chiediSostituzione = false; // the stored text was corrected by hand: ask before replacing it
    QString testo;                   // OK: the text for the box
    QString scelta;                  // OK: the section's new selection line
    QList<File> file;                // what is written, in order
    bool quadri = false;             // messages name the files by their sections
};

// OK on section quadro (1..4): the ticked entries of voci assembled or, with none ticked, the box's
// text; written to the section file (pupils only), then the selection file with scelte and the new line.
Piano ok(const Alunno &a, bool alunnoScelto, int quadro, const QStringList &voci, const QList<int> &spuntate,
         const QString &casella, Selezione::Righe scelte);
// "Salva modifiche" of the composed text: the box's text as the pupil's file of estensione.
Piano testo(const Alunno &a, bool alunnoScelto, const QString &estensione, const QString &casella);
// "Salva modifiche" of the editing view: the four boxes, each named by its section's title.
Piano quadri(const Alunno &a, const QStringList &testi, const QStringList &titoli);

// Writes the files in order, each atomically; those not written.
QList<File> scrivi(const QList<File> &file);
// What the user is told about the files not written.
QString nonSalvati(const Piano &piano, const QList<File> &file);
// The question before a changed text is left.
QString domandaSalvataggio();
} // namespace Giudizio
