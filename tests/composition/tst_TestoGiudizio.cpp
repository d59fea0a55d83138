#include "TestSupport.h"

#include "composition/AssemblaTesto.h"
#include "composition/FileGiudizio.h"
#include "composition/ListaFrasi.h"
#include "composition/Selezione.h"
#include "composition/TestoQuadro.h"

#include <QDir>

// A judgment's text from the phrase files to the pupil's files, without windows.
class TestTestoGiudizio : public QObject
{
    Q_OBJECT
private slots:
    void entriesOfAPhraseFile()
    {
        const ListaFrasi::Destinatario m{false, "Rossi Mario", 1};
        const QByteArray riga = ansi("x=CognomeNome e CognomeNome, brav§ e attent§\r\n");
        const QByteArray coppie = ansi("{il|la} bambin§ {un|un'}alunn§, {autore|autrice}: CognomeNome è {stato|stata} brav§\r\n");
        const struct {
            QByteArray file;
            ListaFrasi::Destinatario per;
            QStringList voci;
        } casi[] = {
            // Only CR-terminated lines are entries; no CR at all, or no file: one empty entry.
            {"uno\r\n\r\ndue\r\ncoda senza fine riga", m, {"uno", "", "due"}},
            {"", m, {""}},
            // A CR without its LF still ends the line, and nothing of the next one is lost.
            {"a\rb\r\n", m, {"a", "b"}},
            // Windows-1252 bytes: euro sign, e grave, non-breaking space.
            {"\x80 \xe8\xa0x\r\n", m, {"€ è\u00a0x"}},
            // The first placeholder takes the name, "§" the ending; any code other than 0 is male.
            {riga, {false, "Bianchi Anna", 0}, {"x=Bianchi Anna e CognomeNome, brava e attenta"}},
            {riga, {false, "Neri Ugo", 2}, {"x=Neri Ugo e CognomeNome, bravo e attento"}},
            // Preselection: the name stays a placeholder and the ending is always "o".
            {riga, {true, "Bianchi Anna", 0}, {"x=CognomeNome e CognomeNome, bravo e attento"}},
            // Gendered pairs: the second word for a girl, the first for a boy and in preselection.
            {coppie, {false, "Bianchi Anna", 0}, {"la bambina un'alunna, autrice: Bianchi Anna è stata brava"}},
            {coppie, {false, "Neri Ugo", 2}, {"il bambino un alunno, autore: Neri Ugo è stato bravo"}},
            {coppie, {true, "Bianchi Anna", 0}, {"il bambino un alunno, autore: CognomeNome è stato bravo"}},
            // A brace without its bar and closing brace stays as written; the pair inside it still counts.
            {ansi("{il la} {lo|la {x|y|z} }{ {{Il|La}|\r\n"), {false, "B", 0}, {"{il la} {lo|la {x|y|z} }{ {La|"}},
            {"{|uno}{due|}{lo|l'}altro {un|un'} x\r\n", {false, "B", 1}, {"duelo altro un x"}},
        };
        for (const auto &c : casi)
            QCOMPARE(ListaFrasi::voci(c.file, c.per), c.voci);
        // A name holding "§" is put in first, so its "§" takes the ending too.
        QCOMPARE(ListaFrasi::compila("CognomeNome", {false, "A§", 0}), "Aa");
    }

    void assemblyOfTheTickedPhrases()
    {
        const QStringList voci = {"a=uno", "b= due", "c=tre  ", "d<=quattro", "e<=, cinque", "<=sei", "=sette",
                                  "otto", "g=nove=dieci", "h=; undici", "i=: dodici", "l=. tredici", "", "n=ultima"};
        const struct {
            QList<int> spuntate;
            const char *testo, *indici;
        } casi[] = {
            // A phrase starting with a blank brings its own; two blanks at the end keep one.
            {{0, 1, 2, 7}, "uno due tre  otto", "0 1 2 7 "},
            // A break marker starts a new line, except on the first phrase and on a phrase joined without separator.
            {{0, 3}, "uno\r\nquattro", "0 3 "},
            {{7, 3}, "quattro otto", "3 7 "},
            {{0, 4}, "uno, cinque", "0 4 "},
            {{0, 5}, "uno\r\nsei", "0 5 "},
            // "=" at the start: no head and no marker; no "=": the whole entry; only the first "=" counts.
            {{0, 6, 7, 8}, "uno sette otto nove=dieci", "0 6 7 8 "},
            {{0, 9, 10, 11}, "uno; undici: dodici. tredici", "0 9 10 11 "},
            // List order; ticked twice (record and preselection) or not in the list: once, or left out.
            {{8, 0}, "uno nove=dieci", "0 8 "},
            {{13, 13}, "ultima", "13 "},
            {{14, -1, 13}, "ultima", "13 "},
            {{}, "", ""},
            // An empty entry still takes its separator; the first phrase flag goes with the first ticked entry.
            {{0, 12, 13}, "uno  ultima", "0 12 13 "},
            {{12, 13}, " ultima", "12 13 "},
        };
        for (const auto &c : casi) {
            const auto r = AssemblaTesto::assembla(voci, c.spuntate);
            QCOMPARE(r.testo, c.testo);
            QCOMPARE(r.indici, c.indici);
        }
    }

