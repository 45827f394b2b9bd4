// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A Karnaugh map on screen: Qt's table view of the map's model, with the
// groups' loops painted over the cells, and, while the student groups the
// cells, a rectangle being drawn. The loops are painted by hand on the
// viewport because they are what the student looks at: coloured rounded
// rectangles that span cells and run open past the edges where a group
// wraps, which no cell delegate can draw (each paints inside its own cell).
//
// Arrows move the current cell, wrapping at the edges as the map does. While
// drawing, Shift+arrows stretch the rectangle from its anchor (past an edge
// too), Enter asks for it to be added and Delete for the group under the
// current cell to go; a mouse drag draws the rectangle, and a drag past an
// edge carries on at the other side.

#include "karnaugh.h"
#include "map_loops.h"

#include <QTableView>

class KarnaughMapModel;

class KarnaughMapView : public QTableView {
    Q_OBJECT

public:
    explicit KarnaughMapView(KarnaughMapModel *model, QWidget *parent = nullptr);

    void setLoops(std::vector<MapLoop> loops);
    const std::vector<MapLoop> &loops() const { return loops_; }

    void setDrawing(bool on);
    bool isDrawing() const { return drawing_; }
    // The rectangle from the anchor to the current cell.
    derivations::MapGroup drawnGroup() const;
    derivations::MapCell currentCell() const;

    // The cells' sizes from the font and the headers' texts; the view then
    // shows the whole map without scrolling.
    void fitToMap();
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void groupDrawn(const derivations::MapGroup &group);
    void removeRequested(const derivations::MapCell &cell);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int rows() const;
    int columns() const;
    void startAt(derivations::MapCell cell);
    void stretchTo(int rowOffset, int columnOffset);
    void addDrawnGroup();
    // The cell under a point, counted on past the edges (-1, rows()…).
    derivations::MapCell unwrappedCellAt(QPoint point) const;
    void paintLoop(QPainter &painter, const MapLoop &loop, int inset) const;

    std::vector<MapLoop> loops_;
    bool drawing_ = false;
    bool dragging_ = false;
    derivations::MapCell anchor_;
    int rowOffset_ = 0; // signed: the current cell is anchor + offsets, wrapped
    int columnOffset_ = 0;
};
