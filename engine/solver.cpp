// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/solver.h"

#include "engine/rules.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>

namespace corvelle {

namespace {

// ---- Heights ----
//
// The table of a position is the number of cards left in each column, coded in base 6 with
// column 0 as the lowest digit. Beside it the search keeps the mask of the free slots (bit
// 5 * column + row).

constexpr std::array<int, Columns> ColumnWeight{1, 6, 36, 216, 1296, 7776, 46656};

using SlotMask = std::uint64_t;

constexpr SlotMask slotBit(int slot) {
    return SlotMask{1} << slot;
}

constexpr int heightIn(int code, int column) {
    return code / ColumnWeight[column] % 6;
}

// A table during a search: its heights code, its free slots, the cards left on it and how many
// the current run has played to reach it.
struct Table {
    int code = 0;
    SlotMask free = 0;
    int cards = 0;
    int played = 0;

    // The same table at the start of a run.
    Table fresh() const { return {code, free, cards, 0}; }
};

using Heights = std::array<int, Columns>;

Table tableOf(const Heights& height) {
    Table table;
    for (int column = 0; column < Columns; ++column) {
        table.code += height[column] * ColumnWeight[column];
        table.cards += height[column];
        if (height[column] > 0) {
            table.free |= slotBit(freeSlot(column, height[column]));
        }
    }
    return table;
}

Heights heightsOf(int code) {
    Heights height{};
    for (int column = 0; column < Columns; ++column) {
        height[column] = heightIn(code, column);
    }
    return height;
}

// The number of tables whose heights are nowhere above those of `code`, its own included.
std::uint64_t tablesBelow(int code) {
    std::uint64_t tables = 1;
    for (int column = 0; column < Columns; ++column) {
        tables *= static_cast<std::uint64_t>(heightIn(code, column) + 1);
    }
    return tables;
}

// The table after the free card of `slot` is played.
inline Table afterPlay(const Table& table, int slot) {
    Table next{table.code - ColumnWeight[columnOf(slot)], table.free & ~slotBit(slot),
               table.cards - 1, table.played + 1};
    if (rowOf(slot) > 0) {
        next.free |= slotBit(slot - 1);
    }
    return next;
}

// Calls `visit(table)` for every table whose heights are nowhere above `limit`, in increasing
// order of their codes, keeping the code and the free slots up to date step by step; stops
// early, with false, once `visit` returns false.
template <class Visit> bool forEachTableBelow(const Heights& limit, Visit&& visit) {
    Heights height{};
    Table table;
    for (;;) {
        if (!visit(table)) {
            return false;
        }
        int column = 0;
        for (; column < Columns && height[column] == limit[column]; ++column) {
            if (height[column] > 0) {
                table.free &= ~slotBit(freeSlot(column, height[column]));
            }
            table.code -= height[column] * ColumnWeight[column];
            table.cards -= height[column];
            height[column] = 0;
        }
        if (column == Columns) {
            return true;
        }
        if (height[column] > 0) {
            table.free &= ~slotBit(freeSlot(column, height[column]));
        }
        ++height[column];
        table.free |= slotBit(freeSlot(column, height[column]));
        table.code += ColumnWeight[column];
        ++table.cards;
    }
}

// ---- The round ----

// Points of a run by the number of cards it has played: the first card scores `first`, every
// next card `step` more (nothing at all with scoring off).
struct RunScore {
    std::int64_t first = 0;
    std::int64_t step = 0;
    std::int64_t points(int cards) const { return cards * first + step * cards * (cards - 1) / 2; }
};

// The run under way in a position: what its next card scores.
RunScore currentRun(const SolverPosition& position) {
    if (!position.scoringOn) {
        return {};
    }
    return {antyAfterPlay(position.antyPhase, position.anty), RunStep};
}

// What stays the same in every position of a round: the cards, the move rule turned into masks
// (for every card code, the slots whose card may be played onto it), the draw pile, the scoring
// of a run after a draw and the round bonus. Everything the searches ask about the rules asks
// here.
class Round {
public:
    explicit Round(const SolverPosition& position)
        : table_(position.table), drawPile_(position.drawPile),
          drawPileSize_(position.drawPileSize), aceKingWrap_(position.aceKingWrap),
          wild_(position.wild), scoringOn_(position.scoringOn),
          phaseUnset_(position.antyPhase == RunPhase::Unset) {
        for (int top = 0; top <= DeckSize; ++top) {
            for (int slot = 0; slot < TableSlots; ++slot) {
                if (ranksFit(rank(table_[slot]), rank(top), aceKingWrap_)) {
                    fitsOn_[top] |= slotBit(slot);
                }
            }
        }
        if (scoringOn_) {
            afterDraw_ = {antyAfterPlay(phaseAfterDraw(position.antyPhase), RunStep), RunStep};
        }
        for (int cards = 0; cards <= TableSlots; ++cards) {
            runsAfterDraw_[static_cast<std::size_t>(cards)] = afterDraw_.points(cards);
        }
        for (int slot = 0; slot < TableSlots; ++slot) {
            fitsAfter_[static_cast<std::size_t>(slot)] = fitsOn_[table_[slot]];
        }
        for (int drawn = drawPileSize_; drawn >= 1; --drawn) {
            fitsOnLaterDraws_[drawn] = fitsOnLaterDraws_[drawn + 1] | fitsOn(drawnCard(drawn));
        }
    }

    // Whether `position` is a position of this round, searched by the same rules and scores.
    bool holds(const SolverPosition& position) const {
        return position.table == table_ && position.drawPile == drawPile_ &&
               position.drawPileSize == drawPileSize_ && position.aceKingWrap == aceKingWrap_ &&
               position.wild == wild_ && position.scoringOn == scoringOn_ &&
               (position.antyPhase == RunPhase::Unset) == phaseUnset_;
    }

    int card(int slot) const { return table_[slot]; }
    SlotMask fitsOn(int top) const { return fitsOn_[top]; }
    // The slots whose card may follow the card of `slot`.
    SlotMask fitsAfter(int slot) const { return fitsAfter_[static_cast<std::size_t>(slot)]; }
    int drawPileSize() const { return drawPileSize_; }
    // The slots whose card fits one of the cards drawn from the `drawn`th on.
    SlotMask fitsOnLaterDraws(int drawn) const { return fitsOnLaterDraws_[drawn]; }
    int drawnCard(int drawn) const { return drawPile_[drawn - 1]; }
    int bonus(int drawn) const { return roundBonus(drawPileSize_ - drawn); }
    const RunScore& afterDraw() const { return afterDraw_; }
    // What a run after a draw scores with `cards` cards, looked up.
    std::int64_t runAfterDraw(int cards) const {
        return runsAfterDraw_[static_cast<std::size_t>(cards)];
    }

private:
    int rank(int code) const { return playRank(code, (wild_ >> code & 1) != 0); }

    std::array<int, TableSlots> table_;
    std::array<int, MaxDrawPile> drawPile_;
    int drawPileSize_;
    bool aceKingWrap_;
    std::uint64_t wild_;
    bool scoringOn_;
    bool phaseUnset_;
    std::array<SlotMask, DeckSize + 1> fitsOn_{};
    std::array<SlotMask, TableSlots> fitsAfter_{};
    std::array<SlotMask, MaxDrawPile + 2> fitsOnLaterDraws_{};
    RunScore afterDraw_;
    std::array<std::int64_t, TableSlots + 1> runsAfterDraw_{};
};

// ---- Work budget ----

// The positions a search may still visit, and the caller's cancel flag, polled now and then.
// Once either runs out the search unwinds and says its answer is not exact.
class Budget {
public:
    Budget(std::uint64_t limit, const std::atomic<bool>* cancel) : limit_(limit), cancel_(cancel) {}

    bool spend(std::uint64_t states) {
        used_ += states;
        if (used_ > limit_) {
            stopped_ = true;
        }
        if ((used_ & 255) < states) {
            poll();
        }
        return !stopped_;
    }
    // Looks at the cancel flag now.
    bool poll() {
        if (cancel_ != nullptr && cancel_->load(std::memory_order_relaxed)) {
            stopped_ = true;
        }
        return !stopped_;
    }
    bool stopped() const { return stopped_; }
    std::uint64_t used() const { return used_; }

private:
    std::uint64_t limit_;
    const std::atomic<bool>* cancel_;
    std::uint64_t used_ = 0;
    bool stopped_ = false;
};

// ---- Runs of plays ----

// Finds every table a run of plays can reach from a table and a discard top: the ends of all
// chains, each free card fitting the one played before. Different orders often reach the same
// table with the same last card, so every (table, last column) is expanded once; a small
// open-addressing table, cleared by a generation count, keeps for each table reached in one
// walk the last columns it was reached with and whether it is listed as an end.
class ChainFinder {
public:
    ChainFinder(const Round& round, Budget& budget) : round_(round), budget_(budget) {
        keys_.assign(1024, 0);
    }

