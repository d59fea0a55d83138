#include "printing/LavoroStampa.h"
#include "app/CarQuad.h"
#include "platform/Conv.h"
#include "printing/ConfigStampa.h"

using namespace CarQuad;

QString LavoroStampa::messaggioConfigurazione()
{
    return QStringLiteral("Prima devi impostare la stampa nel modulo Utilità.");
}

std::optional<qint16> LavoroStampa::margineSuperiore(int n)
{
    return Conv::toInt16(MargineSuperiore(n));
}

std::optional<int> LavoroStampa::orientamentoConfigurazione()
{
    const auto o = Conv::toInt16(Orientamento);
    if (!o || (*o != 1 && *o != 2))
        return std::nullopt;
    return *o;
}

std::optional<LavoroStampa> LavoroStampa::conConfigurazione(qint16 margineSuperiore)
{
    const auto punti = Conv::toSingle(AltezzaCarattere);
    const auto lunghezza = Conv::toNumber(LunghezzaRiga);
    const auto o = orientamentoConfigurazione();
    if (!ConfigStampa::utilizzabile() || !o || !punti || !(*punti > 0) || !lunghezza)
        return std::nullopt;
    return LavoroStampa{Carattere, *punti, *o, Geometrie::stampa(*lunghezza, MargineSinistro, margineSuperiore)};
}

std::optional<LavoroStampa> LavoroStampa::conFormato(const FormatoNumerico &f)
{
    const auto o = orientamentoConfigurazione();
    if (!o)
        return std::nullopt;
    return LavoroStampa{f.carattere, float(f.altezza), *o,
                        Geometrie::stampaFormato(f.lunghezzaRiga, f.margineSinistro, f.margineSuperiore)};
}
