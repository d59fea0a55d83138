#include "platform/Form.h"
#include "platform/Help.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMap>
#include <QPointer>
#include <QShortcut>

namespace {
QMap<QString, Forms::Factory> &factories()
{
    static QMap<QString, Forms::Factory> f;
    return f;
}
QMap<QString, QPointer<Form>> &instances()
{
    static QMap<QString, QPointer<Form>> i;
    return i;
}
bool g_ended = false;
} // namespace

Form::Form(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, [] { Help::open(); });
}

void Form::setCentredFrames(const QList<QWidget *> &frames)
{
    m_frames = frames;
    for (auto it = m_frames.rbegin(); it != m_frames.rend(); ++it)
        (*it)->lower();
    for (QWidget *f : m_frames)
        Forms::centre(f);
}

void Form::closeEvent(QCloseEvent *event)
{
    if (Forms::programEnded() || !isVisible()) {
        event->accept();
        return;
    }
    event->ignore();
    closeByTitleBar();
}

void Form::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    for (QWidget *f : m_frames)
        Forms::centre(f);
}

void Forms::registerForm(const QString &name, Factory factory)
{
    factories().insert(name, std::move(factory));
}

bool Forms::isRegistered(const QString &name)
{
    return factories().contains(name);
}

Form *Forms::get(const QString &name)
{
    if (Form *f = find(name))
        return f;
    const auto it = factories().constFind(name);
    if (it == factories().constEnd())
        return nullptr;
    Form *f = (*it)();
    instances().insert(name, f);
    return f;
}

Form *Forms::find(const QString &name)
{
    return instances().value(name);
}

bool Forms::isLoaded(const QString &name)
{
    return find(name) != nullptr;
}

void Forms::unload(const QString &name)
{
    QPointer<Form> f = instances().take(name);
    if (!f)
        return;
    f->hide();
    f->deleteLater();
}

void Forms::endProgram()
{
    g_ended = true;
    for (const QString &name : instances().keys())
        unload(name);
    QCoreApplication::exit(0);
}

bool Forms::programEnded()
{
    return g_ended;
}

void Forms::resetAll()
{
    for (const QString &name : instances().keys()) {
        QPointer<Form> f = instances().take(name);
        delete f.data();
    }
    g_ended = false;
}

void Forms::centre(QWidget *frame)
{
    const QWidget *p = frame->parentWidget();
    if (!p)
        return;
    frame->move(qRound((p->width() - frame->width()) / 2.0), qRound((p->height() - frame->height()) / 2.0));
}
