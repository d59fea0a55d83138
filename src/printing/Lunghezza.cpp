#include "printing/Lunghezza.h"
#include "printing/Impaginazione.h"
#include "printing/Stampa.h"
#include "printing/StampaQuadro.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
QPrinter *g_misura = nullptr;

// Made once: asking the system for its printer can take a while, and the text is measured as it is typed.
QPrinter &stampanteDiMisura()
{
    if (!g_misura) {
        g_misura = new QPrinter(QPrinter::HighResolution);
        if (QPrinterInfo::defaultPrinter().isNull())
            g_misura->setOutputFormat(QPrinter::PdfFormat);
        qAddPostRoutine([] {
            delete g_misura;
            g_misura = nullptr;
        });
    }
    return *g_misura;
}
} // namespace

Lunghezza Lunghezze::misura(const LavoroStampa &lavoro, QString testo, QPrinter &printer)
{
    Stampa::prepara(printer, lavoro);
    const Impaginazione imp = Impagina::blocchetto(lavoro, testo, printer);
    const QFontMetricsF m(imp.carattere, &printer);
    const double mm = printer.resolution() / 25.4;
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Millimeter);
    Lunghezza l;
    l.foglio = printer.pageLayout().fullRect(QPageLayout::Millimeter).height();
    if (imp.scritte.isEmpty())
        return l;
    const double ultima = imp.scritte.last().y;
    l.righe = qRound((ultima - lavoro.geometria.alto) / (m.lineSpacing() / mm)) + 1;
    l.fondo = area.top() + ultima + m.height() / mm;
    return l;
}

Lunghezza Lunghezze::misura(const LavoroStampa &lavoro, const QString &testo)
{
    return misura(lavoro, testo, stampanteDiMisura());
}

QString Lunghezze::descrizione(const Lunghezza &l)
{
    if (l.righe <= 0)
        return QStringLiteral("Nessuna riga da stampare");
    QString s = (l.righe == 1 ? QStringLiteral("1 riga") : QStringLiteral("%1 righe").arg(l.righe))
                + QStringLiteral(", fino a %1 mm dall'alto").arg(qRound(l.fondo));
    if (l.fondo > l.foglio)
        s += QStringLiteral(", oltre il fondo del foglio");
    return s;
}

QString Lunghezze::conConfigurazione(int n, const QString &testo)
{
    SceltaLavoro::Richiesta r;
    r.quadro = n;
    const SceltaLavoro::Esito scelta = StampaQuadro::scegli(r);
    if (!scelta.lavoro)
        return QStringLiteral("Lunghezza in stampa: prima imposta la stampa nel modulo Utilità.");
    return descrizione(misura(*scelta.lavoro, testo));
}
