#include "list_box.h"

#include "list_box_accessible.h"
#include "list_row.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <QTimerEvent>

#include <algorithm>

namespace {

// Dragging this close to an edge of the rows scrolls them, as in Qt's views.
constexpr int autoScrollMargin = 16;
constexpr int autoScrollInterval = 150; // milliseconds, one row each

} // namespace

ListBox::ListBox(QWidget *parent) : QAbstractScrollArea(parent) {
    static const bool readersKnowLists = (QAccessible::installFactory(listBoxInterface), true);
    Q_UNUSED(readersKnowLists);
    viewport()->setBackgroundRole(QPalette::Base);
    setFocusPolicy(Qt::StrongFocus);
    verticalScrollBar()->setRange(0, 0);
    horizontalScrollBar()->setRange(0, 0);
    typedTimer_.invalidate();
}

void ListBox::addItem(const QString &text) {
    rows_.push_back(text);
    // Rows are measured and the scroll bars set when the list is shown (or
    // asked to scroll), not for every row added: the hidden lists are never
    // measured at all.
    rowSize_ = QSize(); // the last row is measured for all
    layoutPending_ = true;
    viewport()->update();
}

QString ListBox::itemText(int row) const {
    return row >= 0 && row < count() ? rows_[std::size_t(row)] : QString();
}

void ListBox::setCurrentRow(int row) {
    if (row < 0 || row >= count())
        return;
    moveTo(row);
}

void ListBox::moveTo(int row, bool scroll) {
    if (row == current_)
        return;
    const int previous = current_;
    current_ = row;
    viewport()->update(visualRowRect(previous));
    viewport()->update(visualRowRect(row));
    if (!isVisible())
        scrollOnShow_ = true;
    else if (scroll && !autoScroll_.isActive())
        scrollToRow(row);
    tellReaders(row);
    emit itemSelectionChanged();
}

void ListBox::tellReaders(int row) const {
    if (!QAccessible::isActive() || row < 0)
        return;
    QAccessibleEvent selection(const_cast<ListBox *>(this), QAccessible::Selection);
    selection.setChild(row);
    QAccessible::updateAccessibility(&selection);
    if (hasFocus()) {
        QAccessibleEvent focus(const_cast<ListBox *>(this), QAccessible::Focus);
        focus.setChild(row);
        QAccessible::updateAccessibility(&focus);
    }
}

// The standard view's options for its items, as its delegate sees them.
void ListBox::initOption(QStyleOptionViewItem &option) const {
    option.initFrom(this);
    option.state &= ~QStyle::State_MouseOver;
    option.font = font();
    if (!hasFocus())
        option.state &= ~QStyle::State_Active;
    option.state &= ~QStyle::State_HasFocus;
    const int icon = style()->pixelMetric(QStyle::PM_ListViewIconSize, nullptr, this);
    option.decorationSize = QSize(icon, icon);
    option.decorationPosition = QStyleOptionViewItem::Left;
    option.decorationAlignment = Qt::AlignCenter;
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.textElideMode = Qt::ElideRight;
    option.rect = QRect();
    option.showDecorationSelected =
        style()->styleHint(QStyle::SH_ItemView_ShowDecorationSelected, nullptr, this);
    option.locale = locale();
    option.locale.setNumberOptions(QLocale::OmitGroupSeparator);
    option.widget = this;
    option.viewItemPosition = QStyleOptionViewItem::OnlyOne;
    option.features |= QStyleOptionViewItem::HasDisplay;
}

QSize ListBox::rowSize() const {
    if (!rowSize_.isValid()) {
        QStyleOptionViewItem option;
        initOption(option);
        option.text = rows_.empty() ? QString() : rows_.back();
        rowSize_ = style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this);
    }
    return rowSize_;
}

int ListBox::rowsShown() const { return std::max(1, viewport()->height() / std::max(1, rowSize().height())); }

QRect ListBox::visualRowRect(int row) const {
    if (row < 0 || row >= count())
        return {};
    const QSize size = rowSize();
    const int width = std::max(size.width(), viewport()->width());
    return {-horizontalScrollBar()->value(), (row - verticalScrollBar()->value()) * size.height(), width,
            size.height()};
}

int ListBox::rowAt(const QPoint &point) const {
    const int height = rowSize().height();
    if (point.y() < 0 || height <= 0)
        return -1;
    const int row = point.y() / height + verticalScrollBar()->value();
    return row < count() && visualRowRect(row).contains(point) ? row : -1;
}

