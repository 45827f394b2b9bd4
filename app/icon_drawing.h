#pragma once

#include <QImage>

class QPainter;
class QRectF;

namespace program_icon {

// The icon's picture, a small truth table, drawn into target: the one
// drawing behind the window's icon, the pictures stored in the program and
// the PNG files installed for the desktop.
void draw(QPainter &painter, const QRectF &target);

// The picture at size, premultiplied ARGB.
QImage drawn(const QSize &size);

} // namespace program_icon
