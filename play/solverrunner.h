// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/solver.h"
#include "play/backgroundwork.h"

#include <memory>
#include <mutex>

namespace corvelle {

// Runs the solver on a worker thread, so the window never waits for it: the answer of the
// latest request arrives on the window's thread through `solved`.
class SolverRunner : public BackgroundWork {
    Q_OBJECT

public:
    // What the solves of a round learn of it, kept for the next solve of the same round (a
    // position of another round starts it afresh). Runners that share one take turns at it; a
    // solve that finds it taken for longer than a cancelled solve needs to return solves afresh
    // instead, so that no request waits behind another runner's.
    class RoundMemory {
    public:
        // Whether a solve holds it now.
        bool inUse();

    private:
        friend class SolverRunner;
        // Takes the turn, unless another solve keeps it longer than a cancelled one would.
        bool take();
        std::mutex turn_;
        RoundSolver solver_;
    };

    // Without a memory, every request is solved afresh.
    explicit SolverRunner(QObject* parent = nullptr, std::shared_ptr<RoundMemory> memory = {});

    // Solves `position` (the best score of the rest of its round, with a line).
    void start(const SolverPosition& position, const SolverLimits& limits = {});

signals:
    void solved(const corvelle::SolverResult& result);

private:
    std::shared_ptr<RoundMemory> memory_;
};

} // namespace corvelle
