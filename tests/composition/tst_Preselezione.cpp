#include "CompilaSupport.h"

#include <QDir>

using namespace Compila;

namespace {
// As the utilities window's "Preselezione" button opens the window.
frmCompila *apriPreselezione()
{
    startProgram()->hide();
    CarQuad::ModoPreselezione = 1;
    Forms::get(QStringLiteral("frmCompila"))->Form_Load();
    CarQuad::RicaricaClassi = true;
    CarQuad::RicaricaAlunni = true;
    return finestra();
}

// The files of the program folder: the preselection and nothing else written beside it.
QStringList file(const ProgramFolder &dir)
{
    return QDir(dir.path()).entryList({QStringLiteral("presele*"), QStringLiteral("*.q?")}, QDir::Files);
}
} // namespace

class TestPreselezione : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { VERIFY_NO_UNANSWERED(); }

    void editingThePreselectionThenUsingIt()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        dir.write("presele.dat", "2 \r\n\r\n1 \r\n\r\n");
        frmCompila *f = apriPreselezione();
        QVERIFY(f && f->isVisible() && !classe()->isEnabled() && !alunno()->isEnabled() && !c("cmdCaricaTesto")->isVisible());

        // A tab without pupil: no message; the name stays a placeholder, the ending is "o".
        clickTab(schedeGiudizi(), 0);
        QVERIFY(Msg::shown().isEmpty() && CarQuad::FileAlunno == "Presele");
        QCOMPARE(lista(0)->item(0)->text(), "1=CognomeNome si è mostrato attento");
        QCOMPARE(spuntate(lista(0)), QList<int>{2});
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
        QCOMPARE(lista(2)->item(1)->text(), "No=CognomeNome non è ancora pronto");
        componi(2, {1});
        QCOMPARE(dir.read("presele.dat"), "0 2 \r\n\r\n\r\n\r\n");

        // Leaving goes back to the main menu.
        clic("cmdFineLavoro");
        QTRY_VERIFY(!Forms::isLoaded("frmCompila"));
        Form *menu = window("frmSplash");
        QVERIFY(CarQuad::ModoPreselezione == 0 && menu->isVisible() && menu->isEnabled());

        // A pupil: own choice and preselection come up ticked together; index 0 is in both.
        dir.write("3A/Bianchi Anna.dat", "0 \r\n");
        clickAt(control<QPushButton>(menu, QStringLiteral("cmdCompila")));
        QVERIFY(scegli(classe(), "3A") && scegli(alunno(), "Bianchi Anna"));
        QCOMPARE(spuntate(lista(0)), (QList<int>{0, 2}));
        QCOMPARE(lista(0)->item(0)->text(), "1=Bianchi Anna si è mostrata attenta");
        clic("cmdOkTestoGiudizio");
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), "0 2 \r\n\r\n\r\n\r\n");
        // Unticking a preselected phrase for this pupil leaves the preselection as it is.
        componi(0, {2});
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), "0 \r\n\r\n\r\n\r\n");
        QCOMPARE(dir.read("presele.dat"), "0 2 \r\n\r\n\r\n\r\n");
        // Changed while the window is open: read again when a tab is clicked.
        dir.write("presele.dat", "3 \r\n");
        clickTab(schedeGiudizi(), 0);
        QCOMPARE(spuntate(lista(0)), (QList<int>{0, 3}));
    }

    void preselectionFileCreatedOrRewrittenInPlace()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        apriPreselezione();
        clickTab(schedeGiudizi(), 3);
        QVERIFY(spuntate(lista(3)).isEmpty());
        componi(3, {0});
        QCOMPARE(file(dir), QStringList{"presele.dat"});
        QCOMPARE(dir.read("presele.dat"), "\r\n\r\n\r\n0 \r\n");
        clic("cmdFineLavoro");
        QTRY_VERIFY(!Forms::isLoaded("frmCompila"));

        // A file named in other letters is the same file.
        QFile::remove(dir.file("presele.dat"));
        dir.write("Presele.DAT", "1 \r\n0 \r\n");
        apriPreselezione();
        clickTab(schedeGiudizi(), 1);
        QCOMPARE(spuntate(lista(1)), QList<int>{0});
        componi(1, {1});
        QCOMPARE(file(dir), QStringList{"Presele.DAT"});
        QCOMPARE(dir.read("Presele.DAT"), "1 \r\n0 1 \r\n\r\n\r\n");
    }
};

QUADERLO_TEST_MAIN(TestPreselezione)
#include "tst_Preselezione.moc"
