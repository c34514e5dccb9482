// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/solverrunner.h"

#include <chrono>

namespace corvelle {

SolverRunner::SolverRunner(QObject* parent, std::shared_ptr<RoundMemory> memory)
    : BackgroundWork(parent), memory_(std::move(memory)) {}

void SolverRunner::start(const SolverPosition& position, const SolverLimits& limits) {
    run<SolverResult>(
        [position, limits, memory = memory_](const std::atomic<bool>& cancelled) {
            if (memory) {
                // A cancelled solve returns within a few milliseconds.
                std::unique_lock turn(memory->turn_, std::defer_lock);
                if (turn.try_lock_for(std::chrono::milliseconds(20))) {
                    return memory->solver_.solve(position, limits, &cancelled);
                }
            }
            return solve(position, limits, &cancelled);
        },
        [this](const SolverResult& result) { emit solved(result); });
}

} // namespace corvelle
