#include "CompilaSupport.h"

#include <QDir>

using namespace Compila;

namespace {
frmCompila *apriAlunna(const ProgramFolder &dir)
{
    if (!dir.exists("quadro1.txt"))
        preparaArchivio(dir);
    frmCompila *f = apriDalMenu();
    if (!scegli(classe(), "3A") || !scegli(alunno(), "Bianchi Anna"))
        return nullptr;
    return f;
}

void componi(int lst, const QList<int> &righe)
{
    for (const int r : righe)
        spunta(lista(lst), r);
    clic(pulsante("cmdOkTestoGiudizio"));
}

// The pupils' files in a folder.
QStringList fileAlunni(const QString &cartella)
{
    return QDir(cartella).entryList({QStringLiteral("Bianchi*"), QStringLiteral("Verdi*")}, QDir::AllEntries);
}
} // namespace

class TestSalvataggioSicuro : public QObject
{
    Q_OBJECT
private slots:
    void loadAndSaveKeepTheBytes()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        dir.write("quadro4.txt", ansi("A=Ottimo\u00a0il percorso\r\nB=, sempre sereno\r\n"));
        QVERIFY(apriAlunna(dir));
        componi(0, {0, 1, 2, 3});
        const QByteArray q1 = dir.read("3A/Bianchi Anna.q1");
        QCOMPARE(q1, ansi("Bianchi Anna si è mostrata attenta, partecipe\r\nHa lavorato con impegno e con costanza.\r\n"));
        clicScheda(schedeGiudizi(), 3);
        componi(3, {0});
        const QByteArray q4 = dir.read("3A/Bianchi Anna.q4");
        QCOMPARE(q4, QByteArray("Ottimo\xa0il percorso\r\n"));
        dir.write("3A/Bianchi Anna.q3", "Fine\r\n\r\n");
        for (int giro = 0; giro < 2; ++giro) {
            clic(pulsante("cmdCaricaTesto"));
            // CR LF is a line break in the box.
            QCOMPARE(txtQ(1)->document()->blockCount(), 2);
            aggiungi(txtQ(2), QStringLiteral("x"));
            clic(pulsante("cmdSalvaTestoModificato"));
            QVERIFY(!pulsante("cmdSalvaTestoModificato")->isEnabled());
            QCOMPARE(dir.read("3A/Bianchi Anna.q1"), q1);
            QCOMPARE(dir.read("3A/Bianchi Anna.q3"), QByteArray("Fine\r\n\r\n"));
            QCOMPARE(dir.read("3A/Bianchi Anna.q4"), q4);
            clic(pulsante("cmdFineStampa"));
        }
        QCOMPARE(dir.read("3A/Bianchi Anna.q2"), QByteArray("xx\r\n"));
        // The printing gets the box's text with CR LF.
        QVERIFY(finestra()->testoQuadro(1).contains(QLatin1String("partecipe\r\nHa lavorato")));
        VERIFY_NO_UNANSWERED();
    }

    void failedWritesAreReportedAndKept()
    {
        ProgramFolder dir;
        QVERIFY(apriAlunna(dir));
        dir.mkdir("3A/Bianchi Anna.q1"); // a folder where the file should go
        Msg::queueAnswer(Msg::ResOk);
        componi(0, {0});
        Msg::Shown m = ultimo();
        QVERIFY2(m.text.contains(QStringLiteral("\"Bianchi Anna.q1\"")), qPrintable(m.text));
        QCOMPARE(m.title, QStringLiteral("Giudizi"));
        QCOMPARE(m.icon, Msg::Exclamation);
        QVERIFY(pulsante("cmdOkTestoGiudizio")->isEnabled());
        QVERIFY(pulsante("cmdSalvaTesto")->isEnabled());
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), QByteArray("0 \r\n\r\n\r\n\r\n"));

        // The save question answered Yes, the save failing: nothing is discarded.
        Msg::queueAnswer(Msg::ResYes);
        Msg::queueAnswer(Msg::ResOk);
        apriEChiudi(classe());
        QCOMPARE(quanteDomande(), 1);
        QVERIFY(ultimo().text.contains(QStringLiteral("Bianchi Anna.q1")));
        QVERIFY(!classe()->view()->isVisible());
        QCOMPARE(alunno()->currentText(), QStringLiteral("Bianchi Anna"));
        QCOMPARE(testo()->toPlainText(), QString::fromUtf8("Bianchi Anna si è mostrata attenta"));
        QVERIFY(pulsante("cmdSalvaTesto")->isEnabled());
        // Nor when another section is asked for.
        Msg::queueAnswer(Msg::ResYes);
        Msg::queueAnswer(Msg::ResOk);
        clicScheda(schedeGiudizi(), 2);
        QCOMPARE(schedeGiudizi()->currentIndex(), 0);
        QCOMPARE(CarQuad::EstensioneQuadro, QStringLiteral(".q1"));
        QVERIFY(!testo()->toPlainText().isEmpty());

        // Once the way is clear the same button saves.
        QVERIFY(QDir(dir.file("3A")).rmdir(QStringLiteral("Bianchi Anna.q1")));
        clic(pulsante("cmdSalvaTesto"));
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), ansi("Bianchi Anna si è mostrata attenta\r\n"));
        QVERIFY(!pulsante("cmdSalvaTesto")->isEnabled());

        // Editing view: every section is tried, and the ones not written are named.
        clic(pulsante("cmdCaricaTesto"));
        dir.mkdir("3A/Bianchi Anna.q2");
        dir.mkdir("3A/Bianchi Anna.q4");
        aggiungi(txtQ(1), QStringLiteral(" Brava."));
        aggiungi(txtQ(3), QStringLiteral("Terzo"));
        Msg::queueAnswer(Msg::ResOk);
        clic(pulsante("cmdSalvaTestoModificato"));
        m = ultimo();
        QVERIFY2(m.text.contains(QString::fromUtf8("Finalità (Bianchi Anna.q2)")), qPrintable(m.text));
        QVERIFY(m.text.contains(QString::fromUtf8("Val. 2° Q. (Bianchi Anna.q4)")));
        QVERIFY(!m.text.contains(QStringLiteral(".q1")) && !m.text.contains(QStringLiteral(".q3")));
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), ansi("Bianchi Anna si è mostrata attenta Brava.\r\n"));
        QCOMPARE(dir.read("3A/Bianchi Anna.q3"), QByteArray("Terzo\r\n"));
        QVERIFY(pulsante("cmdSalvaTestoModificato")->isEnabled());
        QDir(dir.file("3A")).rmdir(QStringLiteral("Bianchi Anna.q2"));
        QDir(dir.file("3A")).rmdir(QStringLiteral("Bianchi Anna.q4"));
        clic(pulsante("cmdSalvaTestoModificato"));
        QVERIFY(!pulsante("cmdSalvaTestoModificato")->isEnabled());
        QCOMPARE(dir.read("3A/Bianchi Anna.q4"), QByteArray("\r\n"));
        QCOMPARE(Msg::beeps(), 4);
        VERIFY_NO_UNANSWERED();
    }

    void pupilFilesNeverLandOutsideTheirClass()
    {
        ProgramFolder dir;
        QVERIFY(apriAlunna(dir));
        // The class folder vanishes under the window: nothing is written elsewhere.
        QVERIFY(QDir(dir.path()).rename(QStringLiteral("3A"), QStringLiteral("3A-spostata")));
        Msg::queueAnswer(Msg::ResOk);
        componi(0, {0});
        QVERIFY(ultimo().text.contains(QStringLiteral("\"Bianchi Anna.q1\", \"Bianchi Anna.dat\"")));
        QCOMPARE(fileAlunni(dir.path()), QStringList());
        QCOMPARE(fileAlunni(dir.file("3A-spostata")), QStringList());
        QVERIFY(pulsante("cmdOkTestoGiudizio")->isEnabled());
        // The text and the ticks not saved are both asked about.
        Msg::queueAnswer(Msg::ResNo);
        Msg::queueAnswer(Msg::ResNo);
        clic(pulsante("cmdFineLavoro"));
        QTRY_VERIFY(!Forms::isLoaded("frmCompila"));

        // A pupil's name that is no file name: refused, named in the message.
        dir.mkdir("4B");
        dir.write("4B/ALUNNI.4B", "Verdi/Luca\r\n 1 \r\n");
        dir.write("Classi.dat", "4B\r\n");
        apriDalMenu();
        QVERIFY(scegli(classe(), "4B"));
        QVERIFY(scegli(alunno(), "Verdi/Luca"));
        Msg::queueAnswer(Msg::ResOk);
        componi(0, {0});
        QVERIFY2(ultimo().text.contains(QStringLiteral("Verdi/Luca.q1")), qPrintable(ultimo().text));
        QCOMPARE(fileAlunni(dir.file("4B")), QStringList());
        QVERIFY(!QFileInfo::exists(dir.file("4B/Verdi")));
        Msg::queueAnswer(Msg::ResNo);
        Msg::queueAnswer(Msg::ResNo);
        clic(pulsante("cmdFineLavoro"));
        QTRY_VERIFY(!Forms::isLoaded("frmCompila"));
    }

    void charactersThatCannotBeStoredAreNamed()
    {
        ProgramFolder dir;
        QVERIFY(apriAlunna(dir));
        componi(0, {0});
        const QByteArray q1 = dir.read("3A/Bianchi Anna.q1");
        aggiungi(testo(), QString::fromUtf8(" Жа😀 5€"));
        Msg::queueAnswer(Msg::ResOk);
        clic(pulsante("cmdSalvaTesto"));
        Msg::Shown m = ultimo();
        QVERIFY2(m.text.contains(QString::fromUtf8("Ж, а, 😀")), qPrintable(m.text));
        QVERIFY(!m.text.contains(QString::fromUtf8("€")));
        QCOMPARE(m.title, QStringLiteral("Giudizi"));
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), q1);
        QVERIFY(pulsante("cmdSalvaTesto")->isEnabled());
        // Fixed by the teacher: saved, euro sign included.
        testo()->setPlainText(QString::fromUtf8("Bianchi Anna 5€"));
        clic(pulsante("cmdSalvaTesto"));
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), QByteArray("Bianchi Anna 5\x80\r\n"));

        // Editing view: nothing at all is written while one section holds such a character.
        clic(pulsante("cmdCaricaTesto"));
        aggiungi(txtQ(1), QStringLiteral(" ok"));
        aggiungi(txtQ(2), QString::fromUtf8("Ω"));
        Msg::queueAnswer(Msg::ResOk);
        clic(pulsante("cmdSalvaTestoModificato"));
        QVERIFY(ultimo().text.contains(QString::fromUtf8("\"Finalità\" contiene caratteri che non si possono salvare: Ω")));
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), QByteArray("Bianchi Anna 5\x80\r\n"));
        QVERIFY(!dir.exists("3A/Bianchi Anna.q2"));
        QVERIFY(pulsante("cmdSalvaTestoModificato")->isEnabled());
        // An invisible one is named by its code.
        txtQ(2)->setPlainText(QString::fromUtf8("a\u200bb"));
        Msg::queueAnswer(Msg::ResOk);
        clic(pulsante("cmdSalvaTestoModificato"));
        QVERIFY2(ultimo().text.contains(QStringLiteral("U+200B")), qPrintable(ultimo().text));
        QCOMPARE(Msg::beeps(), 3);
        VERIFY_NO_UNANSWERED();
    }

    void leavingAsksAboutUnsavedWork()
    {
        ProgramFolder dir;
        QVERIFY(apriAlunna(dir));
        componi(0, {0});
        aggiungi(testo(), QStringLiteral(" uno"));
        Msg::queueAnswer(Msg::ResYes);
        clic(pulsante("cmdFineLavoro"));
        QCOMPARE(quanteDomande(), 1);
        QTRY_VERIFY(!Forms::isLoaded("frmCompila"));
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), ansi("Bianchi Anna si è mostrata attenta uno\r\n"));

        // The title bar, No: closed, nothing written.
        QVERIFY(apriAlunna(dir));
        clic(pulsante("cmdCaricaTesto"));
        aggiungi(txtQ(1), QStringLiteral(" due"));
        Msg::queueAnswer(Msg::ResNo);
        finestra()->close();
        QTRY_VERIFY(!Forms::isLoaded("frmCompila"));
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"), ansi("Bianchi Anna si è mostrata attenta uno\r\n"));
        QCOMPARE(quanteDomande(), 2);

        // Yes and a save that fails: the window stays open with the text.
        QVERIFY(apriAlunna(dir));
        clic(pulsante("cmdCaricaTesto"));
        aggiungi(txtQ(3), QStringLiteral("tre"));
        dir.mkdir("3A/Bianchi Anna.q3");
        Msg::queueAnswer(Msg::ResYes);
        Msg::queueAnswer(Msg::ResOk);
        clic(pulsante("cmdFineLavoro"));
        QVERIFY(ultimo().text.contains(QStringLiteral("Bianchi Anna.q3")));
        QVERIFY(Forms::isLoaded("frmCompila") && finestra()->isVisible());
        QCOMPARE(txtQ(3)->toPlainText(), QStringLiteral("tre"));
        QVERIFY(pulsante("cmdSalvaTestoModificato")->isEnabled());
        QVERIFY(!window("frmSplash")->isVisible());
        Msg::queueAnswer(Msg::ResNo);
        clic(pulsante("cmdFineLavoro"));
        QTRY_VERIFY(!Forms::isLoaded("frmCompila"));
        QCOMPARE(quanteDomande(), 4);
        VERIFY_NO_UNANSWERED();
    }
};

QUADERLO_TEST_MAIN(TestSalvataggioSicuro)
#include "tst_SalvataggioSicuro.moc"
