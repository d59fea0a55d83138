#pragma once
#include "archive/StatoFile.h"

#include <QStringList>

// Classi.dat in the program folder: one class name per line. Its only reader and writer.
namespace Archivio {
struct ElencoClassi {
    StatoFile stato = StatoFile::Mancante;
    QStringList classi; // the listed classes: up to the end of the file or the first empty value
    QStringList righe;  // every line, blanks around it dropped (whether a class exists)
    int rigaDanneggiata = 0; // the first listed line that would not read back as written; 0 for none
};

// Classi.dat of the program folder (or of cartella), matched without regard to case.
QString fileClassi(const QString &cartella = QString());
// The list as Classi.dat's bytes give it.
ElencoClassi elencoClassi(const QByteArray &bytes);
ElencoClassi leggiClassi(const QString &cartella = QString());
// The listed spelling of classe among all lines of Classi.dat, without regard to case; empty when absent.
QString classeEsistente(const ElencoClassi &elenco, const QString &classe);
// An empty list: one empty line.
bool creaClassi(QString *errore = nullptr);
// Rewrites the whole file, one name per line in the given order.
bool scriviClassi(const QStringList &classi, QString *errore = nullptr);
// Appends a class as the last line, keeping every listed name and dropping empty lines. A list that
// cannot be read, or with a line that does not read back, is never rewritten: its classes would be lost.
bool accodaClasse(const QString &classe, QString *errore = nullptr);
} // namespace Archivio
