#include "testsupport.h"

#include <QtTest>

using namespace corvelle;
using namespace corvelle::test;

// The undo penalty, the round bonus, scoring switched off, the score width and the highest
// score label. Runs and the anty are also followed card by card in the fixed game.
class TestScoring : public QObject {
    Q_OBJECT

private slots:
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

// Column 0 bottom up: 6, 5, 4, 3, 2 of clubs; the first discard the 7 of spades.
std::array<int, DeckSize> runDeck() {
    return makeDeck({{5, clubs(6)},
                     {4, clubs(5)},
                     {3, clubs(4)},
                     {2, clubs(3)},
                     {1, clubs(2)},
                     {36, spades(7)},
                     {37, hearts(7)}});
}

} // namespace

void TestScoring::undoPenaltyNeverGoesBelowZero_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    for (auto [before, after] : {std::pair{7, 0}, {9, 0}, {10, 0}, {11, 1}, {25, 15}}) {
        QTest::addRow("%d", before) << before << after;
    }
}

void TestScoring::undoPenaltyNeverGoesBelowZero() {
    QFETCH(int, before);
    QFETCH(int, after);
    TestGame t({runDeck()});
    t.game.clickDiscardPile();
    t.state.score = before;
    t.state.anty = 35;
    t.game.undoLastMove();
    QCOMPARE(t.state.score, after);
    QCOMPARE(t.display.scoreText, std::to_string(after));
    QCOMPARE(t.state.anty, 5);
}

void TestScoring::roundBonusComesBeforeTheLastCard_data() {
    QTest::addColumn<int>("draws");
    QTest::addColumn<bool>("scoring");
    QTest::newRow("7 cards left") << 11 << true;
    QTest::newRow("18 cards left") << 0 << true;
    QTest::newRow("draw pile used up") << 18 << true;
    QTest::newRow("7 cards left, scoring off") << 11 << false;
}

void TestScoring::roundBonusComesBeforeTheLastCard() {
    QFETCH(int, draws);
    QFETCH(bool, scoring);
    TestGame t({clearableDeck(draws), clearableDeck(0)});
    t.state.options.scoringOn = scoring;
    for (int i = 0; i < draws; ++i) {
        t.game.clickDiscardPile();
    }
    for (int k = 0; k < 34; ++k) {
        t.game.clickTableSlot(clearingOrderSlot(k));
    }
    const std::int32_t runPoints = scoring ? 5 * (34 * 35 / 2) : 0;
    QCOMPARE(t.state.score, runPoints);
    t.game.clickTableSlot(clearingOrderSlot(34));

    const std::int32_t bonus = 5 * (18 - draws);
    const std::int32_t lastCard = scoring ? 5 * 35 : 0;
    QCOMPARE(t.state.score, runPoints + bonus + lastCard);
    const auto& shown = t.display.scoreHistory;
    QCOMPARE(shown[shown.size() - (scoring ? 2 : 1)], std::to_string(runPoints + bonus));
    // A new round at once: fresh table, nothing to undo, no slot marked; the run goes on.
    QCOMPARE(t.state.tableCardsLeft, 35);
    QCOMPARE(t.state.deckPosition, 36);
    QVERIFY(!t.state.undo.undoAvailable);
    QVERIFY(!t.state.gameOver);
    for (const auto& column : t.state.columnPlayed) {
        QCOMPARE(column, (std::array<int, Rows>{}));
    }
    const std::int32_t before = t.state.score;
    t.game.clickTableSlot(clearingOrderSlot(0));
    QCOMPARE(t.state.score - before, scoring ? 5 * 36 : 0);
}

void TestScoring::scoringOffCountsOnlyTheRoundBonus() {
    TestGame t({runDeck()});
    t.game.clickTableSlot(4);
    QCOMPARE(t.state.score, 5);
    t.state.options.scoringOn = false;
    t.game.clickTableSlot(3);
    t.game.clickDiscardPile();
    t.game.undoLastMove();
    QCOMPARE(t.state.score, 5);
    QCOMPARE(t.state.anty, 5);
    QCOMPARE(t.state.antyPhase, 2);
    t.game.dealGame(Game::NewGame);
    QCOMPARE(t.state.score, 5);
    t.game.dealGame(Game::NewRound); // 18 cards left: +90 even with scoring off
    QCOMPARE(t.display.scoreText, "95");
}

void TestScoring::phaseZeroAtStartUpScoresFromTheFirstCard() {
    FakeDisplay display;
    ScriptedRandom random({runDeck()});
    Game game(display, random);
    game.state.options.scoringOn = false;
    game.dealGame(Game::NewGame);
    QCOMPARE(game.state.antyPhase, 0);
    game.state.options.scoringOn = true;
    game.clickTableSlot(4);
    game.clickTableSlot(3);
    QCOMPARE(game.state.score, 5 + 10);
    game.clickDiscardPile(); // the phase stays 0, so the next card is not the first of a run
    game.state.discardTop = clubs(5);
    game.clickTableSlot(2);
    QCOMPARE(game.state.score, 15 + 10);
}

void TestScoring::scoreWidthBecomes32BitPast32767() {
    TestGame t({runDeck()});
    t.state.score = 32762;
    t.game.clickTableSlot(4); // +5: 32767 still fits 16 bits
    QVERIFY(!t.state.scoreWide);
    QCOMPARE(TableValue::score(t.state.score, t.state.scoreWide).kind, TableValue::Kind::Int16);
    t.game.clickTableSlot(3); // +10
    QVERIFY(t.state.scoreWide);
    t.game.undoLastMove(); // back to 32767: stays 32-bit for the rest of the game
    QCOMPARE(t.state.score, 32767);
    QCOMPARE(TableValue::score(t.state.score, t.state.scoreWide).kind, TableValue::Kind::Int32);
    t.game.dealGame(Game::NewGame);
    QVERIFY(!t.state.scoreWide);
    t.state.score = 32700;
    t.game.dealGame(Game::NewRound); // the round bonus counts too
    QVERIFY(t.state.scoreWide);
}

void TestScoring::highestScoreLabelFollowsTheScore() {
    TestGame t({runDeck()});
    t.state.highScoreValues[0] = TableValue::int16(12);
    t.game.showBestHighScore();
    t.game.clickTableSlot(4); // 5
    QCOMPARE(t.display.highestText, "12");
    t.game.clickTableSlot(3); // 15
    QCOMPARE(t.display.highestText, "15");
    t.game.undoLastMove(); // 5: an undo never lowers it
    QCOMPARE(t.display.highestText, "15");
    // Text that does not read as a number is never beaten; text that does, by its value.
    t.state.highScoreValues[0] = TableValue::fromText("champion");
    t.display.highestText.clear();
    t.game.clickTableSlot(3); // 15
    QCOMPARE(t.display.highestText, "");
    t.state.highScoreValues[0] = TableValue::fromText(" 20 ");
    t.game.clickTableSlot(2); // 30
    QCOMPARE(t.display.highestText, "30");
}

QTEST_GUILESS_MAIN(TestScoring)
#include "tst_scoring.moc"
