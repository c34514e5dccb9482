#include "enginefakes.h"

#include <QtTest>

#include <set>

using namespace corvelle;
using namespace corvelle::test;

// The move rule for every pair of ranks, card ranks, wild cards and covered cards.
class TestMoveRule : public QObject {
    Q_OBJECT

private slots:
    void everyRankPair_data() {
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

    void everyRankPair() {
        QFETCH(int, tableRank);
        QFETCH(int, discardRank);
        QFETCH(bool, wrap);
        QFETCH(bool, legal);
        TestGame t({makeDeck({})}, {.aceKingWrap = wrap});
        QCOMPARE(t.game.moveFits(tableRank, discardRank), legal);
    }

    void cardRanksFollowTheCodes() {
        TestGame t({makeDeck({})});
        const std::pair<int, int> ranks[]{{1, 1},   {14, 1},  {27, 1},      {40, 1},
                                          {13, 13}, {26, 13}, {39, 13},     {52, 13},
                                          {44, 5},  {53, 0},  {RedJoker, 0}};
        for (const auto& [code, rank] : ranks) {
            QCOMPARE(t.game.cardRank(code), rank);
        }
        t.chooseWildCards({5}, false);
        QCOMPARE(t.game.cardRank(5), 5);
        t.chooseWildCards({5}, true);
        QCOMPARE(t.game.cardRank(5), 0);
    }

    // Slot 4 (free at the bottom of column 0) holds `tableCard`; the first discard is `discard`.
    // The 5 of spades is a chosen wild card; `cheats` says whether cheats are in force.
    void jokersAndChosenWildCardsPlayOnAnything_data() {
        QTest::addColumn<int>("tableCard");
        QTest::addColumn<int>("discard");
        QTest::addColumn<bool>("cheats");
        QTest::addColumn<bool>("plays");
        QTest::addColumn<int>("counted");
        QTest::newRow("seven on eight") << clubs(7) << hearts(8) << false << true << 0;
        QTest::newRow("seven on seven") << clubs(7) << hearts(7) << false << false << 0;
        QTest::newRow("joker on a king") << BlackJoker << spades(13) << false << true << 0;
        QTest::newRow("queen on a joker") << hearts(12) << RedJoker << false << true << 0;
        QTest::newRow("joker, cheats on") << RedJoker << spades(9) << true << true << 0;
        QTest::newRow("chosen five on a king") << spades(5) << spades(13) << true << true << 1;
        QTest::newRow("chosen five, cheats off") << spades(5) << spades(13) << false << false << 0;
        QTest::newRow("ten on a chosen five") << diamonds(10) << spades(5) << true << true << 0;
        QTest::newRow("chosen five as a five") << spades(5) << hearts(6) << false << true << 0;
        QTest::newRow("ten on a five, cheats off")
            << diamonds(10) << spades(5) << false << false << 0;
    }

    void jokersAndChosenWildCardsPlayOnAnything() {
        QFETCH(int, tableCard);
        QFETCH(int, discard);
        QFETCH(bool, cheats);
        QFETCH(bool, plays);
        QFETCH(int, counted);
        TestGame t({makeDeck({{5, tableCard}, {36, discard}})});
        t.chooseWildCards({spades(5)}, cheats);
        QCOMPARE(t.game.canPlay(4), plays);
        t.game.clickTableSlot(4);
        QCOMPARE(!t.state.onTable[4], plays);
        QCOMPARE(t.display.discardPicture, plays ? tableCard : discard);
        QCOMPARE(t.state.wildCardsPlayed, counted);
        QVERIFY(t.display.messages.empty());
        if (counted == 0) {
            return;
        }
        // The count goes back with an undo while cheats are on, not after they were switched off;
        // a new game clears it.
        t.game.undoLastMove();
        QCOMPARE(t.state.wildCardsPlayed, 0);
        t.game.clickTableSlot(4);
        t.chooseWildCards({spades(5)}, false);
        t.game.undoLastMove();
        QCOMPARE(t.state.wildCardsPlayed, 1);
        t.game.newGame();
        QCOMPARE(t.state.wildCardsPlayed, 0);
    }

    // Column 1 bottom up: a 7 of clubs over a 4 of hearts; the discard a 5, then a 6 and a 5
    // to draw.
    void coveredCardsCannotBePlayed() {
        TestGame t({makeDeck(
            {{9, hearts(4)}, {10, clubs(7)}, {36, spades(5)}, {37, clubs(6)}, {38, hearts(5)}})});
        t.game.clickTableSlot(8); // a 4 on a 5, but covered
        t.game.clickTableSlot(9); // a 7 on a 5 does not fit
        QVERIFY(t.state.tableCardsLeft == 35 && !t.state.undo.undoAvailable);
        QCOMPARE(t.state.score, 0);
        t.game.clickDiscardPile();
        t.game.clickTableSlot(9); // the 7 goes on the 6; the 4 is free now but does not fit
        t.game.clickTableSlot(8);
        QVERIFY(!t.state.onTable[9] && t.state.onTable[8]);
        t.game.clickDiscardPile();
        t.game.clickTableSlot(8);
        QVERIFY(!t.state.onTable[8] && !t.display.slotVisible[8]);
        QCOMPARE(t.state.columnPlayed[1][3], 1);
        QCOMPARE(t.state.tableCardsLeft, 33);
    }
};

QTEST_GUILESS_MAIN(TestMoveRule)
#include "tst_moverule.moc"
