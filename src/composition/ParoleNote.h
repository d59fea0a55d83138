#pragma once
#include <QStringList>

// Words the spell check takes as known while a class is open: the pupils' names and the words of the
// four phrase files, each "§" read both as "a" and as "o".
namespace ParoleNote {
// fileAlunni: the class's pupil list; empty for none (preselection).
QStringList leggi(const QString &fileAlunni);
} // namespace ParoleNote
