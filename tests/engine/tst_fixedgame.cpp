#include "enginefakes.h"

#include <QtTest>

using namespace corvelle;
using namespace corvelle::test;

// A fixed deck and a scripted game give a known score and position, worked out by hand.
class TestFixedGame : public QObject {
    Q_OBJECT

private slots:
    void scriptedGameEndsWhereExpected();
};

void TestFixedGame::scriptedGameEndsWhereExpected() {
    // The clearable deck with two draws: column 0 bottom up is 2, 3, 4, 5, 6 of spades,
    // column 1 bottom up 7, 8, .. of spades; the first discard is the Ace of clubs and the
    // first card drawn the King of clubs.
    TestGame t({clearableDeck(2)});
    Game& game = t.game;
    const FakeDisplay& display = t.display;
    QCOMPARE(t.state.discardTop, clubs(1));
    QCOMPARE(t.state.deck[37], clubs(13));

    game.clickTableSlot(4);  // 2 on the Ace: run starts, +5 -> 5
    game.clickTableSlot(3);  // 3: +10 -> 15
    game.clickDiscardPile(); // King of clubs; anty back to 5
    game.clickTableSlot(2);  // a 4 on a King: refused
    game.undoLastMove();     // the draw taken back: -10 -> 5, the 3 on top again
    game.clickTableSlot(2);  // 4: the phase was reset by the draw, +5 -> 10
    game.clickTableSlot(1);  // 5: +10 -> 20
    game.clickTableSlot(0);  // 6: +15 -> 35
    game.clickTableSlot(9);  // 7: +20 -> 55
    game.undoLastMove();     // -10 -> 45, anty 5, run still under way
    game.clickTableSlot(9);  // 7 again: +10 -> 55
    game.clickTableSlot(8);  // 8: +15 -> 70

    QCOMPARE(t.state.score, 70);
    QCOMPARE(t.state.anty, 15);
    QCOMPARE(t.state.antyPhase, RunPhase::Running);
    QCOMPARE(t.state.discardTop, spades(8));
    QCOMPARE(t.state.tableCardsLeft, 28);
    QCOMPARE(t.state.deckPosition, 36);
    QCOMPARE(t.state.drawPileCount, 18);
    QVERIFY(t.state.undo.undoAvailable);
    QCOMPARE(t.state.undo.undoSlot, 8);
    QCOMPARE(display.scoreText, "70");
    QCOMPARE(display.discardPicture, spades(8));
    for (int slot : {0, 1, 2, 3, 4, 8, 9}) {
        QVERIFY(!display.slotVisible[slot]);
    }
    QVERIFY(display.slotVisible[7]);
    QVERIFY(display.messages.empty());
}

QTEST_GUILESS_MAIN(TestFixedGame)
#include "tst_fixedgame.moc"
