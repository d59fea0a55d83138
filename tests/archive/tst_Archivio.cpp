#include "Archivi.h"

#include "app/CarQuad.h"
#include "archive/Archivio.h"
#include "archive/ConfrontoNomi.h"
#include "archive/ElencoAlunni.h"
#include "archive/ElencoClassi.h"
#include "archive/NuovaClasse.h"
#include "archive/SvuotaArchivio.h"

using namespace Archivio;

namespace {
QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// Classi.dat: its bytes, "<cartella>" for a folder in its place, "<nessuno>" for none.
void poniClassi(const ProgramFolder &dir, const QByteArray &bytes)
{
    QDir(dir.file("Classi.dat")).removeRecursively();
    QFile::remove(dir.file("Classi.dat"));
    if (bytes == "<cartella>")
        dir.mkdir("Classi.dat");
    else if (bytes != "<nessuno>")
        dir.write("Classi.dat", bytes);
}
QByteArray classi(const ProgramFolder &dir)
{
    return QFileInfo(dir.file("Classi.dat")).isDir() ? QByteArray("<cartella>") : dir.read("Classi.dat");
}

// "" accepted, "!" refused for some reason, else the exact reason.
void accettato(const QString &problema, const char *atteso, const char *nome)
{
    if (QByteArray(atteso) == "!")
        QVERIFY2(!problema.isEmpty(), nome);
    else
        QVERIFY2(problema == u(atteso), qPrintable(u(nome) + " | " + problema));
}
} // namespace

// The archive's rules and lists, at their owner.
class TestArchivio : public QObject
{
    Q_OBJECT
private slots:
    void theNameRule()
    {
        ProgramFolder dir;
        CarQuad::TitoloQuadro1 = QStringLiteral("Sit. Iniziale");
        CarQuad::TitoloQuadro2 = u("Finalità");
        CarQuad::TitoloQuadro3 = u("Val. 1° Q.");
        CarQuad::TitoloQuadro4 = u("Val. 2° Q.");
        // As a class, as a pupil: "" accepted, "!" refused, else the reason; whether it may address a file.
        const struct { QString nome; const char *classe, *alunno; bool semplice; } casi[] = {
            {"3A", "", "", true}, {u("D'Angelo Niccolò"), "", "", true}, {"Console", "", "", true},
            {"Rossi M.", "Il nome non può terminare con un punto o con uno spazio.", "", true},
            {"Rossi ", "!", "Il nome non può terminare con uno spazio.", true},
            {" inizio", "!", "Il nome non può iniziare con uno spazio.", true},
            {"", "Il nome non può essere vuoto.", "!", false}, {".", "!", "!", false},
            {"..", "Il nome non è valido.", "!", false}, {"../x", "!", "!", false}, {"a/b", "!", "!", false},
            {"a\\b", "Il nome non può contenere i caratteri \\ / : * ? \" < > |", "!", false},
            {"a,b", "Il nome non può contenere la virgola.", "!", true},
            {"CON", "Il nome \"CON\" è riservato dal sistema.", "!", true},
            {"tab\there", "Il nome contiene caratteri di controllo.", "!", false},
            {u("ЖЖ"), "Il nome contiene caratteri non ammessi: Ж", "!", true},
            // The longest class file is its merged section: class, "_", 13-byte title, ".txt"; a pupil's is ".dat".
            {QString(237, 'c'), "", "", true},
            {QString(238, 'c'), "Il nome è troppo lungo: i file della classe non si potrebbero creare.", "", true},
            {QString(251, 'a'), "!", "", true},
            {QString(252, 'a'), "!", "Il nome è troppo lungo: i file dell'alunno non si potrebbero creare.", true},
            {QString(126, QChar(0xe8)), "!", "!", true}, // two bytes each on disk
        };
        for (const auto &c : casi) {
            const QByteArray nome = c.nome.toUtf8();
            accettato(problemaClasse(c.nome), c.classe, nome);
            accettato(problemaAlunno(c.nome), c.alunno, nome);
            QVERIFY2(nomeSemplice(c.nome) == c.semplice, nome);
            QVERIFY2(fileAlunno(dir.path(), c.nome, QString()).isEmpty() != c.semplice, nome);
        }
        for (const char *nome : {" ", "a:b", "a*", "a?", "\"q", "a<b", "a|b", "com1", "nul", "Lpt9.txt", "De Luca G.B."})
            QVERIFY2(!problemaClasse(nome).isEmpty() && problemaAlunno(nome).isEmpty() == (nome[0] == 'D'), nome);
        // A file name is judged whole: "." + ".q1" is a plain name; no folder, no file.
        QCOMPARE(fileAlunno(dir.path(), ".", ".q1"), dir.file("..q1"));
        QVERIFY(fileAlunno(QString(), "Rossi Mario", ".q1").isEmpty());
        QCOMPARE(problemaFile(u("3A_Val. 1° Q..txt")), QString());
    }

