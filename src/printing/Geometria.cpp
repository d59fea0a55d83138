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
    return {float(margineSinistro / 3 + 36), float(lunghezzaRiga / 3 - margineSinistro / 3),
            float(margineSuperiore / 3 + 15)};
}
