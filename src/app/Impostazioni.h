#pragma once
#include <QString>

// The small settings files of the program folder: Anno.dat, Qua.inf, Titoli.dat.
// Only a missing file is created anew: one that exists but cannot be read is left alone,
// and the values keep what they held.
namespace Impostazioni {
enum class Lettura { Letto, Mancante, Illeggibile };

QString titoloPredefinito(int n); // n = 1..4

Lettura leggiAnno();
bool scriviAnno(QString *error = nullptr);

Lettura leggiPassword();
// Qua.inf's path in the program folder (its own spelling when it exists).
QString filePassword();
bool scriviPassword(const QString &nome, const QString &password, QString *error = nullptr);

Lettura leggiTitoli();
bool scriviTitoli(QString *error = nullptr);

// Why a user name, password or title would not read back as typed; empty when it would.
QString valoreNonRileggibile(const QString &value);
} // namespace Impostazioni
