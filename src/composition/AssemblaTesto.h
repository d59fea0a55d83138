#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// Joins the ticked phrases of a list into the text of a section.
namespace AssemblaTesto {
struct Risultato {
    QString testo;  // line breaks as CR LF
    QString indici; // selection line of the ticked entries
};

// voci: the list's entries in list order; spuntate: indices of the ticked ones, in any order.
// The phrase is what follows the first "="; a "<" just before it starts the phrase on a new line;
// one blank at its end is dropped; a phrase beginning with , ; : . or a blank is joined with no
// separator, any other after a blank (or CR LF); the first phrase never gets a separator.
Risultato assembla(const QStringList &voci, QList<int> spuntate);
} // namespace AssemblaTesto
