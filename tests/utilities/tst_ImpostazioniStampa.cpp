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
QByteArray installato(const QString &name) { return readFile(QStringLiteral(QUADERLO_DATA_DIR "/") + name); }

// The record as one line: font, height, length, orientation, four top margins, left margin.
QString record()
{
    QStringList v{Carattere, AltezzaCarattere, LunghezzaRiga, Orientamento};
    for (int n = 1; n <= 4; ++n)
        v << MargineSuperiore(n);
    return (v << QString::number(MargineSinistro)).join(QLatin1Char('|'));
}

template <class T = QLineEdit> T *c(QWidget *f, const char *name) { return control<T>(f, QLatin1String(name)); }

// The boxes of the frame as one line, in the record's order (orientation as 1 or 2).
QString caselle(QWidget *f)
{
    QStringList v{c<QComboBox>(f, "cmbFont")->currentText(), c(f, "txtSizeFont")->text(), c(f, "txtLunghezzaRiga")->text(),
                  c<QRadioButton>(f, "OptOrizzontale")->isChecked() ? "1" : "2"};
    for (const char *n : {"txtSup1", "txtSup2", "txtSup3", "txtSup4", "txtMargineSx"})
        v << c(f, n)->text();
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

    // One value changed in good settings: the first value at fault is named, in the frame's order.
    void valuesThatCannotBeSaved()
    {
        using C = ConfigStampa::Campo;
        const QStringList titoli{"Sit. Iniziale", QString::fromUtf8("Finalità"), "Terzo", QString()};
        const struct { C campo; const char *valore, *messaggio; } righe[] = {
            {C::MargineSinistro, "-7.5", ""},
            {C::Carattere, "Arial, grassetto", "\"Carattere\" non può contenere la virgola."},
            {C::Carattere, " ", "Scegli il carattere."},
            {C::Carattere, "Arial\nBold", "\"Carattere\" non può andare a capo."},
            {C::Carattere, "\"Arial", "\"Carattere\" non può cominciare con le virgolette."},
            {C::Carattere, "Шрифт", "\"Carattere\" contiene caratteri non ammessi: Шрифт"},
            {C::AltezzaCarattere, "dodici", "\"Altezza del carattere\" deve essere un numero."},
            {C::AltezzaCarattere, "0", "\"Altezza del carattere\" deve essere un numero maggiore di zero."},
            {C::AltezzaCarattere, " 12,5", "\"Altezza del carattere\" non può contenere la virgola: scrivi 12.5 con il punto."},
            {C::AltezzaCarattere, "12\r\n", "\"Altezza del carattere\" non può andare a capo."},
            {C::LunghezzaRiga, "", "\"Lunghezza della riga di stampa\" deve essere un numero."},
            {C::MargineSinistro, "40000", "\"Margine sinistro\" deve essere un numero intero tra -32768 e 32767."},
            {C::MargineSuperiore2, "alto", "\"Margine superiore Finalità\" deve essere un numero intero tra -32768 e 32767."},
            {C::MargineSuperiore3, "1,2,3", "\"Margine superiore Terzo\" non può contenere la virgola."},
            {C::MargineSuperiore4, "", "\"Margine superiore\" deve essere un numero intero tra -32768 e 32767."},
        };
        for (const auto &r : righe) {
            ConfigStampa::Valori v{"Arial", "12", "190", "20", {"40", "105", "170", "235"}};
            QString *const campi[] = {nullptr, &v.carattere, &v.altezzaCarattere, &v.lunghezzaRiga, &v.margineSinistro,
                                      &v.margineSuperiore[0], &v.margineSuperiore[1], &v.margineSuperiore[2], &v.margineSuperiore[3]};
            *campi[int(r.campo)] = QString::fromUtf8(r.valore);
            const ConfigStampa::Problema p = ConfigStampa::controlla(v, titoli);
            QCOMPARE(p.messaggio, QString::fromUtf8(r.messaggio));
            QCOMPARE(p.campo, *r.messaggio ? r.campo : C::Nessuno);
            v.margineSuperiore[3] += QStringLiteral("x"); // a later box at fault too: the first is still named
            QCOMPARE(ConfigStampa::controlla(v, titoli).campo, *r.messaggio ? r.campo : C::MargineSuperiore4);
        }
    }

    // The file read into the record (a later group overwriting it, a comma ending a value), shown in the
    // frame's boxes and saved back; the orientation of the print job it gives, 0 for none.
    void readShownAndSaved()
    {
        const QByteArray cfg = printConfig(), tutto = "Arial|12|190|1|40|105|170|235|20";
        const struct { QByteArray file; QString letto; bool utilizzabile; int stampa; QString mostrato; QByteArray salvato; } righe[] = {
            {installato(QStringLiteral("Quaderlo.cfg")), tutto, true, 1, tutto, cfg},
            {printConfig(2), "Arial|12|190|2|40|105|170|235|20", true, 2, "Arial|12|190|2|40|105|170|235|20", printConfig(2)},
            {cfg + "Comic Sans MS\r\n11,5\r\n180.5\r\n 2 \r\n30\r\n 95 \r\n160\r\n225\r\n 15 \r\n", "15|11|5|180.5|2|30|95|160|225", false, 0, {}, {}},
            {QByteArray(cfg).replace(" 1 \r\n", "5\r\n"), "Arial|12|190|5|40|105|170|235|20", false, 0, "Arial|12|190|2|40|105|170|235|20", printConfig(2)},
            {QByteArray(cfg).replace("\r\n12\r\n", "\r\n0\r\n"), "Arial|0|190|1|40|105|170|235|20", true, 0, {}, {}},
            {QByteArray(cfg).replace("Arial\r\n", "\r\n"), "|12|190|1|40|105|170|235|20", false, 0, {}, {}},
            {{}, "||||||||0", false, 0, "|||2|||||", "<missing>"},
        };
        for (const auto &r : righe) {
            ProgramFolder dir;
            Carattere = QStringLiteral("Arial"); // a record left from earlier must not survive a missing file
            MargineSinistro = 20;
            if (!r.file.isEmpty())
                dir.write("QUADERLO.CFG", r.file);
            QCOMPARE(ConfigStampa::leggi(), !r.file.isEmpty());
            QCOMPARE(record(), r.letto);
            QCOMPARE(ConfigStampa::utilizzabile(), r.utilizzabile);
            const auto lavoro = LavoroStampa::conConfigurazione(20);
            QCOMPARE(lavoro ? lavoro->orientamento : 0, r.stampa);
            if (r.mostrato.isNull())
                continue;
            FrameImpostazioniStampa f;
            mostra(f);
            QCOMPARE(caselle(&f), r.mostrato);
            QCOMPARE(c<QLabel>(&f, "Image2")->isVisible(), r.mostrato.contains(QStringLiteral("|2|")));
            if (!r.file.isEmpty())
                clickAt(c<QPushButton>(&f, "cmdOkCfg"));
            // The existing file is rewritten under its own name, byte for byte; none is made.
            QCOMPARE(dir.read("QUADERLO.CFG"), r.salvato);
            QVERIFY(!dir.exists("Quaderlo.cfg") && Msg::shown().isEmpty());
        }
    }

    void frameFollowsTitlesAndFontsSavesAsTypedOrTellsWhyNot()
    {
        ProgramFolder dir;
        dir.write("Quaderlo.cfg", printConfig());
        FrameImpostazioniStampa f;
        mostra(f);
        TitoloQuadro(3) = QStringLiteral("Terzo");
        f.riempi();
        QCOMPARE(c<QLabel>(&f, "LblMargineSupQ3")->text(), QStringLiteral("Margine superiore Terzo"));

        // Each focus fills the font list afresh; the typed name stays.
        auto *font = c<QComboBox>(&f, "cmbFont");
        UtilitaTest::fuoco(font);
        UtilitaTest::fuoco(font);
        const QStringList famiglie = QFontDatabase::families();
        QVERIFY(font->count() == QSet<QString>(famiglie.begin(), famiglie.end()).size() && font->currentText() == QStringLiteral("Arial"));

        // Typed values are saved as written, a margin as an integer (a half to the even neighbour).
        font->setCurrentText(QStringLiteral("Liberation Serif"));
        c(&f, "txtSizeFont")->setText(QStringLiteral("11.5"));
        c(&f, "txtMargineSx")->setText(QStringLiteral("007"));
        c(&f, "txtSup2")->setText(QStringLiteral("20.5"));
        clickOption(c<QRadioButton>(&f, "OptVerticale"));
        clickAt(c<QPushButton>(&f, "cmdOkCfg"));
        const QByteArray salvato("Liberation Serif\r\n11.5\r\n190\r\n 2 \r\n40\r\n20.5\r\n170\r\n235\r\n 7 \r\n");
        QCOMPARE(dir.read("Quaderlo.cfg"), salvato);
        QVERIFY(MargineSinistro == 7 && LavoroStampa::margineSuperiore(2) == std::optional<qint16>(20));

        // A value that cannot be saved: told, its box takes the focus, nothing written, the record unchanged.
        const QString prima = record();
        c(&f, "txtSup3")->setText(QStringLiteral("1,2,3"));
        Msg::queueAnswer(Msg::ResOk);
        clickAt(c<QPushButton>(&f, "cmdOkCfg"));
        QCOMPARE(Msg::shown().last().text, QStringLiteral("\"Margine superiore Terzo\" non può contenere la virgola."));
        QVERIFY(f.focusWidget() == c(&f, "txtSup3") && Msg::beeps() == 1);
        QVERIFY(dir.read("Quaderlo.cfg") == salvato && record() == prima);

        // A file that cannot be replaced: told, not taken for saved.
        c(&f, "txtSup3")->setText(QStringLiteral("170"));
        QVERIFY(QFile::remove(dir.file("Quaderlo.cfg")));
        dir.mkdir("Quaderlo.cfg");
        Msg::queueAnswer(Msg::ResOk);
        clickAt(c<QPushButton>(&f, "cmdOkCfg"));
        QVERIFY(Msg::shown().size() == 2 && Msg::shown().last().text.startsWith(QStringLiteral("La configurazione non è stata salvata.\n\r")));
        QVERIFY(QFileInfo(dir.file("Quaderlo.cfg")).isDir());
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
