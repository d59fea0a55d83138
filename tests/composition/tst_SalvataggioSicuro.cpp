#include "CompilaSupport.h"

#include <QDir>

using namespace Compila;

// A save that fails or is refused keeps the old files and the text to save; the teacher is told.
class TestSalvataggioSicuro : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { VERIFY_NO_UNANSWERED(); QCOMPARE(Msg::pendingAnswers(), 0); }

    void failedWritesAreReportedAndKept()
    {
        ProgramFolder dir;
        QVERIFY(apri(dir));
        dir.mkdir("3A/Bianchi Anna.q1"); // a folder where the file should go
        rispondi({Msg::ResOk});
        componi(0, {0});
        QVERIFY2(ultimo().text.startsWith("Impossibile salvare il file \"Bianchi Anna.q1\".") && ultimo().title == "Giudizi",
                 qPrintable(ultimo().text));
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), "0 \r\n\r\n\r\n\r\n");

        // The save question answered Yes, the save failing: nothing is discarded, the section stays.
        rispondi({Msg::ResYes, Msg::ResOk});
        apriEChiudi(classe());
        QVERIFY(quanteDomande() == 1 && alunno()->currentText() == "Bianchi Anna");
        QCOMPARE(testo()->toPlainText(), "Bianchi Anna si è mostrata attenta");
        rispondi({Msg::ResYes, Msg::ResOk});
        clickTab(schedeGiudizi(), 2);
        QVERIFY(schedeGiudizi()->currentIndex() == 0 && CarQuad::EstensioneQuadro == ".q1");

        // Once the way is clear the same button saves.
        QVERIFY(QDir(dir.file("3A")).rmdir("Bianchi Anna.q1"));
        clic("cmdSalvaTesto");
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), ansi("Bianchi Anna si è mostrata attenta\r\n"));

        // Editing view: every section is tried; leaving, Yes, the save failing again: the window stays with the texts.
        clic("cmdCaricaTesto");
        dir.mkdir("3A/Bianchi Anna.q2");
        aggiungi(txtQ(1), " Brava.");
        aggiungi(txtQ(3), "Terzo");
        rispondi({Msg::ResOk});
        clic("cmdSalvaTestoModificato");
        QVERIFY(ultimo().text.contains("Finalità (Bianchi Anna.q2)") && dir.read("3A/Bianchi Anna.q3") == "Terzo\r\n");
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), ansi("Bianchi Anna si è mostrata attenta Brava.\r\n"));
        rispondi({Msg::ResYes, Msg::ResOk});
        clic("cmdFineLavoro");
        QVERIFY(quanteDomande() == 3 && ultimo().text.contains("Bianchi Anna.q2"));
        QVERIFY(finestra() && finestra()->isVisible() && txtQ(3)->toPlainText() == "Terzo");
        QDir(dir.file("3A")).rmdir("Bianchi Anna.q2");
        clic("cmdSalvaTestoModificato");
        QVERIFY(dir.read("3A/Bianchi Anna.q2") == "\r\n" && Msg::beeps() == 5);
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

    void charactersThatCannotBeStoredAreNamed()
    {
        ProgramFolder dir;
        QVERIFY(apri(dir));
        componi(0, {0});
        const QByteArray q1 = dir.read("3A/Bianchi Anna.q1");
        aggiungi(testo(), " Ж 5€");
        rispondi({Msg::ResOk});
        clic("cmdSalvaTesto");
        QVERIFY2(ultimo().text.contains(": Ж\n\r") && dir.read("3A/Bianchi Anna.q1") == q1, qPrintable(ultimo().text));
        // Editing view: nothing at all is written while one section holds such a character.
        rispondi({Msg::ResNo});
        clic("cmdCaricaTesto");
        aggiungi(txtQ(1), " ok");
        aggiungi(txtQ(2), "Ω");
        rispondi({Msg::ResOk});
        clic("cmdSalvaTestoModificato");
        QVERIFY(ultimo().text.contains("\"Finalità\" contiene caratteri che non si possono salvare: Ω"));
        QVERIFY(dir.read("3A/Bianchi Anna.q1") == q1 && !dir.exists("3A/Bianchi Anna.q2") && Msg::beeps() == 2);
        // Fixed by the teacher: saved, euro sign included.
        txtQ(2)->setPlainText("5€");
        clic("cmdSalvaTestoModificato");
        QCOMPARE(dir.read("3A/Bianchi Anna.q2"), "5\x80\r\n");
    }
};

QUADERLO_TEST_MAIN(TestSalvataggioSicuro)
#include "tst_SalvataggioSicuro.moc"
