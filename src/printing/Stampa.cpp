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
std::optional<QString> destinazione(const QString &nome, qsizetype pagine)
{
    if (!g_fileDiProva.isEmpty())
        return g_fileDiProva;
    if (!senzaStampante())
        return QString();
    const QString cosa = pagine > 1 ? QStringLiteral("le pagine") : QStringLiteral("la pagina");
    if (Msg::box(QStringLiteral("Non è installata nessuna stampante.\n\rVuoi salvare %1 in un file PDF?").arg(cosa),
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

// Draws the whole job on a printer whose destination is already set.
using Disegno = std::function<bool(QPrinter &)>;

// A PDF for the teacher: written apart, then put in place whole, so an old file is never left half.
bool salvaPdf(const Disegno &disegna, const QString &file, QString *perche)
{
    QTemporaryDir tmp;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(tmp.filePath(QStringLiteral("pagina.pdf")));
    if (!tmp.isValid() || !disegna(printer))
        return false;
    const auto pdf = TextFile::readBytes(printer.outputFileName());
    return pdf && TextFile::writeBytes(file, *pdf, perche);
}

// Sends a job of that many pages to the printer, or to a PDF file; failures are told.
bool invia(const QString &nome, qsizetype pagine, const Disegno &disegna)
{
    const auto dove = destinazione(nome, pagine);
    if (!dove)
        return false;
    const bool suFile = !dove->isEmpty() && g_fileDiProva.isEmpty();
    bool riuscita = false;
    QString perche;
    {
        Clessidra clessidra;
        if (suFile) {
            riuscita = salvaPdf(disegna, *dove, &perche);
        } else {
            QPrinter printer(QPrinter::HighResolution);
            if (!dove->isEmpty()) {
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(*dove);
            }
            riuscita = disegna(printer);
        }
    }
    if (!riuscita)
        return fallita(perche);
    ++g_lavori;
    const QString file = QDir::toNativeSeparators(*dove);
    if (suFile)
        Msg::box(pagine > 1 ? QStringLiteral("Le %1 pagine sono state salvate nel file\n\r%2").arg(pagine).arg(file)
                            : QStringLiteral("La pagina è stata salvata nel file\n\r%1").arg(file),
                 Msg::Ok, Msg::Information, QStringLiteral("Fatto"));
    return true;
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

void Stampa::imposta(QPrinter &printer, const LavoroStampa &lavoro)
{
    if (!g_fileDiProva.isEmpty() || senzaStampante())
        printer.setOutputFormat(QPrinter::PdfFormat);
    prepara(printer, lavoro);
}

Impaginazione Stampa::impagina(const LavoroStampa &lavoro, QString &testo)
{
    QPrinter printer(QPrinter::HighResolution);
    imposta(printer, lavoro);
    return Impagina::blocchetto(lavoro, testo, printer);
}

std::optional<QList<Impaginazione>> Stampa::impaginaPagine(QList<Pagina> pagine, const std::function<bool(int)> &avanti)
{
    QList<Impaginazione> out;
    if (pagine.isEmpty())
        return out;
    QPrinter printer(QPrinter::HighResolution);
    imposta(printer, pagine.first().lavoro);
    for (qsizetype i = 0; i < pagine.size(); ++i) {
        if (avanti && !avanti(int(i)))
            return std::nullopt;
        out.append(Impagina::blocchetto(pagine[i].lavoro, pagine[i].testo, printer));
    }
    return out;
}

bool Stampa::esegui(const LavoroStampa &lavoro, QString &testo)
{
    const bool inviata = invia(lavoro.nome, 1, [&](QPrinter &printer) {
        prepara(printer, lavoro);
        return Impagina::stampa(printer, Impagina::blocchetto(lavoro, testo, printer));
    });
    testo.clear();
    return inviata;
}

bool Stampa::eseguiPagine(const LavoroStampa &lavoro, const QList<Impaginazione> &pagine)
{
    return invia(lavoro.nome, pagine.size(), [&](QPrinter &printer) {
        prepara(printer, lavoro);
        return Impagina::stampa(printer, pagine);
    });
}

void Stampa::setFileDiProva(const QString &pdf) { g_fileDiProva = pdf; }
void Stampa::setSenzaStampante(bool senza) { g_senzaStampante = senza; }
int Stampa::lavoriInviati() { return g_lavori; }
