#include "TestSupport.h"

#include "app/CarQuad.h"
#include "platform/Form.h"
#include "platform/MsgBox.h"
#include "utilities/frmUtilita.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>

namespace {
const QByteArray kPredefiniti = ansi("Sit. Iniziale\r\nFinalità\r\nVal. 1° Q.\r\nVal. 2° Q.\r\n");

void archivio(const ProgramFolder &dir)
{
    dir.write("Anno.dat", "2026/27\r\n");
    dir.write("Qua.inf", "Quaderlo\r\n\r\n");
    dir.write("Titoli.dat", kPredefiniti);
    QFile cfg(QStringLiteral(QUADERLO_DATA_DIR "/Quaderlo.cfg"));
    QVERIFY(cfg.open(QIODevice::ReadOnly));
    dir.write("Quaderlo.cfg", cfg.readAll());
    dir.write("Classi.dat", "3A\r\n");
    dir.write("3A/ALUNNI.3A", "Rossi Mario\r\n 1 \r\n");
    dir.write("3A/Rossi Mario.q2", "Testo due.\r\n");
    dir.write("3A/Rossi Mario.q3", "Testo tre.\r\n");
}
QPushButton *button(const char *form, const QString &name)
{
    return control<QPushButton>(window(QString::fromUtf8(form)), name);
}
void click(const char *form, const QString &name)
{
    QPushButton *b = button(form, name);
    QVERIFY2(b, qPrintable(name));
    clickAt(b);
}
// From the main menu into the utilities window.
frmUtilita *utilita()
{
    click("frmSplash", QString::fromUtf8("cmdUtilità"));
    return qobject_cast<frmUtilita *>(window(QString::fromUtf8("frmUtilità")));
}
} // namespace

class TestStrumentiUtilita : public QObject
{
    Q_OBJECT
private slots:
    void init() { Msg::resetRecord(); }
    void cleanup() { VERIFY_NO_UNANSWERED(); }

    void newTitlesReachEveryReader()
    {
        ProgramFolder dir;
        archivio(dir);
        QPointer<Form> menu = startProgram();
        utilita();
        QVERIFY(!menu->isVisible());
        click("frmUtilità", "cmdPersonalizza");
        QTRY_VERIFY(!window(QString::fromUtf8("frmUtilità")));
        Form *titoli = window("frmPersonalizza");
        const QStringList t = {"Situazione iniziale!", "Obiettivi", QString::fromUtf8("1° quadrimestre"),
                               QString::fromUtf8("Finalità educative")};
        for (int n = 1; n <= 4; ++n)
            control<QLineEdit>(titoli, QStringLiteral("txtTitoloQuadro%1").arg(n))->setText(t[n - 1]);
        click("frmPersonalizza", "cmdOkPersomalizza");
        QCOMPARE(dir.read("Titoli.dat"),
                 ansi("Situazione iniziale!\r\nObiettivi\r\n1° quadrimestre\r\nFinalità educative\r\n"));
        QTRY_VERIFY(menu.isNull());
        QTRY_VERIFY(!window("frmPersonalizza"));
        QVERIFY(window("frmSplash")->isVisible() && window("frmSplash")->isEnabled());
        QVERIFY(!window("frmLogin"));
        // Read back as they were typed at the next start.
        Forms::resetAll();
        CarQuad::reset();
        startProgram();
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(CarQuad::TitoloQuadro(n), t[n - 1]);

        // Merge buttons, margin labels and the merged file's name.
        frmUtilita *u = utilita();
        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(button("frmUtilità", QStringLiteral("cmdUnisciQ%1").arg(n))->text(), t[n - 1]);
            QCOMPARE(control<QLabel>(u, QStringLiteral("LblMargineSupQ%1").arg(n))->text(),
                     QStringLiteral("Margine superiore ") + t[n - 1]);
        }
        u->cmbClasse_Click();
        auto *classe = control<QComboBox>(u, "cmbClasse");
        classe->setCurrentIndex(classe->findText(QStringLiteral("3A")));
        Msg::queueAnswer(Msg::ResOk);
        click("frmUtilità", "cmdUnisciQ2");
        QCOMPARE(Msg::shown().last().text, QStringLiteral("Operazione eseguita."));
        QCOMPARE(dir.read("3A/3A_Obiettivi.txt"), QByteArray("Rossi Mario\r\nTesto due.\r\n\r\n"));
        click("frmUtilità", QString::fromUtf8("cmdEsciUtilità"));

