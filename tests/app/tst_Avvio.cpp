#include "TestSupport.h"

#include "app/CarQuad.h"
#include "app/Impostazioni.h"
#include "platform/Form.h"
#include "platform/Msg.h"

#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>

// The main menu's start-up in a program folder, and the access check with its password.
namespace {
const QByteArray kTitoli = ansi("Sit. Iniziale\r\nFinalità\r\nVal. 1° Q.\r\nVal. 2° Q.\r\n");

QString label(const char *name) { return control<QLabel>(window("frmSplash"), name)->text(); }
QLineEdit *box(const char *name) { return control<QLineEdit>(window("frmLogin"), name); }
QPushButton *button(const char *name) { return control<QPushButton>(window("frmLogin"), name); }

void settings(const ProgramFolder &dir, const QByteArray &quaInf)
{
    dir.write("Anno.dat", "2026/27\r\n");
    dir.write("Titoli.dat", kTitoli);
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
    Forms::get(QStringLiteral("frmLogin"))->Form_Load();
    return window("frmLogin");
}

void replaceText(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    edit->insert(text); // keyClicks takes ASCII only
}
} // namespace

class TestAvvio : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { VERIFY_NO_UNANSWERED(); }

    void yearAskedUntilGivenThenNothingChanges()
    {
        ProgramFolder dir;
        Msg::queueInput(QString(), false);
        startProgram();
        QVERIFY(label("lblAnnoScolastico") == "Anno Scolastico " && dir.read("Anno.dat") == "\r\n");
        Msg::queueInput("2026/2027");
        restart();
        const Msg::Shown d = Msg::shown().last();
        QVERIFY(Msg::shown().size() == 2 && d.isInput && d.text == "Anno Scolastico ?" && d.width >= Msg::titleWidth("Anno Scolastico"));
        QCOMPARE(dir.read("Anno.dat"), "2026/2027\r\n");
        QCOMPARE(dir.read("Qua.inf"), "Quaderlo\r\n\r\n");
        QVERIFY(dir.read("Titoli.dat") == kTitoli && !Forms::isLoaded("frmLogin"));
        // The next start asks nothing and changes no file.
        restart();
        QVERIFY(Msg::shown().size() == 2 && label("lblAnnoScolastico") == "Anno Scolastico 2026/2027");
        QCOMPARE(dir.read("Anno.dat"), "2026/2027\r\n");

        // A year file is read as all but its last two bytes; shorter than two bytes, it holds no year.
        dir.write("Anno.dat", "2026-2027");
        restart();
        QCOMPARE(label("lblAnnoScolastico"), "Anno Scolastico 2026-20");
        QCOMPARE(dir.read("Anno.dat"), "2026-2027");
    }

    void settingsFilesReadAsCommaSeparatedFields()
    {
        ProgramFolder dir;
        dir.write("Anno.dat", "2026\r\n");
        // Further lines overwrite the values again; a comma splits a value; any case of the name.
        dir.write("Qua.inf", "primo\r\nuno\r\n  Maestra Anna  \r\n\r\n");
        dir.write("titoli.DAT", "A, B\r\nC\r\nD\r\n");
        startProgram();
        QVERIFY(CarQuad::NomeUtente == "Maestra Anna" && CarQuad::PasswordUtente.isEmpty() && !Forms::isLoaded("frmLogin"));
        QCOMPARE((QStringList{CarQuad::TitoloQuadro1, CarQuad::TitoloQuadro2, CarQuad::TitoloQuadro3, CarQuad::TitoloQuadro4}),
                 (QStringList{"A", "B", "C", "D"}));
        // A missing Qua.inf is made; the titles file is kept as it is.
        QVERIFY(QFile::remove(dir.file("Qua.inf")));
        restart();
        QCOMPARE(dir.read("Qua.inf"), "Quaderlo\r\n\r\n");
        QVERIFY(CarQuad::NomeUtente == "Quaderlo" && CarQuad::TitoloQuadro4 == "D");
        QVERIFY(dir.read("titoli.DAT") == "A, B\r\nC\r\nD\r\n" && !dir.exists("Titoli.dat") && Msg::shown().isEmpty());
    }

    void italianWhateverTheSystemsLocale()
    {
        // The tests run under LANG=C.UTF-8, as on a machine set to English.
        QVERIFY(QLocale().name() == "it_IT" && QLocale().toString(12.5) == "12,5" && QLocale::system().monthName(12, QLocale::ShortFormat) == "dic");
        const QDateTime data(QDate(2026, 12, 6), QTime(10, 30));
        // What Qt's own file dialog shows: dates in the system's locale, the kind of an entry translated.
        QCOMPARE(QLocale::system().toString(data, QLocale::ShortFormat),
                 QLocale(QLocale::Italian, QLocale::Italy).toString(data, QLocale::ShortFormat));
        QVERIFY(QCoreApplication::translate("QAbstractFileIconProvider", "Folder", "All other platforms") == "Cartella"
                && QCoreApplication::translate("QFileDialog", "New Folder") == "Nuova cartella");
        // Programs started from here get the teacher's own environment.
        QVERIFY(qgetenv("LC_TIME") != "it_IT.UTF-8");
    }

    void esciAnnullaOrTheTitleBarEndTheProgram()
    {
        ProgramFolder dir;
        dir.write("Anno.dat", "2026\r\n");
        clickAt(startProgram()->findChild<QPushButton *>("cmdEsci"));
        QVERIFY(Forms::programEnded() && !Forms::isLoaded("frmSplash"));
        Form *menu = restart();
        QVERIFY(!Forms::programEnded());
        menu->close();
        QVERIFY(Forms::programEnded());
        // At the access check: Annulla or the title bar.
        settings(dir, "Quaderlo\r\nx\r\n");
        for (bool titleBar : {false, true}) {
            QPointer<Form> m = restart();
            titleBar ? void(window("frmLogin")->close()) : clickAt(button("cmdCancel"));
            QVERIFY(Forms::programEnded() && (m.isNull() || !m->isEnabled()));
            QTRY_VERIFY(m.isNull());
        }
    }

    void accessCheckAtStartUpAndAnUnwritableQuaInf()
    {
        ProgramFolder dir;
        settings(dir, "Maestra\r\nSegreto\r\n");
        Form *menu = startProgram();
        Form *login = window("frmLogin");
        QVERIFY(login && login->isVisible() && box("txtUserName")->text() == "Maestra" && !menu->isEnabled());

        // Differing in case: refused, the typed text selected for retyping.
        Msg::queueAnswer(Msg::ResOk);
        typeText(box("txtPassword"), "segreto");
        QCOMPARE(Msg::shown().size(), 1);
        QCOMPARE(Msg::shown()[0].text, "Password non valida. Riprovare.");
        QVERIFY(box("txtPassword")->selectedText() == "segreto" && box("txtPassword")->displayText() == "*******");
        QTRY_COMPARE(login->focusWidget(), box("txtPassword"));
        // Retried: a blank after it is wrong too; any user name goes with the right password.
        Msg::queueAnswer(Msg::ResOk);
        typeText(box("txtPassword"), "Segreto ");
        QCOMPARE(Msg::shown().size(), 2);
        box("txtUserName")->setText("Chiunque");
        box("txtPassword")->setText("Segreto");
        clickAt(button("cmdOK"));
        QVERIFY(Msg::shown().size() == 2 && !login->isVisible() && menu->isEnabled());

        // A change that cannot be written is reported; nothing changes.
        openChange();
        box("txtPassword")->setText("nuova");
        Msg::queueAnswer(Msg::ResOk);
        {
            ReadOnlyFolder lock(dir.path());
            clickAt(button("cmdOK"));
        }
        QCOMPARE(Msg::shown().size(), 3);
        QVERIFY(Msg::shown()[2].text.startsWith("Impossibile salvare la password.\n\r Qua.inf: ") && Msg::shown()[2].icon == Msg::Critical);
        QCOMPARE(dir.read("Qua.inf"), "Maestra\r\nSegreto\r\n");
        QVERIFY(CarQuad::PasswordUtente == "Segreto" && login->isVisible());
        // Annulla in change mode: nothing written, back where it was, the program goes on.
        clickAt(button("cmdCancel"));
        QVERIFY(!login->isVisible() && CarQuad::ModoPassword == 0 && !Forms::programEnded());
        // Change mode without Qua.inf: both boxes empty; closing by the title bar writes nothing.
        QVERIFY(QFile::remove(dir.file("Qua.inf")));
        openChange();
        QVERIFY(box("txtUserName")->text().isEmpty() && box("txtPassword")->text().isEmpty());
        login->close();
        QVERIFY(!login->isVisible() && !Forms::programEnded() && !dir.exists("Qua.inf"));
    }

    void changedThroughCambiaPassword()
    {
        ProgramFolder dir;
        settings(dir, "Quaderlo\r\n\r\n");
        QVERIFY(startProgram()->isEnabled() && !window("frmLogin")); // no password, no check
        Form *login = openChange();
        QVERIFY(box("txtUserName")->text() == "Quaderlo" && box("txtPassword")->text().isEmpty());
        // What would not read back is refused, named for the user name or the password.
        const char *valori[][2] = {{"a,b", "non può contenere la virgola."}, {"\"ab\"", "non può iniziare con le virgolette."},
                                   {" ab", "non può iniziare o terminare con uno spazio."}, {"ab ", "non può iniziare o terminare con uno spazio."},
                                   {"Жb", "contiene caratteri non ammessi: Ж"}, {"Maestra Niccolò \"x\"", ""}};
        for (const auto &v : valori)
            QCOMPARE(Impostazioni::valoreNonRileggibile(v[0]), v[1]);
        // In the window, the box at fault is selected for retyping.
        QVERIFY(QTest::qWaitForWindowActive(login));
        const char *refused[][4] = {{"Rossi, Anna", "ab", "Il nome utente non può contenere la virgola.", "txtUserName"},
                                    {"Anna", "Жb", "La password contiene caratteri non ammessi: Ж", "txtPassword"}};
        for (const auto &c : refused) {
            Msg::resetRecord();
            Msg::queueAnswer(Msg::ResOk);
            box("txtUserName")->setText(c[0]);
            box("txtPassword")->setText(c[1]);
            clickAt(button("cmdOK"));
            QCOMPARE(Msg::shown().last().text, c[2]);
            QVERIFY(dir.read("Qua.inf") == "Quaderlo\r\n\r\n" && login->isVisible());
            QCOMPARE(box(c[3])->selectedText(), box(c[3])->text());
        }

        replaceText(box("txtUserName"), "Maestra Niccolò");
        replaceText(box("txtPassword"), "Segreto");
        clickAt(button("cmdOK"));
        QCOMPARE(dir.read("Qua.inf"), ansi("Maestra Niccolò\r\nSegreto\r\n"));
        QVERIFY(!login->isVisible() && CarQuad::PasswordUtente.isEmpty()); // in force from the next reading
        // The next start asks it, the menu disabled until it is right.
        Form *menu = restart();
        QVERIFY(!menu->isEnabled() && box("txtUserName")->text() == "Maestra Niccolò");
        typeText(box("txtPassword"), "Segreto");
        QVERIFY(menu->isEnabled());
        // Shown in clear when changing; changed to empty, nothing is asked any more.
        openChange();
        QCOMPARE(box("txtPassword")->displayText(), "Segreto");
        box("txtPassword")->clear();
        clickAt(button("cmdOK"));
        QCOMPARE(dir.read("Qua.inf"), ansi("Maestra Niccolò\r\n\r\n"));
        QVERIFY(restart()->isEnabled() && !window("frmLogin"));
        QCOMPARE(Msg::shown().size(), 1);
    }
};

QUADERLO_TEST_MAIN(TestAvvio)
#include "tst_Avvio.moc"
