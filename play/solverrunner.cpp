// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/solverrunner.h"

namespace corvelle {

SolverRunner::SolverRunner(QObject* parent, Memory memory)
    : BackgroundWork(parent),
      kept_(memory == Memory::KeepsRound ? std::make_shared<Kept>() : nullptr) {}

void SolverRunner::start(const SolverPosition& position, const SolverLimits& limits) {
    run<SolverResult>(
        [position, limits, kept = kept_](const std::atomic<bool>& cancelled) {
            if (!kept) {
                return solve(position, limits, &cancelled);
            }
            const std::lock_guard turn(kept->turn);
            return kept->solver.solve(position, limits, &cancelled);
        },
        [this](const SolverResult& result) { emit solved(result); });
}

} // namespace corvelle
