#include "composition/ComboTendina.h"
#include "platform/EventiFuoco.h"

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
    // Not the window coming back, the list closing, or the program's own focus.
    if (EventiFuoco::dallUtente(event->reason()))
        emit gotFocus();
}

void ComboTendina::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    if (EventiFuoco::nuovo(event->reason()))
        emit lostFocus();
}