        // The composition window's tabs and the preview's caption.
        click("frmSplash", "cmdCompila");
        Form *compila = window("frmCompila");
        for (const char *tabs : {"ssTabQuadri", "SSTabGiudizi"}) {
            auto *tw = control<QTabWidget>(compila, QLatin1String(tabs));
            for (int i = 0; i < 4; ++i)
                QCOMPARE(tw->tabText(i), t[i]);
        }
        // The preview of section 3, from the editing view of a chosen pupil.
        QVERIFY(chooseInCombo(control<QComboBox>(compila, "cmbClasse"), QStringLiteral("3A")));
        QVERIFY(chooseInCombo(control<QComboBox>(compila, "cmbAlunno"), QStringLiteral("Rossi Mario")));
        click("frmCompila", "cmdCaricaTesto");
        auto *quadri = control<QTabWidget>(compila, "ssTabQuadri");
        QVERIFY(quadri->isVisible());
        clickTab(quadri, 2);
        QCOMPARE(control<QPlainTextEdit>(compila, "txtQ3")->toPlainText(), QStringLiteral("Testo tre."));
        click("frmCompila", "cmdAnteprimaQ3");
        QCOMPARE(window("frmAnteprima")->windowTitle(), QString::fromUtf8("Rossi Mario - 1° quadrimestre"));
    }

    void passwordChangedFromTheUtilitiesWindow()
    {
        ProgramFolder dir;
        archivio(dir);
        Form *menu = startProgram();
        frmUtilita *u = utilita();
        click("frmUtilità", "cmdPassword");
        Form *login = window("frmLogin");
        QVERIFY(login && login->isVisible());
        QCOMPARE(login->windowTitle(), QStringLiteral("Cambia password"));
        QCOMPARE(CarQuad::ModoPassword, 1);
        QVERIFY(u->isVisible() && !u->isEnabled() && !menu->isEnabled());
        control<QLineEdit>(login, "txtPassword")->setText(QStringLiteral("Segreto"));
        click("frmLogin", "cmdOK");
        QCOMPARE(dir.read("Qua.inf"), QByteArray("Quaderlo\r\nSegreto\r\n"));
        QVERIFY(!login->isVisible() && u->isVisible() && u->isEnabled());
        QVERIFY(!menu->isEnabled()); // until the utilities window is left

        // Annulla: nothing written, the utilities window back.
        click("frmUtilità", "cmdPassword");
        QVERIFY(!u->isEnabled());
        control<QLineEdit>(login, "txtPassword")->setText(QStringLiteral("Altro"));
        click("frmLogin", "cmdCancel");
        QCOMPARE(dir.read("Qua.inf"), QByteArray("Quaderlo\r\nSegreto\r\n"));
        QVERIFY(u->isEnabled());
        QCOMPARE(CarQuad::ModoPassword, 0);
        click("frmUtilità", QString::fromUtf8("cmdEsciUtilità"));
        QVERIFY(menu->isVisible() && menu->isEnabled());
        QCOMPARE(Msg::shown().size(), 0);
    }

    void newYearFromTheUtilitiesWindow()
    {
        ProgramFolder dir;
        archivio(dir);
        QPointer<Form> menu = startProgram();
        QPointer<frmUtilita> u = utilita();
        Msg::queueAnswer(Msg::ResYes);
        Msg::queueAnswer(Msg::ResYes);
        Msg::queueInput(QStringLiteral("2027/28"));
        click("frmUtilità", "cmdNuovoAnno");
        QCOMPARE(Msg::shown().size(), 3);
        QTRY_VERIFY(u.isNull() && menu.isNull());
        QVERIFY(window("frmSplash")->isVisible() && window("frmSplash")->isEnabled());
        QVERIFY(!dir.exists("3A"));
        QCOMPARE(dir.read("Classi.dat"), QByteArray("\r\n"));
        QCOMPARE(dir.read("Anno.dat"), QByteArray("2027/28\r\n"));
        QCOMPARE(dir.read("Titoli.dat"), kPredefiniti);
    }
};

QUADERLO_TEST_MAIN(TestStrumentiUtilita)
#include "tst_StrumentiUtilita.moc"
