#pragma once

#include "card.h"
#include "tablevalue.h"

#include <array>
#include <cstdint>

namespace corvelle {

inline constexpr int TableSlots = 35; // slot = 5 * column + row
inline constexpr int Columns = 7;
inline constexpr int Rows = 5;
inline constexpr int DrawPilePictures = 19;
inline constexpr int HighScorePlaces = 5;
inline constexpr int MaxWildCards = 6;

// The player's options; loaded from the settings store at start-up, changed by the menus.
struct Options {
    bool aceKingWrap = true;
    bool drawPileClickDraws = false;
    bool backgroundClickDraws = false;
    bool scoringOn = true;
    bool showHighScoresPopup = true;
    int shuffleCount = 1; // 1..3
};

// Cheat mode: up to six chosen extra wild cards, in force while cheatsEnabled.
struct CheatState {
    std::array<int, DeckSize + 1> wildMark{}; // by card code; index 0 unused
    int wildCount = 0;
    bool cheatsEnabled = false;
    bool wildSelectLoading = false;
    int wildCardsPlayed = 0; // chosen wild cards played from the table this game
    bool lastMoveWild = false;
};

// One step of undo: the last table move (kind 1) or draw (kind 2).
struct UndoRecord {
    bool undoAvailable = false;
    int undoKind = 0;
    int undoDiscardTop = 0;
    int undoTableCardsLeft = 0; // kind 1
    int undoCard = 0;           // kind 1
    int undoSlot = 0;           // kind 1
    int undoDeckPosition = 0;   // kind 2
    int undoDrawPileCount = 0;  // kind 2
};

// The whole state of a game. Deck positions are one-based, as the game counts them:
// deck[1..35] are dealt to slots 0..34, deck[36] is the first discard, deck[37..54] the draw
// pile taken in increasing order; deck[0] is unused.
struct GameState {
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
    int antyPhase = 0;
    // The score has been past 32767 in this game, so the Hall of Fame stores it as 32-bit.
    bool scoreWide = false;

    bool gameOver = false;
    UndoRecord undo;
    Options options;
    CheatState cheat;

    std::array<TableValue, HighScorePlaces> highScoreValues{};
    std::array<TableValue, HighScorePlaces> highScoreNames{};
};

} // namespace corvelle
