#pragma once
#include <QWidget>

class QLineEdit;
class QListWidget;

// A combo box whose sorted list stays open below its edit line: one control made of the two.
// Each entry carries a number. The list never takes the focus, so the control keeps it as one.
class ComboAperto : public QWidget
{
    Q_OBJECT
public:
    ComboAperto(QWidget *parent, const QString &name);

    QString text() const;
    void setText(const QString &text);
    // Selects the whole text of the edit line, for correction.
    void selectText();

    int count() const;
    QString itemText(int index) const;
    int itemData(int index) const;
    QStringList items() const;
    // Inserts in sorted place (without regard to case); returns the new entry's index.
    int addItem(const QString &text, int data = 0);
    void removeItem(int index);
    // Empties the list and the edit line.
    void clear();

    // The entry chosen in the list, or -1.
    int listIndex() const;
    QLineEdit *editLine() const { return m_edit; }
    QListWidget *list() const { return m_list; }

signals:
    // A key pressed in the edit line.
    void keyDown(int key);
    // An entry chosen in the list; its text is already in the edit line.
    void clicked(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showMatch(const QString &typed);

    QLineEdit *m_edit;
    QListWidget *m_list;
};
