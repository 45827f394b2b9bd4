#include "zoom_blocker.h"

#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QWheelEvent>

void ZoomBlocker::install(QAbstractScrollArea *box) {
    auto *blocker = new ZoomBlocker(box);
    box->installEventFilter(blocker);
    box->viewport()->installEventFilter(blocker); // wheel events arrive here
}

bool ZoomBlocker::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::Wheel:
        return static_cast<QWheelEvent *>(event)->modifiers() & Qt::ControlModifier;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        return key->matches(QKeySequence::ZoomIn) || key->matches(QKeySequence::ZoomOut);
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
