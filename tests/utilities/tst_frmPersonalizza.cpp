#include "TestSupport.h"

#include "app/CarQuad.h"
#include "platform/Form.h"
#include "platform/MsgBox.h"
#include "utilities/TitoliQuadri.h"

#include <QFrame>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace {
const QByteArray kPredefiniti = ansi("Sit. Iniziale\r\nFinalità\r\nVal. 1° Q.\r\nVal. 2° Q.\r\n");

Form *openTitles()
{
    Form *f = Forms::get(QStringLiteral("frmPersonalizza"));
    f->Form_Load();
    return f;
}
QLineEdit *box(int n)
{
    return control<QLineEdit>(window("frmPersonalizza"), QStringLiteral("txtTitoloQuadro%1").arg(n));
}
QPushButton *button(const char *form, const char *name)
{
    return control<QPushButton>(window(QLatin1String(form)), QLatin1String(name));
}
void setTitles(const QStringList &titles)
{
    for (int n = 1; n <= 4; ++n)
        box(n)->setText(titles[n - 1]);
}
void started(const ProgramFolder &dir, const QByteArray &quaInf = "Quaderlo\r\n\r\n")
{
    dir.write("Anno.dat", "2026/27\r\n");
    dir.write("Qua.inf", quaInf);
    dir.write("Titoli.dat", kPredefiniti);
}
} // namespace

class TestFrmPersonalizza : public QObject
{
    Q_OBJECT
private slots:
    void init() { Msg::resetRecord(); }
    void cleanup() { VERIFY_NO_UNANSWERED(); }

    void titlesThatCannotBeUsed()
    {
        for (const char *good : {"Sit. Iniziale", "Val. 2° Q.", "Finalità", "12345678901234567890", "L'anno è", ""})
            QVERIFY2(TitoliQuadri::problema(QString::fromUtf8(good)).isEmpty(), good);
        const struct {
            const char *title, *problem;
        } bad[] = {
            {"a,b", "non può contenere la virgola."},
            {" a", "non può iniziare o terminare con uno spazio."},
            {"a ", "non può iniziare o terminare con uno spazio."},
            {"\"a", "non può contenere i caratteri \\ / : * ? \" < > |"},
            {"1/2", "non può contenere i caratteri \\ / : * ? \" < > |"},
            {"a\\b", "non può contenere i caratteri \\ / : * ? \" < > |"},
            {"Val?", "non può contenere i caratteri \\ / : * ? \" < > |"},
            {"a\tb", "non può contenere caratteri di controllo."},
            {"123456789012345678901", "non può superare 20 caratteri."},
            {"Ж", "contiene caratteri non ammessi: Ж"},
        };
        for (const auto &b : bad)
            QCOMPARE(TitoliQuadri::problema(QString::fromUtf8(b.title)), QString::fromUtf8(b.problem));
        QString message;
        QCOMPARE(TitoliQuadri::primoProblema({"A", "B", "C", "D"}, &message), 0);
        QCOMPARE(TitoliQuadri::primoProblema({"A", "", "C", "D"}, &message), 0);
        QCOMPARE(TitoliQuadri::primoProblema({"A", "", "C", ""}, &message), 4);
        QCOMPARE(message, QStringLiteral("Il titolo del Quadro 4 è uguale a quello del Quadro 2."));
        QCOMPARE(TitoliQuadri::primoProblema({"A", "B", "a", "D:"}, &message), 3);
        QCOMPARE(message, QStringLiteral("Il titolo del Quadro 3 è uguale a quello del Quadro 1."));
        QCOMPARE(TitoliQuadri::primoProblema({"A", "B", "C", "D:"}, &message), 4);
        QCOMPARE(message, QStringLiteral("Il titolo del Quadro 4 non può contenere i caratteri \\ / : * ? \" < > |"));
    }

    void theWindowShowsTheTitles()
    {
        ProgramFolder dir;
        started(dir);
        startProgram();
        Form *f = openTitles();
        QVERIFY(f->isVisible());
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(box(n)->text(), CarQuad::TitoloQuadro(n));
        QCOMPARE(box(2)->text(), QString::fromUtf8("Finalità"));

        // Twenty characters go in; the twenty-first cannot be typed.
        box(1)->clear();
        QTest::keyClicks(box(1), QStringLiteral("Situazione iniziale!X"));
        QCOMPARE(box(1)->text(), QStringLiteral("Situazione iniziale!"));

        auto *frame = control<QFrame>(f, "Frame1");
        f->resize(900, 700);
        QTRY_COMPARE(frame->geometry().center(), f->rect().center());
        f->resize(200, 150);
        QTRY_VERIFY(frame->x() < 0 && frame->y() < 0);
    }

    void annullaChangesNothing()
    {
        for (bool titleBar : {false, true}) {
            ProgramFolder dir;
            started(dir);
            startProgram()->hide();
            QPointer<Form> f = openTitles();
            setTitles({"Uno", "Due", "Tre", "Quattro"});
            if (titleBar)
                f->close();
            else
                clickAt(button("frmPersonalizza", "cmdEsciPersonalizza"));
            QTRY_VERIFY(f.isNull());
            QCOMPARE(dir.read("Titoli.dat"), kPredefiniti);
            QCOMPARE(CarQuad::TitoloQuadro2, QString::fromUtf8("Finalità"));
            Form *back = window(QString::fromUtf8("frmUtilità")); // a fresh utilities window
            QVERIFY(back && back->isVisible() && back->isEnabled());
            QCOMPARE(control<QPushButton>(back, QStringLiteral("cmdUnisciQ1"))->text(), QStringLiteral("Sit. Iniziale"));
            QCOMPARE(Msg::shown().size(), 0);
        }
    }