    // Appends to `ends` every distinct table other than `start` that a run from `start` onto
    // `top` can reach; `expand(table, lastSlot)` may refuse to look past a table.
    template <class Expand>
    void findEnds(const Table& start, int top, std::vector<Table>& ends, Expand&& expand) {
        clear();
        for (SlotMask m = round_.fitsOn(top) & start.free; m != 0 && !budget_.stopped();
             m &= m - 1) {
            step(start, std::countr_zero(m), ends, expand);
        }
    }

    // The slots played, in order, by one run from `start` onto `top` that ends at `target`.
    std::vector<int> slotsTo(const Table& start, int top, int target) {
        clear();
        std::vector<int> slots;
        if (start.code != target) {
            pathTo(start, round_.fitsOn(top), target, slots);
        }
        return slots;
    }

    std::size_t bytes() const { return keys_.capacity() * sizeof(std::uint64_t); }

private:
    template <class Expand>
    void step(const Table& from, int slot, std::vector<Table>& ends, Expand& expand) {
        const Table next = afterPlay(from, slot);
        std::uint64_t& reached = entryOf(next.code);
        const std::uint64_t column = std::uint64_t{1} << columnOf(slot);
        if ((reached & column) != 0) {
            return;
        }
        reached |= column;
        if (!budget_.spend(1) || !expand(next, slot)) {
            return;
        }
        if ((reached & ListedBit) == 0) {
            reached |= ListedBit;
            ends.push_back(next);
        }
        for (SlotMask m = round_.fitsAfter(slot) & next.free; m != 0 && !budget_.stopped();
             m &= m - 1) {
            step(next, std::countr_zero(m), ends, expand);
        }
    }

    bool pathTo(const Table& from, SlotMask fitting, int target, std::vector<int>& slots) {
        for (SlotMask m = fitting & from.free; m != 0; m &= m - 1) {
            const int slot = std::countr_zero(m);
            const Table next = afterPlay(from, slot);
            std::uint64_t& reached = entryOf(next.code);
            const std::uint64_t column = std::uint64_t{1} << columnOf(slot);
            if ((reached & column) != 0) {
                continue;
            }
            reached |= column;
            slots.push_back(slot);
            if (next.code == target || pathTo(next, round_.fitsAfter(slot), target, slots)) {
                return true;
            }
            slots.pop_back();
        }
        return false;
    }

    void clear() {
        if (++generation_ == 0) {
            std::fill(keys_.begin(), keys_.end(), 0);
            generation_ = 1;
        }
        count_ = 0;
    }

    // The entry of `code` in this walk (generation, code, then a bit per last column and
    // ListedBit), made with no bits set when the walk had not reached the table yet. It stays
    // in place until the next call. Every step of a walk asks for one: it is inlined into the
    // step, which the compiler does not do of itself.
    [[gnu::always_inline]] std::uint64_t& entryOf(int code) {
        if (2 * (count_ + 1) > keys_.size()) {
            grow();
        }
        const std::uint64_t key = std::uint64_t{generation_} << 32 | std::uint64_t(code) << 8;
        const std::size_t mask = keys_.size() - 1;
        for (std::size_t i = hash(code) & mask;; i = (i + 1) & mask) {
            if ((keys_[i] & ~EntryBits) == key) {
                return keys_[i];
            }
            if (keys_[i] >> 32 != generation_) {
                keys_[i] = key;
                ++count_;
                return keys_[i];
            }
        }
    }

    void grow() {
        std::vector<std::uint64_t> old(keys_.size() * 2, 0);
        old.swap(keys_);
        count_ = 0;
        for (std::uint64_t entry : old) {
            if (entry >> 32 == generation_) {
                entryOf(static_cast<int>(entry >> 8 & 0xFFFFFF)) = entry;
            }
        }
    }

    static std::size_t hash(int code) {
        return static_cast<std::size_t>((static_cast<std::uint32_t>(code) * 0x9E3779B97F4A7C15u) >>
                                        32);
    }

    static constexpr std::uint64_t ListedBit = 0x80;
    static constexpr std::uint64_t EntryBits = 0xFF;

    const Round& round_;
    Budget& budget_;
    std::vector<std::uint64_t> keys_;
    std::size_t count_ = 0;
    std::uint32_t generation_ = 0;
};

// ---- Bounds ----

// The longest run any table below a limit can still hold. For every heights code below the
// limit's it keeps, in one word, the longest chain that begins with each column's free card
// (a byte each) and the longest chain of that table or any table below it (a later run plays
// on what is left, so only this maximum bounds it; the last byte). Beside it, the most cards
// two runs can play one after the other, the second on any table below the one the first
// left, in that table or any table below it: however many runs a line plays, any two of them
// are such a pair, so once one run is long every other one is short. For the longest searches
// a second pass adds the same for three runs (a run, then a pair below it). A cancel stops the
// building.
//
// The six tables that differ only in the height of column 0 are built together, a byte each
// in one 64-bit word, and their pairs in a second word of the same vector register: for the
// free card of any other column, whether a free card fits it is the same for all six, except
// for column 0's own, which a mask per card settles. So most of the work is a few
// register-wide maxima per column for six tables' chains and pairs at once.
class LongestRuns {
public:
    // Makes the table cover every table below `heights`, grown to hold the tables it held
    // already too; false when `budget` was stopped first.
    bool cover(const Round& round, const Heights& heights, Budget& budget) {
        if (covers(heights)) {
            return true;
        }
        Heights limit = heights;
        if (covers({})) {
            std::transform(limit.begin(), limit.end(), limit_.begin(), limit.begin(),
                           [](int a, int b) { return std::max(a, b); });
        }
        return build(round, limit, budget);
    }

    // The longest run that can follow on `table` after a card that the slots of `fitting` fit.
    int after(const Table& table, SlotMask fitting) const {
        return longestOf(runs_[table.code], fitting & table.free);
    }
    // The longest run of `code` or of any table below it.
    int anyBelow(int code) const { return static_cast<int>(runs_[code] >> AnyBelowShift); }
    // The most cards two runs can play one after the other from `code` or any table below it.
    int pairBelow(int code) const { return pairs_[code]; }
    // The same for three runs, once `coverTriples` has built them.
    int tripleBelow(int code) const { return triples_[code]; }
    std::size_t bytes() const {
        return capacity_ * (sizeof(std::uint64_t) + 1) + triplesCapacity_ +
               (window_ ? RowCount * WindowGroups * sizeof(Both) : 0);
    }

    // Adds the most cards three runs can play to a table that `cover` has built; false when
    // `budget` was stopped first. Only a long search asks for them: they take as long again.
    bool coverTriples(Budget& budget) {
        if (!triplesComplete_) {
            // Made only now: most searches never need them.
            if (triplesCapacity_ < capacity_) {
                triples_.reset(new std::uint8_t[capacity_ + 2]);
                triplesCapacity_ = capacity_;
            }
            triplesComplete_ = walkGroups<true>(budget);
        }
        return triplesComplete_;
    }
    bool hasTriples() const { return triplesComplete_; }

    // Whether the table covers every table below `heights`.
    bool covers(const Heights& heights) const {
        return complete_ && std::equal(heights.begin(), heights.end(), limit_.begin(),
                                       [](int height, int limit) { return height <= limit; });
    }

private:
    // False when `budget` was stopped before the table was complete.
    bool build(const Round& round, const Heights& limit, Budget& budget) {
        limit_ = limit;
        complete_ = false;
        triplesComplete_ = false;
        Heights full = limit;
        full[0] = Rows; // whole groups of six
        const auto size = static_cast<std::size_t>(tableOf(full).code) + 1;
        // Nothing is read before it is written, so nothing needs clearing. A group's last
        // store of its pairs or triples spills two bytes.
        if (size > capacity_) {
            runs_.reset(new std::uint64_t[size]);
            pairs_.reset(new std::uint8_t[size + 2]);
            capacity_ = size;
        }
        if (!window_) {
            window_.reset(new Both[RowCount * WindowGroups]);
        }
        prepareLaneMasks(round);
        complete_ = walkGroups<false>(budget);
        return complete_;
    }

    // Fills every group below the limit in turn: the chains and pairs, or the triples.
    template <bool Triples> bool walkGroups(Budget& budget) {
        Both* const window = window_.get();
        Heights height{}; // columns 1..6; column 0 is the lane
        std::size_t group = 0;
        for (int count = 0;;) {
            fillGroup<Triples>(group, height, window);
            if ((++count & 255) == 0 && !budget.poll()) {
                return false;
            }
            int column = 1;
            for (; column < Columns && height[column] == limit_[column]; ++column) {
                group -= static_cast<std::size_t>(height[column]) * groupStep(column);
                height[column] = 0;
            }
            if (column == Columns) {
                return true;
            }
            ++height[column];
            group += groupStep(column);
        }
    }

