#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What must be asked before a section's work is replaced or dropped.
namespace Conferme {
// A section as stored: its text file and its line of the selection file.
struct Salvato {
    bool esiste = false;          // the text file exists
    std::optional<QString> testo; // its text as a box shows it; nothing when it cannot be read
    QString scelta;               // the stored selection line of the section
};

// Whether the stored text differs from what its stored ticks assemble from voci (the list's
// entries): corrected by hand, or unreadable. Line ends at its end do not count.
bool correttoAMano(const QStringList &voci, const Salvato &salvato);
// Whether storing nuovo (a box's text) must be asked first: it would replace a text corrected by hand.
bool chiediSostituzione(const QStringList &voci, const Salvato &salvato, const QString &nuovo);
// Whether the ticks now differ from those shown or last confirmed with OK, whatever their order.
bool spunteDaConfermare(QList<int> confermate, QList<int> attuali);
} // namespace Conferme
