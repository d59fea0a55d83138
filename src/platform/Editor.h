#pragma once
#include <QString>

// The system's plain text editor.
namespace Editor {
// Starts the editor with no document, without waiting for it; false, with the reason, when there is none.
bool apriEditorTesti(QString *why = nullptr);
// The program and arguments that would be started; empty when no editor is found.
QStringList comandoEditor();
} // namespace Editor
