#include "StampaSupport.h"

#include "app/CarQuad.h"
#include "platform/Ui.h"
#include "printing/Geometria.h"
#include "printing/Stampa.h"
#include "printing/frmAnteprima.h"

#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>

using namespace CarQuad;
using namespace StampaProva;

namespace {
const QString kTesto = QStringLiteral(
    "La bambina partecipa con interesse alle attivita della classe, ascolta con attenzione le consegne e "
    "porta a termine i lavori con ordine e precisione, collaborando volentieri con i compagni, stabilendo "
    "con i compagni e con gli adulti rapporti sereni e costruttivi.");

frmAnteprima *anteprima()
{
    return qobject_cast<frmAnteprima *>(window(QStringLiteral("frmAnteprima")));
}

QPushButton *pulsante(const QString &name)
{
    return control<QPushButton>(anteprima(), name);
}

QRadioButton *formato(int i)
{
    return control<QRadioButton>(anteprima(), QStringLiteral("optFormati%1").arg(i));
}

// Landscape, every top margin 20, Rossi Mario's four sections stored; the editing view open.
frmCompila *modificaPronta(const ProgramFolder &dir)
{
    preparaTesti(dir, configurazione(2, 20), kTesto);
    return apriModifica();
}

bool vicino(double a, double b)
{
    return qAbs(a - b) < 1e-4;
}

const QByteArray kFormati = QByteArray("Arial\r\n12\r\n150\r\n30\r\n45\r\n") + "Courier New\r\n30\r\n190\r\n20\r\n20\r\n"
                            + "Times New Roman\r\n9\r\n190\r\n20\r\n20\r\n" + "Arial\r\n12\r\n60\r\n60\r\n20\r\n";
} // namespace

