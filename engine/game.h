#pragma once

#include "display.h"
#include "gamestate.h"
#include "randomsource.h"

namespace corvelle {

// The game engine: the rules of Corvelle acting on one GameState. Every player action enters
// through one of the click operations below (or undoLastMove), changes the state in place and
// reports what must be shown through the Display. The engine knows nothing of windows, files
// or clocks; it is driven the same way by the main window, the tests and the benchmarks.
class Game {
public:
    enum DealMode { NewGame = 1, NewRound = 2 };

    struct SlotCheck {
        bool free = false;
        int cardRank = 0;
        int discardRank = 0;
    };

    Game(Display& display, RandomSource& random) : display_(display), random_(random) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    GameState state;
    Display& display() { return display_; }

    // The player's actions, as the main window's handlers pass them on.
    void clickTableSlot(int slot); // a table picture: plays it unless the game is over
    void clickDiscardPile();       // draws, or says the game is over
    void clickDrawPile(int index); // as the discard pile, when that option is on
    void clickBackground();        // draws (even after game over), when that option is on
    void undoLastMove();           // the "Undo Last Card Move" button

    // Start-up steps of the main window.
    void resetCheatState();
    void showDrawPileBacks();
    void clearColumnGrids();
    // Shows the best Hall of Fame entry in the highest-score label.
    void showBestHighScore();

    // Rules.
    int cardRank(int code) const;
    bool moveFits(int tableRank, int discardRank) const;
    bool isWildChoice(int code) const;

    // The operations of a game, in the order the rules use them.
    void dealGame(int mode);
    void shuffleDeck(int passes);
    void dealTable();
    void playTableCard(int slot);
    SlotCheck checkTableCard(int slot) const;
    void recordTableUndo(int slot);
    void markSlotPlayed(int slot);
    void recordSlotCard(int slot);
    void drawCard();
    void turnUpNextCard();
    void checkForGameOver();
    void scoreCardMove();

private:
    void addToScore(std::int32_t points);
    void showScore();
    void setSlotOnTable(int slot, bool on);

    Display& display_;
    RandomSource& random_;
};

} // namespace corvelle
