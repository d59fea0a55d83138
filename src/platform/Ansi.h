#pragma once
#include <QByteArray>
#include <QString>

// Windows-1252, the single-byte code page of every file the program reads and writes.
namespace Ansi {
QString decode(const QByteArray &bytes);
// Characters that cannot be stored become '?'; 'unencodable' collects them (each once, in order).
QByteArray encode(const QString &text, QString *unencodable = nullptr);
// The characters of text that Windows-1252 cannot store, each once, in order.
QString unencodable(const QString &text);
} // namespace Ansi
