#include "TestSupport.h"

#include "platform/CartellaProgramma.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace {
void scrivi(const QString &path, const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()) && TextFile::writeBytes(path, bytes));
}

// An installed layout: prefix/bin (the executable's folder) and prefix/share/quaderlo with the data files.
struct Installazione {
    QTemporaryDir tmp;
    QString bin() const { return tmp.filePath(QStringLiteral("bin")); }
    QString dati() const { return tmp.filePath(QStringLiteral("share/quaderlo")); }
    QString utente(const QString &name = {}) const { return QDir::cleanPath(tmp.filePath("home/Quaderlo/" + name)); }
    Installazione()
    {
        QDir().mkpath(bin());
        for (const QString &name : CartellaProgramma::fileIniziali())
            scrivi(Paths::join(dati(), name), "installato " + name.toLatin1() + "\r\n");
    }
};
} // namespace

class TestCartellaProgramma : public QObject
{
    Q_OBJECT
private slots:
    void theFolderChosenAndWhatTheFirstStartCopies()
    {
        Installazione inst;
        QTemporaryDir portatile, nudo;
        scrivi(portatile.filePath(QStringLiteral("QUADERLO.CFG")), "Arial\r\n");
        QVERIFY(CartellaProgramma::contieneDati(portatile.path()));
        QCOMPARE(CartellaProgramma::cartellaDati(inst.bin()), QDir::cleanPath(inst.dati()));
        QVERIFY(CartellaProgramma::cartellaDati(nudo.path()).isEmpty());
        const struct {
            QString exe;
            bool scrivibile;
            QString attesa;
        } casi[] = {
            {portatile.path(), true, portatile.path()},
            {portatile.path(), false, inst.utente()}, // not writable: the user's folder even for a portable copy
            {inst.bin(), true, inst.utente()},        // bin holds no data files: installed even when writable
            {inst.bin(), false, inst.utente()},
            {nudo.path(), true, nudo.path()},         // no installed data: stays where it is
        };
        for (const auto &c : casi)
            QCOMPARE(CartellaProgramma::scegli(c.exe, c.scrivibile, inst.utente()), c.attesa);

        QVERIFY(CartellaProgramma::scrivibile(nudo.path()));
        {
            ReadOnlyFolder lock(nudo.path());
            QVERIFY(!CartellaProgramma::scrivibile(nudo.path()));
        }
        QVERIFY(QDir(nudo.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
        QVERIFY(!CartellaProgramma::contieneArchivio(nudo.path()));
        scrivi(nudo.filePath(QStringLiteral("CLASSI.DAT")), "3A\r\n");
        QVERIFY(CartellaProgramma::contieneArchivio(nudo.path()));

        // The first start copies only what is missing. The teacher's own phrase file, under another case, and an archive file: never touched.
        scrivi(inst.utente("QUADRO1.TXT"), "mie frasi\r\n");
        scrivi(inst.utente("Classi.dat"), "3A\r\n");
        QString error;
        QCOMPARE(CartellaProgramma::copiaMancanti(inst.dati(), inst.utente(), &error),
                 QStringList({"Quaderlo.cfg", "quadro2.txt", "quadro3.txt", "quadro4.txt", "Aiuto.chm"}));
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(readFile(inst.utente("QUADRO1.TXT")), QByteArray("mie frasi\r\n"));
        QCOMPARE(Paths::matchingFiles(inst.utente(), QStringLiteral("quadro1.txt")).size(), 1);
        QCOMPARE(readFile(inst.utente("Classi.dat")), QByteArray("3A\r\n"));
        QCOMPARE(readFile(inst.utente("quadro2.txt")), QByteArray("installato quadro2.txt\r\n"));

        // A second start: nothing is copied, the changed configuration stays; a deleted file comes back.
        scrivi(inst.utente("Quaderlo.cfg"), "Verdana\r\n");
        QVERIFY(QFile::remove(inst.utente("quadro3.txt")));
        QCOMPARE(CartellaProgramma::copiaMancanti(inst.dati(), inst.utente(), &error), QStringList{"quadro3.txt"});
        QCOMPARE(readFile(inst.utente("Quaderlo.cfg")), QByteArray("Verdana\r\n"));

        // A file where the user's folder should be: nothing can be written inside it, and that is told.
        Installazione altra;
        scrivi(altra.utente(), "not a folder");
        QVERIFY(CartellaProgramma::copiaMancanti(altra.dati(), altra.utente(), &error).isEmpty());
        QVERIFY(!error.isEmpty());
    }
};

QUADERLO_TEST_MAIN(TestCartellaProgramma)
#include "tst_CartellaProgramma.moc"
