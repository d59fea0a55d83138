#include "UtilitaSupport.h"

#include "archive/CopieSicurezza.h"
#include "menu/CopiaDelGiorno.h"

using namespace UtilitaTest;

class TestFrmRipristina : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { VERIFY_NO_UNANSWERED(); }

    // The day's copy after the menu shows; back to an older copy from the utilities window.
    void theDaysCopyAndTheWayBack()
    {
        ProgramFolder dir;
        impostazioni(dir);
        dir.write("Classi.dat", "3A\r\n");
        dir.write("3A/ALUNNI.3A", "Rossi Mario\r\n 1 \r\nVerdi Anna\r\n 0 \r\n");
        dir.write("3A/Rossi Mario.q1", "Testo di maggio.\r\n");
        QVERIFY(CopieSicurezza::copia(dir.path(), QDate(2026, 5, 11)).ok);
        dir.write("Classi.dat", "3A\r\n4B\r\n");
        dir.write("3A/Rossi Mario.q1", "Testo di oggi.\r\n");
        dir.write("4B/ALUNNI.4B", "Neri Ugo\r\n 1 \r\n");

        const QString oggi = "Backup/" + QDate::currentDate().toString(Qt::ISODate);
        startProgram();
        CopiaDelGiorno::avvia();
        QVERIFY(!dir.exists(oggi)); // the menu does not wait for it
        entra();
        QCOMPARE(dir.read(oggi + "/Classi.dat"), QByteArray("3A\r\n4B\r\n"));

        clic(QStringLiteral("cmdRipristina"));
        Form *w = window(QStringLiteral("frmRipristina"));
        QVERIFY(w && w->isVisible() && !window(kUtilita));
        auto *lista = control<QListWidget>(w, QStringLiteral("lstCopie"));
        QCOMPARE(lista->count(), 2);
        QCOMPARE(lista->item(1)->text(), QString::fromUtf8("lunedì 11 maggio 2026  -  anno scolastico 2026/27  -  1 classe, 2 alunni"));
        auto *ripristina = control<QPushButton>(w, QStringLiteral("cmdRipristinaCopia"));
        Msg::queueAnswer(Msg::ResOk);
        clickAt(ripristina);
        ultimo(QStringLiteral("Scegli una copia dall'elenco."), QStringLiteral("Attenzione"), Msg::Exclamation);

        clickItem(lista, 1);
        Msg::queueAnswer(Msg::ResYes);
        Msg::queueAnswer(Msg::ResOk);
        clickAt(ripristina);
        QCOMPARE(Msg::shown().at(1).text, QString::fromUtf8("L'archivio di adesso sarà sostituito dalla copia di lunedì 11 maggio 2026.\n\r"
                                                            "Prima ne sarà fatta una copia di sicurezza.\n\rVuoi continuare?"));
        ultimo(QStringLiteral("Operazione eseguita."), QStringLiteral("Fatto"), Msg::Information);
        QVERIFY(dir.read("Classi.dat") == "3A\r\n" && dir.read("3A/Rossi Mario.q1") == "Testo di maggio.\r\n" && !dir.exists("4B"));
        // The archive of before the restore is kept as the day's second copy.
        QVERIFY(dir.read(oggi + "-2/Classi.dat") == "3A\r\n4B\r\n" && dir.read(oggi + "-2/3A/Rossi Mario.q1") == "Testo di oggi.\r\n");
        QTRY_VERIFY(!window(QStringLiteral("frmRipristina")) && window(QStringLiteral("frmSplash"))->isVisible());

        // Esc leaves for the utilities window.
        entra();
        clic(QStringLiteral("cmdRipristina"));
        QCOMPARE(control<QListWidget>(window(QStringLiteral("frmRipristina")), QStringLiteral("lstCopie"))->count(), 3);
        QTest::keyClick(window(QStringLiteral("frmRipristina")), Qt::Key_Escape);
        QTRY_VERIFY(!window(QStringLiteral("frmRipristina")) && window(kUtilita) && window(kUtilita)->isVisible());
    }
};

QUADERLO_TEST_MAIN(TestFrmRipristina)
#include "tst_frmRipristina.moc"
