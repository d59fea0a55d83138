#pragma once
#include <QString>

// What reading a list file found: a missing file reads as an empty list,
// an unreadable one must never be replaced by a shorter list.
namespace Archivio {
enum class StatoFile { Mancante, Illeggibile, Letto };
// A list line that the field reader gives back as one unchanged value: no comma, no opening quote.
inline bool nomeRileggibile(const QString &riga)
{
    const QString t = riga.trimmed();
    return !t.contains(QLatin1Char(',')) && !t.startsWith(QLatin1Char('"'));
}
} // namespace Archivio
