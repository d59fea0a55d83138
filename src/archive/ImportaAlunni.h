#pragma once
#include "archive/ElencoAlunni.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

// Pupils taken from a list that a school register or a spreadsheet exported: CSV or TSV with a
// header row naming the columns cognome, nome and sesso.
namespace Archivio {

// The text of a list file: a byte order mark decides; else UTF-8 when the bytes are valid UTF-8;
// else Windows-1252.
QString decodificaElenco(const QByteArray &bytes);
// The separator of the header line: the most frequent of tab, ';' and ',' outside quotes.
QChar separatoreElenco(const QString &rigaIntestazione);
// Rows of fields: quoted fields may hold separators, line ends and "" for one quote.
QList<QStringList> campiElenco(const QString &testo, QChar separatore);

struct RigaElenco {
    QString cognome, nome, sesso;
};
struct Elenco {
    QString errore; // why the file gives no pupils at all; empty when it was read
    QList<RigaElenco> righe; // rows that are not entirely blank
};
Elenco leggiElenco(const QByteArray &bytes);

enum class Esito { Nuovo, GiaPresente, Scartato };
struct RigaPiano {
    QString nome;  // "Cognome Nome"
    QString sesso; // as written in the file
    int codice = -1; // 1 male, 0 female, -1 not recognised
    Esito esito = Esito::Scartato;
    QString motivo; // for Scartato: why the pupil cannot be stored
};
struct Piano {
    QString errore; // the file or the class list cannot be used; nothing is planned
    QList<RigaPiano> righe;
    int nuovi() const;
};
// What importing the rows into a class that lists presenti would do; nothing is written.
Piano pianifica(const Elenco &elenco, const QList<Alunno> &presenti);
// The gender code of "M", "F", "Maschio", "Femmina" in any letter case; -1 for anything else.
int codiceSesso(const QString &sesso);
// The outcome as the import window shows it: "nuovo", "già presente" or the reason.
QString testoEsito(const RigaPiano &riga);

// Reads the file and the class's pupil list and plans the import.
Piano pianificaFile(const QString &file, const QString &classe);
// Adds the plan's new pupils to the class's list, read afresh, in one rewrite; sorted as the
// archive window keeps it. Empty on success, otherwise why nothing was written. primaDiScrivere runs
// before a list that already holds pupils is rewritten (a copy of the archive); false stops the import.
QString applica(const Piano &piano, const QString &classe, int *aggiunti = nullptr,
                const std::function<bool()> &primaDiScrivere = {});
} // namespace Archivio
