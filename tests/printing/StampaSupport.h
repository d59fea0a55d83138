#pragma once
// Printing tests: stored sections, the editing view opened as a teacher does, the words of a preview and a PDF.
#include "../composition/CompilaSupport.h"

#include "printing/LavoroStampa.h"
#include "printing/Stampa.h"
#include "printing/Superficie.h"

#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#define SALTA_SENZA_PDFTOTEXT() \
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) \
        QSKIP("pdftotext (poppler-utils) is not installed")

struct ParolaPdf {
    QString testo;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0; // millimetres from the page's top left corner
};
using RigaPdf = QList<ParolaPdf>;

// The lines of a PDF (pdftotext -bbox) top to bottom; pagina gets the first page's size in points.
// With numero, of that page alone (from 1).
inline QList<RigaPdf> righePdf(const QString &pdf, QSizeF *pagina = nullptr, int numero = 0)
{
    QStringList args{QStringLiteral("-bbox"), pdf, QStringLiteral("-")};
    if (numero > 0)
        args = QStringList{"-f", QString::number(numero), "-l", QString::number(numero)} + args;
    QProcess p;
    p.start(QStringLiteral("pdftotext"), args);
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression re(QStringLiteral(
        "<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" yMax=\"([-\\d.]+)\">([^<]*)</word>"));
    static const QRegularExpression pag(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
    if (const auto m = pag.match(html); pagina)
        *pagina = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    const auto mm = [](const QString &punti) { return punti.toDouble() * 25.4 / 72.0; };
    QList<RigaPdf> righe;
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        const ParolaPdf p{m.captured(5), mm(m.captured(1)), mm(m.captured(2)), mm(m.captured(3)), mm(m.captured(4))};
        if (righe.isEmpty() || qAbs(p.yMin - righe.last().last().yMin) > 0.1)
            righe.append(RigaPdf());
        righe.last().append(p);
    }
    return righe;
}

// The words of each printed or previewed line.
inline QList<QStringList> righe(const QList<RigaPdf> &stampate)
{
    QList<QStringList> out;
    for (const RigaPdf &riga : stampate) {
        out.append(QStringList());
        for (const ParolaPdf &p : riga)
            out.last() << p.testo;
    }
    return out;
}
inline QList<QStringList> righe(const QList<Scritta> &d)
{
    QList<QStringList> out;
    for (qsizetype i = 0; i < d.size(); ++i) {
        if (i == 0 || qAbs(d[i].y - d[i - 1].y) > 1e-6)
            out.append(QStringList());
        out.last() += d[i].testo.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    return out;
}

// The printable area's top left corner in millimetres.
inline QPointF angolo(const LavoroStampa &lavoro, QPrinter *p = nullptr)
{
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    Stampa::prepara(p ? *p : pdf, lavoro);
    return (p ? *p : pdf).pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
}

// The first line runs from sinistro to destro, its top at alto (mm from corner c; alto < 0: any), and breaks.
inline bool primaRiga(const QList<RigaPdf> &righe, QPointF c, double sinistro, double destro, double alto = -1)
{
    const RigaPdf r = righe.value(0);
    if (r.isEmpty())
        return false;
    qInfo("left %.3f mm, right %.3f mm, top %.3f mm", r.first().xMin - c.x(), r.last().xMax - c.x(), r.first().yMin - c.y());
    return r.size() > 3 && righe.size() > 1 && qAbs(r.first().xMin - c.x() - sinistro) < 0.5
           && qAbs(r.last().xMax - c.x() - destro) < 0.5 && (alto < 0 || qAbs(r.first().yMin - c.y() - alto) < 0.5);
}

// The top of the ink inside a box of page 1 (mm, rendered at 600 dpi); -1 when blank.
inline double primaRigaInchiostro(const QString &pdf, double x0, double x1, double y0, double y1)
{
    const double pxPerMm = 600 / 25.4;
    const int left = int(x0 * pxPerMm), top = int(y0 * pxPerMm);
    QTemporaryDir tmp;
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {"-r", "600", "-gray", "-png", "-singlefile", "-x", QString::number(left), "-y",
                                         QString::number(top), "-W", QString::number(int((x1 - x0) * pxPerMm)), "-H",
                                         QString::number(int((y1 - y0) * pxPerMm)), pdf, tmp.filePath("p")});
    p.waitForFinished(60000);
    const QImage img(tmp.filePath(QStringLiteral("p.png")));
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 128)
                return (top + y) / pxPerMm;
    return -1;
}

namespace StampaProva {
// A section long enough for several lines.
inline const QString kTesto = QStringLiteral(
    "Nel corso del primo quadrimestre Mario ha mostrato un interesse costante per le attività proposte, "
    "partecipando con impegno alle conversazioni e portando a termine i lavori assegnati con ordine.");

// Arial 12, line length 190, left margin 20.
inline QByteArray configurazione(int orientamento = 1, int alto = 20)
{
    const QByteArray a = QByteArray::number(alto) + "\r\n";
    return "Arial\r\n12\r\n190\r\n " + QByteArray::number(orientamento) + " \r\n" + a + a + a + a + " 20 \r\n";
}

// Rossi Mario's four sections stored, his editing view opened from the main menu.
inline frmCompila *apriModifica(const ProgramFolder &dir, const QByteArray &cfg, const QString &testo)
{
    using namespace Compila;
    preparaArchivio(dir);
    dir.write("Quaderlo.cfg", cfg);
    for (int n = 1; n <= 4; ++n)
        dir.write(QStringLiteral("3A/Rossi Mario.q%1").arg(n), ansi(testo.toUtf8().constData()) + "\r\n");
    frmCompila *f = apriDalMenu();
    if (!f || !scegli(classe(), QStringLiteral("3A")) || !scegli(alunno(), QStringLiteral("Rossi Mario")))
        return nullptr;
    clic("cmdCaricaTesto");
    return schedeQuadri()->isVisible() ? f : nullptr;
}

// Section n's tab, then its "Stampa" or "All'anteprima e stampa".
inline void stampaQuadro(frmCompila *f, int n, bool anteprima = false)
{
    clickTab(Compila::schedeQuadri(), n - 1);
    clickAt(control<QPushButton>(f, (anteprima ? QStringLiteral("cmdAnteprimaQ%1") : QStringLiteral("cmdStampaCompilaQ%1")).arg(n)));
}

using Compila::rispondi;

inline QColor colore(int n)
{
    return Compila::txtQ(n)->palette().color(QPalette::Text);
}
} // namespace StampaProva
