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
        QVERIFY(LineWriter().line(QString::fromUtf8("già")).save(path, &err));
        QCOMPARE(dir.read("a.dat"), QByteArray("gi\xe0\r\n"));
        // A character that cannot be stored: nothing is written, the old file stays.
        QVERIFY(!LineWriter().line(QString::fromUtf8("Ж")).save(path, &err) && err.contains(QString::fromUtf8("Ж")));
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
        QCOMPARE(Paths::matchingFiles(dir.file("3A"), "*.Q1"), QStringList{dir.file("3A/Rossi.q1")});
        QVERIFY(!Paths::setCurrentFolder(dir.file("nowhere")) && Paths::setCurrentFolder(dir.file("3A")));
        QCOMPARE(Paths::currentFolder(), dir.file("3A"));
    }
};

QUADERLO_TEST_MAIN(TestTextFile)
#include "tst_TextFile.moc"
