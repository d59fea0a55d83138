#include "MisuraPdf.h"
#include "TestSupport.h"

#include "app/CarQuad.h"
#include "composition/frmCompila.h"
#include "platform/MsgBox.h"
#include "printing/LavoroStampa.h"
#include "printing/Stampa.h"
#include "printing/StampaQuadro.h"

#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>

using namespace CarQuad;

namespace {
const QString kTesto = QStringLiteral(
    "Nel corso del primo quadrimestre l'alunno ha mostrato un interesse costante per le attività proposte, "
    "partecipando con impegno alle conversazioni e portando a termine i lavori assegnati con ordine.");

void configura(const QString &font = QStringLiteral("Arial"))
{
    Carattere = font;
    AltezzaCarattere = QStringLiteral("12");
    LunghezzaRiga = QStringLiteral("190");
    Orientamento = QStringLiteral("1");
    MargineSinistro = 20;
    for (int n = 1; n <= 4; ++n)
        MargineSuperiore(n) = QString::number(10 * n + 10);
}

// The printable area's top left corner on the page, in millimetres, for a PDF job set up as printing does.
QPointF angolo(const LavoroStampa &lavoro, const QString &pdf)
{
    QPrinter p(QPrinter::HighResolution);
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(pdf);
    Stampa::prepara(p, lavoro);
    return p.pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
}

void setTesto(frmCompila *f, int n, const QString &t)
{
    f->findChild<QPlainTextEdit *>(QStringLiteral("txtQ%1").arg(n))->setPlainText(t);
}

QColor colore(frmCompila *f, int n)
{
    return f->findChild<QPlainTextEdit *>(QStringLiteral("txtQ%1").arg(n))->palette().color(QPalette::Text);
}
} // namespace

