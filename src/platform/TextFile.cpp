#include "platform/TextFile.h"
#include "platform/Ansi.h"
#include "platform/GuastoDisco.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
GuastoDisco::Spazio g_spazio;

// A disk with room for only so many more bytes: passes them on to the file, then refuses every write.
class DiscoLimitato : public QIODevice
{
public:
    DiscoLimitato(QIODevice &file, qint64 spazio) : m_file(file), m_spazio(spazio) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 len) override
    {
        if (m_spazio <= 0) {
            setErrorString(QStringLiteral("spazio esaurito sul disco"));
            return -1;
        }
        const qint64 n = m_file.write(data, qMin(len, m_spazio));
        m_spazio -= qMax<qint64>(n, 0);
        if (n < 0)
            setErrorString(m_file.errorString());
        return n;
    }

private:
    QIODevice &m_file;
    qint64 m_spazio;
};

bool scriviTutto(QIODevice &out, const QByteArray &bytes, QString *errore)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 n = out.write(bytes.constData() + done, qMin<qsizetype>(bytes.size() - done, 65536));
        if (n <= 0) {
            *errore = out.errorString().isEmpty() ? QStringLiteral("scrittura non riuscita") : out.errorString();
            return false;
        }
        done += n;
    }
    return true;
}
} // namespace

void GuastoDisco::imposta(Spazio spazio)
{
    g_spazio = std::move(spazio);
}

std::optional<QByteArray> TextFile::readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll();
}

bool TextFile::writeBytes(const QString &path, const QByteArray &bytes, QString *errore)
{
    QSaveFile f(path);
    const auto fail = [&](const QString &why) {
        if (errore)
            *errore = QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), why);
        f.cancelWriting();
        return false;
    };
    // Unbuffered, so that a full disk shows at the write that meets it rather than never.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(f.errorString());
    QString why;
    if (!writeAll(f, bytes, &why))
        return fail(why);
    if (!f.flush() || f.error() != QFileDevice::NoError)
        return fail(f.errorString());
#ifdef Q_OS_UNIX
    // Delayed allocation reports a full disk only here.
    if (::fsync(f.handle()) != 0)
        return fail(QString::fromLocal8Bit(strerror(errno)));
#endif
    if (!f.commit())
        return fail(f.errorString());
    return true;
}

bool TextFile::writeAll(QIODevice &out, const QByteArray &bytes, QString *errore)
{
    const auto *file = qobject_cast<QFileDevice *>(&out);
    const qint64 spazio = g_spazio && file ? g_spazio(file->fileName()) : -1;
    if (spazio < 0)
        return scriviTutto(out, bytes, errore);
    DiscoLimitato disco(out, spazio - out.pos());
    return scriviTutto(disco, bytes, errore);
}

LineWriter &LineWriter::line(const QString &value)
{
    m_bytes += Ansi::encode(value, &m_unencodable);
    m_bytes += "\r\n";
    return *this;
}

LineWriter &LineWriter::number(long long value)
{
    const QByteArray digits = QByteArray::number(value < 0 ? -value : value);
    m_bytes += (value < 0 ? "-" : " ") + digits + " \r\n";
    return *this;
}

bool LineWriter::save(const QString &path, QString *errore) const
{
    if (!m_unencodable.isEmpty()) {
        if (errore)
            *errore = QStringLiteral("%1: caratteri non ammessi: %2").arg(QFileInfo(path).fileName(), m_unencodable);
        return false;
    }
    return TextFile::writeBytes(path, m_bytes, errore);
}

bool FieldReader::open(const QString &path)
{
    const auto bytes = TextFile::readBytes(path);
    m_bytes = bytes.value_or(QByteArray());
    m_pos = 0;
    return bytes.has_value();
}

void FieldReader::skipLineEnd()
{
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\r')
        ++m_pos;
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\n')
        ++m_pos;
}

bool FieldReader::readField(QString *field)
{
    field->clear();
    if (atEnd())
        return false;
    const auto isEol = [this](qsizetype i) { return m_bytes[i] == '\r' || m_bytes[i] == '\n'; };
    while (m_pos < m_bytes.size() && m_bytes[m_pos] == ' ')
        ++m_pos;
    QByteArray raw;
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == '"') {
        const qsizetype close = m_bytes.indexOf('"', m_pos + 1);
        const qsizetype end = close < 0 ? m_bytes.size() : close;
        raw = m_bytes.mid(m_pos + 1, end - m_pos - 1);
        m_pos = close < 0 ? end : end + 1;
        // Whatever follows the closing quote up to the delimiter is ignored.
        while (m_pos < m_bytes.size() && m_bytes[m_pos] != ',' && !isEol(m_pos))
            ++m_pos;
    } else {
        const qsizetype start = m_pos;
        while (m_pos < m_bytes.size() && m_bytes[m_pos] != ',' && !isEol(m_pos))
            ++m_pos;
        raw = m_bytes.mid(start, m_pos - start);
        while (raw.endsWith(' '))
            raw.chop(1);
    }
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == ',')
        ++m_pos;
    else
        skipLineEnd();
    *field = Ansi::decode(raw);
    return true;
}

bool FieldReader::readLine(QString *line)
{
    line->clear();
    if (atEnd())
        return false;
    const qsizetype start = m_pos;
    while (m_pos < m_bytes.size() && m_bytes[m_pos] != '\r' && m_bytes[m_pos] != '\n')
        ++m_pos;
    *line = Ansi::decode(m_bytes.mid(start, m_pos - start));
    skipLineEnd();
    return true;
}
