#include "TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <functional>

namespace {
using Stato = QMap<QString, QByteArray>; // relative path -> bytes ("/" ends a folder)

Stato stato(const QString &root)
{
    Stato out;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        const QString rel = QDir(root).relativeFilePath(f.fileName());
        if (it.fileInfo().isDir())
            out.insert(rel + QLatin1Char('/'), QByteArray());
        else
            out.insert(rel, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>"));
    }
    return out;
}

void scrivi(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

// A class folder of two pupils, with a merged file that a replacement keeps.
void classe(const QString &cartella, const QByteArray &tag)
{
    scrivi(cartella + "/ALUNNI.4A", "Rossi Mario\r\n 1 \r\nVerdi Anna\r\n 0 \r\n");
    scrivi(cartella + "/Rossi Mario.q1", "Testo " + tag + " di Mario.\r\n");
    scrivi(cartella + "/Rossi Mario.dat", "0 2 \r\n\r\n\r\n\r\n");
    scrivi(cartella + "/Verdi Anna.q1", "Testo " + tag + " di Anna.\r\n");
    scrivi(cartella + "/Verdi Anna.q2", QByteArray(70000, 'x') + "\r\n"); // several writes
}

bool g_senzaScambio = false;

// Runs one write path; killed at its uccidiA-th file operation below sotto when uccidiA > 0.
int lavora(const QStringList &args, long uccidiA, const QString &sotto)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (g_senzaScambio || uccidiA > 0)
        env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(QUADERLO_UCCIDI));
    if (g_senzaScambio)
        env.insert(QStringLiteral("QUADERLO_SENZA_SCAMBIO"), QStringLiteral("1"));
    if (uccidiA > 0) {
        env.insert(QStringLiteral("QUADERLO_UCCIDI_N"), QString::number(uccidiA));
        env.insert(QStringLiteral("QUADERLO_UCCIDI_SOTTO"), sotto);
    }
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(QUADERLO_LAVORO), args);
    if (!p.waitForFinished(30000))
        return -2;
    return p.exitStatus() == QProcess::CrashExit ? -1 : p.exitCode();
}
} // namespace

class TestUccisioni : public QObject
{
    Q_OBJECT

    // Kills the path at its 1st, 2nd, ... file operation until it runs through; after each kill the next
    // start tidies up and the tree must be the old or the new one. "@" in the arguments is the root.
    void ogniPunto(const std::function<void(const QString &)> &prepara, const QStringList &argomenti,
                   const QStringList &riordino = {QStringLiteral("riordina"), QStringLiteral("@")})
    {
        QTemporaryDir base;
        const QString radice = base.filePath(QStringLiteral("r"));
        const auto args = [&](QStringList l) { return l.replaceInStrings(QStringLiteral("@"), radice); };
        prepara(radice);
        const Stato vecchio = stato(radice);
        QCOMPARE(lavora(args(argomenti), 0, radice), 0);
        const Stato nuovo = stato(radice);
        QVERIFY(nuovo != vecchio);

        int uccisioni = 0, vecchi = 0;
        for (long n = 1; n < 2000; ++n) {
            QVERIFY(QDir(radice).removeRecursively());
            prepara(radice);
            const int esito = lavora(args(argomenti), n, radice);
            if (esito == 0) {
                QCOMPARE(stato(radice), nuovo);
                break;
            }
            QCOMPARE(esito, -1);
            ++uccisioni;
            QCOMPARE(lavora(args(riordino), 0, radice), 0);
            const Stato dopo = stato(radice);
            QVERIFY2(dopo == vecchio || dopo == nuovo, qPrintable(QStringLiteral("killed at operation %1: neither old nor new: ").arg(n)
                                                                  + QStringList(dopo.keys()).join(QLatin1Char(' '))));
            vecchi += dopo == vecchio;
        }
        QVERIFY2(uccisioni >= 3, "the path made too few file operations to be tried");
        qInfo("%d kill points, old tree after %d, new after %d", uccisioni, vecchi, uccisioni - vecchi);
    }

private slots:
    void exportAndImportOverAClass()
    {
        // Export: the program folder's class replaces the one on the drive; import: the other way;
        // on a drive that cannot swap folders in one step the swap is two renames.
        for (const auto &[esporta, senzaScambio] : {std::pair{true, false}, {false, false}, {true, true}}) {
            g_senzaScambio = senzaScambio;
            const QString da = esporta ? QStringLiteral("/programma/4A") : QStringLiteral("/chiavetta/4A");
            const QString a = esporta ? QStringLiteral("/chiavetta/4A") : QStringLiteral("/programma/4A");
            ogniPunto(
                [&](const QString &r) {
                    classe(r + da, "nuovo");
                    classe(r + a, "vecchio");
                    scrivi(r + a + "/Bianchi Luca.q1", "Un alunno che la copia toglie.\r\n");
                    scrivi(r + a + "/4A_Finale.txt", "Unione che resta.\r\n");
                },
                {QStringLiteral("sostituisci"), "@" + da, "@" + a}, {QStringLiteral("riordina"), "@/programma", "@/chiavetta"});
        }
        g_senzaScambio = false;
    }

    void newSchoolYear()
    {
        ogniPunto(
            [](const QString &r) {
                scrivi(r + "/Classi.dat", "4A\r\n5B\r\n");
                scrivi(r + "/Anno.dat", "2025/26\r\n");
                classe(r + "/4A", "4A");
                classe(r + "/5B", "5B");
            },
            {QStringLiteral("nuovoanno"), QStringLiteral("@")});
    }

    // The day's copy, and a restore of it over the archive of later.
    void copyAndRestore()
    {
        const auto archivio = [](const QString &r) {
            scrivi(r + "/Classi.dat", "4A\r\n");
            scrivi(r + "/Anno.dat", "2025/26\r\n");
            classe(r + "/4A", "4A");
        };
        ogniPunto(archivio, {QStringLiteral("copia"), QStringLiteral("@")});
        ogniPunto(
            [&](const QString &r) {
                archivio(r);
                QCOMPARE(lavora({QStringLiteral("copia"), r}, 0, r), 0);
                scrivi(r + "/Classi.dat", "5B\r\n4A\r\n");
                classe(r + "/5B", "5B");
                scrivi(r + "/4A/Rossi Mario.q1", "Testo cambiato.\r\n");
            },
            {QStringLiteral("ripristina"), QStringLiteral("@"), QStringLiteral("2026-05-12")});
    }

    void savingASection()
    {
        ogniPunto([](const QString &r) { classe(r + "/4A", "vecchio"); },
                  {QStringLiteral("salva"), QStringLiteral("@/4A/Rossi Mario.q1"), QStringLiteral("Nuovo testo.")});
    }
};

QUADERLO_TEST_MAIN(TestUccisioni)
#include "tst_Uccisioni.moc"
