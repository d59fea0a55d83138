#include "SottolineaturaOrtografica.h"

#include "Msg.h"
#include "Ortografia.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

namespace {
QList<SottolineaturaOrtografica *> g_tutte;
bool g_attiva = true;

QTextCharFormat formatoErrore()
{
    QTextCharFormat f;
    f.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    f.setUnderlineColor(Qt::red);
    return f;
}

// The word of the box at pos as a selection; a null cursor when there is none.
QTextCursor parolaIn(QPlainTextEdit *box, const QPoint &pos)
{
    const QTextCursor c = box->cursorForPosition(pos);
    const QTextBlock block = c.block();
    const int col = c.positionInBlock();
    for (const Ortografia::Tratto &t : Ortografia::parole(block.text())) {
        if (col >= t.inizio && col <= t.inizio + t.lunghezza) {
            QTextCursor sel(block);
            sel.setPosition(block.position() + t.inizio);
            sel.setPosition(block.position() + t.inizio + t.lunghezza, QTextCursor::KeepAnchor);
            return sel;
        }
    }
    return {};
}
} // namespace

SottolineaturaOrtografica::SottolineaturaOrtografica(QTextDocument *doc, Ortografia *checker)
    : QSyntaxHighlighter(doc), m_checker(checker)
{
    g_tutte.append(this);
}

SottolineaturaOrtografica::~SottolineaturaOrtografica()
{
    g_tutte.removeOne(this);
}

Ortografia &SottolineaturaOrtografica::checker() const
{
    return m_checker ? *m_checker : Ortografia::comune();
}

void SottolineaturaOrtografica::highlightBlock(const QString &text)
{
    if (!g_attiva)
        return;
    const Ortografia &o = checker();
    if (!o.disponibile())
        return;
    static const QTextCharFormat errore = formatoErrore();
    for (const Ortografia::Tratto &t : Ortografia::parole(text))
        if (!o.corretta(text.mid(t.inizio, t.lunghezza)))
            setFormat(t.inizio, t.lunghezza, errore);
}

void SottolineaturaOrtografica::setAttiva(bool attiva)
{
    if (g_attiva == attiva)
        return;
    g_attiva = attiva;
    aggiornaTutte();
}

bool SottolineaturaOrtografica::attiva()
{
    return g_attiva;
}

void SottolineaturaOrtografica::aggiornaTutte()
{
    for (SottolineaturaOrtografica *h : std::as_const(g_tutte))
        h->rehighlight();
}

SottolineaturaOrtografica *SottolineaturaOrtografica::installa(QPlainTextEdit *box, Ortografia *checker)
{
    auto *h = new SottolineaturaOrtografica(box->document(), checker);
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(box, &QWidget::customContextMenuRequested, box, [box, checker](const QPoint &pos) {
        QMenu *m = menu(box, pos, checker);
        m->setAttribute(Qt::WA_DeleteOnClose);
        m->popup(box->viewport()->mapToGlobal(pos));
    });
    return h;
}

QMenu *SottolineaturaOrtografica::menu(QPlainTextEdit *box, const QPoint &pos, Ortografia *checker)
{
    QMenu *m = box->createStandardContextMenu();
    Ortografia &o = checker ? *checker : Ortografia::comune();
    const QTextCursor sel = parolaIn(box, pos);
    const QString parola = sel.selectedText();
    if (!g_attiva || parola.isEmpty() || o.corretta(parola))
        return m;
    QAction *prima = m->actions().value(0);
    const QStringList suggerimenti = o.suggerimenti(parola);
    for (const QString &s : suggerimenti) {
        QAction *a = new QAction(s, m);
        QObject::connect(a, &QAction::triggered, box, [sel, s] {
            QTextCursor c = sel;
            c.insertText(s);
        });
        m->insertAction(prima, a);
    }
    if (suggerimenti.isEmpty()) {
        QAction *nessuno = new QAction(QStringLiteral("(nessun suggerimento)"), m);
        nessuno->setEnabled(false);
        m->insertAction(prima, nessuno);
    }
    m->insertSeparator(prima);
    QAction *ignora = new QAction(QStringLiteral("Ignora"), m);
    QObject::connect(ignora, &QAction::triggered, box, [&o, parola] {
        o.ignora(parola);
        aggiornaTutte();
    });
    QAction *aggiungi = new QAction(QStringLiteral("Aggiungi al dizionario"), m);
    QObject::connect(aggiungi, &QAction::triggered, box, [&o, parola] {
        QString errore;
        if (!o.aggiungi(parola, &errore))
            Msg::warn(QStringLiteral("La parola \"%1\" non è stata aggiunta al dizionario.\n\r%2")
                          .arg(parola, errore));
        aggiornaTutte();
    });
    m->insertAction(prima, ignora);
    m->insertAction(prima, aggiungi);
    if (prima)
        m->insertSeparator(prima);
    return m;
}
