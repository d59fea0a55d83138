// The spell check of a text box holding 2,000 words of the Italian dictionary (one in twenty
// misspelled): checking the whole text once, then one keystroke (key, highlighting, repaint), in one
// paragraph and in twenty, beside the same keystroke without checking.
#include "Banco.h"
#include "menu/Avvio.h"
#include "platform/Ortografia.h"
#include "platform/SottolineaturaOrtografica.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
const int kParole = 2000;
const int kTasti = 41;

// Distinct words of the dictionary file (flags and numbers dropped), every twentieth with a doubled letter.
QString testo(const QString &aff, int paragrafi)
{
    QFile dic(aff.chopped(4) + ".dic");
    if (!dic.open(QIODevice::ReadOnly))
        qFatal("no dictionary");
    const QList<QByteArray> righe = dic.readAll().split('\n');
    QStringList parole;
    for (qsizetype i = 1; parole.size() < kParole && i < righe.size(); i += righe.size() / (kParole + 100)) {
        const QString p = QString::fromUtf8(righe[i].split('/').first().trimmed());
        if (!p.isEmpty() && Ortografia::parole(p).size() == 1)
            parole << (parole.size() % 20 == 7 ? p + p.right(1) : p);
    }
    QString out;
    for (int i = 0; i < parole.size(); ++i)
        out += parole[i] + (i % (kParole / paragrafi) == kParole / paragrafi - 1 ? "\n" : " ");
    return out;
}

struct Misure {
    double tutto = 0, tasto = 0, tastoSenza = 0;
    int sottolineate = 0;
};

double tasti(QPlainTextEdit &box)
{
    std::vector<double> t;
    for (int i = 0; i < kTasti; ++i) {
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(&box, i % 2 ? Qt::Key_Backspace : Qt::Key_A);
        box.viewport()->repaint();
        t.push_back(timer.nsecsElapsed() / 1e6);
    }
    return mediana(t);
}

Misure misura(const QString &aff, int paragrafi)
{
    Ortografia checker(aff);
    QPlainTextEdit box;
    box.resize(800, 500);
    box.show();
    auto *h = SottolineaturaOrtografica::installa(&box, &checker);
    const QString t = testo(aff, paragrafi);
    Misure m;
    QElapsedTimer timer;
    timer.start();
    box.setPlainText(t); // every paragraph checked at once, no word cached yet
    m.tutto = timer.nsecsElapsed() / 1e6;
    for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next())
        m.sottolineate += int(b.layout()->formats().size());
    // A keystroke in the middle of the text.
    QTextCursor c = box.textCursor();
    c.setPosition(int(t.size() / 2));
    box.setTextCursor(c);
    box.setFocus();
    m.tasto = tasti(box);
    delete h;
    m.tastoSenza = tasti(box);
    return m;
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Avvio::prepara(app);
    const QString aff = Ortografia::trovaDizionario();
    if (aff.isEmpty()) {
        std::printf("no Italian dictionary found\n");
        return 1;
    }
    std::printf("Spell check of %d words; keystroke = key, highlighting and repaint, median of %d, in ms\n", kParole,
                kTasti);
    std::printf("%11s %16s %12s %16s %12s\n", "paragraphs", "whole text once", "keystroke", "without check",
                "underlined");
    double peggiore = 0;
    for (const int paragrafi : {1, 20}) {
        const Misure m = misura(aff, paragrafi);
        peggiore = std::max(peggiore, m.tasto);
        std::printf("%11d %16.2f %12.3f %16.3f %12d\n", paragrafi, m.tutto, m.tasto, m.tastoSenza, m.sottolineate);
    }
    std::printf("a keystroke with the check: %s one 60 Hz frame (16.7 ms)\n",
                peggiore < 1000.0 / 60 ? "under" : "NOT under");
    return 0;
}
