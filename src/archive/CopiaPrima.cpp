#include "archive/CopiaPrima.h"
#include "archive/CopieSicurezza.h"
#include "platform/Clessidra.h"
#include "platform/Msg.h"
#include "platform/Paths.h"

#include <QDate>

bool CopiaPrima(const QString &titolo, bool chiedi)
{
    // An older archive whose class owns the copies' folder has no copies.
    if (CopieSicurezza::cartella(Paths::programFolder()).isEmpty())
        return true;
    CopieSicurezza::Esito esito;
    {
        Clessidra clessidra;
        esito = CopieSicurezza::copia(Paths::programFolder(), QDate::currentDate());
    }
    if (esito.ok)
        return true;
    const QString testo = QStringLiteral("Impossibile fare la copia di sicurezza dell'archivio:\n\r") + esito.errore;
    if (!chiedi) {
        Msg::box(testo, Msg::Ok, Msg::Critical, titolo);
        return false;
    }
    return Msg::askYesNo(testo + QStringLiteral("\n\rVuoi continuare lo stesso?"), titolo, Msg::Exclamation);
}
