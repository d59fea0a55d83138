#include "printing/StampaQuadro.h"
#include "app/CarQuad.h"
#include "platform/Msg.h"
#include "printing/ElencoCaratteri.h"
#include "printing/Stampa.h"

using namespace CarQuad;

SceltaLavoro::Esito StampaQuadro::scegli(const SceltaLavoro::Richiesta &r)
{
    return SceltaLavoro::scegli(r, [] { return FileFormati::leggiOCrea(); }, ElencoCaratteri::noto);
}

void StampaQuadro::avvisa(const SceltaLavoro::Esito &esito)
{
    switch (esito.rifiuto) {
    case SceltaLavoro::Rifiuto::Nessuno:
        break;
    case SceltaLavoro::Rifiuto::Configurazione:
        Msg::beep();
        Msg::box(esito.messaggio, Msg::Ok, Msg::Information);
        break;
    case SceltaLavoro::Rifiuto::SceltaFormato:
        Msg::box(esito.messaggio, Msg::Ok, Msg::Information);
        break;
    case SceltaLavoro::Rifiuto::Formato:
        Msg::warn(esito.messaggio);
        break;
    }
}

bool StampaQuadro::StampaABlocchetto(const SceltaLavoro::Esito &esito, QString &testo)
{
    if (!esito.lavoro) {
        avvisa(esito);
        return false;
    }
    return Stampa::esegui(*esito.lavoro, testo);
}

bool StampaQuadro::StampaABlocchettoCompila(int n, QString &testo, const QString &nome)
{
    if (const auto margine = LavoroStampa::margineSuperiore(n))
        MargineSuperioreStampa = *margine;
    return StampaABlocchetto(scegli({n, false, 4, nome}), testo);
}
