#include "testsupport.h"

#include <QtTest>

#include <algorithm>

using namespace corvelle;
using namespace corvelle::test;

namespace {

const std::string NoMoreCards = "Sorry no more cards left to deal!";
const std::string GameIsOver =
    "The current game is over, please start a new game to continue playing";
const std::string NothingToUndo =
    "Sorry, but you may only undo a card movement after it has been completed!";

// The bottom cards `bottoms` (slots 4, 9, .., 34), then the discard and draw pile in order.
std::array<int, DeckSize> deckWith(const std::vector<int>& bottoms, const std::vector<int>& pile) {
    std::vector<std::pair<int, int>> placed;
    for (std::size_t i = 0; i < bottoms.size(); ++i) {
        placed.emplace_back(5 * static_cast<int>(i) + 5, bottoms[i]);
    }
    for (std::size_t i = 0; i < pile.size(); ++i) {
        placed.emplace_back(36 + static_cast<int>(i), pile[i]);
    }
    return makeDeck(placed);
}

// Bottom cards 9s and 10s; discard and draw pile 2s to 5s and three Kings: nothing ever
// fits, and the last draw ends the game.
std::array<int, DeckSize> stuckDeck() {
    std::vector<int> pile;
    for (int rank : {2, 3, 4, 5}) {
        for (int suit = 0; suit < 4; ++suit) {
            pile.push_back(13 * suit + rank);
        }
    }
    pile.insert(pile.end(), {spades(13), clubs(13), diamonds(13)});
    return deckWith(
        {spades(9), clubs(9), diamonds(9), hearts(9), spades(10), clubs(10), diamonds(10)}, pile);
}

} // namespace

// Deal, draw, undo, the used-up deck, game over and its revival, each with what was shown.
class TestGameFlow : public QObject {
    Q_OBJECT

private slots:
    void dealShowsTheTableAndTheFirstDiscard();
    void shuffleKeepsTheLastPass();
    void drawAndItsUndo();
    void undoOfATableMoveCoversTheCardAgain();
    void undoIsRefusedWhenNothingCanBeTakenBack();
    void lastDrawEndsTheGameAndUndoRevivesIt();
    void lastMoveWithTheDeckUsedUpEndsTheGame();
    void clicksWhileTheGameIsOver();
    void drawingOptionsChooseWhichClicksDraw();
};

void TestGameFlow::dealShowsTheTableAndTheFirstDiscard() {
    const auto deck = stuckDeck();
    TestGame t({deck});
    t.game.showDrawPileBacks();
    QCOMPARE(t.state.tableCardsLeft, 35);
    QCOMPARE(t.state.deckPosition, 36);
    QCOMPARE(t.state.drawPileCount, 18);
    QVERIFY(!t.state.undo.undoAvailable);
    for (int slot = 0; slot < TableSlots; ++slot) {
        const int card = deck[static_cast<std::size_t>(slot)];
        QCOMPARE(t.state.columnCards[slot / 5][slot % 5], card);
        QCOMPARE(t.display.slotPicture[slot], card);
        QVERIFY(t.display.slotVisible[slot]);
    }
    for (int i = 0; i < DrawPilePictures; ++i) {
        QCOMPARE(t.display.drawPicture[i], CardBackPicture);
        QCOMPARE(t.display.drawVisible[i], i < 18);
    }
    QCOMPARE(t.display.discardPicture, deck[35]);
    QCOMPARE(t.state.discardTop, deck[35]);
    QVERIFY(!t.display.panelVisible);
    QVERIFY(t.display.messages.empty());
}

void TestGameFlow::shuffleKeepsTheLastPass() {
    const auto third = clearableDeck(3);
    TestGame t({stuckDeck(), stuckDeck(), clearableDeck(0), third});
    t.state.options.shuffleCount = 3;
    t.game.dealGame(Game::NewGame);
    QCOMPARE(std::vector<int>(t.state.deck.begin() + 1, t.state.deck.end()),
             std::vector<int>(third.begin(), third.end()));
}

void TestGameFlow::drawAndItsUndo() {
    const auto deck = stuckDeck();
    TestGame t({deck});
    t.game.clickDiscardPile();
    QCOMPARE(t.state.deckPosition, 37);
    QCOMPARE(t.state.drawPileCount, 17);
    QCOMPARE(t.display.discardPicture, deck[36]);
    QCOMPARE(t.display.visibleDrawPictures(), 17);
    QVERIFY(!t.display.drawVisible[17]);

    t.game.undoLastMove();
    QCOMPARE(t.state.deckPosition, 36);
    QCOMPARE(t.state.drawPileCount, 18);
    QCOMPARE(t.display.discardPicture, deck[35]);
    QVERIFY(t.display.drawVisible[17]);
    QVERIFY(!t.state.undo.undoAvailable);
    QVERIFY(t.display.messages.empty());
}

void TestGameFlow::undoOfATableMoveCoversTheCardAgain() {
    // Column 0 bottom up: 8, 7 of clubs; discard a 9.
    TestGame t({makeDeck({{5, clubs(8)}, {4, clubs(7)}, {36, spades(9)}})});
    t.game.clickTableSlot(4);
    QCOMPARE(t.state.columnPlayed[0][4], 1);
    t.game.undoLastMove();
    QVERIFY(t.display.slotVisible[4]);
    QCOMPARE(t.display.slotPicture[4], clubs(8));
    QCOMPARE(t.display.discardPicture, spades(9));
    QCOMPARE(t.state.columnPlayed[0][4], 0);
    QCOMPARE(t.state.tableCardsLeft, 35);
    t.state.discardTop = hearts(8); // the 7 would fit, but it is covered again
    t.game.clickTableSlot(3);
    QVERIFY(t.state.onTable[3]);
}

