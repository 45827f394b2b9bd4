// SPDX-License-Identifier: GPL-3.0-or-later
#include "karnaugh_map_view.h"

#include "karnaugh_map_model.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

int wrapped(int value, int size) { return size > 0 ? ((value % size) + size) % size : 0; }

// The first cell and the length of a signed run from an anchor.
std::pair<int, int> run(int anchor, int offset, int size) {
    return {offset >= 0 ? anchor : wrapped(anchor + offset, size), std::abs(offset) + 1};
}

} // namespace

KarnaughMapView::KarnaughMapView(KarnaughMapModel *model, QWidget *parent) : QTableView(parent) {
    setModel(model);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(false);
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        dragging_ = false;
        startAt({0, 0});
        fitToMap();
    });
    fitToMap();
}

int KarnaughMapView::rows() const { return model()->rowCount(); }
int KarnaughMapView::columns() const { return model()->columnCount(); }

void KarnaughMapView::fitToMap() {
    // Square cells wide enough for the widest column header, and at least
    // two lines high, so that the loops leave the digit room.
    int side = fontMetrics().lineSpacing() * 2;
    for (int column = 0; column < columns(); ++column)
        side = std::max(
            side, fontMetrics().horizontalAdvance(model()->headerData(column, Qt::Horizontal).toString()) +
                      fontMetrics().averageCharWidth() * 2);
    horizontalHeader()->setDefaultSectionSize(side);
    verticalHeader()->setDefaultSectionSize(side);
    updateGeometry();
}

QSize KarnaughMapView::sizeHint() const {
    const int frame = 2 * frameWidth();
    return {
        frame + verticalHeader()->sizeHint().width() + columns() * horizontalHeader()->defaultSectionSize(),
        frame + horizontalHeader()->sizeHint().height() + rows() * verticalHeader()->defaultSectionSize()};
}

void KarnaughMapView::setLoops(std::vector<MapLoop> loops) {
    loops_ = std::move(loops);
    viewport()->update();
}

void KarnaughMapView::setDrawing(bool on) {
    drawing_ = on;
    dragging_ = false;
    startAt(currentCell());
}

derivations::MapCell KarnaughMapView::currentCell() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? derivations::MapCell{current.row(), current.column()} : anchor_;
}

derivations::MapGroup KarnaughMapView::drawnGroup() const {
    const auto [top, height] = run(anchor_.row, rowOffset_, rows());
    const auto [left, width] = run(anchor_.column, columnOffset_, columns());
    return {top, left, height, width};
}

void KarnaughMapView::startAt(derivations::MapCell cell) {
    anchor_ = cell;
    rowOffset_ = columnOffset_ = 0;
    if (rows() > 0)
        selectionModel()->setCurrentIndex(model()->index(cell.row, cell.column),
                                          QItemSelectionModel::NoUpdate);
    viewport()->update();
}

void KarnaughMapView::stretchTo(int rowOffset, int columnOffset) {
    // A rectangle never holds a cell twice: at most the whole side.
    rowOffset_ = std::clamp(rowOffset, 1 - rows(), rows() - 1);
    columnOffset_ = std::clamp(columnOffset, 1 - columns(), columns() - 1);
    const QModelIndex current = model()->index(wrapped(anchor_.row + rowOffset_, rows()),
                                               wrapped(anchor_.column + columnOffset_, columns()));
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    viewport()->update();
}