class TestFrmAnteprima : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { Stampa::setFileDiProva(QString()); }

    void geometryAtOneThird()
    {
        const Geometria g = Geometrie::anteprima(190, 20, 20);
        QVERIFY(qAbs(g.x0 - 42.6667) < 1e-3 && qAbs(g.W - 56.6667) < 1e-3 && qAbs(g.alto - 21.6667) < 1e-3);
        QVERIFY(vicino(Geometrie::anteprimaX(20), g.x0) && vicino(Geometrie::anteprimaY(20), g.alto));
        const Geometria s = Geometrie::stampa(190.5, 20, 20);
        QCOMPARE(QList<float>({s.x0, s.W, s.alto}), QList<float>({20, 170.5, 20}));
        QCOMPARE(Geometrie::stampaFormato(150, 30, 20).W, 120.f);
    }

    void previewOfASection()
    {
        ProgramFolder dir;
        frmCompila *c = modificaPronta(dir);
        QVERIFY(c);
        anteprimaQuadro(c, 2);
        frmAnteprima *a = anteprima();
        QVERIFY(a && a->isVisible() && !c->isVisible());
        QCOMPARE(a->windowTitle(), QStringLiteral("Rossi Mario - Finalità"));
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(pulsante(QStringLiteral("cmdStampaQ%1").arg(n))->isVisible(), n == 2);
        QCOMPARE(QuadroAnteprima, 2);
        QVERIFY(TestoStampa.isEmpty());
        const auto d = a->disegno();
        QVERIFY(d.size() > 10);
        QCOMPARE(d.first().testo, QStringLiteral("La"));
        QVERIFY(vicino(d.first().x, 20.0 / 3 + 36) && vicino(d.first().y, 20.0 / 3 + 15));
        // The stored text ends with CR LF: its last line is drawn in one piece, unstretched.
        QVERIFY(d.last().testo.endsWith(QStringLiteral(" costruttivi.")));
        for (int i = 0; i < 4; ++i)
            QVERIFY(!formato(i)->isVisible());
        // Esci: back to the composition window.
        clickAt(pulsante(QStringLiteral("cmdEsciAnteprima")));
        QVERIFY(!a->isVisible() && c->isVisible());
        QVERIFY(Msg::shown().isEmpty());

        // A font the system does not know: refused, nothing drawn.
        Carattere = QStringLiteral("Ariall");
        a->cancellaDisegno();
        Msg::queueAnswer(Msg::ResOk);
        anteprimaQuadro(c, 3);
        QVERIFY(a->disegno().isEmpty());
        // Printing with no configuration saved: refused, and the window closes as after any print.
        Carattere.clear();
        Stampa::setFileDiProva(dir.file(QStringLiteral("no.pdf")));
        Msg::queueAnswer(Msg::ResOk);
        clickAt(pulsante(QStringLiteral("cmdStampaQ3")));
        QCOMPARE(Msg::shown().size(), 2);
        for (const Msg::Shown &s : Msg::shown())
            QVERIFY(s.text == QStringLiteral("Prima devi impostare la stampa nel modulo Utilità.") && s.icon == Msg::Information);
        QCOMPARE(Msg::beeps(), 2);
        QVERIFY(!QFileInfo::exists(dir.file(QStringLiteral("no.pdf"))));
        QVERIFY(!a->isVisible() && c->isVisible());
        VERIFY_NO_UNANSWERED();
    }

    void thePreviewIsThePrint()
    {
        if (!pdftotextDisponibile())
            QSKIP("pdftotext (poppler-utils) is not installed");
        ProgramFolder dir;
        dir.write(QStringLiteral("Formati.dat"), kFormati);
        preparaTesti(dir, configurazione(1, 20), kTesto); // portrait: a word a line still fits the page
        frmCompila *c = apriModifica();
        QVERIFY(c);
        // The configuration, then each format: every previewed line holds the words of the printed line.
        for (int k = -1; k < 4; ++k) {
            const QString pdf = dir.file(QStringLiteral("formato%1.pdf").arg(k));
            Stampa::setFileDiProva(pdf);
            anteprimaQuadro(c, 2);
            if (k == 0)
                clickOption(pulsante(QStringLiteral("checkFormato")));
            if (k >= 0)
                clickOption(formato(k));
            const auto anteprimaRighe = righe(anteprima()->disegno());
            clickAt(pulsante(QStringLiteral("cmdStampaQ2")));
            const auto parole = paroleDelPdf(pdf);
            const auto stampaRighe = righe(parole);
            QVERIFY2(anteprimaRighe == stampaRighe,
                     qPrintable(QStringLiteral("format %1: %2 lines previewed, %3 printed")
                                    .arg(k).arg(anteprimaRighe.size()).arg(stampaRighe.size())));
            QVERIFY(stampaRighe.size() > 1);
            if (k == 3)
                QCOMPARE(stampaRighe.size(), kTesto.split(QLatin1Char(' ')).size()); // every word alone
        }
        QVERIFY(Msg::shown().isEmpty());
    }

    void theDrawingSurvivesRepaints()
    {
        ProgramFolder dir;
        frmCompila *c = modificaPronta(dir);
        QVERIFY(c);
        anteprimaQuadro(c, 1);
        frmAnteprima *a = anteprima();
        const QImage prima = a->grab().toImage();
        // Dark text pixels inside the sheet, above its grey middle line.
        int scuri = 0;
        for (int y = Ui::px(840) + 2; y < Ui::px(2000); ++y)
            for (int x = Ui::px(1920) + 2; x < Ui::px(5880) - 2; ++x)
                scuri += qGray(prima.pixel(x, y)) < 128;
        QVERIFY(scuri > 50);
        a->hide();
        a->show();
        a->repaint();
        QCOMPARE(a->grab().toImage(), prima);
        a->cancellaDisegno();
        QVERIFY(a->grab().toImage() != prima);
    }

    void formatsOnAndOff()
    {
        ProgramFolder dir;
        dir.write(QStringLiteral("Formati.dat"), kFormati);
        frmCompila *c = modificaPronta(dir);
        QVERIFY(c);
        anteprimaQuadro(c, 2);
        frmAnteprima *a = anteprima();
        const auto conConfigurazione = a->disegno();
        QPushButton *check = pulsante(QStringLiteral("checkFormato"));
        clickOption(check);
        QVERIFY(check->isChecked());
        QCOMPARE(UsaFormato, 1);
        QCOMPARE(check->text(), QStringLiteral("Non usare formato di stampa"));
        for (int i = 0; i < 4; ++i)
            QVERIFY(formato(i)->isVisible());
        QCOMPARE(a->disegno(), conConfigurazione); // nothing redrawn yet
        QCOMPARE(FormatoScelto, 4);

        // Stampa at once: a format must be chosen first.
        Stampa::setFileDiProva(dir.file(QStringLiteral("no.pdf")));
        const int lavori = Stampa::lavoriInviati();
        Msg::queueAnswer(Msg::ResOk);
        clickAt(pulsante(QStringLiteral("cmdStampaQ2")));
        QCOMPARE(Msg::shown().size(), 1);
        QCOMPARE(Msg::shown().first().text, QStringLiteral("Prima devi scegliere il formato"));
        QCOMPARE(Msg::shown().first().icon, Msg::Information);
        QVERIFY(Stampa::lavoriInviati() == lavori && a->isVisible());

        // Formato 1: 150 / 30 / 45, cleared and redrawn.
        clickOption(formato(0));
        QCOMPARE(FormatoScelto, 0);
        QVERIFY(vicino(a->disegno().first().x, 30.0 / 3 + 36) && vicino(a->disegno().first().y, 45.0 / 3 + 15));
        // Formato 3 has the configuration's numbers but Times New Roman 9: the preview pictures that font.
        clickOption(formato(2));
        QCOMPARE(a->disegno().first().x, conConfigurazione.first().x);
        QVERIFY(righe(a->disegno()).size() < righe(conConfigurazione).size());
        // Formato 4: line length equal to the left margin, every word alone.
        clickOption(formato(3));
        const auto soli = a->disegno();
        QCOMPARE(soli.size(), kTesto.split(QLatin1Char(' ')).size());
        for (int i = 0; i < soli.size(); ++i) {
            QVERIFY(vicino(soli[i].x, 60.0 / 3 + 36));
            QVERIFY(i == 0 || soli[i].y > soli[i - 1].y);
        }

        // Off again: buttons hidden, none selected, redrawn with the configuration.
        clickOption(check);
        QCOMPARE(UsaFormato, 0);
        QCOMPARE(FormatoScelto, 4);
        QCOMPARE(check->text(), QStringLiteral("Usa formato di stampa"));
        for (int i = 0; i < 4; ++i)
            QVERIFY(!formato(i)->isVisible() && !formato(i)->isChecked());
        QCOMPARE(a->disegno(), conConfigurazione);
        clickOption(check);
        for (int i = 0; i < 4; ++i)
            QVERIFY(formato(i)->isVisible() && !formato(i)->isChecked());
        VERIFY_NO_UNANSWERED();
    }

    void leavingKeepsTheChoice()
    {
        ProgramFolder dir;
        dir.write(QStringLiteral("Formati.dat"), kFormati);
        frmCompila *c = modificaPronta(dir);
        QVERIFY(c);
        anteprimaQuadro(c, 1);
        frmAnteprima *a = anteprima();
        clickOption(pulsante(QStringLiteral("checkFormato")));
        // Ticked without a format, then Esci: the next preview asks for a format and draws nothing new.
        clickAt(pulsante(QStringLiteral("cmdEsciAnteprima")));
        const auto vecchio = a->disegno();
        Msg::queueAnswer(Msg::ResOk);
        anteprimaQuadro(c, 3);
        QCOMPARE(Msg::shown().size(), 1);
        QCOMPARE(Msg::shown().first().text, QStringLiteral("Prima devi scegliere il formato"));
        QVERIFY(a->disegno() == vecchio && a->isVisible());
        clickOption(formato(0));
        clickAt(pulsante(QStringLiteral("cmdEsciAnteprima")));
        // Another section: still ticked, same format.
        anteprimaQuadro(c, 4);
        QVERIFY(pulsante(QStringLiteral("checkFormato"))->isChecked() && formato(0)->isChecked());
        // Drawn over the previous preview without clearing, with format 1 again.
        const auto d = a->disegno();
        QCOMPARE(d.size() % 2, 0);
        QCOMPARE(d.mid(d.size() / 2), d.mid(0, d.size() / 2));
        QVERIFY(vicino(d.first().x, 30.0 / 3 + 36));
        QCOMPARE(a->windowTitle(), QStringLiteral("Rossi Mario - Val. 2° Q."));
        VERIFY_NO_UNANSWERED();
    }

    void missingFormatsFileGetsTheDefaults()
    {
        ProgramFolder dir;
        frmCompila *c = modificaPronta(dir);
        QVERIFY(c);
        anteprimaQuadro(c, 1);
        clickOption(pulsante(QStringLiteral("checkFormato")));
        clickOption(formato(2));
        QCOMPARE(dir.read(QStringLiteral("Formati.dat")), QByteArray("Arial\r\n 12 \r\n 190 \r\n 20 \r\n 20 \r\n").repeated(4));
        QVERIFY(vicino(anteprima()->disegno().first().x, 20.0 / 3 + 36));
        QVERIFY(Msg::shown().isEmpty());
    }

    void aFormatThatCannotBeReadIsReported()
    {
        ProgramFolder dir;
        QByteArray formati = kFormati;
        formati.replace("Arial\r\n12\r\n150", "Arial\r\nabc\r\n150");
        dir.write(QStringLiteral("Formati.dat"), formati);
        frmCompila *c = modificaPronta(dir);
        QVERIFY(c);
        anteprimaQuadro(c, 1);
        frmAnteprima *a = anteprima();
        clickOption(pulsante(QStringLiteral("checkFormato")));
        const QString atteso =
            QStringLiteral("Il formato scelto non è valido: correggilo in \"Formati di stampa\" nel modulo Utilità.");
        Msg::queueAnswer(Msg::ResOk);
        clickOption(formato(0));
        QVERIFY(a->disegno().isEmpty()); // cleared, nothing drawn
        // Printing with it: the same message, no job, the window closes as after any print.
        Stampa::setFileDiProva(dir.file(QStringLiteral("no.pdf")));
        const int lavori = Stampa::lavoriInviati();
        Msg::queueAnswer(Msg::ResOk);
        clickAt(pulsante(QStringLiteral("cmdStampaQ1")));
        QCOMPARE(Msg::shown().size(), 2);
        QCOMPARE(Msg::shown().at(0).text, atteso);
        QCOMPARE(Msg::shown().at(1).text, atteso);
        QVERIFY(Stampa::lavoriInviati() == lavori && !a->isVisible());
        QCOMPARE(dir.read(QStringLiteral("Formati.dat")), formati);
        VERIFY_NO_UNANSWERED();
    }

    void printingWithAFormat()
    {
        ProgramFolder dir;
        dir.write(QStringLiteral("Formati.dat"), kFormati);
        frmCompila *c = modificaPronta(dir);
        QVERIFY(c);
        const QString pdf = dir.file(QStringLiteral("formato.pdf"));
        Stampa::setFileDiProva(pdf);
        anteprimaQuadro(c, 2);
        clickOption(pulsante(QStringLiteral("checkFormato")));
        clickOption(formato(0));
        const int lavori = Stampa::lavoriInviati();
        clickAt(pulsante(QStringLiteral("cmdStampaQ2")));
        QCOMPARE(Stampa::lavoriInviati(), lavori + 1);
        QVERIFY(!anteprima()->isVisible() && c->isVisible());
        QCOMPARE(Compila::txtQ(2)->palette().color(QPalette::Text), QColor(0, 0, 192));
        QCOMPARE(Compila::txtQ(1)->palette().color(QPalette::Text), QColor(Qt::black));
        // The format's margins and line length, and the configuration's orientation (2, landscape).
        if (pdftotextDisponibile()) {
            QPrinter p(QPrinter::HighResolution);
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setPageOrientation(QPageLayout::Landscape);
            const QPointF angolo = p.pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
            const auto parole = paroleDelPdf(pdf);
            const auto riga = primaRiga(parole);
            QVERIFY(qAbs(parole.first().xMin - (angolo.x() + 30)) < 0.5);
            QVERIFY(qAbs(riga.last().xMax - (angolo.x() + 150)) < 0.5);
            QVERIFY(qAbs(parole.first().yMin - (angolo.y() + 45)) < 0.5);
        }
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        if (info.waitForFinished(10000)) {
            const QString out = QString::fromUtf8(info.readAllStandardOutput());
            const auto m = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(out);
            QVERIFY2(m.hasMatch(), qPrintable(out));
            QVERIFY(m.captured(1).toDouble() > m.captured(2).toDouble());
        }
        QVERIFY(Msg::shown().isEmpty());
    }
};

QUADERLO_TEST_MAIN(TestFrmAnteprima)
#include "tst_frmAnteprima.moc"
