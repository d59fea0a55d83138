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

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
// Makes files of the folder unreadable for its lifetime, the folder itself open to all; when the
// tests run as root, the process acts meanwhile as an ordinary user, so that reading really fails.
class FileIlleggibili
{
public:
    FileIlleggibili(const ProgramFolder &dir, const QStringList &files) : m_dir(dir), m_files(files)
    {
        for (const QString &f : files)
            QFile::setPermissions(dir.file(f), QFileDevice::WriteOwner);
        QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777));
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
            QFile::setPermissions(m_dir.file(f), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

private:
    const ProgramFolder &m_dir;
    QStringList m_files;
    bool m_dropped = false;
};

const QStringList kArchivio = {"Qua.inf", "Anno.dat", "Titoli.dat", "Classi.dat", "3A/ALUNNI.3A", "3A/Rossi Mario.q1"};

// A portable copy's folder exe holding a teacher's archive with a password.
void archivio(const ProgramFolder &dir)
{
    const QList<QByteArray> bytes = {"Maestra\r\nsegreta\r\n", "2026/27\r\n", "Ingresso\r\nObiettivi\r\nPrimo\r\nSecondo\r\n",
                                     "3A\r\n", "Rossi Mario\r\n 1 \r\n", ansi("Ottimo inizio d'anno, è già più sicuro.\r\n")};
    for (int i = 0; i < kArchivio.size(); ++i)
        dir.write("exe/" + kArchivio[i], bytes[i]);
    dir.write("exe/Quaderlo.cfg", "Arial\r\n");
    dir.write("exe/quaderlo", "the executable");
}
} // namespace

