#pragma once
#include <QString>
#include <QStringList>

// Checking and saving the four section titles typed by the user.
namespace TitoliQuadri {
constexpr int kLunghezzaMassima = 20;

// Why a title cannot be used (it names tabs and merged files, and must read back from Titoli.dat);
// empty when it can. An empty title can.
QString problema(const QString &titolo);

// The first of four titles that cannot be used: its number (1..4) and the message naming it; 0 when all can.
int primoProblema(const QStringList &titoli, QString *messaggio);

// Writes Titoli.dat and only then takes the titles into the shared variables.
bool salva(const QStringList &titoli, QString *error);
} // namespace TitoliQuadri
