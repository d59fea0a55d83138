#pragma once
#include <QString>
#include <QStringList>

// Quaderlo.cfg: the print configuration record kept in CarQuad.
namespace ConfigStampa {
// Reads the nine values, repeating while the file has more; when the file is missing
// the record is emptied and the result is false.
bool leggi();
// CreaCfg: rewrites the file from the record.
bool scrivi(QString *error = nullptr);
// The record can be used for printing: a font name and orientation 1 or 2.
bool utilizzabile();

// The print settings as typed, before they go into the record.
struct Valori {
    QString carattere, altezzaCarattere, lunghezzaRiga, margineSinistro;
    QString margineSuperiore[4];
};
enum class Campo { Nessuno, Carattere, AltezzaCarattere, LunghezzaRiga, MargineSinistro, MargineSuperiore1,
                   MargineSuperiore2, MargineSuperiore3, MargineSuperiore4 };
struct Problema {
    Campo campo = Campo::Nessuno;
    QString messaggio;
};
// The first value that would not read back or not print, in the frame's order, with the message
// naming its box; the top margins are named after the four section titles.
Problema controlla(const Valori &valori, const QStringList &titoli);
} // namespace ConfigStampa
