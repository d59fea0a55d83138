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
    void teacherComposesCorrectsAndSaves()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        frmCompila *f = apriDalMenu();
        QVERIFY(f);
        QVERIFY(f->isVisible());
        QVERIFY(!window("frmSplash")->isVisible());
        QCOMPARE(f->windowTitle(), QStringLiteral("Giudizi"));
        const QStringList titoli{QStringLiteral("Sit. Iniziale"), QString::fromUtf8("Finalità"),
                                 QString::fromUtf8("Val. 1° Q."), QString::fromUtf8("Val. 2° Q.")};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(schedeGiudizi()->tabText(i), titoli[i]);
            QCOMPARE(schedeQuadri()->tabText(i), titoli[i]);
        }
        QCOMPARE(CarQuad::Carattere, QStringLiteral("Arial"));
        QCOMPARE(voci(classe()), (QStringList{"3A", "4B"}));
        QCOMPARE(classe()->currentText(), QString());
        QVERIFY(!pulsante("cmdOkTestoGiudizio")->isEnabled());
        QVERIFY(!pulsante("cmdSalvaTesto")->isEnabled());
        QVERIFY(!pulsante("cmdSalvaTestoModificato")->isVisible());
        QVERIFY(!pulsante("cmdSalvaTestoModificato")->isEnabled());
        QVERIFY(!pulsante("cmdFineStampa")->isVisible());
        QVERIFY(!schedeQuadri()->isVisible());

        QVERIFY(scegli(classe(), "3A"));
        QVERIFY(scegli(alunno(), "Bianchi Anna"));
        QCOMPARE(voci(alunno()), (QStringList{"Bianchi Anna", "Rossi Mario"}));
        QCOMPARE(c<QLabel>("Label1")->text(), QStringLiteral("Femminile"));
        // No section shown yet: the first one comes up.
        QCOMPARE(schedeGiudizi()->currentIndex(), 0);
        QCOMPARE(lista(0)->count(), 4);
        QCOMPARE(lista(0)->item(0)->text(), QString::fromUtf8("1=Bianchi Anna si è mostrata attenta"));
        QVERIFY(pulsante("cmdOkTestoGiudizio")->isEnabled());
        for (int i = 3; i >= 0; --i)
            spunta(lista(0), i);
        QCOMPARE(spuntate(lista(0)), (QList<int>{0, 1, 2, 3}));
        clic(pulsante("cmdOkTestoGiudizio"));
        QCOMPARE(testo()->toPlainText(),
                 QString::fromUtf8("Bianchi Anna si è mostrata attenta, partecipe\nHa lavorato con impegno e con costanza."));
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"),
                 ansi("Bianchi Anna si è mostrata attenta, partecipe\r\nHa lavorato con impegno e con costanza.\r\n"));
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), QByteArray("0 1 2 3 \r\n\r\n\r\n\r\n"));
        QVERIFY(!pulsante("cmdOkTestoGiudizio")->isEnabled());
        QVERIFY(!pulsante("cmdSalvaTesto")->isEnabled());

        // A correction, saved.
        aggiungi(testo(), QStringLiteral(" Brava!"));
        QVERIFY(pulsante("cmdSalvaTesto")->isEnabled());
        clic(pulsante("cmdSalvaTesto"));
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"),
                 ansi("Bianchi Anna si è mostrata attenta, partecipe\r\nHa lavorato con impegno e con costanza. Brava!\r\n"));
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), QByteArray("0 1 2 3 \r\n\r\n\r\n\r\n"));
        QVERIFY(!pulsante("cmdSalvaTesto")->isEnabled());

        // Section 2 by its tab.
        clicScheda(schedeGiudizi(), 1);
        QCOMPARE(CarQuad::EstensioneQuadro, QStringLiteral(".q2"));
        QCOMPARE(lista(1)->count(), 3);
        QCOMPARE(lista(1)->item(2)->text(), QString::fromUtf8("Altro<=Bianchi Anna sarà seguita con attenzione."));
        spunta(lista(1), 2);
        spunta(lista(1), 0);
        clic(pulsante("cmdOkTestoGiudizio"));
        QCOMPARE(dir.read("3A/Bianchi Anna.q2"),
                 ansi("Favorire la socializzazione\r\nBianchi Anna sarà seguita con attenzione.\r\n"));
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), QByteArray("0 1 2 3 \r\n0 2 \r\n\r\n\r\n"));
        // Back on section 1 the ticks come back and the text box is empty.
        clicScheda(schedeGiudizi(), 0);
        QCOMPARE(spuntate(lista(0)), (QList<int>{0, 1, 2, 3}));
        QVERIFY(testo()->toPlainText().isEmpty());

        // The editing view, on the same tab.
        clicScheda(schedeGiudizi(), 1);
        clic(pulsante("cmdCaricaTesto"));
        QVERIFY(schedeQuadri()->isVisible());
        QVERIFY(!schedeGiudizi()->isVisible());
        QVERIFY(!testo()->isVisible());
        QCOMPARE(schedeQuadri()->currentIndex(), 1);
        QCOMPARE(CarQuad::ModoModifica, 1);
        QCOMPARE(txtQ(1)->toPlainText(),
                 QString::fromUtf8("Bianchi Anna si è mostrata attenta, partecipe\nHa lavorato con impegno e con costanza. Brava!"));
        QCOMPARE(txtQ(2)->toPlainText(), QString::fromUtf8("Favorire la socializzazione\nBianchi Anna sarà seguita con attenzione."));
        QVERIFY(txtQ(3)->toPlainText().isEmpty());
        QVERIFY(pulsante("cmdSalvaTestoModificato")->isVisible());
        QVERIFY(!pulsante("cmdSalvaTestoModificato")->isEnabled());
        QVERIFY(pulsante("cmdFineStampa")->isVisible() && pulsante("cmdFineStampa")->isEnabled());
        QVERIFY(!pulsante("cmdCaricaTesto")->isVisible());
        QVERIFY(!pulsante("cmdSalvaTesto")->isVisible());
        QVERIFY(pulsante("cmdFineLavoro")->isVisible());

        // Saving from the editing view writes all four sections.
        schedeQuadri()->setCurrentIndex(1);
        aggiungi(txtQ(2), QStringLiteral(" Ottimo."));
        QVERIFY(pulsante("cmdSalvaTestoModificato")->isEnabled());
        clic(pulsante("cmdSalvaTestoModificato"));
        QVERIFY(!pulsante("cmdSalvaTestoModificato")->isEnabled());
        QCOMPARE(dir.read("3A/Bianchi Anna.q2"),
                 ansi("Favorire la socializzazione\r\nBianchi Anna sarà seguita con attenzione. Ottimo.\r\n"));
        QCOMPARE(dir.read("3A/Bianchi Anna.q3"), QByteArray("\r\n"));
        QCOMPARE(dir.read("3A/Bianchi Anna.q4"), QByteArray("\r\n"));
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), QByteArray("0 1 2 3 \r\n0 2 \r\n\r\n\r\n"));

        // The third tab in front goes across both ways.
        f->coloraTesti(3);
        clicScheda(schedeQuadri(), 2);
        clic(pulsante("cmdFineStampa"));
        QCOMPARE(CarQuad::ModoModifica, 0);
        QVERIFY(schedeGiudizi()->isVisible());
        QCOMPARE(schedeGiudizi()->currentIndex(), 2);
        QCOMPARE(CarQuad::EstensioneQuadro, QStringLiteral(".q3"));
        QCOMPARE(lista(2)->item(1)->text(), QString::fromUtf8("No=Bianchi Anna non è ancora pronta"));
        QCOMPARE(txtQ(3)->palette().color(QPalette::Text), QColor(Qt::black));
        QVERIFY(pulsante("cmdCaricaTesto")->isVisible());
        QVERIFY(!pulsante("cmdFineStampa")->isVisible());
        clic(pulsante("cmdCaricaTesto"));
        QCOMPARE(schedeQuadri()->currentIndex(), 2);

        // Another pupil in the editing view: that pupil's texts, still in the editing view.
        QVERIFY(scegli(alunno(), "Rossi Mario"));
        QCOMPARE(c<QLabel>("Label1")->text(), QStringLiteral("Maschile"));
        QVERIFY(schedeQuadri()->isVisible());
        for (int n = 1; n <= 4; ++n)
            QVERIFY(txtQ(n)->toPlainText().isEmpty());
        QVERIFY(Msg::shown().isEmpty());
        VERIFY_NO_UNANSWERED();
    }

    void anotherPupilShowsTheSectionInFront()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        apriDalMenu();
        QVERIFY(scegli(classe(), "3A"));
        QVERIFY(scegli(alunno(), "Bianchi Anna"));
        clicScheda(schedeGiudizi(), 2);
        QVERIFY(scegli(alunno(), "Rossi Mario"));
        QCOMPARE(schedeGiudizi()->currentIndex(), 2);
        QCOMPARE(lista(2)->item(1)->text(), QString::fromUtf8("No=Rossi Mario non è ancora pronto"));
        // Once the class box has been dropped down, a pupil's choice shows section 1 again.
        apriEChiudi(classe());
        QVERIFY(CarQuad::EstensioneQuadro.isEmpty());
        QVERIFY(scegli(alunno(), "Rossi Mario"));
        QCOMPARE(schedeGiudizi()->currentIndex(), 0);
        QCOMPARE(lista(0)->item(0)->text(), QString::fromUtf8("1=Rossi Mario si è mostrato attento"));
        // Another class: its own pupils.
        QVERIFY(scegli(classe(), "4B"));
        QCOMPARE(alunno()->count(), 0);
        QVERIFY(scegli(alunno(), "Verdi Luca"));
        QCOMPARE(voci(alunno()), QStringList{"Verdi Luca"});
        spunta(lista(0), 0);
        clic(pulsante("cmdOkTestoGiudizio"));
        QCOMPARE(dir.read("4B/Verdi Luca.q1"), ansi("Verdi Luca si è mostrato attento\r\n"));
        QVERIFY(!dir.exists("3A/Verdi Luca.q1"));
        VERIFY_NO_UNANSWERED();
    }

    void saveQuestionAtEveryMoment()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        apriDalMenu();
        QVERIFY(scegli(classe(), "3A"));
        QVERIFY(scegli(alunno(), "Bianchi Anna"));
        const QByteArray q1 = ansi("Bianchi Anna si è mostrata attenta");
        auto componi = [](int lst) {
            spunta(lista(lst), 0);
            clic(pulsante("cmdOkTestoGiudizio"));
        };

        // Class box dropped down, Yes: saved.
        componi(0);
        aggiungi(testo(), QStringLiteral(" A"));
        Msg::queueAnswer(Msg::ResYes);
        apriEChiudi(classe());
        QCOMPARE(quanteDomande(), 1);
        const Msg::Shown d = ultimo();
        QCOMPARE(d.text, QString::fromUtf8("Il testo del giudizio è stato modificato. Desideri salvarlo ?"));
        QCOMPARE(d.icon, Msg::Exclamation);
        QCOMPARE(d.buttons, Msg::YesNo);
        QCOMPARE(d.defaultButton, Msg::ResYes);
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), q1 + " A\r\n");
        QVERIFY(!pulsante("cmdSalvaTesto")->isEnabled());
        QCOMPARE(lista(0)->count(), 0);

        // Pupil box dropped down, No: the change is forgotten.
        QVERIFY(scegli(alunno(), "Bianchi Anna"));
        spunta(lista(0), 0); // unticks the recorded phrase
        spunta(lista(0), 0);
        Msg::queueAnswer(Msg::ResYes); // the stored text was corrected by hand
        clic(pulsante("cmdOkTestoGiudizio"));
        aggiungi(testo(), QStringLiteral(" B"));
        Msg::queueAnswer(Msg::ResNo);
        apriEChiudi(alunno());
        QCOMPARE(quanteDomande(), 2);
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), q1 + "\r\n");
        QVERIFY(!pulsante("cmdSalvaTesto")->isEnabled());
        QVERIFY(testo()->toPlainText().isEmpty());

        // A section shown by its tab, Yes.
        clicScheda(schedeGiudizi(), 0);
        clic(pulsante("cmdOkTestoGiudizio"));
        aggiungi(testo(), QStringLiteral(" C"));
        Msg::queueAnswer(Msg::ResYes);
        clicScheda(schedeGiudizi(), 1);
        QCOMPARE(quanteDomande(), 3);
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), q1 + " C\r\n");
        QCOMPARE(CarQuad::EstensioneQuadro, QStringLiteral(".q2"));

        // A click in the list with a correction not saved, Yes.
        componi(1);
        aggiungi(testo(), QStringLiteral(" D"));
        Msg::queueAnswer(Msg::ResYes);
        spunta(lista(1), 1);
        QCOMPARE(quanteDomande(), 4);
        QCOMPARE(dir.read("3A/Bianchi Anna.q2"), QByteArray("Favorire la socializzazione D\r\n"));
        QVERIFY(testo()->toPlainText().isEmpty());
        QVERIFY(pulsante("cmdOkTestoGiudizio")->isEnabled());

        // Going to the editing view, Yes: the editing view shows the saved text.
        Msg::queueAnswer(Msg::ResYes); // replaces the text corrected by hand
        clic(pulsante("cmdOkTestoGiudizio"));
        aggiungi(testo(), QStringLiteral(" E"));
        Msg::queueAnswer(Msg::ResYes);
        clic(pulsante("cmdCaricaTesto"));
        QCOMPARE(quanteDomande(), 5);
        QCOMPARE(txtQ(2)->toPlainText(), QStringLiteral("Favorire la socializzazione attraverso il gioco. E"));

        // Back to the composition view, No.
        aggiungi(txtQ(2), QStringLiteral(" F"));
        Msg::queueAnswer(Msg::ResNo);
        clic(pulsante("cmdFineStampa"));
        QCOMPARE(quanteDomande(), 6);
        QCOMPARE(dir.read("3A/Bianchi Anna.q2"), QByteArray("Favorire la socializzazione attraverso il gioco. E\r\n"));
        QVERIFY(!pulsante("cmdSalvaTestoModificato")->isEnabled());
        QVERIFY(schedeGiudizi()->isVisible());

        // Pupil box dropped down in the editing view, Yes: all four written.
        clic(pulsante("cmdCaricaTesto"));
        aggiungi(txtQ(3), QStringLiteral("Nuovo"));
        Msg::queueAnswer(Msg::ResYes);
        QVERIFY(scegli(alunno(), "Rossi Mario"));
        QCOMPARE(quanteDomande(), 7);
        QCOMPARE(dir.read("3A/Bianchi Anna.q3"), QByteArray("Nuovo\r\n"));
        QCOMPARE(dir.read("3A/Bianchi Anna.q4"), QByteArray("\r\n"));
        QVERIFY(txtQ(3)->toPlainText().isEmpty());

        // Class box dropped down in the editing view, No: nothing written for Rossi Mario.
        aggiungi(txtQ(1), QStringLiteral("Provvisorio"));
        Msg::queueAnswer(Msg::ResNo);
        apriEChiudi(classe());
        QCOMPARE(quanteDomande(), 8);
        QVERIFY(!dir.exists("3A/Rossi Mario.q1"));
        QVERIFY(txtQ(1)->toPlainText().isEmpty());
        // Without a change there is no question.
        apriEChiudi(classe());
        QCOMPARE(quanteDomande(), 8);
        QCOMPARE(Msg::pendingAnswers(), 0);
        VERIFY_NO_UNANSWERED();
    }

    void focusAndKeysGoThroughTheDropDown()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        frmCompila *f = apriDalMenu();
        QVERIFY(QTest::qWaitForWindowActive(f));
        QVERIFY(scegli(classe(), "3A"));
        QVERIFY(scegli(alunno(), "Bianchi Anna"));
        spunta(lista(0), 0);
        clic(pulsante("cmdOkTestoGiudizio"));
        aggiungi(testo(), QStringLiteral(" x"));
        QCOMPARE(f->focusWidget(), static_cast<QWidget *>(testo()));

        // Keys on the closed pupil box open its list instead of changing the pupil.
        Msg::queueAnswer(Msg::ResNo);
        alunno()->setFocus();
        QTest::keyClick(alunno(), Qt::Key_Down);
        QCOMPARE(quanteDomande(), 1);
        QTRY_VERIFY(alunno()->view()->isVisible());
        QCOMPARE(lista(0)->count(), 0);
        alunno()->view()->setCurrentIndex(alunno()->model()->index(0, 0));
        QTest::keyClick(alunno()->view(), Qt::Key_Return);
        QTRY_VERIFY(!alunno()->view()->isVisible());
        QCOMPARE(alunno()->currentText(), QStringLiteral("Bianchi Anna"));
        QCOMPARE(lista(0)->count(), 4);

        // A click on the class box: its focus runs the drop-down, with the save question, once.
        clic(pulsante("cmdOkTestoGiudizio"));
        aggiungi(testo(), QStringLiteral("y"));
        Msg::queueAnswer(Msg::ResYes);
        clickAt(classe());
        QCOMPARE(quanteDomande(), 2);
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), ansi("Bianchi Anna si è mostrata attentay\r\n"));
        QTRY_VERIFY(classe()->view()->isVisible());
        QTest::keyClick(classe()->view(), Qt::Key_Escape);
        QCOMPARE(alunno()->count(), 0);
        QVERIFY(CarQuad::RicaricaAlunni);
        // The wheel over a closed box changes nothing.
        QWheelEvent wheel(QPointF(5, 5), classe()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(classe(), &wheel);
        QCOMPARE(classe()->currentText(), QStringLiteral("3A"));
        VERIFY_NO_UNANSWERED();
    }

    void warningsWhenNoClassOrPupilIsChosen()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        apriDalMenu();
        // Pupil list with no class.
        Msg::queueAnswer(Msg::ResOk);
        QVERIFY(!scegli(alunno(), "Bianchi Anna"));
        QVERIFY(!alunno()->view()->isVisible());
        Msg::Shown m = ultimo();
        QCOMPARE(m.text, QStringLiteral("Devi scegliere una classe "));
        QCOMPARE(m.title, QStringLiteral("Attenzione"));
        QCOMPARE(m.icon, Msg::Exclamation);
        QCOMPARE(m.buttons, Msg::Ok);
        QCOMPARE(Msg::beeps(), 1);
        QCOMPARE(finestra()->focusWidget(), static_cast<QWidget *>(classe()));

        // A tab, then the editing view, with no pupil.
        QVERIFY(scegli(classe(), "3A"));
        Msg::queueAnswer(Msg::ResOk);
        clicScheda(schedeGiudizi(), 1);
        QCOMPARE(ultimo().text, QStringLiteral("Devi scegliere un alunno "));
        QCOMPARE(lista(1)->count(), 0);
        Msg::queueAnswer(Msg::ResOk);
        clic(pulsante("cmdCaricaTesto"));
        QCOMPARE(ultimo().text, QStringLiteral("Devi scegliere un alunno "));
        QVERIFY(!schedeQuadri()->isVisible());
        QCOMPARE(Msg::beeps(), 3);

        // Saving the edited texts once the class box has emptied the pupil box.
        QVERIFY(scegli(alunno(), "Rossi Mario"));
        clic(pulsante("cmdCaricaTesto"));
        apriEChiudi(classe());
        aggiungi(txtQ(1), QStringLiteral("x"));
        Msg::queueAnswer(Msg::ResOk);
        clic(pulsante("cmdSalvaTestoModificato"));
        QCOMPARE(ultimo().text, QStringLiteral("Devi scegliere un alunno "));
        QCOMPARE(Msg::beeps(), 4);
        QVERIFY(!dir.exists("3A/Rossi Mario.q1"));
        QVERIFY(pulsante("cmdSalvaTestoModificato")->isEnabled());
        VERIFY_NO_UNANSWERED();
    }

    void classAndPupilListsAsTheFilesHoldThem()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        dir.write("Classi.dat", "3A\r\n\r\n4B\r\n");
        dir.write("3A/ALUNNI.3A", "Neri Ugo\r\n 2 \r\n\r\n\r\nDopo Vuoto\r\n 1 \r\n");
        dir.mkdir("5C");
        apriDalMenu();
        QCOMPARE(voci(classe()), QStringList{"3A"});
        QVERIFY(!CarQuad::RicaricaClassi);
        QVERIFY(scegli(classe(), "3A"));
        QVERIFY(scegli(alunno(), "Neri Ugo"));
        QCOMPARE(voci(alunno()), QStringList{"Neri Ugo"});
        QCOMPARE(c<QLabel>("Label1")->text(), QStringLiteral("Maschile"));
        QCOMPARE(CarQuad::FileAlunni, QStringLiteral("ALUNNI.3A"));

        // The list is read again only when told to.
        dir.write("Classi.dat", "3A\r\n5C\r\n");
        apriEChiudi(classe());
        QCOMPARE(voci(classe()), QStringList{"3A"});
        CarQuad::RicaricaClassi = true;
        apriEChiudi(classe());
        QCOMPARE(voci(classe()), (QStringList{"3A", "5C"}));

        // A class without its pupil list: empty, and tried again at the next drop-down.
        QVERIFY(scegli(classe(), "5C"));
        apriEChiudi(alunno());
        QCOMPARE(alunno()->count(), 0);
        QVERIFY(CarQuad::RicaricaAlunni);
        dir.write("5C/alunni.5c", "Gialli Eva\r\n 0 \r\n");
        QVERIFY(scegli(alunno(), "Gialli Eva"));
        QCOMPARE(c<QLabel>("Label1")->text(), QStringLiteral("Femminile"));

        // No class list at all.
        QFile::remove(dir.file("Classi.dat"));
        CarQuad::RicaricaClassi = true;
        apriEChiudi(classe());
        QCOMPARE(classe()->count(), 0);
        QVERIFY(CarQuad::RicaricaClassi);
        VERIFY_NO_UNANSWERED();
    }

    void nothingTickedAndIndicesTheListLacks()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        dir.write("3A/Bianchi Anna.dat", "0 9 \r\n3 \r\n");
        apriDalMenu();
        QVERIFY(scegli(classe(), "3A"));
        QVERIFY(scegli(alunno(), "Bianchi Anna"));
        QCOMPARE(spuntate(lista(0)), QList<int>{0});
        spunta(lista(0), 0);
        clic(pulsante("cmdOkTestoGiudizio"));
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), QByteArray("\r\n"));
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), QByteArray("\r\n3 \r\n\r\n\r\n"));
        // An index the list lacks is left out of the next record.
        dir.write("3A/Bianchi Anna.dat", "1 9 \r\n");
        clicScheda(schedeGiudizi(), 0);
        QCOMPARE(spuntate(lista(0)), QList<int>{1});
        spunta(lista(0), 3);
        Msg::queueAnswer(Msg::ResYes); // the stored empty text is not what "1 " assembles
        clic(pulsante("cmdOkTestoGiudizio"));
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), QByteArray("1 3 \r\n\r\n\r\n\r\n"));
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), QByteArray(", partecipe e con costanza.\r\n"));
        // OK right after the section is shown, nothing ticked: an empty text and an empty record.
        dir.write("3A/Bianchi Anna.dat", "\r\n2 \r\n");
        clicScheda(schedeGiudizi(), 0);
        QVERIFY(spuntate(lista(0)).isEmpty());
        Msg::queueAnswer(Msg::ResYes); // the stored text is not what its empty record assembles
        clic(pulsante("cmdOkTestoGiudizio"));
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), QByteArray("\r\n"));
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), QByteArray("\r\n2 \r\n\r\n\r\n"));
        VERIFY_NO_UNANSWERED();
    }

    void frameStaysCentredAndLeavingReturnsToTheMenu()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        frmCompila *f = apriDalMenu();
        auto *frame = c<QFrame>("Frame1");
        for (const QSize s : {QSize(1200, 900), QSize(1000, 760)}) {
            f->resize(s);
            QTRY_COMPARE(frame->geometry().center().x(), f->rect().center().x());
            QCOMPARE(frame->x(), qRound((f->width() - frame->width()) / 2.0));
            QCOMPARE(frame->y(), qRound((f->height() - frame->height()) / 2.0));
        }

        Form *menu = window("frmSplash");
        menu->setEnabled(false);
        clic(pulsante("cmdFineLavoro"));
        QTRY_VERIFY(!Forms::isLoaded("frmCompila"));
        QVERIFY(menu->isVisible() && menu->isEnabled());
        QCOMPARE(CarQuad::ModoPreselezione, 0);
        // The title bar does what the exit button does.
        f = apriDalMenu();
        QVERIFY(f && f->isVisible());
        f->close();
        QTRY_VERIFY(!Forms::isLoaded("frmCompila"));
        QVERIFY(menu->isVisible());
        VERIFY_NO_UNANSWERED();
    }

    void programFolderThatCannotBeMadeCurrentEndsTheProgram()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        startProgram();
        Paths::setProgramFolder(dir.file("spostata"));
        Msg::queueAnswer(Msg::ResOk);
        Forms::get(QStringLiteral("frmCompila"))->Form_Load();
        const Msg::Shown m = ultimo();
        QCOMPARE(m.text, QStringLiteral("Il programma e tutti i suoi componenti devono trovarsi nella stessa directory."));
        QCOMPARE(m.icon, Msg::Information);
        QCOMPARE(m.title, QStringLiteral("Quaderlo"));
        QVERIFY(Forms::programEnded());
        QVERIFY(!Forms::isLoaded("frmCompila"));
        VERIFY_NO_UNANSWERED();
    }

};

QUADERLO_TEST_MAIN(TestFrmCompila)
#include "tst_frmCompila.moc"
