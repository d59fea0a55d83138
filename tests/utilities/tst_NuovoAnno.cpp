#include "UtilitaSupport.h"

#include "archive/ElencoClassi.h"
#include "utilities/NuovoAnno.h"
#include "utilities/SvuotaArchivio.h"
#include "utilities/UnioneGiudizi.h"

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

QString anno()
{
    return window(QStringLiteral("frmSplash"))->findChild<QLabel *>(QStringLiteral("lblAnnoScolastico"))->text();
}

// Runs the operation with these answers queued; the reloaded menu's year question answered with year.
void nuovoAnno(std::initializer_list<Msg::Result> risposte = {Msg::ResYes, Msg::ResYes},
               const QString &year = QStringLiteral("2026/27"))
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
    QCOMPARE(dir.read("3A/Rossi Mario.q1"), QByteArray("Testo.\r\n"));
    QVERIFY(dir.exists("4B/ALUNNI.4B"));
    QCOMPARE(dir.read("Classi.dat"), classi);
    QCOMPARE(dir.read("Anno.dat"), QByteArray("2025/26\r\n"));
    QCOMPARE(window(QStringLiteral("frmSplash")), menu);
}
} // namespace

class TestNuovoAnno : public QObject
{
    Q_OBJECT
private slots:
    void init() { Msg::resetRecord(); }
    void cleanup() { VERIFY_NO_UNANSWERED(); }

    void theListAndThePlanComeBeforeAnyDeletion()
    {
        QCOMPARE(Archivio::classiElencate("3A\r\n4B\r\n\r\n5C\r\n"), (QStringList{"3A", "4B"}));
        QCOMPARE(Archivio::classiElencate("3A\r\n  4B  "), (QStringList{"3A", "4B"}));
        QCOMPARE(Archivio::classiElencate("\r\n3A\r\n"), QStringList());
        QCOMPARE(Archivio::classiElencate(""), QStringList());

        ProgramFolder dir;
        archivio(dir, "3A\r\n3a\r\n4B\r\n");
        SvuotaArchivio::Piano piano = SvuotaArchivio::prepara();
        QVERIFY(piano.classeSenzaFile.isEmpty());
        QCOMPARE(piano.cartelle, (QStringList{dir.file("3A"), dir.file("4B")}));
        dir.write("5C/.nascosto", "x");
        dir.write("Classi.dat", "3A\r\n5C\r\n4B\r\n");
        piano = SvuotaArchivio::prepara();
        QCOMPARE(piano.classeSenzaFile, QStringLiteral("5C"));
        QVERIFY(piano.cartelle.isEmpty());
    }

    // A class name never leads outside the program folder: not for the new year, not for a merge.
    void classNamesStayInsideTheProgramFolder()
    {
        ProgramFolder dir;
        QTemporaryDir outside;
        QFile keep(outside.path() + "/tieni.txt");
        QVERIFY(keep.open(QIODevice::WriteOnly) && keep.write("x") == 1);
        keep.close();
        QVERIFY(QFile::link(outside.path(), dir.file("collegamento")));
        const QStringList fuori{"..", ".", outside.path(), "C:\\3A", "3A/..", "../3A", "collegamento", "Anno.dat", "5C"};
        archivio(dir, (fuori.join(QLatin1String("\r\n")) + QStringLiteral("\r\n3A\r\n")).toUtf8());
        QCOMPARE(SvuotaArchivio::cartellaClasse("3a"), dir.file("3A"));
        for (const QString &bad : fuori) {
            QVERIFY2(SvuotaArchivio::cartellaClasse(bad).isEmpty(), qPrintable(bad));
            QVERIFY2(UnioneGiudizi::unisci(bad, QStringLiteral("q1"), QStringLiteral("_T")).esito
                         == UnioneGiudizi::Esito::ClasseMancante, qPrintable(bad));
        }
        QCOMPARE(QDir(outside.path()).entryList(QDir::Files), QStringList{"tieni.txt"});

        // The hand-edited list run: only the program's own class goes.
        startProgram();
        nuovoAnno();
        QCOMPARE(Msg::shown().size(), 3);
        QVERIFY(QFile::exists(outside.path() + "/tieni.txt"));
        QVERIFY(QFileInfo(dir.file("collegamento")).isSymLink());
        QVERIFY(dir.exists("4B/ALUNNI.4B") && !dir.exists("3A")); // 4B is not listed
        QVERIFY(dir.exists("Qua.inf"));
        QCOMPARE(dir.read("Anno.dat"), QByteArray("2026/27\r\n"));
        QCOMPARE(dir.read("Classi.dat"), QByteArray("\r\n"));
    }

