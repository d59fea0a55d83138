#include "TestSupport.h"

#include "app/CarQuad.h"
#include "app/Impostazioni.h"
#include "archive/ElencoAlunni.h"
#include "archive/ElencoClassi.h"
#include "composition/Selezione.h"
#include "composition/TestoQuadro.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "printing/FileFormati.h"
#include "printing/ConfigStampa.h"
#include "utilities/UnioneGiudizi.h"

#include <QDir>
#include <QFile>
#include <functional>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <unistd.h>
#endif

namespace {
// A device that takes the first n bytes and then refuses every write.
struct FailDevice : QIODevice {
    explicit FailDevice(qint64 n) : left(n) { open(QIODevice::WriteOnly); }
    QByteArray written;
    qint64 left;
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 len) override
    {
        if (left <= 0) {
            setErrorString(QStringLiteral("Spazio esaurito sul disco"));
            return -1;
        }
        const qint64 n = qMin(len, left);
        written.append(data, n);
        left -= n;
        return n;
    }
};

void riempi(const QString &folder)
{
    QFile f(QDir(folder).filePath(QStringLiteral("riempitivo")));
    const QByteArray block(4096, 'x');
    if (f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        while (f.write(block) > 0)
            ;
}
} // namespace

class TestDiscoPieno : public QObject
{
    Q_OBJECT
private slots:
    void aWriteThatFallsShortIsAFailure()
    {
        const QByteArray bytes(200000, 'a');
        for (const qint64 n : {qint64(0), qint64(10), qint64(65536), qint64(199999), qint64(200000)}) {
            FailDevice dev(n);
            QString why;
            QCOMPARE(TextFile::writeAll(dev, bytes, &why), n == bytes.size());
            QCOMPARE(why, n == bytes.size() ? QString() : QStringLiteral("Spazio esaurito sul disco"));
            QCOMPARE(dev.written, bytes.left(n));
        }
    }

    // On a real full disk every file the program writes keeps its old bytes, and the failure is told.
    void aFullDiskLeavesEveryFileAsItWas()
    {
#ifdef Q_OS_LINUX
        if (::geteuid() != 0)
            QSKIP("mounting a small file system needs root");
        ProgramFolder dir;
        const QString disco = dir.file(QStringLiteral("disco"));
        QVERIFY(QDir().mkpath(disco));
        if (::mount("tmpfs", QFile::encodeName(disco).constData(), "tmpfs", 0, "size=256k") != 0)
            QSKIP("no tmpfs can be mounted here");
        const auto smonta = qScopeGuard([&] { ::umount2(QFile::encodeName(disco).constData(), MNT_DETACH); });
        Paths::setProgramFolder(disco);
        const auto in = [&](const char *rel) { return QDir(disco).filePath(QString::fromLatin1(rel)); };
        QVERIFY(QDir().mkpath(in("4A")));
        using namespace CarQuad;
        const QList<std::pair<const char *, std::function<bool(QString *)>>> casi = {
            {"Anno.dat", [](QString *e) { AnnoScolastico = QStringLiteral("2026/27"); return Impostazioni::scriviAnno(e); }},
            {"Qua.inf", [](QString *e) { return Impostazioni::scriviPassword(QStringLiteral("Maestra"), QStringLiteral("x"), e); }},
            {"Titoli.dat", [](QString *e) { return Impostazioni::scriviTitoli(e); }},
            {"Quaderlo.cfg", [](QString *e) { Carattere = QStringLiteral("Arial"); return ConfigStampa::scrivi(e); }},
            {"Formati.dat", [](QString *e) { return FileFormati::scrivi(Formati(), e); }},
            {"Classi.dat", [](QString *e) { return Archivio::scriviClassi({QStringLiteral("4A"), QStringLiteral("5B")}, e); }},
            {"4A/ALUNNI.4A", [&](QString *e) { return Archivio::scriviAlunni(in("4A/ALUNNI.4A"), {{QStringLiteral("Rossi Mario"), 1}}, e); }},
            {"4A/Rossi Mario.q1", [&](QString *e) { return TestoQuadro::scrivi(in("4A/Rossi Mario.q1"), QStringLiteral("Nuovo."), e); }},
            {"4A/Rossi Mario.dat", [&](QString *e) { return Selezione::scrivi(in("4A/Rossi Mario.dat"), {QStringLiteral("0 1 "), {}, {}, {}}, e); }},
            {"4A/4A_Finale.txt", [](QString *e) {
                 const auto r = UnioneGiudizi::unisci(QStringLiteral("4A"), QStringLiteral("q1"), QStringLiteral("_Finale"));
                 *e = r.dettaglio;
                 return r.esito == UnioneGiudizi::Esito::Fatto;
             }},
        };
        // Old files (a pupil list the merge can read), then a disk with no room left.
        for (const auto &c : casi)
            QVERIFY(TextFile::writeBytes(in(c.first), c.first == QByteArray("4A/ALUNNI.4A") ? "Rossi Mario\r\n 1 \r\n" : "vecchio\r\n"));
        riempi(disco);
        const auto elenco = [&] {
            const auto tutti = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
            return QDir(in("4A")).entryList(tutti) + QDir(disco).entryList(tutti);
        };
        const QStringList prima = elenco();
        for (const auto &c : casi) {
            QString errore;
            QVERIFY2(!c.second(&errore) && !errore.isEmpty(), c.first);
            QCOMPARE(TextFile::readBytes(in(c.first)).value_or("<missing>"),
                     c.first == QByteArray("4A/ALUNNI.4A") ? QByteArray("Rossi Mario\r\n 1 \r\n") : QByteArray("vecchio\r\n"));
        }
        QCOMPARE(elenco(), prima); // no temporary file left behind
#else
        QSKIP("Linux only");
#endif
    }
};

QUADERLO_TEST_MAIN(TestDiscoPieno)
#include "tst_DiscoPieno.moc"
