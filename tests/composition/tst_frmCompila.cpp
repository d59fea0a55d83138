#include "CompilaSupport.h"
#include "platform/Paths.h"

#include <QApplication>
#include <QFrame>
#include <QWheelEvent>

using namespace Compila;

class TestFrmCompila : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { VERIFY_NO_UNANSWERED(); QCOMPARE(Msg::pendingAnswers(), 0); }

    // Two pupils composed, corrected and saved in both views; after leaving, every text and tick is back.
    void composeCorrectSaveAndComeBack()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        frmCompila *f = apriDalMenu();
        QVERIFY(f && f->isVisible() && !window("frmSplash")->isVisible());
        QVERIFY(schedeGiudizi()->tabText(1) == "Finalità" && schedeQuadri()->tabText(3) == "Val. 2° Q.");
        QCOMPARE(voci(classe()), (QStringList{"3A", "4B"}));
        QVERIFY(!c("cmdOkTestoGiudizio")->isEnabled() && !c("cmdSalvaTesto")->isEnabled() && !schedeQuadri()->isVisible());
        // The frame stays centred.
        auto *frame = c<QFrame>("Frame1");
        for (const QSize s : {QSize(1200, 900), QSize(1000, 760)}) {
            f->resize(s);
            QTRY_VERIFY(qAbs(2 * frame->x() + frame->width() - f->width()) <= 1);
            QVERIFY(qAbs(2 * frame->y() + frame->height() - f->height()) <= 1);
        }

        QVERIFY(scegli(classe(), "3A") && scegli(alunno(), "Bianchi Anna"));
        QCOMPARE(voci(alunno()), (QStringList{"Bianchi Anna", "Rossi Mario"}));
        QCOMPARE(c<QLabel>("Label1")->text(), "Femminile");
        // No section shown yet: the first one comes up.
        QCOMPARE(schedeGiudizi()->currentIndex(), 0);
        QCOMPARE(lista(0)->item(0)->text(), "1=Bianchi Anna si è mostrata attenta");
        componi(0, {3, 2, 1, 0});
        QCOMPARE(testo()->toPlainText(), "Bianchi Anna si è mostrata attenta, partecipe\nHa lavorato con impegno e con costanza.");
        const QByteArray q1 = ansi("Bianchi Anna si è mostrata attenta, partecipe\r\nHa lavorato con impegno e con costanza.");
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), q1 + "\r\n");
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), "0 1 2 3 \r\n\r\n\r\n\r\n");
        QVERIFY(!c("cmdOkTestoGiudizio")->isEnabled() && !c("cmdSalvaTesto")->isEnabled());
        // A correction, saved.
        aggiungi(testo(), " Brava!");
        clic("cmdSalvaTesto");
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), q1 + " Brava!\r\n");

        // Section 2 by its tab.
        clickTab(schedeGiudizi(), 1);
        QCOMPARE(CarQuad::EstensioneQuadro, ".q2");
        QCOMPARE(lista(1)->item(2)->text(), "Altro<=Bianchi Anna sarà seguita con attenzione.");
        componi(1, {2, 0});
        const QByteArray q2 = ansi("Favorire la socializzazione\r\nBianchi Anna sarà seguita con attenzione.");
        QCOMPARE(dir.read("3A/Bianchi Anna.q2"), q2 + "\r\n");
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), "0 1 2 3 \r\n0 2 \r\n\r\n\r\n");
        // Back on section 1 the ticks come back and the text box is empty.
        clickTab(schedeGiudizi(), 0);
        QCOMPARE(spuntate(lista(0)), (QList<int>{0, 1, 2, 3}));
        QVERIFY(testo()->toPlainText().isEmpty());

        // The editing view opens on the same tab; saving there writes all four sections.
        clickTab(schedeGiudizi(), 1);
        clic("cmdCaricaTesto");
        QVERIFY(schedeQuadri()->isVisible() && !schedeGiudizi()->isVisible() && CarQuad::ModoModifica == 1);
        QVERIFY(!c("cmdSalvaTestoModificato")->isEnabled() && c("cmdFineStampa")->isVisible());
        QCOMPARE(schedeQuadri()->currentIndex(), 1);
        const QString t1 = "Bianchi Anna si è mostrata attenta, partecipe\nHa lavorato con impegno e con costanza. Brava!";
        QCOMPARE(txtQ(1)->toPlainText(), t1);
        QCOMPARE(txtQ(2)->toPlainText(), "Favorire la socializzazione\nBianchi Anna sarà seguita con attenzione.");
        aggiungi(txtQ(2), " Ottimo.");
        clic("cmdSalvaTestoModificato");
        QCOMPARE(dir.read("3A/Bianchi Anna.q2"), q2 + " Ottimo.\r\n");
        QCOMPARE(dir.read("3A/Bianchi Anna.q3") + dir.read("3A/Bianchi Anna.q4"), "\r\n\r\n");

        // The third tab in front goes across both ways; the texts lose the preview's colour.
        f->coloraTesti(3);
        clickTab(schedeQuadri(), 2);
        clic("cmdFineStampa");
        QVERIFY(CarQuad::ModoModifica == 0 && schedeGiudizi()->isVisible() && !c("cmdFineStampa")->isVisible());
        QVERIFY(schedeGiudizi()->currentIndex() == 2 && CarQuad::EstensioneQuadro == ".q3");
        QCOMPARE(lista(2)->item(1)->text(), "No=Bianchi Anna non è ancora pronta");
        QCOMPARE(txtQ(3)->palette().color(QPalette::Text), QColor(Qt::black));
        clic("cmdCaricaTesto");
        QCOMPARE(schedeQuadri()->currentIndex(), 2);

        // Another pupil in the editing view: his texts, still in the editing view.
        QVERIFY(scegli(alunno(), "Rossi Mario"));
        QVERIFY(c<QLabel>("Label1")->text() == "Maschile" && schedeQuadri()->isVisible());
        for (int n = 1; n <= 4; ++n)
            QVERIFY(txtQ(n)->toPlainText().isEmpty());
        clic("cmdFineStampa");
        clickTab(schedeGiudizi(), 3);
        componi(3, {0, 1});
        QCOMPARE(dir.read("3A/Rossi Mario.q4"), "Ottimo il percorso di Rossi Mario, sempre sereno\r\n");
        QCOMPARE(dir.read("3A/Rossi Mario.dat"), "\r\n\r\n\r\n0 1 \r\n");

        // Leaving goes back to the main menu, enabled again; coming back, every text and tick as left.
        Form *menu = window("frmSplash");
        menu->setEnabled(false);
        clic("cmdFineLavoro");
        QTRY_VERIFY(!Forms::isLoaded("frmCompila"));
        QVERIFY(menu->isVisible() && menu->isEnabled() && CarQuad::ModoPreselezione == 0);
        QVERIFY(apriDalMenu() && scegli(classe(), "3A"));
        const struct {
            const char *alunno;
            QList<QList<int>> spunte;
        } attesi[] = {{"Rossi Mario", {{}, {}, {}, {0, 1}}}, {"Bianchi Anna", {{0, 1, 2, 3}, {0, 2}, {}, {}}}};
        for (const auto &a : attesi) {
            QVERIFY(scegli(alunno(), a.alunno));
            for (int q = 0; q < 4; ++q) {
                clickTab(schedeGiudizi(), q);
                QCOMPARE(spuntate(lista(q)), a.spunte[q]);
            }
        }
        clic("cmdCaricaTesto");
        QCOMPARE(txtQ(1)->toPlainText(), t1);
        QCOMPARE(txtQ(2)->toPlainText(), "Favorire la socializzazione\nBianchi Anna sarà seguita con attenzione. Ottimo.");
        QVERIFY(scegli(alunno(), "Rossi Mario"));
        QCOMPARE(txtQ(4)->toPlainText(), "Ottimo il percorso di Rossi Mario, sempre sereno");
        QVERIFY(txtQ(1)->toPlainText().isEmpty() && !c("cmdSalvaTestoModificato")->isEnabled());
        QVERIFY(Msg::shown().isEmpty());
        // The title bar does what the exit button does.
        finestra()->close();
        QTRY_VERIFY(!Forms::isLoaded("frmCompila"));
        QVERIFY(menu->isVisible());
    }

    void saveQuestionAtEveryMoment()
    {
        ProgramFolder dir;
        QVERIFY(apri(dir));
        QVERIFY(QTest::qWaitForWindowActive(finestra()));
        const QByteArray q1 = ansi("Bianchi Anna si è mostrata attenta");
        // Class box dropped down, Yes: saved.
        componi(0, {0});
        aggiungi(testo(), " A");
        rispondi({Msg::ResYes});
        apriEChiudi(classe());
        QCOMPARE(quanteDomande(), 1);
        QCOMPARE(ultimo().text, "Il testo del giudizio è stato modificato. Desideri salvarlo ?");
        QVERIFY(ultimo().icon == Msg::Exclamation && ultimo().buttons == Msg::YesNo && ultimo().defaultButton == Msg::ResYes);
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), q1 + " A\r\n");
        QVERIFY(!c("cmdSalvaTesto")->isEnabled() && lista(0)->count() == 0);

        // Keys on the closed pupil box open its list instead of changing the pupil.
        QVERIFY(scegli(alunno(), "Bianchi Anna"));
        spunta(lista(0), 0); // unticks the recorded phrase
        rispondi({Msg::ResYes}); // the stored text was corrected by hand
        componi(0, {0});
        aggiungi(testo(), " B");
        QCOMPARE(finestra()->focusWidget(), static_cast<QWidget *>(testo()));
        rispondi({Msg::ResNo});
        alunno()->setFocus();
        QTest::keyClick(alunno(), Qt::Key_Down);
        QCOMPARE(quanteDomande(), 2);
        QTRY_VERIFY(alunno()->view()->isVisible());
        // No: the change is forgotten.
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), q1 + "\r\n");
        QVERIFY(!c("cmdSalvaTesto")->isEnabled() && testo()->toPlainText().isEmpty() && lista(0)->count() == 0);
        alunno()->view()->setCurrentIndex(alunno()->model()->index(0, 0));
        QTest::keyClick(alunno()->view(), Qt::Key_Return);
        QTRY_VERIFY(!alunno()->view()->isVisible());
        QVERIFY(alunno()->currentText() == "Bianchi Anna" && lista(0)->count() == 4);

        // A section shown by its tab, Yes.
        clic("cmdOkTestoGiudizio");
        aggiungi(testo(), " C");
        rispondi({Msg::ResYes});
        clickTab(schedeGiudizi(), 1);
        QCOMPARE(quanteDomande(), 3);
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), q1 + " C\r\n");
        QCOMPARE(CarQuad::EstensioneQuadro, ".q2");

        // A click in the list with a correction not saved, Yes.
        componi(1, {0});
        aggiungi(testo(), " D");
        rispondi({Msg::ResYes});
        spunta(lista(1), 1);
        QCOMPARE(quanteDomande(), 4);
        QCOMPARE(dir.read("3A/Bianchi Anna.q2"), "Favorire la socializzazione D\r\n");
        QVERIFY(testo()->toPlainText().isEmpty() && c("cmdOkTestoGiudizio")->isEnabled());

        // Going to the editing view, Yes: the editing view shows the saved text.
        rispondi({Msg::ResYes}); // replaces the text corrected by hand
        clic("cmdOkTestoGiudizio");
        aggiungi(testo(), " E");
        rispondi({Msg::ResYes});
        clic("cmdCaricaTesto");
        QCOMPARE(quanteDomande(), 5);
        QCOMPARE(txtQ(2)->toPlainText(), "Favorire la socializzazione attraverso il gioco. E");

        // Back to the composition view, No.
        aggiungi(txtQ(2), " F");
        rispondi({Msg::ResNo});
        clic("cmdFineStampa");
        QCOMPARE(quanteDomande(), 6);
        QCOMPARE(dir.read("3A/Bianchi Anna.q2"), "Favorire la socializzazione attraverso il gioco. E\r\n");
        QVERIFY(!c("cmdSalvaTestoModificato")->isEnabled() && schedeGiudizi()->isVisible());

        // Pupil box dropped down in the editing view, Yes: all four written.
        clic("cmdCaricaTesto");
        aggiungi(txtQ(3), "Nuovo");
        rispondi({Msg::ResYes});
        QVERIFY(scegli(alunno(), "Rossi Mario"));
        QCOMPARE(quanteDomande(), 7);
        QCOMPARE(dir.read("3A/Bianchi Anna.q3") + dir.read("3A/Bianchi Anna.q4"), "Nuovo\r\n\r\n");
        QVERIFY(txtQ(3)->toPlainText().isEmpty());

        // A click on the class box: its focus runs the drop-down, with the question, once; No: nothing written.
        aggiungi(txtQ(1), "Provvisorio");
        rispondi({Msg::ResNo});
        clickAt(classe());
        QCOMPARE(quanteDomande(), 8);
        QTRY_VERIFY(classe()->view()->isVisible());
        QTest::keyClick(classe()->view(), Qt::Key_Escape);
        QVERIFY(!dir.exists("3A/Rossi Mario.q1") && txtQ(1)->toPlainText().isEmpty());
        QVERIFY(alunno()->count() == 0 && CarQuad::RicaricaAlunni);
        // Without a change there is no question.
        apriEChiudi(classe());
        QCOMPARE(quanteDomande(), 8);
        // The wheel over a closed box changes nothing.
        QWheelEvent wheel(QPointF(5, 5), classe()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(classe(), &wheel);
        QCOMPARE(classe()->currentText(), "3A");
    }

    void warningsWhenNoClassOrPupilIsChosen()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        apriDalMenu();
        // Pupil list with no class.
        rispondi({Msg::ResOk});
        QVERIFY(!scegli(alunno(), "Bianchi Anna"));
        QVERIFY(!alunno()->view()->isVisible());
        const Msg::Shown m = ultimo();
        QCOMPARE(m.text, "Devi scegliere una classe ");
        QVERIFY(m.title == "Attenzione" && m.icon == Msg::Exclamation && m.buttons == Msg::Ok && Msg::beeps() == 1);
        QCOMPARE(finestra()->focusWidget(), static_cast<QWidget *>(classe()));

        // A tab, then the editing view, with no pupil.
        QVERIFY(scegli(classe(), "3A"));
        rispondi({Msg::ResOk, Msg::ResOk});
        clickTab(schedeGiudizi(), 1);
        QCOMPARE(ultimo().text, "Devi scegliere un alunno ");
        QCOMPARE(lista(1)->count(), 0);
        clic("cmdCaricaTesto");
        QCOMPARE(Msg::shown().size(), 3);
        QCOMPARE(ultimo().text, "Devi scegliere un alunno ");
        QVERIFY(!schedeQuadri()->isVisible() && Msg::beeps() == 3);

        // Saving the edited texts once the class box has emptied the pupil box.
        QVERIFY(scegli(alunno(), "Rossi Mario"));
        clic("cmdCaricaTesto");
        apriEChiudi(classe());
        aggiungi(txtQ(1), "x");
        rispondi({Msg::ResOk});
        clic("cmdSalvaTestoModificato");
        QCOMPARE(ultimo().text, "Devi scegliere un alunno ");
        QCOMPARE(Msg::beeps(), 4);
        QVERIFY(!dir.exists("3A/Rossi Mario.q1") && c("cmdSalvaTestoModificato")->isEnabled());
    }

    void classAndPupilListsAsTheFilesHoldThem()
    {
        ProgramFolder dir;
        QVERIFY(apri(dir));
        clickTab(schedeGiudizi(), 2);
        // Another pupil: the section in front; after the class box has been dropped down, section 1.
        QVERIFY(scegli(alunno(), "Rossi Mario"));
        QCOMPARE(schedeGiudizi()->currentIndex(), 2);
        QCOMPARE(lista(2)->item(1)->text(), "No=Rossi Mario non è ancora pronto");
        apriEChiudi(classe());
        QVERIFY(CarQuad::EstensioneQuadro.isEmpty());
        QVERIFY(scegli(alunno(), "Rossi Mario"));
        QCOMPARE(schedeGiudizi()->currentIndex(), 0);
        QCOMPARE(lista(0)->item(0)->text(), "1=Rossi Mario si è mostrato attento");
        // Another class: its own pupils and folder.
        QVERIFY(scegli(classe(), "4B"));
        QCOMPARE(alunno()->count(), 0);
        QVERIFY(scegli(alunno(), "Verdi Luca"));
        QCOMPARE(voci(alunno()), QStringList{"Verdi Luca"});
        componi(0, {0});
        QCOMPARE(dir.read("4B/Verdi Luca.q1"), ansi("Verdi Luca si è mostrato attento\r\n"));
        QVERIFY(!dir.exists("3A/Verdi Luca.q1"));

        // The list is read again only when told to; both lists end at an empty line.
        dir.write("Classi.dat", "3A\r\n\r\n5C\r\n");
        apriEChiudi(classe());
        QCOMPARE(voci(classe()), (QStringList{"3A", "4B"}));
        CarQuad::RicaricaClassi = true;
        apriEChiudi(classe());
        QCOMPARE(voci(classe()), QStringList{"3A"});
        QVERIFY(!CarQuad::RicaricaClassi);
        dir.write("3A/ALUNNI.3A", "Neri Ugo\r\n 2 \r\n\r\n\r\nDopo Vuoto\r\n 1 \r\n");
        QVERIFY(scegli(classe(), "3A") && scegli(alunno(), "Neri Ugo"));
        QCOMPARE(voci(alunno()), QStringList{"Neri Ugo"});
        QCOMPARE(c<QLabel>("Label1")->text(), "Maschile");
        QCOMPARE(CarQuad::FileAlunni, "ALUNNI.3A");

        // A class without its pupil list: empty, and tried again at the next drop-down.
        dir.write("Classi.dat", "5C\r\n");
        dir.mkdir("5C");
        CarQuad::RicaricaClassi = true;
        QVERIFY(scegli(classe(), "5C"));
        apriEChiudi(alunno());
        QVERIFY(alunno()->count() == 0 && CarQuad::RicaricaAlunni);
        dir.write("5C/alunni.5c", "Gialli Eva\r\n 0 \r\n");
        QVERIFY(scegli(alunno(), "Gialli Eva"));
        QCOMPARE(c<QLabel>("Label1")->text(), "Femminile");
        // No class list at all.
        QFile::remove(dir.file("Classi.dat"));
        CarQuad::RicaricaClassi = true;
        apriEChiudi(classe());
        QVERIFY(classe()->count() == 0 && CarQuad::RicaricaClassi);
    }

    void nothingTickedAndIndicesTheListLacks()
    {
        ProgramFolder dir;
        dir.write("3A/Bianchi Anna.dat", "0 9 \r\n3 \r\n");
        QVERIFY(apri(dir));
        QCOMPARE(spuntate(lista(0)), QList<int>{0});
        componi(0, {0});
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), "\r\n");
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), "\r\n3 \r\n\r\n\r\n");
        // OK right after the section is shown, nothing ticked: an empty text and an empty record.
        dir.write("3A/Bianchi Anna.dat", "\r\n2 \r\n");
        clickTab(schedeGiudizi(), 0);
        QVERIFY(spuntate(lista(0)).isEmpty());
        clic("cmdOkTestoGiudizio");
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), "\r\n");
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), "\r\n2 \r\n\r\n\r\n");
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
        QVERIFY(ultimo().icon == Msg::Information && ultimo().title == "Quaderlo");
        QVERIFY(Forms::programEnded() && !Forms::isLoaded("frmCompila"));
    }
};

QUADERLO_TEST_MAIN(TestFrmCompila)
#include "tst_frmCompila.moc"
