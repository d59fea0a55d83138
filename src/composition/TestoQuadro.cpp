#include "composition/TestoQuadro.h"
#include "platform/Ansi.h"
#include "platform/TextFile.h"

#include <QFileInfo>

QString TestoQuadro::conAcapo(QString testo)
{
    testo.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    testo.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return testo;
}

QString TestoQuadro::conCrLf(QString testo)
{
    testo.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return testo;
}

QString TestoQuadro::perCasella(const QByteArray &bytes)
{
    QByteArray b = bytes;
    if (b.endsWith("\r\n"))
        b.chop(2);
    return conAcapo(Ansi::decode(b));
}

QByteArray TestoQuadro::perFile(const QString &testo, QString *nonAmmessi)
{
    return Ansi::encode(conCrLf(testo), nonAmmessi) + "\r\n";
}

QString TestoQuadro::leggi(const QString &path)
{
    return perCasella(TextFile::readBytes(path).value_or(QByteArray()));
}

bool TestoQuadro::scrivi(const QString &path, const QString &testo, QString *error)
{
    QString nonAmmessi;
    const QByteArray bytes = perFile(testo, &nonAmmessi);
    if (!nonAmmessi.isEmpty()) {
        if (error)
            *error = QStringLiteral("%1: caratteri non ammessi: %2").arg(QFileInfo(path).fileName(), nonAmmessi);
        return false;
    }
    return TextFile::writeBytes(path, bytes, error);
}
