#include "Archivi.h"

#include "platform/TextFile.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {
const QByteArray kDuePupilli("Bianchi Anna\r\n 0 \r\nRossi Mario\r\n 1 \r\n");

// Read-only for the test, and still reachable by the ordinary user the test then acts as.
void raggiungibile(const QString &folder)
{
    QFile::setPermissions(folder, QFile::permissions(folder) | QFileDevice::ReadGroup | QFileDevice::ExeGroup
                                      | QFileDevice::ReadOther | QFileDevice::ExeOther);
}

// Acts as an ordinary user for its lifetime when the tests run as root.
struct UtenteComune {
    bool cambiato = ::geteuid() == 0 && ::seteuid(65534) == 0;
    ~UtenteComune()
    {
        if (cambiato && ::seteuid(0) != 0)
            qFatal("cannot act as root again");
    }
};

} // namespace

class TestArchiviSicuri : public QObject
{
    Q_OBJECT
private slots:
    void deletingNeverLeavesTheProgramFolder()
    {
        QTemporaryDir outside;
        for (const char *f : {"ALUNNI.x", "keep.dat", "keep.q1"})
            TextFile::writeBytes(outside.filePath(f), "");
        ProgramFolder dir;
        dir.write("Anno.dat", "2026/27\r\n");
        dir.write("ALUNNI.x", "x");
        dir.write("sub/inner/ALUNNI.inner", "x");
        dir.write("sub/inner/a.q1", "x");
        QVERIFY(QFile::link(outside.path(), dir.file("link")));
        const QString up = QStringLiteral("../") + QFileInfo(outside.path()).fileName();
        const QStringList hand{up, outside.path(), QStringLiteral(".."), QStringLiteral("."), QStringLiteral("link"),
                               QStringLiteral("sub/inner")};
        dir.write("Classi.dat", hand.join(QStringLiteral("\r\n")).toLocal8Bit() + "\r\n");
        Archivi a;
        QVERIFY(a.apri());
        QCOMPARE(a.classi->count(), hand.size());
        for (const QString &classe : hand) {
            rispondi({Msg::ResYes, Msg::ResYes});
            QVERIFY2(a.scegli(a.classi, classe), qPrintable(classe));
            QVERIFY(a.classi->items().indexOf(classe) < 0);
        }
        QCOMPARE(dir.read("Classi.dat"), QByteArray());
        QCOMPARE(contenuto(outside.path()), (QStringList{"ALUNNI.x", "keep.dat", "keep.q1"}));
        QCOMPARE(contenuto(dir.path()), (QStringList{"ALUNNI.x", "Anno.dat", "Classi.dat", "link/", "sub/"}));
        QCOMPARE(contenuto(dir.file("sub/inner")), (QStringList{"ALUNNI.inner", "a.q1"}));
        VERIFY_NO_UNANSWERED();
    }

