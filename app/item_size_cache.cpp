#include "item_size_cache.h"

#include <QWidget>

QSize ItemSizeCache::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const {
    const QWidget *view = option.widget;
    // Everything the standard measurement reads that can differ between two
    // items or two moments: the item's text and font, the view's font, item
    // features and icon size, its style, and the screen's pixel ratio.
    const QString key = QStringLiteral("%1|%2|%3|%4|%5x%6|%7|%8")
                            .arg(index.data(Qt::DisplayRole).toString(), index.data(Qt::FontRole).toString(),
                                 option.font.key())
                            .arg(int(option.features))
                            .arg(option.decorationSize.width())
                            .arg(option.decorationSize.height())
                            .arg(view ? view->devicePixelRatioF() : 1.0)
                            .arg(quintptr(view ? view->style() : nullptr));
    const auto found = sizes_.constFind(key);
    if (found != sizes_.constEnd())
        return *found;
    const QSize size = QStyledItemDelegate::sizeHint(option, index);
    sizes_.insert(key, size);
    return size;
}
