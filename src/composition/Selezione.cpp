#include "composition/Selezione.h"
#include "platform/Conv.h"
#include "platform/TextFile.h"

QString Selezione::riga(const QList<int> &indici)
{
    QString out;
    for (const int i : indici)
        out += QString::number(i) + QLatin1Char(' ');
    return out;
}

QList<int> Selezione::daTicchettare(const QString &selezione, int quanteVoci)
{
    QList<int> out;
    qsizetype inizio = 0;
    for (qsizetype blank = selezione.indexOf(QLatin1Char(' ')); blank >= 0;
         blank = selezione.indexOf(QLatin1Char(' '), inizio)) {
        const auto n = Conv::toInt16(selezione.mid(inizio, blank - inizio + 1));
        inizio = blank + 1;
        if (n && *n >= 0 && *n < quanteVoci)
            out << *n;
    }
    return out;
}

std::optional<QList<QString>> Selezione::leggi(const QString &path)
{
    FieldReader in;
    if (!in.open(path))
        return std::nullopt;
    QList<QString> righe;
    QString riga;
    while (righe.size() < 4 && in.readLine(&riga))
        righe << riga;
    return righe;
}

bool Selezione::leggiIn(const QString &path, Righe &righe)
{
    const auto lette = leggi(path);
    if (!lette)
        return false;
    for (qsizetype i = 0; i < lette->size(); ++i)
        righe[size_t(i)] = lette->at(i);
    return true;
}


bool Selezione::scrivi(const QString &path, const Righe &righe, QString *error)
{
    LineWriter w;
    for (const QString &r : righe)
        w.line(r);
    return w.save(path, error);
}
