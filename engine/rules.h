// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/card.h"
#include "engine/gamestate.h"

#include <cstdint>
#include <limits>

namespace corvelle {

// The rules of play that the game and its solver both follow, written once: which card of a
// column is free, the rank a card plays as, which ranks fit on each other, and what a run of
// plays and a cleared table score.

constexpr int columnOf(int slot) {
    return slot / Rows;
}
constexpr int rowOf(int slot) {
    return slot % Rows;
}

// The cards of a column still on the table are its top rows, so a column is known by its
// height; its free card is the lowest of them, the one in row height - 1.
constexpr int columnHeight(const std::array<bool, TableSlots>& onTable, int column) {
    int height = 0;
    while (height < Rows && onTable[Rows * column + height]) {
        ++height;
    }
    return height;
}
constexpr int freeSlot(int column, int height) {
    return Rows * column + height - 1;
}
constexpr bool isFreeSlot(const std::array<bool, TableSlots>& onTable, int slot) {
    return freeSlot(columnOf(slot), columnHeight(onTable, columnOf(slot))) == slot;
}

// Whether `code` is one of the cards the player chose as wild, which are wild only while the
// cheats are in force.
constexpr bool isChosenWild(const CheatChoice& cheat, int code) {
    return cheat.cheatsEnabled && isCard(code) && cheat.wildMark[code] == 1;
}

// The rank a card plays as: 0 for a wild card (a joker, or a chosen wild card), otherwise the
// rank printed on it.
constexpr int playRank(int code, bool chosenWild) {
    return chosenWild ? 0 : faceRank(code);
}

// Whether a card of rank `tableRank` may go on one of rank `discardRank`: one rank apart, Ace
// and King apart by one too with the "Ace King" option, and a wild rank (0) fits anything.
constexpr bool ranksFit(int tableRank, int discardRank, bool aceKingWrap) {
    if (tableRank == 0 || discardRank == 0) {
        return true;
    }
    const int apart = tableRank > discardRank ? tableRank - discardRank : discardRank - tableRank;
    return apart == 1 || (aceKingWrap && apart == RanksPerSuit - 1);
}

// Scoring. The anty is what the card just played scored: the first card of a run scores
// RunStep and every next one RunStep more. A draw ends the run; in a game dealt with scoring off
// the phase stays Unset and the anty simply goes on growing from RunStep after a draw.
inline constexpr std::int32_t RunStep = 5;

constexpr std::int32_t antyAfterPlay(RunPhase phase, std::int32_t anty) {
    if (phase == RunPhase::Starting) {
        return RunStep;
    }
    return anty > std::numeric_limits<std::int32_t>::max() - RunStep
               ? std::numeric_limits<std::int32_t>::max()
               : anty + RunStep;
}
constexpr RunPhase phaseAfterPlay(RunPhase phase) {
    return phase == RunPhase::Starting ? RunPhase::Running : phase;
}
constexpr RunPhase phaseAfterDraw(RunPhase phase) {
    return phase == RunPhase::Running ? RunPhase::Starting : phase;
}

// Clearing the table scores this much for every card left in the draw pile.
constexpr std::int32_t roundBonus(int cardsLeftToDraw) {
    return 5 * cardsLeftToDraw;
}

} // namespace corvelle
