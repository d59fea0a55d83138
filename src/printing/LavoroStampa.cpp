#include "printing/LavoroStampa.h"
#include "app/CarQuad.h"
#include "platform/Conversions.h"
#include "utilities/ConfigStampa.h"

using namespace CarQuad;

QString Lavori::messaggioConfigurazione()
{
    return QStringLiteral("Prima devi impostare la stampa nel modulo Utilità.");
}

std::optional<qint16> Lavori::margineSuperiore(int n)
{
    return Conv::toInt16(MargineSuperiore(n));
}

std::optional<int> Lavori::orientamento()
{
    const auto o = Conv::toInt16(Orientamento);
    if (!o || (*o != 1 && *o != 2))
        return std::nullopt;
    return *o;
}

std::optional<LavoroStampa> Lavori::conConfigurazione(qint16 margineSuperiore)
{
    const auto punti = Conv::toSingle(AltezzaCarattere);
    const auto lunghezza = Conv::toNumber(LunghezzaRiga);
    const auto o = orientamento();
    if (!ConfigStampa::utilizzabile() || !o || !punti || !(*punti > 0) || !lunghezza)
        return std::nullopt;
    return LavoroStampa{Carattere, *punti, *o, Geometrie::stampa(*lunghezza, MargineSinistro, margineSuperiore)};
}

std::optional<LavoroStampa> Lavori::conFormato(const FormatoNumerico &f)
{
    const auto o = orientamento();
    if (!o)
        return std::nullopt;
    return LavoroStampa{f.carattere, float(f.altezza), *o,
                        Geometrie::stampaFormato(f.lunghezzaRiga, f.margineSinistro, f.margineSuperiore)};
}
