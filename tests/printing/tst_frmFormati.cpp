#include "TestSupport.h"

#include "platform/Form.h"
#include "platform/MsgBox.h"
#include "printing/Formati.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QByteArray kPredefinito = QByteArray("Arial\r\n 12 \r\n 190 \r\n 20 \r\n 20 \r\n").repeated(4);

Form *apri()
{
    Form *f = Forms::get(QStringLiteral("frmFormati"));
    f->Form_Load();
    return f;
}

QLineEdit *box(Form *f, const char *name, int i)
{
    return control<QLineEdit>(f, QStringLiteral("%1%2").arg(QLatin1String(name)).arg(i));
}

QComboBox *font(Form *f, int i)
{
    return control<QComboBox>(f, QStringLiteral("cmbFontFormati%1").arg(i));
}

bool chiusoSuUtilita()
{
    return !Forms::isLoaded(QStringLiteral("frmFormati")) && window(QStringLiteral("frmUtilità"))
           && window(QStringLiteral("frmUtilità"))->isVisible();
}
} // namespace

class TestFrmFormati : public QObject
{
    Q_OBJECT
private slots:
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

QUADERLO_TEST_MAIN(TestFrmFormati)
#include "tst_frmFormati.moc"
