#include "composition/ComboTendina.h"

#include <QKeyEvent>
#include <QWheelEvent>

ComboTendina::ComboTendina(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    setMaxVisibleItems(20);
}

void ComboTendina::showPopup()
{
    if (dropDown && !dropDown())
        return;
    QComboBox::showPopup();
}

void ComboTendina::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        if (!(event->modifiers() & Qt::AltModifier)) {
            showPopup();
            return;
        }
        break;
    default:
        if (!event->text().isEmpty() && event->text().at(0).isPrint() && event->text() != QLatin1String(" ")) {
            showPopup();
            return;
        }
    }
    QComboBox::keyPressEvent(event);
}

void ComboTendina::wheelEvent(QWheelEvent *event)
{
    // Turning the wheel over a closed list must not change the class or the pupil.
    event->ignore();
}

void ComboTendina::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    switch (event->reason()) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        emit gotFocus();
        break;
    default:
        break; // the window coming back, the list closing, or the program's own focus
    }
}

void ComboTendina::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        emit lostFocus();
}
