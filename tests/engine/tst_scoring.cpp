#include "enginefakes.h"

#include <QtTest>

using namespace corvelle;
using namespace corvelle::test;

namespace {

// Column 0 bottom up: 6, 5, 4, 3, 2 of clubs; the first discard the 7 of spades, then a 7 and
// a 6 of hearts to draw.
std::array<int, DeckSize> runDeck() {
    return makeDeck({{5, clubs(6)},
                     {4, clubs(5)},
                     {3, clubs(4)},
                     {2, clubs(3)},
                     {1, clubs(2)},
                     {36, spades(7)},
                     {37, hearts(7)},
                     {38, hearts(6)}});
}

} // namespace

// Runs and the anty, the undo penalty, the round bonus, scoring switched off, the game's peak
// score, the highest score label, and a fixed game worked out by hand.
class TestScoring : public QObject {
    Q_OBJECT

private slots:
    // An undo costs 10 points, never going below 0, and sets the anty back to 5 without
    // ending the run: the next card scores 10.
    void undoPenaltyAndTheRun() {
        TestGame t({runDeck()});
        t.game.clickTableSlot(4); // 6: +5
        t.game.undoLastMove();    // 5 - 10 stops at 0
        QCOMPARE(t.display.scoreText, "0");
        t.game.clickTableSlot(4); // the run goes on from the anty of 5: +10
        t.game.clickTableSlot(3); // 5: +15
        QCOMPARE(t.state.score, 25);
        t.game.undoLastMove();
        QVERIFY(t.state.score == 15 && t.state.anty == 5);
        t.game.clickDiscardPile(); // a draw ends the run: the 7 of hearts
        QCOMPARE(t.state.anty, 5);
        t.game.clickDiscardPile(); // the 6 of hearts
        t.game.clickTableSlot(3);  // a new run: +5
        QCOMPARE(t.state.score, 20);
        QCOMPARE(t.state.peakScore, 25);
    }

    void roundBonusComesBeforeTheLastCard_data() {
        QTest::addColumn<int>("draws");
        QTest::addColumn<bool>("scoring");
        QTest::newRow("7 cards left") << 11 << true;
        QTest::newRow("18 cards left") << 0 << true;
        QTest::newRow("draw pile used up") << 18 << true;
        QTest::newRow("7 cards left, scoring off") << 11 << false;
    }

    void roundBonusComesBeforeTheLastCard() {
        QFETCH(int, draws);
        QFETCH(bool, scoring);
        TestGame t({clearableDeck(draws), clearableDeck(0)}, {.scoringOn = scoring});
        for (int i = 0; i < draws; ++i) {
            t.game.clickDiscardPile();
        }
        for (int k = 0; k < 34; ++k) {
            QCOMPARE(t.game.clickTableSlot(clearingOrderSlot(k)), Outcome::Nothing);
        }
        const std::int32_t runPoints = scoring ? 5 * (34 * 35 / 2) : 0;
        QCOMPARE(t.state.score, runPoints);
        QCOMPARE(t.game.clickTableSlot(clearingOrderSlot(34)), Outcome::RoundWon);

        const std::int32_t bonus = 5 * (18 - draws);
        const std::int32_t lastCard = scoring ? 5 * 35 : 0;
        QCOMPARE(t.state.score, runPoints + bonus + lastCard);
        const auto& shown = t.display.scoreHistory;
        QCOMPARE(shown[shown.size() - (scoring ? 2 : 1)], std::to_string(runPoints + bonus));
        // A new round at once: fresh table, nothing to undo, no slot marked; the run goes on.
        QVERIFY(t.state.tableCardsLeft == 35 && t.state.deckPosition == 36);
        QVERIFY(!t.state.undo.undoAvailable && !t.state.gameOver);
        for (const auto& column : t.state.columnPlayed) {
            QCOMPARE(column, (std::array<int, Rows>{}));
        }
        const std::int32_t before = t.state.score;
        t.game.clickTableSlot(clearingOrderSlot(0));
        QCOMPARE(t.state.score - before, scoring ? 5 * 36 : 0);
    }

    void scoringOffLeavesScoreAndAntyAlone() {
        TestGame t({runDeck()});
        t.game.clickTableSlot(4);
        t.game.clickTableSlot(3);
        t.game.setOptions({.scoringOn = false});
        t.game.clickTableSlot(2);
        t.game.clickDiscardPile();
        t.game.undoLastMove();
        QVERIFY(t.state.score == 15 && t.state.anty == 10);
        QCOMPARE(t.state.antyPhase, RunPhase::Running);
        t.game.newGame();
        QCOMPARE(t.state.score, 15);
    }

    // A game dealt while scoring was off never starts a run: after switching scoring on, a draw
    // sets the anty back to 5 and the next card still adds 5 to it.
    void gameDealtWithScoringOffScoresWithoutRuns() {
        TestGame t({runDeck()}, {.scoringOn = false});
        QCOMPARE(t.state.antyPhase, RunPhase::Unset);
        t.game.setOptions({});
        t.game.clickTableSlot(4);
        QCOMPARE(t.state.score, 5);
        t.game.clickDiscardPile();
        t.game.clickDiscardPile(); // the 6 of hearts takes the 5
        t.game.clickTableSlot(3);
        QCOMPARE(t.state.score, 5 + 10);
    }

    // A fixed deck and a scripted game give a known score and position, worked out by hand.
    void scriptedGameEndsWhereExpected() {
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

    void highestScoreLabelFollowsTheScore() {
        TestGame t({runDeck()});
        t.game.setHighScoreToBeat(12);
        t.game.clickTableSlot(4); // 5
        QCOMPARE(t.display.highestText, "0");
        t.game.clickTableSlot(3); // 15
        QCOMPARE(t.display.highestText, "15");
        t.game.undoLastMove(); // 5: an undo never lowers it
        QCOMPARE(t.display.highestText, "15");
        t.game.setHighScoreToBeat(std::numeric_limits<double>::infinity());
        t.game.clickTableSlot(3); // 15
        t.game.clickTableSlot(2); // 30
        QCOMPARE(t.display.highestText, "15");
    }
};

QTEST_GUILESS_MAIN(TestScoring)
#include "tst_scoring.moc"
