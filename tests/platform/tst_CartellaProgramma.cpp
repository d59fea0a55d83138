#include "TestSupport.h"

#include "platform/CartellaProgramma.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace {
void scrivi(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray leggi(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// An installed layout: prefix/bin (the executable's folder) and prefix/share/quaderlo with the data files.
struct Installazione {
    QTemporaryDir tmp;
    QString bin() const { return tmp.filePath(QStringLiteral("bin")); }
    QString dati() const { return tmp.filePath(QStringLiteral("share/quaderlo")); }
    QString utente() const { return tmp.filePath(QStringLiteral("home/.local/share/Quaderlo")); }
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
    void portableCopyAndBuildFolderKeepTheExecutablesFolder()
    {
        QTemporaryDir exe;
        scrivi(exe.filePath(QStringLiteral("QUADERLO.CFG")), "Arial\r\n");
        QVERIFY(CartellaProgramma::contieneDati(exe.path()));
        QCOMPARE(CartellaProgramma::scegli(exe.path(), true, QStringLiteral("/utente")), exe.path());
        // Not writable: the teacher's files go to the user's folder even for a portable copy.
        QCOMPARE(CartellaProgramma::scegli(exe.path(), false, QStringLiteral("/utente")), QStringLiteral("/utente"));
    }

    void installedProgramUsesTheUsersFolder()
    {
        Installazione inst;
        QCOMPARE(CartellaProgramma::cartellaDati(inst.bin()), QDir::cleanPath(inst.dati()));
        // bin holds no data files, so even a writable bin (a temporary prefix, or root) counts as installed.
        QCOMPARE(CartellaProgramma::scegli(inst.bin(), true, inst.utente()), inst.utente());
        QCOMPARE(CartellaProgramma::scegli(inst.bin(), false, inst.utente()), inst.utente());
    }

    void bareExecutableWithoutInstalledDataStaysWhereItIs()
    {
        QTemporaryDir exe;
        QVERIFY(CartellaProgramma::cartellaDati(exe.path()).isEmpty());
        QCOMPARE(CartellaProgramma::scegli(exe.path(), true, QStringLiteral("/utente")), exe.path());
    }

    void firstStartCopiesOnlyWhatIsMissing()
    {
        Installazione inst;
        QDir().mkpath(inst.utente());
        // The teacher's own phrase file, under another case, and an archive file: never touched.
        scrivi(Paths::join(inst.utente(), QStringLiteral("QUADRO1.TXT")), "mie frasi\r\n");
        scrivi(Paths::join(inst.utente(), QStringLiteral("Classi.dat")), "3A\r\n");
        QString error;
        const QStringList copied = CartellaProgramma::copiaMancanti(inst.dati(), inst.utente(), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(copied, QStringList({QStringLiteral("Quaderlo.cfg"), QStringLiteral("quadro2.txt"),
                                      QStringLiteral("quadro3.txt"), QStringLiteral("quadro4.txt"),
                                      QStringLiteral("Aiuto.chm")}));
        QCOMPARE(leggi(Paths::join(inst.utente(), QStringLiteral("QUADRO1.TXT"))), QByteArray("mie frasi\r\n"));
        QCOMPARE(Paths::matchingFiles(inst.utente(), QStringLiteral("quadro1.txt")).size(), 1);
        QCOMPARE(leggi(Paths::join(inst.utente(), QStringLiteral("Classi.dat"))), QByteArray("3A\r\n"));
        QCOMPARE(leggi(Paths::join(inst.utente(), QStringLiteral("quadro2.txt"))), QByteArray("installato quadro2.txt\r\n"));
        QCOMPARE(leggi(Paths::join(inst.utente(), QStringLiteral("Quaderlo.cfg"))), QByteArray("installato Quaderlo.cfg\r\n"));

        // A second start: nothing is missing, nothing is copied, the changed configuration stays.
        scrivi(Paths::join(inst.utente(), QStringLiteral("Quaderlo.cfg")), "Verdana\r\n");
        QVERIFY(CartellaProgramma::copiaMancanti(inst.dati(), inst.utente(), &error).isEmpty());
        QCOMPARE(leggi(Paths::join(inst.utente(), QStringLiteral("Quaderlo.cfg"))), QByteArray("Verdana\r\n"));

        // A file the teacher deleted comes back from the installed data.
        QVERIFY(QFile::remove(Paths::join(inst.utente(), QStringLiteral("quadro3.txt"))));
        QCOMPARE(CartellaProgramma::copiaMancanti(inst.dati(), inst.utente()), QStringList{QStringLiteral("quadro3.txt")});
    }

    void writableFolderAndArchiveAreFoundOut()
    {
        QTemporaryDir exe;
        QVERIFY(CartellaProgramma::scrivibile(exe.path()));
        {
            ReadOnlyFolder lock(exe.path());
            QVERIFY(!CartellaProgramma::scrivibile(exe.path()));
        }
        QVERIFY(QDir(exe.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
        QVERIFY(!CartellaProgramma::contieneArchivio(exe.path()));
        scrivi(exe.filePath(QStringLiteral("CLASSI.DAT")), "3A\r\n");
        QVERIFY(CartellaProgramma::contieneArchivio(exe.path()));
    }

    void aFolderThatCannotBeWrittenIsReported()
    {
        Installazione inst;
        // A file where the user's folder should be: nothing can be written inside it.
        scrivi(inst.utente(), "not a folder");
        QString error;
        QVERIFY(CartellaProgramma::copiaMancanti(inst.dati(), inst.utente(), &error).isEmpty());
        QVERIFY(!error.isEmpty());
    }
};

QUADERLO_TEST_MAIN(TestCartellaProgramma)
#include "tst_CartellaProgramma.moc"
