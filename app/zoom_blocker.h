#pragma once

#include <QObject>

class QAbstractScrollArea;

// Keeps a text box at the window's fixed font: a read-only text box would
// otherwise grow or shrink its text on ctrl+wheel and on the zoom keys.
// Plain wheel scrolling and every other key go through untouched.
class ZoomBlocker : public QObject {
public:
    static void install(QAbstractScrollArea *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