    void selectionLinesAndFile()
    {
        QVERIFY(Selezione::riga({0, 3, 12}) == "0 3 12 " && Selezione::riga({}).isEmpty());
        const struct {
            const char *riga;
            int voci;
            QList<int> spunte;
        } casi[] = {
            // Out of range, negative and non-numeric tokens are skipped; text after the last blank is ignored.
            {"0 3 12 ", 5, {0, 3}},
            {"a 2 x5 -1 4", 10, {2}},
            {" 1  2 ", 10, {1, 2}},
            // A pupil's record followed by the preselection: an index in both comes twice.
            {"0 2 2 ", 3, {0, 2, 2}},
            {"", 10, {}},
        };
        for (const auto &c : casi)
            QCOMPARE(Selezione::daTicchettare(c.riga, c.voci), c.spunte);

        // A short file fills what it has; the other lines keep their values.
        ProgramFolder dir;
        dir.write("corto.dat", "7 \r\n");
        Selezione::Righe s{"", "1 ", "2 ", "3 "};
        QVERIFY(Selezione::leggiIn(dir.file("corto.dat"), s));
        QCOMPARE(s, (Selezione::Righe{"7 ", "1 ", "2 ", "3 "}));
        QVERIFY(!Selezione::leggiIn(dir.file("manca.dat"), s));
        QVERIFY(Selezione::scrivi(dir.file("nuovo.dat"), Selezione::Righe{}));
        QCOMPARE(dir.read("nuovo.dat"), "\r\n\r\n\r\n\r\n");
    }

    void sectionTextKeepsItsBytesThroughTheBox()
    {
        // Writing adds one CR LF; loading drops exactly that one.
        QVERIFY(TestoQuadro::perFile("a\nb") == "a\r\nb\r\n" && TestoQuadro::conCrLf("a\nb") == "a\r\nb");
        const struct {
            QByteArray file;
            const char *casella;
        } casi[] = {{"a\r\nb\r\n", "a\nb"}, {"a\r\n\r\n", "a\n"}, {"\r\n", ""}, {"senza fine riga", "senza fine riga"}};
        for (const auto &c : casi)
            QCOMPARE(TestoQuadro::perCasella(c.file), c.casella);
        for (const QByteArray &b : {"\r\n", "uno\r\n", "uno\r\n\r\ndue \r\n", "\xe8\xa0\x80\r\n\r\n"})
            QCOMPARE(TestoQuadro::perFile(TestoQuadro::perCasella(b)), b);
    }

    void pupilFilesStayInTheirClassFolder()
    {
        ProgramFolder dir;
        dir.write("3A/rossi mario.Q1", "x\r\n");
        const QString cartella = FileGiudizio::cartellaClasse("3a");
        QCOMPARE(QDir(cartella).dirName(), "3A");
        QCOMPARE(QFileInfo(FileGiudizio::percorso(cartella, "Rossi Mario", ".q1")).fileName(), "rossi mario.Q1");
        for (const char *bad : {"..", ".", "../x", "a/b", "a\\b", ""}) {
            QVERIFY2(!FileGiudizio::nomeUtilizzabile(bad), bad);
            QVERIFY(FileGiudizio::percorso(cartella, bad, QString()).isEmpty());
        }
        QVERIFY(FileGiudizio::cartellaClasse("..").isEmpty());
        QVERIFY(FileGiudizio::nomeUtilizzabile("D'Amico Zoë M."));
        QCOMPARE(QFileInfo(FileGiudizio::preselezione()).fileName(), "presele.dat");
        dir.write("PRESELE.DAT", "1 \r\n");
        QCOMPARE(QFileInfo(FileGiudizio::preselezione()).fileName(), "PRESELE.DAT");
    }
};

QUADERLO_TEST_MAIN(TestTestoGiudizio)
#include "tst_TestoGiudizio.moc"
