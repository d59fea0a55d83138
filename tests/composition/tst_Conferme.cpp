#include "CompilaSupport.h"

#include "composition/Conferme.h"

using namespace Compila;

namespace {
const QStringList kVoci = {QString::fromUtf8("1=Rossi Mario si è mostrato attento"), QStringLiteral("2=, partecipe"),
                           QStringLiteral("3<=Ha lavorato con impegno "), QStringLiteral("4=e con costanza.")};
const QString kDue = QString::fromUtf8("Rossi Mario si è mostrato attento, partecipe");
const QString kCorretto = kDue + QString::fromUtf8(" Ottimo inizio d'anno, è già più sicuro.");

Conferme::Salvato salvato(const QString &testo, const QString &scelta)
{
    return Conferme::Salvato{true, testo, scelta};
}

QString ultimaDomanda()
{
    return Msg::shown().isEmpty() ? QString() : Msg::shown().last().text;
}
} // namespace

class TestConferme : public QObject
{
    Q_OBJECT
private slots:
    void init() { Msg::resetRecord(); }
    void cleanup() { VERIFY_NO_UNANSWERED(); }

    void storedTextAgainstItsTicks()
    {
        struct Caso {
            const char *nome;
            Conferme::Salvato salvato;
            QString nuovo;
            bool corretto;
            bool chiedi;
        };
        const QList<Caso> casi = {
            {"no file", Conferme::Salvato{}, kDue, false, false},
            {"as assembled", salvato(kDue, "0 1 "), QStringLiteral("x"), false, false},
            {"as assembled, line ends after it", salvato(kDue + "\n\n", "0 1 "), QStringLiteral("x"), false, false},
            {"line break as assembled", salvato(QStringLiteral("x\nHa lavorato con impegno"), "2 "), QString(), true, true},
            {"corrected by hand", salvato(kCorretto, "0 1 "), kDue, true, true},
            {"corrected, the same text again", salvato(kCorretto, "0 1 "), kCorretto + "\n", true, false},
            {"text without ticks", salvato(QStringLiteral("Scritto a mano"), QString()), kDue, true, true},
            {"emptied by hand", salvato(QString(), "0 "), kDue, true, true},
            {"empty text, no ticks", salvato(QString(), QString()), kDue, false, false},
            {"an index the list lacks", salvato(kDue, "0 1 9 "), kDue, false, false},
            {"unreadable", Conferme::Salvato{true, std::nullopt, "0 "}, kDue, true, true},
        };
        for (const Caso &c : casi) {
            QVERIFY2(Conferme::correttoAMano(kVoci, c.salvato) == c.corretto, c.nome);
            QVERIFY2(Conferme::chiediSostituzione(kVoci, c.salvato, c.nuovo) == c.chiedi, c.nome);
        }
    }

    void ticksNotConfirmed()
    {
        struct Caso {
            QList<int> confermate, attuali;
            bool atteso;
        };
        const QList<Caso> casi = {{{}, {}, false},      {{0, 2}, {2, 0}, false}, {{0}, {0, 1}, true},
                                  {{0, 1}, {1}, true},  {{}, {3}, true},         {{0, 0}, {0}, false}};
        for (const Caso &c : casi)
            QCOMPARE(Conferme::spunteDaConfermare(c.confermate, c.attuali), c.atteso);
    }

    void aHandCorrectionIsReplacedOnlyWhenTheTeacherSaysSo()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        apriDalMenu();
        QVERIFY(scegli(classe(), "3A"));
        QVERIFY(scegli(alunno(), "Rossi Mario"));
        spunta(lista(0), 0);
        spunta(lista(0), 1);
        clic(pulsante("cmdOkTestoGiudizio"));
        // Corrected by hand in the editing view.
        clic(pulsante("cmdCaricaTesto"));
        aggiungi(txtQ(1), QString::fromUtf8(" Ottimo inizio d'anno, è già più sicuro."));
        clic(pulsante("cmdSalvaTestoModificato"));
        clic(pulsante("cmdFineStampa"));
        const QByteArray q1 = ansi("Rossi Mario si è mostrato attento, partecipe Ottimo inizio d'anno, è già più sicuro.\r\n");
        QCOMPARE(dir.read("3A/Rossi Mario.q1"), q1);
        QCOMPARE(spuntate(lista(0)), (QList<int>{0, 1}));

