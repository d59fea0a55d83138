#include "UtilitaSupport.h"

#include <QCheckBox>
#include <QTabWidget>
#include <QTableWidget>

using namespace UtilitaTest;

namespace {
const QString kFrasi = QStringLiteral("frmFrasi");
// An entry with a line feed inside, shown and kept as it is, and a last line without line end.
const QByteArray kQuadro1 = ansi("Inizio=CognomeNome è {il|la} bambin§ più {alto|alta}.\r\n"
                                 "Relazioni<=Collabora volentieri.\r\n"
                                 "x\ny\r\n"
                                 "coda");

Form *frasi() { return window(kFrasi); }
QPushButton *tasto(const char *name) { return control<QPushButton>(frasi(), QLatin1String(name)); }
QLineEdit *casella(const char *name) { return control<QLineEdit>(frasi(), QLatin1String(name)); }
QTableWidget *tabella(int n) { return control<QTableWidget>(frasi(), QStringLiteral("tblFrasi%1").arg(n)); }
QString testo(const char *label) { return control<QLabel>(frasi(), QLatin1String(label))->text(); }
void scegli(int n, int riga) { clickItem(tabella(n), tabella(n)->model()->index(riga, 2)); }

void archivio(const ProgramFolder &dir)
{
    dir.write("quadro1.txt", kQuadro1);
    dir.write("quadro2.txt", "a\r\nb\r\nc\r\n");
    dir.write("Classi.dat", "3A\r\n");
    dir.write("3A/ALUNNI.3A", "Bianchi Anna\r\n 0 \r\nRossi Mario\r\n 1 \r\n");
    dir.write("3A/Rossi Mario.dat", "0 2 \r\n0 1 2 \r\n\r\n\r\n");
    dir.write("3A/Bianchi Anna.dat", "1 \r\n\r\n\r\n\r\n");
    dir.write("presele.dat", "\r\n1 \r\n\r\n\r\n");
}
} // namespace

