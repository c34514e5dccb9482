// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/clearabledeals.h"
#include "engine/game.h"
#include "play/backgroundwork.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace corvelle {

// "Only Clearable Tables": while it is on, every table a new game or a new round deals is one
// the solver proves can be cleared. A new game's deal number moves on from a fresh one to the
// first such deal, and a cleared table's next round to the first such round; a deal the player
// asks for by number is dealt as asked, and the player hears when its table cannot be cleared.
// The proofs take up to a second on the hardest deals, so as each table is dealt the next new
// game's deal and the next round of this one are proven on a worker thread: the deal that
// follows then never waits. (Should it come before the proof, it is proven at once.)
class ClearableTables : public BackgroundWork, public RoundChooser {
    Q_OBJECT

public:
    explicit ClearableTables(QObject* parent = nullptr) : BackgroundWork(parent) {}

    bool isOn() const { return on_; }
    void setOn(bool on);

    // The deal number of a new game under the options and wild cards of `state`: a fresh one,
    // moved on to the first deal whose table clears while this is on.
    std::uint64_t freshDeal(const GameState& state);
    // `state`'s table has just been dealt (`asked`: the player asked for its deal by number) or
    // taken back from the kept game: proves ahead what the next deals need.
    void dealt(const GameState& state, bool asked = false);
    std::int32_t nextRound(const GameState& state, std::int32_t after) override;

signals:
    // The table dealt as asked cannot be cleared.
    void message(const QString& text);

private:
    // What was proven ahead for a table: the round its deal moves on to when cleared, the deal
    // of the next new game, and whether its own table is proven not to clear.
    struct Ahead {
        GameState dealt;
        std::uint64_t freshFrom = 0;
        std::optional<ClearableFind> round;
        std::optional<ClearableFind> deal;
        bool tableCannotClear = false;
    };
    static bool sameRules(const GameState& a, const GameState& b);

    bool on_ = false;
    std::optional<Ahead> ahead_;
};

} // namespace corvelle
