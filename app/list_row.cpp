#include "list_row.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTextLayout>
#include <QWidget>

namespace list_row {

namespace {

// Fusion draws rows with the common style's item drawing, which this
// repeats; another style may draw them its own way.
bool drawnAsCommonStyle(const QStyle *style, const QStyleOptionViewItem &option, const QWidget *list) {
    return qstrcmp(style->metaObject()->className(), "QFusionStyle") == 0 &&
           option.features == QStyleOptionViewItem::HasDisplay && option.icon.isNull() &&
           option.backgroundBrush.style() == Qt::NoBrush && !(option.state & QStyle::State_Editing) &&
           style->styleHint(QStyle::SH_ItemView_ShowDecorationSelected, &option, list);
}

QPalette::ColorGroup colourGroup(const QStyleOptionViewItem &option) {
    if (!(option.state & QStyle::State_Enabled))
        return QPalette::Disabled;
    return option.state & QStyle::State_Active ? QPalette::Normal : QPalette::Inactive;
}

} // namespace

void draw(QPainter &painter, const QStyleOptionViewItem &option, const QWidget *list) {
    const QStyle *style = list->style();
    if (!drawnAsCommonStyle(style, option, list)) {
        style->drawControl(QStyle::CE_ItemViewItem, &option, &painter, list);
        return;
    }

    // With the decoration shown selected the text takes the whole row, less
    // the focus frame's margin on each side.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const QRect textRect = option.rect.adjusted(margin, 0, -margin, 0);
    QTextOption textOption;
    textOption.setWrapMode(QTextOption::ManualWrap);
    textOption.setTextDirection(option.direction);
    textOption.setAlignment(QStyle::visualAlignment(option.direction, option.displayAlignment));
    QTextLayout layout(option.text, option.font);
    layout.setTextOption(textOption);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) {
        line.setLineWidth(textRect.width());
        line.setPosition(QPointF(0, 0));
    }
    const bool oneLine = line.isValid() && !layout.createLine().isValid();
    layout.endLayout();
    // Text that wraps or must be elided goes the style's own way.
    if (!oneLine || line.naturalTextWidth() > textRect.width()) {
        style->drawControl(QStyle::CE_ItemViewItem, &option, &painter, list);
        return;
    }

    painter.save();
    painter.setClipRect(option.rect);
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, &painter, list);
    if (!option.text.isEmpty()) {
        const QPalette::ColorGroup group = colourGroup(option);
        painter.setPen(option.palette.color(
            group, option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        const QRect aligned = QStyle::alignedRect(Qt::LayoutDirectionAuto, option.displayAlignment,
                                                  layout.boundingRect().size().toSize(), textRect);
        layout.draw(&painter, QPointF(textRect.x(), aligned.top()));
    }
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = option.rect;
        focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
        const QPalette::ColorGroup group =
            option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
        focus.backgroundColor = option.palette.color(
            group, option.state & QStyle::State_Selected ? QPalette::Highlight : QPalette::Window);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, list);
    }
    painter.restore();
}

} // namespace list_row
