#include "TestSupport.h"

#include "composition/FileGiudizio.h"
#include "composition/Selezione.h"
#include "composition/TestoQuadro.h"

#include <QDir>

class TestFileGiudizio : public QObject
{
    Q_OBJECT
private slots:
    void selectionLines()
    {
        QCOMPARE(Selezione::riga({0, 3, 12}), QStringLiteral("0 3 12 "));
        QCOMPARE(Selezione::riga({}), QString());
        QCOMPARE(Selezione::daTicchettare(QStringLiteral("0 3 12 "), 13), (QList<int>{0, 3, 12}));
        // Out of range, negative and non-numeric tokens are skipped; text after the last blank is ignored.
        QCOMPARE(Selezione::daTicchettare(QStringLiteral("0 3 12 "), 5), (QList<int>{0, 3}));
        QCOMPARE(Selezione::daTicchettare(QStringLiteral("a 2 x5 -1 4"), 10), (QList<int>{2}));
        QCOMPARE(Selezione::daTicchettare(QStringLiteral(" 1  2 "), 10), (QList<int>{1, 2}));
        // A pupil's record followed by the preselection: an index in both comes twice.
        QCOMPARE(Selezione::daTicchettare(QStringLiteral("0 2 ") + QStringLiteral("2 "), 3), (QList<int>{0, 2, 2}));
        QVERIFY(Selezione::daTicchettare(QString(), 10).isEmpty());
    }

    void selectionFileReadAndWritten()
    {
        ProgramFolder dir;
        // A short file fills what it has; the other lines keep their values.
        dir.write("corto.dat", "7 \r\n");
        Selezione::Righe s{QString(), QStringLiteral("1 "), QStringLiteral("2 "), QStringLiteral("3 ")};
        QVERIFY(Selezione::leggiIn(dir.file("corto.dat"), s));
        QCOMPARE(s, (Selezione::Righe{QStringLiteral("7 "), QStringLiteral("1 "), QStringLiteral("2 "), QStringLiteral("3 ")}));
        QVERIFY(!Selezione::leggiIn(dir.file("manca.dat"), s));
        QVERIFY(Selezione::scrivi(dir.file("nuovo.dat"), Selezione::Righe{}));
        QCOMPARE(dir.read("nuovo.dat"), QByteArray("\r\n\r\n\r\n\r\n"));
    }

    void sectionTextKeepsItsBytesThroughTheBox()
    {
        // Writing adds one CR LF; loading drops exactly that one.
        QCOMPARE(TestoQuadro::perFile(QStringLiteral("a\nb")), QByteArray("a\r\nb\r\n"));
        QCOMPARE(TestoQuadro::perCasella("a\r\nb\r\n"), QStringLiteral("a\nb"));
        QCOMPARE(TestoQuadro::perCasella("a\r\n\r\n"), QStringLiteral("a\n"));
        QCOMPARE(TestoQuadro::perCasella("\r\n"), QString());
        QCOMPARE(TestoQuadro::perCasella("senza fine riga"), QStringLiteral("senza fine riga"));
        const QList<QByteArray> files{"\r\n", "uno\r\n", "uno\r\n\r\ndue \r\n", "\xe8\xa0\x80\r\n\r\n"};
        for (const QByteArray &b : files)
            QCOMPARE(TestoQuadro::perFile(TestoQuadro::perCasella(b)), b);
        QCOMPARE(TestoQuadro::conCrLf(QStringLiteral("a\nb")), QStringLiteral("a\r\nb"));
    }

    void pupilFilesStayInTheirClassFolder()
    {
        ProgramFolder dir;
        dir.mkdir("3A");
        dir.write("3A/rossi mario.Q1", "x\r\n");
        const QString cartella = FileGiudizio::cartellaClasse(QStringLiteral("3a"));
        QCOMPARE(QDir(cartella).dirName(), QStringLiteral("3A"));
        QCOMPARE(QFileInfo(FileGiudizio::percorso(cartella, QStringLiteral("Rossi Mario"), QStringLiteral(".q1"))).fileName(),
                 QStringLiteral("rossi mario.Q1"));
        for (const char *bad : {"..", ".", "../x", "a/b", "a\\b", ""}) {
            QVERIFY2(!FileGiudizio::nomeUtilizzabile(QString::fromUtf8(bad)), bad);
            QVERIFY(FileGiudizio::percorso(cartella, QString::fromUtf8(bad), QString()).isEmpty());
        }
        QVERIFY(FileGiudizio::cartellaClasse(QStringLiteral("..")).isEmpty());
        QVERIFY(FileGiudizio::nomeUtilizzabile(QStringLiteral("D'Amico Zoë M.")));
        QCOMPARE(QFileInfo(FileGiudizio::preselezione()).fileName(), QStringLiteral("presele.dat"));
        dir.write("PRESELE.DAT", "1 \r\n");
        QCOMPARE(QFileInfo(FileGiudizio::preselezione()).fileName(), QStringLiteral("PRESELE.DAT"));
    }
};

QUADERLO_TEST_MAIN(TestFileGiudizio)
#include "tst_FileGiudizio.moc"
