#include "printing/SuperficieStampante.h"

#include <QPrinter>

SuperficieStampante::SuperficieStampante(QPrinter &printer, const QFont &font)
    : m_printer(printer), m_font(font), m_metriche(font, &printer), m_puntiPerMm(printer.resolution() / 25.4)
{
}

bool SuperficieStampante::inizia()
{
    if (!m_painter.begin(&m_printer))
        return false;
    m_painter.setFont(m_font);
    m_painter.setPen(Qt::black);
    return true;
}

bool SuperficieStampante::termina()
{
    const bool chiuso = m_painter.end();
    return chiuso && m_printer.printerState() != QPrinter::Error && m_printer.printerState() != QPrinter::Aborted;
}

double SuperficieStampante::larghezza(const QString &riga)
{
    return m_metriche.horizontalAdvance(riga) / m_puntiPerMm;
}

double SuperficieStampante::altezzaRiga()
{
    return m_metriche.lineSpacing() / m_puntiPerMm;
}

void SuperficieStampante::disegna(const QString &riga, double x, double y)
{
    m_painter.drawText(QPointF(x * m_puntiPerMm, y * m_puntiPerMm + m_metriche.ascent()), riga);
}