    static constexpr int AnyBelowShift = 8 * Columns;

    // The bytes of the six tables of a group side by side, one lane each, and two more lanes
    // that are never read: the processor works on all of them at once.
    using Lanes = std::uint8_t __attribute__((vector_size(8)));
    // A column's chains in the low eight lanes and its pairs in the high eight, worked on
    // together: both follow the same cards.
    using Both = std::uint8_t __attribute__((vector_size(16)));
    using Words = std::uint64_t __attribute__((vector_size(16)));
    static constexpr Both SixLanes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0,
                                   0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0};
    // The lanes with a card in column 0.
    static constexpr Both Column0Lanes{0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0,
                                       0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0};

    // The building's rows of every group: for each column the longest chains and pairs its
    // free card begins, then the longest chain and pair of the tables below. They are kept for
    // the last WindowGroups groups only (a group reads no further back than one step of the
    // highest column), all the rows of a group side by side: a group reads a few rows of each
    // of six earlier groups, which then take few cache lines.
    static constexpr int Below = Columns;
    static constexpr int RowCount = Columns + 1;
    static constexpr std::size_t WindowGroups = 8192;
    static_assert(6 * WindowGroups > static_cast<std::size_t>(ColumnWeight[Columns - 1]));

    // The rows of `group` in the window.
    static Both* rowsOf(Both* window, std::size_t group) {
        return window + group % WindowGroups * RowCount;
    }
    // How far apart the groups are whose tables differ by one card in `column` (1..6).
    static std::size_t groupStep(int column) {
        static constexpr std::array<std::size_t, Columns> Steps{0, 1, 6, 36, 216, 1296, 7776};
        static_assert(Steps[Columns - 1] * 6 == ColumnWeight[Columns - 1]);
        return Steps[static_cast<std::size_t>(column)];
    }

    template <class V> static V larger(V a, V b) { return a > b ? a : b; }
    // Each lane's byte moved up by `lanes` lanes, chains and pairs each in their own eight.
    static Both shifted(Both bytes, int lanes) {
        return std::bit_cast<Both>(std::bit_cast<Words>(bytes) << (8 * lanes));
    }
    static Lanes chainsOf(Both both) {
        return __builtin_shufflevector(both, both, 0, 1, 2, 3, 4, 5, 6, 7);
    }
    static Lanes pairsOf(Both both) {
        return __builtin_shufflevector(both, both, 8, 9, 10, 11, 12, 13, 14, 15);
    }
    // The chains moved into the pairs' lanes, with no chains left.
    static Both chainsAsPairs(Both both) {
        const Words words = std::bit_cast<Words>(both);
        return std::bit_cast<Both>(__builtin_shufflevector(words, Words{}, 2, 0));
    }

    // For the card of every slot, the lanes (heights of column 0) whose free card of column 0
    // fits it, and the lanes whose free card of column 0 it fits, as 0xFF bytes.
    void prepareLaneMasks(const Round& round) {
        for (int slot = 0; slot < TableSlots; ++slot) {
            Both fitting{};
            Both followed{};
            for (int lane = 1; lane <= Rows; ++lane) {
                fitting[lane] = fitting[lane + 8] =
                    (round.fitsAfter(slot) >> freeSlot(0, lane) & 1) != 0 ? 0xFF : 0;
                followed[lane] = followed[lane + 8] =
                    (round.fitsAfter(freeSlot(0, lane)) >> slot & 1) != 0 ? 0xFF : 0;
            }
            laneMask_[static_cast<std::size_t>(slot)] = fitting;
            followMask_[static_cast<std::size_t>(slot)] = followed;
            reach_[static_cast<std::size_t>(slot)] = round.fitsAfter(slot) & ~slotBit(slot);
        }
        Both goes{};
        for (int lane = 2; lane <= Rows; ++lane) {
            const int slot = freeSlot(0, lane);
            goes[lane] = goes[lane + 8] = (round.fitsAfter(slot) >> (slot - 1) & 1) != 0 ? 0xFF : 0;
        }
        column0Goes_[0] = goes;
        column0Goes_[1] = goes & shifted(goes, 1);
        column0Goes_[2] = column0Goes_[1] & shifted(column0Goes_[1], 2);
    }

    // The six tables with the heights `height` of columns 1..6 and every height of column 0:
    // their chains and pairs, or, once those are built, their triples. A run of a pair or a
    // triple goes on with the next card, or ends here and the tables below hold the rest.
    template <bool Triples> void fillGroup(std::size_t group, const Heights& height, Both* window) {
        Both* const here = rowsOf(window, group);
        SlotMask free = 0; // the free cards of columns 1..6
        for (int column = 1; column < Columns; ++column) {
            if (height[column] > 0) {
                free |= slotBit(freeSlot(column, height[column]));
            }
        }
        Both own{};
        Both below{}; // the rows of the tables below, one card fewer in a column 1..6
        // After column 0's free card: a chain, or the first run of a pair or a triple, that goes
        // on with the free card of another column, in the lane below.
        Both following{};
        std::array<Lanes, 8> rows{}; // the chains by column, and of the tables below last
        for (int column = 1; column < Columns; ++column) {
            if (height[column] == 0) {
                continue;
            }
            const int slot = freeSlot(column, height[column]);
            const std::size_t groupBefore = group - groupStep(column);
            const Both* const before = rowsOf(window, groupBefore);
            const auto card = static_cast<std::size_t>(slot);
            Both longest =
                larger(before[0] & laneMask_[card], restBelow<Triples>(before[Below], groupBefore));
            const SlotMask next = height[column] > 1 ? slotBit(slot - 1) : 0;
            for (SlotMask fitting = reach_[card] & (free | next); fitting != 0;
                 fitting &= fitting - 1) {
                longest = larger(longest, before[columnOf(std::countr_zero(fitting))]);
            }
            const Both runs = (longest + 1) & SixLanes;
            here[column] = runs;
            own = larger(own, runs);
            rows[static_cast<std::size_t>(column)] = chainsOf(runs);
            below = larger(below, before[Below]);
            following = larger(following, shifted(runs, 1) & followMask_[card]);
        }
        // Column 0, first with what the tables below the lane below hold that is known
        // already (the pairs, for triples), then again once the group's own rows below are.
        const Both known = restBelow<Triples>(Both{}, group);
        const Both column0 = fillColumn0(larger(following, shifted(known, 1)));
        const Both ownBelow = belowOf(larger(own, column0), below);
        here[0] = fillColumn0(larger(following, shifted(restBelow<Triples>(ownBelow, group), 1)));
        here[Below] = belowOf(larger(own, here[0]), below);
        if constexpr (Triples) {
            const Lanes triples = chainsOf(here[Below]);
            std::memcpy(&triples_[group * 6], &triples, sizeof triples);
        } else {
            rows[0] = chainsOf(here[0]);
            rows[Columns] = chainsOf(here[Below]);
            storeRuns(group, rows);
            const Lanes pairs = pairsOf(here[Below]);
            std::memcpy(&pairs_[group * 6], &pairs, sizeof pairs);
        }
    }

    // What the tables below hold for a run that ends on the group `group` whose rows below
    // are `below`: nothing for a chain and the longest chain for a pair's first run; for a
    // triple's first run, the most of a pair.
    template <bool Triples> Both restBelow(Both below, std::size_t group) const {
        if constexpr (Triples) {
            Lanes pairs;
            std::memcpy(&pairs, &pairs_[group * 6], sizeof pairs);
            return __builtin_shufflevector(pairs, Lanes{}, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12,
                                           13, 14, 15);
        } else {
            return chainsAsPairs(below);
        }
    }

    // Column 0's row: after its free card in one lane come the chains of the lane below (one
    // card fewer in column 0) that `following` holds, or the chains of column 0's next cards
    // down the column.
    Both fillColumn0(Both following) const {
        // A chain of column 0's card in a lane may also go on down the column, through the
        // lanes below as far as each next card fits: the best of those, taken for all lanes at
        // once in three steps that each double how far down they look.
        Both zero = (following + 1) & Column0Lanes;
        zero = larger(zero, (shifted(zero, 1) + 1) & column0Goes_[0]);
        zero = larger(zero, (shifted(zero, 2) + 2) & column0Goes_[1]);
        zero = larger(zero, (shifted(zero, 4) + 4) & column0Goes_[2]);
        return zero;
    }

