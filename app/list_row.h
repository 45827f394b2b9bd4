#pragma once

class QPainter;
class QStyleOptionViewItem;
class QWidget;

namespace list_row {

// Draws one list row exactly as the style's item drawing would. For the
// common case (Fusion, one line of text that fits) it lays the text out once,
// where the style lays each row out three times to measure, elide and draw it.
void draw(QPainter &painter, const QStyleOptionViewItem &option, const QWidget *list);

} // namespace list_row
