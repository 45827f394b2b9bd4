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

BackgroundSearch::~BackgroundSearch() {
    // Nobody is left to be told that it stopped.
    if (current_)
        cancelled_->store(true);
}

void BackgroundSearch::run(std::function<Finish(const std::atomic<bool> &cancelled)> work) {
    cancel();
    auto *watcher = new QFutureWatcher<Finish>(this);
    current_ = watcher;
    // The flag lives as long as the work that reads it, not as this object.
    cancelled_ = std::make_shared<std::atomic<bool>>(false);
    connect(watcher, &QFutureWatcher<Finish>::finished, this, [this, watcher] { finished(watcher); });
    work_ = QtConcurrent::run([work = std::move(work), flag = cancelled_] { return work(*flag); });
    watcher->setFuture(work_);
    slow_.start();
}

bool BackgroundSearch::cancel() {
    if (!current_)
        return false;
    // The search stops at its next look at the flag; nobody waits for it.
    cancelled_->store(true);
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
