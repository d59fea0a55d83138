#include "printing/Geometria.h"

Geometria Geometrie::stampa(double lunghezzaRiga, qint16 margineSinistro, qint16 margineSuperiore)
{
    return {float(margineSinistro), float(lunghezzaRiga - margineSinistro), float(margineSuperiore)};
}

Geometria Geometrie::stampaFormato(qint16 lunghezzaRiga, qint16 margineSinistro, qint16 margineSuperiore)
{
    const int w = int(lunghezzaRiga) - int(margineSinistro);
    return {float(margineSinistro), float(w), float(margineSuperiore)};
}

Geometria Geometrie::anteprima(double lunghezzaRiga, double margineSinistro, double margineSuperiore)
{
    const double w = lunghezzaRiga / kScalaAnteprima - margineSinistro / kScalaAnteprima;
    return {float(anteprimaX(margineSinistro)), float(w), float(anteprimaY(margineSuperiore))};
}
