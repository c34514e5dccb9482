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
    // Whether the runner keeps what its solves learn of a round for its next solve of the same
    // round (the positions of one round in play, asked about again and again), or solves every
    // request afresh (one position a round, where what is kept would only take memory).
    enum class Memory { Fresh, KeepsRound };

    explicit SolverRunner(QObject* parent = nullptr, Memory memory = Memory::Fresh);

    // Solves `position` (the best score of the rest of its round, with a line).
    void start(const SolverPosition& position, const SolverLimits& limits = {});

signals:
    void solved(const corvelle::SolverResult& result);

private:
    // The solver kept for the round. A cancelled solve may still be returning when the next
    // one begins, so the solves take turns at it.
    struct Kept {
        std::mutex turn;
        RoundSolver solver;
    };
    std::shared_ptr<Kept> kept_;
};

} // namespace corvelle
