#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

class QIODevice;

// Sequential text files: Windows-1252 bytes, lines ended by CR LF.
namespace TextFile {
// The whole file, or nothing when it is missing or unreadable.
std::optional<QByteArray> readBytes(const QString &path);
// Replaces the file atomically: the old file or the new one survives, never half of one.
// Every write and the flush to the disk are checked; on any failure the old file stays.
bool writeBytes(const QString &path, const QByteArray &bytes, QString *errore = nullptr);
// Writes every byte to an open device; false, with the device's reason, when any write falls short.
// Every file the program writes, saved or copied, is written through here.
bool writeAll(QIODevice &out, const QByteArray &bytes, QString *errore);
} // namespace TextFile

// Builds a file line by line: each value followed by CR LF; a number as blank (or minus), digits, blank.
class LineWriter
{
public:
    LineWriter &line(const QString &value);
    LineWriter &number(long long value);
    const QByteArray &bytes() const { return m_bytes; }
    // Characters of the written values that Windows-1252 cannot store.
    const QString &unencodable() const { return m_unencodable; }
    bool save(const QString &path, QString *errore = nullptr) const;

private:
    QByteArray m_bytes;
    QString m_unencodable;
};

// Reads comma-separated fields and lines in the way the archive files are read back:
// blanks around a field are dropped, a field ends at a comma or a line end,
// a field that begins with a double quote runs to the closing quote.
class FieldReader
{
public:
    explicit FieldReader(const QByteArray &bytes) : m_bytes(bytes) {}
    // Opens a file; false when it is missing or unreadable (the reader is then at its end).
    bool open(const QString &path);
    bool atEnd() const { return m_pos >= m_bytes.size(); }
    // False when reading past the end of the file; the field is then empty.
    bool readField(QString *field);
    // A whole line without its line end; false past the end of the file.
    bool readLine(QString *line);

    FieldReader() = default;

private:
    void skipLineEnd();
    QByteArray m_bytes;
    qsizetype m_pos = 0;
};
