#pragma once

#include <QImage>

class QPainter;
class QRectF;

namespace program_icon {

// The icon's picture, a small truth table, drawn into target: the one
// drawing behind the window's icon, the pictures stored in the program and
// the PNG files installed for the desktop.
void draw(QPainter &painter, const QRectF &target);

// The picture at size x size pixels, premultiplied ARGB.
QImage drawn(int size);

} // namespace program_icon
