#include "StampaSupport.h"

#include "app/CarQuad.h"
#include "composition/frmCompila.h"
#include "platform/MsgBox.h"
#include "printing/LavoroStampa.h"
#include "printing/Stampa.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>

using namespace CarQuad;

// Prints through the system's spooler: test.sh starts CUPS with a cups-pdf queue as the default
// printer and names its output folder in QUADERLO_CUPS_OUT.
class TestStampaCups : public QObject
{
    Q_OBJECT
private slots:
    void aSectionThroughTheSpooler()
    {
        const QString out = qEnvironmentVariable("QUADERLO_CUPS_OUT");
        if (out.isEmpty() || !QFileInfo(out).isDir())
            QSKIP("No print spooler for tests: QUADERLO_CUPS_OUT is not set (test.sh sets it where it can run CUPS)");
        if (QPrinterInfo::defaultPrinter().isNull())
            QSKIP("CUPS has no default printer");
        if (!pdftotextDisponibile())
            QSKIP("pdftotext (poppler-utils) is not installed");

        ProgramFolder dir;
        StampaProva::preparaTesti(dir, StampaProva::configurazione(1, 25),
                                  QStringLiteral("Spoolerprova ha lavorato con impegno costante durante tutto il "
                                                 "quadrimestre, mostrando curiosità per gli argomenti proposti e "
                                                 "rispettando con puntualità i tempi delle consegne di ogni giorno."));
        frmCompila *compila = StampaProva::apriModifica();
        QVERIFY(compila);
        const QStringList prima = QDir(out).entryList({QStringLiteral("*.pdf")}, QDir::Files);
        const int lavori = Stampa::lavoriInviati();
        StampaProva::stampaQuadro(compila, 1);
        QCOMPARE(Stampa::lavoriInviati(), lavori + 1);
        QVERIFY(Msg::shown().isEmpty());

        // The job's PDF: a new file in the output folder whose first word is ours.
        QList<ParolaPdf> parole;
        QString pdf;
        const auto arrivato = [&] {
            for (const QString &f : QDir(out).entryList({QStringLiteral("*.pdf")}, QDir::Files)) {
                if (prima.contains(f))
                    continue;
                parole = paroleDelPdf(QDir(out).filePath(f));
                if (!parole.isEmpty() && parole.first().testo == QStringLiteral("Spoolerprova")) {
                    pdf = QDir(out).filePath(f);
                    return true;
                }
            }
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(arrivato(), 60000);

        QPrinter printer(QPrinter::HighResolution);
        Stampa::prepara(printer, *Lavori::conConfigurazione(25));
        const QPointF c = printer.pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
        const auto riga = primaRiga(parole);
        // The spooler re-embeds the font with other vertical metrics, so the line's top is found from the
        // ink: the first word's highest dark pixel lies where the font puts it below the line's top.
        const QFontMetricsF m(Stampa::carattere(*Lavori::conConfigurazione(25)), &printer);
        const double inchiostroSottoCima = (m.ascent() + m.tightBoundingRect(QStringLiteral("Spoolerprova")).top())
                                           / (printer.resolution() / 25.4);
        const double inchiostro = primaRigaInchiostro(pdf, parole.first().xMin, parole.first().xMax, c.y() + 15, c.y() + 40);
        const double cima = inchiostro - inchiostroSottoCima - c.y();
        qInfo("printable corner %.3f, %.3f mm; left %.3f, right %.3f, top %.3f mm", c.x(), c.y(),
              parole.first().xMin - c.x(), riga.last().xMax - c.x(), cima);
        QVERIFY(qAbs(parole.first().xMin - (c.x() + 20)) < 0.5);
        QVERIFY(riga.size() > 3 && riga.size() < parole.size());
        QVERIFY(qAbs(riga.last().xMax - (c.x() + 190)) < 0.5);
        QVERIFY(inchiostro > 0);
        QVERIFY(qAbs(cima - 25) < 0.5);
    }
};

QUADERLO_TEST_MAIN(TestStampaCups)
#include "tst_StampaCups.moc"
