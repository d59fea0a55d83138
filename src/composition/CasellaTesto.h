#pragma once
#include <QPlainTextEdit>

// A text box of the composition window: Arial 11, Tab moves on, spelling underlined, the text read as typed.
class CasellaTesto : public QPlainTextEdit
{
    Q_OBJECT
public:
    CasellaTesto(QWidget *parent, const QString &name);
    // The text with "\n" line breaks, every character as typed.
    QString testo() const;
};
