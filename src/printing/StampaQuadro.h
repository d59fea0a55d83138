#pragma once
#include "printing/SceltaLavoro.h"

#include <QString>

// Printing a section: the caller gives the section, its text as stored and the document's name.
namespace StampaQuadro {
// The job with Formati.dat and the system's fonts.
SceltaLavoro::Esito scegli(const SceltaLavoro::Richiesta &r);
// Tells why there is no job: the configuration refused after a beep, a format to choose, a format to correct.
void avvisa(const SceltaLavoro::Esito &esito);
// Prints the text (consumed) with the job chosen; false, after telling why, when nothing was printed.
bool StampaABlocchetto(const SceltaLavoro::Esito &esito, QString &testo);
// cmdStampaCompilaQn_Click's printing: section n's text with the configuration.
bool StampaABlocchettoCompila(int n, QString &testo, const QString &nome);
} // namespace StampaQuadro
