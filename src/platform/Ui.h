#pragma once
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QWidget;
class QLabel;
class QPushButton;
class QFrame;

// Small builders shared by the windows: controls named as the program refers to them.
namespace Ui {
// Design sizes are in twips: 15 twips to a pixel at 96 dots per inch.
constexpr int px(int twips) { return (twips + 7) / 15; }
QRect twips(int left, int top, int width, int height);

const QColor kAzzurro(192, 192, 255); // the light blue of the menu and the archive
void setBackground(QWidget *w, const QColor &colour);

QFont font(const QString &family, qreal points, bool bold = false);
QLabel *label(QWidget *parent, const QString &name, const QString &text);
QPushButton *button(QWidget *parent, const QString &name, const QString &caption, const QString &toolTip = QString());
// A frame without caption (a border when raised is false).
QFrame *frame(QWidget *parent, const QString &name, const QRect &geometry);
} // namespace Ui
