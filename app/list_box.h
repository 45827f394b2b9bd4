#pragma once

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QElapsedTimer>
#include <QString>

#include <optional>
#include <vector>

class QStyleOptionViewItem;

// A single-selection list of text rows that the user cannot leave without a
// selection. It draws each row with the style's own item drawing and answers
// the mouse and the keys as Qt's standard list does: a click, a drag, the
// arrow, Home, End and page keys, space and typed letters choose a row (a
// letter typed again steps on to the next row that starts with it);
// ctrl+click or ctrl+space on the selected row and clicks below the rows keep
// the selection. Qt's item views would bring their models, selection models
// and delegates into every start for seven lists of at most 21 rows, about
// a megabyte of their code among them; this list keeps its rows in a vector.
class ListBox : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit ListBox(QWidget *parent = nullptr);

    void addItem(const QString &text);
    int count() const { return int(rows_.size()); }
    // The text of the row, or the empty text when there is none.
    QString itemText(int row) const;

    // No click or key leaves the list without a chosen row, so the current
    // row (the one with the focus frame) is always the selected one; -1
    // until a row is first chosen.
    int currentRow() const { return current_; }
    int selectedRow() const { return current_; }
    // Makes row current and selected, as a click on it would.
    void setCurrentRow(int row);

    // Where a row is drawn in the viewport, scrolled out of sight or not.
    QRect visualRowRect(int row) const;
    // The row under a point of the viewport, or -1.
    int rowAt(const QPoint &point) const;
    void scrollToRow(int row);

signals:
    // Each change of the chosen row, whoever made it.
    void itemSelectionChanged();

protected:
    bool event(QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void moveTo(int row, bool scroll = true);
    std::optional<int> keyTarget(int key) const; // the row a moving key aims at, before clamping
    void searchTyped(const QString &text);
    bool nearEdge(const QPoint &at) const;
    void autoScrollStep();

    void initOption(QStyleOptionViewItem &option) const;
    QSize rowSize() const; // all rows are one line in one font: the last row is measured for all
    int rowsShown() const; // rows wholly inside the viewport
    void layOut();         // the scroll bars, when rows came since they were last set
    void updateScrollBars();
    void tellReaders(int row) const; // the new selection, and the focus when the list has it

    std::vector<QString> rows_;
    int current_ = -1;
    bool dragging_ = false; // the left button went down on a row and is still down
    int pressedRow_ = -1;
    QPoint dragAt_; // where the left button was last pressed or dragged, in the viewport
    QBasicTimer autoScroll_;
    QBasicTimer pressScroll_;
    mutable QSize rowSize_;
    bool layoutPending_ = false;
    bool scrollOnShow_ = false;
    QString typed_;
    QElapsedTimer typedTimer_;
};
