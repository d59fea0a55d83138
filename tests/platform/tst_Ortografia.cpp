#include "TestSupport.h"

#include "app/ImpostazioniQuaderlo.h"
#include "platform/Ortografia.h"

#include <QFile>

class TestOrtografia : public QObject
{
    Q_OBJECT
private slots:
    void paroleDelTesto_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QStringList>("parole");
        QTest::newRow("elisioni") << "L'alunna, dell’anno: po'" << QStringList{"L'alunna", "dell’anno", "po"};
        QTest::newRow("cifre e trattini") << "3a classe, bravo-bene 2024" << QStringList{"classe", "bravo", "bene"};
        QTest::newRow("accenti") << "È perché\r\ncioè" << QStringList{"È", "perché", "cioè"};
    }
    void paroleDelTesto()
    {
        QFETCH(QString, testo);
        QFETCH(QStringList, parole);
        QStringList trovate;
        for (const Ortografia::Tratto &t : Ortografia::parole(testo))
            trovate << testo.mid(t.inizio, t.lunghezza);
        QCOMPARE(trovate, parole);
    }

    // The system's Italian dictionary, with suggestions; words the teacher ignores or adds.
    void dizionarioItaliano()
    {
        ProgramFolder dir;
        Ortografia o;
        QVERIFY2(o.disponibile(), "the Italian dictionary (hunspell-it) is not installed");
        const struct {
            const char *parola;
            bool corretta;
        } casi[] = {{"scuola", true}, {"scuolla", false}, {"perché", true}, {"perchè", false}, {"l'alunno", true},
                    {"dell’anno", true}, {"Attenta", true}, {"Zorzettig", false}, {"dell'Ilda", true}};
        for (const auto &c : casi)
            QVERIFY2(o.corretta(QString::fromUtf8(c.parola)) == c.corretta, c.parola);
        QCOMPARE(o.suggerimenti("perchè"), QStringList{"perché"});
        const QStringList s = o.suggerimenti("scuolla");
        QVERIFY(s.size() == 5 && s.first() == "scuola");
        QVERIFY(o.suggerimenti("scuola").isEmpty());

        o.impostaNote({"Zorzettig"});
        QVERIFY(o.corretta("zorzettig") && o.corretta("dell'Zorzettig") && !o.impostaNote({"Zorzettig"}));
        o.ignora("scuolla");
        QVERIFY(o.corretta("Scuolla"));
        o.azzeraSessione();
        QVERIFY(!o.corretta("scuolla") && !o.corretta("Zorzettig"));

        // Added words go to the teacher's file, one a line, after what it held.
        dir.write("Dizionario.txt", "Kocani");
        o.usaDizionarioPersonale(dir.file("Dizionario.txt"));
        QVERIFY(o.corretta("Kocani") && o.aggiungi("Zorzettig") && o.aggiungi("àbbaco") && o.aggiungi("zorzettig"));
        QCOMPARE(dir.read("Dizionario.txt"), "Kocani\nZorzettig\n\xc3\xa0" "bbaco\n");
        Ortografia letto;
        letto.usaDizionarioPersonale(dir.file("Dizionario.txt"));
        QVERIFY(letto.corretta("Zorzettig") && letto.corretta("àbbaco") && !letto.corretta("scuolla"));
        {
            ReadOnlyFolder ro(dir.path());
            QString errore;
            QVERIFY(!o.aggiungi("Sbarazzinissimo", &errore) && !errore.isEmpty());
        }
        QVERIFY(!o.corretta("Sbarazzinissimo") && !dir.read("Dizionario.txt").contains("Sbarazz"));
    }

    // Without a dictionary nothing is underlined and nothing suggested; it.aff/it.dic are found too.
    void senzaDizionario()
    {
        ProgramFolder dir;
        QCOMPARE(Ortografia::trovaDizionario({dir.path()}), QString());
        Ortografia nessuno(Ortografia::trovaDizionario({dir.path()}));
        QVERIFY(!nessuno.disponibile() && nessuno.corretta("scuolla") && nessuno.suggerimenti("scuolla").isEmpty());
        const QString sistema = Ortografia::trovaDizionario();
        QVERIFY(QFile::copy(sistema, dir.file("it.aff")));
        QCOMPARE(Ortografia::trovaDizionario({dir.path()}), QString()); // .dic missing
        QVERIFY(QFile::copy(sistema.chopped(4) + ".dic", dir.file("it.dic")));
        QCOMPARE(Ortografia::trovaDizionario({"/nessuna", dir.path()}), dir.file("it.aff"));
        // A dictionary named by DICPATH comes before the system's.
        qputenv("DICPATH", QFile::encodeName("/nessuna:" + dir.path()));
        QCOMPARE(Ortografia::trovaDizionario(), dir.file("it.aff"));
        qunsetenv("DICPATH");
        QVERIFY(!Ortografia(dir.file("it.aff")).corretta("scuolla"));
    }

    // Quaderlo's own settings file: the spell check on by default, the choice kept in Quaderlo.ini.
    void impostazioni()
    {
        ProgramFolder dir;
        QVERIFY(ImpostazioniQuaderlo::controlloOrtografico() && !dir.exists("Quaderlo.ini"));
        QVERIFY(ImpostazioniQuaderlo::impostaControlloOrtografico(false));
        QCOMPARE(dir.read("Quaderlo.ini"), "[Ortografia]\nControllo=false\n");
        QVERIFY(!ImpostazioniQuaderlo::controlloOrtografico());
        ReadOnlyFolder ro(dir.path());
        QString errore;
        QVERIFY(!ImpostazioniQuaderlo::imposta("Altro/Valore", 1, &errore) && errore.contains("Quaderlo.ini"));
    }
};

QUADERLO_TEST_MAIN(TestOrtografia)
#include "tst_Ortografia.moc"
