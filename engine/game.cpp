// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/game.h"

#include "engine/rules.h"

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

void Game::start() {
    for (int i = 0; i < DrawPilePictures; ++i) {
        display_.showCard(i, CardBackPicture, ShowTarget::DrawPile);
    }
}

void Game::newGame(std::uint64_t dealNumber) {
    state_.dealNumber = dealNumber;
    dealGame(DealMode::NewGame);
}

void Game::newGame() {
    newGame(0);
}

bool Game::resume(const GameState& state) {
    if (!whyImpossible(state).empty()) {
        return false;
    }
    state_ = state;
    showWholeGame();
    return true;
}

void Game::showWholeGame() {
    for (int s = 0; s < TableSlots; ++s) {
        display_.showCard(s, state_.tableCards[s], ShowTarget::TableSlot);
        display_.setSlotVisible(s, state_.onTable[s]);
    }
    for (int i = 0; i < DrawPilePictures; ++i) {
        display_.showCard(i, CardBackPicture, ShowTarget::DrawPile);
        display_.setDrawPileVisible(i, i < state_.drawPileCount);
    }
    display_.showCard(0, state_.discardTop, ShowTarget::DiscardPile);
    showScore();
    showHighestScoreIfPassed();
    display_.setGameOverPanelVisible(state_.gameOver);
}

Outcome Game::clickTableSlot(int slot) {
    return state_.gameOver ? Outcome::Nothing : playTableCard(slot);
}

Outcome Game::clickDiscardPile() {
    if (state_.gameOver) {
        display_.showMessage(GameOverMessage);
        return Outcome::Nothing;
    }
    return drawCard();
}

Outcome Game::clickDrawPile(int /*index*/) {
    return state_.options.drawPileClickDraws ? clickDiscardPile() : Outcome::Nothing;
}

Outcome Game::clickBackground() {
    // A background click that draws is deliberately not held back by a finished game: on the
    // used-up deck it repeats the no-more-cards message and the end-of-game check.
    return state_.options.backgroundClickDraws ? drawCard() : Outcome::Nothing;
}

void Game::undoLastMove() {
    UndoRecord& undo = state_.undo;
    if (!undo.undoAvailable) {
        display_.showMessage(NothingToUndoMessage);
        return;
    }
    if (state_.gameOver) {
        state_.gameOver = false;
        display_.setGameOverPanelVisible(false);
    }
    if (state_.options.scoringOn) {
        state_.score = state_.score >= 10 ? state_.score - 10 : 0;
        showScore();
        state_.anty = 5;
    }
    undo.undoAvailable = false;
    if (undo.undoKind == UndoKind::Draw) {
        state_.discardTop = undo.undoDiscardTop;
        state_.deckPosition = undo.undoDeckPosition;
        state_.drawPileCount = undo.undoDrawPileCount;
        display_.setDrawPileVisible(state_.drawPileCount - 1, true);
        display_.showCard(0, state_.discardTop, ShowTarget::DiscardPile);
        return;
    }
    setSlotOnTable(undo.undoSlot, true);
    state_.runCards = std::max(state_.runCards - 1, 0);
    state_.discardTop = undo.undoDiscardTop;
    state_.tableCardsLeft = undo.undoTableCardsLeft;
    display_.showCard(undo.undoSlot, undo.undoCard, ShowTarget::TableSlot);
    display_.showCard(0, state_.discardTop, ShowTarget::DiscardPile);
    state_.columnPlayed[columnOf(undo.undoSlot)][rowOf(undo.undoSlot)] = 0;
    if (state_.cheat.cheatsEnabled && state_.lastMoveWild) {
        --state_.wildCardsPlayed;
        state_.lastMoveWild = false;
    }
}

// ---- Rules ----

int Game::cardRank(int code) const {
    return playRank(code, isChosenWild(state_.cheat, code));
}

bool Game::moveFits(int tableRank, int discardRank) const {
    return ranksFit(tableRank, discardRank, state_.options.aceKingWrap);
}

bool Game::canPlay(int slot) const {
    if (state_.gameOver || !validSlot(slot) || !state_.onTable[slot]) {
        return false;
    }
    const SlotCheck check = checkTableCard(slot);
    return check.free && moveFits(check.cardRank, check.discardRank);
}

