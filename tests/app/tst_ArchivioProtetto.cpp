#include "TestSupport.h"

#include "app/Avvio.h"
#include "app/CarQuad.h"
#include "app/CopiaArchivio.h"
#include "platform/Form.h"
#include "platform/MsgBox.h"
#include "platform/Paths.h"
#include "printing/Formati.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
// Makes a file of the folder unreadable for its lifetime, the folder itself open to all; when the
// tests run as root, the process acts meanwhile as an ordinary user, so that reading really fails.
class FileIlleggibili
{
public:
    FileIlleggibili(const QString &folder, const QStringList &files) : m_folder(folder)
    {
        for (const QString &f : files) {
            m_files << Paths::join(folder, f);
            QFile::setPermissions(m_files.last(), QFileDevice::WriteOwner);
        }
        QFile::setPermissions(folder, QFileDevice::Permissions(0x7777));
#ifdef Q_OS_UNIX
        if (::geteuid() == 0)
            m_dropped = ::seteuid(65534) == 0;
#endif
    }
    ~FileIlleggibili()
    {
#ifdef Q_OS_UNIX
        if (m_dropped && ::seteuid(0) != 0)
            qFatal("FileIlleggibili: cannot act as root again");
#endif
        for (const QString &f : m_files)
            QFile::setPermissions(f, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

private:
    QString m_folder;
    QStringList m_files;
    bool m_dropped = false;
};

QByteArray leggi(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void scrivi(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

// A portable copy's folder holding a teacher's archive with a password.
void archivio(const QString &exe)
{
    scrivi(exe + "/Anno.dat", "2026/27\r\n");
    scrivi(exe + "/Qua.inf", "Maestra\r\nsegreta\r\n");
    scrivi(exe + "/Titoli.dat", "Ingresso\r\nObiettivi\r\nPrimo\r\nSecondo\r\n");
    scrivi(exe + "/Classi.dat", "3A\r\n");
    scrivi(exe + "/Quaderlo.cfg", "Arial\r\n");
    scrivi(exe + "/3A/ALUNNI.3A", "Rossi Mario\r\n 1 \r\n");
    scrivi(exe + "/3A/Rossi Mario.q1", ansi("Ottimo inizio d'anno, è già più sicuro.\r\n"));
    scrivi(exe + "/quaderlo", "the executable");
}
} // namespace

class TestArchivioProtetto : public QObject
{
    Q_OBJECT
private slots:
    void init() { Msg::resetRecord(); }
    void cleanup() { VERIFY_NO_UNANSWERED(); }

    void theCopyIsOfferedOnlyForAnArchiveThatCannotBeWritten()
    {
        QTemporaryDir tmp;
        const QString conArchivio = tmp.filePath("exe"), senza = tmp.filePath("vuota"), utente = tmp.filePath("utente");
        archivio(conArchivio);
        scrivi(senza + "/Quaderlo.cfg", "Arial\r\n");
        struct Caso {
            QString exe;
            bool scrivibile;
            bool atteso;
        };
        const QList<Caso> casi = {{conArchivio, false, true}, {conArchivio, true, false}, {senza, false, false}};
        for (const Caso &c : casi)
            QCOMPARE(CopiaArchivio::daOffrire(c.exe, c.scrivibile, utente), c.atteso);
        // Only Qua.inf is an archive too, whatever the case of its name.
        scrivi(senza + "/QUA.INF", "Quaderlo\r\n\r\n");
        QVERIFY(CopiaArchivio::daOffrire(senza, false, utente));
    }

    void anArchiveInAFolderThatCannotBeWrittenIsCopiedWithItsPassword()
    {
        ProgramFolder dir;
        const QString exe = dir.file("exe"), utente = dir.file("home/Quaderlo");
        archivio(exe);
        // What an earlier start left in the user's folder: an empty password, no classes.
        scrivi(utente + "/Qua.inf", "Quaderlo\r\n\r\n");
        Msg::queueAnswer(Msg::ResYes);
        QVERIFY(Avvio::preparaCartella(exe, false, utente));
        QCOMPARE(Msg::shown().size(), 1);
        const Msg::Shown domanda = Msg::shown().first();
        QVERIFY2(domanda.text.contains(QDir::toNativeSeparators(exe)) && domanda.text.contains("(precedente)")
                     && domanda.text.endsWith(QStringLiteral("Con No il programma termina.")),
                 qPrintable(domanda.text));
        QCOMPARE(domanda.buttons, Msg::YesNo);
        QCOMPARE(Paths::programFolder(), utente);
        for (const char *f : {"Qua.inf", "Anno.dat", "Titoli.dat", "Classi.dat", "3A/ALUNNI.3A", "3A/Rossi Mario.q1"})
            QCOMPARE(leggi(utente + "/" + f), leggi(exe + "/" + f));
        QVERIFY(!QFileInfo::exists(utente + "/quaderlo"));
        QCOMPARE(leggi(utente + " (precedente)/Qua.inf"), QByteArray("Quaderlo\r\n\r\n"));

        // The menu opens with the archive's own password asked.
        Form *menu = startProgram();
        QCOMPARE(Msg::shown().size(), 1);
        QVERIFY(window("frmLogin") && window("frmLogin")->isVisible());
        QVERIFY(!menu->isEnabled());
        QCOMPARE(CarQuad::PasswordUtente, QStringLiteral("segreta"));
        QCOMPARE(CarQuad::TitoloQuadro1, QStringLiteral("Ingresso"));

        // The next start works on the copy without asking again.
        QVERIFY(Avvio::preparaCartella(exe, false, utente));
        QCOMPARE(Msg::shown().size(), 1);
        QCOMPARE(Paths::programFolder(), utente);
    }

    void refusingOrFailingCopyEndsTheProgramBeforeTheMenu()
    {
        ProgramFolder dir;
        const QString exe = dir.file("exe"), utente = dir.file("home/Quaderlo");
        archivio(exe);
        // A copy that fails (a file where the user's folder should go) is reported.
        scrivi(dir.file("home"), "not a folder");
        Msg::queueAnswer(Msg::ResYes);
        Msg::queueAnswer(Msg::ResOk);
        QVERIFY(!Avvio::preparaCartella(exe, false, utente));
        QCOMPARE(Msg::shown().size(), 2);
        QVERIFY2(Msg::shown().last().text.startsWith(QStringLiteral("Impossibile copiare l'archivio")),
                 qPrintable(Msg::shown().last().text));
        QCOMPARE(Msg::shown().last().icon, Msg::Critical);
        QCOMPARE(leggi(dir.file("home")), QByteArray("not a folder"));

        // No: nothing is copied and the menu never opens.
        QVERIFY(QFile::remove(dir.file("home")));
        Msg::queueAnswer(Msg::ResNo);
        QVERIFY(!Avvio::preparaCartella(exe, false, utente));
        QCOMPARE(Msg::shown().size(), 3);
        QVERIFY(!QFileInfo::exists(utente));
        Avvio::termina();
        Form *menu = startProgram();
        QVERIFY(Forms::programEnded());
        QVERIFY(!menu->isVisible());
        QCOMPARE(Msg::shown().size(), 3);
    }

    void anUnreadablePasswordFileEndsTheProgramAndStays()
    {
        ProgramFolder dir;
        dir.write("Anno.dat", "2026/27\r\n");
        dir.write("Titoli.dat", "A\r\nB\r\nC\r\nD\r\n");
        dir.write("Qua.inf", "Maestra\r\nsegreta\r\n");
        Msg::queueAnswer(Msg::ResOk);
        {
            FileIlleggibili illeggibili(dir.path(), {"Qua.inf"});
            startProgram();
        }
        QCOMPARE(Msg::shown().size(), 1);
        QVERIFY2(Msg::shown()[0].text.contains(QDir::toNativeSeparators(dir.file("Qua.inf"))),
                 qPrintable(Msg::shown()[0].text));
        QCOMPARE(Msg::shown()[0].icon, Msg::Critical);
        QVERIFY(Forms::programEnded());
        QVERIFY(!Forms::isLoaded("frmSplash") && !Forms::isLoaded("frmLogin"));
        QCOMPARE(dir.read("Qua.inf"), QByteArray("Maestra\r\nsegreta\r\n"));
    }

    void otherUnreadableSettingsAreLeftAlone()
    {
        ProgramFolder dir;
        dir.write("Anno.dat", "2026/27\r\n");
        dir.write("Titoli.dat", "Ingresso\r\nObiettivi\r\nPrimo\r\nSecondo\r\n");
        dir.write("Formati.dat", "Verdana\r\n 14 \r\n");
        {
            FileIlleggibili illeggibili(dir.path(), {"Anno.dat", "Titoli.dat", "Formati.dat"});
            startProgram();
            // The year is not asked again, the formats come out as defaults without replacing the file.
            QVERIFY(Msg::shown().isEmpty());
            QCOMPARE(FileFormati::leggiOCrea()[0].carattere, QStringLiteral("Arial"));
        }
        QCOMPARE(dir.read("Anno.dat"), QByteArray("2026/27\r\n"));
        QCOMPARE(dir.read("Titoli.dat"), QByteArray("Ingresso\r\nObiettivi\r\nPrimo\r\nSecondo\r\n"));
        QCOMPARE(dir.read("Formati.dat"), QByteArray("Verdana\r\n 14 \r\n"));
        // Only the missing Qua.inf was created.
        QCOMPARE(dir.read("Qua.inf"), QByteArray("Quaderlo\r\n\r\n"));
        QVERIFY(window("frmSplash")->isVisible());
    }
};

QUADERLO_TEST_MAIN(TestArchivioProtetto)
#include "tst_ArchivioProtetto.moc"