void ListBox::scrollToRow(int row) {
    if (row < 0 || row >= count())
        return;
    layOut();
    QScrollBar *bar = verticalScrollBar();
    if (row < bar->value())
        bar->setValue(row);
    else if (row >= bar->value() + rowsShown())
        bar->setValue(row - rowsShown() + 1);
    // A row is never narrower than the list: bringing one into view brings
    // its start into view, as in Qt's views.
    horizontalScrollBar()->setValue(0);
}

void ListBox::layOut() {
    if (layoutPending_)
        updateScrollBars();
}

void ListBox::updateScrollBars() {
    layoutPending_ = false;
    // One step a row; rows that all fit make a page one longer than the
    // list, as in Qt's views.
    const bool allFit = count() * rowSize().height() <= viewport()->height();
    const int page = allFit ? count() + 1 : rowsShown();
    QScrollBar *vertical = verticalScrollBar();
    vertical->setSingleStep(1);
    vertical->setPageStep(page);
    vertical->setRange(0, std::max(0, count() - page));
    QScrollBar *horizontal = horizontalScrollBar();
    const int width = viewport()->width();
    horizontal->setSingleStep(std::max(1, rowSize().width()));
    horizontal->setPageStep(width);
    horizontal->setRange(0, std::max(0, rowSize().width() - width));
}

bool ListBox::event(QEvent *event) {
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
        rowSize_ = QSize();
        layoutPending_ = true;
        if (isVisible())
            updateScrollBars();
        viewport()->update();
        break;
    default:
        break;
    }
    return QAbstractScrollArea::event(event);
}

void ListBox::timerEvent(QTimerEvent *event) {
    if (event->timerId() == autoScroll_.timerId()) {
        autoScrollStep();
    } else if (event->timerId() == pressScroll_.timerId()) {
        pressScroll_.stop();
        if (pressedRow_ == current_)
            scrollToRow(current_);
    } else {
        QAbstractScrollArea::timerEvent(event);
    }
}

void ListBox::paintEvent(QPaintEvent *event) {
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initOption(option);
    const QStyle::State state = option.state;
    const bool focus = hasFocus() && current_ >= 0;
    const int height = std::max(1, rowSize().height());
    const int first = std::max(0, event->rect().top() / height + verticalScrollBar()->value());
    for (int row = first; row < count(); ++row) {
        const QRect rect = visualRowRect(row);
        if (rect.top() > event->rect().bottom())
            break;
        option.rect = rect;
        option.state = state;
        if (row == current_)
            option.state |= QStyle::State_Selected;
        if (state & QStyle::State_Enabled)
            option.palette.setCurrentColorGroup(QPalette::Normal);
        if (focus && row == current_)
            option.state |= QStyle::State_HasFocus;
        option.text = rows_[std::size_t(row)];
        list_row::draw(painter, option, this);
    }
}

void ListBox::mousePressEvent(QMouseEvent *event) {
    // Any button chooses the row under it, as in Qt's views; only the left
    // one drags the choice along.
    const int row = rowAt(event->position().toPoint());
    pressedRow_ = row;
    if (row < 0)
        return;
    dragging_ = event->button() == Qt::LeftButton;
    dragAt_ = event->position().toPoint();
    // Ctrl+click on the chosen row leaves it chosen. A pressed row scrolls
    // into view only once it is clear that no double click follows, so that
    // it does not move under the pointer.
    moveTo(row, false);
    pressScroll_.start(QApplication::doubleClickInterval() + 100, this);
}

