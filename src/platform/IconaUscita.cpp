#include "platform/IconaUscita.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

QIcon iconaUscita()
{
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // The door frame and the open door leaf.
    p.setPen(QPen(QColor(60, 60, 60), 3));
    p.setBrush(QColor(250, 250, 240));
    p.drawRect(QRectF(8, 6, 30, 52));
    p.setBrush(QColor(150, 90, 40));
    p.drawPolygon(QPolygonF({QPointF(8, 6), QPointF(26, 12), QPointF(26, 62), QPointF(8, 58)}));
    p.setBrush(QColor(240, 200, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(22, 36), 2.5, 2.5);
    // The arrow leading out.
    p.setPen(QPen(QColor(0, 130, 40), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32, 32), QPointF(52, 32));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 130, 40));
    p.drawPolygon(QPolygonF({QPointF(48, 20), QPointF(62, 32), QPointF(48, 44)}));
    return QIcon(pm);
}
