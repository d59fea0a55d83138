#include "TestSupport.h"

#include "menu/Avvio.h"
#include "app/CarQuad.h"
#include "archive/CopiaArchivio.h"
#include "platform/Form.h"
#include "platform/Msg.h"
#include "platform/Paths.h"
#include "printing/FileFormati.h"

#include <QDir>
#include <QFile>
#include <QMap>

namespace {
const QStringList kArchivio = {"Qua.inf",      "Anno.dat",          "Titoli.dat",  "Classi.dat",
                               "3A/ALUNNI.3A", "3A/Rossi Mario.q1", "Dizionario.txt"};

// A portable copy's folder exe holding a teacher's archive with a password.
void archivio(const ProgramFolder &dir)
{
    dir.writeSettings("Maestra\r\nsegreta\r\n", "exe/");
    dir.write("exe/Titoli.dat", "Ingresso\r\nObiettivi\r\nPrimo\r\nSecondo\r\n");
    dir.writeArchive({{"3A", {{"Rossi Mario", 1}}}}, "exe/");
    dir.write("exe/3A/Rossi Mario.q1", ansi("Ottimo inizio d'anno, è già più sicuro.\r\n"));
    dir.write("exe/Dizionario.txt", "Mariarosa\n");
    dir.write("exe/quaderlo", "the executable");
}
} // namespace

class TestArchivioProtetto : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { VERIFY_NO_UNANSWERED(); }

    void anArchiveInAFolderThatCannotBeWrittenIsCopiedWithItsPassword()
    {
        ProgramFolder dir;
        archivio(dir);
        const QString exe = dir.file("exe"), utente = dir.file("home/Quaderlo"), vuota = dir.file("vuota");
        // Offered only for an archive (Qua.inf alone is one, in any case) in a folder that cannot be written.
        dir.write("vuota/Quaderlo.cfg", "Arial\r\n");
        QVERIFY(CopiaArchivio::daOffrire(exe, false, utente) && !CopiaArchivio::daOffrire(exe, true, utente));
        QVERIFY(!CopiaArchivio::daOffrire(vuota, false, utente));
        dir.write("vuota/QUA.INF", "Quaderlo\r\n\r\n");
        QVERIFY(CopiaArchivio::daOffrire(vuota, false, utente));
        // What an earlier start left in the user's folder: an empty password, no classes.
        dir.write("home/Quaderlo/Qua.inf", "Quaderlo\r\n\r\n");
        Msg::queueAnswer(Msg::ResYes);
        QVERIFY(Avvio::preparaCartella(exe, false, utente));
        const Msg::Shown domanda = Msg::shown().first();
        QVERIFY2(Msg::shown().size() == 1 && domanda.text.contains(QDir::toNativeSeparators(exe)) && domanda.text.contains("(precedente)")
                     && domanda.text.endsWith("Con No il programma termina."), qPrintable(domanda.text));
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
        QVERIFY2(Msg::shown().size() == 2 && Msg::shown().last().text.startsWith("Impossibile copiare l'archivio"),
                 qPrintable(Msg::shown().last().text));
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
        dir.writeSettings("Maestra\r\nsegreta\r\n");
        Msg::queueAnswer(Msg::ResOk);
        {
            ReadOnlyFolder illeggibili(dir.path(), {"Qua.inf"});
            startProgram();
        }
        QVERIFY2(Msg::shown().size() == 1 && Msg::shown()[0].text.contains(QDir::toNativeSeparators(dir.file("Qua.inf"))),
                 qPrintable(Msg::shown()[0].text));
        QVERIFY(Forms::programEnded() && !Forms::isLoaded("frmSplash") && !Forms::isLoaded("frmLogin"));
        QCOMPARE(dir.read("Qua.inf"), "Maestra\r\nsegreta\r\n");

        // The others are left alone: the year is not asked again, the formats come out as defaults.
        ProgramFolder altra;
        const QMap<QString, QByteArray> file{
            {"Anno.dat", "2026/27\r\n"}, {"Titoli.dat", "Ingresso\r\nObiettivi\r\nPrimo\r\nSecondo\r\n"}, {"Formati.dat", "Verdana\r\n 14 \r\n"}};
        for (auto it = file.begin(); it != file.end(); ++it)
            altra.write(it.key(), it.value());
        {
            ReadOnlyFolder illeggibili(altra.path(), file.keys());
            startProgram();
            QVERIFY(Msg::shown().isEmpty() && FileFormati::leggiOCrea()[0].carattere == "Arial");
        }
        for (auto it = file.begin(); it != file.end(); ++it)
            QCOMPARE(altra.read(it.key()), it.value());
        // Only the missing Qua.inf was created.
        QCOMPARE(altra.read("Qua.inf"), "Quaderlo\r\n\r\n");
        QVERIFY(window("frmSplash")->isVisible());
    }
};

QUADERLO_TEST_MAIN(TestArchivioProtetto)
#include "tst_ArchivioProtetto.moc"
