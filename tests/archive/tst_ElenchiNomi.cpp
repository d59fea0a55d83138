#include "Archivi.h"

#include "app/CarQuad.h"
#include "archive/CartellaClasse.h"
#include "archive/ElencoAlunni.h"
#include "archive/ConfrontoNomi.h"
#include "archive/ElencoClassi.h"
#include "utilities/EsportaImporta.h"

using namespace Archivio;

// The class and pupil lists, names and class folders.
class TestElenchiNomi : public QObject
{
    Q_OBJECT
private slots:
    void damagedLinesAreFound()
    {
        struct Caso {
            QByteArray alunni;
            int riga;
        };
        const QList<Caso> alunni = {
            {"Bianchi Anna\r\n 0 \r\nRossi Mario\r\n 1 \r\n", 0},
            {"Bianchi Anna\r\n 0 \r\n\r\n\r\n\"Dopo, la fine\r\n", 0}, // nothing is read past the empty record
            {"Bianchi Anna\r\n\r\nRossi Mario\r\n1\r\n", 0},           // an empty code reads as 0
            {"Bianchi Anna\r\n\"\r\nRossi Mario\r\n 1 \r\n", 2},      // a lone quote would swallow Rossi Mario
            {"Bianchi Anna\r\n 0 \r\nRossi, Mario\r\n 1 \r\n", 3},
            {"Bianchi Anna\r\n 0 \r\n \"Rossi\r\n 1 \r\n", 3},
            {"Bianchi Anna\r\n F \r\n", 2},
        };
        for (const Caso &c : alunni)
            QCOMPARE(rigaDanneggiataAlunni(c.alunni), c.riga);
        QCOMPARE(rigaDanneggiataClassi("3A\r\n4B\r\n"), 0);
        QCOMPARE(rigaDanneggiataClassi("3A\r\n\r\n4B, C\r\n"), 0);
        QCOMPARE(rigaDanneggiataClassi("3A\r\n4B, C\r\n"), 2);
        QCOMPARE(rigaDanneggiataClassi("\"3A\r\n"), 1);
    }