    // The most of `own` over every table below the group's: the most of each lane, of the
    // same row below it in every other column (`ownBelow`) and of the lanes below it.
    static Both belowOf(Both own, Both ownBelow) {
        Both most = larger(own, ownBelow);
        most = larger(most, shifted(most, 1));
        most = larger(most, shifted(most, 2));
        most = larger(most, shifted(most, 4));
        return most & SixLanes;
    }

    // Stores the six tables of `group` in the runs: byte b of row r becomes byte r of the
    // word of lane b. Three rounds of interleaving, as wide as the processor takes them.
    void storeRuns(std::size_t group, const std::array<Lanes, 8>& row) {
        const auto bytes = [&](std::size_t r) {
            return __builtin_shufflevector(row[r], row[r + 1], 0, 8, 1, 9, 2, 10, 3, 11, 4, 12, 5,
                                           13, 6, 14, 7, 15);
        };
        const Both a0 = bytes(0);
        const Both a1 = bytes(2);
        const Both a2 = bytes(4);
        const Both a3 = bytes(6);
        const Both low01 =
            __builtin_shufflevector(a0, a1, 0, 1, 16, 17, 2, 3, 18, 19, 4, 5, 20, 21, 6, 7, 22, 23);
        const Both high01 = __builtin_shufflevector(a0, a1, 8, 9, 24, 25, 10, 11, 26, 27, 12, 13,
                                                    28, 29, 14, 15, 30, 31);
        const Both low23 =
            __builtin_shufflevector(a2, a3, 0, 1, 16, 17, 2, 3, 18, 19, 4, 5, 20, 21, 6, 7, 22, 23);
        const Both high23 = __builtin_shufflevector(a2, a3, 8, 9, 24, 25, 10, 11, 26, 27, 12, 13,
                                                    28, 29, 14, 15, 30, 31);
        const std::array<Both, 3> words{
            __builtin_shufflevector(low01, low23, 0, 1, 2, 3, 16, 17, 18, 19, 4, 5, 6, 7, 20, 21,
                                    22, 23),
            __builtin_shufflevector(low01, low23, 8, 9, 10, 11, 24, 25, 26, 27, 12, 13, 14, 15, 28,
                                    29, 30, 31),
            __builtin_shufflevector(high01, high23, 0, 1, 2, 3, 16, 17, 18, 19, 4, 5, 6, 7, 20, 21,
                                    22, 23)};
        std::memcpy(&runs_[group * 6], words.data(), sizeof words);
    }

    // The longest of the chains of `runs` that begin with the free cards of `slots`.
    // Most often no card or one or two fit, so those are taken without a loop, whose exit
    // the processor would guess wrong half the time.
    static int longestOf(std::uint64_t runs, SlotMask slots) {
        const int first = runOf(runs, slots);
        slots &= slots - 1;
        int longest = std::max(first, runOf(runs, slots));
        for (slots &= slots - 1; slots != 0; slots &= slots - 1) {
            longest = std::max(longest, runOf(runs, slots));
        }
        return longest;
    }
    // The run of `runs` for the lowest slot of `slots`, 0 for no slot.
    static int runOf(std::uint64_t runs, SlotMask slots) {
        return slots == 0
                   ? 0
                   : static_cast<int>(runs >> (8 * columnOf(std::countr_zero(slots))) & 0xFF);
    }

    Heights limit_{};
    bool complete_ = false;
    std::size_t capacity_ = 0;
    std::unique_ptr<std::uint64_t[]> runs_;
    std::unique_ptr<std::uint8_t[]> pairs_;   // the most cards of two runs, by code
    std::unique_ptr<std::uint8_t[]> triples_; // the most cards of three runs, by code
    bool triplesComplete_ = false;
    std::size_t triplesCapacity_ = 0;
    std::unique_ptr<Both[]> window_;
    std::array<Both, TableSlots> laneMask_{};
    std::array<Both, TableSlots> followMask_{};
    // For the card of every slot, the slots of the other cards that may follow it.
    std::array<SlotMask, TableSlots> reach_{};
    // 0xFF in the lanes whose free card of column 0 the free card of the lane below follows,
    // so that a chain can go on down the column: one lane, then two and four lanes down.
    std::array<Both, 3> column0Goes_{};
};

// The fewest runs that can clear each table below the start if every run could begin on any
// of the cards of `startable`: a run that starts on a drawn card can only do worse, so a table
// that needs more runs than draws are left (and the run in hand) cannot be cleared. Per heights
// code it keeps that number for a fresh run and, per column, for a run whose last card came
// from that column.
class FewestRuns {
public:
    FewestRuns(const Round& round, int startCode, SlotMask startable = ~SlotMask{0})
        : startable_(startable), fresh_(static_cast<std::size_t>(startCode + 1), 0),
          afterColumn_(static_cast<std::size_t>(startCode + 1) * Columns, 0) {
        forEachTableBelow(heightsOf(startCode), [&](const Table& table) {
            fill(round, table);
            return true;
        });
    }

    int toClear(int code) const { return fresh_[code]; }
    std::size_t bytes() const { return fresh_.size() + afterColumn_.size(); }

private:
    // Per free slot, the fewest runs after the one in hand once that slot's card is played;
    // a fresh run begins on any of them, a going one on those that fit its last card.
    void fill(const Round& round, const Table& table) {
        if (table.code == 0) {
            return;
        }
        std::array<int, TableSlots> afterSlot{};
        int fewest = TableSlots; // more than any table needs: no run can begin
        for (SlotMask m = table.free; m != 0; m &= m - 1) {
            const int slot = std::countr_zero(m);
            afterSlot[slot] = afterColumn(afterPlay(table, slot).code, columnOf(slot));
            if ((startable_ >> slot & 1) != 0) {
                fewest = std::min(fewest, 1 + afterSlot[slot]);
            }
        }
        fresh_[table.code] = static_cast<std::uint8_t>(fewest);
        for (int column = 0; column < Columns; ++column) {
            const int height = heightIn(table.code, column);
            if (height == Rows) {
                continue;
            }
            int going = fewest;
            for (SlotMask m = round.fitsOn(round.card(Rows * column + height)) & table.free; m != 0;
                 m &= m - 1) {
                going = std::min(going, afterSlot[std::countr_zero(m)]);
            }
            afterColumn_[static_cast<std::size_t>(table.code) * Columns + column] =
                static_cast<std::uint8_t>(going);
        }
    }

    int afterColumn(int code, int column) const {
        return afterColumn_[static_cast<std::size_t>(code) * Columns + column];
    }

    SlotMask startable_;
    std::vector<std::uint8_t> fresh_;
    std::vector<std::uint8_t> afterColumn_;
};

// ---- Values after a draw ----

// What the searches of a round know of every (heights, cards drawn) right after a draw: there
// the run starts afresh, so the rest of the round is worth the same however the table was
// reached, and from whichever position of the round it was searched. An entry is an upper
// bound or the exact value; a hash table holds only the entries found, so a search pays for
// what it visits and nothing more.
class ValueTable {
public:
    struct Entry {
        bool known = false;
        bool exact = false;
        int value = 0;
    };

    ValueTable() : slots_(1 << 12, 0), mask_(slots_.size() - 1) {}

    Entry at(int code, int drawn) const {
        const std::uint32_t key = keyOf(code, drawn);
        for (std::size_t i = hash(key) & mask_;; i = (i + 1) & mask_) {
            const std::uint64_t slot = slots_[i];
            if (slot == 0) {
                return {};
            }
            if (static_cast<std::uint32_t>(slot >> 32) == key) {
                return {true, (slot & ExactBit) != 0, static_cast<int>(slot & ValueBits)};
            }
        }
    }
    // Asks for the cache line of an entry that is about to be read.
    void prefetch(int code, int drawn) const {
#if defined(__GNUC__)
        __builtin_prefetch(&slots_[hash(keyOf(code, drawn)) & mask_]);
#endif
    }
    void store(int code, int drawn, int value, bool exact) {
        if (2 * (count_ + 1) > slots_.size()) {
            grow();
        }
        const std::uint32_t key = keyOf(code, drawn);
        const std::uint64_t entry =
            std::uint64_t{key} << 32 | (exact ? ExactBit : 0) | static_cast<std::uint64_t>(value);
        for (std::size_t i = hash(key) & mask_;; i = (i + 1) & mask_) {
            if (slots_[i] == 0) {
                slots_[i] = entry;
                ++count_;
                return;
            }
            if (static_cast<std::uint32_t>(slots_[i] >> 32) == key) {
                slots_[i] = entry;
                return;
            }
        }
    }
    std::size_t bytes() const {
        return slots_.capacity() * sizeof(std::uint64_t);
    }

private:
    static constexpr std::uint64_t ExactBit = std::uint64_t{1} << 31;
    static constexpr std::uint64_t ValueBits = ExactBit - 1;

