#include "Archivi.h"

#include "app/CarQuad.h"
#include "platform/Paths.h"

#include <QFrame>

namespace {
const QByteArray kTrePupilli("Bianchi Anna\r\n 0 \r\nRossi Mario\r\n 1 \r\nVerdi Luca\r\n 1 \r\n");

QPushButton *archiviDelMenu(Form *menu)
{
    return control<QPushButton>(menu, "cmdModifica");
}
} // namespace

class TestFrmModifica : public QObject
{
    Q_OBJECT
private slots:
    void firstUseLayoutAndFocusOrder()
    {
        ProgramFolder dir;
        Archivi a;
        QVERIFY(a.apri());
        QCOMPARE(dir.read("Classi.dat"), QByteArray("\r\n"));
        QCOMPARE(a.classi->count(), 0);
        QVERIFY(!CarQuad::RicaricaClassi);
        QVERIFY(Msg::shown().isEmpty());

        // The pupil box asks for a class first.
        Msg::queueAnswer(Msg::ResOk);
        clickAt(a.alunni->editLine());
        QCOMPARE(ultimoMessaggio(), messaggio("Quale classe ? ", "Attenzione", Msg::Question));
        QCOMPARE(Msg::beeps(), 1);
        QVERIFY(a.haFuoco(a.classi));
        QCOMPARE(dir.read("Classi.dat"), QByteArray("\r\n"));

        QVERIFY(!a.fine->icon().isNull());
        auto *frame1 = control<QFrame>(a.w, "Frame1");
        auto *frame3 = control<QFrame>(a.w, "Frame3");
        for (const QSize size : {QSize(900, 700), QSize(500, 400)}) {
            a.w->resize(size);
            QTRY_COMPARE(a.w->size(), size);
            for (QFrame *f : {frame1, frame3}) {
                QCOMPARE(f->x(), qRound((size.width() - f->width()) / 2.0));
                QCOMPARE(f->y(), qRound((size.height() - f->height()) / 2.0));
            }
        }
        QVERIFY(frame3->geometry().contains(frame1->geometry()) && frame3->size() != frame1->size());

        // Focus order: classes, pupils, the two options (one group), the exit button.
        QList<QWidget *> chain;
        for (QWidget *w = a.classi->editLine(); chain.size() < 5; w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
                chain << (w->parentWidget() == a.classi || w->parentWidget() == a.alunni ? w->parentWidget() : w);
        QCOMPARE(chain, (QList<QWidget *>{a.classi, a.alunni, a.maschio, a.femmina, a.fine}));
        dir.write("Classi.dat", "3A\r\n");
        dir.mkdir("3A");
        a.scrivi(a.classi, "3A", Qt::Key_Tab);
        QVERIFY(a.haFuoco(a.alunni));
        QTest::keyClick(a.alunni->editLine(), Qt::Key_Tab);
        QVERIFY(a.maschio->hasFocus());
        QTest::keyClick(a.maschio, Qt::Key_Tab);
        QVERIFY(a.fine->hasFocus());
        VERIFY_NO_UNANSWERED();
    }

    void newClassAndTwoPupils()
    {
        ProgramFolder dir;
        Archivi a;
        QVERIFY(a.apri());
        a.scrivi(a.classi, "3A");
        QCOMPARE(dir.read("Classi.dat"), QByteArray("3A\r\n"));
        QCOMPARE(dir.read("3A/ALUNNI.3A"), QByteArray("\r\n\r\n"));
        QCOMPARE(a.classi->items(), QStringList{"3A"});
        QCOMPARE(a.classi->text(), QStringLiteral("3A"));
        QVERIFY(a.haFuoco(a.classi));

        QTest::keyClick(a.classi->editLine(), Qt::Key_Tab);
        QVERIFY(a.haFuoco(a.alunni));
        Msg::queueAnswer(Msg::ResOk);
        a.scrivi(a.alunni, "Rossi Mario");
        QCOMPARE(ultimoMessaggio(), messaggio("Maschio o Femmina ? ", "Attenzione", Msg::Question));
        QCOMPARE(Msg::beeps(), 1);
        QCOMPARE(dir.read("3A/ALUNNI.3A"), QByteArray("\r\n\r\n"));
        a.clicca(a.maschio);
        QCOMPARE(dir.read("3A/ALUNNI.3A"), QByteArray("Rossi Mario\r\n 1 \r\n"));
        QCOMPARE(a.alunni->text(), QString());
        QVERIFY(a.haFuoco(a.alunni));
        QVERIFY(!a.maschio->isChecked() && !a.femmina->isChecked());

        a.aggiungi("Bianchi Anna", false);
        QCOMPARE(dir.read("3A/ALUNNI.3A"), QByteArray("Bianchi Anna\r\n 0 \r\nRossi Mario\r\n 1 \r\n"));
        QCOMPARE(a.alunni->items(), (QStringList{"Bianchi Anna", "Rossi Mario"}));
        QCOMPARE(a.alunni->itemData(0), 0);
        QCOMPARE(a.alunni->itemData(1), 1);
        QCOMPARE(Msg::shown().size(), 2);
        QCOMPARE(contenuto(dir.path()), (QStringList{"3A/", "Classi.dat"}));
        QCOMPARE(contenuto(dir.file("3A")), QStringList{"ALUNNI.3A"});
        VERIFY_NO_UNANSWERED();
    }

    void tabCreatesAsEnterDoesAndListsStaySorted()
    {
        ProgramFolder dir;
        dir.write("Classi.dat", "3A\r\n\r\n3B\r\n");
        Archivi a;
        QVERIFY(a.apri());
        QCOMPARE(a.classi->items(), QStringList{"3A"});
        QCOMPARE(dir.read("Classi.dat"), QByteArray("3A\r\n\r\n3B\r\n"));
        a.scrivi(a.classi, "b1", Qt::Key_Tab);
        QVERIFY(a.haFuoco(a.alunni));
        QCOMPARE(dir.read("b1/ALUNNI.b1"), QByteArray("\r\n\r\n"));
        QCOMPARE(dir.read("Classi.dat"), QByteArray("3A\r\nb1\r\n"));
        a.scrivi(a.classi, "A2");
        a.scrivi(a.classi, "C3");
        QCOMPARE(dir.read("Classi.dat"), QByteArray("3A\r\nA2\r\nb1\r\nC3\r\n"));
        QCOMPARE(a.classi->items(), (QStringList{"3A", "A2", "b1", "C3"}));

        // Leaving the box for the pupil box chooses the class just made.
        QTest::keyClick(a.classi->editLine(), Qt::Key_Tab);
        a.aggiungi("zeta Zoe", false);
        a.aggiungi("Alfa Ugo", true);
        a.aggiungi("beta Eva", false);
        QCOMPARE(dir.read("C3/ALUNNI.C3"), QByteArray("Alfa Ugo\r\n 1 \r\nbeta Eva\r\n 0 \r\nzeta Zoe\r\n 0 \r\n"));
        QCOMPARE(Msg::shown().size(), 3);
        VERIFY_NO_UNANSWERED();
    }

    void existingClassesAndPupilsAreNotMadeAgain()
    {
        ProgramFolder dir;
        dir.write("Classi.dat", "3A\r\n");
        scriviClasse(dir, "3A", kTrePupilli);
        Archivi a;
        QVERIFY(a.apri());
        // In any letter case it is the same class: never a second one.
        for (const char *nome : {"3A", "3a"}) {
            a.scrivi(a.classi, nome);
            QCOMPARE(a.classi->text(), QString());
            QVERIFY(a.haFuoco(a.classi));
            QCOMPARE(dir.read("3A/ALUNNI.3A"), kTrePupilli);
        }
        QCOMPARE(dir.read("Classi.dat"), QByteArray("3A\r\n"));
        QCOMPARE(a.classi->items(), QStringList{"3A"});
        QCOMPARE(contenuto(dir.path()), (QStringList{"3A/", "Classi.dat"}));

        // Leaving the box with it chooses the listed class and shows its pupils.
        a.apriClasse("3a");
        QCOMPARE(a.classi->text(), QStringLiteral("3A"));
        QVERIFY(a.haFuoco(a.alunni));
        QCOMPARE(a.alunni->items(), (QStringList{"Bianchi Anna", "Rossi Mario", "Verdi Luca"}));
        QCOMPARE(dir.read("Classi.dat"), QByteArray("3A\r\n"));
        QVERIFY(Msg::shown().isEmpty());
        QCOMPARE(Msg::beeps(), 0);

        // A gender with no pupil typed asks which one.
        Msg::queueAnswer(Msg::ResOk);
        a.clicca(a.maschio);
        QCOMPARE(ultimoMessaggio(), messaggio("Quale alunno ? ", "Attenzione", Msg::Question));
        QVERIFY(a.haFuoco(a.alunni));
        QVERIFY(!a.maschio->isChecked());
        Msg::queueAnswer(Msg::ResOk);
        a.clicca(a.femmina);
        QCOMPARE(ultimoMessaggio(), messaggio("Quale alunna ? ", "Attenzione", Msg::Question));
        QVERIFY(!a.femmina->isChecked());
        QCOMPARE(Msg::beeps(), 2);

        // A pupil already listed is dropped without a word, whatever the case of its letters.
        a.aggiungi("Rossi Mario", true);
        a.aggiungi("ROSSI MARIO", false);
        QCOMPARE(Msg::shown().size(), 4);
        QCOMPARE(a.alunni->text(), QString());
        QCOMPARE(dir.read("3A/ALUNNI.3A"), kTrePupilli);
        QCOMPARE(contenuto(dir.file("3A")), QStringList{"ALUNNI.3A"});
        VERIFY_NO_UNANSWERED();
    }

    void choosingAndDeletingClasses()
    {
        ProgramFolder dir;
        dir.write("Classi.dat", "3A\r\n4B\r\n5C\r\n");
        scriviClasse(dir, "3A", kTrePupilli);
        const QStringList file3A{"Rossi Mario.q1", "Rossi Mario.q2", "Rossi Mario.q3", "Rossi Mario.q4",
                                 "Rossi Mario.dat", "Verdi Luca.Q2", QString::fromUtf8("3A_Finalità.txt")};
        for (const QString &f : file3A)
            dir.write(QStringLiteral("3A/") + f, "x");
        scriviClasse(dir, "4B", "Neri Ada\r\n 0 \r\n");
        dir.write("4B/Neri Ada.q1", "x");
        dir.write("5C/Rossi Mario.q1", "x"); // no pupil list
        dir.write("5C/Rossi Mario.dat", "1 \r\n");
        Archivi a;
        QVERIFY(a.apri());

        // The class box empties the pupil box.
        a.apriClasse("4B");
        QCOMPARE(a.alunni->items(), QStringList{"Neri Ada"});
        clickAt(a.classi->editLine());
        QCOMPARE(a.alunni->count(), 0);
        a.apriClasse("3A");
        QCOMPARE(a.alunni->count(), 3);
        QCOMPARE(CarQuad::FileAlunni, dir.file("3A/ALUNNI.3A"));

        // No keeps the class chosen; Yes then No still deletes nothing.
        Msg::queueAnswer(Msg::ResNo);
        QVERIFY(a.scegli(a.classi, "3A"));
        QCOMPARE(ultimoMessaggio(), messaggio("Vuoi eliminare la classe dall'elenco ?", "Eliminazione classe",
                                              Msg::Question, Msg::YesNo, Msg::ResNo));
        QCOMPARE(a.classi->text(), QStringLiteral("3A"));
        QVERIFY(a.haFuoco(a.alunni));
        QCOMPARE(a.alunni->items(), (QStringList{"Bianchi Anna", "Rossi Mario", "Verdi Luca"}));
        Msg::queueAnswer(Msg::ResYes);
        Msg::queueAnswer(Msg::ResNo);
        QVERIFY(a.scegli(a.classi, "3A"));
        QCOMPARE(ultimoMessaggio(), messaggio("Sei proprio sicuro ?", "Conferma eliminazione", Msg::Critical,
                                              Msg::YesNo, Msg::ResNo));
        QCOMPARE(dir.read("Classi.dat"), QByteArray("3A\r\n4B\r\n5C\r\n"));
        QCOMPARE(contenuto(dir.file("3A")).size(), file3A.size() + 1);
        QCOMPARE(a.classi->items(), (QStringList{"3A", "4B", "5C"}));
        QVERIFY(a.haFuoco(a.alunni));
        QCOMPARE(a.alunni->count(), 3);

        // Yes twice: the pupils' files go, other files and their folder stay.
        Msg::queueAnswer(Msg::ResYes);
        Msg::queueAnswer(Msg::ResYes);
        QVERIFY(a.scegli(a.classi, "3A"));
        QCOMPARE(dir.read("Classi.dat"), QByteArray("4B\r\n5C\r\n"));
        QCOMPARE(a.classi->items(), (QStringList{"4B", "5C"}));
        QCOMPARE(a.classi->text(), QString());
        QVERIFY(a.haFuoco(a.classi));
        QCOMPARE(contenuto(dir.file("3A")), QStringList{QString::fromUtf8("3A_Finalità.txt")});
        QCOMPARE(CarQuad::CartellaClasse, dir.file("3A"));
        // A folder left empty goes with its class.
        Msg::queueAnswer(Msg::ResYes);
        Msg::queueAnswer(Msg::ResYes);
        QVERIFY(a.scegli(a.classi, "4B"));
        QVERIFY(!dir.exists("4B"));
        QCOMPARE(dir.read("Classi.dat"), QByteArray("5C\r\n"));
        // Without a pupil list no file is deleted, but the class leaves the list.
        Msg::queueAnswer(Msg::ResYes);
        Msg::queueAnswer(Msg::ResYes);
        QVERIFY(a.scegli(a.classi, "5C"));
        QCOMPARE(contenuto(dir.file("5C")), (QStringList{"Rossi Mario.dat", "Rossi Mario.q1"}));
        QCOMPARE(dir.read("Classi.dat"), QByteArray());
        QCOMPARE(a.classi->count(), 0);
        QCOMPARE(Msg::shown().size(), 9);
        VERIFY_NO_UNANSWERED();
    }

    void deletingAPupilDeletesItsFiveFiles()
    {
        ProgramFolder dir;
        dir.write("Classi.dat", "3A\r\n");
        scriviClasse(dir, "3A", kTrePupilli);
        for (const char *f : {"Rossi Mario.q1", "Rossi Mario.q2", "rossi mario.Q3", "Rossi Mario.q4", "Rossi Mario.dat",
                              "Rossi Mario.txt", "Rossi Marioa.q1", "Verdi Luca.q1", "Verdi Luca.dat", "3A_Finalità.txt"})
            dir.write(QStringLiteral("3A/") + QString::fromUtf8(f), "x");
        Archivi a;
        QVERIFY(a.apri());
        a.apriClasse("3A");

        Msg::queueAnswer(Msg::ResNo);
        QVERIFY(a.scegli(a.alunni, "Rossi Mario"));
        QCOMPARE(ultimoMessaggio(), messaggio("Vuoi eliminare l'alunno dall'elenco ?", "Eliminazione alunno",
                                              Msg::Question, Msg::YesNo, Msg::ResNo));
        QCOMPARE(a.alunni->text(), QString());
        QCOMPARE(dir.read("3A/ALUNNI.3A"), kTrePupilli);
        QCOMPARE(contenuto(dir.file("3A")).size(), 11);

        Msg::queueAnswer(Msg::ResYes);
        QVERIFY(a.scegli(a.alunni, "Rossi Mario"));
        QCOMPARE(dir.read("3A/ALUNNI.3A"), QByteArray("Bianchi Anna\r\n 0 \r\nVerdi Luca\r\n 1 \r\n"));
        QCOMPARE(contenuto(dir.file("3A")), (QStringList{QString::fromUtf8("3A_Finalità.txt"), "ALUNNI.3A", "Rossi Mario.txt",
                                                         "Rossi Marioa.q1", "Verdi Luca.dat", "Verdi Luca.q1"}));
        QCOMPARE(a.alunni->items(), (QStringList{"Bianchi Anna", "Verdi Luca"}));
        QCOMPARE(CarQuad::FileAlunno, QStringLiteral("Rossi Mario"));
        QCOMPARE(CarQuad::FileAlunni, QStringLiteral("ALUNNI.3A"));
        QCOMPARE(Paths::currentFolder(), dir.file("3A"));
        QVERIFY(a.haFuoco(a.alunni));
        QCOMPARE(Msg::shown().size(), 2);
        VERIFY_NO_UNANSWERED();
    }

    void missingClassFolderOrPupilList()
    {
        ProgramFolder dir;
        dir.write("Classi.dat", "3A\r\n4B\r\n");
        dir.mkdir("4B");
        Archivi a;
        QVERIFY(a.apri());
        a.apriClasse("3A");
        QCOMPARE(a.alunni->count(), 0);
        Msg::queueAnswer(Msg::ResOk);
        a.scrivi(a.alunni, "Rossi Mario");
        Msg::queueAnswer(Msg::ResOk);
        a.clicca(a.maschio);
        QCOMPARE(ultimoMessaggio(), messaggio("Impossibile eseguire l'operazione.\n\r La cartella non esiste.",
                                              "Archivi", Msg::Critical));
        QCOMPARE(a.alunni->text(), QString());
        QCOMPARE(a.alunni->count(), 0);
        QCOMPARE(contenuto(dir.path()), (QStringList{"4B/", "Classi.dat"}));
        // A folder without its list: an empty list.
        a.apriClasse("4B");
        a.aggiungi("Rossi Mario", true);
        QCOMPARE(dir.read("4B/ALUNNI.4B"), QByteArray("Rossi Mario\r\n 1 \r\n"));
        QCOMPARE(a.alunni->items(), QStringList{"Rossi Mario"});
        VERIFY_NO_UNANSWERED();
    }

    void theMainMenuOpensItAndWorkIsFoundAfterARestart()
    {
        ProgramFolder dir;
        dir.write("Anno.dat", "2026/27\r\n");
        Form *menu = startProgram();
        Archivi a;
        // Closing by the title bar does what the exit button does.
        clickAt(archiviDelMenu(menu));
        QVERIFY(a.trova());
        QVERIFY(a.w->isVisible() && !menu->isVisible());
        a.w->close();
        QVERIFY(menu->isVisible());
        QVERIFY(!Forms::isLoaded("frmModifica"));

        clickAt(archiviDelMenu(menu));
        QVERIFY(a.trova());
        QTRY_VERIFY(a.w->isActiveWindow() && a.haFuoco(a.classi));
        a.scrivi(a.classi, "5B");
        a.apriClasse(QString::fromUtf8("3ª A"));
        a.aggiungi(QString::fromUtf8("D'Angelo Niccolò"), true);
        a.aggiungi("Bianchi Anna", false);
        // Typed and left for the exit button, a class is made as when leaving by Tab.
        a.scrivi(a.classi, "1C", Qt::Key_unknown);
        clickAt(a.fine);
        QVERIFY(!Forms::isLoaded("frmModifica"));
        QVERIFY(menu->isVisible());
        QCOMPARE(dir.read("Classi.dat"), ansi("1C\r\n3ª A\r\n5B\r\n"));
        QCOMPARE(dir.read(QString::fromUtf8("3ª A/ALUNNI.3ª A")), ansi("Bianchi Anna\r\n 0 \r\nD'Angelo Niccolò\r\n 1 \r\n"));

        Forms::resetAll();
        CarQuad::reset();
        clickAt(archiviDelMenu(startProgram()));
        QVERIFY(a.trova());
        QTRY_VERIFY(a.w->isActiveWindow() && a.haFuoco(a.classi));
        QCOMPARE(a.classi->items(), (QStringList{"1C", QString::fromUtf8("3ª A"), "5B"}));
        Msg::queueAnswer(Msg::ResNo);
        QVERIFY(a.scegli(a.classi, QString::fromUtf8("3ª A")));
        QVERIFY(a.haFuoco(a.alunni));
        QCOMPARE(a.alunni->items(), (QStringList{"Bianchi Anna", QString::fromUtf8("D'Angelo Niccolò")}));
        QCOMPARE(a.alunni->itemData(0), 0);
        QCOMPARE(a.alunni->itemData(1), 1);
        VERIFY_NO_UNANSWERED();
    }
};

QUADERLO_TEST_MAIN(TestFrmModifica)
#include "tst_frmModifica.moc"
