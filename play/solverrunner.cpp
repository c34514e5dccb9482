// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/solverrunner.h"

#include <chrono>
#include <thread>

namespace corvelle {

// Tried again and again rather than waited on with a time limit: ThreadSanitizer sees what
// try_lock does, not the timed wait of the standard library.
bool SolverRunner::RoundMemory::take() {
    // A cancelled solve returns within a few milliseconds.
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(20);
    while (!turn_.try_lock()) {
        if (std::chrono::steady_clock::now() >= until) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

bool SolverRunner::RoundMemory::inUse() {
    if (!turn_.try_lock()) {
        return true;
    }
    turn_.unlock();
    return false;
}

SolverRunner::SolverRunner(QObject* parent, std::shared_ptr<RoundMemory> memory)
    : BackgroundWork(parent), memory_(std::move(memory)) {}

void SolverRunner::start(const SolverPosition& position, const SolverLimits& limits) {
    run<SolverResult>(
        [position, limits, memory = memory_](const std::atomic<bool>& cancelled) {
            if (memory && memory->take()) {
                const std::lock_guard turn(memory->turn_, std::adopt_lock);
                return memory->solver_.solve(position, limits, &cancelled);
            }
            return solve(position, limits, &cancelled);
        },
        [this](const SolverResult& result) { emit solved(result); });
}

} // namespace corvelle
