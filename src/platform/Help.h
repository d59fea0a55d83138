#pragma once
#include <QString>
#include <QStringList>

class QWidget;

// The program's guide: "Aiuto.chm" opened with the system's help viewer where there is one,
// otherwise the same pages (the "Guida" folder beside it) in a help window of the program's own.
namespace Help {
// Opens the guide at the page of the named window (its object name), where the viewer allows it;
// at the contents page for no window or one without a page of its own.
void open(const QString &finestra = QString());
// The guide's page of a window ("frmModifica": "archivi.html"); "index.html" for any other.
QString pagina(const QString &finestra);
// Makes a label open the guide when clicked (the main menu's "Per la Guida premi F1 o apri Aiuto.chm").
void rendiCliccabile(QWidget *label);

// Folders searched for the guide, in order: the program folder, then the installed data folder
// and the executable's folder.
QStringList cartelle();
// The first Aiuto.chm of cartelle(); empty when there is none.
QString fileChm();
// The first Guida/index.html of cartelle(); empty when there is none.
QString paginaIniziale();
// The command that opens a .chm file on this system (a viewer found on PATH); empty when none.
QString visualizzatoreChm();
// The program's own help window, created on first use (null until then).
QWidget *finestra();
// For tests: never start another program, always use the program's own window.
void setSoloFinestraInterna(bool on);
} // namespace Help
