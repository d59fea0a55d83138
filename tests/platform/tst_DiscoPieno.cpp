#include "TestSupport.h"

#include "app/CarQuad.h"
#include "app/FileImpostazioni.h"
#include "archive/ElencoAlunni.h"
#include "archive/ElencoClassi.h"
#include "composition/Selezione.h"
#include "composition/TestoQuadro.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "printing/Formati.h"
#include "utilities/ConfigStampa.h"
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
class FailDevice : public QIODevice
{
public:
    explicit FailDevice(qint64 n) : m_left(n) { open(QIODevice::WriteOnly); }
    QByteArray written;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 len) override
    {
        if (m_left <= 0) {
            setErrorString(QStringLiteral("Spazio esaurito sul disco"));
            return -1;
        }
        const qint64 n = qMin(len, m_left);
        written.append(data, n);
        m_left -= n;
        return n;
    }

private:
    qint64 m_left;
};

// Fills the file system that holds folder until no byte more fits.
void riempi(const QString &folder)
{
    QFile f(QDir(folder).filePath(QStringLiteral("riempitivo")));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'x');
    while (f.write(block) > 0) {
    }
}
} // namespace

class TestDiscoPieno : public QObject
{
    Q_OBJECT
private slots:
    void aWriteThatFallsShortIsAFailure()
    {
        const QByteArray bytes(200000, 'a');
        for (const qint64 n : {qint64(0), qint64(10), qint64(65536), qint64(199999)}) {
            FailDevice dev(n);
            QString why;
            QVERIFY(!TextFile::writeAll(dev, bytes, &why));
            QCOMPARE(why, QStringLiteral("Spazio esaurito sul disco"));
            QCOMPARE(dev.written.size(), n);
        }
        FailDevice enough(200000);
        QString why;
        QVERIFY(TextFile::writeAll(enough, bytes, &why));
        QCOMPARE(enough.written, bytes);
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
        const QString classe = QDir(disco).filePath(QStringLiteral("4A"));
        QVERIFY(QDir().mkpath(classe));

        struct Caso {
            const char *file;
            std::function<bool(QString *)> scrivi;
        };
        const QList<Caso> casi = {
            {"Anno.dat", [](QString *e) { CarQuad::AnnoScolastico = QStringLiteral("2026/27"); return Impostazioni::scriviAnno(e); }},
            {"Qua.inf", [](QString *e) { return Impostazioni::scriviPassword(QStringLiteral("Maestra"), QStringLiteral("x"), e); }},
            {"Titoli.dat", [](QString *e) { return Impostazioni::scriviTitoli(e); }},
            {"Quaderlo.cfg", [](QString *e) { CarQuad::Carattere = QStringLiteral("Arial"); return ConfigStampa::scrivi(e); }},
            {"Formati.dat", [](QString *e) { return FileFormati::scrivi(Formati(), e); }},
            {"Classi.dat", [](QString *e) { return Archivio::scriviClassi({QStringLiteral("4A"), QStringLiteral("5B")}, e); }},
            {"4A/ALUNNI.4A", [classe](QString *e) {
                 return Archivio::scriviAlunni(QDir(classe).filePath(QStringLiteral("ALUNNI.4A")), {{QStringLiteral("Rossi Mario"), 1}}, e);
             }},
            {"4A/Rossi Mario.q1", [classe](QString *e) {
                 return TestoQuadro::scrivi(QDir(classe).filePath(QStringLiteral("Rossi Mario.q1")), QStringLiteral("Nuovo testo."), e);
             }},
            {"4A/Rossi Mario.dat", [classe](QString *e) {
                 return Selezione::scrivi(QDir(classe).filePath(QStringLiteral("Rossi Mario.dat")), {QStringLiteral("0 1 "), {}, {}, {}}, e);
             }},
            {"4A/4A_Finale.txt", [](QString *e) {
                 const auto r = UnioneGiudizi::unisci(QStringLiteral("4A"), QStringLiteral("q1"), QStringLiteral("_Finale"));
                 *e = r.dettaglio;
                 return r.esito == UnioneGiudizi::Esito::Fatto;
             }},
        };
        // Old files, then a disk with no room left.
        for (const Caso &c : casi)
            QVERIFY(TextFile::writeBytes(QDir(disco).filePath(QString::fromLatin1(c.file)), "vecchio\r\n"));
        QVERIFY(TextFile::writeBytes(QDir(classe).filePath(QStringLiteral("ALUNNI.4A")), "Rossi Mario\r\n 1 \r\n"));
        const QByteArray alunniPrima = "Rossi Mario\r\n 1 \r\n";
        riempi(disco);
        const QStringList prima = QDir(classe).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                                  + QDir(disco).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        for (const Caso &c : casi) {
            QString errore;
            QVERIFY2(!c.scrivi(&errore), c.file);
            QVERIFY2(!errore.isEmpty(), c.file);
            const QByteArray atteso = QByteArray(c.file) == "4A/ALUNNI.4A" ? alunniPrima : QByteArray("vecchio\r\n");
            QCOMPARE(TextFile::readBytes(QDir(disco).filePath(QString::fromLatin1(c.file))).value_or("<missing>"), atteso);
        }
        const QStringList dopo = QDir(classe).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                                 + QDir(disco).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        QCOMPARE(dopo, prima); // no temporary file left behind
#else
        QSKIP("Linux only");
#endif
    }
};

QUADERLO_TEST_MAIN(TestDiscoPieno)
#include "tst_DiscoPieno.moc"