// ---- Deal ----

void Game::dealGame(DealMode mode) {
    for (auto& column : state_.columnPlayed) {
        column.fill(0);
    }
    state_.gameOver = false;
    if (mode == DealMode::NewGame) {
        state_.roundIndex = 1;
        state_.runCards = 0;
        state_.wildCardsPlayed = 0;
        state_.lastMoveWild = false;
        state_.undo.undoAvailable = false;
        if (state_.options.scoringOn) {
            state_.score = 0;
            state_.peakScore = 0;
            showScore();
            state_.anty = 5;
            state_.antyPhase = RunPhase::Starting;
        }
    } else {
        const std::int32_t after = state_.roundIndex;
        state_.roundIndex = after < std::numeric_limits<std::int32_t>::max() ? after + 1 : after;
        if (roundChooser_ != nullptr && state_.dealNumber != 0) {
            state_.roundIndex =
                std::max(state_.roundIndex, roundChooser_->nextRound(state_, after));
        }
        state_.lastMoveWild = false;
        state_.undo.undoAvailable = false;
        addToScore(roundBonus(state_.drawPileCount));
        showScore();
    }
    for (int s = 0; s < TableSlots; ++s) {
        setSlotOnTable(s, true);
    }
    for (int i = 0; i < DrawPilePictures; ++i) {
        display_.setDrawPileVisible(i, true);
    }
    if (state_.dealNumber != 0) {
        random_.startRound(state_.dealNumber, state_.roundIndex);
    }
    state_.deck = shuffledDeck(random_, state_.options.shuffleCount);
    state_.tableCardsLeft = TableSlots;
    dealTable();
    display_.setGameOverPanelVisible(false);
}

std::array<int, DeckSize + 1> Game::shuffledDeck(RandomSource& random, int passes) {
    // Each pass builds a whole new permutation by rejection sampling; only the last one counts.
    passes = std::clamp(passes, 1, 3);
    std::array<int, DeckSize + 1> deck{};
    std::array<bool, DeckSize + 1> usedCodes{};
    for (int pass = 0; pass < passes; ++pass) {
        usedCodes.fill(false);
        for (int j = 1; j <= DeckSize; ++j) {
            int v = 0;
            do {
                const double x = random.uniform();
                v = std::clamp(static_cast<int>(x * DeckSize) + 1, 1, DeckSize);
            } while (usedCodes[v]);
            deck[j] = v;
            usedCodes[v] = true;
        }
    }
    return deck;
}

void Game::dealTable() {
    for (int s = 0; s < TableSlots; ++s) {
        recordSlotCard(s);
        display_.showCard(s, state_.deck[s + 1], ShowTarget::TableSlot);
        state_.tableCards[s] = state_.deck[s + 1];
    }
    state_.deckPosition = TableSlots;
    state_.drawPileCount = DrawPilePictures;
    state_.discardTop = state_.deck[TableSlots + 1];
    turnUpNextCard();
    state_.undo.undoAvailable = false;
}

// ---- Playing a table card ----

Game::SlotCheck Game::checkTableCard(int slot) const {
    SlotCheck check;
    check.free = isFreeSlot(state_.onTable, slot);
    check.cardRank = cardRank(state_.tableCards[slot]);
    check.discardRank = cardRank(state_.discardTop);
    return check;
}

Outcome Game::playTableCard(int slot) {
    // An emptied slot has no picture to click.
    if (!validSlot(slot) || !state_.onTable[slot]) {
        return Outcome::Nothing;
    }
    const SlotCheck check = checkTableCard(slot);
    if (!check.free || !moveFits(check.cardRank, check.discardRank)) {
        return Outcome::Nothing;
    }
    const int card = state_.tableCards[slot];
    state_.lastMoveWild = isChosenWild(state_.cheat, card);
    if (state_.lastMoveWild) {
        ++state_.wildCardsPlayed;
    }
    recordTableUndo(slot);
    state_.runCards = saturatingAdd(state_.runCards, 1);
    state_.discardTop = card;
    setSlotOnTable(slot, false);
    --state_.tableCardsLeft;
    display_.showCard(0, state_.discardTop, ShowTarget::DiscardPile);
    if (state_.tableCardsLeft == 0) {
        dealGame(DealMode::NewRound);
        // The last card of a round is scored after the round bonus.
        scoreCardMove();
        return Outcome::RoundWon;
    }
    scoreCardMove();
    markSlotPlayed(slot);
    recordSlotCard(slot);
    return state_.deckPosition == DeckSize ? checkForGameOver() : Outcome::Nothing;
}

