#include "TestSupport.h"

#include "platform/Ansi.h"
#include "platform/Conv.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QFile>

class TestTextFile : public QObject
{
    Q_OBJECT
private slots:
    void ansiLineWriterAndNumbers()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(Ansi::encode(Ansi::decode(all)), all);
        QCOMPARE(Ansi::decode(QByteArray("\x80\xa7\xe0\xb0")), QString::fromUtf8("€§à°"));
        QString bad;
        QCOMPARE(Ansi::encode(QString::fromUtf8("aЖb😀cЖ"), &bad), QByteArray("a?b?c?"));
        QCOMPARE(bad, QString::fromUtf8("Ж😀"));
        LineWriter w;
        w.line(QString::fromUtf8("Finalità")).number(1).number(0).number(-7).line(QString());
        QCOMPARE(w.bytes(), QByteArray("Finalit\xe0\r\n 1 \r\n 0 \r\n-7 \r\n\r\n"));
        // Numbers: a half goes to the even neighbour.
        const std::pair<const char *, std::optional<qint16>> casi[] = {
            {"20.5", 20}, {"21,5", 22}, {" 007 ", 7}, {"-2.5", -2}, {"40000", {}}, {"dieci", {}}, {"", {}}};
        for (const auto &[testo, valore] : casi)
            QCOMPARE(Conv::toInt16(testo), valore);
        QCOMPARE(Conv::toSingle("190.5").value(), 190.5f);
    }

    void fieldReaderFollowsTheCommaRules()
    {
        const std::pair<QByteArray, QStringList> casi[] = {
            {"  Rossi Mario  \r\n 1 \r\na,b\r\n\"x, y\" junk,z\r\n\r\nlast", {"Rossi Mario", "1", "a", "b", "x, y", "z", "", "last"}},
            {"\"open, never closed\r\nnext", {"open, never closed\r\nnext"}},
            {"a,\r\nb", {"a", "", "b"}},
            {"", {}},
        };
        for (const auto &[bytes, campi] : casi) {
            FieldReader r(bytes);
            QString f;
            QStringList got;
            while (r.readField(&f))
                got << f;
            QCOMPARE(got, campi);
            // Reading past the end fails and yields nothing.
            QVERIFY(r.atEnd() && f.isEmpty());
        }
        FieldReader lines(QByteArray("uno, due\r\n\r\ntre"));
        QString f;
        QStringList got;
        while (lines.readLine(&f))
            got << f;
        QCOMPARE(got, (QStringList{"uno, due", "", "tre"}));
    }

    void writesAreAtomicFailuresReportedNamesWithoutCase()
    {
        ProgramFolder dir;
        const QString path = dir.file("a.dat");
        QString err;
        QVERIFY(TextFile::writeText(path, QString::fromUtf8("già\r\n"), &err));
        QCOMPARE(dir.read("a.dat"), QByteArray("gi\xe0\r\n"));
        // A character that cannot be stored: nothing is written, the old file stays.
        QVERIFY(!TextFile::writeText(path, QString::fromUtf8("Ж"), &err) && err.contains(QString::fromUtf8("Ж")));
        QCOMPARE(dir.read("a.dat"), QByteArray("gi\xe0\r\n"));
        // A folder that does not exist.
        QVERIFY(!TextFile::writeBytes(dir.file("missing/b.dat"), "x", &err) && !err.isEmpty());
        QVERIFY(!TextFile::readBytes(dir.file("none.dat")).has_value());
        // Names match without case.
        dir.write("3A/ALUNNI.3A", "x");
        dir.write("3A/Rossi.q1", "a");
        dir.write("3A/other.txt", "b");
        QCOMPARE(Paths::resolve(dir.file("3A"), "Alunni.3a"), dir.file("3A/ALUNNI.3A"));
        QCOMPARE(Paths::resolve(dir.file("3A"), "nuovo.dat"), dir.file("3A/nuovo.dat"));
        QVERIFY(Paths::matchingFiles(dir.file("3A"), "alunni.*").size() == 1 && Paths::removeMatching(dir.file("3A"), "*.Q1") == 1);
        QVERIFY(!dir.exists("3A/Rossi.q1") && dir.exists("3A/other.txt"));
        QVERIFY(!Paths::setCurrentFolder(dir.file("nowhere")) && Paths::setCurrentFolder(dir.file("3A")));
        QCOMPARE(Paths::inCurrent("alunni.3a"), dir.file("3A/ALUNNI.3A"));
    }

    void unsafeNamesAreRefused()
    {
        for (const char *bad : {"", " ", "a/b", "a\\b", "a:b", "a*", "a?", "\"q", "a<b", "a|b", "a,b", "fine.", "fine ",
                                " inizio", ".", "..", "CON", "com1", "Lpt9.txt", "tab\there", "ЖЖ"})
            QVERIFY2(!Paths::nameProblem(QString::fromUtf8(bad)).isEmpty(), bad);
        for (const char *good : {"3A", "Rossi Mario", "D'Angelo Niccolò", "5B tempo pieno", "Console"})
            QVERIFY2(Paths::nameProblem(QString::fromUtf8(good)).isEmpty(), good);
        // A pupil's name is the base of its files: a final dot is no harm there.
        for (const char *pupil : {"Rossi M.", "De Luca G.B.", "Rossi Mario"})
            QVERIFY2(Paths::fileNameProblem(QString::fromUtf8(pupil)).isEmpty(), pupil);
        QCOMPARE(Paths::nameProblem(QStringLiteral("Rossi M.")),
                 QStringLiteral("Il nome non può terminare con un punto o con uno spazio."));
        QCOMPARE(Paths::fileNameProblem(QStringLiteral("Rossi ")), QStringLiteral("Il nome non può terminare con uno spazio."));
        for (const char *bad : {"", ".", "..", "a,b", "a/b", " inizio", "nul", "fine "})
            QVERIFY2(!Paths::fileNameProblem(QString::fromUtf8(bad)).isEmpty(), bad);
    }
};

QUADERLO_TEST_MAIN(TestTextFile)
#include "tst_TextFile.moc"