    // Never 0, which marks an empty slot.
    static std::uint32_t keyOf(int code, int drawn) {
        return static_cast<std::uint32_t>(code) << 5 | static_cast<std::uint32_t>(drawn);
    }
    static std::size_t hash(std::uint32_t key) {
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15u) >> 29);
    }

    void grow() {
        std::vector<std::uint64_t> old(slots_.size() * 4, 0);
        old.swap(slots_);
        mask_ = slots_.size() - 1;
        count_ = 0;
        for (std::uint64_t entry : old) {
            if (entry != 0) {
                const auto key = static_cast<std::uint32_t>(entry >> 32);
                store(static_cast<int>(key >> 5), static_cast<int>(key & 31),
                      static_cast<int>(entry & ValueBits), (entry & ExactBit) != 0);
            }
        }
    }

    std::vector<std::uint64_t> slots_;
    std::size_t mask_ = 0;
    std::size_t count_ = 0;
};

// ---- The best score ----

// Bounds a long search has worked out, kept because it asks for the same few thousand over
// and over: one answer per slot, the last asked, under the key it was asked by (never 0, which
// marks an empty slot). `ValueBits` low bits hold the answer, the key the rest.
template <int Bits, int ValueBits> class KeptBounds {
public:
    void reset() { slots_.assign(std::size_t{1} << Bits, 0); }
    std::size_t bytes() const { return slots_.capacity() * sizeof(std::uint64_t); }

    // The bound kept under `key`, or else `work()`'s, then kept if it fits.
    template <class Work> std::int64_t get(std::uint64_t key, Work&& work) {
        std::uint64_t& kept = slots_[(key * 0x9E3779B97F4A7C15u) >> (64 - Bits)];
        if (kept >> ValueBits == key) {
            return static_cast<std::int64_t>(kept & ValueMask);
        }
        const std::int64_t bound = work();
        if (bound >= 0 && static_cast<std::uint64_t>(bound) <= ValueMask) {
            kept = key << ValueBits | static_cast<std::uint64_t>(bound);
        }
        return bound;
    }

private:
    static constexpr std::uint64_t ValueMask = (std::uint64_t{1} << ValueBits) - 1;
    std::vector<std::uint64_t> slots_;
};

// One run of plays in a line, followed by a draw unless it is final (it clears the table, or
// the draw pile is used up): where it ends, after how many draws it is played, its points and
// the key that ranks it among the other runs (its points and a bound of what can follow).
struct Choice {
    Table end;
    int drawn = 0;
    std::int64_t run = 0;
    std::int64_t key = 0;
    bool final = false;
};

// Branch and bound over the segments of a round, a segment being one run of plays and the
// draw after it. Right after a draw the rest of the round depends only on (heights, cards
// drawn), so those values go into the ValueTable, which the searches of one round share.
// Within a segment the ChainFinder lists where the run can end, and the ends are tried best
// key first. A key is the run's points plus an upper bound of what follows: the cards left in
// runs no longer than the longest run the table still holds, no two of them longer together
// than its longest pair of runs (nor three than its longest three, once a search has run long),
// one run per draw left, and the bonus if that many runs can clear the table. Every new best total
// is kept as a line: the segments down to it, and below them the exact values of the table.
class BestSearch {
public:
    BestSearch(const SolverPosition& position, const Round& round, LongestRuns& runs,
               ValueTable& values, Budget& budget, const SolverLimits& limits)
        : position_(position), round_(round), runs_(runs), runsAfter_(limits.boundsAfter),
          triplesAfter_(limits.tripleBoundsAfter), values_(values), budget_(budget),
          chains_(round_, budget_), start_(tableOf(position.heights)),
          pool_(static_cast<std::size_t>(position.drawPileSize) + 2) {
        if (triplesReady_) {
            startKeeping();
        }
    }

    void searchRoot() {
        // A long search builds the tables of its bounds at once, so as to aim high from the
        // start.
        if (round_.drawPileSize() - position_.drawn >= EagerDraws &&
            tablesBelow(start_.code) > EagerTables) {
            buildRuns();
        }
        std::vector<Choice> choices;
        collect(start_, position_.drawn, position_.discardTop, currentRun(position_), 0, choices);
        // The search looks first for a line worth most of the best bound (see `lowered`), which
        // cuts off far more than a search that takes every line it meets; only when there is none
        // does it aim lower and search again, with what the failed searches proved kept in the
        // value table. The best line is most often found in the first search or the second,
        // and a search that finds one is exact above its aim.
        std::int64_t aim = runsReady_ && !choices.empty() ? lowered(choices.front().key) : 0;
        for (;;) {
            for (const Choice& choice : choices) {
                const std::int64_t bar = std::max(bestTotal_, aim);
                if (choice.key <= bar || budget_.stopped()) {
                    break;
                }
                path_.push_back(choice);
                follow(choice, bar, 0);
                path_.pop_back();
            }
            if (bestTotal_ > 0 || aim == 0 || budget_.stopped()) {
                break;
            }
            aim = lowered(aim) < LowestAim ? 0 : lowered(aim);
        }
    }

    std::int64_t bestTotal() const { return bestTotal_; }

    // An aim some way below `points`: deals 1..800 took the fewest positions with 85 %, both
    // on the whole and on the hardest.
    static std::int64_t lowered(std::int64_t points) { return points * 85 / 100; }

    std::vector<SolverMove> bestLine();
    std::size_t bytes() const {
        std::size_t total = chains_.bytes() + keptTriples_.bytes() + keptRests_.bytes();
        for (const auto& choices : pool_) {
            total += choices.capacity() * sizeof(Choice);
        }
        return total;
    }

private:
    // The best the segments from `table` right after `drawn` draws can give: exact when above
    // `alpha`, an upper bound otherwise. `before` is what the line scored up to here.
    int value(const Table& table, int drawn, int alpha, std::int64_t before) {
        const ValueTable::Entry known = values_.at(table.code, drawn);
        if (known.exact || (known.known && known.value <= alpha)) {
            return known.value;
        }
        std::vector<Choice>& choices = pool_[static_cast<std::size_t>(drawn)];
        std::int64_t best =
            collect(table, drawn, round_.drawnCard(drawn), round_.afterDraw(), alpha, choices);
        for (const Choice& choice : choices) {
            const std::int64_t bar = std::max<std::int64_t>(alpha, best);
            if (choice.key <= bar || budget_.stopped()) {
                best = std::max(best, choice.key);
                break;
            }
            path_.push_back(choice);
            best = std::max(best, follow(choice, bar, before));
            path_.pop_back();
        }
        if (!budget_.stopped()) {
            values_.store(table.code, drawn, static_cast<int>(best), best > alpha);
        }
        return static_cast<int>(best);
    }

    // What a choice is worth, exact when above `bar`; a new best total is kept.
    std::int64_t follow(const Choice& choice, std::int64_t bar, std::int64_t before) {
        std::int64_t total = choice.key;
        if (!choice.final) {
            const int alpha =
                static_cast<int>(std::clamp<std::int64_t>(bar - choice.run, -1, 1 << 20));
            total = choice.run +
                    value(choice.end.fresh(), choice.drawn + 1, alpha, before + choice.run);
        }
        if (total > bar && !budget_.stopped() && before + total > bestTotal_) {
            bestTotal_ = before + total;
            bestPath_ = path_;
        }
        return total;
    }

    // Fills `choices` with the ends of the runs from `table` onto `top` (`table` itself among
    // them) whose key beats `alpha`, best key first, and returns the highest key of the ends
    // left out because they cannot (-1 if none); the tables past such an end are not looked at
    // either when its bound says that they cannot beat it.
    std::int64_t collect(const Table& table, int drawn, int top, const RunScore& score,
                         std::int64_t alpha, std::vector<Choice>& choices) {
        const bool lastSegment = drawn == round_.drawPileSize();
        std::int64_t leftOut = -1;
        auto promising = [&](const Table& end, int lastSlot) {
            if (!lastSegment) {
                values_.prefetch(end.code, drawn + 1); // read below if the run may end here
            }
            const int more = longestAfter(end, lastSlot);
            if (more == 0) {
                return true; // the run ends here, and its end is weighed below, more tightly
            }
            const std::int64_t run = score.points(end.played + more);
            if (run + round_.bonus(drawn) > alpha) {
                return true; // whatever the bound of the later runs
            }
            const std::int64_t key = lastSegment ? run + round_.bonus(drawn)
                                                 : runAndRest(end, drawn, score, more, alpha);
            if (key > alpha) {
                return true;
            }
            leftOut = std::max(leftOut, key);
            return false;
        };
        std::vector<Table>& ends = endsBuffer_;
        ends.clear();
        ends.push_back(table);
        if (!lastSegment) {
            values_.prefetch(table.code, drawn + 1); // read below, as for every end
        }
        budget_.spend(1);
        chains_.findEnds(table, top, ends, promising);
        choices.clear();
        for (const Table& end : ends) {
            Choice choice{end, drawn, score.points(end.played), 0, end.code == 0 || lastSegment};
            choice.key = choice.run + (end.code == 0 ? round_.bonus(drawn) : 0);
            if (!choice.final) {
                // What the searches already know of the table after the draw stands in for the
                // bound when it is exact, or low enough to leave the end out: then neither the
                // bound nor a visit is needed, which settles most of the ends met before.
                const ValueTable::Entry known = values_.at(end.code, drawn + 1);
                choice.key += known.known && (known.exact || choice.key + known.value <= alpha)
                                  ? known.value
                                  : rest(end, drawn + 1, true);
            }
            // An end that cannot beat `alpha` is only a bound, like those left out above.
            if (choice.key <= alpha) {
                leftOut = std::max(leftOut, choice.key);
                continue;
            }
            choices.push_back(choice);
        }
        std::sort(choices.begin(), choices.end(),
                  [](const Choice& a, const Choice& b) { return a.key > b.key; });
        return leftOut;
    }

