#include "UtilitaSupport.h"

#include "archive/Archivio.h"
#include "platform/Drives.h"
#include "platform/TextFile.h"
#include "utilities/EsportaImporta.h"
#include "utilities/ListaCartelle.h"

#include <QMap>
#include <QRegularExpression>
#include <algorithm>

using namespace UtilitaTest;

namespace {
const QString kFatto = QStringLiteral("Operazione eseguita.");
const QString kFallito = QStringLiteral("Impossibile eseguire l'operazione.");
QString usb; // the removable drive's folder

QString su(const QString &rel) { return usb + QLatin1Char('/') + rel; }

// A class folder as the program leaves it, with a hidden file and a subfolder that are not copied.
void classe(const QString &folder, const QString &nome)
{
    const QList<std::pair<QString, QByteArray>> files{
        {QStringLiteral("ALUNNI.") + nome, ansi("Bianchi Niccolò\r\n 1 \r\nRossi Anna\r\n 0 \r\n")},
        {QString::fromUtf8("Bianchi Niccolò.q1"), ansi("Si è inserito bene.\r\n")}, {QString::fromUtf8("Bianchi Niccolò.dat"), "0 3 \r\n\r\n"},
        {QStringLiteral("Rossi Anna.q2"), "Lavora con impegno.\r\n"}, {QStringLiteral(".nascosto"), "x"},
        {nome + QStringLiteral("_Sit. Iniziale.txt"), ansi("Bianchi Niccolò\r\nSi è inserito bene.\r\n\r\n")},
        {QStringLiteral("vecchi/Rossi Anna.q1"), "vecchio\r\n"}};
    for (const auto &[name, bytes] : files)
        QVERIFY(QDir().mkpath(QFileInfo(folder + '/' + name).path()) && TextFile::writeBytes(folder + '/' + name, bytes));
}

// The ordinary files of a folder, name and bytes; hidden folders count as a name each.
QMap<QString, QByteArray> contenuto(const QString &folder)
{
    QMap<QString, QByteArray> out;
    for (const QString &name : QDir(folder).entryList(QDir::Files))
        out.insert(name, TextFile::readBytes(folder + '/' + name).value_or("?"));
    for (const QString &name : QDir(folder).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot).filter(QStringLiteral(".")))
        out.insert(name, "<cartella nascosta>");
    return out;
}

ListaCartelle *partenza() { return control<ListaCartelle>(window(kUtilita), QStringLiteral("partenza")); }
QComboBox *lista(bool importa)
{
    return control<QComboBox>(window(kUtilita), importa ? QStringLiteral("DriveImporta") : QStringLiteral("drive"));
}

void scegliClasse(bool importa, const QString &classe)
{
    clic(importa ? QStringLiteral("cmdImporta") : QStringLiteral("cmdEsporta"));
    fuoco(lista(importa));
    const int row = partenza()->rowOf(classe);
    QVERIFY2(row >= 0, qPrintable(classe));
    clicVoce(partenza(), row);
}

void copia(bool importa, const QString &cls, std::initializer_list<Msg::Result> risposte = {Msg::ResOk})
{
    scegliClasse(importa, cls);
    clic(QStringLiteral("cmdEsportaImporta"), risposte);
}
} // namespace

class TestEsportaImporta : public QObject
{
    Q_OBJECT
    QTemporaryDir chiavetta;

private slots:
    void init()
    {
        usb = chiavetta.path();
        QVERIFY(QDir(usb).removeRecursively() && QDir().mkpath(usb));
        Drives::setForTests({{QStringLiteral("CHIAVETTA"), usb}});
    }
    void cleanup()
    {
        VERIFY_NO_UNANSWERED();
        Drives::setForTests({});
    }

