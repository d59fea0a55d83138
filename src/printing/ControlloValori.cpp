#include "printing/ControlloValori.h"
#include "platform/Ansi.h"
#include "platform/Conv.h"

namespace {
QString nome(const QString &casella)
{
    return QStringLiteral("\"%1\"").arg(casella);
}

// A decimal comma would split the value in two when read back: the point is asked for.
QString virgolaDecimale(const QString &casella, const QString &valore)
{
    QString conPunto = valore.trimmed();
    conPunto.replace(QLatin1Char(','), QLatin1Char('.'));
    if (!valore.contains(QLatin1Char(',')) || !Conv::toSingle(conPunto))
        return QString();
    return QStringLiteral("%1 non può contenere la virgola: scrivi %2 con il punto.").arg(nome(casella), conPunto);
}
} // namespace

QString ControlloValori::rilettura(const QString &casella, const QString &valore)
{
    if (valore.contains(QLatin1Char(',')))
        return QStringLiteral("%1 non può contenere la virgola.").arg(nome(casella));
    if (valore.contains(QLatin1Char('\r')) || valore.contains(QLatin1Char('\n')))
        return QStringLiteral("%1 non può andare a capo.").arg(nome(casella));
    if (valore.trimmed().startsWith(QLatin1Char('"')))
        return QStringLiteral("%1 non può cominciare con le virgolette.").arg(nome(casella));
    const QString esclusi = Ansi::unencodable(valore);
    if (!esclusi.isEmpty())
        return QStringLiteral("%1 contiene caratteri non ammessi: %2").arg(nome(casella), esclusi);
    return QString();
}

QString ControlloValori::numero(const QString &casella, const QString &valore)
{
    if (const QString r = virgolaDecimale(casella, valore); !r.isEmpty())
        return r;
    if (const QString r = rilettura(casella, valore); !r.isEmpty())
        return r;
    if (!Conv::toSingle(valore))
        return QStringLiteral("%1 deve essere un numero.").arg(nome(casella));
    return QString();
}

QString ControlloValori::numeroPositivo(const QString &casella, const QString &valore)
{
    if (const QString r = numero(casella, valore); !r.isEmpty())
        return r;
    if (!(*Conv::toSingle(valore) > 0))
        return QStringLiteral("%1 deve essere un numero maggiore di zero.").arg(nome(casella));
    return QString();
}

QString ControlloValori::intero16(const QString &casella, const QString &valore)
{
    if (const QString r = virgolaDecimale(casella, valore); !r.isEmpty())
        return r;
    if (const QString r = rilettura(casella, valore); !r.isEmpty())
        return r;
    if (!Conv::toInt16(valore))
        return QStringLiteral("%1 deve essere un numero intero tra -32768 e 32767.").arg(nome(casella));
    return QString();
}
