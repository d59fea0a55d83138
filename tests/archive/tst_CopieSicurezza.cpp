#include "TestSupport.h"

#include "archive/Archivio.h"
#include "archive/CopieSicurezza.h"

#include <QDirIterator>
#include <QMap>

using namespace CopieSicurezza;

namespace {
using Albero = QMap<QString, QByteArray>; // relative path -> bytes ("/" ends a folder)

// A folder's tree; the program folder's without its copies.
Albero albero(const QString &root, bool senzaCopie = false)
{
    Albero out;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        const QString rel = QDir(root).relativeFilePath(f.fileName());
        if (senzaCopie && (rel == kCartella || rel.startsWith(kCartella + QLatin1Char('/'))))
            continue;
        if (it.fileInfo().isDir())
            out.insert(rel + QLatin1Char('/'), QByteArray());
        else
            out.insert(rel, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("?"));
    }
    return out;
}

// An archive in use, with what is no part of it beside: a guide, an unlisted folder.
void archivio(const ProgramFolder &dir)
{
    dir.write("Classi.dat", "3A\r\n4b\r\nManca\r\n");
    dir.write("Anno.dat", "2025/26\r\n");
    dir.write("Qua.inf", "Quaderlo\r\n\r\n");
    dir.write("quaderlo.cfg", "Arial\r\n12\r\n");
    dir.write("quadro1.txt", "Frase=Testo.\r\n");
    dir.write("3A/ALUNNI.3A", "Rossi Mario\r\n 1 \r\nVerdi Anna\r\n 0 \r\n");
    dir.write("3A/Rossi Mario.q1", "Testo.\r\n");
    dir.write("3A/3A_Finale.txt", "Unione.\r\n");
    dir.write("3A/.nascosto", "h");
    dir.write("3A/sotto/nota.txt", "n");
    dir.write("4B/ALUNNI.4B", "Bianchi Luca\r\n 1 \r\n");
    dir.write("Appunti/ALUNNI.Appunti", "x\r\n 1 \r\n");
    dir.write("Aiuto.chm", "guida");
}

// The archive after a day of work: a class more, a text changed, the preselection gone, a new setting.
void lavoro(const ProgramFolder &dir)
{
    dir.write("Classi.dat", "3A\r\n5C\r\n");
    dir.write("3A/Rossi Mario.q1", "Testo nuovo.\r\n");
    dir.write("5C/ALUNNI.5C", "Neri Ugo\r\n 1 \r\n");
    dir.write("presele.dat", "1 \r\n");
    QVERIFY(QDir(dir.file("4B")).removeRecursively());
}

Operazioni guasta(int *conta, int quale, bool copie, bool crollo = false)
{
    Operazioni op = operazioniReali();
    const auto reale = op;
    const auto guasto = [=] {
        if (++*conta != quale)
            return false;
        if (crollo)
            throw 1; // the program stops here
        return true;
    };
    if (copie)
        op.copiaFile = [=](const QString &a, const QString &b, QString *e) {
            *e = QStringLiteral("spazio esaurito");
            return !guasto() && reale.copiaFile(a, b, e);
        };
    else
        op.rinomina = [=](const QString &a, const QString &b) { return !guasto() && reale.rinomina(a, b); };
    return op;
}
} // namespace

class TestCopieSicurezza : public QObject
{
    Q_OBJECT
private slots:
    void keptAreTheLastTenDaysAndTheFirstOfEachMonthForAYear_data()
    {
        QTest::addColumn<QStringList>("copie");
        QTest::addColumn<QStringList>("via");
        QStringList dodici;
        for (int g = 1; g <= 12; ++g)
            dodici << QDate(2026, 5, g).toString(Qt::ISODate);
        QTest::newRow("twelve days") << dodici << QStringList{"2026-05-02"};
        QTest::newRow("a day's extra copies count once")
            << (dodici.mid(2) + QStringList{"2026-05-12-2", "2026-05-03-2", "2026-04-30", "2026-04-29"})
            << QStringList{"2026-04-30"};
        QTest::newRow("a year of months")
            << (dodici.mid(2) + QStringList{"2025-04-01", "2025-05-02", "2025-05-20", "2025-06-10-2", "2025-06-10", "2025-06-11", "2026-04-01"})
            << QStringList{"2025-04-01", "2025-05-02", "2025-05-20", "2025-06-10-2", "2025-06-11"};
        QTest::newRow("holidays: ten days of use, months apart")
            << QStringList{"2025-09-01", "2025-09-02", "2025-12-20", "2026-01-07", "2026-01-08", "2026-02-01", "2026-02-02", "2026-03-03", "2026-04-04", "2026-05-05"}
            << QStringList{};
        QTest::newRow("what is no copy, or later, stays")
            << (dodici + QStringList{"appunti", "2026-13-01", "2026-05-40", "2026-05-02-1", "2026-06-01", "2026-05-02 vecchia"})
            << QStringList{"2026-05-02"};
    }
    void keptAreTheLastTenDaysAndTheFirstOfEachMonthForAYear()
    {
        QFETCH(QStringList, copie);
        QFETCH(QStringList, via);
        QStringList eliminate = daEliminare(copie, QDate(2026, 5, 12));
        eliminate.sort();
        via.sort();
        QCOMPARE(eliminate, via);
    }

