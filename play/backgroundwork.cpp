// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/backgroundwork.h"

#include <sys/resource.h>

namespace corvelle {

BackgroundWork::~BackgroundWork() {
    cancel();
    workers_.clear(); // each jthread joins its worker
}

void BackgroundWork::cancel() {
    if (running_) {
        running_->cancelled = true;
        running_.reset();
    }
}

std::shared_ptr<BackgroundWork::Request> BackgroundWork::begin() {
    cancel();
    // Workers that have finished are joined, which takes no time; a cancelled one finishes soon.
    std::erase_if(workers_, [](const Worker& worker) { return worker.request->done.load(); });
    running_ = std::make_shared<Request>();
    return running_;
}

bool BackgroundWork::finish(const std::shared_ptr<Request>& request) {
    if (request != running_) {
        return false;
    }
    running_.reset();
    return true;
}

// On Linux the nice value is the calling thread's own.
void BackgroundWork::lowerPriority() {
    setpriority(PRIO_PROCESS, 0, 10);
}

} // namespace corvelle
