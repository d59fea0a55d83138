#include "CompilaSupport.h"
#include "platform/Paths.h"

#include <QApplication>
#include <QDir>
#include <QWheelEvent>

using namespace Compila;

namespace {
// As the utilities window's "Preselezione" button opens it.
frmCompila *apriPreselezione()
{
    startProgram()->hide();
    CarQuad::ModoPreselezione = 1;
    Forms::get(QStringLiteral("frmCompila"))->Form_Load();
    CarQuad::RicaricaClassi = true;
    CarQuad::RicaricaAlunni = true;
    return finestra();
}

QStringList file(const ProgramFolder &dir)
{
    return QDir(dir.path()).entryList({QStringLiteral("presele*"), QStringLiteral("*.q?")}, QDir::Files);
}
// Dark pixels right of the first phrase's check box: its text was drawn.
int puntiScuri(QListWidget *l)
{
    const QRect voce = l->visualItemRect(l->item(0));
    const QImage frase = l->viewport()->grab(voce.adjusted(2 * voce.height(), 0, 0, 0)).toImage();
    int scuri = 0;
    for (int y = 0; y < frase.height(); ++y)
        for (int x = 0; x < frase.width(); ++x)
            scuri += qGray(frase.pixel(x, y)) < 128;
    return scuri;
}
} // namespace

