#include "TestSupport.h"

#include "app/CarQuad.h"
#include "composition/frmCompila.h"
#include "platform/MsgBox.h"
#include "platform/Ui.h"
#include "printing/Geometria.h"
#include "printing/Stampa.h"
#include "printing/frmAnteprima.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

using namespace CarQuad;

namespace {
const QString kTesto = QStringLiteral(
    "La bambina partecipa con interesse alle attività della classe, ascolta con attenzione le consegne e "
    "porta a termine i lavori con ordine e precisione, collaborando volentieri con i compagni.");
const double kPxPerMm = 96.0 / 25.4;

frmCompila *compilaPronta()
{
    Carattere = QStringLiteral("Arial");
    AltezzaCarattere = QStringLiteral("12");
    LunghezzaRiga = QStringLiteral("190");
    Orientamento = QStringLiteral("2");
    MargineSinistro = 20;
    for (int n = 1; n <= 4; ++n) {
        MargineSuperiore(n) = QStringLiteral("20");
        TitoloQuadro(n) = QStringLiteral("Titolo %1").arg(n);
    }
    FileAlunno = QStringLiteral("Rossi Mario");
    auto *c = Forms::get<frmCompila>(QStringLiteral("frmCompila"));
    c->show();
    for (int n = 1; n <= 4; ++n)
        c->findChild<QPlainTextEdit *>(QStringLiteral("txtQ%1").arg(n))->setPlainText(kTesto);
    return c;
}

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

// Where the last word of the first drawn line ends, in millimetres.
double fineprimaRiga(const QList<Scritta> &d)
{
    const QFontMetricsF m(Ui::font(QStringLiteral("Arial"), 5), anteprima());
    Scritta ultima = d.first();
    for (const Scritta &s : d)
        if (s.y == d.first().y)
            ultima = s;
    return ultima.x + m.horizontalAdvance(ultima.testo) / kPxPerMm;
}

const QByteArray kFormati = QByteArray("Arial\r\n12\r\n150\r\n30\r\n45\r\n") + "Courier\r\n30\r\n190\r\n20\r\n20\r\n"
                            + "Arial\r\n12\r\n190\r\n20\r\n20\r\n" + "Arial\r\n12\r\n60\r\n60\r\n20\r\n";
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
        const Geometria s = Geometrie::stampa(190.5, 20, 20);
        QCOMPARE(QList<float>({s.x0, s.W, s.alto}), QList<float>({20, 170.5, 20}));
        QCOMPARE(Geometrie::stampaFormato(150, 30, 20).W, 120.f);
    }

    void previewOfASection()
    {
        ProgramFolder dir;
        frmCompila *c = compilaPronta();
        clickAt(c->cmdAnteprima(2));
        frmAnteprima *a = anteprima();
        QVERIFY(a && a->isVisible() && !c->isVisible());
        QCOMPARE(a->windowTitle(), QStringLiteral("Rossi Mario - Titolo 2"));
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(pulsante(QStringLiteral("cmdStampaQ%1").arg(n))->isVisible(), n == 2);
        QCOMPARE(QuadroAnteprima, 2);
        QVERIFY(TestoStampa.isEmpty());
        const auto d = a->disegno();
        QVERIFY(d.size() > 10);
        QCOMPARE(d.first(), (Scritta{QStringLiteral("La"), double(float(20.0 / 3 + 36)), double(float(20.0 / 3 + 15))}));
        QVERIFY(qAbs(fineprimaRiga(d) - (42.6667 + 56.6667)) < 0.01);
        for (int i = 0; i < 4; ++i)
            QVERIFY(!formato(i)->isVisible());
        // Esci: back to the composition window.
        clickAt(pulsante(QStringLiteral("cmdEsciAnteprima")));
        QVERIFY(!a->isVisible() && c->isVisible());
        QVERIFY(Msg::shown().isEmpty());

        // Printing with no configuration saved: refused, and the window closes as after any print.
        clickAt(c->cmdAnteprima(3));
        Carattere.clear();
        Stampa::setFileDiProva(dir.file(QStringLiteral("no.pdf")));
        Msg::queueAnswer(Msg::ResOk);
        clickAt(pulsante(QStringLiteral("cmdStampaQ3")));
        QCOMPARE(Msg::shown().size(), 1);
        QCOMPARE(Msg::shown().first().text, QStringLiteral("Prima devi impostare la stampa nel modulo Utilità."));
        QCOMPARE(Msg::beeps(), 1);
        QVERIFY(!QFileInfo::exists(dir.file(QStringLiteral("no.pdf"))));
        QVERIFY(!a->isVisible() && c->isVisible());
        VERIFY_NO_UNANSWERED();
    }

    void theDrawingSurvivesRepaints()
    {
        ProgramFolder dir;
        clickAt(compilaPronta()->cmdAnteprima(1));
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
        frmCompila *c = compilaPronta();
        clickAt(c->cmdAnteprima(2));
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
        QCOMPARE(a->disegno().first(), (Scritta{QStringLiteral("La"), double(float(30.0 / 3 + 36)), double(float(45.0 / 3 + 15))}));
        QVERIFY(qAbs(fineprimaRiga(a->disegno()) - (46 + 40)) < 0.01);
        // Formato 2 names Courier 30: the preview still draws Arial 5, as the configuration with the same numbers.
        clickOption(formato(1));
        QCOMPARE(a->disegno(), conConfigurazione);
        // Formato 4: line length equal to the left margin, every word alone.
        clickOption(formato(3));
        const auto soli = a->disegno();
        QCOMPARE(soli.size(), kTesto.split(QLatin1Char(' ')).size());
        for (int i = 0; i < soli.size(); ++i) {
            QCOMPARE(soli[i].x, double(float(60.0 / 3 + 36)));
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
        frmCompila *c = compilaPronta();
        clickAt(c->cmdAnteprima(1));
        frmAnteprima *a = anteprima();
        clickOption(pulsante(QStringLiteral("checkFormato")));
        // Ticked without a format, then Esci: the next preview asks for a format and draws nothing new.
        clickAt(pulsante(QStringLiteral("cmdEsciAnteprima")));
        const auto vecchio = a->disegno();
        Msg::queueAnswer(Msg::ResOk);
        clickAt(c->cmdAnteprima(3));
        QCOMPARE(Msg::shown().size(), 1);
        QCOMPARE(Msg::shown().first().text, QStringLiteral("Prima devi scegliere il formato"));
        QVERIFY(a->disegno() == vecchio && a->isVisible());
        clickOption(formato(0));
        clickAt(pulsante(QStringLiteral("cmdEsciAnteprima")));
        // Another section: still ticked, same format.
        clickAt(c->cmdAnteprima(4));
        QVERIFY(pulsante(QStringLiteral("checkFormato"))->isChecked() && formato(0)->isChecked());
        // Drawn over the previous preview without clearing, with format 1 again.
        const auto d = a->disegno();
        QCOMPARE(d.size() % 2, 0);
        QCOMPARE(d.mid(d.size() / 2), d.mid(0, d.size() / 2));
        QCOMPARE(d.first().x, double(float(30.0 / 3 + 36)));
        QCOMPARE(a->windowTitle(), QStringLiteral("Rossi Mario - Titolo 4"));
        VERIFY_NO_UNANSWERED();
    }

    void missingFormatsFileGetsTheDefaults()
    {
        ProgramFolder dir;
        clickAt(compilaPronta()->cmdAnteprima(1));
        clickOption(pulsante(QStringLiteral("checkFormato")));
        clickOption(formato(2));
        QCOMPARE(dir.read(QStringLiteral("Formati.dat")), QByteArray("Arial\r\n 12 \r\n 190 \r\n 20 \r\n 20 \r\n").repeated(4));
        QCOMPARE(anteprima()->disegno().first().x, double(float(20.0 / 3 + 36)));
        QVERIFY(Msg::shown().isEmpty());
    }

    void aFormatThatCannotBeReadIsReported()
    {
        ProgramFolder dir;
        QByteArray formati = kFormati;
        formati.replace("Arial\r\n12\r\n150", "Arial\r\nabc\r\n150");
        dir.write(QStringLiteral("Formati.dat"), formati);
        frmCompila *c = compilaPronta();
        clickAt(c->cmdAnteprima(1));
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
        frmCompila *c = compilaPronta();
        const QString pdf = dir.file(QStringLiteral("formato.pdf"));
        Stampa::setFileDiProva(pdf);
        clickAt(c->cmdAnteprima(2));
        clickOption(pulsante(QStringLiteral("checkFormato")));
        clickOption(formato(0));
        const int lavori = Stampa::lavoriInviati();
        clickAt(pulsante(QStringLiteral("cmdStampaQ2")));
        QCOMPARE(Stampa::lavoriInviati(), lavori + 1);
        QVERIFY(!anteprima()->isVisible() && c->isVisible());
        const auto colore = [c](int n) {
            return c->findChild<QPlainTextEdit *>(QStringLiteral("txtQ%1").arg(n))->palette().color(QPalette::Text);
        };
        QCOMPARE(colore(2), QColor(0, 0, 192));
        QCOMPARE(colore(1), QColor(Qt::black));
        // The configuration's orientation (2, landscape) is used with a format.
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
