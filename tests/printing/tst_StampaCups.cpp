#include "StampaSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPrinterInfo>

// Prints through the system's spooler: test.sh starts CUPS with a cups-pdf queue as the default
// printer and names its output folder in QUADERLO_CUPS_OUT.
class TestStampaCups : public QObject
{
    Q_OBJECT
private slots:
    void aSectionThroughTheSpooler()
    {
        const QDir out(qEnvironmentVariable("QUADERLO_CUPS_OUT"));
        if (out.path() == QStringLiteral(".") || !out.exists())
            QSKIP("No print spooler for tests: QUADERLO_CUPS_OUT is not set (test.sh sets it where it can run CUPS)");
        if (QPrinterInfo::defaultPrinter().isNull())
            QSKIP("CUPS has no default printer");
        SALTA_SENZA_PDFTOTEXT();
        ProgramFolder dir;
        frmCompila *compila = StampaProva::apriModifica(
            dir, StampaProva::configurazione(1, 25),
            QStringLiteral("Spoolerprova ha lavorato con impegno costante durante tutto il quadrimestre, mostrando "
                           "curiosità per gli argomenti proposti e rispettando con puntualità i tempi delle consegne."));
        QVERIFY(compila);
        const QStringList prima = out.entryList({QStringLiteral("*.pdf")}, QDir::Files);
        const int lavori = Stampa::lavoriInviati();
        StampaProva::stampaQuadro(compila, 1);
        QCOMPARE(Stampa::lavoriInviati(), lavori + 1);
        QVERIFY(Msg::shown().isEmpty());

        // The job's PDF: a new file in the output folder whose first word is ours.
        QList<RigaPdf> stampate;
        QString pdf;
        const auto arrivato = [&] {
            for (const QString &f : out.entryList({QStringLiteral("*.pdf")}, QDir::Files)) {
                pdf = out.filePath(f);
                stampate = prima.contains(f) ? QList<RigaPdf>() : righePdf(pdf);
                if (stampate.value(0).value(0).testo == QStringLiteral("Spoolerprova"))
                    return true;
            }
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(arrivato(), 60000);
        QPrinter printer(QPrinter::HighResolution);
        const LavoroStampa lavoro = *LavoroStampa::conConfigurazione(25);
        const QPointF c = angolo(lavoro, &printer);
        QVERIFY(primaRiga(stampate, c, 20, 190));
        // The spooler re-embeds the font with other vertical metrics, so the line's top is found from the
        // ink: the first word's highest dark pixel lies where the font puts it below the line's top.
        const QFontMetricsF m(Stampa::carattere(lavoro), &printer);
        const double sottoCima = (m.ascent() + m.tightBoundingRect(QStringLiteral("Spoolerprova")).top()) / (printer.resolution() / 25.4);
        const double inchiostro = primaRigaInchiostro(pdf, stampate[0][0].xMin, stampate[0][0].xMax, c.y() + 15, c.y() + 40);
        qInfo("printable corner %.3f, %.3f mm; top from the ink %.3f mm", c.x(), c.y(), inchiostro - sottoCima - c.y());
        QVERIFY(inchiostro > 0 && qAbs(inchiostro - sottoCima - c.y() - 25) < 0.5);
    }
};

QUADERLO_TEST_MAIN(TestStampaCups)
#include "tst_StampaCups.moc"
