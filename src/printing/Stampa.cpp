#include "printing/Stampa.h"
#include "platform/MsgBox.h"
#include "platform/Paths.h"
#include "printing/Blocchetto.h"
#include "printing/SuperficieStampante.h"

#include <QApplication>
#include <QFileDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
QString g_fileDiProva;
bool g_senzaStampante = false;
int g_lavori = 0;

QString chiediFilePdf()
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), QStringLiteral("Salva la pagina in PDF"),
                                        Paths::join(Paths::programFolder(), QStringLiteral("Stampa.pdf")),
                                        QStringLiteral("File PDF (*.pdf)"));
}
std::function<QString()> g_sceltaPdf = chiediFilePdf;

// The hourglass while the job is prepared and sent.
struct Clessidra {
    Clessidra() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Clessidra() { QApplication::restoreOverrideCursor(); }
};

// Where the job goes: empty for the default printer, else a PDF file; nothing when the user gave up.
std::optional<QString> destinazione()
{
    if (!g_fileDiProva.isEmpty())
        return g_fileDiProva;
    if (!g_senzaStampante && !QPrinterInfo::defaultPrinter().isNull())
        return QString();
    if (Msg::box(QStringLiteral("Non è installata nessuna stampante.\n\rVuoi salvare la pagina in un file PDF?"),
                 Msg::YesNo, Msg::Question, QString(), Msg::ResYes) != Msg::ResYes)
        return std::nullopt;
    QString nome = g_sceltaPdf ? g_sceltaPdf() : QString();
    if (nome.isEmpty())
        return std::nullopt;
    if (!nome.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        nome += QLatin1String(".pdf");
    return nome;
}

bool fallita()
{
    Msg::warn(QStringLiteral("La stampa non è riuscita: la stampante non ha accettato il lavoro."));
    return false;
}
} // namespace

QFont Stampa::carattere(const LavoroStampa &lavoro)
{
    QFont f(lavoro.carattere);
    f.setPointSizeF(lavoro.punti);
    return f;
}

void Stampa::prepara(QPrinter &printer, const LavoroStampa &lavoro)
{
    printer.setPageOrientation(lavoro.orientamento == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setDocName(QStringLiteral("Quaderlo"));
}

bool Stampa::esegui(const LavoroStampa &lavoro, QString &testo)
{
    const auto dove = destinazione();
    if (!dove)
        return false;
    bool riuscita = false;
    {
        Clessidra clessidra;
        QPrinter printer(QPrinter::HighResolution);
        if (!dove->isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(*dove);
        }
        prepara(printer, lavoro);
        SuperficieStampante s(printer, carattere(lavoro));
        if (s.inizia()) {
            s.setCurrentY(lavoro.geometria.alto);
            ImpaginaBlocchetto(s, testo, lavoro.geometria.x0, lavoro.geometria.W);
            riuscita = s.termina();
        }
    }
    testo.clear();
    if (!riuscita)
        return fallita();
    ++g_lavori;
    return true;
}

void Stampa::setFileDiProva(const QString &pdf) { g_fileDiProva = pdf; }
void Stampa::setSenzaStampante(bool senza) { g_senzaStampante = senza; }
void Stampa::setSceltaFilePdf(std::function<QString()> scelta) { g_sceltaPdf = std::move(scelta); }
int Stampa::lavoriInviati() { return g_lavori; }