    // Nothing outside the program folder's own class folders is ever deleted or gathered: not through
    // a name that climbs out, not through a link, not through an entry that is no folder.
    void classFoldersStayInsideTheProgramFolder()
    {
        ProgramFolder dir;
        QTemporaryDir fuori;
        const QStringList esterni{"ALUNNI.x", "keep.dat", "keep.q1"};
        for (const QString &f : esterni)
            QVERIFY(QFile(fuori.filePath(f)).open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(fuori.path(), dir.file("link")) && QFile::link(dir.file("3A"), dir.file("alias")));
        for (const char *f : {"3A/ALUNNI.3A", "3A/x.q1", "Anno.dat", "ALUNNI.x", "sub/inner/ALUNNI.inner", "sub/x.dat"})
            dir.write(f, "x");
        const QString su = QStringLiteral("../") + QFileInfo(fuori.path()).fileName();
        // The class's folder, and its own folder: relative to the program folder, "" for none.
        const struct { QString classe, cartella, propria; } casi[] = {
            {"3a", "3A", "3A"},   {"4C", "4C", ""},       {"link", "link", ""}, {"alias", "alias", ""},
            {"Anno.dat", "Anno.dat", ""},
            {"", "", ""},         {".", "", ""},          {"..", "", ""},       {su, "", ""},
            {fuori.path(), "", ""}, {"C:\\3A", "", ""},   {"3A/..", "", ""},    {"sub/inner", "", ""},
        };
        QStringList elencate;
        for (const auto &c : casi) {
            const auto in = [&](const QString &rel) { return rel.isEmpty() ? QString() : dir.file(rel); };
            QCOMPARE(cartellaClasse(c.classe), in(c.cartella));
            QCOMPARE(cartellaEsistente(c.classe), in(c.propria));
            if (c.propria.isEmpty()) {
                QVERIFY(eliminaFileAlunno(c.classe, "x").isEmpty() && !eliminaFileClasse(c.classe).cartellaRimossa);
                elencate << c.classe;
            }
        }
        QCOMPARE(cartellaEsistente("3A", dir.file("sub")), QString());
        QCOMPARE(cartellaEsistente("inner", dir.file("sub")), dir.file("sub/inner"));
        // The new year plans only the listed classes' own folders.
        elencate.removeAll(QString()); // an empty line would end the list
        dir.write("Classi.dat", ("3A\r\n" + elencate.join("\r\n") + "\r\n").toUtf8());
        QCOMPARE(SvuotaArchivio::prepara().cartelle, QStringList{dir.file("3A")});
        QCOMPARE(contenuto(fuori.path()), esterni);
        QCOMPARE(contenuto(dir.path()), (QStringList{"3A/", "ALUNNI.x", "Anno.dat", "Classi.dat", "alias/", "link/", "sub/"}));
        QCOMPARE(contenuto(dir.file("sub")), (QStringList{"inner/", "x.dat"}));
        // A pupil name that climbs out of its folder deletes nothing; the class's own files go.
        QVERIFY(eliminaFileAlunno("3A", "../sub/x").isEmpty() && eliminaFileAlunno("3A", "X").isEmpty());
        QCOMPARE(contenuto(dir.file("3A")), QStringList{"ALUNNI.3A"});
        QVERIFY(eliminaFileClasse("3A").cartellaRimossa && !dir.exists("3A"));
    }

