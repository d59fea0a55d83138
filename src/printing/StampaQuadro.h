#pragma once
#include <QString>

class frmCompila;

// Printing and previewing a section from the composition window's editing view.
namespace StampaQuadro {
// Connects the composition window's "Stampa" and "All'anteprima e stampa" buttons and shows them.
void collega(frmCompila *compila);
// cmdStampaCompilaQ1_Click .. cmdStampaCompilaQ4_Click
void cmdStampaCompilaQ_Click(frmCompila *compila, int n);
// cmdAnteprimaQ1_Click .. cmdAnteprimaQ4_Click
void cmdAnteprimaQ_Click(frmCompila *compila, int n);
// Prints the text with the configuration and MargineSuperioreStampa; false when nothing was printed.
bool StampaABlocchettoCompila(QString &testo);
// Beep and "Prima devi impostare la stampa nel modulo Utilità.".
void rifiutaConfigurazione();
} // namespace StampaQuadro
