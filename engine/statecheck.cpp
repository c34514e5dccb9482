// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/statecheck.h"

#include "engine/game.h"
#include "engine/randomsource.h"

#include <cmath>
#include <limits>

namespace corvelle {

namespace {

constexpr bool within(int value, int lowest, int highest) {
    return value >= lowest && value <= highest;
}

bool isPermutation(const std::array<int, DeckSize + 1>& deck) {
    std::array<bool, DeckSize + 1> seen{};
    for (int p = 1; p <= DeckSize; ++p) {
        if (!isCard(deck[p]) || seen[deck[p]]) {
            return false;
        }
        seen[deck[p]] = true;
    }
    return deck[0] == 0;
}

// Whether the deck is the one that the round of a numbered deal is dealt, by the game's own
// shuffle, once, twice or three times: the "Shuffling" option may have changed since.
bool dealtByItsDeal(const GameState& s) {
    for (int passes = 1; passes <= 3; ++passes) {
        DealRandom random;
        random.startRound(s.dealNumber, s.roundIndex);
        if (Game::shuffledDeck(random, passes) == s.deck) {
            return true;
        }
    }
    return false;
}

// The table against the deck, the column grids and the count of cards left; the cards of each
// column are played from the bottom row up, so those still there are its top rows.
std::string_view tableProblem(const GameState& s) {
    int onTable = 0;
    for (int column = 0; column < Columns; ++column) {
        bool playedBelowAbove = false;
        for (int row = 0; row < Rows; ++row) {
            const int slot = Rows * column + row;
            if (s.tableCards[slot] != s.deck[slot + 1] ||
                s.columnCards[column][row] != s.tableCards[slot]) {
                return "the table or the column grid disagrees with the deck";
            }
            if (s.columnPlayed[column][row] != (s.onTable[slot] ? 0 : 1)) {
                return "the played marks disagree with the table";
            }
            if (s.onTable[slot] && playedBelowAbove) {
                return "a card lies below a played card of its column";
            }
            playedBelowAbove = playedBelowAbove || !s.onTable[slot];
            onTable += s.onTable[slot] ? 1 : 0;
        }
    }
    if (onTable != s.tableCardsLeft || onTable == 0) {
        return "the count of table cards disagrees with the table";
    }
    return {};
}

// A card that has been turned up or played onto the discard pile this round, and that a later
// move or undo can have left on top: the card last drawn, or any table card played.
bool onDiscardPile(const GameState& s, int card, int deckPosition) {
    if (!isCard(card)) {
        return false;
    }
    if (s.deck[deckPosition] == card) {
        return true;
    }
    for (int slot = 0; slot < TableSlots; ++slot) {
        if (!s.onTable[slot] && s.tableCards[slot] == card) {
            return true;
        }
    }
    return false;
}

std::string_view undoProblem(const GameState& s) {
    const UndoRecord& u = s.undo;
    if (!within(static_cast<int>(u.undoKind), 0, 2) || !within(u.undoDiscardTop, 0, DeckSize) ||
        !within(u.undoTableCardsLeft, 0, TableSlots) || !within(u.undoCard, 0, DeckSize) ||
        !within(u.undoSlot, 0, TableSlots - 1) || !within(u.undoDeckPosition, 0, DeckSize) ||
        !within(u.undoDrawPileCount, 0, DrawPilePictures)) {
        return "the undo record holds a value out of range";
    }
    if (!u.undoAvailable) {
        return {};
    }
    if (u.undoKind == UndoKind::TableCard) {
        const int slot = u.undoSlot;
        int stillThere = 0;
        for (int row = 0; row < Rows; ++row) {
            stillThere += s.onTable[slot - slot % Rows + row] ? 1 : 0;
        }
        if (slot % Rows != stillThere || s.tableCards[slot] != u.undoCard ||
            s.discardTop != u.undoCard || u.undoTableCardsLeft != s.tableCardsLeft + 1 ||
            u.undoDiscardTop == u.undoCard || !onDiscardPile(s, u.undoDiscardTop, s.deckPosition)) {
            return "the undo record points to no card last played";
        }
        return {};
    }
    if (u.undoKind == UndoKind::Draw) {
        if (u.undoDeckPosition != s.deckPosition - 1 || u.undoDeckPosition <= TableSlots ||
            u.undoDrawPileCount != s.drawPileCount + 1 || s.discardTop != s.deck[s.deckPosition] ||
            !onDiscardPile(s, u.undoDiscardTop, u.undoDeckPosition) || s.runCards != 0) {
            return "the undo record points to no card last drawn";
        }
        return {};
    }
    return "an undo is offered for nothing";
}

std::string_view cheatProblem(const GameState& s) {
    int chosen = 0;
    for (int code = 0; code <= DeckSize; ++code) {
        const int mark = s.cheat.wildMark[code];
        if (!within(mark, 0, 1) || (mark == 1 && (code == 0 || code > OrdinaryCards))) {
            return "a wild card is chosen that cannot be chosen";
        }
        chosen += mark;
    }
    if (chosen != s.cheat.wildCount || chosen > MaxWildCards ||
        (s.cheat.cheatsEnabled && chosen == 0)) {
        return "the count of wild cards disagrees with the choice";
    }
    if (s.wildCardsPlayed < 0 || (s.lastMoveWild && s.wildCardsPlayed == 0)) {
        return "the count of wild cards played is impossible";
    }
    return {};
}

std::string_view scoreProblem(const GameState& s) {
    if (s.score < 0 || s.peakScore < s.score) {
        return "the score or the peak score is out of range";
    }
    const int phase = static_cast<int>(s.antyPhase);
    if (!within(phase, 0, 2) || s.anty < 0 ||
        (s.anty % 5 != 0 && s.anty != std::numeric_limits<std::int32_t>::max()) ||
        (s.antyPhase != RunPhase::Unset && s.anty < 5)) {
        return "the anty or its phase is out of range";
    }
    if (s.runCards < 0) {
        return "the run is shorter than no card";
    }
    if (!std::isfinite(s.highScoreToBeat)) {
        return "the score to beat is no number";
    }
    return {};
}

} // namespace

std::string_view whyImpossible(const GameState& s) {
    if (s.roundIndex < 1 || s.dealNumber > MaxDealNumber) {
        return "the deal number or the round is out of range";
    }
    if (!within(s.options.shuffleCount, 1, 3) ||
        (s.options.drawPileClickDraws && s.options.backgroundClickDraws)) {
        return "the options are no choice of the menus";
    }
    if (!isPermutation(s.deck)) {
        return "the deck is not a permutation of the 54 cards";
    }
    if (s.dealNumber != 0 && !dealtByItsDeal(s)) {
        return "the deck is not the one its deal number and round give";
    }
    if (const std::string_view problem = tableProblem(s); !problem.empty()) {
        return problem;
    }
    if (!within(s.deckPosition, TableSlots + 1, DeckSize) ||
        s.drawPileCount != DeckSize - s.deckPosition) {
        return "the draw pile disagrees with the deck position";
    }
    if (!onDiscardPile(s, s.discardTop, s.deckPosition)) {
        return "the discard top was never turned up";
    }
    if (s.gameOver && s.drawPileCount != 0) {
        return "the game is over with cards left to draw";
    }
    for (const auto check : {undoProblem, cheatProblem, scoreProblem}) {
        if (const std::string_view problem = check(s); !problem.empty()) {
            return problem;
        }
    }
    return {};
}

} // namespace corvelle
