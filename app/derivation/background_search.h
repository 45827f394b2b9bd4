// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs the library's checks and searches off the user-interface thread, one
// at a time: a new one, or cancel(), raises the flag of the one before, which
// the library's search reads to stop at once; its result is thrown away. The
// work returns what to do with its result, which runs on the user-interface
// thread.

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>

class BackgroundSearch : public QObject {
    Q_OBJECT

public:
    using Finish = std::function<void()>;

    explicit BackgroundSearch(QObject *parent);
    // A search still running when its owner goes stops at its next look at
    // the flag, as cancel() stops it.
    ~BackgroundSearch() override;

    // `work` runs on another thread and must not touch any widget; it hands
    // `cancelled` to the search (SearchBounds::cancelled). The Finish it
    // returns runs here, unless cancelled first.
    void run(std::function<Finish(const std::atomic<bool> &cancelled)> work);
    // True when something was running.
    bool cancel();
    bool isRunning() const { return current_ != nullptr; }
    // The flag of the work started last, and that work, for a check that a
    // stopped search has let go of its thread.
    const std::atomic<bool> *lastFlag() const { return cancelled_.get(); }
    const QFuture<Finish> &lastWork() const { return work_; }

signals:
    // A search that has run for longer than a blink (true), and its end
    // (false), found or cancelled.
    void searchingChanged(bool searching);

private:
    void finished(QFutureWatcher<Finish> *watcher);
    void stopped();

    QFutureWatcher<Finish> *current_ = nullptr;
    std::shared_ptr<std::atomic<bool>> cancelled_; // the running work's flag
    QFuture<Finish> work_;
    QTimer slow_;
    bool shown_ = false;
};
