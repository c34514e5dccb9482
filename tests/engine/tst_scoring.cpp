#include "game.h"
#include "testsupport.h"

#include <QtTest>

using namespace corvelle;
using namespace corvelle::test;

// Runs, the anty, the undo penalty, the round bonus, scoring switched off and the score width.
class TestScoring : public QObject {
    Q_OBJECT

private slots:
    void runsGrowByFiveAndDrawsResetThem();
    void undoCostsTenAndResetsTheAnty();
    void undoPenaltyNeverGoesBelowZero_data();
    void undoPenaltyNeverGoesBelowZero();
    void roundBonusComesBeforeTheLastCard_data();
    void roundBonusComesBeforeTheLastCard();
    void scoringOffCountsOnlyTheRoundBonus();
    void phaseZeroAtStartUpScoresFromTheFirstCard();
    void scoreWidthBecomes32BitPast32767();
    void highestScoreLabelFollowsTheScore();
};

namespace {

// Column 0 bottom up: 6, 5, 4, 3, 2 of clubs; column 1 bottom card: 9 of diamonds.
// First discard: 7 of spades; draw pile: 7 of hearts, then 8 of hearts.
std::array<int, DeckSize> runDeck() {
    return makeDeck({{5, clubs(6)},
                     {4, clubs(5)},
                     {3, clubs(4)},
                     {2, clubs(3)},
                     {1, clubs(2)},
                     {10, diamonds(9)},
                     {36, spades(7)},
                     {37, hearts(7)},
                     {38, hearts(8)}});
}

} // namespace

void TestScoring::runsGrowByFiveAndDrawsResetThem() {
    FakeDisplay display;
    ScriptedRandom random({runDeck()});
    Game game(display, random);
    game.dealGame(Game::NewGame);
    game.clickDiscardPile();
    QCOMPARE(game.state.discardTop, hearts(7));

    const std::vector<int> gains = {5, 10, 15, 20, 25};
    std::int32_t expected = 0;
    for (int i = 0; i < 5; ++i) {
        game.clickTableSlot(4 - i);
        expected += gains[static_cast<std::size_t>(i)];
        QCOMPARE(game.state.score, expected);
        QCOMPARE(display.scoreText, std::to_string(expected));
    }
    QCOMPARE(game.state.score, 75);

    game.clickDiscardPile(); // the 8 of hearts
    QCOMPARE(game.state.anty, 5);
    QCOMPARE(game.state.antyPhase, 1);
    QCOMPARE(game.state.score, 75);
    game.clickTableSlot(9); // the 9 of diamonds starts a new run
    QCOMPARE(game.state.score, 80);
}

void TestScoring::undoCostsTenAndResetsTheAnty() {
    FakeDisplay display;
    ScriptedRandom random({runDeck()});
    Game game(display, random);
    game.dealGame(Game::NewGame);
    game.clickDiscardPile();
    game.clickTableSlot(4);
    game.clickTableSlot(3);
    game.clickTableSlot(2);
    QCOMPARE(game.state.score, 30);

    game.undoLastMove();
    QCOMPARE(game.state.score, 20);
    QCOMPARE(game.state.anty, 5);
    QCOMPARE(game.state.antyPhase, 2);
    QCOMPARE(display.scoreText, "20");
    // The run goes on: the card played again adds 10.
    game.clickTableSlot(2);
    QCOMPARE(game.state.score, 30);
}

void TestScoring::undoPenaltyNeverGoesBelowZero_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("7") << 7 << 0;
    QTest::newRow("9") << 9 << 0;
    QTest::newRow("10") << 10 << 0;
    QTest::newRow("11") << 11 << 1;
    QTest::newRow("25") << 25 << 15;
}

void TestScoring::undoPenaltyNeverGoesBelowZero() {
    QFETCH(int, before);
    QFETCH(int, after);
    FakeDisplay display;
    ScriptedRandom random({runDeck()});
    Game game(display, random);
    game.dealGame(Game::NewGame);
    game.clickDiscardPile();
    game.state.score = before;
    game.undoLastMove();
    QCOMPARE(game.state.score, after);
    QCOMPARE(display.scoreText, std::to_string(after));
}

void TestScoring::roundBonusComesBeforeTheLastCard_data() {
    QTest::addColumn<int>("draws");
    QTest::addColumn<bool>("scoring");
    QTest::newRow("11 draws: 7 cards left") << 11 << true;
    QTest::newRow("no draw: 18 cards left") << 0 << true;
    QTest::newRow("draw pile used up") << 18 << true;
    QTest::newRow("7 cards left, scoring off") << 11 << false;
}

