#include "qt_translation.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QTranslator>

namespace qt_translation {

namespace {

// Lives as a child of the application and deletes itself once it has done
// its work.
class DeferredCatalogue final : public QObject, public QAccessible::ActivationObserver {
public:
    explicit DeferredCatalogue(QCoreApplication &application)
        : QObject(&application), application_(application) {
        application.installEventFilter(this);
        QAccessible::installActivationObserver(this);
    }
    ~DeferredCatalogue() override { QAccessible::removeActivationObserver(this); }

    bool eventFilter(QObject *watched, QEvent *event) override {
        // Application filters see every event before its receiver does.
        if (event->type() == QEvent::ContextMenu)
            install();
        return QObject::eventFilter(watched, event);
    }

    void accessibilityActiveChanged(bool active) override {
        if (active)
            install();
    }

    void install() {
        if (installed_)
            return;
        installed_ = true;
        application_.removeEventFilter(this);
        installBulgarian(application_);
        deleteLater();
    }

private:
    QCoreApplication &application_;
    bool installed_ = false;
};

} // namespace

bool installBulgarian(QCoreApplication &application) {
    // Owned by the application, so it lives exactly as long as Qt may ask it.
    auto *translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_bg"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

void installBulgarianWhenNeeded(QCoreApplication &application) {
    auto *catalogue = new DeferredCatalogue(application);
    if (QAccessible::isActive())
        catalogue->install();
}

} // namespace qt_translation
