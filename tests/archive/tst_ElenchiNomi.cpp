#include "Archivi.h"

#include "app/CarQuad.h"
#include "archive/CartellaClasse.h"
#include "archive/ElencoAlunni.h"
#include "archive/ElencoClassi.h"
#include "utilities/EsportaImporta.h"

// Lists that would not read back as written, and names too long for their files.
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
            QCOMPARE(Archivio::rigaDanneggiataAlunni(c.alunni), c.riga);
        QCOMPARE(Archivio::rigaDanneggiataClassi("3A\r\n4B\r\n"), 0);
        QCOMPARE(Archivio::rigaDanneggiataClassi("3A\r\n\r\n4B, C\r\n"), 0);
        QCOMPARE(Archivio::rigaDanneggiataClassi("3A\r\n4B, C\r\n"), 2);
        QCOMPARE(Archivio::rigaDanneggiataClassi("\"3A\r\n"), 1);
    }

    void namesMustFitTheirFiles()
    {
        ProgramFolder dir;
        CarQuad::TitoloQuadro1 = QStringLiteral("Sit. Iniziale");
        CarQuad::TitoloQuadro2 = QString::fromUtf8("Finalità");
        CarQuad::TitoloQuadro3 = QString::fromUtf8("Val. 1° Q.");
        CarQuad::TitoloQuadro4 = QString::fromUtf8("Val. 2° Q.");
        // The longest class file is its merged section: class, "_", 13-byte title, ".txt".
        QVERIFY(Archivio::problemaClasse(QString(237, QLatin1Char('c'))).isEmpty());
        QVERIFY(!Archivio::problemaClasse(QString(238, QLatin1Char('c'))).isEmpty());
        QVERIFY(Archivio::problemaAlunno(QString(251, QLatin1Char('a'))).isEmpty());
        QVERIFY(!Archivio::problemaAlunno(QString(252, QLatin1Char('a'))).isEmpty());
        QVERIFY(!Archivio::problemaAlunno(QString(126, QChar(0xe8))).isEmpty()); // two bytes each on disk
        QVERIFY(Archivio::problemaAlunno(QStringLiteral("Rossi M.")).isEmpty());
        QVERIFY(!Archivio::problemaClasse(QStringLiteral("4A.")).isEmpty());
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
        QVERIFY(Archivio::eliminaFileClasse(QStringLiteral("3A")).cartellaRimossa);
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
};

QUADERLO_TEST_MAIN(TestElenchiNomi)
#include "tst_ElenchiNomi.moc"
