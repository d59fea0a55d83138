#include "Archivi.h"

#include "archive/Archivio.h"
#include "platform/GuastoDisco.h"

namespace {
const QByteArray kTrePupilli("Bianchi Anna\r\n 0 \r\nRossi Mario\r\n 1 \r\nVerdi Luca\r\n 1 \r\n");

// The main menu's "Archivi"; true once the class box has the focus.
bool apriDalMenu(Archivi &a, Form *menu)
{
    clickAt(control<QPushButton>(menu, "cmdModifica"));
    return a.trova() && QTest::qWaitFor([&] { return a.w->isActiveWindow() && a.haFuoco(a.classi); });
}

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}
} // namespace

class TestFrmModifica : public QObject
{
    Q_OBJECT
private slots:
    void firstUseFromTheMainMenu()
    {
        ProgramFolder dir;
        dir.write("Anno.dat", "2026/27\r\n");
        Form *menu = startProgram();
        Archivi a;
        // Closing by the title bar does what the exit button does.
        QVERIFY(apriDalMenu(a, menu));
        a.w->close();
        QVERIFY(menu->isVisible() && !Forms::isLoaded("frmModifica"));
        QVERIFY(apriDalMenu(a, menu));
        QCOMPARE(dir.read("Classi.dat"), QByteArray("\r\n"));
        // The pupil box asks for a class first.
        QCOMPARE(mostrato([&] { clickAt(a.alunni->editLine()); }), avviso("Quale classe ? "));
        QVERIFY(a.haFuoco(a.classi));
        // Enter makes a class and stays in the box; Tab makes one and moves on to the pupils; sorted without case.
        for (const char *classe : {"b1", "C3", "A2"})
            a.scrivi(a.classi, classe);
        QVERIFY(a.haFuoco(a.classi));
        a.apriClasse(u("3ª A"));
        QVERIFY(a.haFuoco(a.alunni));
        QCOMPARE(dir.read("Classi.dat"), ansi("3ª A\r\nA2\r\nb1\r\nC3\r\n"));
        QCOMPARE(dir.read("b1/ALUNNI.b1"), QByteArray("\r\n\r\n"));
        // A pupil is written once the gender is chosen.
        QCOMPARE(mostrato([&] { a.scrivi(a.alunni, "Rossi Mario"); }), avviso("Maschio o Femmina ? "));
        QCOMPARE(dir.read(u("3ª A/ALUNNI.3ª A")), QByteArray("\r\n\r\n"));
        clickOption(a.maschio);
        QVERIFY(a.alunni->text().isEmpty() && !a.maschio->isChecked());
        // Tab from the pupils goes to the options, not to the list.
        QTest::keyClick(a.alunni->editLine(), Qt::Key_Tab);
        QVERIFY(a.maschio->hasFocus());
        a.aggiungi(u("D'Angelo Niccolò"), true);
        a.aggiungi("beta Eva", false);
        a.aggiungi("Alfa Ugo", true);
        QCOMPARE(dir.read(u("3ª A/ALUNNI.3ª A")),
                 ansi("Alfa Ugo\r\n 1 \r\nbeta Eva\r\n 0 \r\nD'Angelo Niccolò\r\n 1 \r\nRossi Mario\r\n 1 \r\n"));
        QCOMPARE(contenuto(dir.file(u("3ª A"))), QStringList{u("ALUNNI.3ª A")});
        // Typed and left for the exit button, a class is made as when leaving by Tab.
        a.scrivi(a.classi, "1C", Qt::Key_unknown);
        clickAt(a.fine);
        QVERIFY(!Forms::isLoaded("frmModifica") && menu->isVisible());
        QCOMPARE(dir.read("Classi.dat"), ansi("1C\r\n3ª A\r\nA2\r\nb1\r\nC3\r\n"));

        VERIFY_NO_UNANSWERED();
    }

