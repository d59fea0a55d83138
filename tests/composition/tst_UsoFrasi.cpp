#include "CompilaSupport.h"

#include "composition/ListaSpunte.h"
#include "composition/UsoFrasi.h"

namespace {
// What is drawn at the right edge of item riga, where its count goes.
QImage colonna(ListaSpunte *l, int riga)
{
    const QRect r = l->rettangoloConteggio(l->visualItemRect(l->item(riga)));
    return l->viewport()->grab(r).toImage();
}

QString suggerimento(QListWidget *l, int riga)
{
    return toolTipAt(l->viewport(), l->visualItemRect(l->item(riga)).center());
}
} // namespace

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

    void countsBesideThePhrases()
    {
        using namespace Compila;
        ProgramFolder dir;
        preparaArchivio(dir);
        dir.write("quadro1.txt", ansi("a=CognomeNome si è mostrat§ attent§\r\nb=, partecipe\r\nc=e con costanza\r\n"
                                      "d=") + QByteArray(300, 'x') + "\r\n");
        dir.write("3A/Rossi Mario.dat", "0 3 \r\n1 \r\n\r\n\r\n");
        QVERIFY(apri(dir));
        clicScheda(schedeGiudizi(), 0);
        auto *l = qobject_cast<ListaSpunte *>(lista(0));
        QVERIFY(l && l->count() == 4);
        // Counts 1, 0, 0, 1: the same count looks the same beside a short and an over-long phrase, whose
        // text stops before it; another count looks different, and a count is not a blank.
        QImage uno = colonna(l, 0), zero = colonna(l, 1);
        QVERIFY(!uno.isNull() && uno == colonna(l, 3) && zero == colonna(l, 2) && uno != zero);
        QImage vuota(uno.size(), uno.format());
        vuota.fill(uno.pixel(0, 0));
        QVERIFY(uno != vuota && zero != vuota);
        QCOMPARE(suggerimento(l, 0), QStringLiteral("Scelta per 1 alunni su 2"));
        QCOMPARE(suggerimento(l, 2), QStringLiteral("Scelta per 0 alunni su 2"));
        // Bianchi Anna's choice, once saved, counts at once.
        componi(0, {0, 2});
        QCOMPARE(dir.read("3A/Bianchi Anna.dat"), QByteArray("0 2 \r\n\r\n\r\n\r\n"));
        QCOMPARE(suggerimento(l, 0), QStringLiteral("Scelta per 2 alunni su 2"));
        QCOMPARE(suggerimento(l, 2), QStringLiteral("Scelta per 1 alunni su 2"));
        QVERIFY(colonna(l, 1) == zero && colonna(l, 3) == uno && colonna(l, 2) != uno); // ticked: drawn as ticked
        // Another section shows its own counts.
        clicScheda(schedeGiudizi(), 1);
        QCOMPARE(suggerimento(lista(1), 1), QStringLiteral("Scelta per 1 alunni su 2"));
        VERIFY_NO_UNANSWERED();
    }
};

QUADERLO_TEST_MAIN(TestUsoFrasi)
#include "tst_UsoFrasi.moc"
