#include "TestSupport.h"

#include "printing/Blocchetto.h"
#include "printing/SpezzaStringa.h"
#include "printing/Superficie.h"

#include <QRandomGenerator>

namespace {
const float kX0 = 10;
const double kRiga = 5; // line height
const double kY0 = 20;

QList<Scritta> impagina(QString testo, float W, double *yFinale)
{
    SuperficieRegistrata s(1, kRiga);
    s.setCurrentY(kY0);
    ImpaginaBlocchetto(s, testo, kX0, W);
    *yFinale = s.CurrentY();
    return s.scritte();
}

Scritta at(const char *t, double x, int riga)
{
    return Scritta{QString::fromLatin1(t), x, kY0 + riga * kRiga};
}

// Blanks dropped at the start, and at the end when both.
QString spoglia(QString t, bool ancheInFondo = true)
{
    while (t.startsWith(QLatin1Char(' ')))
        t.remove(0, 1);
    while (ancheInFondo && t.endsWith(QLatin1Char(' ')))
        t.chop(1);
    return t;
}

// The block layout exactly as written down, cutting and rebuilding the text at every word.
void letterale(Superficie &s, QString &text, float x0, float W)
{
    int n = 0;
    float usedW = 0;
    QString line;
    for (;;) {
        ++n;
        QString word = SpezzaStringa(text, QStringLiteral(" "));
        const bool fits = !word.isEmpty() && !(float(s.TextWidth(line + word + QLatin1Char(' '))) > W);
        if (!fits) {
            --n;
            if (line.isEmpty()) {
                s.setCurrentX(x0);
                s.Print(word, true);
                if (text.isEmpty())
                    return;
            } else {
                if (!spoglia(word).isEmpty())
                    text = word + QLatin1Char(' ') + text;
                const float gap = n > 1 ? (W - usedW) / float(n - 1) : 0;
                float x = x0;
                for (int i = 1; i <= n; ++i) {
                    s.setCurrentX(x);
                    const QString w = SpezzaStringa(line, QStringLiteral(" "));
                    s.Print(w, false);
                    if (line.isEmpty())
                        break;
                    x = float(s.TextWidth(w)) + x + gap;
                }
                s.Print(QString(), true);
                if (text.isEmpty())
                    return;
            }
            n = 0, usedW = 0;
        } else if (word.contains(QLatin1String("\r\n"))) {
            text = spoglia(word + QLatin1Char(' ') + text);
            line += SpezzaStringa(text, QStringLiteral("\r\n"));
            s.setCurrentX(x0);
            s.Print(line, true);
            line.clear();
            n = 0, usedW = 0;
        } else {
            line += word + QLatin1Char(' ');
            usedW += float(s.TextWidth(word));
        }
        text = spoglia(text, false);
    }
}
} // namespace

class TestBlocchetto : public QObject
{
    Q_OBJECT
private slots:
    void spezzaStringa()
    {
        // Text, separator, the part returned, what is left; case matters.
        const char *casi[][4] = {{"uno due tre", " ", "uno", "due tre"}, {" due", " ", "", "due"}, {"tre", " ", "tre", ""},
                                 {"", " ", "", ""}, {"a\r\nb", "\r\n", "a", "b"}, {"abc", "\r\n", "abc", ""},
                                 {"aXbxc", "x", "aXb", "c"}};
        for (const auto &c : casi) {
            QString s = QString::fromLatin1(c[0]);
            QCOMPARE(SpezzaStringa(s, QString::fromLatin1(c[1])), QString::fromLatin1(c[2]));
            QCOMPARE(s, QString::fromLatin1(c[3]));
        }
    }

    void layoutCases()
    {
        // Text, W, what is drawn (x within 1e-4), and how many lines down the layout ends.
        const struct {
            const char *testo;
            float W;
            QList<Scritta> attese;
            int righe;
        } casi[] = {
            // "uno due tre quattro " is exactly 20: stretched to end at x0 + W, the last line too.
            {"uno due tre quattro cinque sei", 20,
             {at("uno", 10, 0), at("due", 13 + 4 / 3., 0), at("tre", 16 + 8 / 3., 0), at("quattro", 23, 0),
              at("cinque", 10, 1), at("sei", 27, 1)}, 2},
            // Paragraphs are not stretched; a break inside a line ends it, the rest goes on.
            {"uno due\r\ntre quattro", 100, {at("uno due", 10, 0), at("tre", 10, 1), at("quattro", 103, 1)}, 2},
            // Over-wide words go alone from x0.
            {"aa larghissima cc", 6, {at("aa", 10, 0), at("larghissima", 10, 1), at("cc", 10, 2)}, 3},
            // A word holding a paragraph break that does not fit is drawn alone, its break kept.
            {"ab cdefgh\r\nij", 4, {at("ab", 10, 0), at("cdefgh", 10, 1), at("ij", 0, 2)}, 3},
        };
        for (const auto &c : casi) {
            double y = 0;
            const QList<Scritta> r = impagina(QString::fromLatin1(c.testo), c.W, &y);
            bool uguali = r.size() == c.attese.size();
            for (qsizetype i = 0; uguali && i < r.size(); ++i)
                uguali = r[i].testo == c.attese[i].testo && r[i].y == c.attese[i].y && qAbs(r[i].x - c.attese[i].x) < 1e-4;
            QVERIFY2(uguali, c.testo);
            QVERIFY2(y == kY0 + c.righe * kRiga, c.testo);
        }
    }

    void sameAsTheWrittenAlgorithm()
    {
        // Random texts of words, runs of blanks and paragraph breaks, at several widths.
        QRandomGenerator rng(20261206);
        const QStringList pezzi{"a", "bb", "ccc", "dddddd", "eeeeeeeeeeeeee", " ", "  ", "   ", "\r\n", "\r\n\r\n",
                                "x\r\ny", " \r\n ", "\t"};
        for (int caso = 0; caso < 3000; ++caso) {
            QString testo;
            const int parti = int(rng.bounded(12));
            for (int i = 0; i < parti; ++i)
                testo += pezzi[int(rng.bounded(pezzi.size()))];
            const float W = float(rng.bounded(16)) - 2;
            SuperficieRegistrata attesa(1, kRiga), ottenuta(1, kRiga);
            QString a = testo, b = testo;
            letterale(attesa, a, kX0, W);
            ImpaginaBlocchetto(ottenuta, b, kX0, W);
            const QByteArray msg = "text [" + testo.toUtf8().toPercentEncoding(" ") + "] W " + QByteArray::number(W);
            QVERIFY2(ottenuta.scritte() == attesa.scritte(), msg.constData());
            QVERIFY2(ottenuta.CurrentY() == attesa.CurrentY(), msg.constData());
            QVERIFY(b.isEmpty());
        }
    }
};

QUADERLO_TEST_MAIN(TestBlocchetto)
#include "tst_Blocchetto.moc"
