#include "archive/ElencoAlunni.h"
#include "platform/Conv.h"
#include "platform/TextFile.h"

#include <QFileInfo>
#include <QRegularExpression>

QString Archivio::nomeFileAlunni(const QString &classe)
{
    return QStringLiteral("ALUNNI.") + classe;
}

Archivio::ElencoAlunni Archivio::leggiAlunni(const QString &path)
{
    ElencoAlunni out;
    const auto bytes = TextFile::readBytes(path);
    if (!bytes) {
        out.stato = QFileInfo::exists(path) ? StatoFile::Illeggibile : StatoFile::Mancante;
        return out;
    }
    out.stato = StatoFile::Letto;
    out.rigaDanneggiata = rigaDanneggiataAlunni(*bytes);
    FieldReader in(*bytes);
    QString nome, sesso;
    while (in.readField(&nome)) {
        in.readField(&sesso);
        if (nome.isEmpty())
            break;
        // A code that is not a number counts as 0.
        out.alunni << Alunno{nome, Conv::toInt16(sesso).value_or(0)};
    }
    return out;
}

int Archivio::rigaDanneggiataAlunni(const QByteArray &bytes)
{
    static const QRegularExpression codice(QStringLiteral("^[+-]?[0-9]*$"));
    FieldReader righe(bytes);
    QString nome, sesso;
    for (int n = 1; righe.readLine(&nome); n += 2) {
        if (nome.trimmed().isEmpty())
            return 0;
        if (!nomeRileggibile(nome))
            return n;
        if (righe.readLine(&sesso) && !codice.match(sesso.trimmed()).hasMatch())
            return n + 1;
    }
    return 0;
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
