#pragma once
#include "printing/StampaClasse.h"

#include <QList>
#include <QString>

// A section's texts for every pupil of a class, as the editing view hands each one to the printer.
namespace TestiClasse {
// The pupils of the class's list, in its order, with section n's text (1..4); nothing, with the reason
// in errore, when the list is missing, unreadable or empty.
QList<StampaClasse::Alunno> leggi(const QString &classe, int n, QString *errore);
} // namespace TestiClasse
