#pragma once

class QApplication;

// What the program sets up before its first window: names, Italian translation, fonts, icon, windows.
namespace Avvio {
void prepara(QApplication &app);
// Registers every window of the program with the window registry.
void registraFinestre();
} // namespace Avvio
