#include "UtilitaSupport.h"

using namespace UtilitaTest;

namespace {
Form *menu() { return window(Finestre::Menu); }

void tornatoAlMenu()
{
    QVERIFY(!window(kUtilita) && menu()->isVisible() && menu()->isEnabled());
    QCOMPARE(CarQuad::ModoImporta, 0);
}
} // namespace

class TestFrmUtilita : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { VERIFY_NO_UNANSWERED(); }

    void opensLeavesAndLeadsToTheOtherWindows()
    {
        ProgramFolder dir;
        frmUtilita *u = apri(dir);
        QVERIFY(u && u->isVisible() && !menu()->isVisible() && CarQuad::RicaricaClassi);
        // Its frames filled on opening: the print settings, the merge buttons' titles.
        QCOMPARE(control<QLineEdit>(u, QStringLiteral("txtMargineSx"))->text(), QStringLiteral("20"));
        QCOMPARE(pulsante(QStringLiteral("cmdUnisciQ2"))->text(), QString::fromUtf8("Finalità"));

        // Left by its button or by the title bar, during an import set-up too.
        clic(QStringLiteral("cmdImporta"));
        QCOMPARE(CarQuad::ModoImporta, 1);
        clic(QString::fromUtf8("cmdEsciUtilità"));
        tornatoAlMenu();
        entra();
        clic(QStringLiteral("cmdImporta"));
        menu()->setEnabled(false);
        window(kUtilita)->close();
        tornatoAlMenu();
        entra();

        // No text editor to start: told, the window stays.
        const QByteArray path = qgetenv("PATH");
        QTemporaryDir vuota;
        qputenv("PATH", vuota.path().toLocal8Bit());
        clic(QStringLiteral("cmdNotepad"), {Msg::ResOk});
        qputenv("PATH", path);
        ultimo(QString::fromUtf8("Impossibile aprire il Blocco Note.\n\rNon è installato nessun editor di testo."),
               QString::fromUtf8("Utilità"), Msg::Exclamation);
        QVERIFY(Msg::shown().size() == 1 && window(kUtilita)->isVisible());

        // Formats and preselection take the window's place.
        clic(QStringLiteral("cmdFormati"));
        QVERIFY(!window(kUtilita) && window(QStringLiteral("frmFormati"))->isVisible());
        clickAt(control<QPushButton>(window(QStringLiteral("frmFormati")), QStringLiteral("cmdEsciFormati")));
        CarQuad::RicaricaAlunni = false;
        clic(QStringLiteral("cmdPreselezione"));
        Form *compila = window(QStringLiteral("frmCompila"));
        QVERIFY(!window(kUtilita) && compila->isVisible() && CarQuad::ModoPreselezione == 1);
        QVERIFY(CarQuad::RicaricaClassi && CarQuad::RicaricaAlunni);
        QVERIFY(!control<QWidget>(compila, QStringLiteral("cmbClasse"))->isEnabled());
    }
};

QUADERLO_TEST_MAIN(TestFrmUtilita)
#include "tst_frmUtilita.moc"