void Game::recordTableUndo(int slot) {
    UndoRecord& undo = state_.undo;
    undo.undoKind = UndoKind::TableCard;
    undo.undoDiscardTop = state_.discardTop;
    undo.undoTableCardsLeft = state_.tableCardsLeft;
    undo.undoCard = state_.tableCards[slot];
    undo.undoSlot = slot;
    undo.undoAvailable = true;
}

void Game::markSlotPlayed(int slot) {
    state_.columnPlayed[columnOf(slot)][rowOf(slot)] = 1;
}

void Game::recordSlotCard(int slot) {
    state_.columnCards[columnOf(slot)][rowOf(slot)] = state_.deck[slot + 1];
}

// ---- Drawing ----

Outcome Game::drawCard() {
    state_.runCards = 0;
    if (state_.options.scoringOn) {
        state_.antyPhase = phaseAfterDraw(state_.antyPhase);
        state_.anty = RunStep;
    }
    if (state_.deckPosition < DeckSize) {
        turnUpNextCard();
    } else {
        display_.showMessage(NoMoreCardsMessage);
    }
    if (state_.deckPosition < DeckSize) {
        return Outcome::Nothing;
    }
    if (state_.tableCardsLeft > 0) {
        return checkForGameOver();
    }
    dealGame(DealMode::NewRound);
    return Outcome::RoundWon;
}

// Turns up the next card of the draw pile; the callers make sure there is one.
void Game::turnUpNextCard() {
    UndoRecord& undo = state_.undo;
    undo.undoKind = UndoKind::Draw;
    undo.undoDiscardTop = state_.discardTop;
    undo.undoDeckPosition = state_.deckPosition;
    undo.undoDrawPileCount = state_.drawPileCount;
    undo.undoAvailable = true;
    ++state_.deckPosition;
    state_.discardTop = state_.deck[state_.deckPosition];
    --state_.drawPileCount;
    display_.setDrawPileVisible(state_.drawPileCount, false);
    display_.showCard(0, state_.discardTop, ShowTarget::DiscardPile);
}

// ---- End of the game ----

Outcome Game::checkForGameOver() {
    std::array<int, Columns> freeCard{}; // 0: the column has no card left
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column) {
            if (state_.columnPlayed[column][row] == 0) {
                freeCard[column] = state_.columnCards[column][row];
            }
        }
    }
    const int discardRank = cardRank(state_.discardTop);
    state_.gameOver = true;
    for (int column = 0; column < Columns; ++column) {
        if (freeCard[column] != 0 && moveFits(cardRank(freeCard[column]), discardRank)) {
            state_.gameOver = false;
            break;
        }
    }
    // A finished game can find a move again when an option or a wild card changed since; play
    // goes on then, so the panel must not go on saying the game is over.
    display_.setGameOverPanelVisible(state_.gameOver);
    return state_.gameOver ? Outcome::GameOver : Outcome::Nothing;
}

// ---- Scoring ----

void Game::scoreCardMove() {
    if (state_.options.scoringOn) {
        state_.anty = antyAfterPlay(state_.antyPhase, state_.anty);
        state_.antyPhase = phaseAfterPlay(state_.antyPhase);
        addToScore(state_.anty);
        showScore();
    }
    showHighestScoreIfPassed();
}

void Game::addToScore(std::int32_t points) {
    state_.score = saturatingAdd(state_.score, points);
    state_.peakScore = std::max(state_.peakScore, state_.score);
}

void Game::showScore() {
    ScoreText text(state_.score);
    display_.showScore(text.view());
}

// The highest-score label follows the score while it is above the best to beat.
void Game::showHighestScoreIfPassed() {
    if (static_cast<double>(state_.score) > state_.highScoreToBeat) {
        ScoreText text(state_.score);
        display_.showHighestScore(text.view());
    }
}

void Game::setSlotOnTable(int slot, bool on) {
    state_.onTable[slot] = on;
    display_.setSlotVisible(slot, on);
}

} // namespace corvelle
