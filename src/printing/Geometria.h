#pragma once
#include <QtGlobal>

// Where a block goes, in millimetres: left edge, width, top of the first line.
struct Geometria {
    float x0 = 0;
    float W = 0;
    float alto = 0;
};

namespace Geometrie {
// Printing with the configuration: the line length counts from the printable page's left edge.
Geometria stampa(double lunghezzaRiga, qint16 margineSinistro, qint16 margineSuperiore);
// Printing with a format: the width in whole millimetres.
Geometria stampaFormato(qint16 lunghezzaRiga, qint16 margineSinistro, qint16 margineSuperiore);
// The preview at one third, the page's corner 36 mm from the left and 15 mm from the top.
constexpr double kScalaAnteprima = 3;
constexpr double kAnteprimaSinistra = 36;
constexpr double kAnteprimaAlto = 15;
Geometria anteprima(double lunghezzaRiga, double margineSinistro, double margineSuperiore);
// A point of the printed page in the preview's millimetres.
inline double anteprimaX(double x) { return x / kScalaAnteprima + kAnteprimaSinistra; }
inline double anteprimaY(double y) { return y / kScalaAnteprima + kAnteprimaAlto; }
} // namespace Geometrie
