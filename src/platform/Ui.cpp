#include "platform/Ui.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

QRect Ui::twips(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

void Ui::setBackground(QWidget *w, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QFont Ui::font(const QString &family, qreal points, bool bold)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QLabel *Ui::label(QWidget *parent, const QString &name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QPushButton *Ui::button(QWidget *parent, const QString &name, const QString &caption, const QString &toolTip)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    if (!toolTip.isEmpty())
        b->setToolTip(toolTip);
    return b;
}

QFrame *Ui::frame(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Sunken);
    f->setGeometry(geometry);
    return f;
}
