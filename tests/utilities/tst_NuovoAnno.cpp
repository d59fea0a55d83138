#include "UtilitaSupport.h"

#include "utilities/NuovoAnno.h"

using namespace UtilitaTest;

namespace {
// A program folder already in use: two classes with pupils and a merged file.
void archivio(const ProgramFolder &dir, const QByteArray &classi)
{
    impostazioni(dir);
    dir.write("Anno.dat", "2025/26\r\n");
    dir.write("Classi.dat", classi);
    dir.write("3A/ALUNNI.3A", "Rossi Mario\r\n 1 \r\n");
    dir.write("3A/Rossi Mario.q1", "Testo.\r\n");
    dir.write("3A/Rossi Mario.dat", "0 2 \r\n");
    dir.write(QString::fromUtf8("3A/3A_Finalità.txt"), "Rossi Mario\r\n\r\n");
    dir.write("4B/ALUNNI.4B", "Bianchi Anna\r\n 0 \r\n");
}

QString anno() { return control<QLabel>(window("frmSplash"), "lblAnnoScolastico")->text(); }

// Runs the operation with these answers queued; the reloaded menu's year question answered with year.
void nuovoAnno(std::initializer_list<Msg::Result> risposte = {Msg::ResYes, Msg::ResYes}, const QString &year = QStringLiteral("2026/27"))
{
    Msg::resetRecord();
    for (Msg::Result r : risposte)
        Msg::queueAnswer(r);
    if (!year.isNull())
        Msg::queueInput(year, !year.isEmpty());
    NuovoAnno();
}

// Nothing on disk changed and the menu was not reloaded.
void invariato(const ProgramFolder &dir, const QByteArray &classi, Form *menu)
{
    QVERIFY(dir.read("3A/Rossi Mario.q1") == "Testo.\r\n" && dir.exists("4B/ALUNNI.4B"));
    QVERIFY(dir.read("Classi.dat") == classi && dir.read("Anno.dat") == "2025/26\r\n");
    QCOMPARE(window(QStringLiteral("frmSplash")), menu);
}
} // namespace