void TestScoring::roundBonusComesBeforeTheLastCard() {
    QFETCH(int, draws);
    QFETCH(bool, scoring);
    FakeDisplay display;
    ScriptedRandom random({clearableDeck(draws), clearableDeck(0)});
    Game game(display, random);
    game.dealGame(Game::NewGame);
    game.state.options.scoringOn = scoring;
    for (int i = 0; i < draws; ++i) {
        game.clickDiscardPile();
    }
    QVERIFY(!game.state.gameOver);
    const int left = 18 - draws;
    std::int32_t runPoints = 0;
    for (int k = 0; k < 34; ++k) {
        game.clickTableSlot(clearingOrderSlot(k));
        runPoints += scoring ? 5 * (k + 1) : 0;
    }
    QCOMPARE(game.state.score, runPoints);
    game.clickTableSlot(clearingOrderSlot(34));

    const std::int32_t bonus = 5 * left;
    const std::int32_t lastCard = scoring ? 5 * 35 : 0;
    QCOMPARE(game.state.score, runPoints + bonus + lastCard);
    // The label showed the bonus first, then the last card's points.
    const auto& shown = display.scoreHistory;
    if (scoring) {
        QCOMPARE(shown[shown.size() - 2], std::to_string(runPoints + bonus));
    }
    QCOMPARE(shown.back(), std::to_string(runPoints + bonus + lastCard));

    // A new round was dealt at once: fresh table, nothing to undo, no marks.
    QCOMPARE(game.state.tableCardsLeft, 35);
    QCOMPARE(game.state.deckPosition, 36);
    QVERIFY(!game.state.undo.undoAvailable);
    for (const auto& column : game.state.columnPlayed) {
        for (int mark : column) {
            QCOMPARE(mark, 0);
        }
    }
    // The run carries into the new round.
    const std::int32_t before = game.state.score;
    game.clickTableSlot(clearingOrderSlot(0));
    QCOMPARE(game.state.score - before, scoring ? 5 * 36 : 0);
}

void TestScoring::scoringOffCountsOnlyTheRoundBonus() {
    FakeDisplay display;
    ScriptedRandom random({runDeck()});
    Game game(display, random);
    game.dealGame(Game::NewGame);
    game.clickTableSlot(4); // 6 on 7: scores 5
    QCOMPARE(game.state.score, 5);
    game.state.options.scoringOn = false;
    const std::int32_t anty = game.state.anty;
    const int phase = game.state.antyPhase;

    game.clickTableSlot(3);
    game.clickDiscardPile();
    game.undoLastMove();
    QCOMPARE(game.state.score, 5);
    QCOMPARE(game.state.anty, anty);
    QCOMPARE(game.state.antyPhase, phase);

    game.dealGame(Game::NewGame);
    QCOMPARE(game.state.score, 5);
    game.dealGame(Game::NewRound); // 18 cards left: +90 even with scoring off
    QCOMPARE(game.state.score, 95);
    QCOMPARE(display.scoreText, "95");
}

void TestScoring::phaseZeroAtStartUpScoresFromTheFirstCard() {
    FakeDisplay display;
    ScriptedRandom random({runDeck()});
    Game game(display, random);
    game.state.options.scoringOn = false;
    game.dealGame(Game::NewGame);
    QCOMPARE(game.state.antyPhase, 0);
    QCOMPARE(game.state.anty, 0);

    game.state.options.scoringOn = true;
    game.clickTableSlot(4);
    QCOMPARE(game.state.score, 5);
    game.clickTableSlot(3);
    QCOMPARE(game.state.score, 15);
    game.clickDiscardPile();
    QCOMPARE(game.state.antyPhase, 0);
    game.state.discardTop = clubs(5); // the 4 of clubs fits
    game.clickTableSlot(2);
    QCOMPARE(game.state.score, 25); // 10, not 5: the phase never restarted the run
}

void TestScoring::scoreWidthBecomes32BitPast32767() {
    FakeDisplay display;
    ScriptedRandom random({runDeck()});
    Game game(display, random);
    game.dealGame(Game::NewGame);
    QVERIFY(!game.state.scoreWide);
    game.state.score = 32762;
    game.clickTableSlot(4); // +5: 32767 still fits 16 bits
    QCOMPARE(game.state.score, 32767);
    QVERIFY(!game.state.scoreWide);
    QCOMPARE(TableValue::score(game.state.score, game.state.scoreWide).kind,
             TableValue::Kind::Int16);

    game.clickTableSlot(3); // +10
    QCOMPARE(game.state.score, 32777);
    QVERIFY(game.state.scoreWide);
    game.undoLastMove(); // back below 32768: stays 32-bit for the rest of the game
    QCOMPARE(game.state.score, 32767);
    QVERIFY(game.state.scoreWide);
    QCOMPARE(TableValue::score(game.state.score, game.state.scoreWide).kind,
             TableValue::Kind::Int32);

    game.dealGame(Game::NewGame);
    QVERIFY(!game.state.scoreWide);
    // The round bonus is an addition too.
    game.state.score = 32700;
    game.dealGame(Game::NewRound);
    QCOMPARE(game.state.score, 32790);
    QVERIFY(game.state.scoreWide);
}

void TestScoring::highestScoreLabelFollowsTheScore() {
    FakeDisplay display;
    ScriptedRandom random({runDeck()});
    Game game(display, random);
    game.state.highScoreValues[0] = TableValue::int16(12);
    game.dealGame(Game::NewGame);
    game.showBestHighScore();
    QCOMPARE(display.highestText, "12");

    game.clickTableSlot(4); // 5: below 12
    QCOMPARE(display.highestText, "12");
    game.clickTableSlot(3); // 15
    QCOMPARE(display.highestText, "15");
    game.clickTableSlot(2); // 30
    QCOMPARE(display.highestText, "30");
    game.undoLastMove(); // 20: an undo never lowers it
    QCOMPARE(display.highestText, "30");

    // Text that does not read as a number is never beaten; text that does, by its value.
    game.state.highScoreValues[0] = TableValue::fromText("champion");
    game.clickTableSlot(2);
    QCOMPARE(display.highestText, "30");
    game.state.highScoreValues[0] = TableValue::fromText(" 40 ");
    game.clickTableSlot(1); // 20 + 10 + 15 = 45
    QCOMPARE(game.state.score, 45);
    QCOMPARE(display.highestText, "45");
}

QTEST_GUILESS_MAIN(TestScoring)
#include "tst_scoring.moc"
