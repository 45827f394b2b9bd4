#include "program_icon.h"

#include "icon_drawing.h"
#include "stored_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

namespace program_icon {

namespace {

class TruthTableEngine final : public QIconEngine {
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override {
        draw(*painter, rect);
    }

    // One picture for every mode and state: the window's icon is never shown
    // disabled or selected.
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override {
        QImage image = size.width() == size.height() ? stored(size.width()) : QImage();
        return QPixmap::fromImage(image.isNull() ? drawn(size) : std::move(image));
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int size : windowSystemSizes)
            sizes.append(QSize(size, size));
        return sizes;
    }

    QIconEngine *clone() const override { return new TruthTableEngine; }
    QString key() const override { return QStringLiteral("TruthTableEngine"); }
};

} // namespace

QIcon make() { return QIcon(new TruthTableEngine); }

} // namespace program_icon
