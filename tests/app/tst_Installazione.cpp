#include "TestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>

// Installs the build into a temporary prefix and starts the installed program as a teacher would,
// with a home folder of its own; then builds the Debian package and looks inside it.
namespace {
const QString kBuild = QStringLiteral(QUADERLO_BUILD_DIR);
const QString kSource = QStringLiteral(QUADERLO_SOURCE_DIR);
const QStringList kDati = {QStringLiteral("Quaderlo.cfg"), QStringLiteral("quadro1.txt"), QStringLiteral("quadro2.txt"),
                           QStringLiteral("quadro3.txt"),  QStringLiteral("quadro4.txt")};

QByteArray leggi(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

struct Esito {
    int code = -1;
    QByteArray out;
};

Esito esegui(const QString &program, const QStringList &args, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(240000))
        p.kill();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAll()};
}

// Every file of a folder with its bytes and modification time.
QMap<QString, QPair<QByteArray, QDateTime>> fotografia(const QString &folder)
{
    QMap<QString, QPair<QByteArray, QDateTime>> out;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        out.insert(QDir(folder).relativeFilePath(path), {leggi(path), QFileInfo(path).lastModified()});
    }
    return out;
}
} // namespace

class TestInstallazione : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString prefix() const { return m_tmp.filePath(QStringLiteral("prefisso")); }
    QString home() const { return m_tmp.filePath(QStringLiteral("casa")); }
    QString utente() const { return home() + QStringLiteral("/.local/share/Quaderlo"); }

    Esito avviaInstallato() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home());
        env.remove(QStringLiteral("XDG_DATA_HOME"));
        env.remove(QStringLiteral("XDG_CONFIG_HOME"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QUADERLO_EXIT_AFTER_START"), QStringLiteral("1"));
        return esegui(prefix() + QStringLiteral("/bin/quaderlo"), {}, env);
    }

private slots:
    void cleanupTestCase()
    {
        QFile::setPermissions(prefix() + QStringLiteral("/bin"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void installsTheProgramTheDataTheGuideAndTheDesktopEntry()
    {
        const Esito inst = esegui(QStringLiteral(CMAKE_COMMAND), {QStringLiteral("--install"), kBuild,
                                                                  QStringLiteral("--prefix"), prefix()});
        QVERIFY2(inst.code == 0, inst.out.constData());
        QVERIFY(QFileInfo(prefix() + QStringLiteral("/bin/quaderlo")).isExecutable());
        for (const QString &name : kDati)
            QCOMPARE(leggi(prefix() + QStringLiteral("/share/quaderlo/") + name), leggi(kSource + QStringLiteral("/data/") + name));
        QVERIFY(leggi(prefix() + QStringLiteral("/share/quaderlo/Aiuto.chm")).startsWith("ITSF"));
        QVERIFY(QFileInfo::exists(prefix() + QStringLiteral("/share/quaderlo/Guida/index.html")));
        QVERIFY(QFileInfo::exists(prefix() + QStringLiteral("/share/icons/hicolor/64x64/apps/quaderlo.png")));
        QVERIFY(QFileInfo::exists(prefix() + QStringLiteral("/share/icons/hicolor/256x256/apps/quaderlo.png")));
        const QByteArray desktop = leggi(prefix() + QStringLiteral("/share/applications/quaderlo.desktop"));
        for (const char *line : {"\nName=Quaderlo\n", "\nExec=quaderlo\n", "\nIcon=quaderlo\n", "\nCategories=Education;\n",
                                 "\nComment=Archivio delle classi"})
            QVERIFY2(desktop.contains(line), line);
        // One main category: the validator has nothing to say.
        const QString validatore = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (!validatore.isEmpty()) {
            const Esito v = esegui(validatore, {prefix() + QStringLiteral("/share/applications/quaderlo.desktop")});
            QVERIFY2(v.code == 0 && v.out.trimmed().isEmpty(), v.out.constData());
        }
    }

    void firstStartFillsTheUsersFolderOnceAndNeverOverwrites()
    {
        // An installed system: the executable's folder holds no data files and cannot be written
        // (the read-only bit does not stop root, but the missing data files alone choose the installed mode).
        const QString bin = prefix() + QStringLiteral("/bin");
        QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                                       | QFile::ReadOther | QFile::ExeOther);
        QVERIFY(QDir().mkpath(home()));

        Esito first = avviaInstallato();
        QVERIFY2(first.code == 0 && first.out.contains("menu shown"), first.out.constData());
        for (const QString &name : kDati)
            QCOMPARE(leggi(utente() + QLatin1Char('/') + name), leggi(kSource + QStringLiteral("/data/") + name));
        QCOMPARE(leggi(utente() + QStringLiteral("/Aiuto.chm")), leggi(prefix() + QStringLiteral("/share/quaderlo/Aiuto.chm")));
        // The program's own settings files are made in the user's folder, never beside the executable.
        QCOMPARE(leggi(utente() + QStringLiteral("/Anno.dat")), QByteArray("\r\n"));
        QCOMPARE(leggi(utente() + QStringLiteral("/Qua.inf")), QByteArray("Quaderlo\r\n\r\n"));
        QVERIFY(QFileInfo::exists(utente() + QStringLiteral("/Titoli.dat")));
        QCOMPARE(QDir(bin).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("quaderlo")});

        // The teacher answers the year; a second start then changes nothing at all.
        QFile anno(utente() + QStringLiteral("/Anno.dat"));
        QVERIFY(anno.open(QIODevice::WriteOnly));
        anno.write("2026/2027\r\n");
        anno.close();
        const auto before = fotografia(utente());
        Esito second = avviaInstallato();
        QVERIFY2(second.code == 0 && second.out.contains("menu shown"), second.out.constData());
        QCOMPARE(fotografia(utente()).keys(), before.keys());
        for (const QString &name : before.keys()) {
            QVERIFY2(fotografia(utente()).value(name) == before.value(name), qPrintable(name));
        }

        // The teacher's own phrases stay; a deleted sample comes back.
        QFile frasi(utente() + QStringLiteral("/quadro1.txt"));
        QVERIFY(frasi.open(QIODevice::WriteOnly));
        frasi.write("Mie=frasi\r\n");
        frasi.close();
        QVERIFY(QFile::remove(utente() + QStringLiteral("/quadro2.txt")));
        Esito third = avviaInstallato();
        QVERIFY2(third.code == 0, third.out.constData());
        QCOMPARE(leggi(utente() + QStringLiteral("/quadro1.txt")), QByteArray("Mie=frasi\r\n"));
        QCOMPARE(leggi(utente() + QStringLiteral("/quadro2.txt")), leggi(kSource + QStringLiteral("/data/quadro2.txt")));
    }

    void debianPackageHoldsProgramDesktopEntryIconAndData()
    {
        const QString dpkgDeb = QStandardPaths::findExecutable(QStringLiteral("dpkg-deb"));
        if (dpkgDeb.isEmpty())
            QSKIP("dpkg-deb is not available on this system");
        const QString out = m_tmp.filePath(QStringLiteral("pacchetto"));
        const Esito pack = esegui(QStringLiteral(CPACK_COMMAND), {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                                                                  kBuild + QStringLiteral("/CPackConfig.cmake"), QStringLiteral("-B"), out});
        QVERIFY2(pack.code == 0, pack.out.constData());
        const QStringList debs = QDir(out).entryList({QStringLiteral("quaderlo_*.deb")}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        const QString deb = out + QLatin1Char('/') + debs.first();
        const Esito contents = esegui(dpkgDeb, {QStringLiteral("--contents"), deb});
        QCOMPARE(contents.code, 0);
        QStringList expected = {QStringLiteral("./usr/bin/quaderlo"), QStringLiteral("./usr/share/applications/quaderlo.desktop"),
                                QStringLiteral("./usr/share/icons/hicolor/64x64/apps/quaderlo.png"),
                                QStringLiteral("./usr/share/quaderlo/Aiuto.chm"), QStringLiteral("./usr/share/quaderlo/Guida/index.html")};
        for (const QString &name : kDati)
            expected << QStringLiteral("./usr/share/quaderlo/") + name;
        for (const QString &path : expected)
            QVERIFY2(contents.out.contains(" " + path.toUtf8() + "\n"), qPrintable(path));
        const Esito depends = esegui(dpkgDeb, {QStringLiteral("--field"), deb, QStringLiteral("Depends")});
        for (const char *pkg : {"libqt6widgets6", "libqt6printsupport6", "fonts-comic-neue", "qt6-translations-l10n"})
            QVERIFY2(depends.out.contains(pkg), depends.out.constData());
    }
};

QUADERLO_TEST_MAIN(TestInstallazione)
#include "tst_Installazione.moc"
