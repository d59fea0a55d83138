#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// The entries of a phrase file (quadro1.txt .. quadro4.txt) as the phrase list shows them.
namespace ListaFrasi {
// Who the list is filled for: a pupil (name and gender code) or the preselection.
struct Destinatario {
    bool preselezione = false;
    QString nome;  // the pupil's name as the pupil box shows it
    int sesso = 1; // 0 female, anything else male
};

// Only lines ended by CR are entries (the LF after it is skipped); text after the last CR is
// not listed. A file without CR gives one empty entry. In each entry the first "CognomeNome"
// becomes the pupil's name (pupils only), then every "§" becomes "a" or "o".
QStringList voci(const QByteArray &bytes, const Destinatario &per);
// One entry with its placeholders filled.
QString compila(QString voce, const Destinatario &per);
} // namespace ListaFrasi