    void newYearFromTheUtilitiesWindowThenAgain()
    {
        ProgramFolder dir;
        QTemporaryDir drive; // an exported copy on another drive
        archivio(dir, "3A\r\n4B\r\n\r\n5C\r\n");
        dir.write("3A/.nascosto", "h");
        dir.write("5C/ALUNNI.5C", "Verdi Luca\r\n 1 \r\n");
        QVERIFY(QDir().mkpath(drive.path() + "/3A"));
        QFile copy(drive.path() + "/3A/ALUNNI.3A");
        QVERIFY(copy.open(QIODevice::WriteOnly) && copy.write("Rossi Mario\r\n 1 \r\n") > 0);
        copy.close();
        QFile::setPermissions(dir.file("4B/ALUNNI.4B"), QFileDevice::ReadOwner | QFileDevice::ReadOther);
        QPointer<Form> menu = startProgram();
        QPointer<frmUtilita> u = entra();
        clic(QStringLiteral("cmdImporta"));
        Msg::queueAnswer(Msg::ResYes);
        Msg::queueAnswer(Msg::ResYes);
        Msg::queueInput(QStringLiteral("2026/27"));
        clic(QStringLiteral("cmdNuovoAnno"));
        QCOMPARE(Msg::shown().size(), 3);
        const Msg::Shown first = Msg::shown()[0];
        QCOMPARE(first.text, QString::fromUtf8("Verranno cancellate dall'archivio le classi inserite e le relative cartelle "
                                               "create sul disco fisso.\n\r Il programma verrà reinizializzato.\n\r "
                                               "Vuoi continuare?"));
        QCOMPARE(first.title, QStringLiteral("Nuovo Anno"));
        QCOMPARE(first.icon, Msg::Question);
        QCOMPARE(first.buttons, Msg::YesNo);
        QCOMPARE(first.defaultButton, Msg::ResNo);
        QCOMPARE(Msg::shown()[1].text, QStringLiteral("Sei proprio sicuro ?"));
        QCOMPARE(Msg::shown()[1].title, QStringLiteral("Conferma Nuovo anno"));
        QCOMPARE(Msg::shown()[1].defaultButton, Msg::ResNo);
        // The menu was loaded afresh and asked the year again.
        QVERIFY(Msg::shown()[2].isInput);
        QCOMPARE(Msg::shown()[2].text, QStringLiteral("Anno Scolastico ?"));
        QTRY_VERIFY(menu.isNull() && u.isNull());
        QVERIFY(window(QStringLiteral("frmSplash"))->isVisible() && window(QStringLiteral("frmSplash"))->isEnabled());
        QCOMPARE(anno(), QStringLiteral("Anno Scolastico 2026/27"));
        QCOMPARE(CarQuad::ModoImporta, 0);

        // Hidden and read-only files keep their folder; a class after the empty line stays.
        QCOMPARE(QDir(dir.file("3A")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{".nascosto"});
        QVERIFY(!dir.exists("3A/ALUNNI.3A") && !dir.exists("3A/3A_Finalità.txt"));
        QVERIFY(dir.exists("4B/ALUNNI.4B"));
        QCOMPARE(dir.read("5C/ALUNNI.5C"), QByteArray("Verdi Luca\r\n 1 \r\n"));
        QCOMPARE(dir.read("Classi.dat"), QByteArray("\r\n"));
        QCOMPARE(dir.read("Anno.dat"), QByteArray("2026/27\r\n"));
        QCOMPARE(dir.read("Titoli.dat"), ansi("Sit. Iniziale\r\nFinalità\r\nVal. 1° Q.\r\nVal. 2° Q.\r\n"));
        QVERIFY(QFile::exists(drive.path() + "/3A/ALUNNI.3A"));

        // Again: nothing is listed, nothing deleted, both files rewritten; the year question cancelled.
        nuovoAnno({Msg::ResYes, Msg::ResYes}, QLatin1String(""));
        QCOMPARE(Msg::shown().size(), 3);
        QCOMPARE(dir.read("Classi.dat"), QByteArray("\r\n"));
        QCOMPARE(dir.read("Anno.dat"), QByteArray("\r\n"));
        QCOMPARE(anno(), QStringLiteral("Anno Scolastico "));

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
        nuovoAnno({Msg::ResNo}, QString());
        QCOMPARE(Msg::shown().size(), 1);
        invariato(dir, "3A\r\n4B\r\n", menu);
        nuovoAnno({Msg::ResYes, Msg::ResNo}, QString());
        QCOMPARE(Msg::shown().size(), 2);
        invariato(dir, "3A\r\n4B\r\n", menu);

        // A program folder that cannot be written: the reason follows the message.
        {
            ReadOnlyFolder lock(dir.path());
            nuovoAnno({Msg::ResYes, Msg::ResYes, Msg::ResOk}, QString());
        }
        QCOMPARE(Msg::shown().size(), 3);
        QVERIFY(Msg::shown()[2].text.startsWith(QStringLiteral("Impossibile eseguire l'operazione.\n\r ")));
        QVERIFY(Msg::shown()[2].text.size() > 40);
        QCOMPARE(Msg::shown()[2].icon, Msg::Critical);
        invariato(dir, "3A\r\n4B\r\n", menu);

        // A listed class without files stops the run before anything is deleted.
        dir.write("Classi.dat", "3A\r\n5C\r\n4B\r\n");
        dir.mkdir("5C/sotto");
        nuovoAnno({Msg::ResYes, Msg::ResYes, Msg::ResOk}, QString());
        QCOMPARE(Msg::shown().size(), 3);
        ultimo(QStringLiteral("Impossibile eseguire l'operazione.\n\r Cancella da Archivi le classi e riprova"),
               QString::fromUtf8("Utilità"), Msg::Critical);
        QCOMPARE(Msg::shown()[2].buttons, Msg::Ok);
        invariato(dir, "3A\r\n5C\r\n4B\r\n", menu);
    }
};

QUADERLO_TEST_MAIN(TestNuovoAnno)
#include "tst_NuovoAnno.moc"
