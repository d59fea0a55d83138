#include "platform/Editor.h"

#include <QProcess>
#include <QStandardPaths>

namespace {
#ifndef Q_OS_WIN
// The desktop's default editor for plain text, as a desktop file name ("org.gnome.gedit.desktop").
QString editorPredefinito()
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("gtk-launch")).isEmpty())
        return QString();
    QProcess p;
    p.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/plain")});
    if (!p.waitForFinished(3000) || p.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}
#endif
} // namespace

QStringList Editor::comandoEditor()
{
#ifdef Q_OS_WIN
    return {QStringLiteral("NOTEPAD.EXE")};
#else
    if (const QString desktop = editorPredefinito(); !desktop.isEmpty())
        return {QStandardPaths::findExecutable(QStringLiteral("gtk-launch")), desktop};
    for (const char *nome : {"gedit", "gnome-text-editor", "mousepad", "kwrite", "kate", "xed", "pluma", "leafpad",
                             "featherpad", "geany"}) {
        const QString percorso = QStandardPaths::findExecutable(QString::fromLatin1(nome));
        if (!percorso.isEmpty())
            return {percorso};
    }
    return {};
#endif
}

bool Editor::apriEditorTesti(QString *why)
{
    const QStringList comando = comandoEditor();
    if (comando.isEmpty()) {
        if (why)
            *why = QStringLiteral("Non è installato nessun editor di testo.");
        return false;
    }
    if (!QProcess::startDetached(comando.first(), comando.mid(1))) {
        if (why)
            *why = QStringLiteral("Non è stato possibile avviare l'editor di testo (%1).").arg(comando.first());
        return false;
    }
    return true;
}
