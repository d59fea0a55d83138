#pragma once
#include <QString>

// Checks of values typed for the settings files before they are saved.
// Each returns a short message naming the box, or an empty string when the value is good.
namespace ControlloValori {
// The value reads back unchanged: no comma, no line break, no leading double quote,
// only characters of the files' code page.
QString rilettura(const QString &casella, const QString &valore);
// A number (either decimal separator) greater than zero.
QString numeroPositivo(const QString &casella, const QString &valore);
// Any number.
QString numero(const QString &casella, const QString &valore);
// A number that rounds to a whole number from -32768 to 32767.
QString intero16(const QString &casella, const QString &valore);
} // namespace ControlloValori
