#include <QFile>
#include <QRegularExpression>
#include "TestSupport.h"

#include "app/CarQuad.h"
#include "composition/AssemblaTesto.h"
#include "composition/ListaFrasi.h"
#include "utilities/ConfigStampa.h"

using namespace CarQuad;

class TestConfigStampa : public QObject
{
    Q_OBJECT
private slots:
    void readsGroupsOfNineAndWritesThemBack()
    {
        ProgramFolder dir;
        const QByteArray primo("Arial\r\n12\r\n190\r\n 1 \r\n40\r\n105\r\n170\r\n235\r\n 20 \r\n");
        const QByteArray secondo("Comic Sans MS\r\n11,5\r\n180.5\r\n 2 \r\n30\r\n 95 \r\n160\r\n225\r\n 15 \r\n");
        dir.write("QUADERLO.CFG", primo + secondo);
        QVERIFY(ConfigStampa::leggi());
        // A later group overwrites the values again; the comma of "11,5" ends a value and shifts
        // the rest by one, so the value after the last line starts a third group.
        QCOMPARE(Carattere, QStringLiteral("15"));
        QCOMPARE(AltezzaCarattere, QStringLiteral("11"));
        QCOMPARE(LunghezzaRiga, QStringLiteral("5"));
        QCOMPARE(Orientamento, QStringLiteral("180.5"));
        QCOMPARE(MargineSuperiore1, QStringLiteral("2"));
        QCOMPARE(MargineSuperiore4, QStringLiteral("160"));
        QCOMPARE(MargineSinistro, qint16(225));
        QVERIFY(!ConfigStampa::utilizzabile());

        dir.write("QUADERLO.CFG", primo);
        QVERIFY(ConfigStampa::leggi());
        QVERIFY(ConfigStampa::utilizzabile());
        QVERIFY(ConfigStampa::scrivi());
        // The existing file is rewritten under its own name, byte for byte.
        QCOMPARE(dir.read("QUADERLO.CFG"), primo);
        QVERIFY(!dir.exists("Quaderlo.cfg"));
    }

    void missingFileLeavesNoConfiguration()
    {
        ProgramFolder dir;
        Carattere = QStringLiteral("Arial");
        Orientamento = QStringLiteral("1");
        MargineSinistro = 20;
        QVERIFY(!ConfigStampa::leggi());
        QVERIFY(Carattere.isEmpty() && Orientamento.isEmpty());
        QCOMPARE(MargineSinistro, qint16(0));
        QVERIFY(!ConfigStampa::utilizzabile());
    }

    void installedConfigurationIsUsable()
    {
        ProgramFolder dir;
        QFile installed(QStringLiteral(QUADERLO_DATA_DIR "/Quaderlo.cfg"));
        QVERIFY(installed.open(QIODevice::ReadOnly));
        dir.write("Quaderlo.cfg", installed.readAll());
        QVERIFY(ConfigStampa::leggi());
        QVERIFY(ConfigStampa::utilizzabile());
        QCOMPARE(Carattere, QStringLiteral("Arial"));
        QCOMPARE(AltezzaCarattere, QStringLiteral("12"));
        QCOMPARE(LunghezzaRiga, QStringLiteral("190"));
        QCOMPARE(MargineSinistro, qint16(20));
    }

    // Whatever is ticked, the sample phrases join into sentences: each line begins with a capital
    // letter and ends with a full stop, and every full stop is followed by a new sentence.
    void installedPhrasesMakeSentencesWhateverIsTicked()
    {
        const QRegularExpression riga(QString::fromUtf8("^[A-ZÈ].*[^ .]\\.$"));
        const QRegularExpression errore(QString::fromUtf8("\\. +[^A-ZÈ]|  | [,.;:]|[§]|CognomeNome"));
        for (int n = 1; n <= 4; ++n) {
            QFile file(QStringLiteral(QUADERLO_DATA_DIR "/quadro%1.txt").arg(n));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QVERIFY(bytes.endsWith("\r\n") && !bytes.contains("\r\n\r\n") && bytes.count('\n') == bytes.count("\r\n"));
            for (int sesso : {0, 1}) {
                const QStringList voci = ListaFrasi::voci(bytes, {false, QStringLiteral("Rossi Anna"), sesso});
                QVERIFY(voci.size() >= 10 && voci.size() <= 14);
                for (int scelta = 1; scelta < (1 << voci.size()); ++scelta) {
                    QList<int> spuntate;
                    for (int i = 0; i < voci.size(); ++i)
                        if (scelta & (1 << i))
                            spuntate << i;
                    const QString testo = AssemblaTesto::assembla(voci, spuntate).testo;
                    const QString dove = QStringLiteral("quadro%1.txt, %2: %3").arg(n).arg(scelta).arg(testo);
                    QVERIFY2(!errore.match(testo).hasMatch(), qPrintable(dove));
                    for (const QString &r : testo.split(QStringLiteral("\r\n")))
                        QVERIFY2(riga.match(r).hasMatch(), qPrintable(dove));
                }
            }
        }
    }
};

QUADERLO_TEST_MAIN(TestConfigStampa)
#include "tst_ConfigStampa.moc"
