// SPDX-License-Identifier: GPL-3.0-or-later
#include "background_search.h"

#include <QtConcurrent/QtConcurrentRun>

namespace {
// A check that answers within this shows no "searching" at all.
constexpr int blinkMilliseconds = 50;
} // namespace

BackgroundSearch::BackgroundSearch(QObject *parent) : QObject(parent) {
    slow_.setSingleShot(true);
    slow_.setInterval(blinkMilliseconds);
    connect(&slow_, &QTimer::timeout, this, [this] {
        shown_ = true;
        emit searchingChanged(true);
    });
}

void BackgroundSearch::run(std::function<Finish()> work) {
    cancel();
    auto *watcher = new QFutureWatcher<Finish>(this);
    current_ = watcher;
    connect(watcher, &QFutureWatcher<Finish>::finished, this, [this, watcher] { finished(watcher); });
    watcher->setFuture(QtConcurrent::run(std::move(work)));
    slow_.start();
}

bool BackgroundSearch::cancel() {
    if (!current_)
        return false;
    // The thread runs on to its own deadline; nobody waits for it.
    current_->disconnect(this);
    current_->deleteLater();
    stopped();
    return true;
}

void BackgroundSearch::finished(QFutureWatcher<Finish> *watcher) {
    watcher->deleteLater();
    if (watcher != current_)
        return;
    const Finish finish = watcher->result();
    stopped();
    if (finish)
        finish();
}

void BackgroundSearch::stopped() {
    current_ = nullptr;
    slow_.stop();
    if (shown_) {
        shown_ = false;
        emit searchingChanged(false);
    }
}
