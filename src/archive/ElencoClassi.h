#pragma once
#include "archive/StatoFile.h"

#include <QStringList>

// Classi.dat in the program folder: one class name per line.
namespace Archivio {
struct ElencoClassi {
    StatoFile stato = StatoFile::Mancante;
    QStringList classi; // the listed classes: up to the end of the file or the first empty value
    QStringList righe;  // every line, blanks around it dropped (whether a class exists)
    int rigaDanneggiata = 0; // the first line that would not read back as written; 0 for none
};

QString fileClassi();
// The class names of Classi.dat's bytes: up to the end or the first empty value.
QStringList classiElencate(const QByteArray &bytes);
ElencoClassi leggiClassi();
// The first line, from 1, of a listed name that the field reader would split or alter (a comma,
// an opening quote); 0 when every listed name reads back.
int rigaDanneggiataClassi(const QByteArray &bytes);
// The listed spelling of classe among all lines of Classi.dat, without regard to case; empty when absent.
QString classeEsistente(const ElencoClassi &elenco, const QString &classe);
// An empty list: one empty line.
bool creaClassi(QString *errore = nullptr);
// Rewrites the whole file, one name per line in the given order.
bool scriviClassi(const QStringList &classi, QString *errore = nullptr);
} // namespace Archivio
