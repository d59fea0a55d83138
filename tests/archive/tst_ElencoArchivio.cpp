#include "TestSupport.h"

#include "archive/CartellaClasse.h"
#include "archive/ConfrontoNomi.h"
#include "archive/ElencoAlunni.h"
#include "archive/ElencoClassi.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFile>

using namespace Archivio;

class TestElencoArchivio : public QObject
{
    Q_OBJECT
private slots:
    void classAndPupilLists()
    {
        ProgramFolder dir;
        QCOMPARE(leggiClassi().stato, StatoFile::Mancante);
        // The class list stops at the first empty value; whether a class exists is decided on every line,
        // without regard to case.
        dir.write("Classi.dat", "3A\r\n\r\n3B\r\n");
        const ElencoClassi elenco = leggiClassi();
        QCOMPARE(elenco.classi, QStringList{"3A"});
        QCOMPARE(classeEsistente(elenco, "3b"), QStringLiteral("3B"));
        QCOMPARE(classeEsistente(elenco, "3C"), QString());
        QVERIFY(scriviClassi({"1A", QString::fromUtf8("5ª B")}));
        QCOMPARE(dir.read("Classi.dat"), ansi("1A\r\n5ª B\r\n"));
        // The file is found whatever the case of its name.
        QFile::rename(dir.file("Classi.dat"), dir.file("CLASSI.DAT"));
        QCOMPARE(leggiClassi().classi, (QStringList{"1A", QString::fromUtf8("5ª B")}));
        QVERIFY(scriviClassi({}));
        QVERIFY(dir.read("CLASSI.DAT").isEmpty() && !dir.exists("Classi.dat"));

        // Pupils: name and gender code; the list ends at the first empty name; a code that is not a number counts as 0.
        const QString path = dir.file("3A/ALUNNI.3A");
        dir.mkdir("3A");
        QVERIFY(scriviAlunni(path, {{"Bianchi Anna", 0}, {"Rossi Mario", 1}}));
        QCOMPARE(dir.read("3A/ALUNNI.3A"), QByteArray("Bianchi Anna\r\n 0 \r\nRossi Mario\r\n 1 \r\n"));
        QCOMPARE(leggiAlunni(path).alunni, (QList<Alunno>{{"Bianchi Anna", 0}, {"Rossi Mario", 1}}));
        dir.write("3A/ALUNNI.3A", ansi("Niccolò Verdi\r\n 1 \r\nNeri Ada\r\nx\r\n\r\n 1 \r\nDopo\r\n 1 \r\n"));
        QCOMPARE(leggiAlunni(path).alunni, (QList<Alunno>{{QString::fromUtf8("Niccolò Verdi"), 1}, {"Neri Ada", 0}}));
        QCOMPARE(leggiAlunni(dir.file("3A/none")).stato, StatoFile::Mancante);
        dir.mkdir("3A/ALUNNI.dir");
        QCOMPARE(leggiAlunni(dir.file("3A/ALUNNI.dir")).stato, StatoFile::Illeggibile);
    }

    void namesSortAndMatchWithoutCase()
    {
        // A fixed order without regard to case or accents, never "equal" for different spellings.
        const char *ordine[][2] = {{"bianchi", "Rossi"}, {"Rossi Mario", "Rossini Anna"}, {"Èrica", "Franco"}, {"3A", "3a"}};
        for (const auto &c : ordine)
            QVERIFY2(confrontaNomi(QString::fromUtf8(c[0]), QString::fromUtf8(c[1])) < 0
                         && confrontaNomi(QString::fromUtf8(c[1]), QString::fromUtf8(c[0])) > 0, c[0]);
        QVERIFY(stessoNome(QString::fromUtf8("NICOLÒ"), QString::fromUtf8("nicolò")));
        QVERIFY(trovaNome({"1A", "3B"}, "3b") == 1 && trovaNome({"1A", "3B"}, "3") == -1);
    }

    void classFoldersStayInsideTheProgramFolder()
    {
        ProgramFolder dir;
        dir.mkdir("3A");
        QCOMPARE(cartellaClasse("3a"), dir.file("3A"));
        QCOMPARE(cartellaClasse("4C"), dir.file("4C"));
        QCOMPARE(fileAlunni("3a"), dir.file("3A/ALUNNI.3a"));
        dir.write("3A/Alunni.3a", "");
        QCOMPARE(fileAlunni("3A"), dir.file("3A/Alunni.3a"));
        for (const char *bad : {"", ".", "..", "../x", "a/b", "a\\b", "/tmp"})
            QVERIFY2(cartellaClasse(bad).isEmpty(), bad);
        QVERIFY(cartellaInterna(dir.file("3A")));
        QVERIFY(!cartellaInterna(dir.file("4C")));
        QVERIFY(!cartellaInterna(QFileInfo(dir.path()).absolutePath()));
        QVERIFY(QFile::link(QDir::tempPath(), dir.file("link")));
        QVERIFY(!cartellaInterna(dir.file("link")));
        // A pupil name that climbs out of its folder deletes nothing.
        dir.write("sub/x.dat", "x");
        QVERIFY(eliminaFileAlunno(dir.file("3A"), "../sub/x").isEmpty());
        QVERIFY(dir.exists("sub/x.dat"));
    }
};

QUADERLO_TEST_MAIN(TestElencoArchivio)
#include "tst_ElencoArchivio.moc"
