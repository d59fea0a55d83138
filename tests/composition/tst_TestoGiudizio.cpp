#include "TestSupport.h"

#include "composition/AssemblaTesto.h"
#include "composition/Conferme.h"
#include "composition/FileGiudizio.h"
#include "composition/Giudizio.h"
#include "composition/ListaFrasi.h"
#include "composition/Selezione.h"
#include "composition/TestoQuadro.h"
#include "platform/Ansi.h"

#include <QDir>

namespace {
const QStringList kVoci = {"1=Rossi Mario si è mostrato attento", "2=, partecipe", "3<=Ha lavorato con impegno ",
                           "4=e con costanza."};
} // namespace

// A judgment's text from the phrase files to the pupil's files, without windows: what saving writes,
// refuses and asks.
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
        // A long one gives its first four lines only.
        dir.write("lungo.dat", "1 \r\n2 \r\n3 \r\n4 \r\n5 \r\n6 \r\n");
        QVERIFY(Selezione::leggiIn(dir.file("lungo.dat"), s));
        QCOMPARE(s, (Selezione::Righe{"1 ", "2 ", "3 ", "4 "}));
        QCOMPARE(Selezione::leggi(dir.file("lungo.dat"))->size(), 4);
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

    void thePreselectionFile()
    {
        ProgramFolder dir;
        QCOMPARE(QFileInfo(FileGiudizio::preselezione()).fileName(), "presele.dat");
        dir.write("PRESELE.DAT", "1 \r\n");
        QCOMPARE(QFileInfo(FileGiudizio::preselezione()).fileName(), "PRESELE.DAT");
    }

    void storedTextAgainstItsTicks()
    {
        const QString due = "Rossi Mario si è mostrato attento, partecipe";
        const QString corretto = due + " Ottimo inizio d'anno, è già più sicuro.";
        auto s = [](const QString &testo, const char *scelta) { return Conferme::Salvato{true, testo, scelta}; };
        const struct {
            const char *nome;
            Conferme::Salvato salvato;
            QString nuovo;
            bool corretto, chiedi;
        } casi[] = {
            {"no file", Conferme::Salvato{}, due, false, false},
            {"as assembled", s(due, "0 1 "), "x", false, false},
            {"as assembled, line ends after it", s(due + "\n\n", "0 1 "), "x", false, false},
            {"line break as assembled", s("x\nHa lavorato con impegno", "2 "), "", true, true},
            {"corrected by hand", s(corretto, "0 1 "), due, true, true},
            {"corrected, the same text again", s(corretto, "0 1 "), corretto + "\n", true, false},
            {"text without ticks", s("Scritto a mano", ""), due, true, true},
            {"emptied by hand", s("", "0 "), due, true, true},
            {"empty text, no ticks", s("", ""), due, false, false},
            {"an index the list lacks", s(due, "0 1 9 "), due, false, false},
            {"unreadable", Conferme::Salvato{true, std::nullopt, "0 "}, due, true, true},
        };
        for (const auto &c : casi) {
            QVERIFY2(Conferme::correttoAMano(kVoci, c.salvato) == c.corretto, c.nome);
            QVERIFY2(Conferme::chiediSostituzione(kVoci, c.salvato, c.nuovo) == c.chiedi, c.nome);
        }
        const struct {
            QList<int> confermate, attuali;
            bool atteso;
        } spunte[] = {{{}, {}, false}, {{0, 2}, {2, 0}, false}, {{0}, {0, 1}, true},
                      {{0, 1}, {1}, true}, {{}, {3}, true}, {{0, 0}, {0}, false}};
        for (const auto &c : spunte)
            QCOMPARE(Conferme::spunteDaConfermare(c.confermate, c.attuali), c.atteso);
    }

    void whatEachSaveWrites()
    {
        ProgramFolder dir;
        dir.mkdir("3A");
        using R = Giudizio::Rifiuto;
        const Giudizio::Alunno rossi{"3A", "Rossi Mario"}, presele{"", "Presele", true}, fuori{"..", "Rossi Mario"};
        const QString due = "Rossi Mario si è mostrato attento, partecipe";
        const Selezione::Righe scelte{"2 ", "0 ", "", ""};
        // Each file as its path in the program folder (empty: it cannot be named), then its text.
        const auto file = [&](const Giudizio::Piano &p) {
            QStringList out;
            for (const Giudizio::File &f : p.file)
                out << (f.percorso.isEmpty() ? QString() : QDir(dir.path()).relativeFilePath(f.percorso)) + " "
                           + Ansi::decode(f.bytes);
            return out;
        };
        const QString uno = "Rossi Mario si è mostrato attento";
        const struct {
            const char *nome;
            Giudizio::Piano piano;
            R rifiuto;
            QString testo, scelta;
            QStringList file;
        } casi[] = {
            {"ticked", Giudizio::ok(rossi, true, 1, kVoci, {1, 0}, "vecchio", scelte), R::Nessuno, due, "0 1 ",
             {"3A/Rossi Mario.q1 " + due + "\r\n", "3A/Rossi Mario.dat 0 1 \r\n0 \r\n\r\n\r\n"}},
            // Nothing ticked: the box's text with the stored ticks; an empty text drops them.
            {"nothing ticked", Giudizio::ok(rossi, true, 1, kVoci, {}, "a\nmano", scelte), R::Nessuno, "a\nmano", "2 ",
             {"3A/Rossi Mario.q1 a\r\nmano\r\n", "3A/Rossi Mario.dat 2 \r\n0 \r\n\r\n\r\n"}},
            {"nothing at all", Giudizio::ok(rossi, true, 2, kVoci, {}, "", scelte), R::Nessuno, "", "",
             {"3A/Rossi Mario.q2 \r\n", "3A/Rossi Mario.dat 2 \r\n\r\n\r\n\r\n"}},
            {"no pupil", Giudizio::ok(rossi, false, 1, kVoci, {0}, "", scelte), R::SenzaAlunno, uno, "0 ", {}},
            // The preselection: only presele.dat, any character.
            {"preselection", Giudizio::ok(presele, false, 3, kVoci, {}, "Ж", scelte), R::Nessuno, "Ж", "",
             {"presele.dat 2 \r\n0 \r\n\r\n\r\n"}},
            {"characters", Giudizio::ok(rossi, true, 1, kVoci, {}, "Жx", scelte), R::Caratteri, "Жx", "2 ", {}},
            {"class outside the program folder", Giudizio::ok(fuori, true, 1, kVoci, {0}, "", {}), R::Nessuno, uno, "0 ",
             {" " + uno + "\r\n", " 0 \r\n\r\n\r\n\r\n"}},
            {"composed text", Giudizio::testo(rossi, true, ".q4", "Bravo 5€"), R::Nessuno, "Bravo 5€", "",
             {"3A/Rossi Mario.q4 Bravo 5€\r\n"}},
            {"no section shown", Giudizio::testo(rossi, true, "", "x"), R::SenzaAlunno, "x", "", {}},
            {"edited texts", Giudizio::quadri(rossi, {"a", "b\nc", "", "d"}, {"T1", "T2", "T3", "T4"}), R::Nessuno, "", "",
             {"3A/Rossi Mario.q1 a\r\n", "3A/Rossi Mario.q2 b\r\nc\r\n", "3A/Rossi Mario.q3 \r\n", "3A/Rossi Mario.q4 d\r\n"}},
            {"edited texts, characters", Giudizio::quadri(rossi, {"a", "Ω", "", ""}, {"T1", "T2", "T3", "T4"}), R::Caratteri, "", "", {}},
        };
        for (const auto &c : casi) {
            QVERIFY2(c.piano.rifiuto == c.rifiuto && !c.piano.chiediSostituzione, c.nome);
            QVERIFY2(c.piano.testo == c.testo && c.piano.scelta == c.scelta, c.nome);
            QCOMPARE(file(c.piano), c.file);
        }
        QCOMPARE(Giudizio::ok(fuori, true, 1, kVoci, {0}, "", {}).file.first().nome, "Rossi Mario.q1");
        QCOMPARE(Giudizio::quadri(rossi, {"", "", "", ""}, {"T1", "T2", "T3", "T4"}).file[1].nome, "T2 (Rossi Mario.q2)");

        // OK asks before it replaces a stored text that its stored ticks do not make.
        dir.write("3A/Rossi Mario.dat", "0 1 \r\n");
        dir.write("3A/Rossi Mario.q1", ansi("Rossi Mario si è mostrato attento, partecipe\r\n"));
        QVERIFY(!Giudizio::ok(rossi, true, 1, kVoci, {3}, "", {}).chiediSostituzione);
        dir.write("3A/Rossi Mario.q1", ansi("Rossi Mario si è mostrato attento, partecipe. Ottimo.\r\n"));
        QVERIFY(Giudizio::ok(rossi, true, 1, kVoci, {3}, "", {}).chiediSostituzione);
        QVERIFY(!Giudizio::ok(presele, false, 1, kVoci, {3}, "", {}).chiediSostituzione);
    }

    void charactersAndFilesNotSavedAreNamed()
    {
        const Giudizio::Alunno rossi{"3A", "Rossi Mario"};
        const QString coda = "\n\rCancellali o sostituiscili, poi salva di nuovo. Non è stato salvato nulla.";
        QCOMPARE(Giudizio::testo(rossi, true, ".q1", "x Жа😀 5€").messaggio,
                 "Il testo contiene caratteri che non si possono salvare: Ж, а, 😀" + coda);
        QCOMPARE(Giudizio::quadri(rossi, {"ok", "Ω", "a\u200bb", ""}, {"T1", "Finalità", "T3", "T4"}).messaggio,
                 "Il quadro \"Finalità\" contiene caratteri che non si possono salvare: Ω\n\r"
                 "Il quadro \"T3\" contiene caratteri che non si possono salvare: U+200B" + coda);

        // Every file is tried; those not written come back, named as the teacher knows them.
        ProgramFolder dir;
        dir.mkdir("3A/Rossi Mario.q2"); // a folder where the file should go
        const Giudizio::Piano piano = Giudizio::quadri(rossi, {"a", "b", "c", "d"}, {"T1", "T2", "T3", "T4"});
        const QList<Giudizio::File> nonScritti = Giudizio::scrivi(piano.file + QList<Giudizio::File>{{"", "x.dat", "1"}});
        QCOMPARE(nonScritti.size(), 2);
        QVERIFY(dir.read("3A/Rossi Mario.q1") == "a\r\n" && dir.read("3A/Rossi Mario.q4") == "d\r\n");
        const QString perche = "\n\rControlla che la cartella della classe esista, che non sia protetta da scrittura e "
                               "che il disco non sia pieno: il testo resta da salvare.";
        QCOMPARE(Giudizio::nonSalvati(piano, {nonScritti.first()}), "Questi quadri non sono stati salvati:\n\rT2 (Rossi Mario.q2)" + perche);
        const Giudizio::Piano ok = Giudizio::ok(rossi, true, 1, kVoci, {0}, "", {});
        QCOMPARE(Giudizio::nonSalvati(ok, ok.file), "Impossibile salvare i file \"Rossi Mario.q1\", \"Rossi Mario.dat\"." + perche);
        QCOMPARE(Giudizio::nonSalvati(ok, {ok.file.last()}), "Impossibile salvare il file \"Rossi Mario.dat\"." + perche);
    }
};

QUADERLO_TEST_MAIN(TestTestoGiudizio)
#include "tst_TestoGiudizio.moc"
