#pragma once
#include <QList>
#include <QString>

// The drives a class can be exported to or imported from: the mounted volumes.
namespace Drives {
struct Drive {
    QString name; // as shown in a drive list
    QString root; // the folder at the top of the drive
};
// Removable media first, then the home folder and the other volumes; drive letters in order on Windows.
QList<Drive> list();
// Tests put folders in place of the machine's drives; an empty list gives the real drives back.
void setForTests(const QList<Drive> &drives);
} // namespace Drives