    void theNewYearPlan()
    {
        ProgramFolder dir;
        for (const char *f : {"3A/ALUNNI.3A", "4B/ALUNNI.4B", "5C/.nascosto"})
            dir.write(f, "x");
        const QStringList entrambe{dir.file("3A"), dir.file("4B")};
        const struct { QByteArray classi; QStringList cartelle; QString senzaFile; } casi[] = {
            {"3A\r\n3a\r\n4B\r\n", entrambe, ""}, {"3A\r\n4B\r\n\r\n5C\r\n", entrambe, ""}, // each folder once, listed ones only
            {"3A\r\n5C\r\n4B\r\n", {}, "5C"}, // a class without an ordinary file stops the whole run
        };
        for (const auto &c : casi) {
            dir.write("Classi.dat", c.classi);
            const SvuotaArchivio::Piano piano = SvuotaArchivio::prepara();
            QVERIFY2(piano.cartelle == c.cartelle && piano.classeSenzaFile == c.senzaFile && piano.erroreLettura.isEmpty(), c.classi);
        }
        poniClassi(dir, "<cartella>");
        QCOMPARE(SvuotaArchivio::prepara().erroreLettura, QStringLiteral("Classi.dat: impossibile leggere il file."));
    }

    void theListsAsTheirBytesGiveThem()
    {
        const struct { QByteArray bytes; QStringList classi; int riga; } classi[] = {
            {"3A\r\n4B\r\n", {"3A", "4B"}, 0}, {"3A\r\n  4B  ", {"3A", "4B"}, 0}, {"\r\n3A\r\n", {}, 0}, {"", {}, 0},
            {"3A\r\n\r\n3B, C\r\n", {"3A"}, 0}, // nothing is read past the first empty value
            {"3A\r\n4B, C\r\n", {"3A", "4B", "C"}, 2}, {"\"3A\r\n", {"3A\r\n"}, 1},
        };
        for (const auto &c : classi) {
            const ElencoClassi e = elencoClassi(c.bytes);
            QVERIFY2(e.classi == c.classi && e.rigaDanneggiata == c.riga, c.bytes);
        }
        const QList<Alunno> due{{"Bianchi Anna", 0}, {"Rossi Mario", 1}};
        const struct { QByteArray bytes; QList<Alunno> alunni; int riga; } alunni[] = {
            {"Bianchi Anna\r\n 0 \r\nRossi Mario\r\n 1 \r\n", due, 0},
            {"Bianchi Anna\r\n 0 \r\n\r\n\r\n\"Dopo, la fine\r\n", {due[0]}, 0}, // nothing read past the empty record
            {"Bianchi Anna\r\n\r\nRossi Mario\r\n1\r\n", due, 0},                 // an empty code reads as 0
            {ansi("Niccolò Verdi\r\n 1 \r\nNeri Ada\r\nx\r\n"), {{u("Niccolò Verdi"), 1}, {"Neri Ada", 0}}, 4},
            {"Bianchi Anna\r\n\"\r\nRossi Mario\r\n 1 \r\n", {{"Bianchi Anna", 0}}, 2}, // a lone quote swallows the rest
            {"Bianchi Anna\r\n 0 \r\nRossi, Mario\r\n 1 \r\n", {due[0], {"Rossi", 0}, {"1", 0}}, 3},
            {"Bianchi Anna\r\n 0 \r\n \"Rossi\r\n 1 \r\n", {due[0], {"Rossi\r\n 1 \r\n", 0}}, 3},
        };
        for (const auto &c : alunni) {
            const ElencoAlunni e = elencoAlunni(c.bytes);
            QVERIFY2(e.alunni == c.alunni && e.rigaDanneggiata == c.riga, c.bytes);
        }
    }

