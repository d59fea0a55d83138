#pragma once
#include "printing/FileFormati.h"
#include "printing/Geometria.h"

#include <QString>
#include <optional>

// Everything one print job needs: font, size in points, orientation (1 portrait, 2 landscape), block,
// and the document's name ("pupil - section title"), which also names a page saved as PDF.
struct LavoroStampa {
    QString carattere;
    float punti = 0;
    int orientamento = 1;
    Geometria geometria;
    QString nome;

    // The message when the configuration cannot be used for printing.
    static QString messaggioConfigurazione();
    // The top margin of section n (1..4) as a whole number; nothing when it is not a number.
    static std::optional<qint16> margineSuperiore(int n);
    // The orientation of the configuration; nothing unless it is 1 or 2.
    static std::optional<int> orientamentoConfigurazione();
    // A job with the configuration and the given top margin; nothing when the configuration is unusable.
    static std::optional<LavoroStampa> conConfigurazione(qint16 margineSuperiore);
    // A job with a format and the configuration's orientation; nothing when that orientation is unusable.
    static std::optional<LavoroStampa> conFormato(const FormatoNumerico &f);
};
