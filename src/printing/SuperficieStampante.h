#pragma once
#include "printing/Superficie.h"

#include <QFont>
#include <QFontMetricsF>

class QPrinter;

// The printer as the block layout measures it: its font metrics, in millimetres from the printable
// area's top left corner. The words are recorded, not drawn, so that the printer and the preview
// draw the one layout.
class SuperficieStampante : public SuperficieRegistrata
{
public:
    SuperficieStampante(QPrinter &printer, const QFont &font);

protected:
    double larghezza(const QString &riga) override;
    double altezzaRiga() override;

private:
    QFontMetricsF m_metriche;
    double m_puntiPerMm;
};
