#include "archive/ElencoClassi.h"
#include "archive/ConfrontoNomi.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QFileInfo>

QString Archivio::fileClassi(const QString &cartella)
{
    return Paths::resolve(cartella.isEmpty() ? Paths::programFolder() : cartella, QStringLiteral("Classi.dat"));
}

Archivio::ElencoClassi Archivio::elencoClassi(const QByteArray &bytes)
{
    ElencoClassi out;
    out.stato = StatoFile::Letto;
    FieldReader fields(bytes);
    QString value;
    while (fields.readField(&value) && !value.isEmpty())
        out.classi << value;
    FieldReader lines(bytes);
    while (lines.readLine(&value))
        out.righe << value.trimmed();
    // Only the listed names are rewritten by the archive editor: a damaged line after them is no harm.
    for (int n = 1; n <= out.righe.size() && !out.righe.at(n - 1).isEmpty() && !out.rigaDanneggiata; ++n)
        if (!nomeRileggibile(out.righe.at(n - 1)))
            out.rigaDanneggiata = n;
    return out;
}

Archivio::ElencoClassi Archivio::leggiClassi(const QString &cartella)
{
    const QString path = fileClassi(cartella);
    if (const auto bytes = TextFile::readBytes(path))
        return elencoClassi(*bytes);
    ElencoClassi out;
    out.stato = QFileInfo::exists(path) ? StatoFile::Illeggibile : StatoFile::Mancante;
    return out;
}

QString Archivio::classeEsistente(const ElencoClassi &elenco, const QString &classe)
{
    const int i = trovaNome(elenco.righe, classe);
    return i < 0 ? QString() : elenco.righe.at(i);
}

bool Archivio::creaClassi(QString *errore)
{
    return scriviClassi({QString()}, errore);
}

bool Archivio::scriviClassi(const QStringList &classi, QString *errore)
{
    LineWriter w;
    for (const QString &c : classi)
        w.line(c);
    return w.save(fileClassi(), errore);
}

bool Archivio::accodaClasse(const QString &classe, QString *errore)
{
    const auto fallito = [errore](const QString &why) {
        if (errore)
            *errore = QStringLiteral("Classi.dat: ") + why;
        return false;
    };
    const ElencoClassi elenco = leggiClassi();
    if (elenco.stato == StatoFile::Illeggibile)
        return fallito(QStringLiteral("impossibile leggere il file."));
    QStringList classi;
    for (int n = 1; n <= elenco.righe.size(); ++n) {
        const QString &riga = elenco.righe.at(n - 1);
        if (riga.isEmpty())
            continue;
        if (!nomeRileggibile(riga))
            return fallito(QStringLiteral("la riga %1 non si legge correttamente.").arg(n));
        classi << riga;
    }
    return scriviClassi(classi << classe, errore);
}