    // The most `table` could give after `drawn` draws with no run longer than the longest run
    // it holds and no two longer together than its longest pair: one run per draw left and the
    // one in hand, and the bonus.
    int rest(const Table& table, int drawn, bool asItIs = false) {
        return restOf(laterRuns(table, drawn, asItIs), drawn, table.cards);
    }

    // What bounds the runs that begin after `drawn` draws on `table` or on any table below it.
    struct LaterRuns {
        int longest = 1; // the longest run of any table below
        int first = 1;   // the longest the first of the runs can be
        int runs = 0;    // one for every draw left, and the one in hand
        int pair = 0;    // the most cards of any two of them, 0 while that is not built
        int triple = 0;  // the most cards of any three of them, 0 while that is not built
    };

    LaterRuns laterRuns(const Table& table, int drawn, bool asItIs) {
        LaterRuns later;
        later.longest = std::max(1, runsReady() ? runs_.anyBelow(table.code) : table.cards);
        // The first run that plays a card begins on `table` as it is, so onto one of the cards
        // still to be drawn.
        later.first = asItIs && runsReady_ ? runs_.after(table, round_.fitsOnLaterDraws(drawn))
                                           : later.longest;
        later.runs = round_.drawPileSize() - drawn + 1;
        later.pair = runsReady_ ? runs_.pairBelow(table.code) : 0;
        later.triple = triplesReady() ? runs_.tripleBelow(table.code) : 0;
        return later;
    }

    // The bound of the runs of `later` when `cards` of the cards of its table are left to them
    // (all of them, or fewer once a run under way has played the others) and none of them can
    // play more than `most`.
    int restOf(const LaterRuns& later, int drawn, int cards, int most = TableSlots) {
        if (later.first == 0) {
            return 0;
        }
        const int longest = std::max(1, std::min(later.longest, most));
        if (later.triple == 0) {
            return boundOf(later, drawn, cards, longest);
        }
        // Only the longest searches build the triples, and they ask for the same bounds
        // again and again.
        static_assert(TableSlots < 64 && MaxDrawPile + 1 < 32);
        const auto field = [](int value, int shift) {
            return static_cast<std::uint64_t>(value) << shift;
        };
        const std::uint64_t key = field(1, 35) | field(longest, 29) | field(later.first, 23) |
                                  field(later.pair, 17) | field(later.triple, 11) |
                                  field(drawn, 6) | field(cards, 0);
        return static_cast<int>(
            keptRests_.get(key, [&] { return boundOf(later, drawn, cards, longest); }));
    }

    // restOf, worked out, with `longest` the longest any of the runs can be.
    int boundOf(const LaterRuns& later, int drawn, int cards, int longest) {
        std::int64_t points = inRuns(cards, longest, std::min(later.first, longest), later.runs);
        if (later.pair > 0 && std::min(longest, cards) > later.pair / 2) {
            points = inPairedRuns(later, cards, longest, points);
        }
        if (later.triple > 0) [[unlikely]] {
            points = std::min(points, keptTripledRuns(later, cards, longest));
        }
        // Clearing takes at least this many runs, the first of them the one after `drawn`.
        const int clearingRuns =
            cards <= later.first ? 1 : 1 + (cards - later.first + longest - 1) / longest;
        return static_cast<int>(points) +
               (clearingRuns <= later.runs ? round_.bonus(drawn + clearingRuns - 1) : 0);
    }

    // The most `runs` runs after a draw can score with `cards` cards, none longer than
    // `longest` and the first no longer than `first`: as many as can be are the longest.
    std::int64_t inRuns(int cards, int longest, int first, int runs) const {
        const int full = std::min(runs - 1, cards / longest);
        const int left = cards - full * longest;
        return full * round_.runAfterDraw(longest) +
               round_.runAfterDraw(full < runs - 1 ? left : std::min(first, left));
    }

    // The same when no two of the runs can play more than `later.pair` cards together, and
    // one of them may play more than half of that. Let the longest play `a`: while a is at
    // most half the pair the others are no longer, which the bound of runs no longer than
    // half the pair covers. Above that the others play at most pair - a each, which is bounded
    // by their points per card at that length, and the bound, a convex function of a, is
    // highest at one end of its range. No more than `cap`, the bound without the pair.
    std::int64_t inPairedRuns(const LaterRuns& later, int cards, int longest,
                              std::int64_t cap) const {
        const int half = later.pair / 2;
        const int highest = std::min(longest, cards);
        const RunScore& score = round_.afterDraw();
        auto withLongest = [&](int a) {
            const std::int64_t perTwoCards = 2 * score.first + score.step * (later.pair - a - 1);
            return round_.runAfterDraw(a) + ((cards - a) * perTwoCards + 1) / 2;
        };
        const std::int64_t ends = std::max(withLongest(later.pair - half), withLongest(highest));
        if (ends >= cap) {
            return cap;
        }
        return std::min(
            cap, std::max(ends, inRuns(cards, std::max(1, half),
                                       std::max(1, std::min(half, later.first)), later.runs)));
    }

    // inTripledRuns, of which a search asks the same few thousand over and over: the last
    // answer for each is kept, by the lengths and cards it depends on.
    [[gnu::noinline]] std::int64_t keptTripledRuns(const LaterRuns& later, int cards, int longest) {
        const std::uint32_t key =
            1u << 31 | static_cast<std::uint32_t>(std::min(longest, cards)) << 18 |
            static_cast<std::uint32_t>(std::min(later.pair, cards)) << 12 |
            static_cast<std::uint32_t>(later.triple) << 6 | static_cast<std::uint32_t>(cards);
        return keptTriples_.get(key, [&] {
            return 2 * round_.afterDraw().first >= round_.afterDraw().step
                       ? inTripledRuns(later, cards, longest)
                       : std::numeric_limits<std::int64_t>::max();
        });
    }

    // The same when no three of the runs can play more than `later.triple` cards together.
    // Let the two longest play a and b: every other one plays at most c = min(b, triple - a -
    // b) cards, which bounds their points per card. Taken for a and b of any real value, the
    // bound is convex on both sides of the line where c changes over (where b is c, along
    // every edge of that side, with no top inside it), so it is highest at a corner of one of
    // the two sides: those few corners are all it tries.
    std::int64_t inTripledRuns(const LaterRuns& later, int cards, int longest) const {
        const RunScore& score = round_.afterDraw();
        const double first = static_cast<double>(score.first);
        const double step = static_cast<double>(score.step);
        const double highest = std::min(longest, cards);                 // a at the most
        const double both = std::min({later.pair, later.triple, cards}); // a + b at the most
        const double triple = later.triple;
        const auto points = [&](double n) { return first * n + step * n * (n - 1) / 2; };
        const auto bound = [&](double a, double b) {
            const double c = std::min(b, triple - a - b);
            return points(a) + points(b) + (cards - a - b) * (first + step * (c - 1) / 2);
        };
        const std::array<std::array<double, 2>, 12> corners{{
            {1, 0},
            {1, 1},
            {1, (triple - 1) / 2},
            {highest, 0},
            {highest, highest},
            {highest, both - highest},
            {highest, (triple - highest) / 2},
            {both / 2, both / 2},
            {both, 0},
            {triple / 3, triple / 3},
            {triple, 0},
            {2 * both - triple, triple - both},
        }};
        constexpr double Slack = 1e-9;
        double most = 0;
        for (const auto& [a, b] : corners) {
            if (a >= 1 - Slack && a <= highest + Slack && b >= -Slack && b <= a + Slack &&
                a + b <= both + Slack) {
                most = std::max(most, bound(a, b));
            }
        }
        return static_cast<std::int64_t>(std::ceil(most));
    }

