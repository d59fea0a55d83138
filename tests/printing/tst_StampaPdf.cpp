#include "StampaSupport.h"

#include "printing/ElencoCaratteri.h"
#include "printing/SalvaPdf.h"
#include "printing/ConfigStampa.h"
#include "printing/SceltaLavoro.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTimer>

using namespace CarQuad;
using namespace StampaProva;

class TestStampaPdf : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        Stampa::setFileDiProva(QString());
        Stampa::setSenzaStampante(false);
        SalvaPdf::setDomanda({});
        SalvaPdf::dimentica();
    }

    void aStoredSectionOnRealPaper()
    {
        SALTA_SENZA_PDFTOTEXT();
        ProgramFolder dir;
        const QString pdf = dir.file(QStringLiteral("quadro.pdf"));
        Stampa::setFileDiProva(pdf);
        frmCompila *compila = apriModifica(dir, configurazione(1, 30), kTesto);
        QVERIFY(compila);
        const int prima = Stampa::lavoriInviati();
        stampaQuadro(compila, 2);
        QVERIFY(Stampa::lavoriInviati() == prima + 1 && Msg::shown().isEmpty() && TestoStampa.isEmpty());
        // First line at the margins, stretched to the line length; the last one, stored with its CR LF, is not.
        const QPointF c = angolo(*LavoroStampa::conConfigurazione(30));
        const auto stampate = righePdf(pdf);
        QVERIFY(stampate.value(0).value(0).testo == "Nel" && primaRiga(stampate, c, 20, 190, 30));
        QCOMPARE(stampate.last().last().testo, QStringLiteral("ordine."));
        QVERIFY(stampate.last().last().xMax < c.x() + 185); // not stretched to the line's end
        QVERIFY(colore(2) == QColor(0, 0, 192) && colore(1) == QColor(Qt::black)); // the printed section turns dark blue
        // An emptied section still makes a job: one empty line.
        Compila::txtQ(4)->clear();
        Stampa::setFileDiProva(dir.file(QStringLiteral("vuoto.pdf")));
        stampaQuadro(compila, 4);
        QVERIFY(dir.read(QStringLiteral("vuoto.pdf")).startsWith("%PDF") && righePdf(dir.file(QStringLiteral("vuoto.pdf"))).isEmpty());
        Compila::clic("cmdFineStampa");
        QVERIFY(colore(4) == QColor(Qt::black) && Msg::shown().isEmpty()); // until the composition view comes back
    }

    void whichJobPrintsASection()
    {
        // The configuration: Arial 12, line length 190, left margin 20, section tops 20, 21.5, 22.5 and "alto".
        const auto configura = [](const char *carattere, const char *altezza, const char *orientamento) {
            Carattere = carattere, AltezzaCarattere = altezza, Orientamento = orientamento;
            LunghezzaRiga = "190.5", MargineSinistro = 20;
            MargineSuperiore1 = "20", MargineSuperiore2 = "21.5", MargineSuperiore3 = "22.5", MargineSuperiore4 = "alto";
        };
        Formati formati = FileFormati::predefiniti();
        formati[0] = {"Courier New", "9", "150", "30", "45"};
        formati[1].altezza = "abc";
        formati[2].altezza = "0";
        formati[3].carattere = "Carattere che non esiste";
        int letture = 0;
        const auto leggi = [&] { ++letture; return formati; };
        const auto noto = [](const QString &c) { return c == "Arial" || c == "Courier New"; };
        using R = SceltaLavoro::Rifiuto;
        const struct {
            const char *nome, *carattere, *altezza, *orientamento;
            SceltaLavoro::Richiesta richiesta;
            R rifiuto;
            float punti, x0, W, alto; // of the job made
            int orientato;
        } casi[] = {
            {"configuration", "Arial", "12", " 1 ", {1, false, 4, "Rossi Mario - Finalità"}, R::Nessuno, 12, 20, 170.5f, 20, 1},
            // A section's top margin is a whole number, a half to the even neighbour; the format chosen waits.
            {"landscape, section 2", "Arial", "10.5", "2", {2, false, 0, "x"}, R::Nessuno, 10.5f, 20, 170.5f, 22, 2},
            {"section 3", "Arial", "12", "1", {3, false, 4, "x"}, R::Nessuno, 12, 20, 170.5f, 22, 1},
            {"nothing saved yet", "", "", "", {1, false, 4, "x"}, R::Configurazione},
            {"height not a number", "Arial", "dodici", "1", {1, false, 4, "x"}, R::Configurazione},
            {"height 0", "Arial", "0", "1", {1, false, 4, "x"}, R::Configurazione},
            {"orientation 3", "Arial", "12", "3", {1, false, 4, "x"}, R::Configurazione},
            {"top margin not a number", "Arial", "12", "1", {4, false, 4, "x"}, R::Configurazione},
            {"a font the system would only replace", "Ariall", "12", "1", {1, false, 4, "x"}, R::Configurazione},
            // A format: its font, height, margins and line length, the configuration's orientation; every section alike.
            {"no format chosen", "Arial", "12", "1", {1, true, 4, "x"}, R::SceltaFormato},
            {"format 1", "Ariall", "dodici", "2", {4, true, 0, "x"}, R::Nessuno, 9, 30, 120, 45, 2},
            {"format 2, height not a number", "Arial", "12", "1", {1, true, 1, "x"}, R::Formato},
            {"format 3, height 0", "Arial", "12", "1", {1, true, 2, "x"}, R::Formato},
            {"format 4, a font unknown", "Arial", "12", "1", {1, true, 3, "x"}, R::Configurazione},
            {"format 1, no orientation", "Arial", "12", "", {1, true, 0, "x"}, R::Configurazione},
        };
        for (const auto &c : casi) {
            configura(c.carattere, c.altezza, c.orientamento);
            const SceltaLavoro::Esito e = SceltaLavoro::scegli(c.richiesta, leggi, noto);
            QVERIFY2(e.rifiuto == c.rifiuto && e.lavoro.has_value() == (c.rifiuto == R::Nessuno), c.nome);
            if (!e.lavoro)
                continue;
            const Geometria &g = e.lavoro->geometria;
            QVERIFY2(e.lavoro->punti == c.punti && e.lavoro->orientamento == c.orientato, c.nome);
            QVERIFY2(g.x0 == c.x0 && g.W == c.W && g.alto == c.alto && e.lavoro->nome == c.richiesta.nome, c.nome);
        }
        QCOMPARE(letture, 5); // only when a format is chosen
        configura("Arial", "12", "1");
        QCOMPARE(SceltaLavoro::scegli({1, true, 0, "x"}, leggi, noto).lavoro->carattere, "Courier New");
        QCOMPARE(SceltaLavoro::scegli({1, true, 1, "x"}, leggi, noto).messaggio,
                 "Il formato scelto non è valido: correggilo in \"Formati di stampa\" nel modulo Utilità.");
        QCOMPARE(SceltaLavoro::scegli({1, true, 4, "x"}, leggi, noto).messaggio, "Prima devi scegliere il formato");
    }

    void aRefusedJobIsToldAndNothingIsPrinted()
    {
        // Names the system has or stands in for with a metric-compatible face, and ones it does not know.
        for (const char *noto : {"Arial", "arial", "Times New Roman", "Courier New", "Comic Sans MS", "Liberation Sans"})
            QVERIFY2(ElencoCaratteri::noto(QString::fromLatin1(noto)), noto);
        for (const char *ignoto : {"Ariall", "", "  ", "Carattere che non esiste"})
            QVERIFY2(!ElencoCaratteri::noto(QString::fromLatin1(ignoto)), ignoto);

        ProgramFolder dir;
        const QString pdf = dir.file(QStringLiteral("niente.pdf"));
        Stampa::setFileDiProva(pdf);
        frmCompila *compila = apriModifica(dir, configurazione(), kTesto);
        QVERIFY(compila);
        const int prima = Stampa::lavoriInviati();
        Carattere = QStringLiteral("Ariall");
        Msg::queueAnswer(Msg::ResOk);
        stampaQuadro(compila, 3);
        QCOMPARE(Msg::shown().last().text, QStringLiteral("Prima devi impostare la stampa nel modulo Utilità."));
        QVERIFY(Msg::shown().last().icon == Msg::Information && Msg::beeps() == 1);
        QVERIFY(Stampa::lavoriInviati() == prima && !QFileInfo::exists(pdf));
        QCOMPARE(colore(3), QColor(0, 0, 192)); // the section still turns dark blue
        // A PDF in a folder that does not exist cannot be opened: the printer refuses the job.
        ConfigStampa::leggi();
        Stampa::setFileDiProva(dir.file(QStringLiteral("manca/stampa.pdf")));
        Msg::queueAnswer(Msg::ResOk);
        stampaQuadro(compila, 1);
        QVERIFY(Stampa::lavoriInviati() == prima && Msg::beeps() == 2);
        QCOMPARE(Msg::shown().last().text, QStringLiteral("La stampa non è riuscita: la stampante non ha accettato il lavoro."));
        VERIFY_NO_UNANSWERED();
    }

    void noPrinterSavesAPdfTheTeacherFinds()
    {
        ProgramFolder dir;
        // The teacher's own folders: HOME with a Documents folder.
        const QByteArray home = qgetenv("HOME"), xdg = qgetenv("XDG_CONFIG_HOME");
        dir.mkdir(QStringLiteral("casa/Documents"));
        qputenv("HOME", QFile::encodeName(dir.file(QStringLiteral("casa"))));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.file(QStringLiteral("casa/.config"))));
        const auto ripristina = qScopeGuard([&] {
            qputenv("HOME", home);
            xdg.isNull() ? void(qunsetenv("XDG_CONFIG_HOME")) : void(qputenv("XDG_CONFIG_HOME", xdg));
        });
        const QString documenti = dir.file(QStringLiteral("casa/Documents"));
        Stampa::setSenzaStampante(true);
        dir.mkdir(QStringLiteral("scelti"));
        QStringList proposte;
        QString risposta = dir.file(QStringLiteral("scelti/pagella"));
        SalvaPdf::setDomanda([&](const QString &p) { proposte << p; return risposta; });
        frmCompila *compila = apriModifica(dir, configurazione(), kTesto);
        QVERIFY(compila);
        const int prima = Stampa::lavoriInviati();

        Msg::queueAnswer(Msg::ResNo);
        stampaQuadro(compila, 2);
        QVERIFY(proposte.isEmpty() && Msg::shown().first().defaultButton == Msg::ResYes);
        QCOMPARE(Msg::shown().first().text, QStringLiteral("Non è installata nessuna stampante.\n\rVuoi salvare la pagina in un file PDF?"));
        // "Yes": offered in Documents as "pupil - section title.pdf"; saved where chosen, with .pdf added, and told.
        rispondi({Msg::ResYes, Msg::ResOk});
        stampaQuadro(compila, 2);
        QCOMPARE(proposte, QStringList{documenti + "/Rossi Mario - Finalità.pdf"});
        const QString salvato = dir.file(QStringLiteral("scelti/pagella.pdf"));
        QVERIFY(dir.read(QStringLiteral("scelti/pagella.pdf")).startsWith("%PDF") && Stampa::lavoriInviati() == prima + 1);
        QCOMPARE(Msg::shown().last().text, "La pagina è stata salvata nel file\n\r" + salvato);
        QVERIFY(QStandardPaths::findExecutable("pdftotext").isEmpty() || righePdf(salvato).value(0).value(0).testo == "Nel");
        // The next page is offered in the folder chosen last; a folder that is missing fails, and says so.
        risposta = dir.file(QStringLiteral("manca/pagella.pdf"));
        rispondi({Msg::ResYes, Msg::ResOk});
        stampaQuadro(compila, 4);
        QCOMPARE(proposte.last(), dir.file(QStringLiteral("scelti/Rossi Mario - Val. 2° Q..pdf")));
        QVERIFY(Msg::shown().last().text.startsWith(QStringLiteral("La stampa non è riuscita: ")) && !QFileInfo::exists(risposta));
        risposta.clear();
        Msg::queueAnswer(Msg::ResYes);
        stampaQuadro(compila, 1);
        QVERIFY(Stampa::lavoriInviati() == prima + 1 && Msg::shown().size() == 6);
        // The real dialog, on the proposed name (a slash would make a folder) in Documents, the last folder missing.
        QCOMPARE(SalvaPdf::proposta(QStringLiteral("Rossi Mario - Val. 1/2")), documenti + "/Rossi Mario - Val. 1-2.pdf");
        SalvaPdf::setDomanda({});
        QString visto;
        QTimer dialogo;
        dialogo.callOnTimeout([&] {
            auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!d || !d->isVisible())
                return;
            dialogo.stop();
            visto = d->windowTitle() + QLatin1Char('|') + d->selectedFiles().value(0);
            auto *nome = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            nome->selectAll();
            QTest::keyClicks(nome, QStringLiteral("scelto"));
            clickAt(d->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save));
            if (d->isVisible()) // never leave the dialog open
                d->reject();
        });
        dialogo.start(20);
        rispondi({Msg::ResYes, Msg::ResOk});
        stampaQuadro(compila, 1);
        QCOMPARE(visto, QStringLiteral("Salva la pagina in PDF|") + documenti + "/Rossi Mario - Sit. Iniziale.pdf");
        QVERIFY(dir.read("casa/Documents/scelto.pdf").startsWith("%PDF"));
        QCOMPARE(Stampa::lavoriInviati(), prima + 2);
        VERIFY_NO_UNANSWERED();
    }
};

QUADERLO_TEST_MAIN(TestStampaPdf)
#include "tst_StampaPdf.moc"