    void refusedTitlesWriteNothing()
    {
        ProgramFolder dir;
        started(dir);
        QPointer<Form> menu = startProgram();
        Form *f = openTitles();
        const struct {
            int n;
            const char *title, *message;
        } cases[] = {
            {1, "Sit, Iniziale", "Il titolo del Quadro 1 non può contenere la virgola."},
            {4, "Val. 2/Q.", "Il titolo del Quadro 4 non può contenere i caratteri \\ / : * ? \" < > |"},
            {3, " Val.", "Il titolo del Quadro 3 non può iniziare o terminare con uno spazio."},
            {3, "finalità", "Il titolo del Quadro 3 è uguale a quello del Quadro 2."},
        };
        for (const auto &c : cases) {
            Msg::resetRecord();
            setTitles({"Sit. Iniziale", QString::fromUtf8("Finalità"), "Val. 1", "Val. 2"});
            box(c.n)->setText(QString::fromUtf8(c.title));
            Msg::queueAnswer(Msg::ResOk);
            clickAt(button("frmPersonalizza", "cmdOkPersomalizza"));
            QCOMPARE(Msg::shown().size(), 1);
            QCOMPARE(Msg::shown()[0].text, QString::fromUtf8(c.message));
            QCOMPARE(Msg::shown()[0].title, QStringLiteral("Attenzione"));
            QCOMPARE(Msg::shown()[0].icon, Msg::Exclamation);
            QCOMPARE(Msg::beeps(), 1);
            QTRY_COMPARE(f->focusWidget(), box(c.n));
            QCOMPARE(dir.read("Titoli.dat"), kPredefiniti);
            QCOMPARE(CarQuad::TitoloQuadro3, QString::fromUtf8("Val. 1° Q."));
            QVERIFY(f->isVisible() && window("frmSplash") == menu.data());
        }

        // Titoli.dat that cannot be written: told, nothing changed.
        Msg::resetRecord();
        setTitles({"Uno", "Due", "Tre", "Quattro"});
        Msg::queueAnswer(Msg::ResOk);
        {
            ReadOnlyFolder lock(dir.path());
            clickAt(button("frmPersonalizza", "cmdOkPersomalizza"));
        }
        QCOMPARE(Msg::shown().size(), 1);
        QVERIFY(Msg::shown()[0].text.startsWith(QStringLiteral("Impossibile salvare i titoli.\n\r Titoli.dat: ")));
        QCOMPARE(Msg::shown()[0].title, QStringLiteral("Personalizza"));
        QCOMPARE(Msg::shown()[0].icon, Msg::Critical);
        QCOMPARE(dir.read("Titoli.dat"), kPredefiniti);
        QCOMPARE(CarQuad::TitoloQuadro1 + CarQuad::TitoloQuadro2 + CarQuad::TitoloQuadro3 + CarQuad::TitoloQuadro4,
                 QString::fromUtf8("Sit. InizialeFinalitàVal. 1° Q.Val. 2° Q."));
        QVERIFY(f->isVisible() && window("frmSplash") == menu.data());
    }

    void afterAPasswordChangeSavingAsksThePasswordFirst()
    {
        ProgramFolder dir;
        started(dir);
        startProgram();
        // The password set through "Cambia password": the window stays loaded in change mode.
        CarQuad::ModoPassword = 1;
        Form *login = Forms::get(QStringLiteral("frmLogin"));
        login->Form_Load();
        login->findChild<QLineEdit *>("txtPassword")->setText(QStringLiteral("Segreto"));
        clickAt(button("frmLogin", "cmdOK"));
        QCOMPARE(dir.read("Qua.inf"), QByteArray("Quaderlo\r\nSegreto\r\n"));

        openTitles();
        setTitles({"Uno", "", "Tre", "Quattro"}); // an empty box, an empty title
        clickAt(button("frmPersonalizza", "cmdOkPersomalizza"));
        QCOMPARE(dir.read("Titoli.dat"), QByteArray("Uno\r\n\r\nTre\r\nQuattro\r\n"));
        QCOMPARE(CarQuad::TitoloQuadro2, QString());
        QCOMPARE(CarQuad::TitoloQuadro3, QStringLiteral("Tre"));
        QVERIFY(window("frmLogin") == login && login->isVisible());
        QCOMPARE(login->windowTitle(), QStringLiteral("Accesso"));
        QCOMPARE(button("frmLogin", "cmdOK")->text(), QStringLiteral("OK"));
        auto *password = login->findChild<QLineEdit *>("txtPassword");
        QCOMPARE(password->text(), QString());
        QTest::keyClicks(password, QStringLiteral("abc"));
        QCOMPARE(password->displayText(), QStringLiteral("***"));
        // The reloaded menu stays disabled until the password is accepted.
        Form *menu = window("frmSplash");
        QVERIFY(menu->isVisible() && !menu->isEnabled());
        Msg::queueAnswer(Msg::ResOk);
        clickAt(button("frmLogin", "cmdOK"));
        QVERIFY(!menu->isEnabled());
        password->setText(QStringLiteral("Segreto"));
        clickAt(button("frmLogin", "cmdOK"));
        QVERIFY(menu->isEnabled() && !login->isVisible());
    }
};

QUADERLO_TEST_MAIN(TestFrmPersonalizza)
#include "tst_frmPersonalizza.moc"
