#include "enginefakes.h"

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

} // namespace

// Deal, draw, undo, the used-up deck, game over and its revival, each with what was shown.
class TestGameFlow : public QObject {
    Q_OBJECT

private slots:
    void dealShowsTheTableAndTheFirstDiscard() {
        const auto deck = stuckDeck();
        TestGame t({deck});
        QVERIFY(t.state.tableCardsLeft == 35 && t.state.deckPosition == 36);
        QVERIFY(t.state.drawPileCount == 18 && !t.state.undo.undoAvailable);
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
        QVERIFY(!t.display.panelVisible && t.display.messages.empty());
    }

    void shuffleKeepsTheLastPass() {
        const auto third = clearableDeck(3);
        TestGame t({stuckDeck(), stuckDeck(), clearableDeck(0), third});
        t.game.setOptions({.shuffleCount = 3});
        t.game.newGame();
        QVERIFY(std::equal(third.begin(), third.end(), t.state.deck.begin() + 1));
    }

    void drawAndItsUndo() {
        const auto deck = stuckDeck();
        TestGame t({deck});
        t.game.clickDiscardPile();
        QVERIFY(t.state.deckPosition == 37 && t.state.drawPileCount == 17);
        QCOMPARE(t.display.discardPicture, deck[36]);
        QCOMPARE(t.display.visibleDrawPictures(), 17);
        QVERIFY(!t.display.drawVisible[17]);

        t.game.undoLastMove();
        QVERIFY(t.state.deckPosition == 36 && t.state.drawPileCount == 18);
        QCOMPARE(t.display.discardPicture, deck[35]);
        QVERIFY(t.display.drawVisible[17] && !t.state.undo.undoAvailable);
        // Only one step can be taken back, and nothing right after the deal.
        t.game.undoLastMove();
        t.game.newGame();
        t.game.undoLastMove();
        QCOMPARE(t.display.messages, (std::vector<std::string>{NothingToUndo, NothingToUndo}));
    }

    // Column 0 bottom up: 8, 7 of clubs; discard a 9, then an 8 to draw.
    void undoOfATableMoveCoversTheCardAgain() {
        TestGame t({makeDeck({{5, clubs(8)}, {4, clubs(7)}, {36, spades(9)}, {37, hearts(8)}})});
        t.game.clickTableSlot(4);
        QCOMPARE(t.state.columnPlayed[0][4], 1);
        t.game.undoLastMove();
        QVERIFY(t.display.slotVisible[4] && t.display.slotPicture[4] == clubs(8));
        QCOMPARE(t.display.discardPicture, spades(9));
        QVERIFY(t.state.columnPlayed[0][4] == 0 && t.state.tableCardsLeft == 35);
        t.game.clickDiscardPile();
        t.game.clickTableSlot(3); // the 7 would fit the 8, but it is covered again
        QVERIFY(t.state.onTable[3]);
    }

    void lastDrawEndsTheGameAndUndoRevivesIt() {
        TestGame t({stuckDeck()});
        for (int i = 0; i < 17; ++i) {
            QCOMPARE(t.game.clickDiscardPile(), Outcome::Nothing);
        }
        // The last card: nothing fits, the game is over at once.
        QCOMPARE(t.game.clickDiscardPile(), Outcome::GameOver);
        QCOMPARE(t.state.deckPosition, 54);
        QCOMPARE(t.display.visibleDrawPictures(), 0);
        QVERIFY(t.state.gameOver && t.display.panelVisible && t.display.messages.empty());

        t.game.undoLastMove();
        QVERIFY(!t.state.gameOver && !t.display.panelVisible);
        QVERIFY(t.state.drawPileCount == 1 && t.display.drawVisible[0]);
        QCOMPARE(t.state.discardTop, clubs(13));
        QCOMPARE(t.game.clickDiscardPile(), Outcome::GameOver);
    }

    void lastMoveWithTheDeckUsedUpEndsTheGame() {
        // The last card drawn, the King of hearts, takes the Queen of spades; then the 5 above
        // it and the other bottom cards, 5s and 6s, fit nothing.
        std::vector<int> pile;
        for (int rank : {2, 3, 8, 9}) {
            for (Suit suit : AllSuits) {
                pile.push_back(cardCode(suit, rank));
            }
        }
        pile.insert(pile.end(), {spades(10), clubs(10), hearts(13)});
        auto deck = deckWith(
            {spades(12), clubs(5), diamonds(5), hearts(5), spades(6), clubs(6), diamonds(6)}, pile);
        std::swap(deck[3], *std::find(deck.begin(), deck.end(), spades(5)));
        TestGame t({deck}, {.backgroundClickDraws = true});
        for (int i = 0; i < 18; ++i) {
            t.game.clickDiscardPile();
        }
        QVERIFY(!t.state.gameOver);
        QCOMPARE(t.game.clickTableSlot(4), Outcome::GameOver);
        QVERIFY(t.state.gameOver && t.display.panelVisible);

        // A refused draw repeats the check, and leaves the undo record alone.
        QCOMPARE(t.game.clickBackground(), Outcome::GameOver);
        QCOMPARE(t.display.messages, std::vector<std::string>{NoMoreCards});
        t.game.undoLastMove();
        QVERIFY(!t.state.gameOver && t.state.onTable[4]);
        // The restored Queen is the free card of its column again.
        QCOMPARE(t.game.clickTableSlot(4), Outcome::GameOver);
    }

    // The last draw with one card left on the table never deals a new round.
    void lastDrawWithOneCardLeft() {
        TestGame t({clearableDeck(0)});
        for (int k = 0; k < 34; ++k) {
            t.game.clickTableSlot(clearingOrderSlot(k));
        }
        for (int i = 0; i < 18; ++i) {
            t.game.clickDiscardPile();
        }
        QVERIFY(t.state.tableCardsLeft == 1 && t.state.deckPosition == 54);
    }

    void clicksWhileTheGameIsOver() {
        TestGame t({stuckDeck()}, {.drawPileClickDraws = true, .backgroundClickDraws = true});
        for (int i = 0; i < 18; ++i) {
            t.game.clickDiscardPile();
        }
        QVERIFY(t.state.gameOver);
        const GameState before = t.state;
        QCOMPARE(t.game.clickTableSlot(4), Outcome::Nothing); // ignored, no message
        t.game.clickDiscardPile();
        t.game.clickDrawPile(3);
        QCOMPARE(t.display.messages, (std::vector<std::string>{GameIsOver, GameIsOver}));
        QVERIFY(t.state == before);
        t.game.newGame();
        QVERIFY(!t.state.gameOver && !t.display.panelVisible);
    }

    void drawingOptionsChooseWhichClicksDraw() {
        TestGame t({stuckDeck()});
        t.game.clickDrawPile(5);
        t.game.clickBackground();
        QCOMPARE(t.state.deckPosition, 36); // discard pile only: neither draws
        t.game.setOptions({.drawPileClickDraws = true});
        t.game.clickDrawPile(5);
        t.game.clickBackground();
        QCOMPARE(t.state.deckPosition, 37);
        t.game.setOptions({.backgroundClickDraws = true});
        t.game.clickDrawPile(5);
        t.game.clickBackground();
        QCOMPARE(t.state.deckPosition, 38);
    }
};

QTEST_GUILESS_MAIN(TestGameFlow)
#include "tst_gameflow.moc"
