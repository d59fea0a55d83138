#pragma once
#include "printing/LavoroStampa.h"
#include "printing/Superficie.h"

#include <QFont>
#include <QList>

class QPainter;
class QPrinter;

// A block laid out once with the printer's font metrics: the words and their places in millimetres
// from the printable area's top left corner. The printer draws it as it stands, the preview at one third.
struct Impaginazione {
    QFont carattere;
    double ascesa = 0; // from a line's top to its baseline, mm
    QList<Scritta> scritte;
};

namespace Impagina {
// Lays the text (consumed) out with the job's font, measured on the printer, and the job's geometry.
Impaginazione blocchetto(const LavoroStampa &lavoro, QString &testo, QPrinter &printer);
// Draws the layout on the printer as one job; false when the printer refused it or failed.
bool stampa(QPrinter &printer, const Impaginazione &impaginazione);
// The same for a job of many pages, one layout to a page.
bool stampa(QPrinter &printer, const QList<Impaginazione> &pagine);
// The words where the preview draws them, in the preview's millimetres.
QList<Scritta> inAnteprima(const Impaginazione &impaginazione);
// Draws the layout at one third on a window, pxPerMm pixels to the millimetre.
void disegnaAnteprima(QPainter &p, const Impaginazione &impaginazione, double pxPerMm);
} // namespace Impagina
