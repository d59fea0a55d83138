#pragma once
#include <QString>

// The small settings files of the program folder: Anno.dat, Qua.inf, Titoli.dat.
// Readers return false when the file is missing; values that cannot be read keep what they held.
namespace Impostazioni {
QString titoloPredefinito(int n); // n = 1..4

bool leggiAnno();
bool scriviAnno(QString *error = nullptr);

bool leggiPassword();
bool scriviPassword(const QString &nome, const QString &password, QString *error = nullptr);

bool leggiTitoli();
bool scriviTitoli(QString *error = nullptr);

// Why a user name, password or title would not read back as typed; empty when it would.
QString valoreNonRileggibile(const QString &value);
} // namespace Impostazioni
