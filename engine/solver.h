// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/gamestate.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace corvelle {

inline constexpr int MaxDrawPile = DeckSize - TableSlots - 1;

// What the solver needs to know of a round in progress: the dealt table with the number of
// cards left in every column (a column is a stack, so the heights say which cards remain), the
// draw pile in the order it is turned up and how much of it is used, the discard top, the
// run's scoring state and the options that change the move rule. The jokers are always wild;
// `wild` adds the cards chosen as wild cards while cheats are in force (bit `code`).
struct SolverPosition {
    std::array<int, TableSlots> table{};
    std::array<int, Columns> heights{};
    std::array<int, MaxDrawPile> drawPile{};
    int drawPileSize = MaxDrawPile;
    int drawn = 0;
    int discardTop = 0;
    std::int32_t anty = 5;
    RunPhase antyPhase = RunPhase::Starting;
    bool scoringOn = true;
    bool aceKingWrap = true;
    std::uint64_t wild = 0;
};

// The position right after a deal, from a deck of 54 (or 52, without jokers) cards in deal
// order: deck[0..34] are the slots, deck[35] the first discard, the rest the draw pile.
SolverPosition dealtPosition(std::span<const int> deck, bool aceKingWrap);

// The position of a game in progress, as the solver sees it: what the rest of its round can give.
SolverPosition positionOf(const GameState& state);

// One step of a line: the free card of a table slot played onto the discard pile, or a draw.
struct SolverMove {
    static constexpr int Draw = -1;
    int slot = Draw;
    bool isDraw() const { return slot == Draw; }
    bool operator==(const SolverMove&) const = default;
};

// How much a search may do, counted in positions visited (every table a play reaches within a
// run, and every run begun): past this many it stops, not exact.
struct SolverLimits {
    std::uint64_t maxStates = 40'000'000;
    // The positions a search visits on its cheapest bound before it builds the tables of its
    // tighter ones, which for a full table take a few milliseconds: a small search never pays.
    // A search from a table with more than 20,000 tables below it and two draws or more left
    // is a long one, and builds them before it starts.
    std::uint64_t boundsAfter = 2000;
    // The positions a search visits before it adds the most cards three runs can play to those
    // tables, which take as long again to build: only the longest searches pay for them.
    std::uint64_t tripleBoundsAfter = 100000;
};

// The answer of `solve`. `best` is what `line` scores from the position (card points and the
// round bonus); it is proven the most the round can give only when `exact`, otherwise it is
// the best line found before the budget or a cancel stopped the search. Whether any line at all
// clears the table is canClearTable's question, not this one's. `states` is the work done in
// positions, `peakBytes` the size of the search's tables (those a RoundSolver keeps included).
struct SolverResult {
    std::int64_t best = 0;
    bool exact = false;
    bool bestLineClears = false;
    std::vector<SolverMove> line;
    std::uint64_t states = 0;
    std::size_t peakBytes = 0;
};

// The answer of `canClearTable`: whether the table can be cleared, a clearing line when it can,
// and whether the answer is proven (false only when the budget or a cancel stopped it).
struct ClearResult {
    bool canClear = false;
    bool exact = false;
    std::vector<SolverMove> line;
    std::uint64_t states = 0;
};

// The most points the rest of the round can give from `position`, and a line that scores them.
// `cancel`, when given, is polled during the search; once it reads true the search returns
// promptly with what it has. A position the rules cannot hold (a height above 5, a card code
// above 54, more cards drawn than the pile has, a negative anty) gives 0, not exact.
SolverResult solve(const SolverPosition& position, const SolverLimits& limits = {},
                   const std::atomic<bool>* cancel = nullptr);

// The solver of many positions of one round, as a review of the round asks for the best of the
// rest of the round before and after each of its actions. What it learns of the round (the
// longest runs of its tables, the values after every draw it searched) it keeps for the next
// position; a position of another round, or one whose Ace-King option, wild cards or scoring
// differ, starts it afresh. Each answer proves the same best as `solve` for that position.
class RoundSolver {
public:
    RoundSolver();
    ~RoundSolver();
    RoundSolver(RoundSolver&&) noexcept;
    RoundSolver& operator=(RoundSolver&&) noexcept;

    SolverResult solve(const SolverPosition& position, const SolverLimits& limits = {},
                       const std::atomic<bool>* cancel = nullptr);

private:
    class Tables;
    std::unique_ptr<Tables> tables_;
};

// Whether the table can be cleared from `position` at all; much faster than `solve`.
ClearResult canClearTable(const SolverPosition& position, const SolverLimits& limits = {},
                          const std::atomic<bool>* cancel = nullptr);

} // namespace corvelle
