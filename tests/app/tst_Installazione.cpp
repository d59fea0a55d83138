#include "TestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>

// The build installed into a temporary prefix and started with a home of its own; the Debian package.
namespace {
const QStringList kDati = {"Quaderlo.cfg", "quadro1.txt", "quadro2.txt", "quadro3.txt", "quadro4.txt"};

QByteArray sorgente(const QString &name) { return readFile(QUADERLO_SOURCE_DIR "/data/" + name); }

struct Esito { int code = -1; QByteArray out; };

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
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
        out.insert(QDir(folder).relativeFilePath(it.next()), {readFile(it.filePath()), it.fileInfo().lastModified()});
    return out;
}
} // namespace

class TestInstallazione : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString prefix(const QString &path = QString()) const { return m_tmp.filePath("prefisso") + path; }
    QString utente(const QString &name) const { return m_tmp.filePath("casa/.local/share/Quaderlo/") + name; }

    // The installed program, started and ended once its main menu is shown.
    void avviaInstallato() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_tmp.filePath("casa"));
        for (const char *var : {"XDG_DATA_HOME", "XDG_CONFIG_HOME"})
            env.remove(var);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QUADERLO_EXIT_AFTER_START", "1");
        const Esito e = esegui(prefix("/bin/quaderlo"), {}, env);
        QVERIFY2(e.code == 0 && e.out.contains("menu shown"), e.out.constData());
    }

private slots:
    void cleanupTestCase() { QFile::setPermissions(prefix("/bin"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }

    void installsTheProgramTheDataTheGuideAndTheDesktopEntry()
    {
        const Esito inst = esegui(CMAKE_COMMAND, {"--install", QUADERLO_BUILD_DIR, "--prefix", prefix()});
        QVERIFY2(inst.code == 0, inst.out.constData());
        QVERIFY(QFileInfo(prefix("/bin/quaderlo")).isExecutable());
        for (const QString &name : kDati)
            QCOMPARE(readFile(prefix("/share/quaderlo/") + name), sorgente(name));
        QVERIFY(readFile(prefix("/share/quaderlo/Aiuto.chm")).startsWith("ITSF"));
        for (const char *f : {"/share/quaderlo/Guida/index.html", "/share/icons/hicolor/256x256/apps/quaderlo.png"})
            QVERIFY2(QFileInfo::exists(prefix(f)), f);
        const QString entry = prefix("/share/applications/quaderlo.desktop");
        for (const char *line : {"\nName=Quaderlo\n", "\nExec=quaderlo\n", "\nIcon=quaderlo\n", "\nCategories=Education;\n",
                                 "\nComment=Archivio delle classi"})
            QVERIFY2(readFile(entry).contains(line), line);
        // One main category: the validator has nothing to say.
        const QString validatore = QStandardPaths::findExecutable("desktop-file-validate");
        if (!validatore.isEmpty()) {
            const Esito v = esegui(validatore, {entry});
            QVERIFY2(v.code == 0 && v.out.trimmed().isEmpty(), v.out.constData());
        }
    }

    void firstStartFillsTheUsersFolderOnceAndNeverOverwrites()
    {
        // An installed system: bin holds no data files (that alone chooses the installed mode, even for root).
        QFile::setPermissions(prefix("/bin"), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                                                  | QFile::ReadOther | QFile::ExeOther);
        QVERIFY(QDir().mkpath(m_tmp.filePath("casa")));
        avviaInstallato();
        for (const QString &name : kDati)
            QCOMPARE(readFile(utente(name)), sorgente(name));
        QCOMPARE(readFile(utente("Aiuto.chm")), readFile(prefix("/share/quaderlo/Aiuto.chm")));
        // The program's own settings files are made in the user's folder, never beside the executable.
        QVERIFY(readFile(utente("Qua.inf")) == "Quaderlo\r\n\r\n" && QFileInfo::exists(utente("Titoli.dat")));
        QCOMPARE(QDir(prefix("/bin")).entryList(QDir::Files | QDir::Hidden), QStringList{"quaderlo"});

        // The teacher answers the year; a second start then changes nothing at all.
        QFile anno(utente("Anno.dat"));
        QVERIFY(anno.open(QIODevice::WriteOnly) && anno.write("2026/2027\r\n") == 11);
        anno.close();
        const auto before = fotografia(utente(""));
        avviaInstallato();
        QCOMPARE(fotografia(utente("")), before);
    }

    void debianPackageHoldsProgramDesktopEntryIconAndData()
    {
        const QString dpkgDeb = QStandardPaths::findExecutable("dpkg-deb");
        if (dpkgDeb.isEmpty())
            QSKIP("dpkg-deb is not available on this system");
        const QString out = m_tmp.filePath("pacchetto");
        const Esito pack = esegui(CPACK_COMMAND, {"-G", "DEB", "--config", QUADERLO_BUILD_DIR "/CPackConfig.cmake", "-B", out});
        QVERIFY2(pack.code == 0, pack.out.constData());
        const QStringList debs = QDir(out).entryList({"quaderlo_*.deb"}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        const QString deb = out + "/" + debs.first();
        const Esito contents = esegui(dpkgDeb, {"--contents", deb});
        QStringList expected = {"bin/quaderlo", "share/applications/quaderlo.desktop", "share/icons/hicolor/64x64/apps/quaderlo.png",
                                "share/quaderlo/Aiuto.chm", "share/quaderlo/Guida/index.html"};
        for (const QString &name : kDati)
            expected << "share/quaderlo/" + name;
        for (const QString &path : expected)
            QVERIFY2(contents.out.contains(" ./usr/" + path.toUtf8() + "\n"), qPrintable(path));
        const Esito depends = esegui(dpkgDeb, {"--field", deb, "Depends"});
        for (const char *pkg : {"libqt6widgets6", "libqt6printsupport6", "fonts-comic-neue", "qt6-translations-l10n"})
            QVERIFY2(depends.out.contains(pkg), depends.out.constData());
    }
};

QUADERLO_TEST_MAIN(TestInstallazione)
#include "tst_Installazione.moc"
