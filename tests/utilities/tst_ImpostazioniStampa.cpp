#include "TestSupport.h"

#include "app/CarQuad.h"
#include "platform/MsgBox.h"
#include "printing/LavoroStampa.h"
#include "utilities/FrameImpostazioniStampa.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace CarQuad;

namespace {
const QByteArray kInstallato("Arial\r\n12\r\n190\r\n 1 \r\n40\r\n105\r\n170\r\n235\r\n 20 \r\n");

QLineEdit *box(QWidget *f, const QString &name)
{
    return control<QLineEdit>(f, name);
}

QComboBox *font(QWidget *f)
{
    return control<QComboBox>(f, QStringLiteral("cmbFont"));
}

QRadioButton *opt(QWidget *f, const char *name)
{
    return control<QRadioButton>(f, QString::fromLatin1(name));
}

void titoli()
{
    const char *t[] = {"Sit. Iniziale", "Finalità", "Val. 1° Q.", "Val. 2° Q."};
    for (int n = 1; n <= 4; ++n)
        TitoloQuadro(n) = QString::fromUtf8(t[n - 1]);
}
} // namespace

class TestImpostazioniStampa : public QObject
{
    Q_OBJECT
private slots:
    void fillingFromTheFile()
    {
        ProgramFolder dir;
        dir.write(QStringLiteral("Quaderlo.cfg"), kInstallato);
        titoli();
        FrameImpostazioniStampa f;
        f.show();
        f.riempi();
        QCOMPARE(f.objectName(), QStringLiteral("FrameImpostazioniStampa"));
        QCOMPARE(f.title(), QStringLiteral("Impostazioni stampa"));
        QCOMPARE(font(&f)->currentText(), QStringLiteral("Arial"));
        QVERIFY(font(&f)->isEditable());
        QCOMPARE(box(&f, QStringLiteral("txtSizeFont"))->text(), QStringLiteral("12"));
        QCOMPARE(box(&f, QStringLiteral("txtLunghezzaRiga"))->text(), QStringLiteral("190"));
        QCOMPARE(box(&f, QStringLiteral("txtMargineSx"))->text(), QStringLiteral("20"));
        const char *sup[] = {"40", "105", "170", "235"};
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(box(&f, QStringLiteral("txtSup%1").arg(n))->text(), QString::fromLatin1(sup[n - 1]));
        QCOMPARE(control<QLabel>(&f, QStringLiteral("LblMargineSupQ1"))->text(), QStringLiteral("Margine superiore Sit. Iniziale"));
        QVERIFY(opt(&f, "OptOrizzontale")->isChecked());
        QCOMPARE(opt(&f, "OptOrizzontale")->text(), QStringLiteral("Orizzontale"));
        QCOMPARE(opt(&f, "OptVerticale")->text(), QStringLiteral("Verticale"));
        QVERIFY(control<QLabel>(&f, QStringLiteral("Image1"))->isVisible());
        QVERIFY(!control<QLabel>(&f, QStringLiteral("Image2"))->isVisible());
        QCOMPARE(control<QLabel>(&f, QStringLiteral("Image1"))->pixmap().size(), QSize(58, 58));
        QCOMPARE(control<QPushButton>(&f, QStringLiteral("cmdOkCfg"))->text(), QStringLiteral("Salva Configurazione"));
        // The record was read.
        QVERIFY(Lavori::conConfigurazione(20));
        // Titles changed: the labels follow at the next filling.
        TitoloQuadro(3) = QStringLiteral("Terzo");
        f.riempi();
        QCOMPARE(control<QLabel>(&f, QStringLiteral("LblMargineSupQ3"))->text(), QStringLiteral("Margine superiore Terzo"));
    }

    void savingWritesNineLines()
    {
        ProgramFolder dir;
        dir.write(QStringLiteral("Quaderlo.cfg"), kInstallato);
        titoli();
        FrameImpostazioniStampa f;
        f.show();
        f.riempi();
        font(&f)->setCurrentText(QStringLiteral("Liberation Serif"));
        box(&f, QStringLiteral("txtSizeFont"))->setText(QStringLiteral("11.5"));
        box(&f, QStringLiteral("txtMargineSx"))->setText(QStringLiteral("007"));
        box(&f, QStringLiteral("txtSup2"))->setText(QStringLiteral("20.5"));
        opt(&f, "OptVerticale")->click();
        QVERIFY(!control<QLabel>(&f, QStringLiteral("Image1"))->isVisible());
        QVERIFY(control<QLabel>(&f, QStringLiteral("Image2"))->isVisible());
        control<QPushButton>(&f, QStringLiteral("cmdOkCfg"))->click();
        QCOMPARE(dir.read(QStringLiteral("Quaderlo.cfg")),
                 QByteArray("Liberation Serif\r\n11.5\r\n190\r\n 2 \r\n40\r\n20.5\r\n170\r\n235\r\n 7 \r\n"));
        QVERIFY(Msg::shown().isEmpty());
        QCOMPARE(MargineSinistro, qint16(7));
        QCOMPARE(Lavori::margineSuperiore(2), std::optional<qint16>(20)); // a half to the even neighbour
        // Opened again: 7, Verticale.
        FrameImpostazioniStampa g;
        g.show();
        g.riempi();
        QCOMPARE(box(&g, QStringLiteral("txtMargineSx"))->text(), QStringLiteral("7"));
        QVERIFY(opt(&g, "OptVerticale")->isChecked());
    }

