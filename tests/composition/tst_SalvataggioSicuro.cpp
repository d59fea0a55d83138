#include "CompilaSupport.h"

#include "composition/VistaModifica.h"

#include <QDir>

using namespace Compila;

namespace {
QStringList fileAlunni(const QString &cartella)
{
    return QDir(cartella).entryList({QStringLiteral("Bianchi*")}, QDir::AllEntries);
}
} // namespace

class TestSalvataggioSicuro : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { VERIFY_NO_UNANSWERED(); QCOMPARE(Msg::pendingAnswers(), 0); }

    void loadAndSaveKeepTheBytes()
    {
        ProgramFolder dir;
        QVERIFY(apri(dir));
        dir.write("quadro4.txt", ansi("A=Ottimo\u00a0il percorso\r\nB=, sempre sereno\r\n"));
        componi(0, {0, 1, 2, 3});
        const QByteArray q1 = dir.read("3A/Bianchi Anna.q1");
        QCOMPARE(q1, ansi("Bianchi Anna si è mostrata attenta, partecipe\r\nHa lavorato con impegno e con costanza.\r\n"));
        clickTab(schedeGiudizi(), 3);
        componi(3, {0});
        QCOMPARE(dir.read("3A/Bianchi Anna.q4"), "Ottimo\xa0il percorso\r\n");
        dir.write("3A/Bianchi Anna.q3", "Fine\r\n\r\n");
        clic("cmdCaricaTesto");
        QCOMPARE(txtQ(1)->document()->blockCount(), 2); // CR LF is a line break in the box
        aggiungi(txtQ(2), "x");
        clic("cmdSalvaTestoModificato");
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), q1);
        QCOMPARE(dir.read("3A/Bianchi Anna.q3") + dir.read("3A/Bianchi Anna.q4"), "Fine\r\n\r\nOttimo\xa0il percorso\r\n");
        clic("cmdFineStampa"); // no question: all saved
        // The printing gets the box's text with CR LF.
        QVERIFY(finestra()->vistaModifica()->testoQuadro(1).contains(QLatin1String("partecipe\r\nHa lavorato")));
        // Leaving with a change, Yes: saved, then closed; the title bar with a change, No: nothing written.
        clic("cmdCaricaTesto");
        aggiungi(txtQ(2), "y");
        rispondi({Msg::ResYes});
        clic("cmdFineLavoro");
        QTRY_VERIFY(!Forms::isLoaded("frmCompila"));
        QCOMPARE(dir.read("3A/Bianchi Anna.q2"), "xy\r\n");
        QVERIFY(apri(dir));
        clic("cmdCaricaTesto");
        aggiungi(txtQ(1), " due");
        rispondi({Msg::ResNo});
        finestra()->close();
        QTRY_VERIFY(!Forms::isLoaded("frmCompila"));
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), q1);
        QCOMPARE(quanteDomande(), 2);
    }

    void failedWritesAreReportedAndKept()
    {
        ProgramFolder dir;
        QVERIFY(apri(dir));
        dir.mkdir("3A/Bianchi Anna.q1"); // a folder where the file should go
        rispondi({Msg::ResOk});
        componi(0, {0});
        QVERIFY2(ultimo().text.contains("\"Bianchi Anna.q1\"") && ultimo().title == "Giudizi", qPrintable(ultimo().text));
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), "0 \r\n\r\n\r\n\r\n");

        // The save question answered Yes, the save failing: nothing is discarded.
        rispondi({Msg::ResYes, Msg::ResOk});
        apriEChiudi(classe());
        QCOMPARE(quanteDomande(), 1);
        QVERIFY(ultimo().text.contains("Bianchi Anna.q1") && alunno()->currentText() == "Bianchi Anna");
        QCOMPARE(testo()->toPlainText(), "Bianchi Anna si è mostrata attenta");
        rispondi({Msg::ResYes, Msg::ResOk});
        clickTab(schedeGiudizi(), 2);
        QVERIFY(schedeGiudizi()->currentIndex() == 0 && CarQuad::EstensioneQuadro == ".q1");
        QVERIFY(!testo()->toPlainText().isEmpty());

        // Once the way is clear the same button saves.
        QVERIFY(QDir(dir.file("3A")).rmdir("Bianchi Anna.q1"));
        clic("cmdSalvaTesto");
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), ansi("Bianchi Anna si è mostrata attenta\r\n"));

        // Editing view: every section is tried, and the ones not written are named.
        clic("cmdCaricaTesto");
        dir.mkdir("3A/Bianchi Anna.q2");
        dir.mkdir("3A/Bianchi Anna.q4");
        aggiungi(txtQ(1), " Brava.");
        aggiungi(txtQ(3), "Terzo");
        rispondi({Msg::ResOk});
        clic("cmdSalvaTestoModificato");
        const QString m = ultimo().text;
        QVERIFY2(m.contains("Finalità (Bianchi Anna.q2)") && m.contains("Val. 2° Q. (Bianchi Anna.q4)"), qPrintable(m));
        QVERIFY(!m.contains(".q1") && !m.contains(".q3"));
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), ansi("Bianchi Anna si è mostrata attenta Brava.\r\n"));
        QCOMPARE(dir.read("3A/Bianchi Anna.q3"), "Terzo\r\n");
        // Leaving, Yes, the save failing again: the window stays open with the texts.
        rispondi({Msg::ResYes, Msg::ResOk});
        clic("cmdFineLavoro");
        QVERIFY(quanteDomande() == 3 && ultimo().text.contains("Bianchi Anna.q2"));
        QVERIFY(finestra() && finestra()->isVisible() && txtQ(3)->toPlainText() == "Terzo");
        QDir(dir.file("3A")).rmdir("Bianchi Anna.q2");
        QDir(dir.file("3A")).rmdir("Bianchi Anna.q4");
        clic("cmdSalvaTestoModificato");
        QVERIFY(dir.read("3A/Bianchi Anna.q4") == "\r\n" && Msg::beeps() == 5);
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
        QVERIFY(fileAlunni(dir.path()).isEmpty() && fileAlunni(dir.file("3A-spostata")).isEmpty());
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
        aggiungi(testo(), " Жа😀 5€");
        rispondi({Msg::ResOk});
        clic("cmdSalvaTesto");
        QVERIFY2(ultimo().text.contains("Ж, а, 😀") && !ultimo().text.contains("€"), qPrintable(ultimo().text));
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), q1);
        // Fixed by the teacher: saved, euro sign included.
        testo()->setPlainText("Bianchi Anna 5€");
        clic("cmdSalvaTesto");
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), "Bianchi Anna 5\x80\r\n");

        // Editing view: nothing at all is written while one section holds such a character.
        clic("cmdCaricaTesto");
        aggiungi(txtQ(1), " ok");
        aggiungi(txtQ(2), "Ω");
        rispondi({Msg::ResOk, Msg::ResOk});
        clic("cmdSalvaTestoModificato");
        QVERIFY(ultimo().text.contains("\"Finalità\" contiene caratteri che non si possono salvare: Ω"));
        QVERIFY(dir.read("3A/Bianchi Anna.q1") == "Bianchi Anna 5\x80\r\n" && !dir.exists("3A/Bianchi Anna.q2"));
        // An invisible one is named by its code.
        txtQ(2)->setPlainText("a\u200bb");
        clic("cmdSalvaTestoModificato");
        QVERIFY2(ultimo().text.contains("U+200B") && Msg::beeps() == 3, qPrintable(ultimo().text));
    }
};

QUADERLO_TEST_MAIN(TestSalvataggioSicuro)
#include "tst_SalvataggioSicuro.moc"
