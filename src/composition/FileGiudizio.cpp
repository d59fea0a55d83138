#include "composition/FileGiudizio.h"
#include "platform/Paths.h"

QString FileGiudizio::preselezione()
{
    return Paths::inProgram(QStringLiteral("presele.dat"));
}
