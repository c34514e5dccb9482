#include "game.h"
#include "testsupport.h"

#include <QtTest>

using namespace corvelle;
using namespace corvelle::test;

namespace {

const std::string NoMoreCards = "Sorry no more cards left to deal!";
const std::string GameIsOver =
    "The current game is over, please start a new game to continue playing";
const std::string NothingToUndo =
    "Sorry, but you may only undo a card movement after it has been completed!";

// Every bottom card is a 9 or a 10; the discard and the draw pile hold 2s, 3s, 4s, 5s and
// three Kings, the last card drawn a King: nothing ever fits, and the last draw ends the game.
std::array<int, DeckSize> stuckDeck() {
    std::vector<std::pair<int, int>> placed = {
        {5, spades(9)},   {10, clubs(9)},  {15, diamonds(9)}, {20, hearts(9)},
        {25, spades(10)}, {30, clubs(10)}, {35, diamonds(10)}};
    int position = 36;
    for (int rank : {2, 3, 4, 5}) {
        for (int suit = 0; suit < 4; ++suit) {
            placed.emplace_back(position++, 13 * suit + rank);
        }
    }
    placed.emplace_back(position++, spades(13));
    placed.emplace_back(position++, clubs(13));
    placed.emplace_back(position, diamonds(13));
    return makeDeck(placed);
}

// The last card drawn, the King of hearts, takes the Queen of spades from slot 4; then the
// 5 of spades above it and the other bottom cards (5s and 6s) fit nothing.
std::array<int, DeckSize> lastMoveDeck() {
    std::vector<std::pair<int, int>> placed = {{5, spades(12)},   {4, spades(5)},   {10, clubs(5)},
                                               {15, diamonds(5)}, {20, hearts(5)},  {25, spades(6)},
                                               {30, clubs(6)},    {35, diamonds(6)}};
    int position = 36;
    for (int rank : {2, 3, 8, 9}) {
        for (int suit = 0; suit < 4; ++suit) {
            placed.emplace_back(position++, 13 * suit + rank);
        }
    }
    placed.emplace_back(position++, spades(10));
    placed.emplace_back(position++, clubs(10));
    placed.emplace_back(position, hearts(13));
    return makeDeck(placed);
}

} // namespace

// Deal, draw, undo, the used-up deck, game over and its revival, each with what was shown.
class TestGameFlow : public QObject {
    Q_OBJECT

private slots:
    void dealShowsTheTableAndTheFirstDiscard();
    void shuffleTakesTheLastPassAndIsAPermutation();
    void drawTurnsUpTheNextCardAndUndoPutsItBack();
    void undoOfATableMoveCoversTheCardAgain();
    void undoIsRefusedWhenNothingCanBeTakenBack();
    void usedUpDeckEndsTheGameAndUndoRevivesIt();
    void lastMoveWithTheDeckUsedUpEndsTheGame();
    void clicksWhileTheGameIsOver();
    void drawingOptionsChooseWhichClicksDraw();
    void clearingTheTableAfterTheLastDrawDealsANewRound();
};

void TestGameFlow::dealShowsTheTableAndTheFirstDiscard() {
    FakeDisplay display;
    const auto deck = stuckDeck();
    ScriptedRandom random({deck});
    Game game(display, random);
    game.showDrawPileBacks();
    game.dealGame(Game::NewGame);

    const GameState& s = game.state;
    QCOMPARE(s.tableCardsLeft, 35);
    QCOMPARE(s.deckPosition, 36);
    QCOMPARE(s.drawPileCount, 18);
    QCOMPARE(s.discardTop, deck[35]);
    QVERIFY(!s.undo.undoAvailable);
    QVERIFY(!s.gameOver);
    for (int slot = 0; slot < TableSlots; ++slot) {
        QCOMPARE(s.tableCards[slot], deck[static_cast<std::size_t>(slot)]);
        QCOMPARE(s.columnCards[slot / 5][slot % 5], deck[static_cast<std::size_t>(slot)]);
        QCOMPARE(display.slotPicture[slot], deck[static_cast<std::size_t>(slot)]);
        QVERIFY(display.slotVisible[slot]);
    }
    for (int i = 0; i < DrawPilePictures; ++i) {
        QCOMPARE(display.drawPicture[i], CardBackPicture);
        QCOMPARE(display.drawVisible[i], i < 18);
    }
    QCOMPARE(display.discardPicture, deck[35]);
    QVERIFY(!display.panelVisible);
    QCOMPARE(display.scoreText, "0");
    QVERIFY(display.messages.empty());
}

