#pragma once
#include <QString>

class QComboBox;

// The printer's fonts, as offered by the system's font database.
namespace ElencoCaratteri {
// Appends, in the database's order, every font name that the box's list does not hold yet
// (so that focusing the box again does not repeat the names).
void aggiungiA(QComboBox *box);
// The system has this font, or a metric-compatible substitute for it (Arial, Times New Roman and
// Courier New through Liberation, Comic Sans MS through Comic Neue); a name it would only replace
// with a fallback font is unknown.
bool noto(const QString &nome);
} // namespace ElencoCaratteri