void TestGameFlow::undoIsRefusedWhenNothingCanBeTakenBack() {
    TestGame t({stuckDeck()});
    t.state.score = 50;
    t.game.undoLastMove(); // right after the deal
    t.game.clickDiscardPile();
    t.game.undoLastMove();
    t.game.undoLastMove(); // a second undo in a row
    QCOMPARE(t.display.messages, (std::vector<std::string>{NothingToUndo, NothingToUndo}));
    QCOMPARE(t.state.score, 40);
}

void TestGameFlow::lastDrawEndsTheGameAndUndoRevivesIt() {
    TestGame t({stuckDeck()});
    for (int i = 0; i < 17; ++i) {
        t.game.clickDiscardPile();
    }
    QCOMPARE(t.display.highScoreChecks, 0);
    t.game.clickDiscardPile(); // the last card: nothing fits, the game is over at once
    QCOMPARE(t.state.deckPosition, 54);
    QCOMPARE(t.display.visibleDrawPictures(), 0);
    QVERIFY(t.state.gameOver && t.display.panelVisible);
    QCOMPARE(t.display.highScoreChecks, 1);
    QVERIFY(t.display.messages.empty());

    t.game.undoLastMove();
    QVERIFY(!t.state.gameOver && !t.display.panelVisible);
    QCOMPARE(t.state.drawPileCount, 1);
    QVERIFY(t.display.drawVisible[0]);
    QCOMPARE(t.state.discardTop, clubs(13));
    t.game.clickDiscardPile();
    QVERIFY(t.state.gameOver);
    QCOMPARE(t.display.highScoreChecks, 2);
}

void TestGameFlow::lastMoveWithTheDeckUsedUpEndsTheGame() {
    // The last card drawn, the King of hearts, takes the Queen of spades; then the 5 above it
    // and the other bottom cards, 5s and 6s, fit nothing.
    std::vector<int> pile;
    for (int rank : {2, 3, 8, 9}) {
        for (int suit = 0; suit < 4; ++suit) {
            pile.push_back(13 * suit + rank);
        }
    }
    pile.insert(pile.end(), {spades(10), clubs(10), hearts(13)});
    auto deck = deckWith(
        {spades(12), clubs(5), diamonds(5), hearts(5), spades(6), clubs(6), diamonds(6)}, pile);
    std::swap(deck[3], *std::find(deck.begin(), deck.end(), spades(5)));
    TestGame t({deck});
    t.state.options.backgroundClickDraws = true;
    for (int i = 0; i < 18; ++i) {
        t.game.clickDiscardPile();
    }
    QVERIFY(!t.state.gameOver);
    t.game.clickTableSlot(4);
    QVERIFY(t.state.gameOver && t.display.panelVisible);

    // A refused draw leaves the undo record alone: the move can still be taken back.
    t.game.clickBackground();
    QCOMPARE(t.display.messages, std::vector<std::string>{NoMoreCards});
    QCOMPARE(t.display.highScoreChecks, 2);
    t.game.undoLastMove();
    QVERIFY(!t.state.gameOver && t.state.onTable[4]);
    // The restored Queen is the free card of its column again.
    t.game.clickTableSlot(4);
    QVERIFY(t.state.gameOver);
}

void TestGameFlow::clicksWhileTheGameIsOver() {
    TestGame t({stuckDeck()});
    t.state.options.backgroundClickDraws = true;
    t.state.options.drawPileClickDraws = true;
    for (int i = 0; i < 18; ++i) {
        t.game.clickDiscardPile();
    }
    QVERIFY(t.state.gameOver);
    const std::int32_t anty = t.state.anty = 25;
    t.game.clickTableSlot(4); // ignored, no message
    t.game.clickDiscardPile();
    t.game.clickDrawPile(3);
    QCOMPARE(t.display.messages, (std::vector<std::string>{GameIsOver, GameIsOver}));
    QCOMPARE(t.state.anty, anty);
    QVERIFY(t.state.onTable[4]);
    // The background still asks for a draw: no more cards, and the check runs again.
    t.game.clickBackground();
    QCOMPARE(t.display.messages.back(), NoMoreCards);
    QCOMPARE(t.display.highScoreChecks, 2);
    QVERIFY(t.state.gameOver);
    t.game.dealGame(Game::NewGame);
    QVERIFY(!t.state.gameOver && !t.display.panelVisible);
}

void TestGameFlow::drawingOptionsChooseWhichClicksDraw() {
    TestGame t({stuckDeck()});
    t.game.clickDrawPile(5);
    t.game.clickBackground();
    QCOMPARE(t.state.deckPosition, 36); // discard pile only: neither draws
    t.state.options.drawPileClickDraws = true;
    t.game.clickDrawPile(5);
    t.game.clickBackground();
    QCOMPARE(t.state.deckPosition, 37);
    t.state.options.drawPileClickDraws = false;
    t.state.options.backgroundClickDraws = true;
    t.game.clickDrawPile(5);
    t.game.clickBackground();
    QCOMPARE(t.state.deckPosition, 38);
}

QTEST_GUILESS_MAIN(TestGameFlow)
#include "tst_gameflow.moc"
