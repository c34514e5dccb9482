// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/solver.h"
#include "records/roundhistory.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace corvelle {

// One step of a round as its review shows it: what the player did, the points the round had
// given before and after it, and the most the rest of the round could still give before and
// after it; what is in reach is the sum of the two. The best move is the first move of the best
// line from before the step (none where no move adds anything).
struct ReviewedStep {
    PlayerAction action;
    int card = 0; // the card played, or the card drawn; 0 for an undo or a draw of no card
    std::int64_t scoredBefore = 0;
    std::int64_t scoredAfter = 0;
    std::int64_t bestBefore = 0;
    std::int64_t bestAfter = 0;
    std::optional<SolverMove> bestMove;
    int bestMoveCard = 0; // the card the best move plays, or the card a draw turns up

    std::int64_t inReachBefore() const { return scoredBefore + bestBefore; }
    std::int64_t inReachAfter() const { return scoredAfter + bestAfter; }
    // What the step cost of what was in reach (negative when an undo won some back).
    std::int64_t lost() const { return inReachBefore() - inReachAfter(); }
};

// A whole round reviewed: the most it could give from its start (`possible`, from where a kept
// game was taken up when it was not seen from its deal), what it gave, and every step.
struct RoundReview {
    std::uint64_t deal = 0;
    std::int32_t round = 0;
    bool fromDeal = true;
    bool ended = false; // won, or the game is over
    std::int64_t possible = 0;
    std::int64_t scored = 0;
    std::optional<SolverMove> bestFirstMove;
    int bestFirstMoveCard = 0;
    std::vector<ReviewedStep> steps;
    bool exact = true; // every best above is proven
};

// Reviews `history` with the solver; stops early, not exact, once `cancel` reads true.
RoundReview reviewRound(const RoundHistory& history, const std::atomic<bool>* cancel = nullptr);

// The card that `move` plays from `state`, or that a draw turns up (0 when none is left).
int cardOfMove(const GameState& state, const SolverMove& move);

} // namespace corvelle