        // OK with another phrase: asked, No keeps the text and the ticks stored.
        spunta(lista(0), 3);
        Msg::queueAnswer(Msg::ResNo);
        clic(pulsante("cmdOkTestoGiudizio"));
        QCOMPARE(Msg::shown().size(), 1);
        const Msg::Shown d = Msg::shown().last();
        QCOMPARE(d.text, QString::fromUtf8("Il testo salvato del quadro Sit. Iniziale è stato corretto a mano. "
                                           "Vuoi sostituirlo con le frasi scelte?"));
        QCOMPARE(d.buttons, Msg::YesNo);
        QCOMPARE(d.defaultButton, Msg::ResNo);
        QCOMPARE(dir.read("3A/Rossi Mario.q1"), q1);
        QCOMPARE(dir.read("3A/Rossi Mario.dat"), QByteArray("0 1 \r\n\r\n\r\n\r\n"));
        // The ticks the teacher chose not to store are not asked about again.
        clicScheda(schedeGiudizi(), 1);
        QCOMPARE(Msg::shown().size(), 1);

        // Yes replaces it.
        clicScheda(schedeGiudizi(), 0);
        spunta(lista(0), 3);
        Msg::queueAnswer(Msg::ResYes);
        clic(pulsante("cmdOkTestoGiudizio"));
        QCOMPARE(Msg::shown().size(), 2);
        QCOMPARE(dir.read("3A/Rossi Mario.q1"), ansi("Rossi Mario si è mostrato attento, partecipe e con costanza.\r\n"));
        QCOMPARE(dir.read("3A/Rossi Mario.dat"), QByteArray("0 1 3 \r\n\r\n\r\n\r\n"));
        // A text as its ticks assemble it is replaced without a question.
        spunta(lista(0), 1);
        clic(pulsante("cmdOkTestoGiudizio"));
        QCOMPARE(Msg::shown().size(), 2);
        QCOMPARE(dir.read("3A/Rossi Mario.dat"), QByteArray("0 3 \r\n\r\n\r\n\r\n"));
    }

    void ticksNotConfirmedAreAskedAboutBeforeTheyAreDropped()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        apriDalMenu();
        QVERIFY(scegli(classe(), "3A"));
        QVERIFY(scegli(alunno(), "Rossi Mario"));
        const QString domanda = QString::fromUtf8("Le frasi scelte nel quadro %1 non sono state confermate con OK. "
                                                  "Desideri comporre il testo e salvarlo ?");

        // Another section, Annulla: the section and its ticks stay.
        spunta(lista(0), 0);
        Msg::queueAnswer(Msg::ResCancel);
        clicScheda(schedeGiudizi(), 1);
        QCOMPARE(ultimaDomanda(), domanda.arg(QStringLiteral("Sit. Iniziale")));
        QCOMPARE(Msg::shown().last().buttons, Msg::YesNoCancel);
        QCOMPARE(Msg::shown().last().defaultButton, Msg::ResYes);
        QCOMPARE(schedeGiudizi()->currentIndex(), 0);
        QCOMPARE(CarQuad::EstensioneQuadro, QStringLiteral(".q1"));
        QCOMPARE(spuntate(lista(0)), QList<int>{0});
        QVERIFY(!dir.exists("3A/Rossi Mario.q1"));
        // Again, Yes: composed and saved, then the section shown.
        Msg::queueAnswer(Msg::ResYes);
        clicScheda(schedeGiudizi(), 1);
        QCOMPARE(dir.read("3A/Rossi Mario.q1"), ansi("Rossi Mario si è mostrato attento\r\n"));
        QCOMPARE(dir.read("3A/Rossi Mario.dat"), QByteArray("0 \r\n\r\n\r\n\r\n"));
        QCOMPARE(CarQuad::EstensioneQuadro, QStringLiteral(".q2"));

        // Another pupil, No: dropped, nothing written.
        spunta(lista(1), 0);
        Msg::queueAnswer(Msg::ResNo);
        QVERIFY(scegli(alunno(), "Bianchi Anna"));
        QCOMPARE(ultimaDomanda(), domanda.arg(QString::fromUtf8("Finalità")));
        QVERIFY(!dir.exists("3A/Rossi Mario.q2"));
        QCOMPARE(dir.read("3A/Rossi Mario.dat"), QByteArray("0 \r\n\r\n\r\n\r\n"));

        // Leaving the window, Yes: saved, then the window closes.
        spunta(lista(1), 0);
        Msg::queueAnswer(Msg::ResYes);
        clic(pulsante("cmdFineLavoro"));
        QCOMPARE(Msg::shown().size(), 4);
        QCOMPARE(dir.read("3A/Bianchi Anna.q2"), QByteArray("Favorire la socializzazione\r\n"));
        QTRY_VERIFY(!Forms::isLoaded("frmCompila"));
    }
};

QUADERLO_TEST_MAIN(TestConferme)
#include "tst_Conferme.moc"
