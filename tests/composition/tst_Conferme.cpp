#include "CompilaSupport.h"

#include "composition/Conferme.h"

using namespace Compila;

class TestConferme : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { VERIFY_NO_UNANSWERED(); QCOMPARE(Msg::pendingAnswers(), 0); }

    void storedTextAgainstItsTicks()
    {
        const QStringList voci = {"1=Rossi Mario si è mostrato attento", "2=, partecipe", "3<=Ha lavorato con impegno ",
                                  "4=e con costanza."};
        const QString due = "Rossi Mario si è mostrato attento, partecipe";
        const QString corretto = due + " Ottimo inizio d'anno, è già più sicuro.";
        auto s = [](const QString &testo, const char *scelta) { return Conferme::Salvato{true, testo, scelta}; };
        const struct {
            const char *nome;
            Conferme::Salvato salvato;
            QString nuovo;
            bool corretto, chiedi;
        } casi[] = {
            {"no file", Conferme::Salvato{}, due, false, false},
            {"as assembled", s(due, "0 1 "), "x", false, false},
            {"as assembled, line ends after it", s(due + "\n\n", "0 1 "), "x", false, false},
            {"line break as assembled", s("x\nHa lavorato con impegno", "2 "), "", true, true},
            {"corrected by hand", s(corretto, "0 1 "), due, true, true},
            {"corrected, the same text again", s(corretto, "0 1 "), corretto + "\n", true, false},
            {"text without ticks", s("Scritto a mano", ""), due, true, true},
            {"emptied by hand", s("", "0 "), due, true, true},
            {"empty text, no ticks", s("", ""), due, false, false},
            {"an index the list lacks", s(due, "0 1 9 "), due, false, false},
            {"unreadable", Conferme::Salvato{true, std::nullopt, "0 "}, due, true, true},
        };
        for (const auto &c : casi) {
            QVERIFY2(Conferme::correttoAMano(voci, c.salvato) == c.corretto, c.nome);
            QVERIFY2(Conferme::chiediSostituzione(voci, c.salvato, c.nuovo) == c.chiedi, c.nome);
        }
        const struct {
            QList<int> confermate, attuali;
            bool atteso;
        } spunte[] = {{{}, {}, false}, {{0, 2}, {2, 0}, false}, {{0}, {0, 1}, true},
                      {{0, 1}, {1}, true}, {{}, {3}, true}, {{0, 0}, {0}, false}};
        for (const auto &c : spunte)
            QCOMPARE(Conferme::spunteDaConfermare(c.confermate, c.attuali), c.atteso);
    }

    void aHandCorrectionIsReplacedOnlyWhenTheTeacherSaysSo()
    {
        ProgramFolder dir;
        QVERIFY(apri(dir, "3A", "Rossi Mario"));
        componi(0, {0, 1});
        clic("cmdCaricaTesto");
        aggiungi(txtQ(1), " Ottimo inizio d'anno, è già più sicuro.");
        clic("cmdSalvaTestoModificato");
        clic("cmdFineStampa");
        const QByteArray q1 = ansi("Rossi Mario si è mostrato attento, partecipe Ottimo inizio d'anno, è già più sicuro.\r\n");
        QVERIFY(dir.read("3A/Rossi Mario.q1") == q1 && spuntate(lista(0)) == QList<int>({0, 1}));

        // OK with another phrase: asked, No keeps the text and the ticks stored.
        rispondi({Msg::ResNo});
        componi(0, {3});
        QCOMPARE(ultimo().text, "Il testo salvato del quadro Sit. Iniziale è stato corretto a mano. "
                                "Vuoi sostituirlo con le frasi scelte?");
        QVERIFY(ultimo().defaultButton == Msg::ResNo && dir.read("3A/Rossi Mario.q1") == q1);
        QCOMPARE(dir.read("3A/Rossi Mario.dat"), "0 1 \r\n\r\n\r\n\r\n");
        // The ticks the teacher chose not to store are not asked about again.
        clickTab(schedeGiudizi(), 1);
        QCOMPARE(Msg::shown().size(), 1);

        clickTab(schedeGiudizi(), 0);
        rispondi({Msg::ResYes});
        componi(0, {3});
        QCOMPARE(dir.read("3A/Rossi Mario.q1"), ansi("Rossi Mario si è mostrato attento, partecipe e con costanza.\r\n"));
        // A text as its ticks assemble it is replaced without a question.
        componi(0, {1});
        QCOMPARE(Msg::shown().size(), 2);
        QCOMPARE(dir.read("3A/Rossi Mario.dat"), "0 3 \r\n\r\n\r\n\r\n");
    }

    void ticksNotConfirmedAreAskedAboutBeforeTheyAreDropped()
    {
        ProgramFolder dir;
        QVERIFY(apri(dir, "3A", "Rossi Mario"));
        const QString domanda = "Le frasi scelte nel quadro %1 non sono state confermate con OK. "
                                "Desideri comporre il testo e salvarlo ?";

        // Another section, Annulla: the section and its ticks stay.
        spunta(lista(0), 0);
        rispondi({Msg::ResCancel});
        clickTab(schedeGiudizi(), 1);
        QVERIFY(ultimo().text == domanda.arg("Sit. Iniziale") && ultimo().buttons == Msg::YesNoCancel);
        QVERIFY(schedeGiudizi()->currentIndex() == 0 && spuntate(lista(0)) == QList<int>{0});
        QVERIFY(!dir.exists("3A/Rossi Mario.q1"));
        // Again, Yes: composed and saved, then the section shown.
        rispondi({Msg::ResYes});
        clickTab(schedeGiudizi(), 1);
        QCOMPARE(dir.read("3A/Rossi Mario.q1"), ansi("Rossi Mario si è mostrato attento\r\n"));
        QCOMPARE(CarQuad::EstensioneQuadro, ".q2");

        // Another pupil, No: dropped, nothing written.
        spunta(lista(1), 0);
        rispondi({Msg::ResNo});
        QVERIFY(scegli(alunno(), "Bianchi Anna"));
        QVERIFY(ultimo().text == domanda.arg("Finalità") && !dir.exists("3A/Rossi Mario.q2"));
        QCOMPARE(dir.read("3A/Rossi Mario.dat"), "0 \r\n\r\n\r\n\r\n");

        // Leaving the window, Yes: saved, then the window closes.
        spunta(lista(1), 0);
        rispondi({Msg::ResYes});
        clic("cmdFineLavoro");
        QVERIFY(Msg::shown().size() == 4 && dir.read("3A/Bianchi Anna.q2") == "Favorire la socializzazione\r\n");
        QTRY_VERIFY(!Forms::isLoaded("frmCompila"));
    }
};

QUADERLO_TEST_MAIN(TestConferme)
#include "tst_Conferme.moc"
