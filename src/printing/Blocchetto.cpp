#include "printing/Blocchetto.h"
#include "printing/Superficie.h"

namespace {
const QLatin1String kCrLf("\r\n");

// The text being laid out, read through an index instead of being cut word by word,
// so that a run takes time in proportion to the text's length.
struct Lettore {
    const QString &t;
    qsizetype pos = 0;
    qsizetype fine;

    bool vuoto() const { return pos >= fine; }
    // The next word up to the next blank (which is consumed), or the rest of the text.
    QStringView parola()
    {
        qsizetype b = t.indexOf(QLatin1Char(' '), pos);
        if (b < 0 || b >= fine)
            b = fine;
        const QStringView p = QStringView(t).mid(pos, b - pos);
        pos = b < fine ? b + 1 : fine;
        return p;
    }
    void saltaSpazi()
    {
        while (pos < fine && t[pos] == QLatin1Char(' '))
            ++pos;
    }
};

qsizetype fineSenzaSpazi(const QString &t)
{
    qsizetype f = t.size();
    while (f > 0 && t[f - 1] == QLatin1Char(' '))
        --f;
    return f;
}

// Draws the n words of the pending line from x0, the gaps sharing out what is left of W.
void stampaStirata(Superficie &s, const QString &riga, int n, float usedW, float x0, float W)
{
    float gap = 0;
    if (n > 1)
        gap = (W - usedW) / float(n - 1);
    float x = x0;
    qsizetype pos = 0;
    for (int i = 1; i <= n; ++i) {
        s.setCurrentX(x);
        qsizetype b = riga.indexOf(QLatin1Char(' '), pos);
        if (b < 0)
            b = riga.size();
        const QString parola = riga.mid(pos, b - pos);
        pos = qMin(b + 1, riga.size());
        s.Print(parola, false);
        if (pos >= riga.size())
            break;
        x = float(s.TextWidth(parola)) + x + gap;
    }
    s.Print(QString(), true);
}
} // namespace

void ImpaginaBlocchetto(Superficie &s, QString &testo, float x0, float W)
{
    Lettore in{testo, 0, testo.size()};
    const qsizetype fineTagliata = fineSenzaSpazi(testo);
    int n = 0;
    float usedW = 0;
    QString riga;
    for (;;) {
        ++n;
        const qsizetype inizio = in.pos;
        const QStringView parola = in.parola();
        bool entra = false;
        if (!parola.isEmpty()) {
            riga.append(parola).append(QLatin1Char(' '));
            entra = !(float(s.TextWidth(riga)) > W);
            riga.chop(parola.size() + 1);
        }
        if (!entra) {
            --n;
            if (riga.isEmpty()) {
                // Alone on its line: an over-wide word, or the empty line at the end.
                s.setCurrentX(x0);
                s.Print(parola.toString(), true);
            } else {
                if (!parola.isEmpty())
                    in.pos = inizio; // the word goes back in front of the text
                stampaStirata(s, riga, n, usedW, x0, W);
                riga.clear();
            }
            if (in.vuoto())
                break;
            n = 0;
            usedW = 0;
        } else if (const qsizetype k = parola.indexOf(kCrLf); k >= 0) {
            // A paragraph ends inside the word: the line so far is drawn unstretched.
            riga.append(parola.left(k));
            in.pos = inizio + k + 2;
            in.fine = fineTagliata; // the text is trimmed of its trailing blanks here
            s.setCurrentX(x0);
            s.Print(riga, true);
            riga.clear();
            n = 0;
            usedW = 0;
        } else {
            riga.append(parola).append(QLatin1Char(' '));
            usedW += float(s.TextWidth(parola.toString()));
        }
        in.saltaSpazi();
    }
    testo.clear();
}
