#pragma once
#include "printing/Impaginazione.h"
#include "printing/LavoroStampa.h"

#include <QFont>
#include <QString>

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
QFont carattere(const LavoroStampa &lavoro);

// For tests: every job goes to this PDF file instead of the printer (empty: the printer again).
void setFileDiProva(const QString &pdf);
// For tests: behave as if the system had no printer.
void setSenzaStampante(bool senza);
// Jobs sent since the program started.
int lavoriInviati();
} // namespace Stampa
