#pragma once
#include <QString>
#include <optional>

#include "printing/LavoroStampa.h"

class frmCompila;

// Printing and previewing a section from the composition window's editing view.
namespace StampaQuadro {
// Connects the composition window's "Stampa" and "All'anteprima e stampa" buttons and shows them.
void collega(frmCompila *compila);
// cmdStampaCompilaQ1_Click .. cmdStampaCompilaQ4_Click
void cmdStampaCompilaQ_Click(frmCompila *compila, int n);
// cmdAnteprimaQ1_Click .. cmdAnteprimaQ4_Click
void cmdAnteprimaQ_Click(frmCompila *compila, int n);
// Section n's text as it is stored: its box's text followed by the CR LF that saving adds.
QString testoQuadro(const frmCompila *compila, int n);
// The document's name: the pupil's file name, " - ", section n's title.
QString nomeDocumento(int n);
// The job with the configuration and MargineSuperioreStampa; nothing, after the refusal, when the
// configuration cannot be used or names a font the system does not know.
std::optional<LavoroStampa> lavoroConfigurazione(const QString &nome);
// Prints the text with the configuration and MargineSuperioreStampa; false when nothing was printed.
bool StampaABlocchettoCompila(QString &testo, const QString &nome = QString());
// Beep and "Prima devi impostare la stampa nel modulo Utilità.".
void rifiutaConfigurazione();
} // namespace StampaQuadro