class TestFrmFrasi : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { VERIFY_NO_UNANSWERED(); }

    void editDeleteAddAndSaveByteForByte()
    {
        ProgramFolder dir;
        archivio(dir);
        apri(dir);
        clic(QStringLiteral("cmdFrasi"));
        QVERIFY(frasi() && frasi()->isVisible() && !window(kUtilita));
        QVERIFY(frasi()->frameGeometry().width() <= 1366 && frasi()->frameGeometry().height() <= 768);
        QCOMPARE(frasi()->focusWidget(), tabella(1)); // arrows move between entries, not tabs
        auto *tabs = control<QTabWidget>(frasi(), QStringLiteral("tabFrasi"));
        QCOMPARE(tabs->tabText(1), QString::fromUtf8("Finalità"));
        QCOMPARE(tabella(1)->rowCount(), 3);
        QCOMPARE(tabella(1)->item(1, 1)->text(), "<");
        QCOMPARE(tabella(1)->item(2, 2)->text(), QString::fromUtf8("x␊y"));
        QVERIFY(control<QLabel>(frasi(), QStringLiteral("lblCoda"))->isVisible());

        // The first entry, as it reads for the class's first girl and first boy.
        scegli(1, 0);
        QCOMPARE(casella("txtTesta")->text(), "Inizio");
        QCOMPARE(testo("lblAlunna"), QString::fromUtf8("Per un'alunna (Bianchi Anna): Bianchi Anna è la bambina più alta."));
        QCOMPARE(testo("lblAlunno"), QString::fromUtf8("Per un alunno (Rossi Mario): Rossi Mario è il bambino più alto."));
        casella("txtFrase")->setText(QString::fromUtf8("CognomeNome è {un|un'}alunn§ attent§."));
        QCOMPARE(testo("lblAlunna"), QString::fromUtf8("Per un'alunna (Bianchi Anna): Bianchi Anna è un'alunna attenta."));
        clickAt(tasto("cmdModificaVoce"));
        // The entry kept as it is cannot be edited; deleting the second leaves its line empty.
        scegli(1, 2);
        QVERIFY(!tasto("cmdModificaVoce")->isEnabled() && casella("txtFrase")->text().isEmpty());
        scegli(1, 1);
        Msg::queueAnswer(Msg::ResYes);
        clickAt(tasto("cmdElimina"));
        QCOMPARE(Msg::shown().last().title, "Elimina la voce");
        QVERIFY(tabella(1)->item(1, 2)->text().isEmpty());
        // A new entry at the end; one with a character the file cannot store is refused.
        casella("txtTesta")->setText(QStringLiteral("Nuova"));
        clickOption(control<QCheckBox>(frasi(), QStringLiteral("chkACapo")));
        casella("txtFrase")->setText(QString::fromUtf8("Ha lavorato con impegno, però…"));
        clickAt(tasto("cmdAggiungi"));
        QCOMPARE(tabella(1)->rowCount(), 4);
        casella("txtFrase")->setText(QString::fromUtf8("Всё"));
        Msg::queueAnswer(Msg::ResOk);
        clickAt(tasto("cmdModificaVoce"));
        ultimo(QString::fromUtf8("La voce contiene caratteri che il file delle frasi non può contenere: Всё"),
               QStringLiteral("Attenzione"), Msg::Exclamation);
        QCOMPARE(Msg::beeps(), 1);
        QCOMPARE(tabella(1)->item(3, 2)->text(), QString::fromUtf8("Ha lavorato con impegno, però…"));

        Msg::queueAnswer(Msg::ResOk);
        clickAt(tasto("cmdSalva"));
        ultimo(QStringLiteral("Operazione eseguita."), QStringLiteral("Fatto"), Msg::Information);
        QCOMPARE(dir.read("quadro1.txt"), ansi("Inizio=CognomeNome è {un|un'}alunn§ attent§.\r\n"
                                               "\r\n"
                                               "x\ny\r\n"
                                               "Nuova<=Ha lavorato con impegno, però")
                                              + "\x85\r\ncoda"); // "…"
        QCOMPARE(dir.read("quadro2.txt"), "a\r\nb\r\nc\r\n");
        QVERIFY(!dir.exists("quadro3.txt") && !tasto("cmdSalva")->isEnabled());

        // Typed, not applied, and left with Esc: asked to apply it, then to save; back in the utilities window.
        clickTab(tabs, 1);
        scegli(2, 2);
        casella("txtFrase")->setText(QStringLiteral("C"));
        Msg::queueAnswer(Msg::ResYes);
        Msg::queueAnswer(Msg::ResYes);
        Msg::queueAnswer(Msg::ResOk);
        QTest::keyClick(frasi(), Qt::Key_Escape);
        QCOMPARE(Msg::shown().at(Msg::shown().size() - 3).title, "Voce non applicata");
        QCOMPARE(dir.read("quadro2.txt"), "a\r\nb\r\nC\r\n");
        QTRY_VERIFY(!frasi() && window(kUtilita) && window(kUtilita)->isVisible());
    }

    void aMoveRenumbersEveryStoredSelection()
    {
        ProgramFolder dir;
        archivio(dir);
        apri(dir);
        clic(QStringLiteral("cmdFrasi"));
        clickTab(control<QTabWidget>(frasi(), QStringLiteral("tabFrasi")), 1);
        scegli(2, 0);
        // A position out of range, then No to the question: nothing changes.
        Msg::queueInput(QStringLiteral("3"));
        Msg::queueAnswer(Msg::ResOk);
        clickAt(tasto("cmdSposta"));
        ultimo(QStringLiteral("Scrivi un numero da 0 a 2."), QStringLiteral("Attenzione"), Msg::Exclamation);
        for (Msg::Result risposta : {Msg::ResNo, Msg::ResYes}) {
            Msg::queueInput(QStringLiteral("2"));
            Msg::queueAnswer(risposta);
            if (risposta == Msg::ResYes)
                Msg::queueAnswer(Msg::ResOk);
            clickAt(tasto("cmdSposta"));
            QCOMPARE(dir.read("quadro2.txt"), risposta == Msg::ResNo ? "a\r\nb\r\nc\r\n" : "b\r\nc\r\na\r\n");
        }
        const Msg::Shown domanda = Msg::shown().at(Msg::shown().size() - 2);
        QCOMPARE(domanda.text, "Spostare la voce 0 alla posizione 2?\n\rLe scelte salvate degli alunni di tutte le "
                               "classi e la preselezione saranno rinumerate insieme al file delle frasi: saranno "
                               "riscritti 3 file.");
        QVERIFY(domanda.defaultButton == Msg::ResNo && domanda.buttons == Msg::YesNo);
        QCOMPARE(dir.read("3A/Rossi Mario.dat"), "0 2 \r\n2 0 1 \r\n\r\n\r\n");
        QCOMPARE(dir.read("presele.dat"), "\r\n0 \r\n\r\n\r\n");
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), "1 \r\n\r\n\r\n\r\n");
        QCOMPARE(tabella(2)->item(2, 2)->text(), "a");
        QCOMPARE(tabella(2)->currentRow(), 2);
    }
};

QUADERLO_TEST_MAIN(TestFrmFrasi)
#include "tst_frmFrasi.moc"
