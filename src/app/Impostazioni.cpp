#include "app/Impostazioni.h"
#include "app/CarQuad.h"
#include "platform/Ansi.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QFileInfo>

using namespace CarQuad;

namespace {
Impostazioni::Lettura nonLetto(const QString &path)
{
    return QFileInfo::exists(path) ? Impostazioni::Lettura::Illeggibile : Impostazioni::Lettura::Mancante;
}
} // namespace

QString Impostazioni::titoloPredefinito(int n)
{
    static const char *const titles[] = {"Sit. Iniziale", "Finalità", "Val. 1° Q.", "Val. 2° Q."};
    return QString::fromUtf8(titles[qBound(1, n, 4) - 1]);
}

Impostazioni::Lettura Impostazioni::leggiAnno()
{
    const QString path = Paths::inProgram(QStringLiteral("Anno.dat"));
    const auto bytes = TextFile::readBytes(path);
    if (!bytes)
        return nonLetto(path);
    // The whole file but its last two bytes, the line end the writer added.
    if (bytes->size() >= 2)
        AnnoScolastico = Ansi::decode(bytes->left(bytes->size() - 2));
    return Lettura::Letto;
}

bool Impostazioni::scriviAnno(QString *error)
{
    return LineWriter().line(AnnoScolastico).save(Paths::inProgram(QStringLiteral("Anno.dat")), error);
}

QString Impostazioni::filePassword()
{
    return Paths::inProgram(QStringLiteral("Qua.inf"));
}

Impostazioni::Lettura Impostazioni::leggiPassword()
{
    FieldReader in;
    if (!in.open(filePassword()))
        return nonLetto(filePassword());
    QString value;
    while (!in.atEnd()) {
        if (in.readField(&value))
            NomeUtente = value;
        if (in.readField(&value))
            PasswordUtente = value;
    }
    return Lettura::Letto;
}

bool Impostazioni::scriviPassword(const QString &nome, const QString &password, QString *error)
{
    return LineWriter().line(nome).line(password).save(Paths::inProgram(QStringLiteral("Qua.inf")), error);
}

Impostazioni::Lettura Impostazioni::leggiTitoli()
{
    const QString path = Paths::inProgram(QStringLiteral("Titoli.dat"));
    FieldReader in;
    if (!in.open(path))
        return nonLetto(path);
    QString value;
    while (!in.atEnd())
        for (int n = 1; n <= 4; ++n)
            if (in.readField(&value))
                TitoloQuadro(n) = value;
    return Lettura::Letto;
}

bool Impostazioni::scriviTitoli(QString *error)
{
    LineWriter w;
    for (int n = 1; n <= 4; ++n)
        w.line(TitoloQuadro(n));
    return w.save(Paths::inProgram(QStringLiteral("Titoli.dat")), error);
}

QString Impostazioni::valoreNonRileggibile(const QString &value)
{
    if (value.contains(QLatin1Char(',')))
        return QStringLiteral("non può contenere la virgola.");
    if (value.startsWith(QLatin1Char('"')))
        return QStringLiteral("non può iniziare con le virgolette.");
    if (value != value.trimmed())
        return QStringLiteral("non può iniziare o terminare con uno spazio.");
    if (!Ansi::unencodable(value).isEmpty())
        return QStringLiteral("contiene caratteri non ammessi: %1").arg(Ansi::unencodable(value));
    return QString();
}
