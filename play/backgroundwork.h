// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaObject>
#include <QObject>

#include <atomic>
#include <functional>
#include <list>
#include <memory>
#include <thread>

namespace corvelle {

// Work that must never keep the window waiting, one job at a time on worker threads: a new job
// cancels the one still running, whose result is then never delivered; the result of the latest
// job arrives on the owner's thread. Destroying it cancels what runs and waits for it to stop
// (the solver answers a cancel within milliseconds). The workers give way to the window: they
// run at a lower priority.
class BackgroundWork : public QObject {
public:
    explicit BackgroundWork(QObject* parent = nullptr) : QObject(parent) {}
    ~BackgroundWork() override;

    // Drops the running job, if any.
    void cancel();
    bool busy() const { return running_ != nullptr; }

protected:
    // Runs `job` (which polls its cancel flag) on a worker thread and hands its result to
    // `deliver` on this object's thread, unless it was cancelled or replaced meanwhile.
    template <class Result>
    void run(std::function<Result(const std::atomic<bool>& cancelled)> job,
             std::function<void(const Result&)> deliver) {
        auto request = begin();
        workers_.push_back({request, std::jthread([this, request, job = std::move(job),
                                                   deliver = std::move(deliver)] {
                                lowerPriority();
                                Result result = job(request->cancelled);
                                request->done = true;
                                if (!request->cancelled) {
                                    QMetaObject::invokeMethod(
                                        this,
                                        [this, request, result = std::move(result), deliver] {
                                            if (finish(request)) {
                                                deliver(result);
                                            }
                                        },
                                        Qt::QueuedConnection);
                                }
                            })});
    }

private:
    struct Request {
        std::atomic<bool> cancelled{false};
        std::atomic<bool> done{false};
    };
    struct Worker {
        std::shared_ptr<Request> request;
        std::jthread thread;
    };
    std::shared_ptr<Request> begin();
    bool finish(const std::shared_ptr<Request>& request);
    static void lowerPriority();

    std::shared_ptr<Request> running_;
    std::list<Worker> workers_;
};

} // namespace corvelle
