#pragma once
#include "printing/LavoroStampa.h"
#include "printing/Stampa.h"

#include <QList>
#include <QString>
#include <QStringList>

// One section printed for a whole class: one page per pupil, each laid out as that pupil's own print.
namespace StampaClasse {
struct Alunno {
    QString nome;
    QString testo; // the section's text as printed alone, final CR LF included; empty when there is none
};
struct Pagine {
    QList<Stampa::Pagina> pagine; // in the list's order
    QStringList senzaTesto;       // the pupils left out
};

// A page for each pupil whose text holds more than blanks and line ends, with the job given and its
// own document name, "pupil - title".
Pagine pagine(const QList<Alunno> &alunni, const LavoroStampa &lavoro, const QString &titolo);
// The job's name: "class - title".
QString nomeLavoro(const QString &classe, const QString &titolo);
// "Senza testo: " and the names; empty when nobody was left out.
QString messaggioSenzaTesto(const QStringList &senzaTesto);
} // namespace StampaClasse