    void namesMustFitTheirFiles()
    {
        ProgramFolder dir;
        CarQuad::TitoloQuadro1 = QStringLiteral("Sit. Iniziale");
        CarQuad::TitoloQuadro2 = QString::fromUtf8("Finalità");
        CarQuad::TitoloQuadro3 = QString::fromUtf8("Val. 1° Q.");
        CarQuad::TitoloQuadro4 = QString::fromUtf8("Val. 2° Q.");
        // The longest class file is its merged section: class, "_", 13-byte title, ".txt".
        QVERIFY(problemaClasse(QString(237, QLatin1Char('c'))).isEmpty());
        QVERIFY(!problemaClasse(QString(238, QLatin1Char('c'))).isEmpty());
        QVERIFY(problemaAlunno(QString(251, QLatin1Char('a'))).isEmpty());
        QVERIFY(!problemaAlunno(QString(252, QLatin1Char('a'))).isEmpty());
        QVERIFY(!problemaAlunno(QString(126, QChar(0xe8))).isEmpty()); // two bytes each on disk
        QVERIFY(problemaAlunno(QStringLiteral("Rossi M.")).isEmpty());
        QVERIFY(!problemaClasse(QStringLiteral("4A.")).isEmpty());
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

    // Adding or deleting in a list that does not read back is refused, naming the file and the line.
    void aDamagedListIsNeverRewritten()
    {
        ProgramFolder dir;
        const QByteArray lista("Bianchi Anna\r\n\"\r\nRossi Mario\r\n 1 \r\n");
        dir.write("Classi.dat", "3A\r\n");
        dir.write("3A/ALUNNI.3A", lista);
        Archivi a;
        QVERIFY(a.apri());
        a.apriClasse(QStringLiteral("3A"));
        Msg::queueAnswer(Msg::ResOk);
        a.aggiungi(QStringLiteral("Verdi Luca"), true);
        QCOMPARE(ultimoMessaggio(),
                 messaggio(QStringLiteral("Il file ALUNNI.3A non si legge correttamente alla riga 2: non viene "
                                          "modificato.\n\rCorreggilo con il Blocco Note."),
                           QStringLiteral("Archivi"), Msg::Critical));
        QCOMPARE(dir.read("3A/ALUNNI.3A"), lista);
        VERIFY_NO_UNANSWERED();

        // The class list of an import, too.
        dir.write("Classi.dat", "3A\r\n4B, C\r\n");
        QString errore;
        QVERIFY(!EsportaImporta::aggiungiClasse(QStringLiteral("5C"), &errore));
        QCOMPARE(errore, QStringLiteral("Classi.dat: la riga 2 non si legge correttamente."));
        QCOMPARE(dir.read("Classi.dat"), QByteArray("3A\r\n4B, C\r\n"));
    }

    void classAndPupilLists()
    {
        ProgramFolder dir;
        QCOMPARE(leggiClassi().stato, StatoFile::Mancante);
        // The class list stops at the first empty value; whether a class exists is decided on every line,
        // without regard to case.
        dir.write("Classi.dat", "3A\r\n\r\n3B\r\n");
        const ElencoClassi elenco = leggiClassi();
        QCOMPARE(elenco.classi, QStringList{"3A"});
        QCOMPARE(classeEsistente(elenco, "3b"), QStringLiteral("3B"));
        QCOMPARE(classeEsistente(elenco, "3C"), QString());
        QVERIFY(scriviClassi({"1A", QString::fromUtf8("5ª B")}));
        QCOMPARE(dir.read("Classi.dat"), ansi("1A\r\n5ª B\r\n"));
        // The file is found whatever the case of its name.
        QFile::rename(dir.file("Classi.dat"), dir.file("CLASSI.DAT"));
        QCOMPARE(leggiClassi().classi, (QStringList{"1A", QString::fromUtf8("5ª B")}));
        QVERIFY(scriviClassi({}));
        QVERIFY(dir.read("CLASSI.DAT").isEmpty() && !dir.exists("Classi.dat"));

        // Pupils: name and gender code; the list ends at the first empty name; a code that is not a number counts as 0.
        const QString path = dir.file("3A/ALUNNI.3A");
        dir.mkdir("3A");
        QVERIFY(scriviAlunni(path, {{"Bianchi Anna", 0}, {"Rossi Mario", 1}}));
        QCOMPARE(dir.read("3A/ALUNNI.3A"), QByteArray("Bianchi Anna\r\n 0 \r\nRossi Mario\r\n 1 \r\n"));
        QCOMPARE(leggiAlunni(path).alunni, (QList<Alunno>{{"Bianchi Anna", 0}, {"Rossi Mario", 1}}));
        dir.write("3A/ALUNNI.3A", ansi("Niccolò Verdi\r\n 1 \r\nNeri Ada\r\nx\r\n\r\n 1 \r\nDopo\r\n 1 \r\n"));
        QCOMPARE(leggiAlunni(path).alunni, (QList<Alunno>{{QString::fromUtf8("Niccolò Verdi"), 1}, {"Neri Ada", 0}}));
        QCOMPARE(leggiAlunni(dir.file("3A/none")).stato, StatoFile::Mancante);
        dir.mkdir("3A/ALUNNI.dir");
        QCOMPARE(leggiAlunni(dir.file("3A/ALUNNI.dir")).stato, StatoFile::Illeggibile);
    }

    void namesSortAndMatchWithoutCase()
    {
        // A fixed order without regard to case or accents, never "equal" for different spellings.
        const char *ordine[][2] = {{"bianchi", "Rossi"}, {"Rossi Mario", "Rossini Anna"}, {"Èrica", "Franco"}, {"3A", "3a"}};
        for (const auto &c : ordine)
            QVERIFY2(confrontaNomi(QString::fromUtf8(c[0]), QString::fromUtf8(c[1])) < 0
                         && confrontaNomi(QString::fromUtf8(c[1]), QString::fromUtf8(c[0])) > 0, c[0]);
        QVERIFY(stessoNome(QString::fromUtf8("NICOLÒ"), QString::fromUtf8("nicolò")));
        QVERIFY(trovaNome({"1A", "3B"}, "3b") == 1 && trovaNome({"1A", "3B"}, "3") == -1);
    }

    void classFoldersStayInsideTheProgramFolder()
    {
        ProgramFolder dir;
        dir.mkdir("3A");
        QCOMPARE(cartellaClasse("3a"), dir.file("3A"));
        QCOMPARE(cartellaClasse("4C"), dir.file("4C"));
        QCOMPARE(fileAlunni("3a"), dir.file("3A/ALUNNI.3a"));
        dir.write("3A/Alunni.3a", "");
        QCOMPARE(fileAlunni("3A"), dir.file("3A/Alunni.3a"));
        for (const char *bad : {"", ".", "..", "../x", "a/b", "a\\b", "/tmp"})
            QVERIFY2(cartellaClasse(bad).isEmpty(), bad);
        QVERIFY(cartellaInterna(dir.file("3A")));
        QVERIFY(!cartellaInterna(dir.file("4C")));
        QVERIFY(!cartellaInterna(QFileInfo(dir.path()).absolutePath()));
        QVERIFY(QFile::link(QDir::tempPath(), dir.file("link")));
        QVERIFY(!cartellaInterna(dir.file("link")));
        // A pupil name that climbs out of its folder deletes nothing.
        dir.write("sub/x.dat", "x");
        QVERIFY(eliminaFileAlunno(dir.file("3A"), "../sub/x").isEmpty());
        QVERIFY(dir.exists("sub/x.dat"));
    }
};

QUADERLO_TEST_MAIN(TestElenchiNomi)
#include "tst_ElenchiNomi.moc"
