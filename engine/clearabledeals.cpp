// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/clearabledeals.h"

#include "engine/game.h"
#include "engine/randomsource.h"

#include <limits>

namespace corvelle {

namespace {

// Whether the table of `position` is proven to clear; a search cut short by its budget proves
// nothing, so that table is passed over too.
bool provenClearable(const SolverPosition& position, const std::atomic<bool>* cancel) {
    const ClearResult result = canClearTable(position, {}, cancel);
    return result.exact && result.canClear;
}

bool cancelled(const std::atomic<bool>* cancel) {
    return cancel != nullptr && cancel->load(std::memory_order_relaxed);
}

} // namespace

SolverPosition roundStartPosition(std::uint64_t deal, std::int32_t round, const Options& options,
                                  const CheatChoice& cheat) {
    DealRandom random;
    random.startRound(deal, round);
    GameState dealt;
    dealt.deck = Game::shuffledDeck(random, options.shuffleCount);
    dealt.onTable.fill(true);
    dealt.deckPosition = TableSlots + 1;
    dealt.discardTop = dealt.deck[TableSlots + 1];
    dealt.options = options;
    dealt.cheat = cheat;
    return positionOf(dealt);
}

std::optional<ClearableFind> firstClearableRound(std::uint64_t deal, std::int32_t from,
                                                 const Options& options, const CheatChoice& cheat,
                                                 const std::atomic<bool>* cancel) {
    for (std::int32_t round = from;; ++round) {
        const bool last = round == std::numeric_limits<std::int32_t>::max();
        if (provenClearable(roundStartPosition(deal, round, options, cheat), cancel) || last) {
            return cancelled(cancel) ? std::nullopt : std::optional(ClearableFind{deal, round});
        }
        if (cancelled(cancel)) {
            return std::nullopt;
        }
    }
}

std::optional<ClearableFind> firstClearableDeal(std::uint64_t from, const Options& options,
                                                const CheatChoice& cheat,
                                                const std::atomic<bool>* cancel) {
    std::uint64_t deal = from >= 1 && from <= MaxDealNumber ? from : 1;
    while (!provenClearable(roundStartPosition(deal, 1, options, cheat), cancel)) {
        if (cancelled(cancel)) {
            return std::nullopt;
        }
        deal = deal < MaxDealNumber ? deal + 1 : 1;
    }
    return cancelled(cancel) ? std::nullopt : std::optional(ClearableFind{deal, 1});
}

} // namespace corvelle
