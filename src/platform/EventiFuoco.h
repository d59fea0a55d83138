#pragma once
#include <QList>
#include <QObject>
#include <functional>

class QWidget;

// The focus entering and leaving the controls of one window, one event per control and move:
// moving inside a composite control, or to a message box and back, raises none. A handler may move
// the focus again; the moves are then handled in turn, each control's leaving before the next one's entering.
class EventiFuoco : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<void()>;
    explicit EventiFuoco(QWidget *window);
    void add(QWidget *control, Handler gotFocus, Handler lostFocus = {});

    // For controls that watch their own focus events: a focus that is not the window coming back
    // nor the control's own list closing.
    static bool nuovo(Qt::FocusReason reason);
    // A focus the teacher gave with the mouse or the keyboard, not the program's own.
    static bool dallUtente(Qt::FocusReason reason);

private:
    struct Control {
        QWidget *widget;
        Handler got, lost;
    };
    int controlOf(QWidget *w) const;
    void dispatch();

    QWidget *m_window;
    QList<Control> m_controls;
    int m_current = -1;
    bool m_busy = false;
    bool m_pending = false;
};
