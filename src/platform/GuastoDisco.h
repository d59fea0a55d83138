#pragma once
#include <QString>
#include <functional>

// A seam for tests: a disk that fills up under the program's file writes. The program never sets it.
namespace GuastoDisco {
// How many bytes of the file at path fit on the disk; negative for no limit.
using Spazio = std::function<qint64(const QString &path)>;
// Every later file write, saves and copies alike, meets this disk; an empty function ends it.
void imposta(Spazio spazio);
} // namespace GuastoDisco