    // The list files are found whatever the case of their names; what a reader found tells whether to write.
    void theListFiles()
    {
        ProgramFolder dir;
        QCOMPARE(leggiClassi().stato, StatoFile::Mancante);
        dir.write("CLASSI.DAT", "3A\r\n\r\n3B\r\n");
        QVERIFY(classeEsistente(leggiClassi(), "3b") == "3B" && classeEsistente(leggiClassi(), "3C").isEmpty());
        QVERIFY(scriviClassi({"1A", u("5ª B")}) && !dir.exists("Classi.dat"));
        QCOMPARE(dir.read("CLASSI.DAT"), ansi("1A\r\n5ª B\r\n"));
        dir.write("3A/Alunni.3a", "");
        QVERIFY(fileAlunni("3a") == dir.file("3A/Alunni.3a") && fileAlunni("4C") == dir.file("4C/ALUNNI.4C"));
        QVERIFY(scriviAlunni(fileAlunni("3A"), {{"Bianchi Anna", 0}, {"Rossi Mario", 1}}));
        QCOMPARE(dir.read("3A/Alunni.3a"), QByteArray("Bianchi Anna\r\n 0 \r\nRossi Mario\r\n 1 \r\n"));
        QCOMPARE(leggiAlunni(dir.file("3A/none")).stato, StatoFile::Mancante);
        dir.mkdir("3A/ALUNNI.dir");
        QCOMPARE(leggiAlunni(dir.file("3A/ALUNNI.dir")).stato, StatoFile::Illeggibile);
    }

    // An imported class joins the end of Classi.dat; a list that does not read back is never rewritten.
    void anImportedClassIsAppended()
    {
        ProgramFolder dir;
        const struct { QByteArray prima; const char *classe; QByteArray dopo; QString errore; } casi[] = {
            {"<nessuno>", "5ª C", ansi("5ª C\r\n"), ""},
            {"\r\n", "5C", "5C\r\n", ""}, // a new year's list
            {"1A\r\n\r\n  2B\r\n", "5C", "1A\r\n2B\r\n5C\r\n", ""},
            {"3A\r\n\r\n4B, C\r\n", "5C", "3A\r\n\r\n4B, C\r\n", "Classi.dat: la riga 3 non si legge correttamente."},
            {"<cartella>", "5C", "<cartella>", "Classi.dat: impossibile leggere il file."},
        };
        for (const auto &c : casi) {
            poniClassi(dir, c.prima);
            QString errore;
            QVERIFY2(accodaClasse(u(c.classe), &errore) == c.errore.isEmpty() && errore == c.errore, c.prima);
            QCOMPARE(classi(dir), c.dopo);
        }
    }

    // A fixed order without regard to case or accents, never "equal" for different spellings.
    void namesSortAndMatchWithoutCase()
    {
        const char *ordine[][2] = {{"bianchi", "Rossi"},   {"Rossi Mario", "Rossini Anna"}, {"Èrica", "Franco"},
                                   {"3A", "3a"},           {"ROSSI MARIO", "rossi mario"},  {"Rossi mario", "rossi Mario"},
                                   {"NICOLÒ", "nicolò"}};
        for (const auto &c : ordine)
            QVERIFY2(confrontaNomi(u(c[0]), u(c[1])) < 0 && confrontaNomi(u(c[1]), u(c[0])) > 0, c[0]);
        QVERIFY(stessoNome(u("NICOLÒ"), u("nicolò")) && !stessoNome(u("Nicolò"), "Nicolo"));
        QVERIFY(trovaNome({"1A", "3B"}, "3b") == 1 && trovaNome({"1A", "3B"}, "3") == -1);
    }