    // A bound of what a run under way that has reached `end` after `drawn` draws can give with
    // the runs after it, when it can still play `more` cards: exact as a bound when it is no
    // more than `bar`, otherwise only known to be above it. The cards the run plays are not
    // there for the later runs, so every length it may go on to is bounded on its own, unless
    // counting its cards for both already keeps the bound within `bar`.
    std::int64_t runAndRest(const Table& end, int drawn, const RunScore& score, int more,
                            std::int64_t bar) {
        const LaterRuns later = laterRuns(end, drawn + 1, false);
        const int bonus = round_.bonus(drawn);
        const auto withPlayed = [&](int played) {
            const int after = restOf(later, drawn + 1, end.cards - played,
                                     later.pair > 0 ? later.pair - played : TableSlots);
            return score.points(end.played + played) + std::max(after, bonus);
        };
        // Most often the run at its longest is enough to go on with.
        const int longest = std::min(more, end.cards);
        std::int64_t most = withPlayed(longest);
        if (most > bar) {
            return most;
        }
        const std::int64_t loose =
            score.points(end.played + more) + std::max(restOf(later, drawn + 1, end.cards), bonus);
        if (loose <= bar) {
            return loose;
        }
        for (int played = longest - 1; played >= 0 && most <= bar; --played) {
            most = std::max(most, withPlayed(played));
        }
        return most;
    }

    // The longest run that can follow the card of `lastSlot` on `table`.
    int longestAfter(const Table& table, int lastSlot) {
        return runsReady() ? runs_.after(table, round_.fitsAfter(lastSlot)) : table.cards;
    }

    // The longest-run table covers the search's tables once the search has run a while
    // (`runsAfter_` states): for a full table it takes about 2 ms, more than a whole small
    // search (a run or two to play, as late in a round), which the cards left bound well
    // enough. Until then, and while a stopped budget leaves it unbuilt, the bounds fall back on
    // the cards left.
    bool runsReady() { return runsReady_ || (budget_.used() >= runsAfter_ && buildRuns()); }
    [[gnu::noinline]] bool buildRuns() {
        if (!budget_.stopped()) {
            runsReady_ = runs_.cover(round_, position_.heights, budget_);
        }
        return runsReady_;
    }
    // The triples join them once the search has run a good while longer (`triplesAfter_`
    // states): they take as long to build again, and only the hardest searches gain by them.
    bool triplesReady() {
        return triplesReady_ || (runsReady_ && budget_.used() >= triplesAfter_ && buildTriples());
    }
    [[gnu::noinline]] bool buildTriples() {
        if (!budget_.stopped()) {
            triplesReady_ = runs_.coverTriples(budget_);
            startKeeping();
        }
        return triplesReady_;
    }
    void startKeeping() {
        keptTriples_.reset();
        keptRests_.reset();
    }

    bool appendTailRun(Table& table, int drawn, std::int64_t& value, std::vector<SolverMove>& line);
    void appendRun(const Table& from, int top, const Table& to, std::vector<SolverMove>& line);

    const SolverPosition& position_;
    const Round& round_;
    LongestRuns& runs_;
    bool runsReady_ = runs_.covers(position_.heights); // built by an earlier search of the round
    bool triplesReady_ = runsReady_ && runs_.hasTriples();
    // The bounds asked for once the triples are built: the triples' own part, by the lengths
    // and cards it depends on, and the whole of restOf.
    KeptBounds<12, 32> keptTriples_;
    KeptBounds<14, 28> keptRests_;
    std::uint64_t runsAfter_;
    std::uint64_t triplesAfter_;
    ValueTable& values_;
    Budget& budget_;
    ChainFinder chains_;
    Table start_;
    std::vector<std::vector<Choice>> pool_;
    std::vector<Table> endsBuffer_;
    std::vector<Choice> path_;
    std::vector<Choice> bestPath_;
    std::int64_t bestTotal_ = 0;
    // A search from a table with more tables below it than this, and at least this many draws
    // left, is long enough to pay for the bounds' tables from its start.
    static constexpr std::uint64_t EagerTables = 20000;
    static constexpr int EagerDraws = 2;
    // Below this the aim of a search is dropped altogether.
    static constexpr std::int64_t LowestAim = 50;
    Budget unlimited_{std::numeric_limits<std::uint64_t>::max(), nullptr};
    ChainFinder tracer_{round_, unlimited_};
};

// The moves of the best line: the runs of the kept path, then, from the table it reached,
// runs whose values the ValueTable proves add up to the rest of the best total.
std::vector<SolverMove> BestSearch::bestLine() {
    std::vector<SolverMove> line;
    Table table = start_;
    int top = position_.discardTop;
    std::int64_t rest = bestTotal_;
    for (const Choice& choice : bestPath_) {
        appendRun(table, top, choice.end, line);
        rest -= choice.final ? choice.key : choice.run;
        if (choice.final) {
            return line;
        }
        line.push_back({SolverMove::Draw});
        table = choice.end.fresh();
        top = round_.drawnCard(choice.drawn + 1);
    }
    for (int drawn = bestPath_.empty() ? 0 : bestPath_.back().drawn + 1;
         drawn > 0 && appendTailRun(table, drawn, rest, line); ++drawn) {
    }
    return line;
}

// Appends the run from `table` right after `drawn` draws that the value table proves worth
// `value` together with what follows it. True when a draw follows, with `table` and `value`
// moved on to it.
bool BestSearch::appendTailRun(Table& table, int drawn, std::int64_t& value,
                               std::vector<SolverMove>& line) {
    std::vector<Table> ends{table};
    const int top = round_.drawnCard(drawn);
    const bool lastSegment = drawn == round_.drawPileSize();
    // Only a run whose bound reaches `value` can be the one; past the others nothing is.
    auto reaching = [&](const Table& end, int lastSlot) {
        const int more = longestAfter(end, lastSlot);
        const RunScore& score = round_.afterDraw();
        return (lastSegment ? score.points(end.played + more) + round_.bonus(drawn)
                            : runAndRest(end, drawn, score, more, value - 1)) >= value;
    };
    tracer_.findEnds(table, top, ends, reaching);
    for (const Table& end : ends) {
        const std::int64_t run = round_.afterDraw().points(end.played);
        if (end.code == 0 || lastSegment) {
            if (run + (end.code == 0 ? round_.bonus(drawn) : 0) == value) {
                appendRun(table, top, end, line);
                return false;
            }
            continue;
        }
        const ValueTable::Entry next = values_.at(end.code, drawn + 1);
        if (next.exact && run + next.value == value) {
            appendRun(table, top, end, line);
            line.push_back({SolverMove::Draw});
            table = end.fresh();
            value -= run;
            return true;
        }
    }
    return false;
}

void BestSearch::appendRun(const Table& from, int top, const Table& to,
                           std::vector<SolverMove>& line) {
    for (int slot : tracer_.slotsTo(from, top, to.code)) {
        line.push_back({slot});
    }
}

// ---- Clearing the table ----

// Depth-first search for any line that clears the table, runs ending on the fewest cards
// tried first. A table that cannot be cleared after d draws cannot be cleared after more
// either (drawing is always allowed), so one byte per heights code keeps the fewest draws
// after which it was found hopeless.
class ClearSearch {
public:
    ClearSearch(const SolverPosition& position, const Table& start, Budget& budget)
        : position_(position), round_(position), budget_(budget), chains_(round_, budget_),
          start_(start), hopelessFrom_(static_cast<std::size_t>(start.code + 1), NeverHopeless),
          pool_(static_cast<std::size_t>(position.drawPileSize) + 2) {}

    bool search() { return reach(start_, position_.drawn, position_.discardTop); }

    // The line found, once `search` said yes.
    std::vector<SolverMove> line() {
        std::vector<SolverMove> moves;
        Budget unlimited(std::numeric_limits<std::uint64_t>::max(), nullptr);
        ChainFinder tracer(round_, unlimited);
        for (const Step& step : path_) {
            if (step.drawn > position_.drawn) {
                moves.push_back({SolverMove::Draw});
            }
            for (int slot : tracer.slotsTo(step.from, step.top, step.to)) {
                moves.push_back({slot});
            }
        }
        return moves;
    }

    std::size_t bytes() const {
        std::size_t total = chains_.bytes() + hopelessFrom_.size();
        total += fewestRuns_ ? fewestRuns_->bytes() : 0;
        for (const auto& ends : pool_) {
            total += ends.capacity() * sizeof(Table);
        }
        return total;
    }

private:
    static constexpr std::uint8_t NeverHopeless = 0xFF;

