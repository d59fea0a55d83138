#pragma once
#include <QString>

// A copy of the archive before an operation that empties or replaces it, under the hourglass.
// When the copy fails the teacher is told why and, when chiedi, asked whether to go on anyway
// (title: the operation's). True: go on.
bool CopiaPrima(const QString &titolo, bool chiedi = true);
