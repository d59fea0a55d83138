#include "composition/ListaFrasi.h"
#include "platform/Ansi.h"

#include <QRegularExpression>

QString ListaFrasi::coppie(const QString &voce, bool femminile)
{
    // "{maschile|femminile}": neither word may hold a brace or a bar; anything else stays as written.
    static const QRegularExpression coppia(QStringLiteral("\\{([^{}|]*)\\|([^{}|]*)\\}"));
    if (!voce.contains(QLatin1Char('{')))
        return voce;
    QString out;
    qsizetype da = 0;
    for (auto it = coppia.globalMatch(voce); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(voce).mid(da, m.capturedStart() - da);
        const QString scelta = m.captured(femminile ? 2 : 1), altra = m.captured(femminile ? 1 : 2);
        out += scelta;
        da = m.capturedEnd();
        // "{un|un'}alunn§": the word without the apostrophe is a word of its own.
        if (altra.endsWith(QLatin1Char('\'')) && !scelta.isEmpty() && scelta.back().isLetter() && da < voce.size()
            && voce.at(da).isLetter())
            out += QLatin1Char(' ');
    }
    out += QStringView(voce).mid(da);
    return out;
}

QString ListaFrasi::compila(QString voce, const Destinatario &per)
{
    static const QString segnaposto = QStringLiteral("CognomeNome");
    const bool femminile = !per.preselezione && per.sesso == 0;
    voce = coppie(voce, femminile);
    if (!per.preselezione) {
        const qsizetype p = voce.indexOf(segnaposto);
        if (p >= 0)
            voce.replace(p, segnaposto.size(), per.nome);
    }
    const QChar finale = femminile ? QLatin1Char('a') : QLatin1Char('o');
    voce.replace(QChar(0xA7), finale);
    return voce;
}

QStringList ListaFrasi::voci(const QByteArray &bytes, const Destinatario &per)
{
    const QString testo = Ansi::decode(bytes);
    QStringList out;
    qsizetype cr = testo.indexOf(QLatin1Char('\r'));
    if (cr < 0)
        return {QString()};
    qsizetype inizio = 0;
    while (cr >= 0) {
        out << compila(testo.mid(inizio, cr - inizio), per);
        inizio = cr + 1;
        if (inizio < testo.size() && testo[inizio] == QLatin1Char('\n'))
            ++inizio;
        cr = testo.indexOf(QLatin1Char('\r'), inizio);
    }
    return out;
}