    // One run of the clearing line: from a table onto a top, after some draws, to a table.
    struct Step {
        Table from;
        int top = 0;
        int drawn = 0;
        int to = 0;
    };

    bool reach(const Table& table, int drawn, int top) {
        std::vector<Table>& ends = pool_[static_cast<std::size_t>(drawn)];
        ends.clear();
        ends.push_back(table);
        budget_.spend(1);
        chains_.findEnds(table, top, ends, [](const Table&, int) { return true; });
        auto rank = [&](const Table& end) {
            return fewestRuns_ ? runsToClear(end.code, drawn + 1) * 64 - end.played : -end.played;
        };
        std::sort(ends.begin(), ends.end(),
                  [&](const Table& a, const Table& b) { return rank(a) < rank(b); });
        for (std::size_t i = 0; i < ends.size() && !budget_.stopped(); ++i) {
            const Table end = ends[i];
            path_.push_back({table, top, drawn, end.code});
            if (end.code == 0 ||
                (drawn < round_.drawPileSize() && reachAfterDraw(end, drawn + 1))) {
                return true;
            }
            path_.pop_back();
        }
        return false;
    }

    bool reachAfterDraw(const Table& table, int drawn) {
        if (hopelessFrom_[table.code] <= drawn || tooManyRuns(table.code, drawn)) {
            return false;
        }
        if (reach(table.fresh(), drawn, round_.drawnCard(drawn))) {
            return true;
        }
        if (!budget_.stopped()) {
            hopelessFrom_[table.code] = static_cast<std::uint8_t>(drawn);
        }
        return false;
    }

    // Whether `code` needs more runs than there are left after `drawn` draws. The table of
    // fewest runs takes time in proportion to the tables below the start: for a full table a
    // few milliseconds, more than most searches take, so then it is built only once the search
    // has run a while.
    // The fewest runs that `code` needs after `drawn` draws, as far as the tables built so far
    // tell.
    int runsToClear(int code, int drawn) const {
        for (std::size_t k = lateRuns_.size(); k-- > 0;) {
            if (lateRuns_[k] && lateFrom_[k] <= drawn) {
                return lateRuns_[k]->toClear(code);
            }
        }
        return fewestRuns_->toClear(code);
    }

    bool tooManyRuns(int code, int drawn) {
        if (!fewestRuns_ && budget_.used() >= fewestRunsAfter_) {
            fewestRuns_.emplace(round_, start_.code);
        }
        const int runsLeft = round_.drawPileSize() - drawn + 1;
        if (!fewestRuns_ || fewestRuns_->toClear(code) > runsLeft) {
            return fewestRuns_.has_value();
        }
        if (!lateRuns_[0] && budget_.used() >= lateRunsAfter_) {
            buildLateRuns();
        }
        for (std::size_t k = lateRuns_.size(); k-- > 0;) {
            if (lateRuns_[k] && lateFrom_[k] <= drawn) {
                return lateRuns_[k]->toClear(code) > runsLeft;
            }
        }
        return false;
    }

    // Late in the pile few cards are left to draw, and a run can only begin on a card that
    // one of them fits: the fewest runs counted with only those cards as beginnings, from
    // three points of the pile on.
    void buildLateRuns() {
        const int pile = round_.drawPileSize();
        for (std::size_t k = 0; k < lateRuns_.size(); ++k) {
            lateFrom_[k] = pile - 9 + 3 * static_cast<int>(k);
            SlotMask startable = 0;
            for (int drawn = std::max(1, lateFrom_[k]); drawn <= pile; ++drawn) {
                startable |= round_.fitsOn(round_.drawnCard(drawn));
            }
            lateRuns_[k].emplace(round_, start_.code, startable);
        }
    }

    const SolverPosition& position_;
    Round round_;
    Budget& budget_;
    ChainFinder chains_;
    Table start_;
    std::vector<std::uint8_t> hopelessFrom_;
    std::optional<FewestRuns> fewestRuns_;
    std::uint64_t fewestRunsAfter_ = tablesBelow(start_.code) <= 20000 ? 0 : 100000;
    std::array<std::optional<FewestRuns>, 3> lateRuns_;
    std::array<int, 3> lateFrom_{};
    std::uint64_t lateRunsAfter_ = 40 * fewestRunsAfter_;
    std::vector<std::vector<Table>> pool_;
    std::vector<Step> path_;
};

bool isValid(const SolverPosition& position) {
    auto isCode = [](int code) { return code >= 0 && code <= DeckSize; };
    return std::all_of(position.heights.begin(), position.heights.end(),
                       [](int height) { return height >= 0 && height <= Rows; }) &&
           std::all_of(position.table.begin(), position.table.end(), isCode) &&
           std::all_of(position.drawPile.begin(), position.drawPile.end(), isCode) &&
           isCode(position.discardTop) && position.drawPileSize >= 0 &&
           position.drawPileSize <= MaxDrawPile && position.drawn >= 0 &&
           position.drawn <= position.drawPileSize && static_cast<int>(position.antyPhase) >= 0 &&
           static_cast<int>(position.antyPhase) <= 2 && position.anty >= 0;
}

} // namespace

// What a RoundSolver has learned of its round: the rules and cards, the longest runs of the
// tables below the highest position asked about, and the values after a draw.
class RoundSolver::Tables {
public:
    explicit Tables(const SolverPosition& position) : round(position) {}

    Round round;
    LongestRuns runs;
    ValueTable values;
};

RoundSolver::RoundSolver() = default;
RoundSolver::~RoundSolver() = default;
RoundSolver::RoundSolver(RoundSolver&&) noexcept = default;
RoundSolver& RoundSolver::operator=(RoundSolver&&) noexcept = default;

SolverResult RoundSolver::solve(const SolverPosition& position, const SolverLimits& limits,
                                const std::atomic<bool>* cancel) {
    SolverResult result;
    if (!isValid(position)) {
        return result;
    }
    const Table start = tableOf(position.heights);
    if (start.code == 0) {
        result.exact = true;
        result.bestLineClears = true;
        return result;
    }
    if (!tables_ || !tables_->round.holds(position)) {
        tables_ = std::make_unique<Tables>(position);
    }
    Budget budget(limits.maxStates, cancel);
    BestSearch best(position, tables_->round, tables_->runs, tables_->values, budget, limits);
    best.searchRoot();
    result.best = best.bestTotal();
    result.exact = !budget.stopped();
    result.line = best.bestLine();
    result.peakBytes = best.bytes() + tables_->runs.bytes() + tables_->values.bytes();
    const auto plays = std::count_if(result.line.begin(), result.line.end(),
                                     [](SolverMove move) { return !move.isDraw(); });
    result.bestLineClears = plays == start.cards;
    result.states = budget.used();
    return result;
}

SolverPosition dealtPosition(std::span<const int> deck, bool aceKingWrap) {
    SolverPosition position;
    std::copy_n(deck.begin(), TableSlots, position.table.begin());
    position.heights.fill(Rows);
    position.discardTop = deck[TableSlots];
    position.drawPileSize = static_cast<int>(deck.size()) - TableSlots - 1;
    std::copy(deck.begin() + TableSlots + 1, deck.end(), position.drawPile.begin());
    position.aceKingWrap = aceKingWrap;
    return position;
}

SolverPosition positionOf(const GameState& state) {
    SolverPosition position =
        dealtPosition(std::span(state.deck).subspan(1), state.options.aceKingWrap);
    for (int column = 0; column < Columns; ++column) {
        position.heights[column] = columnHeight(state.onTable, column);
    }
    position.drawn = state.deckPosition - TableSlots - 1;
    position.discardTop = state.discardTop;
    position.anty = state.anty;
    position.antyPhase = state.antyPhase;
    position.scoringOn = state.options.scoringOn;
    for (int code = 1; code <= OrdinaryCards; ++code) {
        if (isChosenWild(state.cheat, code)) {
            position.wild |= std::uint64_t{1} << code;
        }
    }
    return position;
}

ClearResult canClearTable(const SolverPosition& position, const SolverLimits& limits,
                          const std::atomic<bool>* cancel) {
    ClearResult result;
    if (!isValid(position)) {
        return result;
    }
    Budget budget(limits.maxStates, cancel);
    ClearSearch search(position, tableOf(position.heights), budget);
    result.canClear = search.search();
    result.exact = result.canClear || !budget.stopped();
    if (result.canClear) {
        result.line = search.line();
    }
    result.states = budget.used();
    return result;
}

SolverResult solve(const SolverPosition& position, const SolverLimits& limits,
                   const std::atomic<bool>* cancel) {
    return RoundSolver().solve(position, limits, cancel);
}

} // namespace corvelle
