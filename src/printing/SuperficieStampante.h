#pragma once
#include "printing/Superficie.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

class QPrinter;

// The printer as a drawing surface: millimetres from the printable area's top left corner,
// turned into the printer's dots with its resolution, so that the font keeps its point size.
class SuperficieStampante : public Superficie
{
public:
    SuperficieStampante(QPrinter &printer, const QFont &font);
    // Opens the job; false when the printer does not accept it.
    bool inizia();
    // Closes the job and sends it; false when the printer reported an error.
    bool termina();

protected:
    double larghezza(const QString &riga) override;
    double altezzaRiga() override;
    void disegna(const QString &riga, double x, double y) override;

private:
    QPrinter &m_printer;
    QFont m_font;
    QFontMetricsF m_metriche;
    double m_puntiPerMm;
    QPainter m_painter;
};