    void namesTakenOrRefusedAndAPupilDeleted()
    {
        ProgramFolder dir;
        dir.write("Classi.dat", "3A\r\n");
        dir.write("3A/ALUNNI.3A", kTrePupilli);
        for (const char *f : {"Rossi Mario.q1", "Rossi Mario.q2", "rossi mario.Q3", "Rossi Mario.q4", "Rossi Mario.dat",
                              "Rossi Mario.txt", "Rossi Marioa.q1", "Verdi Luca.q1", "Verdi Luca.dat", "3A_Finalità.txt"})
            dir.write(QStringLiteral("3A/") + u(f), "x");
        Archivi a;
        QVERIFY(a.apri());
        // In any letter case it is the same class: never a second one.
        for (const char *nome : {"3A", "3a"})
            a.scrivi(a.classi, nome);
        QVERIFY(a.classi->text().isEmpty());
        // A name unusable as a folder, by Enter or Tab: told, nothing made, the text selected for correction.
        for (const auto &[name, key] : {std::pair{QStringLiteral("3/A"), Qt::Key_Return}, {QStringLiteral("fine."), Qt::Key_Tab}}) {
            QCOMPARE(mostrato([&] { a.scrivi(a.classi, name, key); }), avviso(Archivio::problemaClasse(name), Msg::Exclamation));
            QVERIFY(a.classi->editLine()->selectedText() == name && a.haFuoco(a.classi));
        }
        QCOMPARE(contenuto(dir.path()), (QStringList{"3A/", "Classi.dat"}));
        for (Qt::Key key : {Qt::Key_End, Qt::Key_Backspace, Qt::Key_Return})
            QTest::keyClick(a.classi->editLine(), key);
        QCOMPARE(dir.read("Classi.dat"), QByteArray("3A\r\nfine\r\n"));
        // Leaving the box with a listed class in another case chooses it and shows its pupils.
        a.apriClasse("3a");
        QVERIFY(a.classi->text() == "3A" && a.alunni->count() == 3 && Msg::shown().size() == 2);

        // A gender with no pupil typed asks which one.
        QCOMPARE(mostrato([&] { clickOption(a.maschio); }), avviso("Quale alunno ? "));
        QCOMPARE(mostrato([&] { clickOption(a.femmina); }), avviso("Quale alunna ? "));
        QVERIFY(!a.femmina->isChecked());
        // A pupil already listed is dropped without a word, whatever the case of its letters.
        a.aggiungi("Rossi Mario", true);
        a.aggiungi("ROSSI MARIO", false);
        QCOMPARE(Msg::shown().size(), 6);
        // A name unusable as a file name, by Enter or by the gender option: refused before anything is written.
        const QString virgola = QStringLiteral("Rossi, Mario");
        QCOMPARE(mostrato([&] { a.scrivi(a.alunni, virgola); }), avviso(Archivio::problemaAlunno(virgola), Msg::Exclamation));
        QVERIFY(a.alunni->editLine()->selectedText() == virgola && a.haFuoco(a.alunni));
        QCOMPARE(mostrato([&] { clickOption(a.femmina); }), avviso(Archivio::problemaAlunno(virgola), Msg::Exclamation));
        QCOMPARE(dir.read("3A/ALUNNI.3A"), kTrePupilli);

        // Deleting a pupil: No keeps it; Yes deletes its five files in any case, other files stay.
        QCOMPARE(mostrato([&] { a.scegli(a.alunni, "Rossi Mario"); }, Msg::ResNo),
                 messaggio("Vuoi eliminare l'alunno dall'elenco ?", "Eliminazione alunno", Msg::Question, Msg::YesNo, Msg::ResNo));
        QCOMPARE(contenuto(dir.file("3A")).size(), 11);
        Msg::queueAnswer(Msg::ResYes);
        QVERIFY(a.scegli(a.alunni, "Rossi Mario"));
        QCOMPARE(dir.read("3A/ALUNNI.3A"), QByteArray("Bianchi Anna\r\n 0 \r\nVerdi Luca\r\n 1 \r\n"));
        QCOMPARE(contenuto(dir.file("3A")), (QStringList{u("3A_Finalità.txt"), "ALUNNI.3A", "Rossi Mario.txt",
                                                         "Rossi Marioa.q1", "Verdi Luca.dat", "Verdi Luca.q1"}));
        QCOMPARE(a.alunni->items(), (QStringList{"Bianchi Anna", "Verdi Luca"}));
        VERIFY_NO_UNANSWERED();
    }

