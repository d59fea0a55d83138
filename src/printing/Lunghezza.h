#pragma once
#include "printing/LavoroStampa.h"

#include <QString>

class QPrinter;

// How long a text prints: the lines it takes and where the last one ends on the sheet.
struct Lunghezza {
    int righe = 0;     // from the block's first line to the last one holding a word
    double fondo = 0;  // the bottom of the last line's letters, mm from the page's top edge
    double foglio = 0; // the page's height, mm
};

namespace Lunghezze {
// Lays the text out exactly as the job prints it, on a printer set up for the job.
Lunghezza misura(const LavoroStampa &lavoro, QString testo, QPrinter &printer);
// The same on the printer printing would use: the system's default one, or a PDF page without one.
Lunghezza misura(const LavoroStampa &lavoro, const QString &testo);
// "7 righe, fino a 98 mm dall'alto"
QString descrizione(const Lunghezza &l);
// Section n's text (as printed, final CR LF included) with the configuration: its description,
// or why it cannot be told.
QString conConfigurazione(int n, const QString &testo);
} // namespace Lunghezze
