#include "session_bus_ahead.h"

#include "display_check.h"

#include <QDBusConnection>
#include <QFileInfo>
#include <QThread>
#include <QtGlobal>

#include <clocale>
#include <thread>

struct SessionBusAhead::Helper {
    std::thread thread;
};

namespace {

// The bus library launches a bus unless the environment names one or the
// user's own bus listens in the runtime folder.
bool busMustBeLaunched() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return false;
    const QString runtimeFolder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return runtimeFolder.isEmpty() || !QFileInfo::exists(runtimeFolder + QStringLiteral("/bus"));
}

} // namespace

bool SessionBusAhead::worthIt() {
    // Only the window systems carry the bridge; the tests' offscreen
    // platform has none.
    return display::onWindowSystem() && qEnvironmentVariableIsEmpty("AT_SPI_BUS_ADDRESS") &&
           busMustBeLaunched() && !qEnvironmentVariableIsSet("DESKTOP_STARTUP_ID") &&
           !qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN");
}

SessionBusAhead::SessionBusAhead(bool connect) {
    if (!connect)
        return;
    // Qt takes the first thread that asks for its thread data as its main
    // thread, until that thread ends: this one asks before the helper can.
    static_cast<void>(QThread::currentThread());
    // QApplication sets the locale from the environment while the helper
    // runs; set here first, Qt's own call then changes nothing.
    std::setlocale(LC_ALL, "");
    helper_ = std::make_unique<Helper>();
    helper_->thread = std::thread([] { QDBusConnection::sessionBus(); });
}

void SessionBusAhead::finish() {
    if (helper_ && helper_->thread.joinable())
        helper_->thread.join();
}

SessionBusAhead::~SessionBusAhead() { finish(); }
