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
// not listed. A file without CR gives one empty entry. In each entry the gendered pairs are resolved,
// the first "CognomeNome" becomes the pupil's name (pupils only), then every "§" becomes "a" or "o".
QStringList voci(const QByteArray &bytes, const Destinatario &per);
// One entry with its placeholders filled: first each pair "{maschile|femminile}" becomes one of its
// words, then the name, then the endings.
QString compila(QString voce, const Destinatario &per);
// Each pair "{maschile|femminile}" replaced by its second word for a girl, its first otherwise;
// a brace without its bar and closing brace is left as written. When the other word ends with an
// apostrophe and a letter follows the pair ("{un|un'}alunn§"), the chosen word is followed by a blank.
QString coppie(const QString &voce, bool femminile);
} // namespace ListaFrasi
