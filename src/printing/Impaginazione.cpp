#include "printing/Impaginazione.h"
#include "printing/Blocchetto.h"
#include "printing/SuperficieStampante.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

Impaginazione Impagina::blocchetto(const LavoroStampa &lavoro, QString &testo, QPrinter &printer)
{
    QFont font(lavoro.carattere);
    font.setPointSizeF(lavoro.punti);
    SuperficieStampante s(printer, font);
    s.setCurrentY(lavoro.geometria.alto);
    ImpaginaBlocchetto(s, testo, lavoro.geometria.x0, lavoro.geometria.W);
    const QFontMetricsF m(font, &printer);
    return {font, m.ascent() / (printer.resolution() / 25.4), s.scritte()};
}

bool Impagina::stampa(QPrinter &printer, const Impaginazione &imp)
{
    return stampa(printer, QList<Impaginazione>{imp});
}

bool Impagina::stampa(QPrinter &printer, const QList<Impaginazione> &pagine)
{
    QPainter p;
    if (!p.begin(&printer))
        return false;
    p.setPen(Qt::black);
    const double puntiPerMm = printer.resolution() / 25.4;
    bool riuscita = true;
    for (qsizetype i = 0; i < pagine.size(); ++i) {
        if (i > 0)
            riuscita = printer.newPage() && riuscita;
        const Impaginazione &imp = pagine.at(i);
        p.setFont(imp.carattere);
        for (const Scritta &s : imp.scritte)
            p.drawText(QPointF(s.x * puntiPerMm, (s.y + imp.ascesa) * puntiPerMm), s.testo);
    }
    const bool chiuso = p.end();
    return riuscita && chiuso && printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}

QList<Scritta> Impagina::inAnteprima(const Impaginazione &imp)
{
    QList<Scritta> out;
    out.reserve(imp.scritte.size());
    for (const Scritta &s : imp.scritte)
        out.append({s.testo, Geometrie::anteprimaX(s.x), Geometrie::anteprimaY(s.y)});
    return out;
}

void Impagina::disegnaAnteprima(QPainter &p, const Impaginazione &imp, double pxPerMm)
{
    QFont font = imp.carattere;
    font.setPointSizeF(imp.carattere.pointSizeF() / Geometrie::kScalaAnteprima);
    p.setFont(font);
    p.setPen(Qt::black);
    const double ascesa = imp.ascesa / Geometrie::kScalaAnteprima;
    for (const Scritta &s : inAnteprima(imp))
        p.drawText(QPointF(s.x * pxPerMm, (s.y + ascesa) * pxPerMm), s.testo);
}
