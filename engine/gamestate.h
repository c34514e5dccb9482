// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/card.h"

#include <array>
#include <cstdint>

namespace corvelle {

inline constexpr int TableSlots = 35; // slot = 5 * column + row
inline constexpr int Columns = 7;
inline constexpr int Rows = 5;
inline constexpr int DrawPilePictures = 19;
inline constexpr int MaxWildCards = 6;
// Deals are numbered 1 to this; 0 is a game whose decks came straight from its random source.
inline constexpr std::uint64_t MaxDealNumber = 4294967295u;

// The player's options; loaded from the settings store at start-up, changed by the menus.
struct Options {
    bool aceKingWrap = true;
    bool drawPileClickDraws = false;
    bool backgroundClickDraws = false;
    bool scoringOn = true;
    bool showHighScoresPopup = true;
    int shuffleCount = 1; // 1..3

    bool operator==(const Options&) const = default;
};

// The player's choice of up to six extra wild cards, in force while cheatsEnabled. The cheat
// commands and the wild-card window change it; the game only reads it.
struct CheatChoice {
    std::array<int, DeckSize + 1> wildMark{}; // 1 for a chosen card, by card code; [0] unused
    int wildCount = 0;
    bool cheatsEnabled = false;

    bool operator==(const CheatChoice&) const = default;
};

// What the one step of undo takes back.
enum class UndoKind { None, TableCard, Draw };

// Where the run of the anty stands: Starting after a draw (the next card scores 5 and starts
// the run), Running once a card has been played. Unset only in a game dealt while scoring was
// off; a draw then never starts a run, and the anty simply grows from 5.
enum class RunPhase { Unset, Starting, Running };

// One step of undo: the last table move or draw.
struct UndoRecord {
    bool undoAvailable = false;
    UndoKind undoKind = UndoKind::None;
    int undoDiscardTop = 0;
    int undoTableCardsLeft = 0; // table move
    int undoCard = 0;           // table move
    int undoSlot = 0;           // table move
    int undoDeckPosition = 0;   // draw
    int undoDrawPileCount = 0;  // draw

    bool operator==(const UndoRecord&) const = default;
};

// The whole state of a game. Deck positions are one-based, as the game counts them:
// deck[1..35] are dealt to slots 0..34, deck[36] is the first discard, deck[37..54] the draw
// pile taken in increasing order; deck[0] is unused.
struct GameState {
    // The deal whose decks this game plays, and the round of it on the table (1 for the first).
    std::uint64_t dealNumber = 0;
    std::int32_t roundIndex = 0;
    std::array<int, DeckSize + 1> deck{};
    std::array<int, TableSlots> tableCards{};
    std::array<bool, TableSlots> onTable{}; // the slot's card has not been played
    std::array<std::array<int, Rows>, Columns> columnCards{};
    std::array<std::array<int, Rows>, Columns> columnPlayed{};
    int tableCardsLeft = 0;
    int deckPosition = 0;
    int drawPileCount = 0;
    int discardTop = 0;

    std::int32_t score = 0;
    std::int32_t anty = 0;
    RunPhase antyPhase = RunPhase::Unset;
    // Table cards played since the last draw request: the length of the run under way, with or
    // without scoring. Rounds do not end it; undoing a table move shortens it.
    std::int32_t runCards = 0;
    // The highest score of this game so far (the Hall of Fame stores a score past 32767 wider).
    std::int32_t peakScore = 0;

    bool gameOver = false;
    UndoRecord undo;
    Options options;
    CheatChoice cheat;
    int wildCardsPlayed = 0; // chosen wild cards played from the table this game
    bool lastMoveWild = false;

    // A score above this is shown as the highest score; the best Hall of Fame entry sets it.
    double highScoreToBeat = 0.0;

    bool operator==(const GameState&) const = default;
};

// What an action led to, for the window to carry on with: the round was won (a new one is
// dealt), or the game is over (the panel shows; the Hall of Fame may take an entry).
enum class Outcome { Nothing, RoundWon, GameOver };

} // namespace corvelle
