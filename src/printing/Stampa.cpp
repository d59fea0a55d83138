#include "printing/Stampa.h"
#include "platform/Msg.h"
#include "platform/TextFile.h"
#include "printing/SalvaPdf.h"
#include "platform/Clessidra.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

namespace {
QString g_fileDiProva;
bool g_senzaStampante = false;
int g_lavori = 0;

bool senzaStampante()
{
    return g_senzaStampante || QPrinterInfo::defaultPrinter().isNull();
}

// Where the job goes: empty for the default printer, else a PDF file; nothing when the user gave up.
std::optional<QString> destinazione(const QString &nome)
{
    if (!g_fileDiProva.isEmpty())
        return g_fileDiProva;
    if (!senzaStampante())
        return QString();
    if (Msg::box(QStringLiteral("Non è installata nessuna stampante.\n\rVuoi salvare la pagina in un file PDF?"),
                 Msg::YesNo, Msg::Question, QString(), Msg::ResYes) != Msg::ResYes)
        return std::nullopt;
    const QString file = SalvaPdf::chiedi(nome);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

bool fallita(const QString &perche = QString())
{
    Msg::warn(perche.isEmpty() ? QStringLiteral("La stampa non è riuscita: la stampante non ha accettato il lavoro.")
                               : QStringLiteral("La stampa non è riuscita: %1").arg(perche));
    return false;
}

// Lays out and prints on a printer already set up.
bool stampaSu(QPrinter &printer, const LavoroStampa &lavoro, QString &testo)
{
    Stampa::prepara(printer, lavoro);
    return Impagina::stampa(printer, Impagina::blocchetto(lavoro, testo, printer));
}

// A page for the teacher: written apart, then put in place whole, so an old file is never left half.
bool salvaPdf(const LavoroStampa &lavoro, QString &testo, const QString &file, QString *perche)
{
    QTemporaryDir tmp;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(tmp.filePath(QStringLiteral("pagina.pdf")));
    if (!tmp.isValid() || !stampaSu(printer, lavoro, testo))
        return false;
    const auto pagina = TextFile::readBytes(printer.outputFileName());
    return pagina && TextFile::writeBytes(file, *pagina, perche);
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
    printer.setDocName(lavoro.nome.isEmpty() ? QStringLiteral("Quaderlo") : lavoro.nome);
}

Impaginazione Stampa::impagina(const LavoroStampa &lavoro, QString &testo)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!g_fileDiProva.isEmpty() || senzaStampante())
        printer.setOutputFormat(QPrinter::PdfFormat);
    prepara(printer, lavoro);
    return Impagina::blocchetto(lavoro, testo, printer);
}

bool Stampa::esegui(const LavoroStampa &lavoro, QString &testo)
{
    const auto dove = destinazione(lavoro.nome);
    if (!dove) {
        testo.clear();
        return false;
    }
    const bool suFile = !dove->isEmpty() && g_fileDiProva.isEmpty();
    bool riuscita = false;
    QString perche;
    {
        Clessidra clessidra;
        if (suFile) {
            riuscita = salvaPdf(lavoro, testo, *dove, &perche);
        } else {
            QPrinter printer(QPrinter::HighResolution);
            if (!dove->isEmpty()) {
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(*dove);
            }
            riuscita = stampaSu(printer, lavoro, testo);
        }
    }
    testo.clear();
    if (!riuscita)
        return fallita(perche);
    ++g_lavori;
    if (suFile)
        Msg::box(QStringLiteral("La pagina è stata salvata nel file\n\r%1").arg(QDir::toNativeSeparators(*dove)),
                 Msg::Ok, Msg::Information, QStringLiteral("Fatto"));
    return true;
}

void Stampa::setFileDiProva(const QString &pdf) { g_fileDiProva = pdf; }
void Stampa::setSenzaStampante(bool senza) { g_senzaStampante = senza; }
int Stampa::lavoriInviati() { return g_lavori; }
