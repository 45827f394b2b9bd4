// The session bus connection the program begins ahead of QApplication, on a
// helper thread: only where the accessibility bridge would connect anyway and
// a bus has to be launched, and without taking Qt's main thread from the
// window's thread.

#include "session_bus_ahead.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <utility>

namespace {

constexpr std::array<const char *, 6> decidingVariables{"QT_QPA_PLATFORM",          "AT_SPI_BUS_ADDRESS",
                                                        "DESKTOP_STARTUP_ID",       "XDG_ACTIVATION_TOKEN",
                                                        "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"};

void unsetDecidingVariables() {
    for (const char *name : decidingVariables)
        qunsetenv(name);
}

bool startedBeforeTheApplication = false;
QStringList startWarnings;

void collectWarnings(QtMsgType type, const QMessageLogContext &, const QString &message) {
    if (type != QtDebugMsg && type != QtInfoMsg)
        startWarnings << message;
}

// A bus that takes a connection and never answers: its caller stays in the
// middle of connecting, as the helper does while QApplication starts.
class SilentBus {
public:
    explicit SilentBus(const QString &path) : listening_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        ok_ = listening_ >= 0 && std::size_t(name.size()) < sizeof address.sun_path;
        if (!ok_)
            return;
        std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
        ok_ = ::bind(listening_, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
              ::listen(listening_, 1) == 0;
    }
    ~SilentBus() { hangUp(); }
    SilentBus(const SilentBus &) = delete;
    SilentBus &operator=(const SilentBus &) = delete;

    bool ok() const { return ok_; }
    // Whether a caller connected within half a minute.
    bool awaitCaller() {
        pollfd waiting{listening_, POLLIN, 0};
        if (::poll(&waiting, 1, 30000) != 1)
            return false;
        caller_ = ::accept(listening_, nullptr, nullptr);
        return caller_ >= 0;
    }
    // The caller's connection then fails at once.
    void hangUp() {
        for (int *socket : {&caller_, &listening_})
            if (*socket >= 0)
                ::close(std::exchange(*socket, -1));
    }

private:
    int listening_;
    int caller_ = -1;
    bool ok_ = false;
};

} // namespace

class SessionBusAheadTest : public QObject {
    Q_OBJECT

private slots:
    void connects_ahead_only_where_a_bus_is_launched_for_the_bridge_data() {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<bool>("worthIt");
        QTest::newRow("default platform") << QStringList{} << true;
        QTest::newRow("X") << QStringList{"QT_QPA_PLATFORM=xcb"} << true;
        QTest::newRow("Wayland") << QStringList{"QT_QPA_PLATFORM=wayland"} << true;
        QTest::newRow("Wayland with EGL") << QStringList{"QT_QPA_PLATFORM=wayland-egl"} << true;
        QTest::newRow("offscreen: no bridge") << QStringList{"QT_QPA_PLATFORM=offscreen"} << false;
        QTest::newRow("minimal: no bridge") << QStringList{"QT_QPA_PLATFORM=minimal"} << false;
        QTest::newRow("accessibility bus named: no session bus asked")
            << QStringList{"AT_SPI_BUS_ADDRESS=unix:path=/run/a11y"} << false;
        QTest::newRow("accessibility bus named empty: session bus asked")
            << QStringList{"AT_SPI_BUS_ADDRESS="} << true;
        QTest::newRow("bus address known")
            << QStringList{"DBUS_SESSION_BUS_ADDRESS=unix:path=/run/bus"} << false;
        QTest::newRow("bus address empty: launched") << QStringList{"DBUS_SESSION_BUS_ADDRESS="} << true;
        QTest::newRow("user's bus in the runtime folder")
            << QStringList{"XDG_RUNTIME_DIR=<with bus>"} << false;
        QTest::newRow("runtime folder without a bus") << QStringList{"XDG_RUNTIME_DIR=<without bus>"} << true;
        QTest::newRow("X startup token: removed while starting")
            << QStringList{"DESKTOP_STARTUP_ID=launcher-1_TIME0"} << false;
        QTest::newRow("empty X startup token: removed too") << QStringList{"DESKTOP_STARTUP_ID="} << false;
        QTest::newRow("Wayland activation token: removed while starting")
            << QStringList{"QT_QPA_PLATFORM=wayland", "XDG_ACTIVATION_TOKEN=token-1"} << false;
    }
    void connects_ahead_only_where_a_bus_is_launched_for_the_bridge() {
        QFETCH(QStringList, environment);
        QFETCH(bool, worthIt);
        QTemporaryDir withBus;
        QTemporaryDir withoutBus;
        QFile bus(withBus.filePath(QStringLiteral("bus")));
        QVERIFY(bus.open(QIODevice::WriteOnly));
        unsetDecidingVariables();
        for (QString setting : environment) {
            setting.replace(QStringLiteral("<with bus>"), withBus.path());
            setting.replace(QStringLiteral("<without bus>"), withoutBus.path());
            qputenv(setting.section(QLatin1Char('='), 0, 0).toLatin1(),
                    setting.section(QLatin1Char('='), 1).toLocal8Bit());
        }
        QCOMPARE(SessionBusAhead::worthIt(), worthIt);
    }

    // main() below built the application while the helper was still
    // connecting, as the program does.
    void the_window_thread_stays_the_main_thread() {
        QVERIFY(startedBeforeTheApplication);
        QVERIFY2(startWarnings.isEmpty(), qPrintable(startWarnings.join(QLatin1Char('\n'))));
        QCOMPARE(QCoreApplication::instance()->thread(), QThread::currentThread());
    }
};

int main(int argc, char *argv[]) {
    // The test's own bus, so that no bus daemon is launched for it.
    const QTemporaryDir folder;
    const QString busPath = folder.filePath(QStringLiteral("bus"));
    SilentBus bus(busPath);
    if (!bus.ok())
        qFatal("cannot listen on %s", qPrintable(busPath));
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(busPath));
    {
        SessionBusAhead ahead(true);
        startedBeforeTheApplication = bus.awaitCaller();
        const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
        QCoreApplication application(argc, argv);
        qInstallMessageHandler(previous);
        bus.hangUp();
        ahead.finish();
        SessionBusAheadTest test;
        return QTest::qExec(&test, argc, argv);
    }
}

#include "session_bus_ahead_test.moc"
