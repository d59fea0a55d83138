#pragma once

class QApplication;
class QString;

// What the program sets up before its first window: names, Italian translation, fonts, icon, windows.
namespace Avvio {
void prepara(QApplication &app);
// Chooses and prepares the program folder. An archive in a folder that cannot be written is copied
// into userFolder, if the teacher agrees, and used there. False: the program must end.
bool preparaCartella(const QString &exeFolder, bool exeFolderWritable, const QString &userFolder);
// Ends the program: at once, or as soon as its event loop starts when it has not started yet.
void termina();
// Registers every window of the program with the window registry.
void registraFinestre();
} // namespace Avvio
