#include "composition/FileGiudizio.h"
#include "platform/Paths.h"

bool FileGiudizio::nomeUtilizzabile(const QString &nome)
{
    if (nome.isEmpty() || nome == QLatin1String(".") || nome == QLatin1String(".."))
        return false;
    for (const QChar c : nome)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 32)
            return false;
    return true;
}

QString FileGiudizio::cartellaClasse(const QString &classe)
{
    if (!nomeUtilizzabile(classe))
        return QString();
    return Paths::resolve(Paths::programFolder(), classe);
}

QString FileGiudizio::percorso(const QString &cartella, const QString &base, const QString &estensione)
{
    if (cartella.isEmpty() || !nomeUtilizzabile(base + estensione))
        return QString();
    return Paths::resolve(cartella, base + estensione);
}

QString FileGiudizio::preselezione()
{
    return Paths::inProgram(QStringLiteral("presele.dat"));
}
