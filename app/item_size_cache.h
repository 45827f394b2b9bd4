#pragma once

#include <QHash>
#include <QStyledItemDelegate>

// Draws list items exactly as the standard delegate does, but measures each
// item's text only once. A list view asks for an item's size on every click,
// hover and paint (to find the row under the pointer and the rows to
// repaint), and measuring a long Cyrillic text each time costs a click a
// good part of a millisecond. The size depends only on the text, the font,
// the style and the screen's pixel ratio, so it is remembered for exactly
// those.
class ItemSizeCache : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    mutable QHash<QString, QSize> sizes_;
};
