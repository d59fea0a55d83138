#include "archive/ElencoClassi.h"
#include "archive/ConfrontoNomi.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QFileInfo>

QString Archivio::fileClassi()
{
    return Paths::inProgram(QStringLiteral("Classi.dat"));
}

QStringList Archivio::classiElencate(const QByteArray &bytes)
{
    QStringList out;
    FieldReader fields(bytes);
    QString value;
    while (fields.readField(&value) && !value.isEmpty())
        out << value;
    return out;
}

int Archivio::rigaDanneggiataClassi(const QByteArray &bytes)
{
    FieldReader righe(bytes);
    QString riga;
    for (int n = 1; righe.readLine(&riga) && !riga.trimmed().isEmpty(); ++n)
        if (!nomeRileggibile(riga))
            return n;
    return 0;
}

Archivio::ElencoClassi Archivio::leggiClassi()
{
    ElencoClassi out;
    const QString path = fileClassi();
    const auto bytes = TextFile::readBytes(path);
    if (!bytes) {
        out.stato = QFileInfo::exists(path) ? StatoFile::Illeggibile : StatoFile::Mancante;
        return out;
    }
    out.stato = StatoFile::Letto;
    out.classi = classiElencate(*bytes);
    out.rigaDanneggiata = rigaDanneggiataClassi(*bytes);
    QString value;
    FieldReader lines(*bytes);
    while (lines.readLine(&value))
        out.righe << value.trimmed();
    return out;
}

QString Archivio::classeEsistente(const ElencoClassi &elenco, const QString &classe)
{
    const int i = trovaNome(elenco.righe, classe);
    return i < 0 ? QString() : elenco.righe.at(i);
}

bool Archivio::creaClassi(QString *errore)
{
    return LineWriter().line(QString()).save(fileClassi(), errore);
}

bool Archivio::scriviClassi(const QStringList &classi, QString *errore)
{
    LineWriter w;
    for (const QString &c : classi)
        w.line(c);
    return w.save(fileClassi(), errore);
}