class TestArchivioProtetto : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { VERIFY_NO_UNANSWERED(); }

    void theCopyIsOfferedOnlyForAnArchiveThatCannotBeWritten()
    {
        ProgramFolder dir;
        archivio(dir);
        dir.write("vuota/Quaderlo.cfg", "Arial\r\n");
        const QString exe = dir.file("exe"), vuota = dir.file("vuota"), utente = dir.file("utente");
        QVERIFY(CopiaArchivio::daOffrire(exe, false, utente));
        QVERIFY(!CopiaArchivio::daOffrire(exe, true, utente));
        QVERIFY(!CopiaArchivio::daOffrire(vuota, false, utente));
        // Only Qua.inf is an archive too, whatever the case of its name.
        dir.write("vuota/QUA.INF", "Quaderlo\r\n\r\n");
        QVERIFY(CopiaArchivio::daOffrire(vuota, false, utente));
    }

    void anArchiveInAFolderThatCannotBeWrittenIsCopiedWithItsPassword()
    {
        ProgramFolder dir;
        archivio(dir);
        const QString exe = dir.file("exe"), utente = dir.file("home/Quaderlo");
        // What an earlier start left in the user's folder: an empty password, no classes.
        dir.write("home/Quaderlo/Qua.inf", "Quaderlo\r\n\r\n");
        Msg::queueAnswer(Msg::ResYes);
        QVERIFY(Avvio::preparaCartella(exe, false, utente));
        QCOMPARE(Msg::shown().size(), 1);
        const Msg::Shown domanda = Msg::shown().first();
        QVERIFY2(domanda.text.contains(QDir::toNativeSeparators(exe)) && domanda.text.contains("(precedente)")
                     && domanda.text.endsWith("Con No il programma termina.") && domanda.buttons == Msg::YesNo,
                 qPrintable(domanda.text));
        QCOMPARE(Paths::programFolder(), utente);
        for (const QString &f : kArchivio)
            QCOMPARE(dir.read("home/Quaderlo/" + f), dir.read("exe/" + f));
        QVERIFY(!dir.exists("home/Quaderlo/quaderlo"));
        QCOMPARE(dir.read("home/Quaderlo (precedente)/Qua.inf"), "Quaderlo\r\n\r\n");

        // The menu opens with the archive's own password asked.
        Form *menu = startProgram();
        QVERIFY(window("frmLogin") && window("frmLogin")->isVisible() && !menu->isEnabled());
        QVERIFY(CarQuad::PasswordUtente == "segreta" && CarQuad::TitoloQuadro1 == "Ingresso");
        // The next start works on the copy without asking again.
        QVERIFY(Avvio::preparaCartella(exe, false, utente));
        QCOMPARE(Msg::shown().size(), 1);
        QCOMPARE(Paths::programFolder(), utente);
    }

    void refusingOrFailingCopyEndsTheProgramBeforeTheMenu()
    {
        ProgramFolder dir;
        archivio(dir);
        const QString exe = dir.file("exe"), utente = dir.file("home/Quaderlo");
        // A copy that fails (a file where the user's folder should go) is reported.
        dir.write("home", "not a folder");
        Msg::queueAnswer(Msg::ResYes);
        Msg::queueAnswer(Msg::ResOk);
        QVERIFY(!Avvio::preparaCartella(exe, false, utente));
        QCOMPARE(Msg::shown().size(), 2);
        QVERIFY2(Msg::shown().last().text.startsWith("Impossibile copiare l'archivio"), qPrintable(Msg::shown().last().text));
        QCOMPARE(Msg::shown().last().icon, Msg::Critical);
        QCOMPARE(dir.read("home"), "not a folder");

        // No: nothing is copied and the menu never opens.
        QVERIFY(QFile::remove(dir.file("home")));
        Msg::queueAnswer(Msg::ResNo);
        QVERIFY(!Avvio::preparaCartella(exe, false, utente));
        QVERIFY(!QFileInfo::exists(utente));
        Avvio::termina();
        Form *menu = startProgram();
        QVERIFY(Forms::programEnded() && !menu->isVisible());
        QCOMPARE(Msg::shown().size(), 3);
    }

    void unreadableSettings()
    {
        // An unreadable Qua.inf is named and ends the program; the file stays.
        ProgramFolder dir;
        dir.write("Anno.dat", "2026/27\r\n");
        dir.write("Titoli.dat", "Ingresso\r\nObiettivi\r\nPrimo\r\nSecondo\r\n");
        dir.write("Qua.inf", "Maestra\r\nsegreta\r\n");
        Msg::queueAnswer(Msg::ResOk);
        {
            FileIlleggibili illeggibili(dir, {"Qua.inf"});
            startProgram();
        }
        QCOMPARE(Msg::shown().size(), 1);
        QVERIFY2(Msg::shown()[0].text.contains(QDir::toNativeSeparators(dir.file("Qua.inf"))), qPrintable(Msg::shown()[0].text));
        QCOMPARE(Msg::shown()[0].icon, Msg::Critical);
        QVERIFY(Forms::programEnded() && !Forms::isLoaded("frmSplash") && !Forms::isLoaded("frmLogin"));
        QCOMPARE(dir.read("Qua.inf"), "Maestra\r\nsegreta\r\n");

        // The others are left alone: the year is not asked again, the formats come out as defaults.
        ProgramFolder altra;
        altra.write("Anno.dat", "2026/27\r\n");
        altra.write("Titoli.dat", "Ingresso\r\nObiettivi\r\nPrimo\r\nSecondo\r\n");
        altra.write("Formati.dat", "Verdana\r\n 14 \r\n");
        {
            FileIlleggibili illeggibili(altra, {"Anno.dat", "Titoli.dat", "Formati.dat"});
            startProgram();
            QVERIFY(Msg::shown().isEmpty());
            QCOMPARE(FileFormati::leggiOCrea()[0].carattere, "Arial");
        }
        QCOMPARE(altra.read("Anno.dat"), "2026/27\r\n");
        QCOMPARE(altra.read("Titoli.dat"), "Ingresso\r\nObiettivi\r\nPrimo\r\nSecondo\r\n");
        QCOMPARE(altra.read("Formati.dat"), "Verdana\r\n 14 \r\n");
        // Only the missing Qua.inf was created.
        QCOMPARE(altra.read("Qua.inf"), "Quaderlo\r\n\r\n");
        QVERIFY(window("frmSplash")->isVisible());
    }
};

QUADERLO_TEST_MAIN(TestArchivioProtetto)
#include "tst_ArchivioProtetto.moc"
