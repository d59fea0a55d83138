#include "StampaSupport.h"

#include "printing/Geometria.h"
#include "printing/Lunghezza.h"

#include <QLabel>

using namespace CarQuad;
using namespace StampaProva;

namespace {
// Where the last printed line's letters end, in mm from the page's top edge.
double fondoPdf(const QList<RigaPdf> &stampate)
{
    double fondo = 0;
    for (const ParolaPdf &p : stampate.value(stampate.size() - 1))
        fondo = qMax(fondo, p.yMax);
    return fondo;
}

// The length of the page just printed, read from the PDF as the teacher would measure the sheet.
QString lunghezzaPdf(const QString &pdf)
{
    const QList<RigaPdf> stampate = righePdf(pdf);
    return QStringLiteral("%1 righe, fino a %2 mm dall'alto").arg(stampate.size()).arg(qRound(fondoPdf(stampate)));
}
} // namespace

// The printed length of a text, against the PDF its print produces.
class TestLunghezza : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { Stampa::setFileDiProva(QString()); }

    void lengthAsPrinted()
    {
        SALTA_SENZA_PDFTOTEXT();
        ProgramFolder dir;
        const LavoroStampa arial{QStringLiteral("Arial"), 12, 1, Geometrie::stampa(190, 20, 30)};
        const LavoroStampa times{QStringLiteral("Times New Roman"), 14, 2, Geometrie::stampaFormato(150, 40, 100)};
        const struct {
            LavoroStampa lavoro;
            QString testo;
            int righe; // -1: as many as the PDF has
        } casi[] = {
            {arial, kTesto + "\r\n", -1},
            {arial, kTesto + "\r\n\r\n" + kTesto + "\r\n", -1},
            {times, kTesto + " " + kTesto, -1},
            {arial, QStringLiteral("a\r\n\r\nb\r\n"), 3},
            {arial, QStringLiteral(" uno\r\n"), 2}, // a leading blank: the first line stays empty
            {times, QStringLiteral("\r\n"), 0},
        };
        for (const auto &c : casi) {
            const QString pdf = dir.file(QStringLiteral("misura.pdf"));
            QFile::remove(pdf);
            Stampa::setFileDiProva(pdf);
            QString testo = c.testo;
            QVERIFY(Stampa::esegui(c.lavoro, testo));
            const QList<RigaPdf> stampate = righePdf(pdf);
            const Lunghezza l = Lunghezze::misura(c.lavoro, c.testo);
            QCOMPARE(l.foglio, c.lavoro.orientamento == 2 ? 210.0 : 297.0);
            if (c.righe == 0) {
                QVERIFY(stampate.isEmpty() && l.righe == 0);
                continue;
            }
            // Every printed line counted, and the empty ones between them.
            const int vuote = c.testo.count(QStringLiteral("\r\n\r\n")) + (c.testo.startsWith(' ') ? 1 : 0);
            QCOMPARE(l.righe, c.righe < 0 ? int(stampate.size()) + vuote : c.righe);
            QVERIFY(qAbs(l.fondo - fondoPdf(stampate)) < 0.05);
        }
    }

    // Under the section as the teacher types, and in the preview for the chosen format: what the sheet shows.
    void lengthShownWhileTyping()
    {
        SALTA_SENZA_PDFTOTEXT();
        ProgramFolder dir;
        const QString pdf = dir.file(QStringLiteral("quadro.pdf"));
        Stampa::setFileDiProva(pdf);
        dir.write("Formati.dat", "Arial\r\n12\r\n190\r\n20\r\n20\r\nTimes New Roman\r\n14\r\n150\r\n40\r\n100\r\n"
                                 "Arial\r\n12\r\n190\r\n20\r\n20\r\nArial\r\n12\r\n190\r\n20\r\n20\r\n");
        frmCompila *compila = apriModifica(dir, configurazione(1, 30), kTesto);
        QVERIFY(compila);
        auto *righe = control<QLabel>(compila, QStringLiteral("lblRigheQ2"));
        clickTab(Compila::schedeQuadri(), 1);
        QTRY_COMPARE(righe->text(), QStringLiteral("3 righe, fino a 48 mm dall'alto"));
        clickAt(Compila::txtQ(2));
        QTest::keyClick(Compila::txtQ(2), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(Compila::txtQ(2), QStringLiteral(" Ha letto volentieri e con attenzione i libri della biblioteca "
                                                          "di classe, raccontandoli poi ai compagni con parole sue."));
        QTRY_COMPARE(righe->text(), QStringLiteral("4 righe, fino a 53 mm dall'alto"));
        const QString scritta = righe->text();
        stampaQuadro(compila, 2);
        QCOMPARE(scritta, lunghezzaPdf(pdf));

        stampaQuadro(compila, 2, true);
        QWidget *a = window(QStringLiteral("frmAnteprima"));
        auto *anteprima = control<QLabel>(a, QStringLiteral("lblRighe"));
        QCOMPARE(anteprima->text(), scritta);
        clickAt(control<QPushButton>(a, QStringLiteral("checkFormato")));
        clickOption(control<QAbstractButton>(a, QStringLiteral("optFormati1")));
        const QString perFormato = anteprima->text();
        QVERIFY(perFormato != scritta);
        clickAt(control<QPushButton>(a, QStringLiteral("cmdStampaQ2")));
        QCOMPARE(perFormato, lunghezzaPdf(pdf));
        VERIFY_NO_UNANSWERED();
    }

    void description()
    {
        ProgramFolder dir; // no print configuration yet
        QCOMPARE(Lunghezze::conConfigurazione(1, QStringLiteral("uno\r\n")),
                 QStringLiteral("Lunghezza in stampa: prima imposta la stampa nel modulo Utilità."));
        const struct {
            Lunghezza l;
            const char *testo;
        } casi[] = {
            {{7, 98.4, 297}, "7 righe, fino a 98 mm dall'alto"},
            {{1, 40.5, 297}, "1 riga, fino a 41 mm dall'alto"},
            {{0, 0, 297}, "Nessuna riga da stampare"},
            {{60, 211, 210}, "60 righe, fino a 211 mm dall'alto, oltre il fondo del foglio"},
        };
        for (const auto &c : casi)
            QCOMPARE(Lunghezze::descrizione(c.l), QString::fromUtf8(c.testo));
    }
};

QUADERLO_TEST_MAIN(TestLunghezza)
#include "tst_Lunghezza.moc"
