#include "UtilitaSupport.h"

using namespace UtilitaTest;

namespace {
Form *menu() { return window(QStringLiteral("frmSplash")); }

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
        QCOMPARE(control<QLineEdit>(u, QStringLiteral("txtMargineSx"))->text(), QStringLiteral("20"));

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

        // The first text editor on PATH is started, without a document; none found is told.
        QTemporaryDir bin, vuota;
        const QString segno = bin.filePath(QStringLiteral("avviato"));
        QFile script(bin.filePath(QStringLiteral("mousepad")));
        QVERIFY(script.open(QIODevice::WriteOnly) && script.write("#!/bin/sh\necho \"$#\" > '" + segno.toUtf8() + "'\n") > 0);
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit());
        clic(QStringLiteral("cmdNotepad"));
        qputenv("PATH", vuota.path().toLocal8Bit());
        clic(QStringLiteral("cmdNotepad"), {Msg::ResOk});
        qputenv("PATH", path);
        QTRY_VERIFY(QFileInfo(segno).size() > 0);
        QFile f(segno);
        QVERIFY(f.open(QIODevice::ReadOnly) && f.readAll().trimmed() == "0" && Msg::shown().size() == 1);
        ultimo(QString::fromUtf8("Impossibile aprire il Blocco Note.\n\rNon è installato nessun editor di testo."),
               QString::fromUtf8("Utilità"), Msg::Exclamation);

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
