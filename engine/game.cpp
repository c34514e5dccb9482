#include "game.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string_view>

namespace corvelle {

namespace {

constexpr std::string_view NoMoreCardsMessage = "Sorry no more cards left to deal!";
constexpr std::string_view GameOverMessage =
    "The current game is over, please start a new game to continue playing";
constexpr std::string_view NothingToUndoMessage =
    "Sorry, but you may only undo a card movement after it has been completed!";

constexpr int columnOf(int slot) {
    return slot / Rows;
}
constexpr int rowOf(int slot) {
    return slot % Rows;
}
constexpr bool validSlot(int slot) {
    return slot >= 0 && slot < TableSlots;
}

// Adds without ever leaving the range of a signed 32-bit integer.
std::int32_t saturatingAdd(std::int32_t a, std::int32_t b) {
    const std::int64_t sum = static_cast<std::int64_t>(a) + b;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// A score in plain decimal, formatted without touching the heap.
class ScoreText {
public:
    explicit ScoreText(std::int32_t score)
        : length_(static_cast<std::size_t>(std::to_chars(text_, text_ + sizeof text_, score).ptr -
                                           text_)) {}
    std::string_view view() const { return {text_, length_}; }

private:
    char text_[16];
    std::size_t length_;
};

} // namespace

// ---- The player's actions ----

void Game::clickTableSlot(int slot) {
    if (!state.gameOver) {
        playTableCard(slot);
    }
}

void Game::clickDiscardPile() {
    if (!state.gameOver) {
        drawCard();
    } else {
        display_.showMessage(GameOverMessage);
    }
}

void Game::clickDrawPile(int /*index*/) {
    if (state.options.drawPileClickDraws) {
        clickDiscardPile();
    }
}

void Game::clickBackground() {
    // A background click that draws is deliberately not held back by a finished game: on the
    // used-up deck it repeats the no-more-cards message and the end-of-game check.
    if (state.options.backgroundClickDraws) {
        drawCard();
    }
}

void Game::undoLastMove() {
    UndoRecord& undo = state.undo;
    if (!undo.undoAvailable) {
        display_.showMessage(NothingToUndoMessage);
        return;
    }
    if (state.gameOver) {
        state.gameOver = false;
        display_.setGameOverPanelVisible(false);
    }
    if (state.options.scoringOn) {
        state.score = state.score >= 10 ? state.score - 10 : 0;
        showScore();
        state.anty = 5;
    }
    if (undo.undoKind == 2) {
        state.discardTop = undo.undoDiscardTop;
        state.deckPosition = undo.undoDeckPosition;
        state.drawPileCount = undo.undoDrawPileCount;
        const int back = state.drawPileCount - 1;
        if (back >= 0 && back < DrawPilePictures) {
            display_.setDrawPileVisible(back, true);
        }
        display_.showCard(0, state.discardTop, TargetDiscardPile);
        undo.undoAvailable = false;
        return;
    }
    if (undo.undoKind == 1 && validSlot(undo.undoSlot)) {
        setSlotOnTable(undo.undoSlot, true);
        state.discardTop = undo.undoDiscardTop;
        state.tableCardsLeft = undo.undoTableCardsLeft;
        display_.showCard(undo.undoSlot, undo.undoCard, TargetTableSlot);
        display_.showCard(0, state.discardTop, TargetDiscardPile);
        undo.undoAvailable = false;
        state.columnPlayed[columnOf(undo.undoSlot)][rowOf(undo.undoSlot)] = 0;
        if (state.cheat.cheatsEnabled && state.cheat.lastMoveWild) {
            --state.cheat.wildCardsPlayed;
            state.cheat.lastMoveWild = false;
        }
    }
}

// ---- Start-up ----

void Game::resetCheatState() {
    state.cheat.cheatsEnabled = false;
    state.cheat.wildCount = 0;
    state.cheat.wildMark.fill(0);
}

void Game::showDrawPileBacks() {
    for (int i = 0; i < DrawPilePictures; ++i) {
        display_.showCard(i, CardBackPicture, TargetDrawPile);
    }
}

void Game::clearColumnGrids() {
    for (auto& column : state.columnCards) {
        column.fill(0);
    }
}

void Game::showBestHighScore() {
    display_.showHighestScore(toText(state.highScoreValues[0]));
}

// ---- Rules ----

int Game::cardRank(int code) const {
    if (code < 1 || code > DeckSize) {
        return 0;
    }
    if (code > 52 || isWildChoice(code)) {
        return 0;
    }
    return (code - 1) % 13 + 1;
}

bool Game::isWildChoice(int code) const {
    return state.cheat.cheatsEnabled && code >= 1 && code <= DeckSize &&
           state.cheat.wildMark[code] == 1;
}

bool Game::moveFits(int tableRank, int discardRank) const {
    if (tableRank == 0 || discardRank == 0) {
        return true;
    }
    const int apart = tableRank > discardRank ? tableRank - discardRank : discardRank - tableRank;
    if (apart == 1) {
        return true;
    }
    return state.options.aceKingWrap && apart == 12;
}

// ---- Deal ----

void Game::dealGame(int mode) {
    for (auto& column : state.columnPlayed) {
        column.fill(0);
    }
    state.gameOver = false;
    if (mode == NewGame) {
        state.cheat.wildCardsPlayed = 0;
        state.cheat.lastMoveWild = false;
        state.undo.undoAvailable = false;
        if (state.options.scoringOn) {
            state.score = 0;
            state.scoreWide = false;
            showScore();
            state.anty = 5;
            state.antyPhase = 1;
        }
        display_.setGameOverPanelVisible(false);
    } else if (mode == NewRound) {
        display_.setGameOverPanelVisible(false);
        for (auto& column : state.columnPlayed) {
            column.fill(0);
        }
        state.cheat.lastMoveWild = false;
        state.undo.undoAvailable = false;
        addToScore(5 * state.drawPileCount);
        showScore();
    }
    for (int s = 0; s < TableSlots; ++s) {
        setSlotOnTable(s, true);
    }
    for (int i = 0; i < DrawPilePictures; ++i) {
        display_.setDrawPileVisible(i, true);
    }
    shuffleDeck(state.options.shuffleCount);
    state.tableCardsLeft = TableSlots;
    state.drawPileCount = DrawPilePictures;
    dealTable();
    display_.setGameOverPanelVisible(false);
}

void Game::shuffleDeck(int passes) {
    // Each pass builds a whole new permutation by rejection sampling; only the last one counts.
    passes = std::clamp(passes, 1, 3);
    std::array<bool, DeckSize + 1> usedCodes{};
    for (int pass = 0; pass < passes; ++pass) {
        usedCodes.fill(false);
        for (int j = 1; j <= DeckSize; ++j) {
            int v = 0;
            do {
                const double x = random_.uniform();
                v = std::clamp(static_cast<int>(x * DeckSize) + 1, 1, DeckSize);
            } while (usedCodes[v]);
            state.deck[j] = v;
            usedCodes[v] = true;
        }
    }
}

void Game::dealTable() {
    state.deckPosition = 0;
    for (int s = 0; s < TableSlots; ++s) {
        recordSlotCard(s);
        display_.showCard(s, state.deck[s + 1], TargetTableSlot);
        state.tableCards[s] = state.deck[s + 1];
        ++state.deckPosition;
    }
    state.deckPosition = TableSlots;
    state.drawPileCount = DrawPilePictures;
    state.discardTop = state.deck[TableSlots + 1];
    turnUpNextCard();
    state.drawPileCount = DrawPilePictures - 1;
    state.undo.undoAvailable = false;
}

// ---- Playing a table card ----

Game::SlotCheck Game::checkTableCard(int slot) const {
    SlotCheck check;
    check.free = rowOf(slot) == Rows - 1 || !state.onTable[slot + 1];
    check.cardRank = cardRank(state.tableCards[slot]);
    check.discardRank = cardRank(state.discardTop);
    return check;
}

void Game::playTableCard(int slot) {
    // An emptied slot has no picture to click.
    if (!validSlot(slot) || !state.onTable[slot]) {
        return;
    }
    const SlotCheck check = checkTableCard(slot);
    if (!check.free || !moveFits(check.cardRank, check.discardRank)) {
        return;
    }
    const int card = state.tableCards[slot];
    if (state.cheat.cheatsEnabled && state.cheat.wildMark[card] == 1) {
        ++state.cheat.wildCardsPlayed;
        state.cheat.lastMoveWild = true;
    } else {
        state.cheat.lastMoveWild = false;
    }
    recordTableUndo(slot);
    state.discardTop = card;
    setSlotOnTable(slot, false);
    --state.tableCardsLeft;
    display_.showCard(0, state.discardTop, TargetDiscardPile);
    const bool roundWon = state.tableCardsLeft == 0;
    if (roundWon) {
        dealGame(NewRound);
    }
    // The last card of a round is scored after the round bonus.
    scoreCardMove();
    if (!roundWon) {
        markSlotPlayed(slot);
        recordSlotCard(slot);
        if (state.deckPosition == DeckSize) {
            checkForGameOver();
        }
    }
}

void Game::recordTableUndo(int slot) {
    UndoRecord& undo = state.undo;
    undo.undoKind = 1;
    undo.undoDiscardTop = state.discardTop;
    undo.undoTableCardsLeft = state.tableCardsLeft;
    undo.undoCard = state.tableCards[slot];
    undo.undoSlot = slot;
    undo.undoAvailable = true;
}

void Game::markSlotPlayed(int slot) {
    state.columnPlayed[columnOf(slot)][rowOf(slot)] = 1;
}

void Game::recordSlotCard(int slot) {
    state.columnCards[columnOf(slot)][rowOf(slot)] = state.deck[slot + 1];
}

// ---- Drawing ----

void Game::drawCard() {
    if (state.options.scoringOn) {
        if (state.antyPhase == 2) {
            state.antyPhase = 1;
        }
        state.anty = 5;
    }
    if (state.deckPosition < DeckSize) {
        turnUpNextCard();
    } else {
        display_.showMessage(NoMoreCardsMessage);
    }
    if (state.deckPosition == DeckSize) {
        if (state.tableCardsLeft > 0) {
            checkForGameOver();
        } else {
            dealGame(NewRound);
        }
    }
}

void Game::turnUpNextCard() {
    UndoRecord& undo = state.undo;
    undo.undoKind = 2;
    undo.undoDiscardTop = state.discardTop;
    undo.undoDeckPosition = state.deckPosition;
    undo.undoDrawPileCount = state.drawPileCount;
    undo.undoAvailable = true;
    if (state.drawPileCount <= 0 || state.deckPosition >= DeckSize) {
        undo.undoAvailable = false;
        display_.showMessage(NoMoreCardsMessage);
        checkForGameOver();
        return;
    }
    ++state.deckPosition;
    state.discardTop = state.deck[state.deckPosition];
    --state.drawPileCount;
    if (state.drawPileCount < DrawPilePictures) {
        display_.setDrawPileVisible(state.drawPileCount, false);
    }
    display_.showCard(0, state.discardTop, TargetDiscardPile);
}

// ---- End of the game ----

void Game::checkForGameOver() {
    std::array<int, Columns> freeCard{}; // 0: the column has no card left
    bool noMove = true;
    state.gameOver = false;
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column) {
            if (state.columnPlayed[column][row] == 0) {
                freeCard[column] = state.columnCards[column][row];
            }
        }
    }
    const int discardRank = cardRank(state.discardTop);
    for (int column = 0; column < Columns; ++column) {
        if (freeCard[column] != 0 && moveFits(cardRank(freeCard[column]), discardRank)) {
            noMove = false;
            break;
        }
    }
    state.gameOver = noMove;
    if (state.gameOver) {
        display_.setGameOverPanelVisible(true);
        display_.checkHighScore();
    } else {
        // A finished game can find a move again when an option or a wild card changed since;
        // play goes on then, so the panel must not go on saying the game is over.
        display_.setGameOverPanelVisible(false);
    }
}

// ---- Scoring ----

void Game::scoreCardMove() {
    if (state.options.scoringOn) {
        if (state.antyPhase == 1) {
            state.antyPhase = 2;
            state.anty = 5;
        } else {
            state.anty = saturatingAdd(state.anty, 5);
        }
        addToScore(state.anty);
        showScore();
    }
    if (scoreBeats(state.score, state.highScoreValues[0])) {
        ScoreText text(state.score);
        display_.showHighestScore(text.view());
    }
}

void Game::addToScore(std::int32_t points) {
    state.score = saturatingAdd(state.score, points);
    if (state.score > std::numeric_limits<std::int16_t>::max()) {
        state.scoreWide = true;
    }
}

void Game::showScore() {
    ScoreText text(state.score);
    display_.showScore(text.view());
}

void Game::setSlotOnTable(int slot, bool on) {
    state.onTable[slot] = on;
    display_.setSlotVisible(slot, on);
}

} // namespace corvelle
