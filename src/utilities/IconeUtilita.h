#pragma once
#include <QIcon>
#include <QPixmap>

// The pictures of the utilities window, drawn rather than stored.
namespace IconeUtilita {
QIcon personalizza(); // a tag with a pencil: the section titles
QIcon password();     // a padlock
QIcon nuovoAnno();    // a calendar page
QIcon preselezione(); // a list with ticks
QIcon formati();      // a printed sheet with its margins
// The export/import frame's decoration: a computer and a removable disk with arrows between them.
QPixmap scambio(const QSize &size);
} // namespace IconeUtilita
