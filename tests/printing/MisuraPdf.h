#pragma once
// Words of a PDF with their boxes in millimetres from the page's top left corner, read with pdftotext -bbox.
#include <QImage>
#include <QList>
#include <QTemporaryDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>

struct ParolaPdf {
    QString testo;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

inline bool pdftotextDisponibile()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

inline QList<ParolaPdf> paroleDelPdf(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression re(QStringLiteral(
        "<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" yMax=\"([-\\d.]+)\">([^<]*)</word>"));
    const double mm = 25.4 / 72.0;
    QList<ParolaPdf> parole;
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        parole.append({m.captured(5), m.captured(1).toDouble() * mm, m.captured(2).toDouble() * mm,
                       m.captured(3).toDouble() * mm, m.captured(4).toDouble() * mm});
    }
    return parole;
}

// The words on the same line as the first word (same top, within a tenth of a millimetre).
inline QList<ParolaPdf> primaRiga(const QList<ParolaPdf> &parole)
{
    QList<ParolaPdf> riga;
    for (const ParolaPdf &p : parole)
        if (!parole.isEmpty() && qAbs(p.yMin - parole.first().yMin) < 0.1)
            riga.append(p);
    return riga;
}

// The top of the ink inside a box of page 1 (millimetres), from the page rendered at 600 dpi; -1 when blank.
inline double primaRigaInchiostro(const QString &pdf, double x0, double x1, double y0, double y1)
{
    const double pxPerMm = 600 / 25.4;
    const int left = int(x0 * pxPerMm), top = int(y0 * pxPerMm);
    QTemporaryDir tmp;
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("600"), QStringLiteral("-gray"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), QStringLiteral("-x"), QString::number(left), QStringLiteral("-y"),
             QString::number(top), QStringLiteral("-W"), QString::number(int((x1 - x0) * pxPerMm)),
             QStringLiteral("-H"), QString::number(int((y1 - y0) * pxPerMm)), pdf, tmp.filePath(QStringLiteral("p"))});
    p.waitForFinished(60000);
    const QImage img(tmp.filePath(QStringLiteral("p.png")));
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 128)
                return (top + y) / pxPerMm;
    return -1;
}
