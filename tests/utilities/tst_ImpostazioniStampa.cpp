#include "TestSupport.h"

#include "app/CarQuad.h"
#include "platform/MsgBox.h"
#include "printing/LavoroStampa.h"
#include "utilities/FrameImpostazioniStampa.h"

#include <QApplication>
#include <QAbstractItemView>
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

// The frame shown and filled from cfg (none written when empty), with the installed titles.
void apri(const ProgramFolder &dir, FrameImpostazioniStampa &f, const QByteArray &cfg = kInstallato)
{
    if (!cfg.isEmpty())
        dir.write(QStringLiteral("Quaderlo.cfg"), cfg);
    const char *t[] = {"Sit. Iniziale", "Finalità", "Val. 1° Q.", "Val. 2° Q."};
    for (int n = 1; n <= 4; ++n)
        TitoloQuadro(n) = QString::fromUtf8(t[n - 1]);
    f.show();
    f.riempi();
}
} // namespace

class TestImpostazioniStampa : public QObject
{
    Q_OBJECT
private slots:
    void fillingFromTheFile()
    {
        ProgramFolder dir;
        FrameImpostazioniStampa f;
        apri(dir, f);
        QCOMPARE(font(&f)->currentText(), QStringLiteral("Arial"));
        QVERIFY(font(&f)->isEditable());
        for (const auto &[name, valore] : {std::pair{"txtSizeFont", "12"}, {"txtLunghezzaRiga", "190"}, {"txtMargineSx", "20"},
                                           {"txtSup1", "40"}, {"txtSup2", "105"}, {"txtSup3", "170"}, {"txtSup4", "235"}})
            QCOMPARE(box(&f, QLatin1String(name))->text(), QLatin1String(valore));
        QCOMPARE(control<QLabel>(&f, QStringLiteral("LblMargineSupQ1"))->text(), QStringLiteral("Margine superiore Sit. Iniziale"));
        QVERIFY(opt(&f, "OptOrizzontale")->isChecked());
        QVERIFY(control<QLabel>(&f, QStringLiteral("Image1"))->isVisible());
        QVERIFY(!control<QLabel>(&f, QStringLiteral("Image2"))->isVisible());
        QCOMPARE(control<QLabel>(&f, QStringLiteral("Image1"))->pixmap().size(), QSize(58, 58));
        QVERIFY(Lavori::conConfigurazione(20)); // the record was read
        // Titles changed: the labels follow at the next filling.
        TitoloQuadro(3) = QStringLiteral("Terzo");
        f.riempi();
        QCOMPARE(control<QLabel>(&f, QStringLiteral("LblMargineSupQ3"))->text(), QStringLiteral("Margine superiore Terzo"));
        // Each focus fills the font list afresh; the typed name stays.
        QFocusEvent dentro(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(font(&f), &dentro);
        const QStringList famiglie = QFontDatabase::families();
        const int n = font(&f)->count();
        QCOMPARE(n, int(QSet<QString>(famiglie.begin(), famiglie.end()).size()));
        QCOMPARE(font(&f)->currentText(), QStringLiteral("Arial"));
        QApplication::sendEvent(font(&f), &dentro);
        QCOMPARE(font(&f)->count(), n);

        // The list drops down wide enough to show whole names.
        QComboBox *lista = font(&f);
        clickAt(lista, QPoint(lista->width() - 8, lista->height() / 2));
        QTRY_VERIFY(lista->view()->isVisible());
        int largo = 0;
        for (int i = 0; i < lista->count(); ++i)
            largo = qMax(largo, lista->view()->fontMetrics().horizontalAdvance(lista->itemText(i)));
        QVERIFY(lista->view()->viewport()->width() >= largo + 8);
        QTest::keyClick(lista->view(), Qt::Key_Escape);
    }

    void savingWritesNineLines()
    {
        ProgramFolder dir;
        FrameImpostazioniStampa f;
        apri(dir, f);
        font(&f)->setCurrentText(QStringLiteral("Liberation Serif"));
        box(&f, QStringLiteral("txtSizeFont"))->setText(QStringLiteral("11.5"));
        box(&f, QStringLiteral("txtMargineSx"))->setText(QStringLiteral("007"));
        box(&f, QStringLiteral("txtSup2"))->setText(QStringLiteral("20.5"));
        clickOption(opt(&f, "OptVerticale"));
        QVERIFY(!control<QLabel>(&f, QStringLiteral("Image1"))->isVisible() && control<QLabel>(&f, QStringLiteral("Image2"))->isVisible());
        clickAt(control<QPushButton>(&f, QStringLiteral("cmdOkCfg")));
        QCOMPARE(dir.read(QStringLiteral("Quaderlo.cfg")),
                 QByteArray("Liberation Serif\r\n11.5\r\n190\r\n 2 \r\n40\r\n20.5\r\n170\r\n235\r\n 7 \r\n"));
        QVERIFY(Msg::shown().isEmpty());
        QCOMPARE(MargineSinistro, qint16(7));
        QCOMPARE(Lavori::margineSuperiore(2), std::optional<qint16>(20)); // a half to the even neighbour
        // Opened again: 7, Verticale.
        FrameImpostazioniStampa g;
        apri(dir, g, QByteArray());
        QCOMPARE(box(&g, QStringLiteral("txtMargineSx"))->text(), QStringLiteral("7"));
        QVERIFY(opt(&g, "OptVerticale")->isChecked());
    }

    void anyOtherOrientationOpensAsVerticale()
    {
        ProgramFolder dir;
        FrameImpostazioniStampa f;
        apri(dir, f, QByteArray(kInstallato).replace(" 1 \r\n", "5\r\n"));
        QVERIFY(opt(&f, "OptVerticale")->isChecked() && control<QLabel>(&f, QStringLiteral("Image2"))->isVisible());
        clickAt(control<QPushButton>(&f, QStringLiteral("cmdOkCfg")));
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
        apri(dir, f, QByteArray());
        QCOMPARE(font(&f)->currentText(), QString());
        for (const char *n : {"txtSizeFont", "txtLunghezzaRiga", "txtMargineSx", "txtSup1", "txtSup4"})
            QCOMPARE(box(&f, QString::fromLatin1(n))->text(), QString());
        QVERIFY(!Lavori::conConfigurazione(20));
        QVERIFY(!dir.exists(QStringLiteral("Quaderlo.cfg")));
    }

    void badValuesAreRefused()
    {
        ProgramFolder dir;
        FrameImpostazioniStampa f;
        apri(dir, f);
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
            {"txtLunghezzaRiga", QStringLiteral("190,5"), QStringLiteral("\"Lunghezza della riga di stampa\" non può contenere la virgola: scrivi 190.5 con il punto.")},
            {"txtSizeFont", QStringLiteral(" 12,5"), QStringLiteral("\"Altezza del carattere\" non può contenere la virgola: scrivi 12.5 con il punto.")},
            {"txtSup3", QStringLiteral("1,2,3"), QString::fromUtf8("\"Margine superiore Val. 1° Q.\" non può contenere la virgola.")},
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
};

QUADERLO_TEST_MAIN(TestImpostazioniStampa)
#include "tst_ImpostazioniStampa.moc"
