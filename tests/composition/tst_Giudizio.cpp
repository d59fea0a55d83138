#include "TestSupport.h"

#include "composition/Conferme.h"
#include "composition/Giudizio.h"
#include "platform/Ansi.h"

#include <QDir>

// Saving a judgment without windows: what is written, what is refused, what is asked.
class TestGiudizio : public QObject
{
    Q_OBJECT
    const QStringList voci = {"1=Rossi Mario si è mostrato attento", "2=, partecipe", "3<=Ha lavorato con impegno ",
                              "4=e con costanza."};

private slots:
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
            QVERIFY2(Conferme::correttoAMano(voci, c.salvato) == c.corretto, c.nome);
            QVERIFY2(Conferme::chiediSostituzione(voci, c.salvato, c.nuovo) == c.chiedi, c.nome);
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
        const struct {
            const char *nome;
            Giudizio::Piano piano;
            QByteArray salvato; // Rossi Mario.q1 before OK (empty: none)
            R rifiuto;
            bool chiedi;
            QString testo, scelta;
            QStringList file;
        } casi[] = {
            {"ticked", Giudizio::ok(rossi, true, 1, voci, {1, 0}, "vecchio", scelte), {}, R::Nessuno, false, due, "0 1 ",
             {"3A/Rossi Mario.q1 " + due + "\r\n", "3A/Rossi Mario.dat 0 1 \r\n0 \r\n\r\n\r\n"}},
            // Nothing ticked: the box's text with the stored ticks; an empty text drops them.
            {"nothing ticked", Giudizio::ok(rossi, true, 1, voci, {}, "a\nmano", scelte), {}, R::Nessuno, false, "a\nmano",
             "2 ", {"3A/Rossi Mario.q1 a\r\nmano\r\n", "3A/Rossi Mario.dat 2 \r\n0 \r\n\r\n\r\n"}},
            {"nothing at all", Giudizio::ok(rossi, true, 2, voci, {}, "", scelte), {}, R::Nessuno, false, "", "",
             {"3A/Rossi Mario.q2 \r\n", "3A/Rossi Mario.dat 2 \r\n\r\n\r\n\r\n"}},
            {"no pupil", Giudizio::ok(rossi, false, 1, voci, {0}, "", scelte), {}, R::SenzaAlunno, false, "Rossi Mario si è mostrato attento", "0 ", {}},
            // The preselection: only presele.dat, nothing asked, any character.
            {"preselection", Giudizio::ok(presele, false, 3, voci, {0}, "", scelte), {}, R::Nessuno, false,
             "Rossi Mario si è mostrato attento", "0 ", {"presele.dat 2 \r\n0 \r\n0 \r\n\r\n"}},
            {"characters", Giudizio::ok(rossi, true, 1, voci, {}, "Жx", scelte), {}, R::Caratteri, false, "Жx", "2 ",
             {"3A/Rossi Mario.q1 ?x\r\n", "3A/Rossi Mario.dat 2 \r\n0 \r\n\r\n\r\n"}},
            {"class outside the program folder", Giudizio::ok(fuori, true, 1, voci, {0}, "", {}), {}, R::Nessuno, false,
             "Rossi Mario si è mostrato attento", "0 ", {" Rossi Mario si è mostrato attento\r\n", " 0 \r\n\r\n\r\n\r\n"}},
            {"composed text", Giudizio::testo(rossi, true, ".q4", "Bravo 5€"), {}, R::Nessuno, false, "Bravo 5€", "",
             {"3A/Rossi Mario.q4 Bravo 5€\r\n"}},
            {"no section shown", Giudizio::testo(rossi, true, "", "x"), {}, R::SenzaAlunno, false, "x", "", {}},
            {"edited texts", Giudizio::quadri(rossi, {"a", "b\nc", "", "d"}, {"T1", "T2", "T3", "T4"}), {}, R::Nessuno,
             false, "", "", {"3A/Rossi Mario.q1 a\r\n", "3A/Rossi Mario.q2 b\r\nc\r\n", "3A/Rossi Mario.q3 \r\n", "3A/Rossi Mario.q4 d\r\n"}},
        };
        for (const auto &c : casi) {
            QVERIFY2(c.piano.rifiuto == c.rifiuto && c.piano.chiediSostituzione == c.chiedi, c.nome);
            QVERIFY2(c.piano.testo == c.testo && c.piano.scelta == c.scelta, c.nome);
            QCOMPARE(file(c.piano), c.file);
        }
        QCOMPARE(Giudizio::ok(fuori, true, 1, voci, {0}, "", {}).file.first().nome, "Rossi Mario.q1");
        QCOMPARE(Giudizio::quadri(rossi, {"", "", "", ""}, {"T1", "T2", "T3", "T4"}).file[1].nome, "T2 (Rossi Mario.q2)");

        // OK asks before it replaces a stored text that its stored ticks do not make.
        dir.write("3A/Rossi Mario.dat", "0 1 \r\n");
        dir.write("3A/Rossi Mario.q1", ansi("Rossi Mario si è mostrato attento, partecipe\r\n"));
        QVERIFY(!Giudizio::ok(rossi, true, 1, voci, {3}, "", {}).chiediSostituzione);
        dir.write("3A/Rossi Mario.q1", ansi("Rossi Mario si è mostrato attento, partecipe. Ottimo.\r\n"));
        QVERIFY(Giudizio::ok(rossi, true, 1, voci, {3}, "", {}).chiediSostituzione);
        QVERIFY(!Giudizio::ok(rossi, true, 1, voci, {3}, "", {}).file.isEmpty());
        QVERIFY(!Giudizio::ok(presele, false, 1, voci, {3}, "", {}).chiediSostituzione);
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
        const Giudizio::Piano ok = Giudizio::ok(rossi, true, 1, voci, {0}, "", {});
        QCOMPARE(Giudizio::nonSalvati(ok, ok.file), "Impossibile salvare i file \"Rossi Mario.q1\", \"Rossi Mario.dat\"." + perche);
        QCOMPARE(Giudizio::nonSalvati(ok, {ok.file.last()}), "Impossibile salvare il file \"Rossi Mario.dat\"." + perche);
    }
};

QUADERLO_TEST_MAIN(TestGiudizio)
#include "tst_Giudizio.moc"
