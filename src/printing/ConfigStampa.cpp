#include "printing/ConfigStampa.h"
#include "app/CarQuad.h"
#include "platform/Conv.h"
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
