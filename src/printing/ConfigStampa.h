#pragma once
#include <QString>

// Quaderlo.cfg: the print configuration record kept in CarQuad.
namespace ConfigStampa {
// Reads the nine values, repeating while the file has more; when the file is missing
// the record is emptied and the result is false.
bool leggi();
// CreaCfg: rewrites the file from the record.
bool scrivi(QString *error = nullptr);
// The record can be used for printing: a font name and orientation 1 or 2.
bool utilizzabile();
} // namespace ConfigStampa
