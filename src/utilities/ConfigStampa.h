#pragma once
#include <QString>

// Quaderlo.cfg: the print configuration record kept in CarQuad.
namespace ConfigStampa {
// Reads the nine values, repeating while the file has more; false when the file is missing.
bool leggi();
// CreaCfg: rewrites the file from the record.
bool scrivi(QString *error = nullptr);
// The record can be used for printing: a font name and orientation 1 or 2.
bool utilizzabile();
} // namespace ConfigStampa
