#include "StampaSupport.h"

#include "printing/Geometria.h"
#include "printing/Lunghezza.h"

using namespace CarQuad;

namespace {
const QString kTesto = QStringLiteral(
    "Nel corso del primo quadrimestre Mario ha mostrato un interesse costante per le attività proposte, "
    "partecipando con impegno alle conversazioni e portando a termine i lavori assegnati con ordine.");
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
            double fondo = 0;
            for (const ParolaPdf &p : stampate.last())
                fondo = qMax(fondo, p.yMax);
            qInfo("%d lines, bottom %.3f mm, in the PDF %.3f mm", l.righe, l.fondo, fondo);
            QVERIFY(qAbs(l.fondo - fondo) < 0.05);
        }
    }

    void description()
    {
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