void KarnaughMapView::keyPressEvent(QKeyEvent *event) {
    const int key = event->key();
    const int down = key == Qt::Key_Down ? 1 : key == Qt::Key_Up ? -1 : 0;
    const int right = key == Qt::Key_Right ? 1 : key == Qt::Key_Left ? -1 : 0;
    if ((down || right) && rows() > 0) {
        if (drawing_ && event->modifiers().testFlag(Qt::ShiftModifier)) {
            stretchTo(rowOffset_ + down, columnOffset_ + right);
        } else {
            const derivations::MapCell at = currentCell();
            startAt({wrapped(at.row + down, rows()), wrapped(at.column + right, columns())});
        }
        event->accept();
        return;
    }
    if (drawing_ && rows() > 0 && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        addDrawnGroup();
        event->accept();
        return;
    }
    if (drawing_ && rows() > 0 && (key == Qt::Key_Delete || key == Qt::Key_Backspace)) {
        emit removeRequested(currentCell());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

derivations::MapCell KarnaughMapView::unwrappedCellAt(QPoint point) const {
    const int side = std::max(1, horizontalHeader()->defaultSectionSize());
    const auto along = [side](int position, int origin) {
        return int(std::floor(double(position - origin) / side));
    };
    return {along(point.y(), rowViewportPosition(0)), along(point.x(), columnViewportPosition(0))};
}

void KarnaughMapView::mousePressEvent(QMouseEvent *event) {
    if (!drawing_ || event->button() != Qt::LeftButton || rows() == 0) {
        QTableView::mousePressEvent(event);
        return;
    }
    const derivations::MapCell cell = unwrappedCellAt(event->position().toPoint());
    if (cell.row < 0 || cell.row >= rows() || cell.column < 0 || cell.column >= columns())
        return;
    setFocus(Qt::MouseFocusReason);
    startAt(cell);
    dragging_ = true;
    event->accept();
}

void KarnaughMapView::mouseMoveEvent(QMouseEvent *event) {
    if (!dragging_) {
        QTableView::mouseMoveEvent(event);
        return;
    }
    const derivations::MapCell cell = unwrappedCellAt(event->position().toPoint());
    stretchTo(cell.row - anchor_.row, cell.column - anchor_.column);
    event->accept();
}

void KarnaughMapView::mouseReleaseEvent(QMouseEvent *event) {
    if (!dragging_) {
        QTableView::mouseReleaseEvent(event);
        return;
    }
    dragging_ = false;
    event->accept();
    addDrawnGroup();
}

void KarnaughMapView::addDrawnGroup() {
    const derivations::MapGroup group = drawnGroup();
    // The next group starts from the current cell.
    startAt(currentCell());
    emit groupDrawn(group);
}

void KarnaughMapView::mouseDoubleClickEvent(QMouseEvent *event) {
    // In drawing, the second click of a double click starts a group as any click does.
    if (drawing_)
        mousePressEvent(event);
    else
        QTableView::mouseDoubleClickEvent(event);
}

void KarnaughMapView::focusOutEvent(QFocusEvent *event) {
    QTableView::focusOutEvent(event);
    viewport()->update(); // the rectangle being drawn shows only with the focus
}

void KarnaughMapView::paintEvent(QPaintEvent *event) {
    QTableView::paintEvent(event);
    if (rows() == 0)
        return;
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect map =
        visualRect(model()->index(0, 0)).united(visualRect(model()->index(rows() - 1, columns() - 1)));
    painter.setClipRect(map);
    // Loops that share cells stand at different distances from the cells'
    // borders, so that each stays visible.
    const int step = std::max(2, fontMetrics().lineSpacing() / 7);
    for (std::size_t i = 0; i < loops_.size(); ++i)
        paintLoop(painter, loops_[i],
                  loops_[i].style == MapLoop::Style::Ring ? step * 2 : step * (1 + int(i % 4)));
    if (drawing_ && (hasFocus() || dragging_))
        paintLoop(painter, {drawnGroup(), palette().color(QPalette::Text), MapLoop::Style::Dashed}, 1);
}

void KarnaughMapView::paintLoop(QPainter &painter, const MapLoop &loop, int inset) const {
    const qreal width = std::max(2.0, fontMetrics().lineSpacing() / 8.0);
    QPen pen(loop.colour, width);
    if (loop.style == MapLoop::Style::Dashed)
        pen.setDashPattern({3, 2});
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const int side = horizontalHeader()->defaultSectionSize();
    const qreal radius = side / 4.0;
    for (const LoopPiece &piece : loopPieces(rows(), columns(), loop.group)) {
        const auto &cells = piece.cells;
        QRectF rect = QRectF(visualRect(model()->index(cells.top, cells.left)))
                          .united(visualRect(
                              model()->index(cells.top + cells.height - 1, cells.left + cells.width - 1)))
                          .adjusted(inset, inset, -inset, -inset);
        if (loop.style == MapLoop::Style::Ring) {
            for (int row = cells.top; row < cells.top + cells.height; ++row)
                for (int column = cells.left; column < cells.left + cells.width; ++column)
                    painter.drawEllipse(QRectF(visualRect(model()->index(row, column)))
                                            .adjusted(inset, inset, -inset, -inset));
            continue;
        }
        // An open side reaches past the map, where the clip cuts it off: the
        // loop runs on at the opposite edge.
        const qreal past = radius + width + inset;
        rect.adjust(piece.openLeft ? -past : 0, piece.openTop ? -past : 0, piece.openRight ? past : 0,
                    piece.openBottom ? past : 0);
        painter.drawRoundedRect(rect, radius, radius);
    }
}
