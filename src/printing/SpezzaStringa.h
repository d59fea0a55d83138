#pragma once
#include <QString>

// Returns the part of s1 before the first s2 and leaves in s1 what follows it;
// when s2 does not occur, returns s1 whole and empties it.
QString SpezzaStringa(QString &s1, const QString &s2);
