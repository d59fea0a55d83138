#include "printing/SceltaLavoro.h"

namespace {
SceltaLavoro::Esito rifiuto(SceltaLavoro::Rifiuto r, const QString &messaggio)
{
    return {std::nullopt, r, messaggio};
}

SceltaLavoro::Esito configurazioneRifiutata()
{
    return rifiuto(SceltaLavoro::Rifiuto::Configurazione, LavoroStampa::messaggioConfigurazione());
}
} // namespace

SceltaLavoro::Esito SceltaLavoro::scegli(const Richiesta &r, const std::function<Formati()> &formati,
                                         const std::function<bool(const QString &)> &noto)
{
    std::optional<LavoroStampa> lavoro;
    if (r.usaFormato) {
        if (r.formatoScelto < 0 || r.formatoScelto > 3)
            return rifiuto(Rifiuto::SceltaFormato, QStringLiteral("Prima devi scegliere il formato"));
        QString problema;
        const auto f = FileFormati::numerico(formati()[size_t(r.formatoScelto)], &problema);
        if (!f)
            return rifiuto(Rifiuto::Formato, problema);
        lavoro = LavoroStampa::conFormato(*f);
    } else if (const auto margine = LavoroStampa::margineSuperiore(r.quadro)) {
        lavoro = LavoroStampa::conConfigurazione(*margine);
    }
    if (!lavoro || !noto(lavoro->carattere))
        return configurazioneRifiutata();
    lavoro->nome = r.nome;
    return {lavoro, Rifiuto::Nessuno, QString()};
}
