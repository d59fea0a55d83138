#include "platform/EventiFuoco.h"

#include <QApplication>
#include <QWidget>
#include <utility>

EventiFuoco::EventiFuoco(QWidget *window) : QObject(window), m_window(window)
{
    connect(qApp, &QApplication::focusChanged, this, &EventiFuoco::dispatch);
}

void EventiFuoco::add(QWidget *control, Handler gotFocus, Handler lostFocus)
{
    m_controls << Control{control, std::move(gotFocus), std::move(lostFocus)};
}

bool EventiFuoco::nuovo(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

bool EventiFuoco::dallUtente(Qt::FocusReason reason)
{
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
        || reason == Qt::ShortcutFocusReason;
}

int EventiFuoco::controlOf(QWidget *w) const
{
    for (; w && w != m_window; w = w->parentWidget())
        for (int i = 0; i < m_controls.size(); ++i)
            if (m_controls.at(i).widget == w)
                return i;
    return -1;
}

void EventiFuoco::dispatch()
{
    // A window hidden or on its way out takes no part, even where the focus lingers in it.
    if (!m_window->isVisible())
        return;
    if (m_busy) {
        m_pending = true;
        return;
    }
    m_busy = true;
    // A bound on handlers that keep moving the focus back and forth.
    for (int round = 0; round < 16; ++round) {
        m_pending = false;
        const int now = controlOf(QApplication::focusWidget());
        if (now < 0 || now == m_current)
            break;
        const int old = std::exchange(m_current, -1);
        if (old >= 0 && m_controls.at(old).lost)
            m_controls.at(old).lost();
        if (controlOf(QApplication::focusWidget()) != now)
            continue;
        m_current = now;
        if (m_controls.at(now).got)
            m_controls.at(now).got();
        if (!m_pending)
            break;
    }
    m_busy = false;
}
