#include "UtilitaSupport.h"

#include "utilities/TitoliQuadri.h"

#include <QTabWidget>

using namespace UtilitaTest;

namespace {
QLineEdit *box(int n) { return control<QLineEdit>(window("frmPersonalizza"), QStringLiteral("txtTitoloQuadro%1").arg(n)); }
QPushButton *button(const char *form, const char *name) { return control<QPushButton>(window(form), name); }
Form *personalizza(const QStringList &titles = {})
{
    clic(QStringLiteral("cmdPersonalizza"));
    for (int n = 1; n <= titles.size(); ++n)
        box(n)->setText(titles[n - 1]);
    return window(QStringLiteral("frmPersonalizza"));
}
} // namespace

class TestFrmPersonalizza : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { VERIFY_NO_UNANSWERED(); }

    void titlesThatCannotBeUsed()
    {
        for (const char *good : {"Sit. Iniziale", "Val. 2° Q.", "Finalità", "12345678901234567890", "L'anno è", ""})
            QVERIFY2(TitoliQuadri::problema(QString::fromUtf8(good)).isEmpty(), good);
        const char *caratteri = "non può contenere i caratteri \\ / : * ? \" < > |";
        const struct { const char *title, *problem; } bad[] = {
            {"a,b", "non può contenere la virgola."}, {" a", "non può iniziare o terminare con uno spazio."},
            {"a ", "non può iniziare o terminare con uno spazio."}, {"\"a", caratteri}, {"1/2", caratteri},
            {"a\\b", caratteri}, {"Val?", caratteri}, {"a\tb", "non può contenere caratteri di controllo."},
            {"123456789012345678901", "non può superare 20 caratteri."}, {"Ж", "contiene caratteri non ammessi: Ж"},
        };
        for (const auto &b : bad)
            QCOMPARE(TitoliQuadri::problema(QString::fromUtf8(b.title)), QString::fromUtf8(b.problem));
        const struct { QStringList titles; int quadro; const char *message; } gruppi[] = {
            {{"A", "B", "C", "D"}, 0, ""}, {{"A", "", "C", "D"}, 0, ""},
            {{"A", "", "C", ""}, 4, "Il titolo del Quadro 4 è uguale a quello del Quadro 2."},
            {{"A", "B", "a", "D:"}, 3, "Il titolo del Quadro 3 è uguale a quello del Quadro 1."},
            {{"A", "B", "C", "D:"}, 4, "Il titolo del Quadro 4 non può contenere i caratteri \\ / : * ? \" < > |"},
        };
        for (const auto &g : gruppi) {
            QString message;
            QCOMPARE(TitoliQuadri::primoProblema(g.titles, &message), g.quadro);
            QCOMPARE(message, QString::fromUtf8(g.message));
        }
    }

    // Saved titles reach every reader through the reloaded main menu, which asks the password again first.
    void newTitlesReachEveryReader()
    {
        ProgramFolder dir;
        dir.writeSettings("Quaderlo\r\nSegreto\r\n");
        startProgram();
        typeText(control<QLineEdit>(window("frmLogin"), "txtPassword"), QStringLiteral("Segreto"));
        QPointer<Form> menu = window(Finestre::Menu);
        QVERIFY(menu->isEnabled());
        entra();
        personalizza();
        QTRY_VERIFY(!window(kUtilita));
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(box(n)->text(), CarQuad::TitoloQuadro(n));
        const QStringList t = {"Situazione iniziale!", "", QString::fromUtf8("1° quadrimestre"), QString::fromUtf8("Finalità educative")};
        for (int n = 1; n <= 4; ++n)
            box(n)->setText(t[n - 1]);
        clickAt(button("frmPersonalizza", "cmdOkPersomalizza"));
        QCOMPARE(dir.read("Titoli.dat"), ansi("Situazione iniziale!\r\n\r\n1° quadrimestre\r\nFinalità educative\r\n"));
        QTRY_VERIFY(menu.isNull() && !window(QStringLiteral("frmPersonalizza")));

        // The reloaded menu stays disabled until the password is given.
        Form *login = window("frmLogin");
        QVERIFY(login->isVisible() && !window(Finestre::Menu)->isEnabled());
        typeText(control<QLineEdit>(login, "txtPassword"), QStringLiteral("Segreto"));
        QVERIFY(window(Finestre::Menu)->isEnabled() && !login->isVisible());

        // Read back as typed: the merge buttons and the composition window's tabs.
        entra();
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(pulsante(QStringLiteral("cmdUnisciQ%1").arg(n))->text(), t[n - 1]);
        clic(QString::fromUtf8("cmdEsciUtilità"));
        clickAt(button("frmSplash", "cmdCompila"));
        Form *compila = window(QStringLiteral("frmCompila"));
        for (const char *tabs : {"ssTabQuadri", "SSTabGiudizi"})
            for (int i = 0; i < 4; ++i)
                QCOMPARE(control<QTabWidget>(compila, QLatin1String(tabs))->tabText(i), t[i]);
    }

    void cancelledRefusedOrFailedSavesWriteNothing()
    {
        ProgramFolder dir;
        apri(dir);
        // Annulla, by its button or the title bar: a fresh utilities window comes back.
        for (bool titleBar : {false, true}) {
            QPointer<Form> f = personalizza({"Uno", "Due", "Tre", "Quattro"});
            titleBar ? void(f->close()) : clickAt(button("frmPersonalizza", "cmdEsciPersonalizza"));
            QTRY_VERIFY(f.isNull());
            QVERIFY(window(kUtilita)->isVisible() && window(kUtilita)->isEnabled());
            QCOMPARE(pulsante(QStringLiteral("cmdUnisciQ1"))->text(), QStringLiteral("Sit. Iniziale"));
        }
        QVERIFY(dir.read("Titoli.dat") == defaultTitles() && Msg::shown().isEmpty());

        // A refused title: told, the focus on its box.
        Form *menu = window(QStringLiteral("frmSplash"));
        Form *f = personalizza({"Sit. Iniziale", QString::fromUtf8("Finalità"), QString::fromUtf8("finalità"), "Val. 2"});
        Msg::queueAnswer(Msg::ResOk);
        clickAt(button("frmPersonalizza", "cmdOkPersomalizza"));
        ultimo(QString::fromUtf8("Il titolo del Quadro 3 è uguale a quello del Quadro 2."), QStringLiteral("Attenzione"), Msg::Exclamation);
        QVERIFY(Msg::shown().size() == 1 && Msg::beeps() == 1);
        QTRY_COMPARE(f->focusWidget(), box(3));

        // Titoli.dat that cannot be written.
        box(3)->setText(QStringLiteral("Tre"));
        Msg::queueAnswer(Msg::ResOk);
        {
            ReadOnlyFolder lock(dir.path());
            clickAt(button("frmPersonalizza", "cmdOkPersomalizza"));
        }
        QVERIFY(Msg::shown().size() == 2 && Msg::shown().last().text.startsWith(QStringLiteral("Impossibile salvare i titoli.\n\r Titoli.dat: ")));
        QVERIFY(dir.read("Titoli.dat") == defaultTitles() && CarQuad::TitoloQuadro3 == QString::fromUtf8("Val. 1° Q."));
        QVERIFY(f->isVisible() && window(QStringLiteral("frmSplash")) == menu);
    }
};

QUADERLO_TEST_MAIN(TestFrmPersonalizza)
#include "tst_frmPersonalizza.moc"
