#pragma once
#include <QList>
#include <QString>

// Message boxes, the input box and the beep, shown as real modal windows.
// Tests queue the answers; every box shown is recorded.
namespace Msg {
enum Icon { NoIcon, Critical, Question, Exclamation, Information };
enum Buttons { Ok, YesNo, OkCancel, YesNoCancel };
enum Result { ResOk, ResCancel, ResYes, ResNo };

// title empty: the program's title "Quaderlo". A line feed plus carriage return is one line break.
Result box(const QString &text, Buttons buttons = Ok, Icon icon = NoIcon, const QString &title = QString(),
           Result defaultButton = ResOk);
// Shorthands of the program's usual messages.
void warn(const QString &text, Icon icon = Exclamation, const QString &title = QStringLiteral("Attenzione"));
bool askYesNo(const QString &text, const QString &title, Icon icon = Question, Result defaultButton = ResNo);
// The input box; cancelled: empty text and *ok false.
QString input(const QString &prompt, const QString &title, const QString &defaultText = QString(), bool *ok = nullptr);
void beep();
// The width a box needs to show its whole title as the window manager draws it: the title with the
// program's name that Qt appends, in the title bar's font, and room for the title bar's buttons.
int titleWidth(const QString &title);

// For tests.
struct Shown {
    bool isInput = false;
    QString text;
    QString title;
    Icon icon = NoIcon;
    Buttons buttons = Ok;
    Result defaultButton = ResOk;
    int width = 0; // of the box as shown
};
void setTestMode(bool on);
void queueAnswer(Result answer);
void queueInput(const QString &text, bool ok = true);
QList<Shown> shown();
QStringList unanswered();
int beeps();
int pendingAnswers();
void resetRecord();
} // namespace Msg