    // Adding a class: all of it, or nothing changed when it is refused (failed writes: tst_DiscoPieno).
    void aClassIsAddedWhole()
    {
        using E = NuovaClasse::Esito;
        const QByteArray elenco("3A\r\n\r\n5C\r\n");
        // The class, the classes listed in the box, Classi.dat before and after, what the program folder gained.
        const struct {
            const char *classe;
            QStringList elencate;
            QByteArray prima;
            E esito;
            QByteArray dopo;
            QStringList nuovo;
        } casi[] = {
            {"b1", {"A2", "C3"}, elenco, E::Creata, "A2\r\nb1\r\nC3\r\n", {"b1/"}},
            {"a2", {}, elenco, E::Creata, "a2\r\n", {}}, // its folder, in another case, and its pupils kept
            {"x1", {"X1"}, elenco, E::GiaElencata, elenco, {}}, {"3a", {}, elenco, E::GiaElencata, elenco, {}},
            {"5c", {}, elenco, E::GiaElencata, elenco, {}}, // on a line past the empty one
            {"fine.", {}, elenco, E::NomeRifiutato, elenco, {}}, {"file", {}, elenco, E::CartellaNonCreata, elenco, {}},
            {"b1", {}, "3A\r\n4B, C\r\n", E::ElencoDanneggiato, "3A\r\n4B, C\r\n", {}},
            {"b1", {}, "<cartella>", E::ElencoIlleggibile, "<cartella>", {}},
        };
        for (const auto &c : casi) {
            ProgramFolder dir;
            poniClassi(dir, c.prima);
            dir.write("A2/ALUNNI.A2", "Rossi Mario\r\n 1 \r\n");
            dir.write("file", "x");
            const QStringList prima = contenuto(dir.path());
            const NuovaClasse r = creaClasse(c.classe, c.elencate);
            QVERIFY2(r.esito == c.esito, c.classe);
            QCOMPARE(classi(dir), c.dopo);
            QStringList atteso = prima + c.nuovo, dopo = contenuto(dir.path());
            atteso.sort();
            dopo.sort();
            QCOMPARE(dopo, atteso);
            QCOMPARE(dir.read("A2/ALUNNI.A2"), QByteArray("Rossi Mario\r\n 1 \r\n"));
            QVERIFY(r.esito != E::Creata || r.classi == elencoClassi(c.dopo).classi);
            QVERIFY(r.riga == (r.esito == E::ElencoDanneggiato ? 2 : 0));
            QCOMPARE(r.problema, c.esito == E::NomeRifiutato ? problemaClasse(c.classe) : QString());
            QVERIFY(!dir.exists("b1") || dir.read("b1/ALUNNI.b1") == "\r\n\r\n");
        }
    }

    // What an interrupted save or copy leaves is removed at start and when its class is deleted; a
    // teacher's own file that merely looks alike stays.
    void leftoversNeverBlockADeletion()
    {
        ProgramFolder dir;
        dir.write("Classi.dat", "3A\r\n4B\r\n");
        dir.write("Anno.dat", "2026/27\r\n");
        for (const char *c : {"3A", "4B"}) {
            dir.write(QStringLiteral("%1/ALUNNI.%1").arg(QLatin1String(c)), "Rossi Mario\r\n 1 \r\n");
            dir.write(QStringLiteral("%1/Rossi Mario.q1.Ab12Cd").arg(QLatin1String(c)), "mezzo");
            dir.write(QStringLiteral("%1/.quaderlo-copia-x1Y2z3/Rossi Mario.q1").arg(QLatin1String(c)), "copia");
        }
        dir.write("Classi.dat.Zz9Yy8", "mezzo");
        dir.write("miei appunti.txt.bozza1", "della maestra");
        QVERIFY(eliminaFileClasse(QStringLiteral("3A")).cartellaRimossa);
        QVERIFY(!dir.exists("3A"));
        startProgram();
        QCOMPARE(contenuto(dir.file("4B")), QStringList({"ALUNNI.4B"}));
        QVERIFY(!dir.exists("Classi.dat.Zz9Yy8"));
        QCOMPARE(dir.read("miei appunti.txt.bozza1"), QByteArray("della maestra"));
    }
};

QUADERLO_TEST_MAIN(TestArchivio)
#include "tst_Archivio.moc"