    // What a copy does, decided before anything is touched.
    void thePlan()
    {
        ProgramFolder dir;
        dir.mkdir("3A");
        using A = EsportaImporta::Piano::Azione;
        const QString p = dir.path();
        const struct { QString origine, scelta, radice; A azione; QString classe, destinazione; } casi[] = {
            {su("Backup/5B"), "/5B", p, A::Crea, "5B", dir.file("5B")}, // from a subfolder: the separator goes
            {su("3A"), "3A", p, A::Sostituisci, "3A", dir.file("3A")},   // from a drive's root
            {su("3a"), "\\3a", p, A::Sostituisci, "3a", dir.file("3A")}, // the folder there, in any case
            {dir.file("3A"), "/3A", usb, A::Crea, "3A", su("3A")},       // an export
            {dir.file("3A"), "/3A", p, A::StessaCartella, "3A", ""},
            {su("3A, tempo pieno"), "/3A, tempo pieno", p, A::NomeRifiutato, "3A, tempo pieno", ""},
            {su("fine."), "/fine.", p, A::NomeRifiutato, "fine.", ""},
        };
        for (const auto &c : casi) {
            const EsportaImporta::Piano piano = EsportaImporta::pianifica(c.origine, c.scelta, c.radice);
            QVERIFY2(piano.azione == c.azione && piano.classe == c.classe, qPrintable(c.scelta));
            QCOMPARE(piano.destinazione, c.destinazione);
            QCOMPARE(piano.problema, Archivio::problemaClasse(c.classe));
        }
        QCOMPARE(EsportaImporta::classeScelta(QStringLiteral("/media/usb"), QStringLiteral("/media/usb/3A")), QStringLiteral("/3A"));
        QCOMPARE(EsportaImporta::classeScelta(QStringLiteral("E:/"), QStringLiteral("E:/3A")), QStringLiteral("3A"));
    }

    void replacingAsksFirstAndKeepsFilesOutsideTheSixPatterns()
    {
        ProgramFolder dir;
        dir.write("Classi.dat", "1A\r\n3a\r\n");
        for (const char *f : {"ALUNNI.3A", "Verdi Luca.q1", "Verdi Luca.dat", "3A_Finalità.txt", "Rossi Anna.q2"})
            dir.write(QStringLiteral("3A/") + QString::fromUtf8(f), "unione\r\n");
        classe(su("3A"), QStringLiteral("3A"));
        classe(su("4B"), QStringLiteral("4B"));
        const auto prima = contenuto(dir.file("3A"));
        QVERIFY(apri(dir));

        // No: nothing changes on disk.
        copia(true, QStringLiteral("3A"), {Msg::ResNo});
        ultimo(QString::fromUtf8("Se la cartella '3A' è già presente sarà sostituita.\n\rVuoi continuare?"),
               QStringLiteral("Attenzione"), Msg::Question);
        QVERIFY(Msg::shown().last().buttons == Msg::YesNo && Msg::shown().last().defaultButton == Msg::ResNo);
        QCOMPARE(contenuto(dir.file("3A")), prima);

        // Yes: the pupils' files are replaced, the merged files stay; listed in another case, not listed twice.
        copia(true, QStringLiteral("3A"), {Msg::ResYes, Msg::ResOk});
        QCOMPARE(Msg::shown().last().text, kFatto);
        auto atteso = contenuto(su("3A"));
        atteso.insert(QString::fromUtf8("3A_Finalità.txt"), "unione\r\n");
        QCOMPARE(contenuto(dir.file("3A")), atteso);
        QCOMPARE(dir.read("Classi.dat"), QByteArray("1A\r\n3a\r\n"));
        // The archive before the import is in the day's copy.
        QCOMPARE(dir.read("Backup/" + QDate::currentDate().toString(Qt::ISODate) + "/3A/Verdi Luca.q1"), QByteArray("unione\r\n"));

        // A folder left on disk by a deleted class: the import lists the class again.
        dir.write("4B/4B_Finalità.txt", "unione\r\n");
        copia(true, QStringLiteral("4B"), {Msg::ResYes, Msg::ResOk});
        QCOMPARE(dir.read("Classi.dat"), QByteArray("1A\r\n3a\r\n4B\r\n"));
    }

