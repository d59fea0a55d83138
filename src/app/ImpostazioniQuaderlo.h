#pragma once
#include <QString>
#include <QVariant>

// Quaderlo's own choices, kept apart from the archive's files: Quaderlo.ini (INI format) in the program folder.
namespace ImpostazioniQuaderlo {
QString percorso();
QVariant valore(const QString &chiave, const QVariant &predefinito = {});
// Writes the file at once; false, with the reason, when it could not be written.
bool imposta(const QString &chiave, const QVariant &valore, QString *errore = nullptr);

// The spell check of the text boxes; on unless the teacher turned it off.
bool controlloOrtografico();
bool impostaControlloOrtografico(bool attivo, QString *errore = nullptr);
} // namespace ImpostazioniQuaderlo
