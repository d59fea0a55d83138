#include "StampaSupport.h"

#include "platform/Ui.h"
#include "printing/FileFormati.h"
#include "printing/frmAnteprima.h"

#include <QApplication>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QLineEdit>
#include <QRadioButton>

using namespace CarQuad;
using namespace StampaProva;

namespace {
const QByteArray kFormati = QByteArray("Arial\r\n12\r\n150\r\n30\r\n45\r\n") + "Courier New\r\n30\r\n190\r\n20\r\n20\r\n"
                            + "Times New Roman\r\n9\r\n190\r\n20\r\n20\r\n" + "Arial\r\n12\r\n60\r\n60\r\n20\r\n";

frmAnteprima *anteprima() { return qobject_cast<frmAnteprima *>(window(QStringLiteral("frmAnteprima"))); }

void clic(const char *name)
{
    QAbstractButton *b = control<QAbstractButton>(anteprima(), QString::fromLatin1(name));
    QByteArray(name).startsWith("cmd") ? clickAt(b) : clickOption(b);
}

QRadioButton *formato(int i) { return control<QRadioButton>(anteprima(), QStringLiteral("optFormati%1").arg(i)); }

// The first drawn word's corner is (left, top) of the page, on the preview's one-third scale.
bool inizia(const QList<Scritta> &d, double sinistro, double alto)
{
    return !d.isEmpty() && qAbs(d.first().x - (sinistro / 3 + 36)) < 1e-4 && qAbs(d.first().y - (alto / 3 + 15)) < 1e-4;
}
const QByteArray kPredefinito = QByteArray("Arial\r\n 12 \r\n 190 \r\n 20 \r\n 20 \r\n").repeated(4);

Form *apri()
{
    Form *f = Forms::get(QStringLiteral("frmFormati"));
    f->Form_Load();
    return f;
}

QLineEdit *box(Form *f, const char *name, int i) { return control<QLineEdit>(f, QString::fromLatin1(name) + QString::number(i)); }
QComboBox *font(Form *f, int i) { return control<QComboBox>(f, QStringLiteral("cmbFontFormati%1").arg(i)); }

bool chiusoSuUtilita()
{
    return !Forms::isLoaded(QStringLiteral("frmFormati")) && window(QStringLiteral("frmUtilità"))
           && window(QStringLiteral("frmUtilità"))->isVisible();
}
} // namespace

