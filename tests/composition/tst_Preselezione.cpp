#include "CompilaSupport.h"

#include <QDir>

using namespace Compila;

namespace {
// As the utilities window's "Preselezione" button opens the window.
frmCompila *apriPreselezione()
{
    Form *menu = startProgram();
    menu->hide();
    CarQuad::ModoPreselezione = 1;
    Forms::get(QStringLiteral("frmCompila"))->Form_Load();
    CarQuad::RicaricaClassi = true;
    CarQuad::RicaricaAlunni = true;
    return finestra();
}

QStringList filePreselezione(const ProgramFolder &dir)
{
    QStringList out;
    for (const QString &f : QDir(dir.path()).entryList(QDir::Files))
        if (f.startsWith(QLatin1String("presele"), Qt::CaseInsensitive))
            out << f;
    return out;
}
} // namespace

class TestPreselezione : public QObject
{
    Q_OBJECT
private slots:
    void editingThePreselectionThenUsingIt()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        dir.write("presele.dat", "2 \r\n\r\n1 \r\n\r\n");
        frmCompila *f = apriPreselezione();
        QVERIFY(f && f->isVisible());
        QVERIFY(!classe()->isEnabled());
        QVERIFY(!alunno()->isEnabled());
        QVERIFY(!pulsante("cmdCaricaTesto")->isVisible());
        QVERIFY(!pulsante("cmdCaricaTesto")->isEnabled());
        QCOMPARE(CarQuad::Preselezione1, QStringLiteral("2 "));

        // A tab without pupil: no message; the name stays a placeholder, the ending is "o".
        clicScheda(schedeGiudizi(), 0);
        QVERIFY(Msg::shown().isEmpty());
        QCOMPARE(lista(0)->item(0)->text(), QString::fromUtf8("1=CognomeNome si è mostrato attento"));
        QCOMPARE(spuntate(lista(0)), QList<int>{2});
        QCOMPARE(CarQuad::FileAlunno, QStringLiteral("Presele"));
        spunta(lista(0), 0);
        clic(pulsante("cmdOkTestoGiudizio"));
        QCOMPARE(testo()->toPlainText(), QString::fromUtf8("CognomeNome si è mostrato attento\nHa lavorato con impegno"));
        // The other sections' lines are written back as read; no section text is written.
        QCOMPARE(dir.read("presele.dat"), QByteArray("0 2 \r\n\r\n1 \r\n\r\n"));
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("*.q?")}, QDir::Files), QStringList());
        QCOMPARE(filePreselezione(dir), QStringList{"presele.dat"});
        aggiungi(testo(), QStringLiteral(" corretto"));
        QVERIFY(!pulsante("cmdSalvaTesto")->isEnabled());

        // Nothing ticked empties that section's preselection.
        clicScheda(schedeGiudizi(), 2);
        QCOMPARE(spuntate(lista(2)), QList<int>{1});
        QCOMPARE(lista(2)->item(1)->text(), QString::fromUtf8("No=CognomeNome non è ancora pronto"));
        spunta(lista(2), 1);
        clic(pulsante("cmdOkTestoGiudizio"));
        QCOMPARE(dir.read("presele.dat"), QByteArray("0 2 \r\n\r\n\r\n\r\n"));

        // Leaving goes back to the main menu.
        clic(pulsante("cmdFineLavoro"));
        QTRY_VERIFY(!Forms::isLoaded("frmCompila"));
        QCOMPARE(CarQuad::ModoPreselezione, 0);
        Form *menu = window("frmSplash");
        QVERIFY(menu->isVisible() && menu->isEnabled());

        // A pupil: own choice and preselection come up ticked together; index 0 is in both.
        dir.write("3A/Bianchi Anna.dat", "0 \r\n");
        clickAt(control<QPushButton>(menu, QStringLiteral("cmdCompila")));
        QVERIFY(finestra() && classe()->isEnabled());
        QVERIFY(scegli(classe(), "3A"));
        QVERIFY(scegli(alunno(), "Bianchi Anna"));
        QCOMPARE(spuntate(lista(0)), (QList<int>{0, 2}));
        QCOMPARE(lista(0)->item(0)->text(), QString::fromUtf8("1=Bianchi Anna si è mostrata attenta"));
        clic(pulsante("cmdOkTestoGiudizio"));
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), QByteArray("0 2 \r\n\r\n\r\n\r\n"));
        // Unticking a preselected phrase for this pupil leaves the preselection as it is.
        spunta(lista(0), 2);
        clic(pulsante("cmdOkTestoGiudizio"));
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), QByteArray("0 \r\n\r\n\r\n\r\n"));
        QCOMPARE(dir.read("presele.dat"), QByteArray("0 2 \r\n\r\n\r\n\r\n"));
        // Changed while the window is open: read again when a tab is clicked.
        dir.write("presele.dat", "3 \r\n");
        clicScheda(schedeGiudizi(), 0);
        QCOMPARE(spuntate(lista(0)), (QList<int>{0, 3}));
        VERIFY_NO_UNANSWERED();
    }

    void preselectionFileCreatedOrRewrittenInPlace()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        apriPreselezione();
        QVERIFY(CarQuad::Preselezione4.isEmpty());
        clicScheda(schedeGiudizi(), 3);
        QVERIFY(spuntate(lista(3)).isEmpty());
        spunta(lista(3), 0);
        clic(pulsante("cmdOkTestoGiudizio"));
        QCOMPARE(filePreselezione(dir), QStringList{"presele.dat"});
        QCOMPARE(dir.read("presele.dat"), QByteArray("\r\n\r\n\r\n0 \r\n"));
        clic(pulsante("cmdFineLavoro"));
        QTRY_VERIFY(!Forms::isLoaded("frmCompila"));

        // A file named in other letters is the same file.
        QFile::remove(dir.file("presele.dat"));
        dir.write("Presele.DAT", "1 \r\n0 \r\n");
        apriPreselezione();
        QCOMPARE(CarQuad::Preselezione2, QStringLiteral("0 "));
        clicScheda(schedeGiudizi(), 1);
        QCOMPARE(spuntate(lista(1)), QList<int>{0});
        spunta(lista(1), 1);
        clic(pulsante("cmdOkTestoGiudizio"));
        QCOMPARE(filePreselezione(dir), QStringList{"Presele.DAT"});
        QCOMPARE(dir.read("Presele.DAT"), QByteArray("1 \r\n0 1 \r\n\r\n\r\n"));
        VERIFY_NO_UNANSWERED();
    }
};

QUADERLO_TEST_MAIN(TestPreselezione)
#include "tst_Preselezione.moc"
