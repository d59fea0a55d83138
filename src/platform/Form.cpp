#include "platform/Form.h"
#include "platform/Finestre.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMap>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QWindow>

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
std::function<void(const QString &)> g_help;
} // namespace

Form::Form(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, [this] {
        if (g_help)
            g_help(objectName());
    });
}

void Form::setCentredFrames(const QList<QWidget *> &frames)
{
    m_frames = frames;
    // The first frame holds the controls and lies on top; the others are borders beneath it.
    for (QWidget *f : m_frames)
        f->lower();
    for (int i = 1; i < m_frames.size(); ++i)
        m_frames[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
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
    if (m_area)
        m_area->setGeometry(rect());
    for (QWidget *f : m_frames)
        Forms::centre(f);
}

void Form::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        fitScreen();
}

void Form::keyPressEvent(QKeyEvent *event)
{
    if (m_escapeCloses && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        closeByTitleBar();
        return;
    }
    QWidget::keyPressEvent(event);
}

namespace {
QScreen *menuScreen(const QWidget *self)
{
    const Form *menu = Forms::find(Finestre::Menu);
    if (menu && menu != self && menu->windowHandle() && menu->windowHandle()->screen())
        return menu->windowHandle()->screen();
    if (QScreen *s = QGuiApplication::screenAt(QCursor::pos()))
        return s;
    return QGuiApplication::primaryScreen();
}

// The window manager's frame; before the first mapping a usual title bar and border are assumed.
QMargins decoration(const QWidget *w)
{
    const QMargins known = w->windowHandle() ? w->windowHandle()->frameMargins() : QMargins();
    const QMargins assumed(4, 32, 4, 4);
    return QMargins(qMax(known.left(), assumed.left()), qMax(known.top(), assumed.top()),
                    qMax(known.right(), assumed.right()), qMax(known.bottom(), assumed.bottom()));
}
} // namespace

// Opens centred on the main menu's screen, shrunk into its free area where it is larger.
void Form::fitScreen()
{
    QScreen *screen = menuScreen(this);
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QMargins deco = decoration(this);
    const QSize room(available.width() - deco.left() - deco.right(), available.height() - deco.top() - deco.bottom());
    if ((width() > room.width() || height() > room.height()) && minimumSize() != maximumSize()) {
        scrollContents(size());
        resize(size().boundedTo(room));
    }
    const QSize outer(width() + deco.left() + deco.right(), height() + deco.top() + deco.bottom());
    // The client area is placed: window managers put their frame around it.
    const QPoint frame = Forms::placeInside(available, outer).topLeft();
    setGeometry(QRect(frame + QPoint(deco.left(), deco.top()), size()));
}

// Moves the controls into a scroll area once, so that they keep their places when the window shrinks.
void Form::scrollContents(const QSize &design)
{
    if (m_area || layout())
        return;
    auto *area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("scrollForm"));
    area->setFrameShape(QFrame::NoFrame);
    area->setAlignment(Qt::AlignCenter);
    auto *contents = new QWidget;
    contents->setObjectName(QStringLiteral("contenutoForm"));
    contents->setFixedSize(design);
    contents->setPalette(palette());
    contents->setAutoFillBackground(autoFillBackground());
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child == area || child->isWindow())
            continue;
        const QRect g = child->geometry();
        const bool visible = !child->isHidden();
        child->setParent(contents);
        child->setGeometry(g);
        child->setVisible(visible);
    }
    area->setWidget(contents);
    area->setPalette(palette());
    area->setGeometry(rect());
    area->show();
    m_area = area;
}

void Forms::setHelp(std::function<void(const QString &)> help)
{
    g_help = std::move(help);
}

void Forms::tornaA(const QString &a, const QString &da)
{
    if (Form *f = get(a)) {
        f->Form_Load();
        f->setEnabled(true);
    } else if (Form *menu = find(Finestre::Menu)) {
        menu->show();
        menu->setEnabled(true);
    }
    unload(da);
}

void Forms::registerForm(const QString &name, Factory factory)
{
    factories().insert(name, std::move(factory));
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

QRect Forms::placeInside(const QRect &available, const QSize &outer)
{
    QRect r(QPoint(0, 0), outer);
    r.moveCenter(available.center());
    if (r.right() > available.right())
        r.moveRight(available.right());
    if (r.bottom() > available.bottom())
        r.moveBottom(available.bottom());
    if (r.left() < available.left())
        r.moveLeft(available.left());
    if (r.top() < available.top())
        r.moveTop(available.top());
    return r;
}

void Forms::centre(QWidget *frame)
{
    const QWidget *p = frame->parentWidget();
    if (!p)
        return;
    frame->move(qRound((p->width() - frame->width()) / 2.0), qRound((p->height() - frame->height()) / 2.0));
}
