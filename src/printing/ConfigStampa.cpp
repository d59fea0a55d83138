#include "printing/ConfigStampa.h"
#include "app/CarQuad.h"
#include "platform/Conv.h"
#include "printing/ControlloValori.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

using namespace CarQuad;

bool ConfigStampa::leggi()
{
    FieldReader in;
    if (!in.open(Paths::inProgram(QStringLiteral("quaderlo.cfg")))) {
        // Without the file there is no configuration: printing then asks for one to be saved.
        Carattere.clear();
        AltezzaCarattere.clear();
        LunghezzaRiga.clear();
        Orientamento.clear();
        for (int n = 1; n <= 4; ++n)
            MargineSuperiore(n).clear();
        MargineSinistro = 0;
        return false;
    }
    QString v;
    QString *const texts[] = {&Carattere, &AltezzaCarattere, &LunghezzaRiga, &Orientamento,
                              &MargineSuperiore1, &MargineSuperiore2, &MargineSuperiore3, &MargineSuperiore4};
    while (!in.atEnd()) {
        for (QString *t : texts)
            if (in.readField(&v))
                *t = v;
        if (in.readField(&v))
            if (const auto m = Conv::toInt16(v))
                MargineSinistro = *m;
    }
    return true;
}

bool ConfigStampa::scrivi(QString *error)
{
    LineWriter w;
    w.line(Carattere).line(AltezzaCarattere).line(LunghezzaRiga);
    w.number(Conv::toInt16(Orientamento).value_or(0));
    for (int n = 1; n <= 4; ++n)
        w.line(MargineSuperiore(n));
    w.number(MargineSinistro);
    return w.save(Paths::inProgram(QStringLiteral("Quaderlo.cfg")), error);
}

bool ConfigStampa::utilizzabile()
{
    const auto o = Conv::toInt16(Orientamento);
    return !Carattere.trimmed().isEmpty() && o && (*o == 1 || *o == 2);
}

ConfigStampa::Problema ConfigStampa::controlla(const Valori &v, const QStringList &titoli)
{
    using namespace ControlloValori;
    QString font = rilettura(QStringLiteral("Carattere"), v.carattere);
    if (font.isEmpty() && v.carattere.trimmed().isEmpty())
        font = QStringLiteral("Scegli il carattere.");
    const std::pair<Campo, QString> esiti[] = {
        {Campo::Carattere, font},
        {Campo::AltezzaCarattere, numeroPositivo(QStringLiteral("Altezza del carattere"), v.altezzaCarattere)},
        {Campo::LunghezzaRiga, numero(QStringLiteral("Lunghezza della riga di stampa"), v.lunghezzaRiga)},
        {Campo::MargineSinistro, intero16(QStringLiteral("Margine sinistro"), v.margineSinistro)},
    };
    for (const auto &[campo, messaggio] : esiti)
        if (!messaggio.isEmpty())
            return {campo, messaggio};
    for (int i = 0; i < 4; ++i) {
        const QString nome = (QStringLiteral("Margine superiore ") + titoli.value(i)).trimmed();
        if (const QString m = intero16(nome, v.margineSuperiore[i]); !m.isEmpty())
            return {Campo(int(Campo::MargineSuperiore1) + i), m};
    }
    return {};
}
