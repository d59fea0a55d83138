#include "TestSupport.h"

#include "composition/ListaFrasi.h"
#include "platform/Paths.h"
#include "utilities/FileFrasi.h"

#include <QDir>
#include <QFile>

using namespace FileFrasi;

namespace {
QByteArray campione(const QString &name)
{
    QFile f(QStringLiteral(QUADERLO_DATA_DIR "/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Two classes (one listed twice in another case), a pupil without a selection file, and the preselection.
void archivio(const ProgramFolder &dir)
{
    dir.write("quadro1.txt", "a\r\nb\r\nc\r\nd\r\n");
    dir.write("Classi.dat", "3A\r\n3b\r\n3a\r\n");
    dir.write("3A/ALUNNI.3A", "Rossi Mario\r\n 1 \r\nBianchi Anna\r\n 0 \r\nVerdi Ugo\r\n 1 \r\n");
    dir.write("3A/Rossi Mario.dat", "0 3 \r\n0 \r\n\r\n\r\n");
    dir.write("3A/bianchi anna.DAT", "2 \r\n1 2 \r\n");
    dir.write("3B/ALUNNI.3B", "Neri Eva\r\n 0 \r\n");
    dir.write("3B/Neri Eva.dat", "1 x 9 \r\n\r\n\r\n\r\n");
    dir.write("presele.dat", "1 3 \r\n3 \r\n\r\n\r\n");
}
const char *const kFile[] = {"quadro1.txt", "3A/Rossi Mario.dat", "3A/bianchi anna.DAT", "3B/Neri Eva.dat", "presele.dat"};
} // namespace

// The phrase editor's files, without windows.
class TestFileFrasi : public QObject
{
    Q_OBJECT
private slots:
    void filesReadAndWrittenBackByteForByte()
    {
        for (int n = 1; n <= 4; ++n) {
            const QByteArray b = campione(QStringLiteral("quadro%1.txt").arg(n));
            QVERIFY(b.size() > 100);
            const Contenuto c = leggi(b);
            QCOMPARE(bytes(c), b);
            QCOMPARE(c.voci(), ListaFrasi::voci(b, {}).size());
        }
        const struct {
            QByteArray file;
            int voci;
            QByteArray coda;
            QList<bool> mostrabili;
        } casi[] = {
            {"", 0, "", {}},
            {"senza a capo", 0, "senza a capo", {}},
            // A lone CR ends an entry too; a LF after CR LF, a tab or an unmapped byte is kept, not shown.
            {"a\rb\r\n\nc\r\nt\td\r\n\x81\r\ncoda", 5, "coda", {true, true, false, false, false}},
            {"\r\n\r\n", 2, "", {true, true}},
        };
        for (const auto &c : casi) {
            const Contenuto l = leggi(c.file);
            QCOMPARE(bytes(l), c.file);
            QCOMPARE(l.voci(), c.voci);
            QCOMPARE(l.coda, c.coda);
            for (int i = 0; i < l.voci(); ++i)
                QCOMPARE(l.mostrabile(i), c.mostrabili[i]);
        }
    }

    void entriesInTheirParts()
    {
        const struct {
            const char *voce;
            Parti parti;
        } casi[] = {
            {"Testa=frase", {"Testa", false, "frase", true}}, {"T<=frase", {"T", true, "frase", true}},
            {"<=frase", {"", true, "frase", true}},           {"frase", {"", false, "frase", false}},
            {"=frase", {"", false, "frase", true}},           {"a<<=b", {"a<", true, "b", true}},
            {"g=nove=dieci", {"g", false, "nove=dieci", true}}, {"a<b", {"", false, "a<b", false}},
            {"", {"", false, "", false}},
        };
        for (const auto &c : casi) {
            QCOMPARE(parti(c.voce), c.parti);
            QCOMPARE(unisci(c.parti), c.voce);
            QVERIFY(problema(c.parti).isEmpty());
        }
        // An entry without "=" gets one when it needs one.
        QCOMPARE(unisci({"", false, "x=y", false}), "=x=y");
        QCOMPARE(unisci({"T", false, "x", false}), "T=x");
        const struct {
            Parti parti;
            const char *problema;
        } rifiutate[] = {
            {{"a=b", false, "x"}, "La testa non può contenere il segno «=»."},
            {{"a<", false, "x"}, "La testa non può terminare con «<»: per far cominciare la frase su una riga nuova spunta «A capo»."},
            {{"", false, "a\nb"}, "La voce non può contenere a capo, tabulazioni o altri caratteri di controllo."},
            {{"\t", false, "x"}, "La voce non può contenere a capo, tabulazioni o altri caratteri di controllo."},
            {{"Ж", false, "x → y ✓"}, "La voce contiene caratteri che il file delle frasi non può contenere: Ж→✓"},
        };
        for (const auto &r : rifiutate)
            QCOMPARE(problema(r.parti), QString::fromUtf8(r.problema));
    }

    void editsKeepEveryOtherIndex()
    {
        Contenuto c = leggi(ansi("a=uno\r\nb<=due§\rc\r\ncoda"));
        QString perche;
        QVERIFY(modifica(c, 1, {"B", false, "dué {il|la}", true}, &perche));
        elimina(c, 0);
        QVERIFY(aggiungi(c, {"", true, "nuova", true}, &perche));
        QVERIFY(!aggiungi(c, {"", false, "€ e Ж", true}, &perche) && !modifica(c, 2, {"x=", false, ""}, &perche));
        // Untouched lines keep their bytes; new and edited ones end with CR LF; the last line without one stays last.
        QCOMPARE(bytes(c), ansi("\r\nB=dué {il|la}\r\nc\r\n<=nuova\r\ncoda"));
        QCOMPARE(ListaFrasi::voci(bytes(c), {false, "", 0}), QStringList({"", "B=dué la", "c", "<=nuova"}));

        const struct {
            int da, a;
            QList<int> nuovi;
            const char *file;
        } mosse[] = {
            {0, 2, {2, 0, 1, 3}, "b\r\nc\r\na\r\nd\r\n"}, {3, 1, {0, 2, 3, 1}, "a\r\nd\r\nb\r\nc\r\n"},
            {1, 1, {0, 1, 2, 3}, "a\r\nb\r\nc\r\nd\r\n"}, {0, 4, {0, 1, 2, 3}, "a\r\nb\r\nc\r\nd\r\n"},
        };
        for (const auto &m : mosse) {
            Contenuto s = leggi("a\r\nb\r\nc\r\nd\r\n");
            QCOMPARE(sposta(s, m.da, m.a), m.nuovi);
            QCOMPARE(bytes(s), m.file);
        }
    }

    void selectionsRenumbered()
    {
        const QList<int> nuovi = {2, 0, 1, 3};
        const struct {
            const char *riga, *dopo;
        } righe[] = {
            {"0 1 2 3 ", "2 0 1 3 "}, {"", ""}, {" 1  x 9 -1 1", " 0  x 9 -1 1"}, {"01 2.0 ", "0 1 "},
        };
        for (const auto &r : righe)
            QCOMPARE(rinumeraRiga(r.riga, nuovi), r.dopo);
        const struct {
            QByteArray file;
            int quadro;
            QByteArray dopo;
        } file[] = {
            {"0 \r\n1 \r\n", 2, "0 \r\n0 \r\n"},     {"1 \r\n1 \r\n", 1, "0 \r\n1 \r\n"},
            {"\n\r1 \r\n", 3, "\n\r0 \r\n"},         {"1 \r\n", 2, "1 \r\n"},
            {"\r\n\r\n\r\n1 ", 4, "\r\n\r\n\r\n0 "}, {"3 \r\n", 1, "3 \r\n"},
        };
        for (const auto &f : file)
            QCOMPARE(rinumeraFile(f.file, f.quadro, nuovi), f.dopo);
    }

    void aMoveRewritesAllFilesOrNone()
    {
        ProgramFolder dir;
        archivio(dir);
        Contenuto c = leggi(dir.read("quadro1.txt"));
        const QList<int> nuovi = sposta(c, 0, 2);
        const Piano piano = pianoSpostamento(1, nuovi, bytes(c));
        QVERIFY(piano.errore.isEmpty());
        QStringList nomi;
        for (const auto &f : piano.file)
            nomi << QDir(dir.path()).relativeFilePath(f.path);
        QCOMPARE(nomi, QStringList({"quadro1.txt", "presele.dat", "3A/Rossi Mario.dat", "3A/bianchi anna.DAT",
                                    "3B/Neri Eva.dat"}));
        const QByteArray nuovo[] = {"b\r\nc\r\na\r\nd\r\n", "2 3 \r\n0 \r\n\r\n\r\n", "1 \r\n1 2 \r\n",
                                    "0 x 9 \r\n\r\n\r\n\r\n", "0 3 \r\n3 \r\n\r\n\r\n"};
        const auto stato = [&] {
            QList<QByteArray> out;
            for (const char *f : kFile)
                out << dir.read(f);
            return out;
        };
        const QList<QByteArray> vecchio = stato();
        const QList<QByteArray> atteso(std::begin(nuovo), std::end(nuovo));
        // Killed at every step and started again: every file old, or every file new.
        for (int passo = 0; passo <= 2 * int(piano.file.size()) + 2; ++passo) {
            archivio(dir);
            interrompiPerTest(passo);
            QString errore;
            const bool fatto = esegui(piano.file, &errore);
            interrompiPerTest(-1);
            riprendi();
            const QList<QByteArray> dopo = stato();
            QVERIFY2(dopo == vecchio || dopo == atteso, qPrintable(QString::number(passo)));
            QCOMPARE(dopo == atteso, fatto || passo > int(piano.file.size()));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"Classi.dat", "presele.dat", "quadro1.txt"}));
            QCOMPARE(QDir(dir.file("3A")).entryList(QDir::Files | QDir::Hidden).size(), 3);
        }
        // A new file that cannot be written: nothing changes, nothing is left behind.
        archivio(dir);
        dir.mkdir("3B/Neri Eva.dat.quaderlo-rinumera");
        QString errore;
        QVERIFY(!esegui(piano.file, &errore));
        QVERIFY2(errore.startsWith("Neri Eva.dat.quaderlo-rinumera: "), qPrintable(errore));
        QCOMPARE(stato(), vecchio);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
        QCOMPARE(QDir(dir.file("3A")).entryList(QDir::Files | QDir::Hidden).size(), 3);
        // A pupil list that cannot be read: no plan.
        QFile::remove(dir.file("3B/ALUNNI.3B"));
        dir.mkdir("3B/ALUNNI.3B");
        QCOMPARE(pianoSpostamento(1, nuovi, bytes(c)).errore, "Impossibile leggere l'elenco degli alunni della classe 3b.");
    }
};

QUADERLO_TEST_MAIN(TestFileFrasi)
#include "tst_FileFrasi.moc"
