#pragma once

#include "engine/solver.h"

#include <QObject>

#include <atomic>
#include <list>
#include <memory>
#include <thread>

namespace corvelle {

// Runs the solver on a worker thread, so the window never waits for it. A new request cancels
// the one still running, whose answer is then never delivered; the answer of the latest request
// arrives on the window's thread through `solved`. Destroying the runner cancels what runs and
// waits for it to stop (the solver answers a cancel within a few tens of milliseconds).
class SolverRunner : public QObject {
    Q_OBJECT

public:
    explicit SolverRunner(QObject* parent = nullptr) : QObject(parent) {}
    ~SolverRunner() override;

    // Solves `position` (the best score of the rest of its round, with a line).
    void start(const SolverPosition& position, const SolverLimits& limits = {});
    // Drops the running request, if any.
    void cancel();
    bool busy() const { return running_ != nullptr; }

signals:
    void solved(const corvelle::SolverResult& result);

private:
    struct Request {
        std::atomic<bool> cancelled{false};
        std::atomic<bool> done{false};
    };
    struct Worker {
        std::shared_ptr<Request> request;
        std::jthread thread;
    };
    void work(const std::shared_ptr<Request>& request, const SolverPosition& position,
              const SolverLimits& limits);
    void deliver(const std::shared_ptr<Request>& request, const SolverResult& result);

    std::shared_ptr<Request> running_;
    std::list<Worker> workers_;
};

} // namespace corvelle
