#pragma once
#include <QString>
#include <functional>

// Where a page goes when there is no printer: a PDF file the teacher chooses, first offered in the
// Documents folder, then in the folder chosen last while the program runs.
namespace SalvaPdf {
// nome + ".pdf" in the folder to offer; characters a file name cannot hold become "-".
QString proposta(const QString &nome);
// Asks for the file, starting from the proposal; empty when the teacher gave up.
// ".pdf" is added when missing, and the file's folder is offered next time.
QString chiedi(const QString &nome);
// The question itself: the default shows a save dialog. Tests answer it with a function of
// the proposed path (empty function: the dialog again).
void setDomanda(std::function<QString(const QString &proposta)> domanda);
// Forgets the folder chosen last.
void dimentica();
} // namespace SalvaPdf
