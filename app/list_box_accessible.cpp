#include "list_box_accessible.h"

#include "list_box.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <vector>

namespace {

class RowInterface : public QAccessibleInterface {
public:
    RowInterface(ListBox *list, int row) : list_(list), row_(row) {}

    bool isValid() const override { return list_ && row_ < list_->count(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return list_ ? list_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(list_); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name && isValid() ? list_->itemText(row_) : QString();
    }

    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect inViewport = list_->visualRowRect(row_).intersected(list_->viewport()->rect());
        return inViewport.translated(list_->viewport()->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid())
            return state;
        state.selectable = true;
        state.focusable = true;
        state.selected = list_->selectedRow() == row_;
        state.focused = list_->hasFocus() && list_->currentRow() == row_;
        const QRect shown = list_->visualRowRect(row_).intersected(list_->viewport()->rect());
        state.offscreen = shown.isEmpty();
        state.invisible = !list_->isVisible();
        return state;
    }

private:
    QPointer<ListBox> list_;
    int row_;
};

class ListInterface : public QAccessibleWidget {
public:
    explicit ListInterface(ListBox *list) : QAccessibleWidget(list, QAccessible::List) {}

    ~ListInterface() override {
        for (QAccessibleInterface *row : rows_)
            if (row)
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(row));
    }

    int childCount() const override { return list()->count(); }

    QAccessibleInterface *child(int index) const override {
        if (index < 0 || index >= list()->count())
            return nullptr;
        if (rows_.size() <= std::size_t(index))
            rows_.resize(std::size_t(index) + 1, nullptr);
        QAccessibleInterface *&row = rows_[std::size_t(index)];
        if (!row) {
            row = new RowInterface(list(), index);
            QAccessible::registerAccessibleInterface(row);
        }
        return row;
    }

    int indexOfChild(const QAccessibleInterface *child) const override {
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (rows_[i] == child)
                return int(i);
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override {
        const QPoint inViewport = list()->viewport()->mapFromGlobal(QPoint(x, y));
        const int row = list()->viewport()->rect().contains(inViewport) ? list()->rowAt(inViewport) : -1;
        return row >= 0 ? child(row) : QAccessibleWidget::childAt(x, y);
    }

    QAccessibleInterface *focusChild() const override {
        return list()->hasFocus() && list()->currentRow() >= 0 ? child(list()->currentRow()) : nullptr;
    }

private:
    ListBox *list() const { return static_cast<ListBox *>(widget()); }

    mutable std::vector<QAccessibleInterface *> rows_;
};

} // namespace

QAccessibleInterface *listBoxInterface(const QString &className, QObject *object) {
    if (className == QLatin1String("ListBox") && object->isWidgetType())
        return new ListInterface(static_cast<ListBox *>(object));
    return nullptr;
}
