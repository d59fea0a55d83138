#pragma once
#include "printing/Impaginazione.h"
#include "printing/LavoroStampa.h"

#include <QFont>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QPrinter;

// One print job: a text laid out as a block, sent to the system's default printer without a dialog.
namespace Stampa {
// Prints and empties the text. Where there is no printer, offers to save the page as a PDF file.
// Failures are told to the user; true only when the job was sent (or the PDF written).
bool esegui(const LavoroStampa &lavoro, QString &testo);
// The layout the job would print, measured on a printer set up as for printing (the text is consumed).
Impaginazione impagina(const LavoroStampa &lavoro, QString &testo);
// Sets the printer up for the job: orientation, document name.
void prepara(QPrinter &printer, const LavoroStampa &lavoro);
// Sets the printer up as for printing the job: where there is no printer (or in tests) a PDF.
void imposta(QPrinter &printer, const LavoroStampa &lavoro);

// One page of a job of many: its job and its text.
struct Pagina {
    LavoroStampa lavoro;
    QString testo;
};
// Lays each page out as impagina does, on one printer set up for the first page's job. avanti(i)
// runs before page i; when it returns false nothing is laid out and the result is nothing.
std::optional<QList<Impaginazione>> impaginaPagine(QList<Pagina> pagine,
                                                   const std::function<bool(int)> &avanti = {});
// Prints pages already laid out as one job, with the job's orientation and document name;
// otherwise as esegui, the PDF then holding every page.
bool eseguiPagine(const LavoroStampa &lavoro, const QList<Impaginazione> &pagine);
QFont carattere(const LavoroStampa &lavoro);

// For tests: every job goes to this PDF file instead of the printer (empty: the printer again).
void setFileDiProva(const QString &pdf);
// For tests: behave as if the system had no printer.
void setSenzaStampante(bool senza);
// Jobs sent since the program started.
int lavoriInviati();
} // namespace Stampa
