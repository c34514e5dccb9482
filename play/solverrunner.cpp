// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
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
