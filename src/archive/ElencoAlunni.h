#pragma once
#include "archive/Archivio.h"
#include "archive/StatoFile.h"

#include <QList>
#include <QString>

// The pupil list of a class, "ALUNNI." + class in the class folder: records of name and gender code.
// Its only reader and writer.
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

// The list as the file's bytes give it; a gender code that is not a number counts as 0.
ElencoAlunni elencoAlunni(const QByteArray &bytes);
ElencoAlunni leggiAlunni(const QString &path);
// An empty list: one record with an empty name, that is two empty lines.
bool creaAlunni(const QString &path, QString *errore = nullptr);
// Rewrites the whole file: for each pupil the name line, then the code as blank, digit, blank.
bool scriviAlunni(const QString &path, const QList<Alunno> &alunni, QString *errore = nullptr);
} // namespace Archivio