    // Which controls show at each step, the lists offered, mouse and keyboard.
    void stepsListsAndKeys()
    {
        ProgramFolder dir;
        dir.write("Classi.dat", "4b\r\n3A\r\n5C\r\n");
        classe(dir.file("3A"), QStringLiteral("3A"));
        dir.mkdir("4B");
        dir.mkdir("Guida");
        classe(su("Backup/5B"), QStringLiteral("5B"));
        QVERIFY(QDir().mkpath(su("Backup/4A")) && QDir().mkpath(su("Altro")) && QFile::link("..", su("Backup/su")));
        QVERIFY(apri(dir));

        // Export: the listed classes that have a folder, as named on disk; a class folder does not open.
        clic(QStringLiteral("cmdEsporta"));
        QVERIFY(chooseInCombo(lista(false), QStringLiteral("CHIAVETTA")));
        QCOMPARE(partenza()->names(), QStringList({"3A", "4B"}));
        clicVoce(partenza(), 0, true);
        QVERIFY(partenza()->path() == dir.path() && partenza()->names() == QStringList({"3A", "4B"}));
        // Exported: the ordinary files travel, neither hidden files nor subfolders; the list stays.
        clic(QStringLiteral("cmdEsportaImporta"), {Msg::ResOk});
        ultimo(kFatto, QStringLiteral("Fatto"), Msg::Information);
        QVERIFY(contenuto(su("3A")) == contenuto(dir.file("3A")) && !QFileInfo::exists(su("3A/vecchi")));

        // Import: the drive's folders, never the way above it; a double click opens a folder.
        clic(QStringLiteral("cmdImporta"));
        QVERIFY(chooseInCombo(lista(true), QStringLiteral("CHIAVETTA")));
        QCOMPARE(partenza()->names(), QStringList({"3A", "Altro", "Backup"}));
        clicVoce(partenza(), partenza()->rowOf(QStringLiteral("Backup")));
        clicVoce(partenza(), partenza()->rowOf(QStringLiteral("Backup")), true);
        QCOMPARE(partenza()->names(), QStringList({"4A", "5B", "su"}));
        // Opening asks for the class again.
        QVERIFY(!pulsante(QStringLiteral("cmdEsportaImporta"))->isVisible() && CarQuad::ClasseScelta.isEmpty());
        // A link leading up does not open.
        clicVoce(partenza(), partenza()->rowOf(QStringLiteral("su")), true);
        QCOMPARE(partenza()->path(), su("Backup"));
        // The drive already shown, chosen again, lists its folders again.
        QVERIFY(chooseInCombo(lista(true), QStringLiteral("CHIAVETTA")));
        QCOMPARE(partenza()->path(), usb);

        // The keyboard: arrows choose, Enter opens.
        partenza()->setCurrentRow(1);
        QTest::keyClick(partenza(), Qt::Key_Down);
        QCOMPARE(CarQuad::ClasseScelta, QStringLiteral("/Backup"));
        QTest::keyClick(partenza(), Qt::Key_Return);
        QCOMPARE(partenza()->path(), su("Backup"));
        partenza()->setCurrentRow(0);
        QTest::keyClick(partenza(), Qt::Key_Down);
        QCOMPARE(CarQuad::CartellaOrigine, su("Backup/5B"));
        clic(QStringLiteral("cmdEsportaImporta"), {Msg::ResOk});
        QCOMPARE(Msg::shown().last().text, kFatto);
        QCOMPARE(contenuto(dir.file("5B")), contenuto(su("Backup/5B")));
        QCOMPARE(dir.read("Classi.dat"), QByteArray("4b\r\n3A\r\n5C\r\n5B\r\n"));

        // A drive that is not there: told, the folder list does not show.
        Drives::setForTests({{QStringLiteral("VUOTA"), su("manca")}});
        clic(QStringLiteral("cmdImporta"));
        Msg::queueAnswer(Msg::ResOk);
        fuoco(lista(true));
        QCOMPARE(Msg::shown().last().text, QString::fromUtf8("L'unità scelta non è pronta."));
        QVERIFY(!partenza()->isVisible());
    }