void TestGameFlow::shuffleTakesTheLastPassAndIsAPermutation() {
    FakeDisplay display;
    const auto first = stuckDeck();
    const auto third = clearableDeck(3);
    ScriptedRandom random({first, clearableDeck(0), third});
    Game game(display, random);
    game.state.options.shuffleCount = 3;
    game.dealGame(Game::NewGame);
    for (int p = 1; p <= DeckSize; ++p) {
        QCOMPARE(game.state.deck[p], third[static_cast<std::size_t>(p - 1)]);
    }
}

void TestGameFlow::drawTurnsUpTheNextCardAndUndoPutsItBack() {
    FakeDisplay display;
    const auto deck = stuckDeck();
    ScriptedRandom random({deck});
    Game game(display, random);
    game.dealGame(Game::NewGame);

    game.clickDiscardPile();
    QCOMPARE(game.state.deckPosition, 37);
    QCOMPARE(game.state.drawPileCount, 17);
    QCOMPARE(game.state.discardTop, deck[36]);
    QCOMPARE(display.discardPicture, deck[36]);
    QVERIFY(!display.drawVisible[17]);
    QCOMPARE(display.visibleDrawPictures(), 17);
    QCOMPARE(game.state.undo.undoKind, 2);
    QVERIFY(game.state.undo.undoAvailable);

    game.undoLastMove();
    QCOMPARE(game.state.deckPosition, 36);
    QCOMPARE(game.state.drawPileCount, 18);
    QCOMPARE(game.state.discardTop, deck[35]);
    QCOMPARE(display.discardPicture, deck[35]);
    QVERIFY(display.drawVisible[17]);
    QCOMPARE(display.visibleDrawPictures(), 18);
    QVERIFY(!game.state.undo.undoAvailable);
    QVERIFY(display.messages.empty());
}

void TestGameFlow::undoOfATableMoveCoversTheCardAgain() {
    FakeDisplay display;
    // Column 0 bottom up: 8, 7 of clubs; discard a 9.
    ScriptedRandom random({makeDeck({{5, clubs(8)}, {4, clubs(7)}, {36, spades(9)}})});
    Game game(display, random);
    game.dealGame(Game::NewGame);
    game.clickTableSlot(4);
    QVERIFY(!display.slotVisible[4]);
    QCOMPARE(game.state.columnPlayed[0][4], 1);
    QCOMPARE(game.state.tableCardsLeft, 34);

    game.undoLastMove();
    QVERIFY(game.state.onTable[4]);
    QVERIFY(display.slotVisible[4]);
    QCOMPARE(display.slotPicture[4], clubs(8));
    QCOMPARE(display.discardPicture, spades(9));
    QCOMPARE(game.state.columnPlayed[0][4], 0);
    QCOMPARE(game.state.tableCardsLeft, 35);
    // The 7 is covered again, even on an 8.
    game.state.discardTop = hearts(8);
    game.clickTableSlot(3);
    QVERIFY(game.state.onTable[3]);
}

void TestGameFlow::undoIsRefusedWhenNothingCanBeTakenBack() {
    FakeDisplay display;
    ScriptedRandom random({stuckDeck()});
    Game game(display, random);
    game.dealGame(Game::NewGame);
    const GameState before = game.state;

    game.undoLastMove(); // right after the deal
    QCOMPARE(display.messages, std::vector<std::string>{NothingToUndo});
    QCOMPARE(game.state.score, before.score);
    QCOMPARE(game.state.discardTop, before.discardTop);

    game.clickDiscardPile();
    game.state.score = 50;
    game.undoLastMove();
    QCOMPARE(game.state.score, 40);
    game.undoLastMove(); // a second undo in a row costs nothing
    QCOMPARE(display.messages.size(), 2u);
    QCOMPARE(display.messages.back(), NothingToUndo);
    QCOMPARE(game.state.score, 40);
}

void TestGameFlow::usedUpDeckEndsTheGameAndUndoRevivesIt() {
    FakeDisplay display;
    ScriptedRandom random({stuckDeck()});
    Game game(display, random);
    game.dealGame(Game::NewGame);
    for (int i = 0; i < 17; ++i) {
        game.clickDiscardPile();
        QVERIFY(!game.state.gameOver);
    }
    QCOMPARE(display.highScoreChecks, 0);

    game.clickDiscardPile(); // the last card, a King: the game ends right after this draw
    QCOMPARE(game.state.deckPosition, 54);
    QCOMPARE(game.state.drawPileCount, 0);
    QCOMPARE(display.visibleDrawPictures(), 0);
    QVERIFY(game.state.gameOver);
    QVERIFY(display.panelVisible);
    QCOMPARE(display.highScoreChecks, 1);
    QVERIFY(display.messages.empty());

    game.state.score = 30;
    game.undoLastMove();
    QVERIFY(!game.state.gameOver);
    QVERIFY(!display.panelVisible);
    QCOMPARE(game.state.score, 20);
    QCOMPARE(game.state.deckPosition, 53);
    QCOMPARE(game.state.drawPileCount, 1);
    QCOMPARE(game.state.discardTop, clubs(13));
    QVERIFY(display.drawVisible[0]);
    QCOMPARE(display.visibleDrawPictures(), 1);

    game.clickDiscardPile();
    QVERIFY(game.state.gameOver);
    QCOMPARE(display.highScoreChecks, 2);
}

