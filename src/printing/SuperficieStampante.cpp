#include "printing/SuperficieStampante.h"

#include <QPrinter>

SuperficieStampante::SuperficieStampante(QPrinter &printer, const QFont &font)
    : m_metriche(font, &printer), m_puntiPerMm(printer.resolution() / 25.4)
{
}

double SuperficieStampante::larghezza(const QString &riga)
{
    return m_metriche.horizontalAdvance(riga) / m_puntiPerMm;
}

double SuperficieStampante::altezzaRiga()
{
    return m_metriche.lineSpacing() / m_puntiPerMm;
}
