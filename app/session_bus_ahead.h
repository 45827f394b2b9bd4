#pragma once

#include <memory>

// Qt's accessibility bridge connects to the session bus the first time
// anything asks whether a screen reader listens, and the window's thread
// waits for that connection. Where no bus is running, the bus library first
// starts dbus-launch and waits for it: some 4 ms, longer than any other wait
// of the start. Begun before QApplication, on a helper thread, that
// connection is ready by the time the bridge asks for it.
class SessionBusAhead {
public:
    // Whether connecting ahead is useful and safe:
    // - the platform the program will start on carries the bridge, and the
    //   bridge will ask the session bus (no accessibility bus is named);
    // - the bus must be launched: where its address is known, connecting
    //   takes less than the helper thread itself costs;
    // - the platform will not remove a startup-notification token from the
    //   environment while the bus library reads it on the helper thread.
    static bool worthIt();

    // Starts connecting when told to. Call before QApplication exists.
    explicit SessionBusAhead(bool connect = worthIt());
    // Waits for the connection: the bridge would wait for it anyway.
    void finish();
    ~SessionBusAhead();
    SessionBusAhead(const SessionBusAhead &) = delete;
    SessionBusAhead &operator=(const SessionBusAhead &) = delete;

private:
    struct Helper;
    std::unique_ptr<Helper> helper_;
};
