#include "archive/ConfrontoNomi.h"

#include <QCollator>
#include <QLocale>

int Archivio::confrontaNomi(const QString &a, const QString &b)
{
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::Italian, QLocale::Italy)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    if (const int byLetters = collator.compare(a, b))
        return byLetters;
    // Names equal but for case keep a fixed order.
    return a.compare(b, Qt::CaseInsensitive) ? a.compare(b, Qt::CaseInsensitive) : a.compare(b);
}

bool Archivio::stessoNome(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

int Archivio::trovaNome(const QStringList &list, const QString &name)
{
    for (qsizetype i = 0; i < list.size(); ++i)
        if (stessoNome(list.at(i), name))
            return int(i);
    return -1;
}
