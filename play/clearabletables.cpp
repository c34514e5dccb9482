// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/clearabletables.h"

#include "play/productionrandom.h"

#include <limits>

namespace corvelle {

void ClearableTables::setOn(bool on) {
    on_ = on;
    if (!on) {
        cancel();
        ahead_.reset();
    }
}

// The proofs hold for the same shuffling, Ace-King option and wild cards.
bool ClearableTables::sameRules(const GameState& a, const GameState& b) {
    return a.options.shuffleCount == b.options.shuffleCount &&
           a.options.aceKingWrap == b.options.aceKingWrap && a.cheat == b.cheat;
}

std::uint64_t ClearableTables::freshDeal(const GameState& state) {
    if (!on_) {
        return freshDealNumber();
    }
    if (ahead_ && ahead_->deal && sameRules(ahead_->dealt, state)) {
        return ahead_->deal->deal;
    }
    return firstClearableDeal(freshDealNumber(), state.options, state.cheat)->deal;
}

std::int32_t ClearableTables::nextRound(const GameState& state, std::int32_t after) {
    if (!on_ || after == std::numeric_limits<std::int32_t>::max()) {
        return after;
    }
    if (ahead_ && ahead_->round && ahead_->dealt.dealNumber == state.dealNumber &&
        ahead_->dealt.roundIndex == after && sameRules(ahead_->dealt, state)) {
        return ahead_->round->round;
    }
    return firstClearableRound(state.dealNumber, after + 1, state.options, state.cheat)->round;
}

void ClearableTables::dealt(const GameState& state, bool asked) {
    ahead_.reset();
    if (!on_) {
        return;
    }
    Ahead ahead{state, freshDealNumber(), {}, {}, false};
    run<Ahead>(
        [ahead, asked](const std::atomic<bool>& cancelled) mutable {
            const GameState& s = ahead.dealt;
            if (asked && s.roundIndex == 1) {
                const ClearResult table = canClearTable(positionOf(s), {}, &cancelled);
                ahead.tableCannotClear = table.exact && !table.canClear;
            }
            if (s.dealNumber != 0 && s.roundIndex < std::numeric_limits<std::int32_t>::max()) {
                ahead.round = firstClearableRound(s.dealNumber, s.roundIndex + 1, s.options,
                                                  s.cheat, &cancelled);
            }
            ahead.deal = firstClearableDeal(ahead.freshFrom, s.options, s.cheat, &cancelled);
            return ahead;
        },
        [this](const Ahead& proven) {
            ahead_ = proven;
            if (proven.tableCannotClear) {
                emit message(tr("No way of playing deal %1 clears its table: it is dealt as "
                                "asked, though only clearable tables are dealt otherwise.")
                                 .arg(proven.dealt.dealNumber));
            }
        });
}

} // namespace corvelle
