#pragma once
#include "archive/StatoFile.h"

#include <QList>
#include <QString>

// The pupil list of a class, "ALUNNI." + class in the class folder: records of name and gender code.
namespace Archivio {
struct Alunno {
    QString nome;
    int sesso = 0; // 1 male, 0 female
    bool operator==(const Alunno &) const = default;
};
struct ElencoAlunni {
    StatoFile stato = StatoFile::Mancante;
    QList<Alunno> alunni; // up to the end of the file or the first record with an empty name
    int rigaDanneggiata = 0; // the first line that would not read back as written; 0 for none
};

QString nomeFileAlunni(const QString &classe);
ElencoAlunni leggiAlunni(const QString &path);
// The first line, from 1, that does not read back as a name and gender code pair; 0 when all do.
int rigaDanneggiataAlunni(const QByteArray &bytes);
// An empty list: one record with an empty name, that is two empty lines.
bool creaAlunni(const QString &path, QString *errore = nullptr);
// Rewrites the whole file: for each pupil the name line, then the code as blank, digit, blank.
bool scriviAlunni(const QString &path, const QList<Alunno> &alunni, QString *errore = nullptr);
} // namespace Archivio
