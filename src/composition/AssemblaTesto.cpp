#include "composition/AssemblaTesto.h"

#include <algorithm>

namespace {
bool siAttacca(const QString &frase)
{
    return !frase.isEmpty() && QStringLiteral(",;:. ").contains(frase.front());
}
} // namespace

AssemblaTesto::Risultato AssemblaTesto::assembla(const QStringList &voci, QList<int> spuntate)
{
    std::sort(spuntate.begin(), spuntate.end());
    spuntate.erase(std::unique(spuntate.begin(), spuntate.end()), spuntate.end());
    Risultato r;
    bool prima = true;
    for (const int i : std::as_const(spuntate)) {
        if (i < 0 || i >= voci.size())
            continue;
        const QString &voce = voci.at(i);
        const qsizetype uguale = voce.indexOf(QLatin1Char('='));
        QString frase = uguale < 0 ? voce : voce.mid(uguale + 1);
        QString separatore = (uguale > 0 && voce.at(uguale - 1) == QLatin1Char('<')) ? QStringLiteral("\r\n")
                                                                                     : QStringLiteral(" ");
        if (prima)
            separatore.clear();
        r.indici += QString::number(i) + QLatin1Char(' ');
        if (frase.endsWith(QLatin1Char(' ')))
            frase.chop(1);
        if (!siAttacca(frase))
            r.testo += separatore;
        r.testo += frase;
        prima = false;
    }
    return r;
}