    void choosingAndDeletingClasses()
    {
        ProgramFolder dir;
        dir.write("Classi.dat", "3A\r\n4B\r\n5C\r\n6D\r\n7E\r\n");
        dir.write("3A/ALUNNI.3A", kTrePupilli);
        for (const char *f : {"Rossi Mario.q1", "Rossi Mario.q2", "Rossi Mario.q3", "Rossi Mario.q4", "Rossi Mario.dat",
                              "Verdi Luca.Q2", "3A_Finalità.txt"})
            dir.write(QStringLiteral("3A/") + u(f), "x");
        dir.write("4B/ALUNNI.4B", "Neri Ada\r\n 0 \r\n");
        dir.write("4B/Neri Ada.q1", "x");
        dir.write("5C/Rossi Mario.q1", "x"); // no pupil list
        dir.write("5C/Rossi Mario.dat", "1 \r\n");
        dir.mkdir("6D"); // 7E has no folder
        Archivi a;
        QVERIFY(a.apri());
        a.apriClasse("4B");
        QCOMPARE(a.alunni->count(), 1);
        clickAt(a.classi->editLine());
        QCOMPARE(a.alunni->count(), 0);
        // A class without its folder takes no pupil; a folder without its list is an empty list.
        a.apriClasse("7E");
        QCOMPARE(mostrato([&] { a.aggiungi("Rossi Mario", true); }),
                 errore("Impossibile eseguire l'operazione.\n\r La cartella non esiste."));
        QVERIFY(a.alunni->count() == 0 && !dir.exists("7E"));
        a.apriClasse("6D");
        a.aggiungi("Rossi Mario", true);
        QCOMPARE(dir.read("6D/ALUNNI.6D"), QByteArray("Rossi Mario\r\n 1 \r\n"));
        a.apriClasse("3A");

        // No keeps the class chosen; Yes then No still deletes nothing.
        QCOMPARE(mostrato([&] { a.scegli(a.classi, "3A"); }, Msg::ResNo),
                 messaggio("Vuoi eliminare la classe dall'elenco ?", "Eliminazione classe", Msg::Question, Msg::YesNo, Msg::ResNo));
        QVERIFY(a.classi->text() == "3A" && a.alunni->count() == 3);
        Msg::queueAnswer(Msg::ResYes);
        QCOMPARE(mostrato([&] { a.scegli(a.classi, "3A"); }, Msg::ResNo),
                 messaggio("Sei proprio sicuro ?", "Conferma eliminazione", Msg::Critical, Msg::YesNo, Msg::ResNo));
        QCOMPARE(dir.read("Classi.dat"), QByteArray("3A\r\n4B\r\n5C\r\n6D\r\n7E\r\n"));
        QVERIFY(contenuto(dir.file("3A")).size() == 8 && a.alunni->count() == 3);
        // Yes twice: the pupils' files go, other files and their folder stay; a folder left empty goes
        // with its class; without a pupil list no file is deleted, but the class leaves the list.
        for (const char *classe : {"3A", "4B", "5C"}) {
            rispondi({Msg::ResYes, Msg::ResYes});
            QVERIFY(a.scegli(a.classi, classe) && a.classi->text().isEmpty() && a.haFuoco(a.classi));
        }
        QCOMPARE(contenuto(dir.file("3A")), QStringList{u("3A_Finalità.txt")});
        QVERIFY(!dir.exists("4B"));
        QCOMPARE(contenuto(dir.file("5C")), (QStringList{"Rossi Mario.dat", "Rossi Mario.q1"}));
        QVERIFY(dir.read("Classi.dat") == "6D\r\n7E\r\n" && a.classi->items() == QStringList({"6D", "7E"}));
        VERIFY_NO_UNANSWERED();
    }