class TestFrmCompila : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { VERIFY_NO_UNANSWERED(); QCOMPARE(Msg::pendingAnswers(), 0); }

    // Two pupils composed, corrected and saved in both views, every byte kept; after leaving, every text and tick is back.
    void composeCorrectSaveAndComeBack()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        dir.write("quadro4.txt", ansi("A=Ottimo\u00a0il percorso\r\nB=, sempre sereno\r\n"));
        frmCompila *f = apriDalMenu();
        QVERIFY(f && scegli(classe(), "3A") && scegli(alunno(), "Bianchi Anna"));
        QVERIFY(voci(alunno()) == QStringList({"Bianchi Anna", "Rossi Mario"}) && c<QLabel>("Label1")->text() == "Femminile");
        // Back to the class box with the keyboard: as when it opens, the pupil is to be chosen again.
        alunno()->setFocus();
        QTest::keyClick(alunno(), Qt::Key_Backtab);
        QTRY_VERIFY(classe()->hasFocus());
        QVERIFY(alunno()->count() == 0 && c<QLabel>("Label1")->text().isEmpty());
        QVERIFY(scegli(alunno(), "Bianchi Anna"));
        // No section shown yet: the first one comes up, each phrase drawn with its text beside the check box.
        QCOMPARE(schedeGiudizi()->currentIndex(), 0);
        QVERIFY(puntiScuri(lista(0)) > 20);
        componi(0, {3, 2, 1, 0});
        const QByteArray q1 = ansi("Bianchi Anna si è mostrata attenta, partecipe\r\nHa lavorato con impegno e con costanza.");
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), q1 + "\r\n");
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), "0 1 2 3 \r\n\r\n\r\n\r\n");
        aggiungi(testo(), " Brava!");
        clic("cmdSalvaTesto");
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), q1 + " Brava!\r\n");

        clickTab(schedeGiudizi(), 1);
        componi(1, {2, 0});
        const QByteArray q2 = ansi("Favorire la socializzazione\r\nBianchi Anna sarà seguita con attenzione.");
        QCOMPARE(dir.read("3A/Bianchi Anna.q2"), q2 + "\r\n");
        clickTab(schedeGiudizi(), 3);
        componi(3, {0});
        QCOMPARE(dir.read("3A/Bianchi Anna.q4"), "Ottimo\xa0il percorso\r\n");
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), "0 1 2 3 \r\n0 2 \r\n\r\n0 \r\n");

        // The editing view opens on the same tab; saving there writes all four sections as the boxes hold them.
        dir.write("3A/Bianchi Anna.q3", "Fine\r\n\r\n");
        clickTab(schedeGiudizi(), 1);
        clic("cmdCaricaTesto");
        QVERIFY(schedeQuadri()->isVisible() && schedeQuadri()->currentIndex() == 1);
        const QString t1 = "Bianchi Anna si è mostrata attenta, partecipe\nHa lavorato con impegno e con costanza. Brava!";
        QCOMPARE(txtQ(1)->toPlainText(), t1);
        aggiungi(txtQ(2), " Ottimo.");
        clic("cmdSalvaTestoModificato");
        QCOMPARE(dir.read("3A/Bianchi Anna.q1") + dir.read("3A/Bianchi Anna.q2"), q1 + " Brava!\r\n" + q2 + " Ottimo.\r\n");
        QCOMPARE(dir.read("3A/Bianchi Anna.q3") + dir.read("3A/Bianchi Anna.q4"), "Fine\r\n\r\nOttimo\xa0il percorso\r\n");

        // The third tab in front goes across both ways.
        clickTab(schedeQuadri(), 2);
        clic("cmdFineStampa");
        QVERIFY(schedeGiudizi()->isVisible() && schedeGiudizi()->currentIndex() == 2 && lista(2)->count() == 3);
        clic("cmdCaricaTesto");
        QCOMPARE(schedeQuadri()->currentIndex(), 2);

        // Leaving with a change, Yes: saved; the main menu comes back, enabled again.
        Form *menu = window("frmSplash");
        menu->setEnabled(false);
        aggiungi(txtQ(3), "!");
        rispondi({Msg::ResYes});
        clic("cmdFineLavoro");
        QTRY_VERIFY(!Forms::isLoaded("frmCompila"));
        QVERIFY(menu->isVisible() && menu->isEnabled() && CarQuad::ModoPreselezione == 0);
        QCOMPARE(dir.read("3A/Bianchi Anna.q3"), "Fine\r\n!\r\n");
        // Coming back, the ticks and texts as left.
        QVERIFY(apriDalMenu() && scegli(classe(), "3A") && scegli(alunno(), "Bianchi Anna"));
        clickTab(schedeGiudizi(), 1);
        QCOMPARE(spuntate(lista(1)), (QList<int>{0, 2}));
        clic("cmdCaricaTesto");
        QCOMPARE(txtQ(1)->toPlainText(), t1);
        // Another pupil in the editing view: his texts, still in the editing view.
        QVERIFY(scegli(alunno(), "Rossi Mario") && schedeQuadri()->isVisible());
        QVERIFY(c<QLabel>("Label1")->text() == "Maschile" && txtQ(1)->toPlainText().isEmpty() && Msg::shown().size() == 1);
        // The title bar does what the exit button does; No: nothing written.
        aggiungi(txtQ(1), "due");
        rispondi({Msg::ResNo});
        finestra()->close();
        QTRY_VERIFY(!Forms::isLoaded("frmCompila"));
        QVERIFY(menu->isVisible() && !dir.exists("3A/Rossi Mario.q1") && quanteDomande() == 2);
    }

    void saveQuestionAtEveryMoment()
    {
        ProgramFolder dir;
        QVERIFY(apri(dir));
        QVERIFY(QTest::qWaitForWindowActive(finestra()));
        // Keys on the closed pupil box open its list instead of changing the pupil; No: the change is forgotten.
        componi(0, {0});
        aggiungi(testo(), " B");
        rispondi({Msg::ResNo});
        alunno()->setFocus();
        QTest::keyClick(alunno(), Qt::Key_Down);
        QCOMPARE(quanteDomande(), 1);
        QCOMPARE(ultimo().text, "Il testo del giudizio è stato modificato. Desideri salvarlo ?");
        QVERIFY(ultimo().buttons == Msg::YesNo && ultimo().defaultButton == Msg::ResYes);
        QTRY_VERIFY(alunno()->view()->isVisible());
        QVERIFY(dir.read("3A/Bianchi Anna.q1") == ansi("Bianchi Anna si è mostrata attenta\r\n") && testo()->toPlainText().isEmpty());
        alunno()->view()->setCurrentIndex(alunno()->model()->index(0, 0));
        QTest::keyClick(alunno()->view(), Qt::Key_Return);
        QTRY_VERIFY(!alunno()->view()->isVisible());
        QVERIFY(alunno()->currentText() == "Bianchi Anna" && lista(0)->count() == 4);
        clickTab(schedeGiudizi(), 1);

        // A click in the list with a correction not saved, Yes.
        componi(1, {0});
        aggiungi(testo(), " D");
        rispondi({Msg::ResYes});
        spunta(lista(1), 1);
        QCOMPARE(quanteDomande(), 2);
        QCOMPARE(dir.read("3A/Bianchi Anna.q2"), "Favorire la socializzazione D\r\n");

        // Going to the editing view, Yes: the editing view shows the saved text.
        rispondi({Msg::ResYes}); // replaces the text corrected by hand
        clic("cmdOkTestoGiudizio");
        aggiungi(testo(), " E");
        rispondi({Msg::ResYes});
        clic("cmdCaricaTesto");
        QVERIFY(quanteDomande() == 3 && txtQ(2)->toPlainText() == "Favorire la socializzazione attraverso il gioco. E");
        // Pupil box dropped down in the editing view, Yes: all four written.
        aggiungi(txtQ(3), "Nuovo");
        rispondi({Msg::ResYes});
        QVERIFY(scegli(alunno(), "Rossi Mario"));
        QCOMPARE(quanteDomande(), 4);
        QCOMPARE(dir.read("3A/Bianchi Anna.q3") + dir.read("3A/Bianchi Anna.q4"), "Nuovo\r\n\r\n");

        // A click on the class box: its focus runs the drop-down, with the question, once; No: nothing written.
        aggiungi(txtQ(1), "Provvisorio");
        rispondi({Msg::ResNo});
        clickAt(classe());
        QCOMPARE(quanteDomande(), 5);
        QTRY_VERIFY(classe()->view()->isVisible());
        QTest::keyClick(classe()->view(), Qt::Key_Escape);
        QVERIFY(!dir.exists("3A/Rossi Mario.q1") && txtQ(1)->toPlainText().isEmpty() && alunno()->count() == 0);
        apriEChiudi(classe());
        QCOMPARE(quanteDomande(), 5);
        // The wheel over a closed box changes nothing.
        QWheelEvent wheel(QPointF(5, 5), classe()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(classe(), &wheel);
        QCOMPARE(classe()->currentText(), "3A");
    }

    void ticksNotConfirmedAndHandCorrectionsAreAskedAbout()
    {
        ProgramFolder dir;
        const QByteArray q1 = ansi("Rossi Mario si è mostrato attento. Ottimo inizio.\r\n");
        dir.write("3A/Rossi Mario.q1", q1);
        QVERIFY(apri(dir, "3A", "Rossi Mario"));
        // Another section, Annulla: the section and its ticks stay.
        spunta(lista(0), 0);
        rispondi({Msg::ResCancel});
        clickTab(schedeGiudizi(), 1);
        QCOMPARE(ultimo().text, "Le frasi scelte nel quadro Sit. Iniziale non sono state confermate con OK. "
                                "Desideri comporre il testo e salvarlo ?");
        QVERIFY(ultimo().buttons == Msg::YesNoCancel && schedeGiudizi()->currentIndex() == 0 && spuntate(lista(0)) == QList<int>{0});
        // Yes composes; the stored text was corrected by hand, which is asked first: No keeps it and moves on.
        rispondi({Msg::ResYes, Msg::ResNo});
        clickTab(schedeGiudizi(), 1);
        QCOMPARE(ultimo().text, "Il testo salvato del quadro Sit. Iniziale è stato corretto a mano. "
                                "Vuoi sostituirlo con le frasi scelte?");
        QVERIFY(ultimo().defaultButton == Msg::ResNo && dir.read("3A/Rossi Mario.q1") == q1 && !dir.exists("3A/Rossi Mario.dat"));
        QCOMPARE(CarQuad::EstensioneQuadro, ".q2");
        // Asked again at the next OK there: Yes replaces it.
        clickTab(schedeGiudizi(), 0);
        rispondi({Msg::ResYes});
        componi(0, {0, 1});
        QVERIFY(Msg::shown().size() == 4 && dir.read("3A/Rossi Mario.dat") == "0 1 \r\n\r\n\r\n\r\n");
        QCOMPARE(dir.read("3A/Rossi Mario.q1"), ansi("Rossi Mario si è mostrato attento, partecipe\r\n"));
        // Another pupil, No: dropped, nothing written.
        clickTab(schedeGiudizi(), 1);
        spunta(lista(1), 0);
        rispondi({Msg::ResNo});
        QVERIFY(scegli(alunno(), "Bianchi Anna") && !dir.exists("3A/Rossi Mario.q2"));
        // Leaving the window, Yes: saved, then the window closes.
        spunta(lista(1), 0);
        rispondi({Msg::ResYes});
        clic("cmdFineLavoro");
        QVERIFY(Msg::shown().size() == 6 && dir.read("3A/Bianchi Anna.q2") == "Favorire la socializzazione\r\n");
        QTRY_VERIFY(!Forms::isLoaded("frmCompila"));
    }

    // A save that fails or is refused keeps the old files and the text to save; the teacher is told.
    void aSaveThatFailsOrIsRefusedKeepsTheText()
    {
        ProgramFolder dir;
        QVERIFY(apri(dir));
        dir.mkdir("3A/Bianchi Anna.q1"); // a folder where the file should go
        rispondi({Msg::ResOk});
        componi(0, {0});
        QVERIFY2(ultimo().text.startsWith("Impossibile salvare il file \"Bianchi Anna.q1\".") && ultimo().title == "Giudizi",
                 qPrintable(ultimo().text));
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), "0 \r\n\r\n\r\n\r\n");
        // The save question answered Yes, the save failing: the class, the section and the text stay.
        rispondi({Msg::ResYes, Msg::ResOk, Msg::ResYes, Msg::ResOk});
        apriEChiudi(classe());
        clickTab(schedeGiudizi(), 2);
        QVERIFY(quanteDomande() == 2 && alunno()->currentText() == "Bianchi Anna" && schedeGiudizi()->currentIndex() == 0);
        QCOMPARE(testo()->toPlainText(), "Bianchi Anna si è mostrata attenta");
        // A character no file can hold: refused, nothing written; corrected, the same button saves.
        QVERIFY(QDir(dir.file("3A")).rmdir("Bianchi Anna.q1"));
        aggiungi(testo(), " Ж");
        rispondi({Msg::ResOk});
        clic("cmdSalvaTesto");
        QVERIFY(ultimo().text.contains(": Ж\n\r") && !dir.exists("3A/Bianchi Anna.q1"));
        testo()->setPlainText("Bianchi Anna 5€");
        clic("cmdSalvaTesto");
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), "Bianchi Anna 5\x80\r\n");

        // Editing view: the section not written is named, the others are written.
        clic("cmdCaricaTesto");
        dir.mkdir("3A/Bianchi Anna.q2");
        aggiungi(txtQ(3), "Terzo");
        rispondi({Msg::ResOk});
        clic("cmdSalvaTestoModificato");
        QVERIFY(ultimo().text.contains("Finalità (Bianchi Anna.q2)") && dir.read("3A/Bianchi Anna.q3") == "Terzo\r\n");
        // Leaving, Yes, one section holding a character no file can hold: nothing written, the window stays.
        QDir(dir.file("3A")).rmdir("Bianchi Anna.q2");
        aggiungi(txtQ(3), "!");
        aggiungi(txtQ(2), "Ω");
        rispondi({Msg::ResYes, Msg::ResOk});
        clic("cmdFineLavoro");
        QVERIFY(ultimo().text.contains("\"Finalità\" contiene caratteri che non si possono salvare: Ω"));
        QVERIFY(finestra()->isVisible() && dir.read("3A/Bianchi Anna.q3") == "Terzo\r\n" && !dir.exists("3A/Bianchi Anna.q2"));
        txtQ(2)->setPlainText("2");
        clic("cmdSalvaTestoModificato");
        QVERIFY(dir.read("3A/Bianchi Anna.q2") + dir.read("3A/Bianchi Anna.q3") == "2\r\nTerzo!\r\n" && Msg::beeps() == 6);
    }

    void pupilFilesNeverLandOutsideTheirClass()
    {
        ProgramFolder dir;
        QVERIFY(apri(dir));
        // The class folder vanishes under the window: nothing is written elsewhere.
        QVERIFY(QDir(dir.path()).rename("3A", "3A-spostata"));
        rispondi({Msg::ResOk});
        componi(0, {0});
        QVERIFY(ultimo().text.contains("\"Bianchi Anna.q1\", \"Bianchi Anna.dat\""));
        const QStringList bianchi{QStringLiteral("Bianchi*")};
        QVERIFY(QDir(dir.path()).entryList(bianchi).isEmpty() && QDir(dir.file("3A-spostata")).entryList(bianchi).isEmpty());
        // The text and the ticks not saved are both asked about.
        rispondi({Msg::ResNo, Msg::ResNo});
        clic("cmdFineLavoro");
        QTRY_VERIFY(!Forms::isLoaded("frmCompila"));
    }
    void warningsWhenNoClassOrPupilIsChosen()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        apriDalMenu();
        rispondi({Msg::ResOk});
        QVERIFY(!scegli(alunno(), "Bianchi Anna") && !alunno()->view()->isVisible());
        QVERIFY(ultimo().text == "Devi scegliere una classe " && ultimo().title == "Attenzione" && Msg::beeps() == 1);
        QCOMPARE(finestra()->focusWidget(), static_cast<QWidget *>(classe()));

        // A tab, then the editing view, with no pupil.
        QVERIFY(scegli(classe(), "3A"));
        rispondi({Msg::ResOk, Msg::ResOk});
        clickTab(schedeGiudizi(), 1);
        QVERIFY(ultimo().text == "Devi scegliere un alunno " && lista(1)->count() == 0);
        clic("cmdCaricaTesto");
        QVERIFY(Msg::shown().size() == 3 && !schedeQuadri()->isVisible() && Msg::beeps() == 3);

        // Saving the edited texts once the class box has emptied the pupil box.
        QVERIFY(scegli(alunno(), "Rossi Mario"));
        clic("cmdCaricaTesto");
        apriEChiudi(classe());
        aggiungi(txtQ(1), "x");
        rispondi({Msg::ResOk});
        clic("cmdSalvaTestoModificato");
        QVERIFY(ultimo().text == "Devi scegliere un alunno " && Msg::beeps() == 4);
        QVERIFY(!dir.exists("3A/Rossi Mario.q1") && c("cmdSalvaTestoModificato")->isEnabled());
    }

    void classAndPupilListsAsTheFilesHoldThem()
    {
        ProgramFolder dir;
        QVERIFY(apri(dir));
        clickTab(schedeGiudizi(), 2);
        // Another pupil: the section in front; after the class box has been dropped down, section 1.
        QVERIFY(scegli(alunno(), "Rossi Mario"));
        QVERIFY(schedeGiudizi()->currentIndex() == 2 && lista(2)->item(1)->text() == "No=Rossi Mario non è ancora pronto");
        apriEChiudi(classe());
        QVERIFY(CarQuad::EstensioneQuadro.isEmpty());
        QVERIFY(scegli(alunno(), "Rossi Mario"));
        QCOMPARE(schedeGiudizi()->currentIndex(), 0);
        // Another class: its own pupils and folder.
        QVERIFY(scegli(classe(), "4B") && alunno()->count() == 0 && scegli(alunno(), "Verdi Luca"));
        QCOMPARE(voci(alunno()), QStringList{"Verdi Luca"});
        componi(0, {0});
        QVERIFY(dir.exists("4B/Verdi Luca.q1") && !dir.exists("3A/Verdi Luca.q1"));

        // The lists are read again only when told to; a class without its pupil list, at every drop-down.
        dir.write("Classi.dat", "5C\r\n");
        dir.mkdir("5C");
        apriEChiudi(classe());
        QCOMPARE(voci(classe()), (QStringList{"3A", "4B"}));
        CarQuad::RicaricaClassi = true;
        QVERIFY(scegli(classe(), "5C"));
        apriEChiudi(alunno());
        QCOMPARE(alunno()->count(), 0); // tried again at the next drop-down
        dir.write("5C/alunni.5c", "Gialli Eva\r\n 2 \r\n");
        QVERIFY(scegli(alunno(), "Gialli Eva"));
        QCOMPARE(c<QLabel>("Label1")->text(), "Maschile");
        QFile::remove(dir.file("Classi.dat"));
        CarQuad::RicaricaClassi = true;
        apriEChiudi(classe());
        QVERIFY(classe()->count() == 0 && CarQuad::RicaricaClassi);
    }

    void programFolderThatCannotBeMadeCurrentEndsTheProgram()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        startProgram();
        Paths::setProgramFolder(dir.file("spostata"));
        rispondi({Msg::ResOk});
        Forms::get(QStringLiteral("frmCompila"))->Form_Load();
        QCOMPARE(ultimo().text, "Il programma e tutti i suoi componenti devono trovarsi nella stessa directory.");
        QVERIFY(Forms::programEnded() && !Forms::isLoaded("frmCompila"));
    }

    void editingThePreselectionThenUsingIt()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        CarQuad::Preselezione(4) = "1 "; // left from an earlier opening: the window starts without it
        QVERIFY(apriPreselezione() && !classe()->isEnabled());

        // A tab without pupil: no message; nothing preselected yet, the file is made by OK.
        clickTab(schedeGiudizi(), 3);
        QVERIFY(Msg::shown().isEmpty() && spuntate(lista(3)).isEmpty());
        componi(3, {0});
        QCOMPARE(dir.read("presele.dat"), "\r\n\r\n\r\n0 \r\n");
        // Changed while the window is open: read again when a tab is clicked. The name stays a placeholder, the ending is "o".
        dir.write("presele.dat", "2 \r\n\r\n1 \r\n\r\n");
        clickTab(schedeGiudizi(), 0);
        QCOMPARE(spuntate(lista(0)), QList<int>{2});
        QVERIFY(puntiScuri(lista(0)) > 20); // no class counts here: the phrases are drawn all the same
        componi(0, {0});
        QCOMPARE(testo()->toPlainText(), "CognomeNome si è mostrato attento\nHa lavorato con impegno");
        // The other sections' lines are written back as read; no section text is written.
        QCOMPARE(dir.read("presele.dat"), "0 2 \r\n\r\n1 \r\n\r\n");
        QCOMPARE(file(dir), QStringList{"presele.dat"});
        aggiungi(testo(), " corretto");
        QVERIFY(!c("cmdSalvaTesto")->isEnabled());

        // Nothing ticked empties that section's preselection.
        clickTab(schedeGiudizi(), 2);
        QCOMPARE(spuntate(lista(2)), QList<int>{1});
        componi(2, {1});
        QCOMPARE(dir.read("presele.dat"), "0 2 \r\n\r\n\r\n\r\n");

        clic("cmdFineLavoro");
        QTRY_VERIFY(!Forms::isLoaded("frmCompila"));
        Form *menu = window("frmSplash");
        QVERIFY(CarQuad::ModoPreselezione == 0 && menu->isVisible() && menu->isEnabled());

        // A pupil: own choice and preselection come up ticked together; index 0 is in both.
        dir.write("3A/Bianchi Anna.dat", "0 \r\n");
        clickAt(control<QPushButton>(menu, QStringLiteral("cmdCompila")));
        QVERIFY(scegli(classe(), "3A") && scegli(alunno(), "Bianchi Anna"));
        QCOMPARE(spuntate(lista(0)), (QList<int>{0, 2}));
        clic("cmdOkTestoGiudizio");
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), "0 2 \r\n\r\n\r\n\r\n");
        // Unticking a preselected phrase for this pupil leaves the preselection as it is.
        componi(0, {2});
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), "0 \r\n\r\n\r\n\r\n");
        QCOMPARE(dir.read("presele.dat"), "0 2 \r\n\r\n\r\n\r\n");
    }
};

QUADERLO_TEST_MAIN(TestFrmCompila)
#include "tst_frmCompila.moc"
