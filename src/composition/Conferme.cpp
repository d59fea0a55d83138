#include "composition/Conferme.h"
#include "composition/AssemblaTesto.h"
#include "composition/Selezione.h"
#include "composition/TestoQuadro.h"

#include <algorithm>

namespace {
QString senzaAcapoFinali(QString testo)
{
    testo = TestoQuadro::conAcapo(testo);
    while (testo.endsWith(QLatin1Char('\n')))
        testo.chop(1);
    return testo;
}

QList<int> insieme(QList<int> indici)
{
    std::sort(indici.begin(), indici.end());
    indici.erase(std::unique(indici.begin(), indici.end()), indici.end());
    return indici;
}
} // namespace

bool Conferme::correttoAMano(const QStringList &voci, const Salvato &salvato)
{
    if (!salvato.esiste)
        return false;
    if (!salvato.testo)
        return true;
    const QList<int> spunte = Selezione::daTicchettare(salvato.scelta, int(voci.size()));
    return senzaAcapoFinali(*salvato.testo) != senzaAcapoFinali(AssemblaTesto::assembla(voci, spunte).testo);
}

bool Conferme::chiediSostituzione(const QStringList &voci, const Salvato &salvato, const QString &nuovo)
{
    if (salvato.testo && senzaAcapoFinali(*salvato.testo) == senzaAcapoFinali(nuovo))
        return false;
    return correttoAMano(voci, salvato);
}

bool Conferme::spunteDaConfermare(QList<int> confermate, QList<int> attuali)
{
    return insieme(std::move(confermate)) != insieme(std::move(attuali));
}
