#include "StampaSupport.h"

#include "printing/ElencoCaratteri.h"
#include "printing/SalvaPdf.h"
#include "printing/ConfigStampa.h"

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

namespace {
const QString kTesto = QStringLiteral(
    "Nel corso del primo quadrimestre Mario ha mostrato un interesse costante per le attività proposte, "
    "partecipando con impegno alle conversazioni e portando a termine i lavori assegnati con ordine.");
} // namespace

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
    }

    void anEmptySectionStillMakesAJob()
    {
        ProgramFolder dir;
        Stampa::setFileDiProva(dir.file(QStringLiteral("vuoto.pdf")));
        QVERIFY(Compila::apri(dir));
        Compila::clic("cmdCaricaTesto");
        stampaQuadro(Compila::finestra(), 2);
        QVERIFY(QFileInfo(dir.file(QStringLiteral("vuoto.pdf"))).size() > 0 && Msg::shown().isEmpty());
    }

    void refusedConfigurationsFontsAndJobs()
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
        const auto prova = [&](auto guasta) {
            ConfigStampa::leggi();
            guasta();
            Msg::queueAnswer(Msg::ResOk);
            stampaQuadro(compila, 3);
        };
        prova([] { Carattere.clear(); Orientamento.clear(); }); // nothing saved yet
        prova([] { AltezzaCarattere = QStringLiteral("dodici"); });
        prova([] { AltezzaCarattere = QStringLiteral("0"); });
        prova([] { Orientamento = QStringLiteral("3"); });
        prova([] { MargineSuperiore(3) = QStringLiteral("alto"); });
        prova([] { Carattere = QStringLiteral("Ariall"); }); // a font the system would only replace
        QVERIFY(Msg::shown().size() == 6 && Msg::beeps() == 6);
        for (const Msg::Shown &s : Msg::shown())
            QCOMPARE(s.text, QStringLiteral("Prima devi impostare la stampa nel modulo Utilità."));
        QVERIFY(Stampa::lavoriInviati() == prima && !QFileInfo::exists(pdf));
        QCOMPARE(colore(3), QColor(0, 0, 192)); // the section still turns dark blue
        // A PDF in a folder that does not exist cannot be opened: the printer refuses the job.
        ConfigStampa::leggi();
        Stampa::setFileDiProva(dir.file(QStringLiteral("manca/stampa.pdf")));
        Msg::queueAnswer(Msg::ResOk);
        stampaQuadro(compila, 1);
        QVERIFY(Stampa::lavoriInviati() == prima && Msg::beeps() == 7);
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
