#include "play/solverrunner.h"

#include <QMetaObject>

#include <sys/resource.h>

namespace corvelle {

SolverRunner::~SolverRunner() {
    cancel();
    workers_.clear(); // each jthread joins its worker
}

void SolverRunner::start(const SolverPosition& position, const SolverLimits& limits) {
    cancel();
    // Workers that have finished are joined, which takes no time; a cancelled one finishes soon.
    std::erase_if(workers_, [](const Worker& worker) { return worker.request->done.load(); });
    auto request = std::make_shared<Request>();
    running_ = request;
    workers_.push_back({request, std::jthread([this, request, position, limits] {
                            work(request, position, limits);
                        })});
}

// On the worker thread. The runner outlives its workers (its destructor joins them), so it may
// be handed the answer; the answer is delivered on the runner's own thread.
void SolverRunner::work(const std::shared_ptr<Request>& request, const SolverPosition& position,
                        const SolverLimits& limits) {
    // The solver gives way to the window: on Linux the nice value is the calling thread's own.
    setpriority(PRIO_PROCESS, 0, 10);
    const SolverResult result = solve(position, limits, &request->cancelled);
    request->done = true;
    if (!request->cancelled) {
        QMetaObject::invokeMethod(
            this, [this, request, result] { deliver(request, result); }, Qt::QueuedConnection);
    }
}

void SolverRunner::cancel() {
    if (running_) {
        running_->cancelled = true;
        running_.reset();
    }
}

void SolverRunner::deliver(const std::shared_ptr<Request>& request, const SolverResult& result) {
    if (request == running_) {
        running_.reset();
        emit solved(result);
    }
}

} // namespace corvelle
