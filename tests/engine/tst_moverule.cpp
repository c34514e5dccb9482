#include "testsupport.h"

#include <QtTest>

#include <set>

using namespace corvelle;
using namespace corvelle::test;

// The move rule for every pair of ranks, card ranks, wild cards and covered cards.
class TestMoveRule : public QObject {
    Q_OBJECT

private slots:
    void everyRankPair_data();
    void everyRankPair();
    void cardRanksFollowTheCodes();
    void jokersAndChosenWildCardsPlayOnAnything_data();
    void jokersAndChosenWildCardsPlayOnAnything();
    void coveredCardsCannotBePlayed();
};

void TestMoveRule::everyRankPair_data() {
    QTest::addColumn<int>("tableRank");
    QTest::addColumn<int>("discardRank");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<bool>("legal");
    // The ranks each table rank may go on, listed as the rules give them (0 is wild).
    for (bool wrap : {false, true}) {
        for (int c = 0; c <= 13; ++c) {
            std::set<int> fits{0, c - 1, c + 1};
            if (c == 0) {
                fits = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
            } else if (c == 1 && wrap) {
                fits.insert(13);
            } else if (c == 13 && wrap) {
                fits.insert(1);
            }
            for (int d = 0; d <= 13; ++d) {
                QTest::addRow("%d on %d%s", c, d, wrap ? " wrap" : "")
                    << c << d << wrap << (fits.count(d) == 1);
            }
        }
    }
}

void TestMoveRule::everyRankPair() {
    QFETCH(int, tableRank);
    QFETCH(int, discardRank);
    QFETCH(bool, wrap);
    QFETCH(bool, legal);
    TestGame t({makeDeck({})});
    t.state.options.aceKingWrap = wrap;
    QCOMPARE(t.game.moveFits(tableRank, discardRank), legal);
}

void TestMoveRule::cardRanksFollowTheCodes() {
    TestGame t({makeDeck({})});
    for (int code : {1, 14, 27, 40}) {
        QCOMPARE(t.game.cardRank(code), 1);
    }
    for (int code : {13, 26, 39, 52}) {
        QCOMPARE(t.game.cardRank(code), 13);
    }
    QCOMPARE(t.game.cardRank(hearts(11)), 11);
    QCOMPARE(t.game.cardRank(JokerA), 0);
    QCOMPARE(t.game.cardRank(JokerB), 0);
    t.state.cheat.wildMark[5] = 1;
    QCOMPARE(t.game.cardRank(5), 5);
    t.state.cheat.cheatsEnabled = true;
    QCOMPARE(t.game.cardRank(5), 0);
}

// Slot 4 (free at the bottom of column 0) holds `tableCard`; the first discard is `discard`.
// The 5 of spades is a chosen wild card; `cheats` says whether cheats are in force.
void TestMoveRule::jokersAndChosenWildCardsPlayOnAnything_data() {
    QTest::addColumn<int>("tableCard");
    QTest::addColumn<int>("discard");
    QTest::addColumn<bool>("cheats");
    QTest::addColumn<bool>("plays");
    QTest::addColumn<int>("counted");
    QTest::newRow("seven on eight") << clubs(7) << hearts(8) << false << true << 0;
    QTest::newRow("seven on seven") << clubs(7) << hearts(7) << false << false << 0;
    QTest::newRow("joker on a king") << JokerA << spades(13) << false << true << 0;
    QTest::newRow("queen on a joker") << hearts(12) << JokerB << false << true << 0;
    QTest::newRow("joker, cheats on") << JokerB << spades(9) << true << true << 0;
    QTest::newRow("chosen five on a king") << spades(5) << spades(13) << true << true << 1;
    QTest::newRow("chosen five, cheats off") << spades(5) << spades(13) << false << false << 0;
    QTest::newRow("ten on a chosen five") << diamonds(10) << spades(5) << true << true << 0;
    QTest::newRow("ten on a five, cheats off") << diamonds(10) << spades(5) << false << false << 0;
}

void TestMoveRule::jokersAndChosenWildCardsPlayOnAnything() {
    QFETCH(int, tableCard);
    QFETCH(int, discard);
    QFETCH(bool, cheats);
    QFETCH(bool, plays);
    QFETCH(int, counted);
    TestGame t({makeDeck({{5, tableCard}, {36, discard}})});
    t.state.cheat.wildMark[spades(5)] = 1;
    t.state.cheat.wildCount = 1;
    t.state.cheat.cheatsEnabled = cheats;
    t.game.clickTableSlot(4);
    QCOMPARE(!t.state.onTable[4], plays);
    QCOMPARE(t.display.discardPicture, plays ? tableCard : discard);
    QCOMPARE(t.state.cheat.wildCardsPlayed, counted);
    QVERIFY(t.display.messages.empty());
    if (counted == 0) {
        return;
    }
    // The count goes back with an undo while cheats are on, not after they were switched off;
    // a new round keeps it and a new game clears it.
    t.game.undoLastMove();
    QCOMPARE(t.state.cheat.wildCardsPlayed, 0);
    t.game.clickTableSlot(4);
    t.state.cheat.cheatsEnabled = false;
    t.game.undoLastMove();
    QCOMPARE(t.state.cheat.wildCardsPlayed, 1);
    t.game.dealGame(Game::NewRound);
    QCOMPARE(t.state.cheat.wildCardsPlayed, 1);
    t.game.dealGame(Game::NewGame);
    QCOMPARE(t.state.cheat.wildCardsPlayed, 0);
}

void TestMoveRule::coveredCardsCannotBePlayed() {
    // Column 1 bottom up: a 7 of clubs over a 4 of hearts; the discard is a 5.
    TestGame t({makeDeck({{9, hearts(4)}, {10, clubs(7)}, {36, spades(5)}})});
    t.game.clickTableSlot(8); // a 4 on a 5, but covered
    t.game.clickTableSlot(9); // a 7 on a 5 does not fit
    QCOMPARE(t.state.tableCardsLeft, 35);
    QVERIFY(!t.state.undo.undoAvailable);
    QCOMPARE(t.state.score, 0);
    t.state.discardTop = clubs(6);
    t.game.clickTableSlot(9); // the 7 goes; the 4 is free now but does not fit the 7
    t.game.clickTableSlot(8);
    QVERIFY(t.state.onTable[8]);
    t.state.discardTop = spades(5);
    t.game.clickTableSlot(8);
    QVERIFY(!t.state.onTable[8] && !t.display.slotVisible[8]);
    QCOMPARE(t.state.columnPlayed[1][3], 1);
    QCOMPARE(t.state.tableCardsLeft, 33);
}

QTEST_GUILESS_MAIN(TestMoveRule)
#include "tst_moverule.moc"