void ListBox::mouseMoveEvent(QMouseEvent *event) {
    if (!dragging_ || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint at = event->position().toPoint();
    dragAt_ = at;
    const int row = rowAt(at);
    if (row >= 0 && row != current_)
        moveTo(row);
    else if (nearEdge(at) && !autoScroll_.isActive())
        autoScroll_.start(autoScrollInterval, this);
}

void ListBox::mouseReleaseEvent(QMouseEvent *event) {
    dragging_ = false;
    autoScroll_.stop();
    event->accept();
}

void ListBox::mouseDoubleClickEvent(QMouseEvent *event) {
    // A second click on another row, or below the rows, counts as a press;
    // on the same row it leaves the row where it is, scrolled or not.
    const int row = rowAt(event->position().toPoint());
    if (row < 0 || row != pressedRow_)
        mousePressEvent(event);
    else
        pressScroll_.stop();
}

bool ListBox::nearEdge(const QPoint &at) const {
    const QRect area = viewport()->rect();
    return at.y() - area.top() < autoScrollMargin || area.bottom() - at.y() < autoScrollMargin;
}

void ListBox::autoScrollStep() {
    const QPoint at = dragAt_;
    if (!dragging_ || !nearEdge(at)) {
        autoScroll_.stop();
        return;
    }
    QScrollBar *bar = verticalScrollBar();
    const int before = bar->value();
    bar->setValue(before + (at.y() < viewport()->rect().center().y() ? -1 : 1));
    if (bar->value() == before) {
        autoScroll_.stop();
        return;
    }
    // The row now under the pointer is chosen, as a move there would choose it.
    const int row = rowAt(at);
    if (row >= 0)
        moveTo(row);
}

std::optional<int> ListBox::keyTarget(int key) const {
    const int last = count() - 1;
    const int page = std::max(1, rowsShown() - 1);
    switch (key) {
    case Qt::Key_Up:
        return current_ - 1;
    case Qt::Key_Down:
        return current_ + 1;
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return last;
    case Qt::Key_PageUp:
        return current_ - page;
    case Qt::Key_PageDown:
        return current_ + page;
    default:
        return std::nullopt;
    }
}

void ListBox::keyPressEvent(QKeyEvent *event) {
    // A key that moves past either end, or onto the row already chosen (with
    // or without ctrl), does nothing and goes on to the window.
    if (const std::optional<int> target = keyTarget(event->key())) {
        const int row = count() > 0 ? std::clamp(*target, 0, count() - 1) : -1;
        if (row < 0 || row == current_) {
            event->ignore();
            return;
        }
        moveTo(row);
        event->accept();
        return;
    }
    // Space, ctrl+space and select leave the chosen row chosen; space is also
    // a typed letter, as in Qt's views.
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Select) {
        if (event->key() == Qt::Key_Space)
            searchTyped(event->text());
        event->accept();
        return;
    }
    const bool modified = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const QString text = event->text();
    if (!text.isEmpty() && !modified && text.at(0).isPrint()) {
        searchTyped(text);
        event->accept();
        return;
    }
    event->ignore();
}

// Typed letters choose the next row that starts with them, as in Qt's views:
// letters typed in quick succession make one prefix, and the same letter
// typed again moves on to the next row that starts with it.
void ListBox::searchTyped(const QString &text) {
    if (text.isEmpty() || count() == 0)
        return;
    const bool fresh =
        !typedTimer_.isValid() || typedTimer_.elapsed() > QApplication::keyboardInputInterval();
    typedTimer_.restart();
    typed_ = fresh ? text : typed_ + text;
    const bool sameLetter = typed_.size() > 1 && typed_.count(typed_.at(0)) == typed_.size();
    const QString prefix = sameLetter ? typed_.left(1) : typed_;
    const bool skipCurrent = fresh || sameLetter;
    const int start = std::max(0, current_);
    for (int step = skipCurrent ? 1 : 0; step <= count(); ++step) {
        const int row = (start + step) % count();
        if (rows_[std::size_t(row)].startsWith(prefix, Qt::CaseInsensitive)) {
            moveTo(row);
            return;
        }
    }
}

void ListBox::focusInEvent(QFocusEvent *event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
    if (QAccessible::isActive() && current_ >= 0) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(current_);
        QAccessible::updateAccessibility(&focus);
    }
}

void ListBox::focusOutEvent(QFocusEvent *event) {
    QAbstractScrollArea::focusOutEvent(event);
    dragging_ = false;
    autoScroll_.stop();
    viewport()->update();
}

void ListBox::showEvent(QShowEvent *event) {
    QAbstractScrollArea::showEvent(event);
    layOut();
    if (scrollOnShow_) {
        scrollOnShow_ = false;
        scrollToRow(current_);
    }
}

void ListBox::resizeEvent(QResizeEvent *event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void ListBox::changeEvent(QEvent *event) {
    if (event->type() == QEvent::ActivationChange || event->type() == QEvent::EnabledChange ||
        event->type() == QEvent::PaletteChange)
        viewport()->update();
    QAbstractScrollArea::changeEvent(event);
}
