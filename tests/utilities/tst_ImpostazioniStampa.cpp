#include "UtilitaSupport.h"

#include "composition/AssemblaTesto.h"
#include "composition/ListaFrasi.h"
#include "printing/LavoroStampa.h"
#include "printing/ConfigStampa.h"
#include "utilities/FrameImpostazioniStampa.h"

#include <QFontDatabase>
#include <QRadioButton>
#include <QRegularExpression>

using namespace CarQuad;

namespace {
const QByteArray kInstallato("Arial\r\n12\r\n190\r\n 1 \r\n40\r\n105\r\n170\r\n235\r\n 20 \r\n");

QByteArray installato(const QString &name)
{
    QFile f(QStringLiteral(QUADERLO_DATA_DIR "/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The record as one line: font, height, length, orientation, four top margins, left margin.
QString record()
{
    QStringList v{Carattere, AltezzaCarattere, LunghezzaRiga, Orientamento};
    for (int n = 1; n <= 4; ++n)
        v << MargineSuperiore(n);
    return (v << QString::number(MargineSinistro)).join(QLatin1Char('|'));
}

// The boxes of the frame as one line, in the record's order (orientation as 1 or 2).
QString caselle(QWidget *f)
{
    QStringList v{control<QComboBox>(f, QStringLiteral("cmbFont"))->currentText()};
    for (const char *n : {"txtSizeFont", "txtLunghezzaRiga"})
        v << control<QLineEdit>(f, QLatin1String(n))->text();
    v << (control<QRadioButton>(f, QStringLiteral("OptOrizzontale"))->isChecked() ? "1" : "2");
    for (const char *n : {"txtSup1", "txtSup2", "txtSup3", "txtSup4", "txtMargineSx"})
        v << control<QLineEdit>(f, QLatin1String(n))->text();
    return v.join(QLatin1Char('|'));
}

void mostra(FrameImpostazioniStampa &f)
{
    const char *t[] = {"Sit. Iniziale", "Finalità", "Val. 1° Q.", "Val. 2° Q."};
    for (int n = 1; n <= 4; ++n)
        TitoloQuadro(n) = QString::fromUtf8(t[n - 1]);
    f.show();
    f.riempi();
}
} // namespace

class TestImpostazioniStampa : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { VERIFY_NO_UNANSWERED(); }

    // The file read into the record, then shown in the frame's boxes; what the frame saves back.
    void readShownAndSaved_data()
    {
        QTest::addColumn<QByteArray>("cfg");
        QTest::addColumn<QString>("letto");
        QTest::addColumn<bool>("utilizzabile");
        QTest::addColumn<QString>("mostrato");
        QTest::addColumn<QByteArray>("salvato");
        QTest::newRow("installato") << installato(QStringLiteral("Quaderlo.cfg")) << "Arial|12|190|1|40|105|170|235|20" << true
                                    << "Arial|12|190|1|40|105|170|235|20" << kInstallato;
        // A later group overwrites the values; the comma of "11,5" ends a value and shifts the rest.
        QTest::newRow("due gruppi") << kInstallato + "Comic Sans MS\r\n11,5\r\n180.5\r\n 2 \r\n30\r\n 95 \r\n160\r\n225\r\n 15 \r\n"
                                    << "15|11|5|180.5|2|30|95|160|225" << false << QString() << QByteArray();
        QTest::newRow("altro orientamento") << QByteArray(kInstallato).replace(" 1 \r\n", "5\r\n")
                                            << "Arial|12|190|5|40|105|170|235|20" << false
                                            << "Arial|12|190|2|40|105|170|235|20"
                                            << QByteArray(kInstallato).replace(" 1 \r\n", " 2 \r\n");
        QTest::newRow("mancante") << QByteArray() << "||||||||0" << false << "|||2|||||" << QByteArray();
    }
    void readShownAndSaved()
    {
        QFETCH(QByteArray, cfg);
        ProgramFolder dir;
        Carattere = QStringLiteral("Arial"); // a record left from earlier must not survive a missing file
        MargineSinistro = 20;
        if (!cfg.isEmpty())
            dir.write("QUADERLO.CFG", cfg);
        QCOMPARE(ConfigStampa::leggi(), !cfg.isEmpty());
        QFETCH(QString, letto);
        QFETCH(bool, utilizzabile);
        QFETCH(QString, mostrato);
        QCOMPARE(record(), letto);
        QCOMPARE(ConfigStampa::utilizzabile(), utilizzabile);
        if (mostrato.isNull())
            return;
        FrameImpostazioniStampa f;
        mostra(f);
        QCOMPARE(caselle(&f), mostrato);
        QCOMPARE(bool(LavoroStampa::conConfigurazione(20)), utilizzabile);
        QFETCH(QByteArray, salvato);
        if (salvato.isEmpty()) {
            QVERIFY(!dir.exists("Quaderlo.cfg"));
            return;
        }
        clickAt(control<QPushButton>(&f, QStringLiteral("cmdOkCfg")));
        // The existing file is rewritten under its own name, byte for byte.
        QCOMPARE(dir.read("QUADERLO.CFG"), salvato);
        QVERIFY(!dir.exists("Quaderlo.cfg") && Msg::shown().isEmpty());
    }

    void frameFollowsTitlesFontsAndOrientationAndRefusesBadValues()
    {
        ProgramFolder dir;
        dir.write("Quaderlo.cfg", kInstallato);
        FrameImpostazioniStampa f;
        mostra(f);
        TitoloQuadro(3) = QStringLiteral("Terzo");
        f.riempi();
        QCOMPARE(control<QLabel>(&f, QStringLiteral("LblMargineSupQ3"))->text(), QStringLiteral("Margine superiore Terzo"));

        // Each focus fills the font list afresh; the typed name stays.
        auto *font = control<QComboBox>(&f, QStringLiteral("cmbFont"));
        UtilitaTest::fuoco(font);
        UtilitaTest::fuoco(font);
        const QStringList famiglie = QFontDatabase::families();
        QVERIFY(font->count() == QSet<QString>(famiglie.begin(), famiglie.end()).size() && font->currentText() == QStringLiteral("Arial"));

        // Typed values are saved as written, a margin as an integer (a half to the even neighbour).
        font->setCurrentText(QStringLiteral("Liberation Serif"));
        control<QLineEdit>(&f, QStringLiteral("txtSizeFont"))->setText(QStringLiteral("11.5"));
        control<QLineEdit>(&f, QStringLiteral("txtMargineSx"))->setText(QStringLiteral("007"));
        control<QLineEdit>(&f, QStringLiteral("txtSup2"))->setText(QStringLiteral("20.5"));
        clickOption(control<QRadioButton>(&f, QStringLiteral("OptVerticale")));
        clickAt(control<QPushButton>(&f, QStringLiteral("cmdOkCfg")));
        QCOMPARE(dir.read("Quaderlo.cfg"), QByteArray("Liberation Serif\r\n11.5\r\n190\r\n 2 \r\n40\r\n20.5\r\n170\r\n235\r\n 7 \r\n"));
        QVERIFY(MargineSinistro == 7 && LavoroStampa::margineSuperiore(2) == std::optional<qint16>(20));

        // A file that cannot be replaced: told, not taken for saved.
        QVERIFY(QFile::remove(dir.file("Quaderlo.cfg")));
        dir.mkdir("Quaderlo.cfg");
        Msg::queueAnswer(Msg::ResOk);
        QVERIFY(!f.cmdOkCfg_Click());
        QVERIFY(Msg::shown().last().text.startsWith(QStringLiteral("La configurazione non è stata salvata.\n\r")));
        QVERIFY(QDir(dir.file("Quaderlo.cfg")).removeRecursively());
        dir.write("Quaderlo.cfg", kInstallato);

        // Values that cannot be saved: told, nothing written, the record unchanged.
        const QString prima = record();
        const struct { const char *casella, *valore, *messaggio; } casi[] = {
            {"cmbFont", "Arial, grassetto", "\"Carattere\" non può contenere la virgola."}, {"cmbFont", "", "Scegli il carattere."},
            {"cmbFont", "\"Arial", "\"Carattere\" non può cominciare con le virgolette."},
            {"cmbFont", "Шрифт", "\"Carattere\" contiene caratteri non ammessi: Шрифт"},
            {"txtSizeFont", "dodici", "\"Altezza del carattere\" deve essere un numero."},
            {"txtSizeFont", "0", "\"Altezza del carattere\" deve essere un numero maggiore di zero."},
            {"txtLunghezzaRiga", "", "\"Lunghezza della riga di stampa\" deve essere un numero."},
            {"txtLunghezzaRiga", "190,5", "\"Lunghezza della riga di stampa\" non può contenere la virgola: scrivi 190.5 con il punto."},
            {"txtSizeFont", " 12,5", "\"Altezza del carattere\" non può contenere la virgola: scrivi 12.5 con il punto."},
            {"txtSup3", "1,2,3", "\"Margine superiore Terzo\" non può contenere la virgola."},
            {"txtMargineSx", "40000", "\"Margine sinistro\" deve essere un numero intero tra -32768 e 32767."},
            {"txtSup2", "alto", "\"Margine superiore Finalità\" deve essere un numero intero tra -32768 e 32767."},
        };
        for (const auto &c : casi) {
            auto *le = control<QLineEdit>(&f, QLatin1String(c.casella));
            const QString testo = le ? le->text() : font->currentText();
            le ? le->setText(QString::fromUtf8(c.valore)) : font->setCurrentText(QString::fromUtf8(c.valore));
            Msg::resetRecord();
            Msg::queueAnswer(Msg::ResOk);
            QVERIFY(!f.cmdOkCfg_Click());
            QCOMPARE(Msg::shown().first().text, QString::fromUtf8(c.messaggio));
            QVERIFY(Msg::shown().size() == 1 && Msg::beeps() == 1 && dir.read("Quaderlo.cfg") == kInstallato);
            le ? le->setText(testo) : font->setCurrentText(testo);
        }
        QCOMPARE(record(), prima);
    }

    // Whatever is ticked, the sample phrases join into sentences: a capital first, a full stop last.
    void installedPhrasesMakeSentencesWhateverIsTicked()
    {
        const QRegularExpression riga(QString::fromUtf8("^[A-ZÈ].*[^ .]\\.$"));
        const QRegularExpression errore(QString::fromUtf8("\\. +[^A-ZÈ]|  | [,.;:]|[§]|CognomeNome"));
        for (int n = 1; n <= 4; ++n) {
            const QByteArray bytes = installato(QStringLiteral("quadro%1.txt").arg(n));
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

QUADERLO_TEST_MAIN(TestImpostazioniStampa)
#include "tst_ImpostazioniStampa.moc"
