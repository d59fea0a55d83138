#pragma once
#include <QByteArray>
#include <QString>

// A section text file (pupil + ".q1" .. ".q4"): the text with CR LF line breaks, then one CR LF.
// In a text box line breaks are "\n".
namespace TestoQuadro {
// The text for a box: the one CR LF that writing added is dropped, CR LF (or a lone CR) becomes "\n".
QString perCasella(const QByteArray &bytes);
// The file's bytes for a box's text: "\n" becomes CR LF, then CR LF is added.
// Characters Windows-1252 cannot store are collected in nonAmmessi.
QByteArray perFile(const QString &testo, QString *nonAmmessi = nullptr);
// Line breaks of a box's text as CR LF (as the printing and the file expect them).
QString conCrLf(QString testo);
// Line breaks of a text with CR LF as "\n".
QString conAcapo(QString testo);

// The whole file for a box; empty text when it is missing or unreadable.
QString leggi(const QString &path);
// Replaces the file atomically; fails, writing nothing, when the text holds characters
// Windows-1252 cannot store.
bool scrivi(const QString &path, const QString &testo, QString *error = nullptr);
} // namespace TestoQuadro
