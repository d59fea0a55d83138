#include "platform/MsgBox.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <deque>

namespace {
struct Answer {
    Msg::Result result = Msg::ResOk;
    QString text;
    bool ok = true;
};
bool g_test = false;
std::deque<Answer> g_answers;
QList<Msg::Shown> g_shown;
QStringList g_unanswered;
int g_beeps = 0;

QString displayText(QString text)
{
    text.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    return text;
}

QString defaultTitle(const QString &title)
{
    return title.isEmpty() ? QStringLiteral("Quaderlo") : title;
}

std::optional<Answer> takeAnswer(const QString &what)
{
    if (g_answers.empty()) {
        g_unanswered << what;
        return std::nullopt;
    }
    Answer a = g_answers.front();
    g_answers.pop_front();
    return a;
}

QMessageBox::Icon qtIcon(Msg::Icon icon)
{
    switch (icon) {
    case Msg::Critical: return QMessageBox::Critical;
    case Msg::Question: return QMessageBox::Question;
    case Msg::Exclamation: return QMessageBox::Warning;
    case Msg::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButton qtButton(Msg::Result r)
{
    switch (r) {
    case Msg::ResCancel: return QMessageBox::Cancel;
    case Msg::ResYes: return QMessageBox::Yes;
    case Msg::ResNo: return QMessageBox::No;
    default: return QMessageBox::Ok;
    }
}

Msg::Result fromQt(int b)
{
    switch (b) {
    case QMessageBox::Cancel: return Msg::ResCancel;
    case QMessageBox::Yes: return Msg::ResYes;
    case QMessageBox::No: return Msg::ResNo;
    default: return Msg::ResOk;
    }
}
} // namespace

Msg::Result Msg::box(const QString &text, Buttons buttons, Icon icon, const QString &title, Result defaultButton)
{
    QMessageBox mb(qtIcon(icon), defaultTitle(title), displayText(text), QMessageBox::NoButton, QApplication::activeWindow());
    switch (buttons) {
    case YesNo: mb.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case OkCancel: mb.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case YesNoCancel: mb.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    default: mb.setStandardButtons(QMessageBox::Ok); break;
    }
    if (buttons == Ok)
        defaultButton = ResOk;
    else if (buttons == YesNo && defaultButton != ResNo)
        defaultButton = ResYes;
    else if (buttons == YesNoCancel && defaultButton == ResOk)
        defaultButton = ResYes;
    mb.setDefaultButton(qtButton(defaultButton));
    mb.setEscapeButton(buttons == Ok ? QMessageBox::Ok : buttons == YesNo ? QMessageBox::No : QMessageBox::Cancel);
    if (g_test) {
        g_shown << Shown{false, text, defaultTitle(title), icon, buttons, defaultButton};
        const auto a = takeAnswer(text);
        const QMessageBox::StandardButton press = a ? qtButton(a->result) : qtButton(defaultButton);
        // The real box is shown and answered once its event loop runs.
        QTimer::singleShot(0, &mb, [&mb, press] {
            if (QAbstractButton *b = mb.button(press))
                b->click();
            else
                mb.done(QMessageBox::Cancel);
        });
    }
    return fromQt(mb.exec());
}

void Msg::warn(const QString &text, Icon icon, const QString &title)
{
    beep();
    box(text, Ok, icon, title);
}

bool Msg::askYesNo(const QString &text, const QString &title, Icon icon, Result defaultButton)
{
    return box(text, YesNo, icon, title, defaultButton) == ResYes;
}

QString Msg::input(const QString &prompt, const QString &title, const QString &defaultText, bool *ok)
{
    QInputDialog dlg(QApplication::activeWindow());
    dlg.setWindowTitle(defaultTitle(title));
    dlg.setLabelText(prompt);
    dlg.setTextValue(defaultText);
    if (g_test) {
        g_shown << Shown{true, prompt, defaultTitle(title), NoIcon, OkCancel, ResOk};
        const auto a = takeAnswer(prompt);
        QTimer::singleShot(0, &dlg, [&dlg, a] {
            if (a && a->ok) {
                dlg.setTextValue(a->text);
                dlg.accept();
            } else {
                dlg.reject();
            }
        });
    }
    const bool accepted = dlg.exec() == QDialog::Accepted;
    if (ok)
        *ok = accepted;
    return accepted ? dlg.textValue() : QString();
}

void Msg::beep()
{
    ++g_beeps;
    QApplication::beep();
}

void Msg::setTestMode(bool on) { g_test = on; }
void Msg::queueAnswer(Result answer) { g_answers.push_back(Answer{answer, QString(), true}); }
void Msg::queueInput(const QString &text, bool ok) { g_answers.push_back(Answer{ResOk, text, ok}); }
QList<Msg::Shown> Msg::shown() { return g_shown; }
QStringList Msg::unanswered() { return g_unanswered; }
int Msg::beeps() { return g_beeps; }
int Msg::pendingAnswers() { return int(g_answers.size()); }

void Msg::resetRecord()
{
    g_answers.clear();
    g_shown.clear();
    g_unanswered.clear();
    g_beeps = 0;
}
