#pragma once
#include <QSyntaxHighlighter>

class QMenu;
class QPlainTextEdit;
class Ortografia;

// Misspelled words of a text box underlined with a red wave while the teacher types.
// Only the paragraphs that change are checked again; word results are cached by the checker.
class SottolineaturaOrtografica : public QSyntaxHighlighter
{
    Q_OBJECT
public:
    // checker null: the program-wide one of the program folder in use.
    explicit SottolineaturaOrtografica(QTextDocument *doc, Ortografia *checker = nullptr);
    ~SottolineaturaOrtografica() override;

    // Underlining and the Italian context menu on a box; returns the highlighter (owned by the box's document).
    static SottolineaturaOrtografica *installa(QPlainTextEdit *box, Ortografia *checker = nullptr);
    // Turns the checking of every box on or off.
    static void setAttiva(bool attiva);
    static bool attiva();
    // Checks every box again, after the known words changed.
    static void aggiornaTutte();

    // The box's context menu at pos: for a misspelled word up to five corrections, "Ignora" and
    // "Aggiungi al dizionario", then the usual editing entries. The caller owns it.
    static QMenu *menu(QPlainTextEdit *box, const QPoint &pos, Ortografia *checker = nullptr);

protected:
    void highlightBlock(const QString &text) override;

private:
    Ortografia &checker() const;
    Ortografia *m_checker;
};
