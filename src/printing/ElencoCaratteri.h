#pragma once

class QComboBox;

// The printer's fonts, as offered by the system's font database.
namespace ElencoCaratteri {
// Appends, in the database's order, every font name that the box's list does not hold yet
// (so that focusing the box again does not repeat the names).
void aggiungiA(QComboBox *box);
} // namespace ElencoCaratteri
