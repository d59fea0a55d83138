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

void click(Form *f, const char *name)
{
    clickAt(control<QPushButton>(f, QString::fromLatin1(name)));
}
} // namespace

class TestFrmFormati : public QObject
{
    Q_OBJECT
private slots:
    void firstOpeningCreatesTheDefaults()
    {
        ProgramFolder dir;
        Form *f = apri();
        QCOMPARE(dir.read(QStringLiteral("Formati.dat")), kPredefinito);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(font(f, i)->currentText(), QStringLiteral("Arial"));
            QCOMPARE(box(f, "txtAltCar", i)->text(), QStringLiteral("12"));
            QCOMPARE(box(f, "txtLungRiga", i)->text(), QStringLiteral("190"));
            QCOMPARE(box(f, "txtMargSin", i)->text(), QStringLiteral("20"));
            QCOMPARE(box(f, "txtMargSup", i)->text(), QStringLiteral("20"));
        }
    }

    void saveWritesTheBoxesAndGoesBack()
    {
        ProgramFolder dir;
        dir.write(QStringLiteral("Formati.dat"), kPredefinito);
        Form *f = apri();
        box(f, "txtLungRiga", 1)->setText(QStringLiteral("150"));
        box(f, "txtMargSin", 1)->setText(QStringLiteral("30"));
        font(f, 2)->setCurrentText(QStringLiteral("Liberation Serif"));
        click(f, "cmdOkFormati");
        QByteArray atteso = QByteArray("Arial\r\n12\r\n190\r\n20\r\n20\r\n");
        atteso = atteso + "Arial\r\n12\r\n150\r\n30\r\n20\r\n" + "Liberation Serif\r\n12\r\n190\r\n20\r\n20\r\n" + atteso;
        QCOMPARE(dir.read(QStringLiteral("Formati.dat")), atteso);
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmFormati")));
        QVERIFY(window(QStringLiteral("frmUtilità")) && window(QStringLiteral("frmUtilità"))->isVisible());
        QVERIFY(Msg::shown().isEmpty());
        // The printing side reads the new values.
        const auto letti = FileFormati::leggi();
        QVERIFY(letti);
        QCOMPARE(FileFormati::numerico((*letti)[1])->lunghezzaRiga, qint16(150));
    }

    void cancelLeavesTheFileAlone()
    {
        ProgramFolder dir;
        const QByteArray mio("Verdana\r\n11\r\n180\r\n25\r\n30\r\n");
        dir.write(QStringLiteral("Formati.dat"), mio.repeated(4));
        Form *f = apri();
        QCOMPARE(font(f, 3)->currentText(), QStringLiteral("Verdana"));
        box(f, "txtAltCar", 0)->setText(QStringLiteral("99"));
        click(f, "cmdEsciFormati");
        QCOMPARE(dir.read(QStringLiteral("Formati.dat")), mio.repeated(4));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmFormati")));
        QVERIFY(window(QStringLiteral("frmUtilità"))->isVisible());
    }

    void valuesThatWouldNotReadBackAreRefused()
    {
        ProgramFolder dir;
        dir.write(QStringLiteral("Formati.dat"), kPredefinito);
        Form *f = apri();
        struct Caso {
            const char *casella;
            int formato;
            QString valore;
            QString messaggio;
        };
        const QList<Caso> casi{
            {"txtAltCar", 1, QStringLiteral("12,5"), QStringLiteral("\"Formato2 - Altezza del carattere\" non può contenere la virgola: scrivi 12.5 con il punto.")},
            {"txtMargSup", 3, QStringLiteral("alto"), QStringLiteral("\"Formato4 - Margine superiore\" deve essere un numero intero tra -32768 e 32767.")},
            {"txtLungRiga", 0, QString(), QStringLiteral("\"Formato1 - Lunghezza riga di stampa\" deve essere un numero intero tra -32768 e 32767.")},
            {"txtMargSin", 2, QStringLiteral("40000"), QStringLiteral("\"Formato3 - Margine sinistro\" deve essere un numero intero tra -32768 e 32767.")},
            {"txtAltCar", 0, QStringLiteral("0"), QStringLiteral("\"Formato1 - Altezza del carattere\" deve essere maggiore di zero.")},
            {"cmbFontFormati", 2, QStringLiteral("\"Arial\""), QStringLiteral("\"Formato3 - Carattere\" non può cominciare con le virgolette.")},
            {"cmbFontFormati", 1, QStringLiteral("  "), QStringLiteral("\"Formato2 - Carattere\" non può essere vuoto.")},
        };
        for (const Caso &c : casi) {
            QWidget *w = control<QWidget>(f, QStringLiteral("%1%2").arg(QLatin1String(c.casella)).arg(c.formato));
            const char *testo = qobject_cast<QComboBox *>(w) ? "currentText" : "text";
            const QVariant prima = w->property(testo);
            w->setProperty(testo, c.valore);
            Msg::resetRecord();
            Msg::queueAnswer(Msg::ResOk);
            click(f, "cmdOkFormati");
            QCOMPARE(Msg::shown().size(), 1);
            QCOMPARE(Msg::shown().first().text, c.messaggio);
            QCOMPARE(Msg::shown().first().title, QStringLiteral("Attenzione"));
            QCOMPARE(Msg::beeps(), 1);
            QCOMPARE(dir.read(QStringLiteral("Formati.dat")), kPredefinito);
            QVERIFY(Forms::isLoaded(QStringLiteral("frmFormati")));
            w->setProperty(testo, prima);
        }
        // Whole numbers typed with a decimal point are read back as 16-bit integers: accepted.
        box(f, "txtMargSup", 0)->setText(QStringLiteral("20.5"));
        click(f, "cmdOkFormati");
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmFormati")));
        VERIFY_NO_UNANSWERED();
    }

    void unreadableFileShowsWhatCouldBeRead()
    {
        ProgramFolder dir;
        dir.write(QStringLiteral("Formati.dat"), QByteArray("Arial\r\n 12 \r\n"));
        Form *f = apri();
        QCOMPARE(box(f, "txtAltCar", 0)->text(), QStringLiteral("12"));
        QCOMPARE(box(f, "txtLungRiga", 0)->text(), QString());
        QCOMPARE(font(f, 1)->currentText(), QString());
        QCOMPARE(dir.read(QStringLiteral("Formati.dat")), QByteArray("Arial\r\n 12 \r\n"));
    }

    void eachFocusOffersTheFonts()
    {
        ProgramFolder dir;
        Form *f = apri();
        QComboBox *cb = font(f, 2);
        QFocusEvent dentro(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(cb, &dentro);
        const QStringList famiglie = QFontDatabase::families();
        QVERIFY(!famiglie.isEmpty());
        const int n = cb->count();
        QCOMPARE(n, int(QSet<QString>(famiglie.begin(), famiglie.end()).size()));
        QCOMPARE(cb->itemText(0), famiglie.first());
        QCOMPARE(cb->currentText(), QStringLiteral("Arial")); // the typed name stays
        QApplication::sendEvent(cb, &dentro);
        QCOMPARE(cb->count(), n); // not repeated
        QCOMPARE(font(f, 1)->count(), 0);
    }
};

QUADERLO_TEST_MAIN(TestFrmFormati)
#include "tst_frmFormati.moc"
