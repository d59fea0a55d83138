#include "utilities/IconeUtilita.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {
const QColor kInchiostro(40, 52, 84);
const QColor kBlu(62, 110, 196);
const QColor kVerde(46, 150, 82);
const QColor kRosso(196, 64, 52);
const QColor kOro(226, 172, 48);
const QColor kCarta(252, 252, 246);

// Draws on a 48 x 48 grid at 1x and 2x, for sharp icons on any screen.
QIcon disegna(const std::function<void(QPainter &)> &fn)
{
    QIcon icon;
    for (int scala : {1, 2}) {
        QPixmap pm(48 * scala, 48 * scala);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scala, scala);
        fn(p);
        p.end();
        pm.setDevicePixelRatio(scala);
        icon.addPixmap(pm);
    }
    return icon;
}

QPen tratto(const QColor &c, qreal w = 2.0)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void foglio(QPainter &p, const QRectF &r)
{
    p.setPen(tratto(kInchiostro, 1.8));
    p.setBrush(kCarta);
    p.drawRoundedRect(r, 2, 2);
}
} // namespace

QIcon IconeUtilita::personalizza()
{
    return disegna([](QPainter &p) {
        QPainterPath tag;
        tag.moveTo(6, 14);
        tag.lineTo(28, 14);
        tag.lineTo(38, 24);
        tag.lineTo(28, 34);
        tag.lineTo(6, 34);
        tag.closeSubpath();
        p.setPen(tratto(kInchiostro, 1.8));
        p.setBrush(QColor(214, 228, 252));
        p.drawPath(tag);
        p.setPen(tratto(kBlu, 2.4));
        p.drawLine(QPointF(11, 21), QPointF(24, 21));
        p.drawLine(QPointF(11, 27), QPointF(20, 27));
        // Pencil across the corner.
        p.translate(34, 38);
        p.rotate(-45);
        p.setPen(tratto(kInchiostro, 1.4));
        p.setBrush(kOro);
        p.drawRect(QRectF(-2, -4, 18, 8));
        p.setBrush(QColor(240, 200, 160));
        QPolygonF punta{QPointF(-2, -4), QPointF(-9, 0), QPointF(-2, 4)};
        p.drawPolygon(punta);
        p.setBrush(kRosso);
        p.drawRect(QRectF(16, -4, 4, 8));
    });
}

QIcon IconeUtilita::password()
{
    return disegna([](QPainter &p) {
        p.setPen(tratto(kInchiostro, 4.0));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(14, 6, 20, 24), 0, 180 * 16);
        p.drawLine(QPointF(14, 18), QPointF(14, 22));
        p.drawLine(QPointF(34, 18), QPointF(34, 22));
        p.setPen(tratto(kInchiostro, 1.8));
        p.setBrush(kOro);
        p.drawRoundedRect(QRectF(9, 21, 30, 22), 4, 4);
        p.setBrush(kInchiostro);
        p.drawEllipse(QPointF(24, 30), 3, 3);
        p.drawRect(QRectF(23, 31, 2, 7));
    });
}

QIcon IconeUtilita::nuovoAnno()
{
    return disegna([](QPainter &p) {
        foglio(p, QRectF(7, 9, 34, 33));
        p.setPen(Qt::NoPen);
        p.setBrush(kRosso);
        p.drawRect(QRectF(8, 10, 32, 9));
        p.setPen(tratto(kInchiostro, 3));
        p.drawLine(QPointF(16, 5), QPointF(16, 13));
        p.drawLine(QPointF(32, 5), QPointF(32, 13));
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(17);
        f.setBold(true);
        p.setFont(f);
        p.setPen(kInchiostro);
        p.drawText(QRectF(7, 19, 34, 23), Qt::AlignCenter, QStringLiteral("1"));
    });
}

QIcon IconeUtilita::preselezione()
{
    return disegna([](QPainter &p) {
        foglio(p, QRectF(8, 5, 32, 38));
        for (int i = 0; i < 3; ++i) {
            const qreal y = 13 + i * 10;
            p.setPen(tratto(kInchiostro, 1.4));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(12, y - 3, 7, 7));
            p.setPen(tratto(QColor(120, 128, 150), 2));
            p.drawLine(QPointF(23, y + 0.5), QPointF(35, y + 0.5));
            if (i != 1) {
                p.setPen(tratto(kVerde, 2.4));
                p.drawPolyline(QPolygonF{QPointF(12, y), QPointF(15, y + 3.5), QPointF(21, y - 5)});
            }
        }
    });
}

QIcon IconeUtilita::formati()
{
    return disegna([](QPainter &p) {
        foglio(p, QRectF(9, 4, 30, 40));
        p.setPen(QPen(kBlu, 1, Qt::DashLine));
        p.drawLine(QPointF(14, 5), QPointF(14, 43));
        p.drawLine(QPointF(10, 11), QPointF(38, 11));
        p.setPen(tratto(kInchiostro, 2));
        for (int i = 0; i < 5; ++i)
            p.drawLine(QPointF(17, 16 + i * 5), QPointF(i == 4 ? 27 : 34, 16 + i * 5));
    });
}

QPixmap IconeUtilita::scambio(const QSize &size)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = qMin(size.width() / 200.0, size.height() / 100.0);
    p.translate((size.width() - 200 * s) / 2, (size.height() - 100 * s) / 2);
    p.scale(s, s);
    // Computer.
    p.setPen(tratto(kInchiostro, 2.5));
    p.setBrush(QColor(214, 228, 252));
    p.drawRoundedRect(QRectF(8, 14, 64, 46), 4, 4);
    p.setBrush(kInchiostro);
    p.drawRect(QRectF(34, 60, 12, 10));
    p.drawRoundedRect(QRectF(22, 70, 36, 6), 2, 2);
    p.setBrush(kOro);
    p.setPen(tratto(kInchiostro, 1.5));
    p.drawRect(QRectF(24, 28, 32, 22));
    p.drawRect(QRectF(24, 24, 12, 4));
    // Removable disk.
    p.setPen(tratto(kInchiostro, 2.5));
    p.setBrush(kBlu);
    p.drawRoundedRect(QRectF(146, 26, 46, 36), 5, 5);
    p.setBrush(QColor(200, 204, 214));
    p.drawRect(QRectF(128, 34, 18, 20));
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(132, 39, 4, 4));
    p.drawRect(QRectF(138, 39, 4, 4));
    // Arrows both ways.
    p.setPen(tratto(kVerde, 4));
    p.drawLine(QPointF(84, 30), QPointF(116, 30));
    p.drawPolyline(QPolygonF{QPointF(108, 22), QPointF(116, 30), QPointF(108, 38)});
    p.setPen(tratto(kRosso, 4));
    p.drawLine(QPointF(84, 54), QPointF(116, 54));
    p.drawPolyline(QPolygonF{QPointF(92, 46), QPointF(84, 54), QPointF(92, 62)});
    return pm;
}