    void refusedAndFailedCopiesLeaveNoTrace()
    {
        ProgramFolder dir;
        dir.write("Classi.dat", "1A\r\n5C\r\n");
        dir.write("3A/ALUNNI.3A", "Verdi Luca\r\n 1 \r\n");
        dir.write("3A/Verdi Luca.q1", "vecchio\r\n");
        classe(su("3A"), QStringLiteral("3A"));
        classe(su("4B"), QStringLiteral("4B"));
        QDir().mkpath(su("3A, tempo pieno"));
        QVERIFY(apri(dir));
        const auto prima = contenuto(dir.file("3A"));

        copia(true, QStringLiteral("3A, tempo pieno"));
        QCOMPARE(Msg::shown().last().text, QStringLiteral("La cartella scelta non può essere una classe.\n\r")
                                               + Archivio::problemaClasse(QStringLiteral("3A, tempo pieno")));
        QVERIFY(!dir.exists("3A, tempo pieno"));

        // The drive taken away after the class was chosen: no folder is left behind.
        scegliClasse(true, QStringLiteral("4B"));
        QVERIFY(QDir(su("4B")).removeRecursively());
        clic(QStringLiteral("cmdEsportaImporta"), {Msg::ResOk});
        ultimo(kFallito, QString::fromUtf8("Utilità"), Msg::Critical);
        QVERIFY(!dir.exists("4B") && dir.read("Classi.dat") == "1A\r\n5C\r\n");

        // The class's own folder as the source of its import: nothing is deleted.
        Drives::setForTests({{QStringLiteral("PROGRAMMA"), dir.path()}});
        copia(true, QStringLiteral("3A"));
        QCOMPARE(Msg::shown().last().text, QStringLiteral("La cartella di partenza e quella di arrivo coincidono."));
        QCOMPARE(contenuto(dir.file("3A")), prima);

        // Classi.dat that cannot be rewritten: the copy is kept, the failure is told, no success.
        Drives::setForTests({{QStringLiteral("CHIAVETTA"), usb}});
        QFile::remove(dir.file("Classi.dat"));
        dir.mkdir("Classi.dat");
        const int prime = Msg::shown().size();
        copia(true, QStringLiteral("3A"), {Msg::ResYes, Msg::ResOk});
        QVERIFY(Msg::shown().size() == prime + 2 && Msg::shown().last().text.startsWith(QStringLiteral("La classe è stata copiata")));
    }

    void drivesAndTheCopyCore()
    {
        Drives::setForTests({});
        const QList<Drives::Drive> drives = Drives::list();
        QVERIFY(!drives.isEmpty());
        bool fisse = false;
        for (const Drives::Drive &d : drives) {
            QVERIFY2(QFileInfo(d.root).isDir() && !d.name.isEmpty(), qPrintable(d.root));
            const bool rimovibile = d.root.contains(QRegularExpression(QStringLiteral("^((/run)?/media|/mnt)/")));
            QVERIFY2(!(rimovibile && fisse), qPrintable(d.root)); // no removable medium after a fixed volume
            fisse = fisse || !rimovibile;
        }
        if (QDir::homePath() != QLatin1String("/") && QFileInfo(QDir::homePath()).isDir())
            QVERIFY(std::any_of(drives.begin(), drives.end(), [](const Drives::Drive &d) { return d.root == QDir::homePath(); }));

        // Ordinary files copied whole; one of the same name in another case is replaced, not doubled.
        QTemporaryDir a, b;
        classe(a.path(), QStringLiteral("3A"));
        QVERIFY(QFile::copy(a.path() + QStringLiteral("/Rossi Anna.q2"), b.path() + QStringLiteral("/alunni.3a")));
        const auto esito = EsportaImporta::copiaCartella(a.path(), b.path(), {QStringLiteral("nessuno.*")});
        QVERIFY(esito.ok && esito.copiati == 5 && contenuto(b.path()).size() == 5);
        QCOMPARE(contenuto(b.path()).value(QStringLiteral("alunni.3a")), contenuto(a.path()).value(QStringLiteral("ALUNNI.3A")));
        QVERIFY(!EsportaImporta::copiaCartella(a.path() + "/manca", b.path()).ok && !EsportaImporta::copiaCartella(a.path(), b.path() + "/manca").ok);
    }
};

QUADERLO_TEST_MAIN(TestEsportaImporta)
#include "tst_EsportaImporta.moc"
