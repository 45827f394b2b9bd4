// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs the library's checks and searches off the user-interface thread, one
// at a time: a new one, or cancel(), drops the one before, whose result is
// then thrown away when it comes (the library bounds every search in time,
// so a dropped one ends by itself). The work returns what to do with its
// result, which runs on the user-interface thread.

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <functional>

class BackgroundSearch : public QObject {
    Q_OBJECT

public:
    using Finish = std::function<void()>;

    explicit BackgroundSearch(QObject *parent);

    // `work` runs on another thread and must not touch any widget; the
    // Finish it returns runs here, unless cancelled first.
    void run(std::function<Finish()> work);
    // True when something was running.
    bool cancel();
    bool isRunning() const { return current_ != nullptr; }

signals:
    // A search that has run for longer than a blink (true), and its end
    // (false), found or cancelled.
    void searchingChanged(bool searching);

private:
    void finished(QFutureWatcher<Finish> *watcher);
    void stopped();

    QFutureWatcher<Finish> *current_ = nullptr;
    QTimer slow_;
    bool shown_ = false;
};
