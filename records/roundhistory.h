// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/gamestate.h"

#include <vector>

namespace corvelle {

// One thing the player did that changed the game: a table card played, a draw (also one that
// found the draw pile used up: it still ends the run), or an undo.
struct PlayerAction {
    enum class Kind { PlayCard, Draw, Undo };
    Kind kind = Kind::Draw;
    int slot = 0; // the table slot played, for PlayCard

    static PlayerAction playCard(int slot) { return {Kind::PlayCard, slot}; }
    static PlayerAction draw() { return {Kind::Draw, 0}; }
    static PlayerAction undo() { return {Kind::Undo, 0}; }
    bool operator==(const PlayerAction&) const = default;
};

// One step of a round: what the player did, and the game just before and just after it. After
// the step that won the round, `after` is the new round as dealt.
struct RoundStep {
    PlayerAction action;
    GameState before;
    GameState after;
    Outcome outcome = Outcome::Nothing;
};

// A round as it was played, for its review: the game as the round began (dealt, or taken up
// from a kept game in its middle, `dealt` false), and every step since, until the round was won
// or the game was over and left.
struct RoundHistory {
    GameState start;
    bool dealt = true;
    std::vector<RoundStep> steps;

    bool ended() const { return !steps.empty() && steps.back().outcome == Outcome::RoundWon; }
};

} // namespace corvelle