    void aCopyIsTheArchiveAsItStands()
    {
        ProgramFolder dir;
        archivio(dir);
        // The class folders as they are on disk, each once however often the list names it.
        dir.write("Classi.dat", "3A\r\n4b\r\nManca\r\n3a\r\n");
        QCOMPARE(contenuto(dir.path()).classi, (QStringList{"3A", "4B"}));
        dir.write("Classi.dat", "3A\r\n4b\r\nManca\r\n");
        const QDate oggi(2026, 5, 12);
        const Esito prima = copiaDelGiorno(dir.path(), oggi);
        QVERIFY2(prima.ok && prima.nome == "2026-05-12", qPrintable(prima.errore));
        Albero atteso = albero(dir.path(), true);
        for (const QString &fuori : {"Aiuto.chm", "Appunti/", "Appunti/ALUNNI.Appunti"})
            atteso.remove(fuori);
        QCOMPARE(albero(dir.file("Backup/2026-05-12")), atteso);
        // The day has its copy; copies before an operation get a number.
        QVERIFY(copiaDelGiorno(dir.path(), oggi).nome.isEmpty());
        dir.write("Anno.dat", "2026/27\r\n");
        QCOMPARE(copia(dir.path(), oggi).nome, QStringLiteral("2026-05-12-2"));
        QCOMPARE(copiaDelGiorno(dir.path(), oggi.addDays(1)).nome, QStringLiteral("2026-05-13"));
        const QList<Riepilogo> copie = elenco(dir.path());
        QCOMPARE(copie.size(), 3);
        QVERIFY(copie[0].nome == "2026-05-13" && copie[1].nome == "2026-05-12-2" && copie[2].nome == "2026-05-12");
        QVERIFY(copie[1].anno == "2026/27" && copie[2].anno == "2025/26");
        QVERIFY(copie[2].classi == 3 && copie[2].alunni == 3);
        QCOMPARE(QDir(dir.file("Backup")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 3);
    }

    void backupIsNeverAClass()
    {
        ProgramFolder dir;
        archivio(dir);
        for (const QString &nome : {"Backup", "backup", "BACKUP", "bAcKuP"})
            QVERIFY2(!Archivio::problemaClasse(nome).isEmpty(), qPrintable(nome));
        for (const QString &nome : {"Backup 2", "Backups", "3A"})
            QVERIFY2(Archivio::problemaClasse(nome).isEmpty(), qPrintable(nome));
        QVERIFY(copia(dir.path(), QDate(2026, 5, 12)).ok);
        // An older archive whose class is called so keeps its folder: no copies there, the name is free.
        dir.write("Classi.dat", "3A\r\nbackup\r\n");
        QVERIFY(cartella(dir.path()).isEmpty() && Archivio::problemaClasse("Backup").isEmpty());
        QVERIFY(!copiaDelGiorno(dir.path(), QDate(2026, 5, 13)).ok && elenco(dir.path()).isEmpty());
        QCOMPARE(QDir(dir.file("Backup")).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"2026-05-12"});
    }

    // A failure anywhere leaves the archive of before; an interruption is completed at the next start.
    void restoringIsAllOrNothing()
    {
        ProgramFolder dir;
        archivio(dir);
        Albero copiato = albero(dir.path(), true);
        QVERIFY(copia(dir.path(), QDate(2026, 5, 12)).ok);
        copiato.insert("presele.dat", "1 \r\n"); // made later: a file the copy lacks stays
        lavoro(dir);
        const Albero adesso = albero(dir.path(), true);
        QVERIFY(copia(dir.path(), QDate(2026, 5, 11)).ok);
        const Albero copie = albero(dir.file("Backup"));
        for (const bool fileGuasti : {true, false}) {
            for (int n = 1;; ++n) {
                int conta = 0;
                const Esito e = ripristina(dir.path(), "2026-05-12", guasta(&conta, n, fileGuasti));
                if (conta < n) { // nothing failed: restored, then the archive of now back for the next round
                    QVERIFY(e.ok && albero(dir.path(), true) == copiato);
                    QVERIFY(ripristina(dir.path(), "2026-05-11").ok);
                    break;
                }
                QVERIFY(!e.ok && !e.errore.isEmpty());
                QCOMPARE(albero(dir.path(), true), adesso);
                QCOMPARE(albero(dir.file("Backup")), copie);
            }
        }
        // Stopped at each rename: the next start completes the restore.
        for (int n = 1;; ++n) {
            int conta = 0;
            try {
                QVERIFY(ripristina(dir.path(), "2026-05-12", guasta(&conta, n, false, true)).ok);
                QVERIFY(conta < n && n > 5);
                break;
            } catch (int) {
                riprendi(dir.path());
            }
            QCOMPARE(albero(dir.path(), true), copiato);
            QCOMPARE(albero(dir.file("Backup")), copie);
            lavoro(dir);
        }
        // A folder of the program folder that is no class is never replaced.
        dir.write("Classi.dat", "3A\r\n");
        QVERIFY(QDir(dir.file("4B")).removeRecursively() && QDir().mkpath(dir.file("4b/dentro")));
        const Albero conAltro = albero(dir.path(), true);
        QVERIFY(!ripristina(dir.path(), "2026-05-12").ok);
        QCOMPARE(albero(dir.path(), true), conAltro);
    }
};

QUADERLO_TEST_MAIN(TestCopieSicurezza)
#include "tst_CopieSicurezza.moc"
