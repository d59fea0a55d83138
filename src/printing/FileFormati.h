#pragma once
#include <QString>
#include <array>
#include <optional>

// One print format as the editor holds it: the five values as text.
struct FormatoStampa {
    QString carattere;
    QString altezza;
    QString lunghezzaRiga;
    QString margineSinistro;
    QString margineSuperiore;
    bool operator==(const FormatoStampa &) const = default;
};
using Formati = std::array<FormatoStampa, 4>;

// A format as printing reads it: the four numbers as 16-bit integers.
struct FormatoNumerico {
    QString carattere;
    qint16 altezza = 0;
    qint16 lunghezzaRiga = 0;
    qint16 margineSinistro = 0;
    qint16 margineSuperiore = 0;
};

// Formati.dat in the program folder: 20 lines, five values for each of the four formats.
namespace FileFormati {
QString percorso();
Formati predefiniti();
// CreaFormati: writes the defaults, the numbers as blank, digits, blank.
bool CreaFormati(QString *errore = nullptr);
// Reads the twenty values; values that cannot be read stay empty. Nothing when the file is missing.
std::optional<Formati> leggi();
// Reads the file, first creating it with the defaults when it is missing;
// the defaults when it cannot even be created.
Formati leggiOCrea(QString *errore = nullptr);
// Writes the values as they stand, one per line.
bool scrivi(const Formati &formati, QString *errore = nullptr);
// Format k (0..3) for printing: nothing, with the reason, when one of its numbers cannot be read.
std::optional<FormatoNumerico> numerico(const FormatoStampa &f, QString *problema = nullptr);
// Why the formats cannot be saved: a message naming the box, the format (0..3) and field (0..4).
struct Problema {
    QString messaggio;
    int formato = -1;
    int campo = -1;
};
// The first problem found; an empty message when the formats can be saved.
Problema problema(const Formati &formati);
} // namespace FileFormati
