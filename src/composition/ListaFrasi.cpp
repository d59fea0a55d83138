#include "composition/ListaFrasi.h"
#include "platform/Ansi.h"

QString ListaFrasi::compila(QString voce, const Destinatario &per)
{
    static const QString segnaposto = QStringLiteral("CognomeNome");
    if (!per.preselezione) {
        const qsizetype p = voce.indexOf(segnaposto);
        if (p >= 0)
            voce.replace(p, segnaposto.size(), per.nome);
    }
    const QChar finale = (!per.preselezione && per.sesso == 0) ? QLatin1Char('a') : QLatin1Char('o');
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
