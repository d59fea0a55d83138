#pragma once
#include <QList>
#include <QString>
#include <array>
#include <optional>

// Selection lines ("0 3 12 ") and the selection files: a pupil's .dat and presele.dat.
namespace Selezione {
using Righe = std::array<QString, 4>; // line 1 for section 1 .. line 4 for section 4

// The indices, each followed by one blank.
QString riga(const QList<int> &indici);
// The indices to tick from a selection string: each token runs up to a blank; a token that is
// not a number, or names an index the list (of quanteVoci entries) does not have, is skipped;
// what follows the last blank is ignored.
QList<int> daTicchettare(const QString &selezione, int quanteVoci);

// The lines the file holds (at most four), without their line ends; nothing when it is missing.
std::optional<QList<QString>> leggi(const QString &path);
// Puts the lines read into righe; lines the file lacks keep what righe held.
bool leggiIn(const QString &path, Righe &righe);
// Replaces the file (atomically) with the four lines.
bool scrivi(const QString &path, const Righe &righe, QString *error = nullptr);
} // namespace Selezione