class TestFrmAnteprima : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { Stampa::setFileDiProva(QString()); }

    void previewOfASection()
    {
        ProgramFolder dir;
        frmCompila *c = apriModifica(dir, configurazione(2, 20), kTesto);
        QVERIFY(c);
        stampaQuadro(c, 2, true);
        frmAnteprima *a = anteprima();
        QVERIFY(a && a->isVisible() && !c->isVisible() && QuadroAnteprima == 2);
        const auto d = a->disegno();
        QVERIFY(d.size() > 10 && d.first().testo == "Nel" && inizia(d, 20, 20));
        QVERIFY(d.last().testo.endsWith(QStringLiteral(" ordine."))); // the last line unstretched, in one piece
        // Dark text pixels inside the sheet, kept over repaints.
        const QImage prima = a->grab().toImage();
        int scuri = 0;
        for (int y = Ui::px(840) + 2; y < Ui::px(2000); ++y)
            for (int x = Ui::px(1920) + 2; x < Ui::px(5880) - 2; ++x)
                scuri += qGray(prima.pixel(x, y)) < 128;
        QVERIFY(scuri > 50);
        a->hide();
        a->show();
        QCOMPARE(a->grab().toImage(), prima);
        clic("cmdEsciAnteprima");
        QVERIFY(!a->isVisible() && c->isVisible());

        // No configuration saved: nothing more drawn; printing is refused too, and the window closes as after any print.
        Carattere.clear();
        Stampa::setFileDiProva(dir.file(QStringLiteral("no.pdf")));
        rispondi({Msg::ResOk, Msg::ResOk});
        stampaQuadro(c, 3, true);
        QCOMPARE(a->disegno(), d);
        clic("cmdStampaQ3");
        QVERIFY(Msg::shown().size() == 2 && Msg::shown().last().text == LavoroStampa::messaggioConfigurazione());
        QVERIFY(!QFileInfo::exists(dir.file(QStringLiteral("no.pdf"))) && !a->isVisible() && c->isVisible());
        VERIFY_NO_UNANSWERED();
    }

    void thePreviewIsThePrint()
    {
        SALTA_SENZA_PDFTOTEXT();
        ProgramFolder dir;
        dir.write(QStringLiteral("Formati.dat"), kFormati);
        frmCompila *c = apriModifica(dir, configurazione(2, 20), kTesto);
        QVERIFY(c);
        // The configuration, then each format: the preview's lines hold the printed lines' words.
        QList<QList<QStringList>> tutte;
        for (int k = -1; k < 4; ++k) {
            const QString pdf = dir.file(QStringLiteral("formato%1.pdf").arg(k));
            Stampa::setFileDiProva(pdf);
            stampaQuadro(c, 2, true);
            if (k == 0)
                clic("checkFormato");
            if (k >= 0)
                clickOption(formato(k));
            const auto anteprimaRighe = righe(anteprima()->disegno());
            clic("cmdStampaQ2");
            QVERIFY(!anteprima()->isVisible() && c->isVisible());
            QSizeF pagina;
            const auto stampate = righePdf(pdf, &pagina);
            tutte << righe(stampate);
            QVERIFY2(anteprimaRighe == tutte.last(), qPrintable(QString::number(k)));
            // The format's margins and line length, on a page turned as the configuration says.
            QVERIFY(k != 0 || primaRiga(stampate, angolo(*LavoroStampa::conConfigurazione(20)), 30, 150, 45));
            QVERIFY(pagina.width() > pagina.height());
        }
        // Format 3, Times New Roman 9, puts more words on a line than the configuration's Arial 12; format 4 every word alone.
        QVERIFY(tutte[0].size() > 1 && tutte[3].first().size() > tutte[0].first().size());
        QCOMPARE(tutte[4].size(), kTesto.split(QLatin1Char(' ')).size());
        QVERIFY(Msg::shown().isEmpty());
    }

    void theFormatChosenIsShownKeptAndChecked()
    {
        ProgramFolder dir; // no Formati.dat yet
        frmCompila *c = apriModifica(dir, configurazione(2, 20), kTesto);
        QVERIFY(c);
        Stampa::setFileDiProva(dir.file(QStringLiteral("no.pdf")));
        const int lavori = Stampa::lavoriInviati();
        stampaQuadro(c, 2, true);
        frmAnteprima *a = anteprima();
        const auto conConfigurazione = a->disegno();
        clic("checkFormato");
        QVERIFY(UsaFormato == 1 && a->disegno() == conConfigurazione); // nothing redrawn yet
        // Stampa at once: a format must be chosen first.
        Msg::queueAnswer(Msg::ResOk);
        clic("cmdStampaQ2");
        QVERIFY(Msg::shown().last().text == "Prima devi scegliere il formato" && Stampa::lavoriInviati() == lavori && a->isVisible());
        // No Formati.dat: the defaults are written and used.
        clickOption(formato(2));
        QCOMPARE(dir.read(QStringLiteral("Formati.dat")), kPredefinito);
        QVERIFY(inizia(a->disegno(), 20, 20));
        // Formato 1: 150 / 30 / 45, cleared and redrawn.
        dir.write(QStringLiteral("Formati.dat"), kFormati);
        clickOption(formato(0));
        QVERIFY(FormatoScelto == 0 && inizia(a->disegno(), 30, 45));
        clic("cmdEsciAnteprima");
        // Another section: still ticked, same format, drawn over the previous preview without clearing.
        stampaQuadro(c, 4, true);
        QVERIFY(control<QAbstractButton>(a, "checkFormato")->isChecked() && formato(0)->isChecked());
        const auto d = a->disegno();
        QVERIFY(d.size() % 2 == 0 && inizia(d, 30, 45));
        QCOMPARE(d.mid(d.size() / 2), d.mid(0, d.size() / 2));
        QCOMPARE(a->windowTitle(), QStringLiteral("Rossi Mario - Val. 2° Q."));
        // A format whose numbers cannot be read: nothing drawn, nothing printed, the file left alone.
        const QByteArray guasti = QByteArray(kFormati).replace("12\r\n150", "abc\r\n150");
        dir.write(QStringLiteral("Formati.dat"), guasti);
        rispondi({Msg::ResOk, Msg::ResOk});
        clickOption(formato(0));
        clic("cmdStampaQ4");
        QVERIFY(a->disegno().isEmpty() && Msg::shown().size() == 3 && Msg::shown().last().icon == Msg::Exclamation);
        QVERIFY(Stampa::lavoriInviati() == lavori && !a->isVisible() && dir.read(QStringLiteral("Formati.dat")) == guasti);
        QVERIFY(c->isVisible() && colore(4) == QColor(0, 0, 192) && colore(2) == QColor(Qt::black)); // as after a print
        VERIFY_NO_UNANSWERED();
    }

    void valuesThatWouldNotReadBackAreFound()
    {
        // Format, field (font, height, line length, left, top), value, the message (empty: accepted).
        const struct {
            int formato, campo;
            const char *valore, *messaggio;
        } casi[] = {
            {1, 1, "12,5", "\"Formato2 - Altezza del carattere\" non può contenere la virgola: scrivi 12.5 con il punto."},
            {3, 4, "alto", "\"Formato4 - Margine superiore\" deve essere un numero intero tra -32768 e 32767."},
            {0, 2, "", "\"Formato1 - Lunghezza riga di stampa\" deve essere un numero intero tra -32768 e 32767."},
            {2, 3, "40000", "\"Formato3 - Margine sinistro\" deve essere un numero intero tra -32768 e 32767."},
            {0, 1, "0", "\"Formato1 - Altezza del carattere\" deve essere maggiore di zero."},
            {2, 0, "\"Arial\"", "\"Formato3 - Carattere\" non può cominciare con le virgolette."},
            {1, 0, "  ", "\"Formato2 - Carattere\" non può essere vuoto."},
            {0, 4, "20.5", ""}, // read back as a 16-bit integer
        };
        QString FormatoStampa::*campi[] = {&FormatoStampa::carattere, &FormatoStampa::altezza, &FormatoStampa::lunghezzaRiga,
                                           &FormatoStampa::margineSinistro, &FormatoStampa::margineSuperiore};
        for (const auto &c : casi) {
            Formati f = FileFormati::predefiniti();
            f[size_t(c.formato)].*campi[c.campo] = QString::fromUtf8(c.valore);
            const FileFormati::Problema p = FileFormati::problema(f);
            QCOMPARE(p.messaggio, QString::fromUtf8(c.messaggio));
            QVERIFY(p.messaggio.isEmpty() || (p.formato == c.formato && p.campo == c.campo));
        }
    }

    void defaultsEditedSavedAndCancelled()
    {
        ProgramFolder dir;
        Form *f = apri();
        // The first opening writes the defaults and shows them.
        QCOMPARE(dir.read(QStringLiteral("Formati.dat")), kPredefinito);
        QVERIFY(font(f, 3)->currentText() == "Arial" && box(f, "txtAltCar", 3)->text() == "12" && box(f, "txtMargSup", 3)->text() == "20");
        box(f, "txtLungRiga", 1)->setText(QStringLiteral("150"));
        box(f, "txtMargSin", 1)->setText(QStringLiteral("30"));
        box(f, "txtMargSup", 0)->setText(QStringLiteral("20.5"));
        font(f, 2)->setCurrentText(QStringLiteral("Liberation Serif"));
        // A value that would not read back: told, nothing written, the window stays.
        box(f, "txtAltCar", 1)->setText(QStringLiteral("12,5"));
        Msg::queueAnswer(Msg::ResOk);
        clickAt(control<QPushButton>(f, "cmdOkFormati"));
        QVERIFY(Msg::shown().size() == 1 && Msg::shown().first().text.startsWith("\"Formato2 - Altezza") && Msg::beeps() == 1);
        QVERIFY(dir.read(QStringLiteral("Formati.dat")) == kPredefinito && Forms::isLoaded(QStringLiteral("frmFormati")));
        // Corrected: the boxes written as they stand, back to Utilità, and printing reads the new values.
        box(f, "txtAltCar", 1)->setText(QStringLiteral("12"));
        clickAt(control<QPushButton>(f, "cmdOkFormati"));
        const QByteArray salvato = QByteArray("Arial\r\n12\r\n190\r\n20\r\n20.5\r\n") + "Arial\r\n12\r\n150\r\n30\r\n20\r\n"
                                   + "Liberation Serif\r\n12\r\n190\r\n20\r\n20\r\n" + "Arial\r\n12\r\n190\r\n20\r\n20\r\n";
        QCOMPARE(dir.read(QStringLiteral("Formati.dat")), salvato);
        QVERIFY(chiusoSuUtilita() && Msg::shown().size() == 1);
        const auto letti = FileFormati::leggi();
        QVERIFY(letti && FileFormati::numerico((*letti)[0])->margineSuperiore == 20);

        // Opened again it shows the file; Esci leaves the file alone.
        f = apri();
        QCOMPARE(font(f, 2)->currentText(), "Liberation Serif");
        box(f, "txtAltCar", 0)->setText(QStringLiteral("99"));
        clickAt(control<QPushButton>(f, "cmdEsciFormati"));
        QCOMPARE(dir.read(QStringLiteral("Formati.dat")), salvato);
        QVERIFY(chiusoSuUtilita());
        VERIFY_NO_UNANSWERED();
    }

    void anUnreadableFileShowsWhatCouldBeReadAndFocusOffersTheFonts()
    {
        ProgramFolder dir;
        dir.write(QStringLiteral("Formati.dat"), QByteArray("Arial\r\n 12 \r\n"));
        Form *f = apri();
        QCOMPARE(QStringList({box(f, "txtAltCar", 0)->text(), box(f, "txtLungRiga", 0)->text(), font(f, 1)->currentText()}),
                 QStringList({"12", "", ""}));
        QCOMPARE(dir.read(QStringLiteral("Formati.dat")), QByteArray("Arial\r\n 12 \r\n"));
        // The font box gets the system's families on each focus, once; the typed name stays.
        QComboBox *cb = font(f, 0);
        QFocusEvent dentro(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(cb, &dentro);
        const QStringList famiglie = QFontDatabase::families();
        QVERIFY(!famiglie.isEmpty() && cb->itemText(0) == famiglie.first() && cb->currentText() == "Arial");
        QApplication::sendEvent(cb, &dentro);
        QCOMPARE(cb->count(), int(QSet<QString>(famiglie.begin(), famiglie.end()).size()));
        QCOMPARE(font(f, 1)->count(), 0);
    }
};

QUADERLO_TEST_MAIN(TestFrmAnteprima)
#include "tst_frmAnteprima.moc"
