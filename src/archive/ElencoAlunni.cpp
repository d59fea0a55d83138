#include "archive/ElencoAlunni.h"
#include "archive/Archivio.h"
#include "platform/Conv.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {
// The first line, from 1, that does not read back as a name and gender code pair; 0 when all do.
int rigaDanneggiata(const QByteArray &bytes)
{
    static const QRegularExpression codice(QStringLiteral("^[+-]?[0-9]*$"));
    FieldReader righe(bytes);
    QString nome, sesso;
    for (int n = 1; righe.readLine(&nome); n += 2) {
        if (nome.trimmed().isEmpty())
            return 0;
        if (!Archivio::nomeRileggibile(nome))
            return n;
        if (righe.readLine(&sesso) && !codice.match(sesso.trimmed()).hasMatch())
            return n + 1;
    }
    return 0;
}
} // namespace

Archivio::ElencoAlunni Archivio::elencoAlunni(const QByteArray &bytes)
{
    ElencoAlunni out;
    out.stato = StatoFile::Letto;
    out.rigaDanneggiata = rigaDanneggiata(bytes);
    FieldReader in(bytes);
    QString nome, sesso;
    while (in.readField(&nome)) {
        in.readField(&sesso);
        if (nome.isEmpty())
            break;
        out.alunni << Alunno{nome, Conv::toInt16(sesso).value_or(0)};
    }
    return out;
}

Archivio::ElencoAlunni Archivio::leggiAlunni(const QString &path)
{
    if (const auto bytes = TextFile::readBytes(path))
        return elencoAlunni(*bytes);
    ElencoAlunni out;
    out.stato = QFileInfo::exists(path) ? StatoFile::Illeggibile : StatoFile::Mancante;
    return out;
}

bool Archivio::creaAlunni(const QString &path, QString *errore)
{
    return LineWriter().line(QString()).line(QString()).save(path, errore);
}

bool Archivio::scriviAlunni(const QString &path, const QList<Alunno> &alunni, QString *errore)
{
    LineWriter w;
    for (const Alunno &a : alunni)
        w.line(a.nome).number(a.sesso);
    return w.save(path, errore);
}
