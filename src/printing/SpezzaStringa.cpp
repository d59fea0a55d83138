#include "printing/SpezzaStringa.h"

QString SpezzaStringa(QString &s1, const QString &s2)
{
    const qsizetype p = s1.indexOf(s2);
    if (p < 0) {
        QString tutto;
        tutto.swap(s1);
        return tutto;
    }
    const QString prima = s1.left(p);
    s1.remove(0, p + s2.size());
    return prima;
}
