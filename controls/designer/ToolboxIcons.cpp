#include "ToolboxIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace {
constexpr int side = 32;

QIcon draw(const std::function<void(QPainter &)> &paint)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    paint(painter);
    return QIcon(pixmap);
}

void sunkenBox(QPainter &p, const QRect &r)
{
    p.fillRect(r, Qt::white);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(0xE0, 0xE0, 0xE0));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}
} // namespace

QIcon ToolboxIcons::pictureViewer()
{
    return draw([](QPainter &p) {
        sunkenBox(p, QRect(1, 1, 29, 29));
        // A landscape: sky, sun and hills, with a vertical scroll bar on the right.
        p.fillRect(QRect(3, 3, 20, 20), QColor(0xB8, 0xD8, 0xF0));
        p.setBrush(QColor(0xF0, 0xC0, 0x30));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRect(15, 5, 6, 6));
        QPainterPath hills;
        hills.moveTo(3, 23);
        hills.lineTo(3, 17);
        hills.lineTo(9, 11);
        hills.lineTo(14, 16);
        hills.lineTo(18, 13);
        hills.lineTo(23, 18);
        hills.lineTo(23, 23);
        p.fillPath(hills, QColor(0x40, 0x90, 0x50));
        p.fillRect(QRect(24, 3, 5, 20), QColor(0xD0, 0xD0, 0xD0));
        p.fillRect(QRect(25, 8, 3, 7), QColor(0x90, 0x90, 0x90));
        p.fillRect(QRect(3, 24, 20, 5), QColor(0xD0, 0xD0, 0xD0));
        p.fillRect(QRect(6, 25, 8, 3), QColor(0x90, 0x90, 0x90));
    });
}

QIcon ToolboxIcons::editBox()
{
    return draw([](QPainter &p) {
        // Caption bars left and right of a text field with a cursor.
        p.fillRect(QRect(1, 13, 7, 3), QColor(0x30, 0x30, 0x30));
        sunkenBox(p, QRect(10, 8, 15, 14));
        p.setPen(Qt::black);
        p.drawLine(13, 11, 13, 18);
        p.fillRect(QRect(27, 13, 4, 3), QColor(0x30, 0x30, 0x30));
    });
}

QIcon ToolboxIcons::combo()
{
    return draw([](QPainter &p) {
        p.fillRect(QRect(1, 13, 6, 3), QColor(0x30, 0x30, 0x30));
        sunkenBox(p, QRect(9, 8, 22, 14));
        p.fillRect(QRect(23, 9, 7, 12), QColor(0xD0, 0xD0, 0xD0));
        p.setBrush(Qt::black);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygon({QPoint(24, 13), QPoint(29, 13), QPoint(26, 17)}));
        p.fillRect(QRect(11, 14, 9, 2), QColor(0x30, 0x30, 0x30));
    });
}
