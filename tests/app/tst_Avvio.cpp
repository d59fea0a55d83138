#include "TestSupport.h"

#include "app/CarQuad.h"
#include "app/Impostazioni.h"
#include "menu/CopiaDelGiorno.h"
#include "platform/Finestre.h"
#include "platform/Form.h"
#include "platform/Msg.h"

#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QSemaphore>
#include <QTimer>
#include <atomic>

// The main menu's start-up in a program folder, and the access check with its password.
namespace {
QString label(const char *name) { return control<QLabel>(window("frmSplash"), name)->text(); }
QLineEdit *box(const char *name) { return control<QLineEdit>(window("frmLogin"), name); }
QPushButton *button(const char *name) { return control<QPushButton>(window("frmLogin"), name); }

Form *utilita() { return window(Finestre::Utilita); }

// The password window to change the password, from the utilities window (opened from the menu first).
Form *openChange()
{
    if (!utilita())
        clickAt(control<QPushButton>(window(Finestre::Menu), QString::fromUtf8("cmdUtilità")));
    clickAt(control<QPushButton>(utilita(), QStringLiteral("cmdPassword")));
    return window("frmLogin");
}
} // namespace

class TestAvvio : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { VERIFY_NO_UNANSWERED(); }

    // A module opened while the day's copy runs waits for its end.
    void aModuleWaitsForTheDaysCopy()
    {
        QSemaphore via;
        std::atomic_bool finita = false;
        CopiaDelGiorno::avvia([&] {
            via.acquire();
            finita = true;
        });
        QTest::qWait(20); // the copy starts once the event loop runs
        QTimer::singleShot(200, [&] { via.release(); });
        CopiaDelGiorno::attendi();
        QVERIFY(finita);
    }

    // The year file is all but its last two bytes; the others are comma-separated fields, blanks around
    // them dropped, later lines overwriting the values; any case of the name.
    void settingsFilesRead()
    {
        const struct { const char *file, *bytes, *values; } rows[] = {
            {"Anno.dat", "2026/2027\r\n", "2026/2027||||||"}, {"ANNO.DAT", "2026-2027", "2026-20||||||"}, {"Anno.dat", "7", "||||||"},
            {"qua.INF", "primo\r\nuno\r\n  Maestra Anna  \r\n\r\n", "|Maestra Anna|||||"},
            {"titoli.DAT", "A, B\r\nC\r\nD\r\n", "|||A|B|C|D"},
        };
        for (const auto &r : rows) {
            ProgramFolder dir;
            dir.write(r.file, r.bytes);
            Impostazioni::leggiAnno();
            Impostazioni::leggiPassword();
            Impostazioni::leggiTitoli();
            QStringList v{CarQuad::AnnoScolastico, CarQuad::NomeUtente, CarQuad::PasswordUtente};
            for (int n = 1; n <= 4; ++n)
                v << CarQuad::TitoloQuadro(n);
            QCOMPARE(v.join(QLatin1Char('|')), QString::fromLatin1(r.values));
        }
    }

    void yearAskedUntilGivenMissingFilesMadeThenNothingChanges()
    {
        ProgramFolder dir;
        Msg::queueInput(QString(), false);
        startProgram();
        QVERIFY(label("lblAnnoScolastico") == "Anno Scolastico " && dir.read("Anno.dat") == "\r\n");
        Msg::queueInput("2026/2027");
        restartProgram();
        const Msg::Shown d = Msg::shown().last();
        QVERIFY(Msg::shown().size() == 2 && d.isInput && d.text == "Anno Scolastico ?" && d.width >= Msg::titleWidth("Anno Scolastico"));
        QCOMPARE(dir.read("Anno.dat"), "2026/2027\r\n");
        QCOMPARE(dir.read("Qua.inf"), "Quaderlo\r\n\r\n");
        QVERIFY(dir.read("Titoli.dat") == defaultTitles() && !Forms::isLoaded("frmLogin"));
        // The next start asks nothing and changes no file, whatever the case of a name.
        QVERIFY(QFile::rename(dir.file("Titoli.dat"), dir.file("titoli.DAT")));
        restartProgram();
        QVERIFY(Msg::shown().size() == 2 && label("lblAnnoScolastico") == "Anno Scolastico 2026/2027");
        QVERIFY(dir.read("Anno.dat") == "2026/2027\r\n" && dir.read("titoli.DAT") == defaultTitles() && !dir.exists("Titoli.dat"));
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
        Form *menu = restartProgram();
        QVERIFY(!Forms::programEnded());
        menu->close();
        QVERIFY(Forms::programEnded());
        // At the access check: Annulla or the title bar.
        dir.writeSettings("Quaderlo\r\nx\r\n");
        for (bool titleBar : {false, true}) {
            QPointer<Form> m = restartProgram();
            titleBar ? void(window("frmLogin")->close()) : clickAt(button("cmdCancel"));
            QVERIFY(Forms::programEnded() && (m.isNull() || !m->isEnabled()));
            QTRY_VERIFY(m.isNull());
        }
    }

    // Set from the utilities window, asked from the next start on, changed again or emptied.
    void passwordSetAskedAndChanged()
    {
        ProgramFolder dir;
        dir.writeSettings();
        QVERIFY(startProgram()->isEnabled() && !window("frmLogin")); // no password, no check
        Form *login = openChange();
        QVERIFY(box("txtUserName")->text() == "Quaderlo" && box("txtPassword")->text().isEmpty());
        QVERIFY(!utilita()->isEnabled() && !window(Finestre::Menu)->isEnabled());
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
        box("txtUserName")->setText("Maestra Niccolò");
        box("txtPassword")->setText("Segreto");
        clickAt(button("cmdOK"));
        QCOMPARE(dir.read("Qua.inf"), ansi("Maestra Niccolò\r\nSegreto\r\n"));
        QVERIFY(!login->isVisible() && utilita()->isEnabled() && CarQuad::PasswordUtente.isEmpty()); // in force from the next reading

        // The next start asks it, the menu disabled until it is right. Differing in case: refused, selected for retyping.
        Form *menu = restartProgram();
        login = window("frmLogin");
        QVERIFY(login->isVisible() && !menu->isEnabled() && box("txtUserName")->text() == "Maestra Niccolò");
        Msg::resetRecord();
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

        // Shown in clear when changing; a change that cannot be written is reported and changes nothing.
        openChange();
        QCOMPARE(box("txtPassword")->displayText(), "Segreto");
        box("txtPassword")->setText("nuova");
        Msg::queueAnswer(Msg::ResOk);
        {
            ReadOnlyFolder lock(dir.path());
            clickAt(button("cmdOK"));
        }
        QCOMPARE(Msg::shown().size(), 3);
        QVERIFY(Msg::shown()[2].text.startsWith("Impossibile salvare la password.\n\r Qua.inf: ") && Msg::shown()[2].icon == Msg::Critical);
        QVERIFY(dir.read("Qua.inf") == ansi("Maestra Niccolò\r\nSegreto\r\n") && CarQuad::PasswordUtente == "Segreto" && login->isVisible());
        // Annulla: nothing written, back where it was, the program goes on.
        clickAt(button("cmdCancel"));
        QVERIFY(!login->isVisible() && CarQuad::ModoPassword == 0 && !Forms::programEnded() && utilita()->isEnabled());
        // Changed to empty, nothing is asked any more.
        openChange();
        box("txtPassword")->clear();
        clickAt(button("cmdOK"));
        QCOMPARE(dir.read("Qua.inf"), ansi("Maestra Niccolò\r\n\r\n"));
        QVERIFY(restartProgram()->isEnabled() && !window("frmLogin"));
        // Change mode without Qua.inf: both boxes empty; closing by the title bar writes nothing.
        QVERIFY(QFile::remove(dir.file("Qua.inf")));
        login = openChange();
        QVERIFY(box("txtUserName")->text().isEmpty() && box("txtPassword")->text().isEmpty());
        login->close();
        QVERIFY(!login->isVisible() && !Forms::programEnded() && !dir.exists("Qua.inf") && Msg::shown().size() == 3);
    }
};

QUADERLO_TEST_MAIN(TestAvvio)
#include "tst_Avvio.moc"
