#include "CompilaSupport.h"

using namespace Compila;

namespace {
struct Lavoro {
    QString alunno;
    QList<QList<int>> spunte; // per section
    QStringList testi;        // per section, as left in the editing view
};
} // namespace

class TestDueAlunni : public QObject
{
    Q_OBJECT
private slots:
    // A teacher composes, corrects and saves all four sections for two pupils of a class, leaves,
    // comes back and finds every text and every tick as left.
    void twoPupilsFourSectionsLeaveAndComeBack()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        QList<Lavoro> lavori{
            {QStringLiteral("Bianchi Anna"), {{0, 2}, {1}, {0, 2}, {1}}, {}},
            {QStringLiteral("Rossi Mario"), {{1, 3}, {0, 2}, {1}, {0, 1}}, {}},
        };
        apriDalMenu();
        QVERIFY(scegli(classe(), "3A"));
        for (Lavoro &l : lavori) {
            QVERIFY(scegli(alunno(), l.alunno));
            for (int q = 0; q < 4; ++q) {
                clicScheda(schedeGiudizi(), q);
                QCOMPARE(spuntate(lista(q)), QList<int>());
                for (const int r : l.spunte[q])
                    spunta(lista(q), r);
                clic(pulsante("cmdOkTestoGiudizio"));
                aggiungi(testo(), QStringLiteral(" [%1]").arg(q + 1));
                clic(pulsante("cmdSalvaTesto"));
                QVERIFY(!pulsante("cmdSalvaTesto")->isEnabled());
            }
            // A second correction of every section in the editing view.
            clic(pulsante("cmdCaricaTesto"));
            for (int n = 1; n <= 4; ++n) {
                schedeQuadri()->setCurrentIndex(n - 1);
                aggiungi(txtQ(n), QStringLiteral("\nRivisto %1.").arg(n));
                l.testi << txtQ(n)->toPlainText();
            }
            clic(pulsante("cmdSalvaTestoModificato"));
            QVERIFY(!pulsante("cmdSalvaTestoModificato")->isEnabled());
            clic(pulsante("cmdFineStampa"));
        }
        QVERIFY(Msg::shown().isEmpty());

        // The files, byte for byte, for two sections.
        QCOMPARE(dir.read("3A/Bianchi Anna.q1"),
                 ansi("Bianchi Anna si è mostrata attenta\r\nHa lavorato con impegno [1]\r\nRivisto 1.\r\n"));
        QCOMPARE(dir.read("3A/Rossi Mario.q4"),
                 ansi("Ottimo il percorso di Rossi Mario, sempre sereno [4]\r\nRivisto 4.\r\n"));
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), QByteArray("0 2 \r\n1 \r\n0 2 \r\n1 \r\n"));
        QCOMPARE(dir.read("3A/Rossi Mario.dat"), QByteArray("1 3 \r\n0 2 \r\n1 \r\n0 1 \r\n"));

        // Leave, come back.
        clic(pulsante("cmdFineLavoro"));
        QTRY_VERIFY(!Forms::isLoaded("frmCompila"));
        QVERIFY(window("frmSplash")->isVisible());
        apriDalMenu();
        QVERIFY(scegli(classe(), "3A"));
        for (const Lavoro &l : std::as_const(lavori)) {
            QVERIFY(scegli(alunno(), l.alunno));
            for (int q = 0; q < 4; ++q) {
                clicScheda(schedeGiudizi(), q);
                QCOMPARE(spuntate(lista(q)), l.spunte[q]);
            }
            clic(pulsante("cmdCaricaTesto"));
            for (int n = 1; n <= 4; ++n)
                QCOMPARE(txtQ(n)->toPlainText(), l.testi[n - 1]);
            QVERIFY(!pulsante("cmdSalvaTestoModificato")->isEnabled());
            clic(pulsante("cmdFineStampa"));
        }
        QVERIFY(Msg::shown().isEmpty());
        VERIFY_NO_UNANSWERED();
    }
};

QUADERLO_TEST_MAIN(TestDueAlunni)
#include "tst_DueAlunni.moc"