void TestGameFlow::lastMoveWithTheDeckUsedUpEndsTheGame() {
    FakeDisplay display;
    ScriptedRandom random({lastMoveDeck()});
    Game game(display, random);
    game.dealGame(Game::NewGame);
    game.state.options.backgroundClickDraws = true;
    for (int i = 0; i < 18; ++i) {
        game.clickDiscardPile();
    }
    QVERIFY(!game.state.gameOver); // the Queen fits the King

    game.clickTableSlot(4);
    QCOMPARE(game.state.discardTop, spades(12));
    QVERIFY(game.state.gameOver);
    QVERIFY(display.panelVisible);
    QCOMPARE(display.highScoreChecks, 1);

    // A refused draw leaves the undo record alone: the move can still be taken back.
    game.clickBackground();
    QCOMPARE(display.messages, std::vector<std::string>{NoMoreCards});
    QVERIFY(game.state.gameOver);
    QCOMPARE(display.highScoreChecks, 2);
    game.undoLastMove();
    QVERIFY(!game.state.gameOver);
    QVERIFY(game.state.onTable[4]);
    QCOMPARE(game.state.discardTop, hearts(13));
    // The restored Queen is the free card of its column again.
    game.clickTableSlot(4);
    QVERIFY(game.state.gameOver);
}

void TestGameFlow::clicksWhileTheGameIsOver() {
    FakeDisplay display;
    ScriptedRandom random({stuckDeck()});
    Game game(display, random);
    game.dealGame(Game::NewGame);
    game.state.options.backgroundClickDraws = true;
    game.state.options.drawPileClickDraws = true;
    for (int i = 0; i < 18; ++i) {
        game.clickDiscardPile();
    }
    QVERIFY(game.state.gameOver);
    const GameState over = game.state;

    game.clickTableSlot(4); // ignored, no message
    QCOMPARE(game.state.onTable, over.onTable);
    QVERIFY(display.messages.empty());
    game.clickDiscardPile(); // refused with a message
    game.clickDrawPile(3);
    QCOMPARE(display.messages, (std::vector<std::string>{GameIsOver, GameIsOver}));
    QCOMPARE(game.state.anty, over.anty);

    // The background still asks for a draw: no more cards, and the check runs again.
    game.clickBackground();
    QCOMPARE(display.messages.back(), NoMoreCards);
    QCOMPARE(display.highScoreChecks, 2);
    QVERIFY(game.state.gameOver);

    // A new game hides the panel and deals afresh.
    game.dealGame(Game::NewGame);
    QVERIFY(!game.state.gameOver);
    QVERIFY(!display.panelVisible);
    QCOMPARE(game.state.score, 0);
    QCOMPARE(game.state.deckPosition, 36);
}

void TestGameFlow::drawingOptionsChooseWhichClicksDraw() {
    FakeDisplay display;
    ScriptedRandom random({stuckDeck()});
    Game game(display, random);
    game.dealGame(Game::NewGame);

    game.clickDrawPile(5);
    game.clickBackground();
    QCOMPARE(game.state.deckPosition, 36); // "Discard Pile Only": neither draws

    game.state.options.drawPileClickDraws = true;
    game.clickDrawPile(5);
    game.clickBackground();
    QCOMPARE(game.state.deckPosition, 37);

    game.state.options.drawPileClickDraws = false;
    game.state.options.backgroundClickDraws = true;
    game.clickDrawPile(5);
    game.clickBackground();
    QCOMPARE(game.state.deckPosition, 38);
    QVERIFY(display.messages.empty());
}

void TestGameFlow::clearingTheTableAfterTheLastDrawDealsANewRound() {
    FakeDisplay display;
    ScriptedRandom random({clearableDeck(18), clearableDeck(0)});
    Game game(display, random);
    game.dealGame(Game::NewGame);
    for (int i = 0; i < 18; ++i) {
        game.clickDiscardPile();
    }
    // Clearing the table with the draw pile used up still deals a new round, with no bonus.
    for (int k = 0; k < 35; ++k) {
        game.clickTableSlot(clearingOrderSlot(k));
        QVERIFY(!game.state.gameOver);
    }
    QCOMPARE(game.state.tableCardsLeft, 35);
    QCOMPARE(game.state.score, 5 * (35 * 36 / 2));
    QCOMPARE(game.state.deckPosition, 36);
    QVERIFY(!game.state.undo.undoAvailable);
}

QTEST_GUILESS_MAIN(TestGameFlow)
#include "tst_gameflow.moc"
