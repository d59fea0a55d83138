#include "TestSupport.h"

#include "app/CarQuad.h"
#include "platform/Form.h"
#include "platform/MsgBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace {
QLineEdit *box(const char *name)
{
    return control<QLineEdit>(window("frmLogin"), QLatin1String(name));
}
QPushButton *button(const char *name)
{
    return control<QPushButton>(window("frmLogin"), QLatin1String(name));
}
void settings(const ProgramFolder &dir, const QByteArray &quaInf)
{
    dir.write("Anno.dat", "2026/27\r\n");
    dir.write("Titoli.dat", ansi("Sit. Iniziale\r\nFinalità\r\nVal. 1° Q.\r\nVal. 2° Q.\r\n"));
    dir.write("Qua.inf", quaInf);
}
// Starts the program again on the same folder, as a new process would.
Form *restart()
{
    Forms::resetAll();
    CarQuad::reset();
    return startProgram();
}
// Opens the window to change the password, as the utilities window does.
Form *openChange()
{
    CarQuad::ModoPassword = 1;
    Form *login = Forms::get(QStringLiteral("frmLogin"));
    login->Form_Load();
    return login;
}
void replaceText(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    edit->insert(text); // keyClicks takes ASCII only
}
} // namespace

class TestFrmLogin : public QObject
{
    Q_OBJECT
private slots:
    void init() { Msg::resetRecord(); }
    void cleanup() { VERIFY_NO_UNANSWERED(); }

    void accessCheckAtStartUp()
    {
        ProgramFolder dir;
        settings(dir, "Maestra\r\nSegreto\r\n");
        Form *menu = startProgram();
        Form *login = window("frmLogin");
        QVERIFY(login && login->isVisible());
        QCOMPARE(login->windowTitle(), QStringLiteral("Accesso"));
        QCOMPARE(button("cmdOK")->text(), QStringLiteral("OK"));
        QCOMPARE(box("txtUserName")->text(), QStringLiteral("Maestra"));
        QCOMPARE(box("txtPassword")->text(), QString());
        QCOMPARE(box("txtPassword")->echoMode(), QLineEdit::Password);
        QVERIFY(menu->isVisible() && !menu->isEnabled());
        QCOMPARE(CarQuad::ModoPassword, 0);

        // Differing in case: refused, the typed text selected for retyping.
        Msg::queueAnswer(Msg::ResOk);
        typeText(box("txtPassword"), QStringLiteral("segreto"));
        QCOMPARE(Msg::shown().size(), 1);
        QCOMPARE(Msg::shown()[0].text, QStringLiteral("Password non valida. Riprovare."));
        QCOMPARE(Msg::shown()[0].title, QStringLiteral("Accesso"));
        QCOMPARE(Msg::shown()[0].icon, Msg::NoIcon);
        QCOMPARE(Msg::shown()[0].buttons, Msg::Ok);
        QCOMPARE(box("txtPassword")->selectedText(), QStringLiteral("segreto"));
        QCOMPARE(box("txtPassword")->displayText(), QStringLiteral("*******"));
        QTRY_COMPARE(login->focusWidget(), box("txtPassword"));
        QVERIFY(login->isVisible() && !menu->isEnabled());

        // Retried: any user name goes with the right password.
        Msg::queueAnswer(Msg::ResOk);
        typeText(box("txtPassword"), QStringLiteral("Segreto "));
        QCOMPARE(Msg::shown().size(), 2);
        box("txtUserName")->setText(QStringLiteral("Chiunque"));
        box("txtPassword")->setText(QStringLiteral("Segreto"));
        clickAt(button("cmdOK"));
        QCOMPARE(Msg::shown().size(), 2);
        QVERIFY(!login->isVisible() && menu->isVisible() && menu->isEnabled());
        QCOMPARE(dir.read("Qua.inf"), QByteArray("Maestra\r\nSegreto\r\n"));
    }

    void annullaAtStartUpEndsTheProgram()
    {
        for (bool titleBar : {false, true}) {
            ProgramFolder dir;
            settings(dir, "Quaderlo\r\nx\r\n");
            QPointer<Form> menu = startProgram();
            if (titleBar)
                window("frmLogin")->close();
            else
                clickAt(button("cmdCancel"));
            QVERIFY(Forms::programEnded());
            QVERIFY(menu.isNull() || !menu->isEnabled());
            QTRY_VERIFY(menu.isNull());
        }
    }

