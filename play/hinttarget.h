// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/solver.h"

namespace corvelle {

// What a hint points at: nothing, the discard pile (drawing is the best move, or no move can add
// to the score any more: a dead end), or the free card of a table slot.
struct HintTarget {
    enum class Kind { Nothing, DiscardPile, DeadEnd, TableCard };
    Kind kind = Kind::Nothing;
    int slot = 0; // a table slot 0..34, for TableCard

    static HintTarget of(const SolverMove& move) {
        return move.isDraw() ? HintTarget{Kind::DiscardPile}
                             : HintTarget{Kind::TableCard, move.slot};
    }
    bool isTableCard(int tableSlot) const { return kind == Kind::TableCard && slot == tableSlot; }
    bool isDiscardPile() const { return kind == Kind::DiscardPile || kind == Kind::DeadEnd; }
    bool operator==(const HintTarget&) const = default;
};

} // namespace corvelle
