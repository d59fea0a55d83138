#include "../printing/StampaSupport.h"

#include "platform/Finestre.h"
#include "printing/SalvaPdf.h"

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRadioButton>
#include <QTimer>

using namespace StampaProva;

namespace {
// Words and places of two printed pages, equal to a hundredth of a millimetre.
bool stessaPagina(const QList<RigaPdf> &a, const QList<RigaPdf> &b)
{
    bool uguali = !a.isEmpty() && a.size() == b.size();
    for (qsizetype r = 0; uguali && r < a.size(); ++r) {
        uguali = a[r].size() == b[r].size();
        for (qsizetype i = 0; uguali && i < a[r].size(); ++i)
            uguali = a[r][i].testo == b[r][i].testo && qAbs(a[r][i].xMin - b[r][i].xMin) < 0.01
                     && qAbs(a[r][i].yMin - b[r][i].yMin) < 0.01 && qAbs(a[r][i].xMax - b[r][i].xMax) < 0.01;
    }
    return uguali;
}
} // namespace

class TestStampaClasse : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        Stampa::setFileDiProva(QString());
        Stampa::setSenzaStampante(false);
        SalvaPdf::setDomanda({});
    }

    void aClassPrintedAsItsPupilsSinglePrints()
    {
        SALTA_SENZA_PDFTOTEXT();
        ProgramFolder dir;
        Compila::preparaArchivio(dir);
        // The list's order, not the alphabet's; Neri Carla has no text for section 2, only for section 1.
        const QStringList conTesto{"Rossi Mario", "Bianchi Anna", "Verdi Luca"};
        dir.write("3A/ALUNNI.3A", "Rossi Mario\r\n 1 \r\nNeri Carla\r\n 0 \r\nBianchi Anna\r\n 0 \r\nVerdi Luca\r\n 1 \r\n");
        dir.write("3A/Neri Carla.q1", "Carla legge con piacere.\r\n");
        dir.write("3A/Neri Carla.q2", "\r\n");
        dir.write("3A/Rossi Mario.q2", ansi("Favorire la socializzazione attraverso il gioco e il lavoro di gruppo, "
                                             "con attività che chiedono di ascoltare gli altri e di aspettare il proprio "
                                             "turno.\r\nMario sarà seguito con attenzione.\r\n"));
        dir.write("3A/Bianchi Anna.q2", ansi("Consolidare la fiducia nelle proprie capacità e l'autonomia nel lavoro.\r\n"));
        dir.write("3A/Verdi Luca.q2", "Migliorare l'ordine del quaderno.\r\n");
        dir.write("Formati.dat", "Arial\r\n 12 \r\n 190 \r\n 20 \r\n 20 \r\nArial\r\n 11 \r\n 180 \r\n 30 \r\n 40 \r\n"
                                 "Arial\r\n 12 \r\n 190 \r\n 20 \r\n 20 \r\nArial\r\n 12 \r\n 190 \r\n 20 \r\n 20 \r\n");

        // Each pupil's section printed alone from the editing view.
        QVERIFY(Compila::apriDalMenu() && Compila::scegli(Compila::classe(), "3A"));
        for (const QString &alunno : conTesto) {
            QVERIFY(Compila::scegli(Compila::alunno(), alunno));
            Compila::clic("cmdCaricaTesto");
            Stampa::setFileDiProva(dir.file(alunno + ".pdf"));
            stampaQuadro(Compila::finestra(), 2);
            Compila::clic("cmdFineStampa");
        }
        Compila::clic("cmdFineLavoro");
        Stampa::setFileDiProva(QString());

        // The class, with no printer: one PDF through the save question, a page per pupil with a text.
        clickAt(control<QPushButton>(window(Finestre::Menu), QString::fromUtf8("cmdUtilità")));
        clickAt(control<QPushButton>(window(Finestre::Utilita), QStringLiteral("cmdStampaClasse")));
        Form *w = window(Finestre::StampaClasse);
        QVERIFY(w && w->isVisible() && chooseInCombo(control<QComboBox>(w, "cmbClasse"), "3A"));
        clickOption(control<QRadioButton>(w, "optQuadro1"));
        Stampa::setSenzaStampante(true);
        QStringList proposte;
        QString risposta = dir.file("classe.pdf");
        SalvaPdf::setDomanda([&](const QString &p) { proposte << p; return risposta; });
        const int prima = Stampa::lavoriInviati();
        rispondi({Msg::ResYes, Msg::ResOk, Msg::ResOk});
        clickAt(control<QPushButton>(w, "cmdStampa"));
        QVERIFY(proposte.value(0).endsWith("/3A - Finalità.pdf") && Stampa::lavoriInviati() == prima + 1);
        const QList<Msg::Shown> visti = Msg::shown().mid(Msg::shown().size() - 3);
        QCOMPARE(visti[0].text, QStringLiteral("Non è installata nessuna stampante.\n\rVuoi salvare le pagine in un file PDF?"));
        QCOMPARE(visti[1].text, "Le 3 pagine sono state salvate nel file\n\r" + risposta);
        QVERIFY(visti[2].text == "Senza testo: Neri Carla." && visti[2].title == "Stampa la classe");
        for (int i = 0; i < conTesto.size(); ++i)
            QVERIFY2(stessaPagina(righePdf(risposta, nullptr, i + 1), righePdf(dir.file(conTesto[i] + ".pdf"))),
                     qPrintable(conTesto[i]));
        QVERIFY(righePdf(risposta, nullptr, 4).isEmpty());

        // Format 2: the preview shows the three pages and prints nothing; then the print has its margins.
        clickAt(control<QPushButton>(w, "checkFormato"));
        clickOption(control<QRadioButton>(w, "optFormati1"));
        int pagineViste = 0;
        QTimer dialogo;
        dialogo.callOnTimeout([&] {
            auto *d = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
            if (!d)
                return;
            dialogo.stop();
            auto *vista = d->findChild<QPrintPreviewWidget *>();
            QTRY_VERIFY(vista->pageCount() > 0);
            pagineViste = vista->pageCount();
            d->reject();
        });
        dialogo.start(20);
        clickAt(control<QPushButton>(w, "cmdAnteprima"));
        QVERIFY(pagineViste == 3 && Stampa::lavoriInviati() == prima + 1);
        risposta = dir.file("formato.pdf");
        rispondi({Msg::ResYes, Msg::ResOk, Msg::ResOk});
        clickAt(control<QPushButton>(w, "cmdStampa"));
        const QPointF c = angolo(*LavoroStampa::conConfigurazione(20));
        QVERIFY(primaRiga(righePdf(risposta, nullptr, 1), c, 30, 180, 40));
        // Stopped while the pages are laid out: nothing.
        QVERIFY(!Stampa::impaginaPagine({{*LavoroStampa::conConfigurazione(20), "Testo.\r\n"}}, [](int) { return false; }));
        QTest::keyClick(w, Qt::Key_Escape);
        QTRY_VERIFY(!Forms::isLoaded(Finestre::StampaClasse) && window(Finestre::Utilita)->isVisible());
        VERIFY_NO_UNANSWERED();
    }
};

QUADERLO_TEST_MAIN(TestStampaClasse)
#include "tst_StampaClasse.moc"
