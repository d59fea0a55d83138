#pragma once
#include "printing/FileFormati.h"
#include "printing/LavoroStampa.h"

#include <QString>
#include <functional>
#include <optional>

// Which job prints or previews a section: the print configuration, or the format chosen in the preview.
namespace SceltaLavoro {
enum class Rifiuto {
    Nessuno,
    Configurazione, // the configuration (or the orientation a format takes from it) cannot be used
    SceltaFormato,  // formats in use and none chosen
    Formato,        // the chosen format's numbers cannot be read
};

struct Richiesta {
    int quadro = 1;          // 1..4: the section, whose top margin the configuration gives
    bool usaFormato = false; // "Usa formato di stampa" ticked
    int formatoScelto = 4;   // 0..3; 4: none
    QString nome;            // the document's name
};

struct Esito {
    std::optional<LavoroStampa> lavoro;
    Rifiuto rifiuto = Rifiuto::Nessuno;
    QString messaggio; // what to tell when there is no job
};

// The formats are read only when one is chosen; noto tells whether the system has a font.
Esito scegli(const Richiesta &r, const std::function<Formati()> &formati,
             const std::function<bool(const QString &)> &noto);
} // namespace SceltaLavoro
