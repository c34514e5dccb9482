// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/display.h"
#include "engine/gamestate.h"
#include "engine/randomsource.h"
#include "engine/statecheck.h"

namespace corvelle {

// Chooses the round a game deals when its table is cleared; a game without one deals the next
// round in order.
class RoundChooser {
public:
    virtual ~RoundChooser() = default;
    // The round to deal after round `after` of the game in `state` (a deal number other than
    // 0): at least after + 1.
    virtual std::int32_t nextRound(const GameState& state, std::int32_t after) = 0;
};

// The game engine: the rules of Corvelle acting on one GameState. Every player action enters
// through one of the public operations below, changes the state and reports what must be shown
// through the Display; an action that ends a round or the game says so in its Outcome and
// returns, and the caller carries on from there (the Hall of Fame, a new deal). The engine knows
// nothing of windows, files or clocks; the main window, the tests and the benchmarks drive it
// the same way, and read its state only through state().
class Game {
public:
    Game(Display& display, RandomSource& random) : display_(display), random_(random) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    const GameState& state() const { return state_; }

    // Start-up of a run: the draw-pile pictures get the card back. The first deal follows.
    void start();
    // A new game of deal `dealNumber` (1 to MaxDealNumber), from its first round: "&NewGame",
    // "Try Again", the deal after a Hall of Fame entry or its clearing, and the "&Play" menu.
    // Every round of it is shuffled from the numbers the random source gives for that deal
    // and round.
    void newGame(std::uint64_t dealNumber);
    // A new game with no deal number: its decks come straight from the random source, as the
    // benchmarks and the rule tests deal them.
    void newGame();
    // Takes over a whole kept game and shows it, to play on exactly as it would have gone on.
    // A state that play could never have reached (whyImpossible) is refused: nothing changes,
    // nothing is shown, and the result is false.
    bool resume(const GameState& state);

    // The player's actions, as the main window's handlers pass them on.
    Outcome clickTableSlot(int slot); // plays it unless the game is over
    Outcome clickDiscardPile();       // draws, or says the game is over
    Outcome clickDrawPile(int index); // as the discard pile, when that option is on
    Outcome clickBackground();        // draws (even after game over), when that option is on
    void undoLastMove();              // the "Undo Last Card Move" button

    void setOptions(const Options& options) { state_.options = options; }
    // Who chooses the round dealt when a numbered deal's table is cleared; nullptr (the
    // default) deals the next one in order.
    void setRoundChooser(RoundChooser* chooser) { roundChooser_ = chooser; }
    void setCheatChoice(const CheatChoice& choice) { state_.cheat = choice; }
    // The best Hall of Fame entry, as a number a score must pass to be shown as the highest.
    void setHighScoreToBeat(double best) { state_.highScoreToBeat = best; }

    // The rules, read-only: the rank a card plays as (0 for a wild card), whether a card of one
    // rank may go on the other, and whether the card of a slot can be played now.
    int cardRank(int code) const;
    bool moveFits(int tableRank, int discardRank) const;
    bool canPlay(int slot) const;

    // The deck that `passes` passes of the shuffle (1 to 3, the "Shuffling" option) make of the
    // numbers `random` gives next: how every round is dealt, and how a kept game's deck is
    // checked against its deal.
    static std::array<int, DeckSize + 1> shuffledDeck(RandomSource& random, int passes);

private:
    enum class DealMode { NewGame = 1, NewRound = 2 };

    struct SlotCheck {
        bool free = false;
        int cardRank = 0;
        int discardRank = 0;
    };

    // The steps of a game, in the order the rules use them.
    void dealGame(DealMode mode);
    void showWholeGame();
    void dealTable();
    Outcome playTableCard(int slot);
    SlotCheck checkTableCard(int slot) const;
    void recordTableUndo(int slot);
    void markSlotPlayed(int slot);
    void recordSlotCard(int slot);
    Outcome drawCard();
    void turnUpNextCard();
    Outcome checkForGameOver();
    void scoreCardMove();

    void addToScore(std::int32_t points);
    void showScore();
    void showHighestScoreIfPassed();
    void setSlotOnTable(int slot, bool on);

    GameState state_;
    Display& display_;
    RandomSource& random_;
    RoundChooser* roundChooser_ = nullptr;
};

} // namespace corvelle
