#include "play/solverrunner.h"

namespace corvelle {

void SolverRunner::start(const SolverPosition& position, const SolverLimits& limits) {
    run<SolverResult>(
        [position, limits](const std::atomic<bool>& cancelled) {
            return solve(position, limits, &cancelled);
        },
        [this](const SolverResult& result) { emit solved(result); });
}

} // namespace corvelle
