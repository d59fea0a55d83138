#include "platform/Msg.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFontDatabase>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
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

// Room for the title bar's icon and buttons beside the title.
constexpr int kBottoniTitolo = 150;

// A box is as wide as its title: a spacer in its layout, since QMessageBox sizes itself from its layout.
void allarga(QDialog *box, const QString &title)
{
    box->sizeHint(); // an input box makes its layout only when first measured
    const int width = Msg::titleWidth(title);
    auto *spazio = new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
    if (auto *grid = qobject_cast<QGridLayout *>(box->layout()))
        grid->addItem(spazio, grid->rowCount(), 0, 1, grid->columnCount());
    else if (auto *col = qobject_cast<QBoxLayout *>(box->layout()))
        col->addItem(spazio);
    else
        delete spazio;
}

// Records the width of the box as it shows.
void misura(int record, QWidget *box)
{
    if (record >= 0 && record < g_shown.size())
        g_shown[record].width = box->width();
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
    allarga(&mb, defaultTitle(title));
    if (g_test) {
        g_shown << Shown{false, text, defaultTitle(title), icon, buttons, defaultButton};
        const int record = int(g_shown.size()) - 1;
        const auto a = takeAnswer(text);
        const QMessageBox::StandardButton press = a ? qtButton(a->result) : qtButton(defaultButton);
        // The real box is shown and answered once its event loop runs.
        QTimer::singleShot(0, &mb, [&mb, press, record] {
            misura(record, &mb);
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
    allarga(&dlg, defaultTitle(title));
    if (g_test) {
        g_shown << Shown{true, prompt, defaultTitle(title), NoIcon, OkCancel, ResOk};
        const int record = int(g_shown.size()) - 1;
        const auto a = takeAnswer(prompt);
        QTimer::singleShot(0, &dlg, [&dlg, a, record] {
            misura(record, &dlg);
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

int Msg::titleWidth(const QString &title)
{
    // Qt appends the program's display name to every window title it hands to the window manager.
    QString decorated = title;
    const QString app = QGuiApplication::applicationDisplayName();
    if (!app.isEmpty() && !title.endsWith(app))
        decorated += (title.isEmpty() ? QString() : QStringLiteral(" \u2014 ")) + app;
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const int width = QFontMetrics(font).horizontalAdvance(decorated) + kBottoniTitolo;
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? qMin(width, screen->availableGeometry().width() - 40) : width;
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
