// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/gamestate.h"
#include "engine/solver.h"

#include <atomic>
#include <cstdint>
#include <optional>

namespace corvelle {

// Tables that can be cleared, for a player who wants to be dealt only those: a new game's deal
// number is moved on to the first deal whose first table can be cleared, and a new round of any
// deal to the first round that can (through the game's RoundChooser). Both follow from the deal and
// the options alone, so a deal played again goes the same way.

// The position of round `round` of deal `deal` as it is dealt, under the shuffling, Ace-King
// and wild cards of `options` and `cheat`.
SolverPosition roundStartPosition(std::uint64_t deal, std::int32_t round, const Options& options,
                                  const CheatChoice& cheat);

// What a search for a table that can be cleared found: the deal or round, or nothing when it was
// cancelled first.
struct ClearableFind {
    std::uint64_t deal = 0;
    std::int32_t round = 0;
};

// The first round from `from` on of deal `deal` whose table is proven to clear (a table the
// search cannot settle within its budget is passed over; the largest round number ends the
// search whatever its table).
std::optional<ClearableFind> firstClearableRound(std::uint64_t deal, std::int32_t from,
                                                 const Options& options, const CheatChoice& cheat,
                                                 const std::atomic<bool>* cancel = nullptr);

// The first deal from `from` on (after MaxDealNumber, from 1) whose first round is proven to
// clear.
std::optional<ClearableFind> firstClearableDeal(std::uint64_t from, const Options& options,
                                                const CheatChoice& cheat,
                                                const std::atomic<bool>* cancel = nullptr);

} // namespace corvelle