    void failedWritesAreReportedAndNothingIsLost()
    {
        ProgramFolder dir;
        dir.write("Classi.dat", "3A\r\n");
        scriviClasse(dir, "3A", kDuePupilli);
        for (const char *ext : {".q1", ".q2", ".dat"})
            dir.write(QStringLiteral("3A/Rossi Mario") + QLatin1String(ext), "x");
        scriviClasse(dir, "5C", "\r\n\r\n"); // on disk, not listed
        raggiungibile(dir.path());
        Archivi a;
        QVERIFY(a.apri());
        a.apriClasse("3A");
        const QStringList file3A{"ALUNNI.3A", "Rossi Mario.dat", "Rossi Mario.q1", "Rossi Mario.q2"};
        {
            ReadOnlyFolder ro(dir.file("3A"));
            if (TextFile::writeBytes(dir.file("3A/prova.tmp"), "x"))
                QSKIP("this system lets the test write into a read-only folder");
            // The pupil list cannot be rewritten: neither adding nor deleting changes anything.
            QCOMPARE(mostrato([&] { a.aggiungi("Verdi Luca", true); }), errore("Impossibile scrivere il file ALUNNI.3A."));
            QCOMPARE(a.alunni->text(), QStringLiteral("Verdi Luca"));
            Msg::queueAnswer(Msg::ResYes);
            QCOMPARE(mostrato([&] { a.scegli(a.alunni, "Rossi Mario"); }), errore("Impossibile scrivere il file ALUNNI.3A."));
            QCOMPARE(a.alunni->items(), (QStringList{"Bianchi Anna", "Rossi Mario"}));
            QVERIFY(dir.read("3A/ALUNNI.3A") == kDuePupilli && contenuto(dir.file("3A")) == file3A);
        }
        raggiungibile(dir.file("3A"));
        ReadOnlyFolder ro(dir.path());
        // The program folder read-only: no new class folder; a folder on disk is not listed.
        QCOMPARE(mostrato([&] { a.scrivi(a.classi, "4B"); }), errore("Impossibile creare la cartella 4B."));
        QCOMPARE(a.classi->text(), QStringLiteral("4B"));
        QCOMPARE(mostrato([&] { a.scrivi(a.classi, "5C"); }), errore("Impossibile scrivere il file Classi.dat."));
        QVERIFY(dir.exists("5C/ALUNNI.5C"));
        // Deleting: Classi.dat cannot be rewritten, so the class and its files stay.
        rispondi({Msg::ResYes, Msg::ResYes});
        QCOMPARE(mostrato([&] { a.scegli(a.classi, "3A"); }), errore("Impossibile scrivere il file Classi.dat."));
        QCOMPARE(a.classi->items(), QStringList{"3A"});
        QVERIFY(dir.read("Classi.dat") == "3A\r\n" && contenuto(dir.file("3A")) == file3A);
        QCOMPARE(contenuto(dir.path()), (QStringList{"3A/", "5C/", "Classi.dat"}));
        VERIFY_NO_UNANSWERED();
    }

    void aClassThatCannotBeListedLeavesNothingBehind()
    {
        ProgramFolder dir;
        dir.write("Classi.dat", "3A\r\n");
        scriviClasse(dir, "3A", "\r\n\r\n");
        Archivi a;
        QVERIFY(a.apri());
        // Anyone may add to the program folder, but nobody else may replace Classi.dat there.
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 01777), 0);
        UtenteComune utente;
        if (TextFile::writeBytes(dir.file("Classi.dat"), "3A\r\n"))
            QSKIP("this system lets the test replace the file");
        QCOMPARE(mostrato([&] { a.scrivi(a.classi, "4B"); }), errore("Impossibile scrivere il file Classi.dat."));
        QVERIFY(a.classi->items() == QStringList{"3A"} && dir.read("Classi.dat") == "3A\r\n");
        QCOMPARE(contenuto(dir.path()), (QStringList{"3A/", "Classi.dat"}));
        VERIFY_NO_UNANSWERED();
    }

    void anUnreadableClassListIsNeverReplaced()
    {
        ProgramFolder dir;
        dir.write("Classi.dat", "3A\r\n4B\r\n");
        QFile::setPermissions(dir.file("Classi.dat"), QFileDevice::WriteOwner);
        raggiungibile(dir.path());
        ReadOnlyFolder ro(dir.file("."));
        if (QFile probe(dir.file("Classi.dat")); probe.open(QIODevice::ReadOnly))
            QSKIP("this system lets the test read an unreadable file");
        Archivi a;
        Msg::queueAnswer(Msg::ResOk);
        QVERIFY(a.apri());
        QCOMPARE(ultimoMessaggio(), errore("Impossibile leggere il file Classi.dat."));
        QCOMPARE(mostrato([&] { a.scrivi(a.classi, "5C"); }), errore("Impossibile leggere il file Classi.dat."));
        QCOMPARE(a.classi->count(), 0);
        QCOMPARE(contenuto(dir.path()), QStringList{"Classi.dat"});
        VERIFY_NO_UNANSWERED();
    }
};

QUADERLO_TEST_MAIN(TestArchiviSicuri)
#include "tst_ArchiviSicuri.moc"