class TestNuovoAnno : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { VERIFY_NO_UNANSWERED(); }

    void newYearFromTheUtilitiesWindowThenAgain()
    {
        ProgramFolder dir;
        QTemporaryDir drive; // an exported copy on another drive
        archivio(dir, "3A\r\n4B\r\n\r\n5C\r\n");
        dir.write("3A/.nascosto", "h");
        dir.write("5C/ALUNNI.5C", "Verdi Luca\r\n 1 \r\n");
        QVERIFY(QDir().mkpath(drive.path() + "/3A") && QFile::copy(dir.file("3A/ALUNNI.3A"), drive.path() + "/3A/ALUNNI.3A"));
        QFile::setPermissions(dir.file("4B/ALUNNI.4B"), QFileDevice::ReadOwner | QFileDevice::ReadOther);
        QPointer<Form> menu = startProgram();
        QPointer<frmUtilita> u = entra();
        clic(QStringLiteral("cmdImporta"));
        for (Msg::Result r : {Msg::ResYes, Msg::ResYes})
            Msg::queueAnswer(r);
        Msg::queueInput(QStringLiteral("2026/27"));
        clic(QStringLiteral("cmdNuovoAnno"));
        QCOMPARE(Msg::shown().size(), 3);
        QCOMPARE(Msg::shown()[0].text, QString::fromUtf8("Verranno cancellate dall'archivio le classi inserite e le relative cartelle "
                                                         "create sul disco fisso.\n\r Il programma verrà reinizializzato.\n\r "
                                                         "Vuoi continuare?"));
        QCOMPARE(Msg::shown()[1].text, QStringLiteral("Sei proprio sicuro ?"));
        QVERIFY(Msg::shown()[0].title == "Nuovo Anno" && Msg::shown()[1].title == "Conferma Nuovo anno");
        QVERIFY(Msg::shown()[0].defaultButton == Msg::ResNo && Msg::shown()[1].defaultButton == Msg::ResNo);
        // The menu was loaded afresh and asked the year again.
        QVERIFY(Msg::shown()[2].isInput);
        QTRY_VERIFY(menu.isNull() && u.isNull());
        QVERIFY(window(QStringLiteral("frmSplash"))->isVisible() && window(QStringLiteral("frmSplash"))->isEnabled());
        QVERIFY(anno() == QStringLiteral("Anno Scolastico 2026/27") && CarQuad::ModoImporta == 0);

        // Hidden and read-only files keep their folder; a class after the empty line stays.
        QCOMPARE(QDir(dir.file("3A")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{".nascosto"});
        QVERIFY(dir.exists("4B/ALUNNI.4B"));
        QCOMPARE(dir.read("5C/ALUNNI.5C"), QByteArray("Verdi Luca\r\n 1 \r\n"));
        QCOMPARE(dir.read("Classi.dat"), QByteArray("\r\n"));
        QCOMPARE(dir.read("Anno.dat"), QByteArray("2026/27\r\n"));
        QCOMPARE(dir.read("Titoli.dat"), ansi("Sit. Iniziale\r\nFinalità\r\nVal. 1° Q.\r\nVal. 2° Q.\r\n"));
        QVERIFY(QFile::exists(drive.path() + "/3A/ALUNNI.3A"));
        // The year before is in the day's copy.
        const QString copia = "Backup/" + QDate::currentDate().toString(Qt::ISODate);
        QCOMPARE(dir.read(copia + "/Classi.dat"), QByteArray("3A\r\n4B\r\n\r\n5C\r\n"));
        QCOMPARE(dir.read(copia + "/3A/Rossi Mario.q1"), QByteArray("Testo.\r\n"));

        // Without Classi.dat the run completes and writes it.
        QVERIFY(QFile::remove(dir.file("Classi.dat")));
        nuovoAnno();
        QCOMPARE(dir.read("Classi.dat"), QByteArray("\r\n"));
        QVERIFY(dir.exists("5C/ALUNNI.5C"));
    }

    void refusedOrStoppedRunsChangeNothing()
    {
        ProgramFolder dir;
        archivio(dir, "3A\r\n4B\r\n");
        QPointer<Form> menu = startProgram();
        for (const auto &risposte : {std::initializer_list<Msg::Result>{Msg::ResNo}, {Msg::ResYes, Msg::ResNo}}) {
            nuovoAnno(risposte, QString());
            QCOMPARE(Msg::shown().size(), int(risposte.size()));
            invariato(dir, "3A\r\n4B\r\n", menu);
        }

        // A program folder that cannot be written: no copy first (the teacher goes on), then the reason follows the message.
        {
            ReadOnlyFolder lock(dir.path());
            nuovoAnno({Msg::ResYes, Msg::ResYes, Msg::ResYes, Msg::ResOk}, QString());
        }
        QCOMPARE(Msg::shown().size(), 4);
        QVERIFY(Msg::shown()[2].text.startsWith(QStringLiteral("Impossibile fare la copia di sicurezza")) && Msg::shown()[2].buttons == Msg::YesNo);
        QVERIFY(Msg::shown()[3].text.startsWith(QStringLiteral("Impossibile eseguire l'operazione.\n\r ")) && Msg::shown()[3].text.size() > 40);
        invariato(dir, "3A\r\n4B\r\n", menu);

        // A listed class without files stops the run before anything is deleted.
        dir.write("Classi.dat", "3A\r\n5C\r\n4B\r\n");
        dir.mkdir("5C/sotto");
        nuovoAnno({Msg::ResYes, Msg::ResYes, Msg::ResOk}, QString());
        QCOMPARE(Msg::shown().size(), 3);
        ultimo(QStringLiteral("Impossibile eseguire l'operazione.\n\r Cancella da Archivi le classi e riprova"),
               QString::fromUtf8("Utilità"), Msg::Critical);
        invariato(dir, "3A\r\n5C\r\n4B\r\n", menu);
    }
};

QUADERLO_TEST_MAIN(TestNuovoAnno)
#include "tst_NuovoAnno.moc"
