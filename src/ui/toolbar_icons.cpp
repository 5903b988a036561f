#include "ui/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <functional>

namespace r5 {
namespace {

constexpr int kSize = 64;  // drawn at 64 px; Qt scales down for the toolbar

QIcon drawn(const std::function<void(QPainter&)>& draw)
{
    QIcon icon;
    for (int size : {kSize, kSize / 2}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / double(kSize), size / double(kSize));
        draw(p);
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPen outline(const QColor& color) { return QPen(color, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// A small hand-held radio: body, antenna, display and keypad.
void drawRadio(QPainter& p, const QRectF& body)
{
    p.setPen(outline(QColor(40, 40, 40)));
    p.setBrush(QColor(70, 70, 75));
    p.drawLine(QPointF(body.left() + body.width() * 0.25, body.top()),
               QPointF(body.left() + body.width() * 0.25, body.top() - body.height() * 0.35));
    p.drawRoundedRect(body, 5, 5);
    p.setBrush(QColor(150, 220, 160));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(body.left() + body.width() * 0.18, body.top() + body.height() * 0.12,
                      body.width() * 0.64, body.height() * 0.25));
    p.setBrush(QColor(200, 200, 200));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            p.drawEllipse(QPointF(body.left() + body.width() * (0.28 + c * 0.22),
                                  body.top() + body.height() * (0.52 + r * 0.14)),
                          body.width() * 0.07, body.width() * 0.07);
}

void drawArrow(QPainter& p, QPointF from, QPointF to, const QColor& color)
{
    p.setPen(QPen(color, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QPointF dir = (to - from) / std::hypot((to - from).x(), (to - from).y());
    const QPointF normal(-dir.y(), dir.x());
    QPainterPath head;
    head.moveTo(to + dir * 8);
    head.lineTo(to - dir * 6 + normal * 10);
    head.lineTo(to - dir * 6 - normal * 10);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(head);
}

void drawFolder(QPainter& p)
{
    p.setPen(outline(QColor(150, 100, 20)));
    p.setBrush(QColor(240, 190, 80));
    QPainterPath back;
    back.moveTo(6, 14);
    back.lineTo(24, 14);
    back.lineTo(29, 20);
    back.lineTo(54, 20);
    back.lineTo(54, 52);
    back.lineTo(6, 52);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(252, 215, 120));
    QPainterPath front;
    front.moveTo(6, 52);
    front.lineTo(16, 28);
    front.lineTo(60, 28);
    front.lineTo(52, 52);
    front.closeSubpath();
    p.drawPath(front);
}

void drawDiskette(QPainter& p)
{
    p.setPen(outline(QColor(20, 50, 110)));
    p.setBrush(QColor(50, 100, 190));
    QPainterPath body;
    body.moveTo(8, 8);
    body.lineTo(48, 8);
    body.lineTo(56, 16);
    body.lineTo(56, 56);
    body.lineTo(8, 56);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(220, 225, 235));
    p.drawRect(QRectF(18, 8, 26, 16));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(15, 34, 34, 22));
    p.setPen(QPen(QColor(150, 160, 180), 2));
    for (int y : {40, 45, 50})
        p.drawLine(19, y, 45, y);
}

void drawChannelTable(QPainter& p)
{
    p.setPen(outline(QColor(60, 60, 60)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 8, 52, 48));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 140, 210));
    p.drawRect(QRectF(7.5, 9.5, 49, 9));
    p.setPen(QPen(QColor(120, 120, 120), 2));
    for (int y : {28, 38, 48})
        p.drawLine(8, y, 56, y);
    p.drawLine(22, 18, 22, 55);
    p.drawLine(40, 18, 40, 55);
}

void drawDoor(QPainter& p)
{
    p.setPen(outline(QColor(90, 50, 20)));
    p.setBrush(QColor(160, 100, 50));
    p.drawRect(QRectF(12, 6, 30, 52));
    p.setBrush(QColor(230, 190, 60));
    p.drawEllipse(QPointF(36, 33), 3, 3);
    drawArrow(p, QPointF(34, 44), QPointF(54, 44), QColor(200, 40, 40));
}

} // namespace

QIcon toolbarIcon(const QString& key)
{
    if (key == "open")
        return drawn(drawFolder);
    if (key == "save")
        return drawn(drawDiskette);
    if (key == "edit_chann")
        return drawn(drawChannelTable);
    if (key == "read")
        return drawn([](QPainter& p) {
            drawRadio(p, QRectF(6, 22, 22, 38));
            drawArrow(p, QPointF(30, 24), QPointF(52, 46), QColor(30, 140, 60));
        });
    if (key == "write")
        return drawn([](QPainter& p) {
            drawRadio(p, QRectF(36, 22, 22, 38));
            drawArrow(p, QPointF(8, 46), QPointF(28, 26), QColor(200, 90, 20));
        });
    if (key == "Exit")
        return drawn(drawDoor);
    return {};
}

QIcon programIcon()
{
    return drawn([](QPainter& p) { drawRadio(p, QRectF(18, 16, 28, 46)); });
}

} // namespace r5
