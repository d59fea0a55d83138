#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// How many pupils of a class have each phrase of a section ticked in their stored selection (.dat).
namespace UsoFrasi {
struct Conteggi {
    QList<int> perFrase; // one count per phrase of the list, in list order
    int alunni = 0;      // the pupils of the class
    bool operator==(const Conteggi &) const = default;
};

// Over the pupils' selection files in the class folder: a missing or damaged file counts as no ticks,
// an index a pupil has stored twice counts once.
Conteggi conta(const QString &cartella, const QStringList &alunni, int quadro, int quanteFrasi);
// The same for a class of the archive, its pupils taken from its pupil list.
Conteggi perClasse(const QString &classe, int quadro, int quanteFrasi);
// The tool tip of a phrase chosen by n pupils of m.
QString suggerimento(int n, int m);
} // namespace UsoFrasi
