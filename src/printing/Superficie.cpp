#include "printing/Superficie.h"

namespace {
bool haInterruzioni(const QString &s)
{
    return s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\r'));
}

// The lines of s; CR LF, CR and LF each end a line.
QStringList righe(const QString &s)
{
    QString t = s;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t.split(QLatin1Char('\n'));
}
} // namespace

double Superficie::TextWidth(const QString &s)
{
    if (!haInterruzioni(s))
        return larghezza(s);
    double massima = 0;
    for (const QString &r : righe(s))
        massima = qMax(massima, larghezza(r));
    return massima;
}

void Superficie::Print(const QString &s, bool conFineRiga)
{
    const QStringList parti = haInterruzioni(s) ? righe(s) : QStringList{s};
    for (qsizetype i = 0; i < parti.size(); ++i) {
        if (i > 0) {
            m_y += altezzaRiga();
            m_x = 0;
        }
        if (!parti[i].isEmpty())
            disegna(parti[i], m_x, m_y);
    }
    if (conFineRiga) {
        m_y += altezzaRiga();
        m_x = 0;
    } else {
        m_x += larghezza(parti.last());
    }
}
