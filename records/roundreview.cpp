// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/roundreview.h"

namespace corvelle {

namespace {

// The best of the rest of the round from `state`, solved once for equal states in a row. The
// positions are all of one round, so one RoundSolver answers them: what it learns of the round
// at one step it keeps for the next.
class Bests {
public:
    explicit Bests(const std::atomic<bool>* cancel) : cancel_(cancel) {}

    const SolverResult& of(const GameState& state) {
        if (!last_ || !(lastState_ == state)) {
            last_ = solver_.solve(positionOf(state), {}, cancel_);
            lastState_ = state;
            exact_ = exact_ && last_->exact;
        }
        return *last_;
    }
    bool exact() const { return exact_; }

private:
    const std::atomic<bool>* cancel_;
    RoundSolver solver_;
    std::optional<SolverResult> last_;
    GameState lastState_;
    bool exact_ = true;
};

std::optional<SolverMove> firstMove(const SolverResult& result) {
    return result.best > 0 && !result.line.empty() ? std::optional(result.line.front())
                                                   : std::nullopt;
}

} // namespace

int cardOfMove(const GameState& state, const SolverMove& move) {
    if (!move.isDraw()) {
        return move.slot >= 0 && move.slot < TableSlots ? state.tableCards[move.slot] : 0;
    }
    return state.deckPosition < DeckSize ? state.deck[state.deckPosition + 1] : 0;
}

RoundReview reviewRound(const RoundHistory& history, const std::atomic<bool>* cancel) {
    RoundReview review;
    const GameState& start = history.start;
    review.deal = start.dealNumber;
    review.round = start.roundIndex;
    review.fromDeal = history.dealt;
    Bests bests(cancel);
    const SolverResult& atStart = bests.of(start);
    review.possible = atStart.best;
    review.bestFirstMove = firstMove(atStart);
    review.bestFirstMoveCard = review.bestFirstMove ? cardOfMove(start, *review.bestFirstMove) : 0;
    const auto scored = [&start](const GameState& state) {
        return std::int64_t{state.score} - start.score;
    };
    for (const RoundStep& step : history.steps) {
        if (cancel != nullptr && cancel->load()) {
            review.exact = false;
            break;
        }
        ReviewedStep reviewed;
        reviewed.action = step.action;
        if (step.action.kind == PlayerAction::Kind::PlayCard) {
            reviewed.card = step.before.tableCards[step.action.slot];
        } else if (step.action.kind == PlayerAction::Kind::Draw &&
                   step.after.deckPosition != step.before.deckPosition) {
            reviewed.card = step.after.discardTop;
        }
        reviewed.scoredBefore = scored(step.before);
        reviewed.scoredAfter = scored(step.after);
        const SolverResult& before = bests.of(step.before);
        reviewed.bestBefore = before.best;
        reviewed.bestMove = firstMove(before);
        reviewed.bestMoveCard = reviewed.bestMove ? cardOfMove(step.before, *reviewed.bestMove) : 0;
        // The step that wins the round leaves nothing more to give in it.
        reviewed.bestAfter = step.outcome == Outcome::RoundWon ? 0 : bests.of(step.after).best;
        review.steps.push_back(reviewed);
    }
    review.scored = review.steps.empty() ? 0 : review.steps.back().scoredAfter;
    review.ended = !history.steps.empty() && history.steps.back().outcome != Outcome::Nothing;
    review.exact = review.exact && bests.exact();
    return review;
}

} // namespace corvelle