    // A write that fails is told under the window's caption; the boxes and the files stay as they were.
    void failuresAreToldAndNothingIsLost()
    {
        ProgramFolder dir;
        dir.write("Classi.dat", "3A\r\n6D\r\n");
        dir.write("3A/ALUNNI.3A", kTrePupilli);
        dir.write("3A/Rossi Mario.q1", "x");
        dir.write("4B", "a file where the folder should go");
        Archivi a;
        QVERIFY(a.apri());
        a.apriClasse("3A");
        const auto nessunGuasto = qScopeGuard([] { GuastoDisco::imposta({}); });
        const auto guasto = [](const char *file) {
            GuastoDisco::imposta([file](const QString &path) { return path.endsWith(QLatin1String(file)) ? 0 : -1; });
        };
        guasto("/ALUNNI.3A");
        QCOMPARE(mostrato([&] { a.aggiungi("Zeta Ugo", true); }), errore("Impossibile scrivere il file ALUNNI.3A."));
        QCOMPARE(a.alunni->text(), QStringLiteral("Zeta Ugo"));
        Msg::queueAnswer(Msg::ResYes); // deleting rewrites the list first: the pupil and its files stay
        QCOMPARE(mostrato([&] { a.scegli(a.alunni, "Rossi Mario"); }), errore("Impossibile scrivere il file ALUNNI.3A."));
        guasto("/Classi.dat");
        QCOMPARE(mostrato([&] { a.scrivi(a.classi, "4B"); }), errore("Impossibile creare la cartella 4B."));
        QCOMPARE(mostrato([&] { a.scrivi(a.classi, "5C"); }), errore("Impossibile scrivere il file Classi.dat."));
        QVERIFY(a.classi->editLine()->selectedText() == "5C" && a.haFuoco(a.classi));
        rispondi({Msg::ResYes, Msg::ResYes});
        QCOMPARE(mostrato([&] { a.scegli(a.classi, "3A"); }), errore("Impossibile scrivere il file Classi.dat."));
        QCOMPARE(a.classi->items(), (QStringList{"3A", "6D"}));
        QVERIFY(dir.read("Classi.dat") == "3A\r\n6D\r\n" && dir.read("3A/ALUNNI.3A") == kTrePupilli);
        QCOMPARE(contenuto(dir.path()), (QStringList{"3A/", "4B", "Classi.dat"}));
        QCOMPARE(contenuto(dir.file("3A")), (QStringList{"ALUNNI.3A", "Rossi Mario.q1"}));
        // A list that does not read back, or cannot be read, is never replaced.
        GuastoDisco::imposta({});
        dir.write("3A/ALUNNI.3A", "Bianchi Anna\r\n\"\r\n");
        QCOMPARE(mostrato([&] { a.aggiungi("Zeta Ugo", true); }),
                 errore("Il file ALUNNI.3A non si legge correttamente alla riga 2: non viene modificato.\n\r"
                        "Correggilo con il Blocco Note."));
        QCOMPARE(dir.read("3A/ALUNNI.3A"), QByteArray("Bianchi Anna\r\n\"\r\n"));
        QFile::remove(dir.file("Classi.dat"));
        dir.mkdir("Classi.dat");
        QCOMPARE(mostrato([&] { a.scrivi(a.classi, "5C"); }), errore("Impossibile leggere il file Classi.dat."));
        QCOMPARE(contenuto(dir.path()), (QStringList{"3A/", "4B", "Classi.dat/"}));
        VERIFY_NO_UNANSWERED();
    }
};

QUADERLO_TEST_MAIN(TestFrmModifica)
#include "tst_frmModifica.moc"