    void changedThroughCambiaPassword()
    {
        ProgramFolder dir;
        settings(dir, "Quaderlo\r\n\r\n");
        QVERIFY(startProgram()->isEnabled()); // no password, no check
        QVERIFY(!window("frmLogin"));
        Form *login = openChange();
        QVERIFY(login->isVisible());
        QCOMPARE(login->windowTitle(), QStringLiteral("Cambia password"));
        QCOMPARE(button("cmdOK")->text(), QStringLiteral("Cambia"));
        QCOMPARE(box("txtUserName")->text(), QStringLiteral("Quaderlo"));
        QCOMPARE(box("txtPassword")->text(), QString());
        QCOMPARE(box("txtPassword")->echoMode(), QLineEdit::Normal);
        replaceText(box("txtUserName"), QString::fromUtf8("Maestra Niccolò"));
        replaceText(box("txtPassword"), QStringLiteral("Segreto"));
        clickAt(button("cmdOK"));
        QCOMPARE(Msg::shown().size(), 0);
        QCOMPARE(dir.read("Qua.inf"), ansi("Maestra Niccolò\r\nSegreto\r\n"));
        QVERIFY(CarQuad::ModoPassword == 0 && !login->isVisible());
        QCOMPARE(CarQuad::PasswordUtente, QString()); // in force from the next reading

        // The next start asks it, the menu disabled until it is right.
        Form *menu = restart();
        QVERIFY(window("frmLogin")->isVisible());
        QCOMPARE(box("txtUserName")->text(), QString::fromUtf8("Maestra Niccolò"));
        QVERIFY(!menu->isEnabled());
        typeText(box("txtPassword"), QStringLiteral("Segreto"));
        QVERIFY(menu->isEnabled());

        // Shown in clear when changing; changed to empty, nothing is asked any more.
        openChange();
        QCOMPARE(box("txtPassword")->text(), QStringLiteral("Segreto"));
        QCOMPARE(box("txtPassword")->displayText(), QStringLiteral("Segreto"));
        box("txtPassword")->clear();
        clickAt(button("cmdOK"));
        QCOMPARE(dir.read("Qua.inf"), ansi("Maestra Niccolò\r\n\r\n"));
        menu = restart();
        QVERIFY(!window("frmLogin") && menu->isEnabled());
        QCOMPARE(Msg::shown().size(), 0);
    }

    void changeRefusesWhatWouldNotReadBack()
    {
        ProgramFolder dir;
        settings(dir, "Quaderlo\r\n\r\n");
        startProgram();
        Form *login = openChange();
        const struct {
            const char *user, *password, *message;
        } cases[] = {
            {"Quaderlo", "a,b", "La password non può contenere la virgola."},
            {"Quaderlo", "\"ab\"", "La password non può iniziare con le virgolette."},
            {"Quaderlo", " ab", "La password non può iniziare o terminare con uno spazio."},
            {"Quaderlo", "ab ", "La password non può iniziare o terminare con uno spazio."},
            {"Rossi, Anna", "ab", "Il nome utente non può contenere la virgola."},
            {"Anna ", "ab", "Il nome utente non può iniziare o terminare con uno spazio."},
            {"Anna", "Жb", "La password contiene caratteri non ammessi: Ж"},
        };
        for (const auto &c : cases) {
            Msg::resetRecord();
            Msg::queueAnswer(Msg::ResOk);
            box("txtUserName")->setText(QString::fromUtf8(c.user));
            box("txtPassword")->setText(QString::fromUtf8(c.password));
            clickAt(button("cmdOK"));
            QCOMPARE(Msg::shown().size(), 1);
            QCOMPARE(Msg::shown()[0].text, QString::fromUtf8(c.message));
            QCOMPARE(Msg::shown()[0].title, QStringLiteral("Attenzione"));
            QCOMPARE(Msg::shown()[0].icon, Msg::Exclamation);
            QCOMPARE(dir.read("Qua.inf"), QByteArray("Quaderlo\r\n\r\n"));
            QVERIFY(login->isVisible() && CarQuad::ModoPassword == 1);
        }
        QCOMPARE(box("txtPassword")->selectedText(), QString::fromUtf8("Жb"));
    }

    void anUnwritableQuaInfIsReported()
    {
        ProgramFolder dir;
        settings(dir, "Quaderlo\r\nvecchia\r\n");
        Form *menu = startProgram();
        typeText(box("txtPassword"), QStringLiteral("vecchia"));
        QVERIFY(menu->isEnabled());
        Form *login = openChange();
        box("txtPassword")->setText(QStringLiteral("nuova"));
        Msg::queueAnswer(Msg::ResOk);
        {
            ReadOnlyFolder lock(dir.path());
            clickAt(button("cmdOK"));
        }
        QCOMPARE(Msg::shown().size(), 1);
        QVERIFY(Msg::shown()[0].text.startsWith(QStringLiteral("Impossibile salvare la password.\n\r Qua.inf: ")));
        QCOMPARE(Msg::shown()[0].title, QStringLiteral("Cambia password"));
        QCOMPARE(Msg::shown()[0].icon, Msg::Critical);
        QCOMPARE(dir.read("Qua.inf"), QByteArray("Quaderlo\r\nvecchia\r\n"));
        QCOMPARE(CarQuad::PasswordUtente, QStringLiteral("vecchia"));
        QVERIFY(login->isVisible() && CarQuad::ModoPassword == 1);

        // Annulla in change mode: nothing written, back where it was, the program goes on.
        clickAt(button("cmdCancel"));
        QVERIFY(!login->isVisible() && CarQuad::ModoPassword == 0 && !Forms::programEnded());
        QCOMPARE(dir.read("Qua.inf"), QByteArray("Quaderlo\r\nvecchia\r\n"));
        // Change mode without Qua.inf: both boxes empty; closing by the title bar writes nothing.
        QVERIFY(QFile::remove(dir.file("Qua.inf")));
        openChange();
        QVERIFY(box("txtUserName")->text().isEmpty() && box("txtPassword")->text().isEmpty());
        window("frmLogin")->close(); // the title bar: Annulla
        QVERIFY(!window("frmLogin")->isVisible() && !Forms::programEnded());
        QVERIFY(!dir.exists("Qua.inf"));
    }
};

QUADERLO_TEST_MAIN(TestFrmLogin)
#include "tst_frmLogin.moc"
