#include "CompilaSupport.h"

#include "composition/UsoFrasi.h"

// How many pupils of a class chose each phrase, counted from their selection files.
class TestUsoFrasi : public QObject
{
    Q_OBJECT
private slots:
    void countsOverTheClass()
    {
        ProgramFolder dir;
        dir.write("3A/ALUNNI.3A", "Bianchi Anna\r\n 0 \r\nNeri Ugo\r\n 1 \r\nRossi Mario\r\n 1 \r\nVerdi Eva\r\n 0 \r\n");
        // Overlapping ticks; the file name in another letter case; an index stored twice counts once.
        dir.write("3A/Bianchi Anna.dat", "0 2 \r\n1 \r\n\r\n4 \r\n");
        dir.write("3A/NERI UGO.DAT", "2 3 2 \r\n\r\n0 1 2 \r\n");
        dir.write("3A/Rossi Mario.dat", "0 2 3 \r\n1 5 \r\n2 \r\n");
        // Verdi Eva has no file. Files of pupils not in the list do not count.
        dir.write("3A/Gialli Pia.dat", "0 1 2 3 \r\n0 1 \r\n0 \r\n0 \r\n");
        const struct {
            int quadro, frasi;
            QList<int> perFrase;
        } casi[] = {
            {1, 4, {2, 0, 3, 2}},
            {2, 6, {0, 2, 0, 0, 0, 1}},
            {2, 3, {0, 2, 0}}, // an index the list does not have is left out
            {3, 3, {1, 1, 2}},
            {4, 5, {0, 0, 0, 0, 1}}, // a file shorter than four lines
            {4, 0, {}},
            {5, 2, {0, 0}},
        };
        for (const auto &c : casi) {
            const UsoFrasi::Conteggi u = UsoFrasi::perClasse(QStringLiteral("3A"), c.quadro, c.frasi);
            QCOMPARE(u.perFrase, c.perFrase);
            QCOMPARE(u.alunni, 4);
        }
        // Damaged lines: what is not a number is skipped, the rest still counts.
        dir.write("3A/Verdi Eva.dat", "x 1 -3 99999 1x \r\n\x80\xff 2");
        QCOMPARE(UsoFrasi::perClasse(QStringLiteral("3A"), 1, 4).perFrase, QList<int>({2, 1, 3, 2}));
        QCOMPARE(UsoFrasi::perClasse(QStringLiteral("3A"), 2, 3).perFrase, QList<int>({0, 2, 0}));
        // A class without its folder or list, or a name that cannot be a folder: nobody to count.
        QCOMPARE(UsoFrasi::perClasse(QStringLiteral("5C"), 1, 2), (UsoFrasi::Conteggi{{0, 0}, 0}));
        QCOMPARE(UsoFrasi::perClasse(QStringLiteral("../3A"), 1, 1), (UsoFrasi::Conteggi{{0}, 0}));
        QCOMPARE(UsoFrasi::suggerimento(3, 25), QStringLiteral("Scelta per 3 alunni su 25"));
    }
};

QUADERLO_TEST_MAIN(TestUsoFrasi)
#include "tst_UsoFrasi.moc"