class TestStampaPdf : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        Stampa::setFileDiProva(QString());
        Stampa::setSenzaStampante(false);
    }

    void aSectionOnRealPaper()
    {
        if (!pdftotextDisponibile())
            QSKIP("pdftotext (poppler-utils) is not installed");
        ProgramFolder dir;
        configura();
        const QString pdf = dir.file(QStringLiteral("quadro.pdf"));
        Stampa::setFileDiProva(pdf);
        auto *compila = Forms::get<frmCompila>(QStringLiteral("frmCompila"));
        setTesto(compila, 2, kTesto);
        const int prima = Stampa::lavoriInviati();
        clickAt(compila->cmdStampaCompila(2));
        QCOMPARE(Stampa::lavoriInviati(), prima + 1);
        QVERIFY(Msg::shown().isEmpty());
        QVERIFY(TestoStampa.isEmpty());
        QCOMPARE(MargineSuperioreStampa, qint16(30));

        const QPointF c = angolo(*Lavori::conConfigurazione(30), pdf);
        const auto parole = paroleDelPdf(pdf);
        QVERIFY(parole.size() > 20);
        QCOMPARE(parole.first().testo, QStringLiteral("Nel"));
        // First word at the left margin, first line's top at the section's top margin.
        QVERIFY2(qAbs(parole.first().xMin - (c.x() + 20)) < 0.5, qPrintable(QString::number(parole.first().xMin - c.x())));
        QVERIFY2(qAbs(parole.first().yMin - (c.y() + 30)) < 0.5, qPrintable(QString::number(parole.first().yMin - c.y())));
        // The first line is stretched to end at the line length.
        const auto riga = primaRiga(parole);
        QVERIFY(riga.size() > 3 && riga.size() < parole.size());
        QVERIFY2(qAbs(riga.last().xMax - (c.x() + 190)) < 0.5, qPrintable(QString::number(riga.last().xMax - c.x())));
        qInfo("left %.3f mm, right %.3f mm, top %.3f mm", parole.first().xMin - c.x(), riga.last().xMax - c.x(),
              parole.first().yMin - c.y());
        // Section 2 dark blue, the others black.
        QCOMPARE(colore(compila, 2), QColor(0, 0, 192));
        QCOMPARE(colore(compila, 1), QColor(Qt::black));
    }

    void landscapeAndAFormatWidth()
    {
        if (!pdftotextDisponibile())
            QSKIP("pdftotext (poppler-utils) is not installed");
        ProgramFolder dir;
        configura();
        Orientamento = QStringLiteral("2");
        const QString pdf = dir.file(QStringLiteral("formato.pdf"));
        Stampa::setFileDiProva(pdf);
        const auto lavoro = Lavori::conFormato(FormatoNumerico{QStringLiteral("Arial"), 10, 150, 30, 25});
        QVERIFY(lavoro);
        QCOMPARE(lavoro->orientamento, 2);
        QString testo = kTesto;
        QVERIFY(Stampa::esegui(*lavoro, testo));
        QVERIFY(testo.isEmpty());
        const QPointF c = angolo(*lavoro, pdf);
        const auto parole = paroleDelPdf(pdf);
        const auto riga = primaRiga(parole);
        QVERIFY(qAbs(parole.first().xMin - (c.x() + 30)) < 0.5);
        QVERIFY(qAbs(riga.last().xMax - (c.x() + 150)) < 0.5);
        QVERIFY(qAbs(parole.first().yMin - (c.y() + 25)) < 0.5);
    }

    void refusalWithoutAConfiguration()
    {
        ProgramFolder dir;
        const QString pdf = dir.file(QStringLiteral("niente.pdf"));
        Stampa::setFileDiProva(pdf);
        auto *compila = Forms::get<frmCompila>(QStringLiteral("frmCompila"));
        setTesto(compila, 3, kTesto);
        const int prima = Stampa::lavoriInviati();
        for (int i = 0; i < 4; ++i)
            Msg::queueAnswer(Msg::ResOk);
        // Nothing saved yet: empty font and orientation.
        clickAt(compila->cmdStampaCompila(3));
        // A font size that is not a number, an orientation other than 1 or 2, a top margin that is no number.
        configura();
        AltezzaCarattere = QStringLiteral("dodici");
        clickAt(compila->cmdStampaCompila(3));
        configura();
        Orientamento = QStringLiteral("3");
        clickAt(compila->cmdStampaCompila(3));
        configura();
        MargineSuperiore(3) = QStringLiteral("alto");
        clickAt(compila->cmdStampaCompila(3));
        QCOMPARE(Msg::shown().size(), 4);
        for (const Msg::Shown &s : Msg::shown()) {
            QCOMPARE(s.text, QStringLiteral("Prima devi impostare la stampa nel modulo Utilità."));
            QCOMPARE(s.icon, Msg::Information);
            QCOMPARE(s.buttons, Msg::Ok);
            QCOMPARE(s.title, QStringLiteral("Quaderlo"));
        }
        QCOMPARE(Msg::beeps(), 4);
        QCOMPARE(Stampa::lavoriInviati(), prima);
        QVERIFY(!QFileInfo::exists(pdf));
        // The section still turns dark blue.
        QCOMPARE(colore(compila, 3), QColor(0, 0, 192));
        QCOMPARE(colore(compila, 4), QColor(Qt::black));
        VERIFY_NO_UNANSWERED();
    }

    void emptySectionStillMakesAJob()
    {
        ProgramFolder dir;
        configura();
        const QString pdf = dir.file(QStringLiteral("vuoto.pdf"));
        Stampa::setFileDiProva(pdf);
        auto *compila = Forms::get<frmCompila>(QStringLiteral("frmCompila"));
        setTesto(compila, 1, QString());
        clickAt(compila->cmdStampaCompila(1));
        QVERIFY(QFileInfo(pdf).size() > 0);
        QVERIFY(Msg::shown().isEmpty());
    }

    void noPrinterOffersAPdf()
    {
        ProgramFolder dir;
        configura();
        Stampa::setSenzaStampante(true);
        const QString pdf = dir.file(QStringLiteral("scelto"));
        int chiesto = 0;
        Stampa::setSceltaFilePdf([&] { ++chiesto; return pdf; });
        auto lavoro = Lavori::conConfigurazione(20);
        QString testo = kTesto;
        // "No": nothing printed, no file asked for, reported as not done.
        Msg::queueAnswer(Msg::ResNo);
        QVERIFY(!Stampa::esegui(*lavoro, testo));
        QCOMPARE(chiesto, 0);
        // "Yes": the file dialog's name, with .pdf added.
        Msg::queueAnswer(Msg::ResYes);
        testo = kTesto;
        QVERIFY(Stampa::esegui(*lavoro, testo));
        QCOMPARE(chiesto, 1);
        QVERIFY(QFileInfo::exists(pdf + QStringLiteral(".pdf")));
        // The dialog cancelled: nothing.
        Stampa::setSceltaFilePdf([] { return QString(); });
        Msg::queueAnswer(Msg::ResYes);
        testo = kTesto;
        QVERIFY(!Stampa::esegui(*lavoro, testo));
        QCOMPARE(Msg::shown().size(), 3);
        const Msg::Shown s = Msg::shown().first();
        QCOMPARE(s.text, QStringLiteral("Non è installata nessuna stampante.\n\rVuoi salvare la pagina in un file PDF?"));
        QCOMPARE(s.buttons, Msg::YesNo);
        QCOMPARE(s.defaultButton, Msg::ResYes);
        VERIFY_NO_UNANSWERED();
    }

    void aFailedJobIsReported()
    {
        ProgramFolder dir;
        configura();
        // A PDF in a folder that does not exist cannot be opened: the printer refuses the job.
        Stampa::setFileDiProva(dir.file(QStringLiteral("manca/stampa.pdf")));
        const int prima = Stampa::lavoriInviati();
        QString testo = kTesto;
        Msg::queueAnswer(Msg::ResOk);
        QVERIFY(!Stampa::esegui(*Lavori::conConfigurazione(20), testo));
        QCOMPARE(Stampa::lavoriInviati(), prima);
        QCOMPARE(Msg::shown().size(), 1);
        QCOMPARE(Msg::shown().first().text, QStringLiteral("La stampa non è riuscita: la stampante non ha accettato il lavoro."));
        QCOMPARE(Msg::beeps(), 1);
        VERIFY_NO_UNANSWERED();
    }
};

QUADERLO_TEST_MAIN(TestStampaPdf)
#include "tst_StampaPdf.moc"
