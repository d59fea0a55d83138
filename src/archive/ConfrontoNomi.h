#pragma once
#include <QString>
#include <QStringList>

// How class and pupil names are ordered and matched: letter case never tells two names apart,
// as on the file systems the archive lives on.
namespace Archivio {
// Negative, zero or positive: alphabetical order without regard to case (Italian collation).
int confrontaNomi(const QString &a, const QString &b);
// The two names would name the same folder or file.
bool stessoNome(const QString &a, const QString &b);
// Index of the first name of list equal to name without regard to case, or -1.
int trovaNome(const QStringList &list, const QString &name);
} // namespace Archivio