    void anyOtherOrientationOpensAsVerticale()
    {
        ProgramFolder dir;
        QByteArray cfg = kInstallato;
        cfg.replace(" 1 \r\n", "5\r\n");
        dir.write(QStringLiteral("Quaderlo.cfg"), cfg);
        FrameImpostazioniStampa f;
        f.show();
        f.riempi();
        QVERIFY(opt(&f, "OptVerticale")->isChecked());
        QVERIFY(control<QLabel>(&f, QStringLiteral("Image2"))->isVisible());
        control<QPushButton>(&f, QStringLiteral("cmdOkCfg"))->click();
        QCOMPARE(dir.read(QStringLiteral("Quaderlo.cfg")).split('\n').at(3), QByteArray(" 2 \r"));
        QCOMPARE(dir.read(QStringLiteral("Quaderlo.cfg")).count('\n'), 9);
    }

    void missingFileShowsEmptyBoxesAndPrintingRefuses()
    {
        ProgramFolder dir;
        // A record left from earlier must not survive a missing file.
        Carattere = QStringLiteral("Arial");
        AltezzaCarattere = QStringLiteral("12");
        LunghezzaRiga = QStringLiteral("190");
        Orientamento = QStringLiteral("1");
        MargineSinistro = 20;
        FrameImpostazioniStampa f;
        f.show();
        f.riempi();
        QCOMPARE(font(&f)->currentText(), QString());
        for (const char *n : {"txtSizeFont", "txtLunghezzaRiga", "txtMargineSx", "txtSup1", "txtSup4"})
            QCOMPARE(box(&f, QString::fromLatin1(n))->text(), QString());
        QVERIFY(!Lavori::conConfigurazione(20));
        QVERIFY(!dir.exists(QStringLiteral("Quaderlo.cfg")));
    }

    void badValuesAreRefused()
    {
        ProgramFolder dir;
        dir.write(QStringLiteral("Quaderlo.cfg"), kInstallato);
        titoli();
        FrameImpostazioniStampa f;
        f.show();
        f.riempi();
        struct Caso {
            const char *casella;
            QString valore;
            QString messaggio;
        };
        const QList<Caso> casi{
            {"cmbFont", QStringLiteral("Arial, grassetto"), QStringLiteral("\"Carattere\" non può contenere la virgola.")},
            {"cmbFont", QStringLiteral("\"Arial"), QStringLiteral("\"Carattere\" non può cominciare con le virgolette.")},
            {"cmbFont", QString(), QStringLiteral("Scegli il carattere.")},
            {"cmbFont", QStringLiteral("Шрифт"), QStringLiteral("\"Carattere\" contiene caratteri non ammessi: Шрифт")},
            {"txtSizeFont", QStringLiteral("dodici"), QStringLiteral("\"Altezza del carattere\" deve essere un numero.")},
            {"txtSizeFont", QStringLiteral("0"), QStringLiteral("\"Altezza del carattere\" deve essere un numero maggiore di zero.")},
            {"txtLunghezzaRiga", QString(), QStringLiteral("\"Lunghezza della riga di stampa\" deve essere un numero.")},
            {"txtLunghezzaRiga", QStringLiteral("190,5"), QStringLiteral("\"Lunghezza della riga di stampa\" non può contenere la virgola.")},
            {"txtMargineSx", QStringLiteral("40000"), QStringLiteral("\"Margine sinistro\" deve essere un numero intero tra -32768 e 32767.")},
            {"txtSup2", QStringLiteral("alto"), QString::fromUtf8("\"Margine superiore Finalità\" deve essere un numero intero tra -32768 e 32767.")},
        };
        for (const Caso &c : casi) {
            QWidget *w = control<QWidget>(&f, QString::fromLatin1(c.casella));
            auto *le = qobject_cast<QLineEdit *>(w);
            const QString prima = le ? le->text() : font(&f)->currentText();
            le ? le->setText(c.valore) : font(&f)->setCurrentText(c.valore);
            Msg::resetRecord();
            Msg::queueAnswer(Msg::ResOk);
            QVERIFY(!f.cmdOkCfg_Click());
            QCOMPARE(Msg::shown().size(), 1);
            QCOMPARE(Msg::shown().first().text, c.messaggio);
            QCOMPARE(Msg::shown().first().icon, Msg::Exclamation);
            QCOMPARE(Msg::beeps(), 1);
            QCOMPARE(dir.read(QStringLiteral("Quaderlo.cfg")), kInstallato);
            le ? le->setText(prima) : font(&f)->setCurrentText(prima);
        }
        QCOMPARE(Carattere, QStringLiteral("Arial")); // the record unchanged too
        VERIFY_NO_UNANSWERED();
    }

    void fontListOnFocus()
    {
        ProgramFolder dir;
        dir.write(QStringLiteral("Quaderlo.cfg"), kInstallato);
        FrameImpostazioniStampa f;
        f.show();
        f.riempi();
        QFocusEvent dentro(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(font(&f), &dentro);
        const QStringList famiglie = QFontDatabase::families();
        const int n = font(&f)->count();
        QCOMPARE(n, int(QSet<QString>(famiglie.begin(), famiglie.end()).size()));
        QCOMPARE(font(&f)->currentText(), QStringLiteral("Arial"));
        QApplication::sendEvent(font(&f), &dentro);
        QCOMPARE(font(&f)->count(), n);
    }
};

QUADERLO_TEST_MAIN(TestImpostazioniStampa)
#include "tst_ImpostazioniStampa.moc"
