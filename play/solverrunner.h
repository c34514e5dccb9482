// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/solver.h"
#include "play/backgroundwork.h"

namespace corvelle {

// Runs the solver on a worker thread, so the window never waits for it: the answer of the
// latest request arrives on the window's thread through `solved`.
class SolverRunner : public BackgroundWork {
    Q_OBJECT

public:
    explicit SolverRunner(QObject* parent = nullptr) : BackgroundWork(parent) {}

    // Solves `position` (the best score of the rest of its round, with a line).
    void start(const SolverPosition& position, const SolverLimits& limits = {});

signals:
    void solved(const corvelle::SolverResult& result);
};

} // namespace corvelle
