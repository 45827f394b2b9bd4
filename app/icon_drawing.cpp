#include "icon_drawing.h"

#include <QPainter>
#include <QPainterPath>

namespace program_icon {

namespace {

// The picture is laid out on a 32-unit square, as is its scalable twin
// app/icons/boolean-laws.svg.
constexpr qreal designSize = 32;

} // namespace

void draw(QPainter &painter, const QRectF &target) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.topLeft());
    painter.scale(target.width() / designSize, target.height() / designSize);
    painter.setPen(Qt::NoPen);

    painter.setBrush(QColor(0x80, 0x80, 0xFF)); // the window's colour
    painter.drawRoundedRect(QRectF(0, 0, 32, 32), 5, 5);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(3, 3, 26, 26), 2, 2);

    // Headers A, B, C.
    painter.fillRect(QRectF(5, 5, 6, 5), QColor(0xFF, 0x80, 0x80));
    painter.fillRect(QRectF(13, 5, 6, 5), QColor(0x80, 0xFF, 0x80));
    painter.fillRect(QRectF(21, 5, 6, 5), QColor(0xFF, 0x80, 0xFF));

    // The ones.
    const QColor one(0x20, 0x20, 0x60);
    for (const QRectF &cell :
         {QRectF(21, 13, 6, 3), QRectF(13, 18, 6, 3), QRectF(5, 23, 6, 3), QRectF(21, 23, 6, 3)})
        painter.fillRect(cell, one);

    // The zeros: outlines one unit wide, filled as rings rather than drawn
    // with a pen, which would bring in the stroker and its trigonometry.
    QPainterPath zeros;
    zeros.setFillRule(Qt::OddEvenFill);
    for (const QRectF &cell : {QRectF(5, 13, 6, 3), QRectF(13, 13, 6, 3), QRectF(5, 18, 6, 3),
                               QRectF(21, 18, 6, 3), QRectF(13, 23, 6, 3)}) {
        zeros.addRect(cell);
        zeros.addRect(cell.adjusted(1, 1, -1, -1));
    }
    painter.fillPath(zeros, QColor(0xC0, 0xC0, 0xE0));
    painter.restore();
}

QImage drawn(const QSize &size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    draw(painter, QRectF(QPointF(0, 0), size));
    painter.end();
    return image;
}

} // namespace program_icon
