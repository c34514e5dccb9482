#include "game.h"
#include "testsupport.h"

#include <QtTest>

#include <set>

using namespace corvelle;
using namespace corvelle::test;

// The move rule, the card ranks and wild cards, for every pair of ranks and through real plays.
class TestMoveRule : public QObject {
    Q_OBJECT

private slots:
    void everyRankPair_data();
    void everyRankPair();
    void cardRanksFollowTheCodes();
    void jokersAndChosenWildCardsPlayOnAnything_data();
    void jokersAndChosenWildCardsPlayOnAnything();
    void chosenWildCardCountsOnlyWhileCheatsAreOn();
    void coveredCardsCannotBePlayed();
};

void TestMoveRule::everyRankPair_data() {
    QTest::addColumn<int>("tableRank");
    QTest::addColumn<int>("discardRank");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<bool>("legal");
    // The ranks each table rank may go on, written as the rules list them.
    for (bool wrap : {false, true}) {
        for (int c = 0; c <= 13; ++c) {
            std::set<int> fits;
            if (c == 0) {
                for (int d = 0; d <= 13; ++d) {
                    fits.insert(d);
                }
            } else if (c == 1) {
                fits = {0, 2};
                if (wrap) {
                    fits.insert(13);
                }
            } else if (c == 13) {
                fits = {0, 12};
                if (wrap) {
                    fits.insert(1);
                }
            } else {
                fits = {0, c - 1, c + 1};
            }
            for (int d = 0; d <= 13; ++d) {
                const QByteArray name = QByteArray::number(c) + " on " + QByteArray::number(d) +
                                        (wrap ? " wrap" : " no wrap");
                QTest::newRow(name.constData()) << c << d << wrap << (fits.count(d) == 1);
            }
        }
    }
}

void TestMoveRule::everyRankPair() {
    QFETCH(int, tableRank);
    QFETCH(int, discardRank);
    QFETCH(bool, wrap);
    QFETCH(bool, legal);
    FakeDisplay display;
    ScriptedRandom random({makeDeck({})});
    Game game(display, random);
    game.state.options.aceKingWrap = wrap;
    QCOMPARE(game.moveFits(tableRank, discardRank), legal);
}

void TestMoveRule::cardRanksFollowTheCodes() {
    FakeDisplay display;
    ScriptedRandom random({makeDeck({})});
    Game game(display, random);
    for (int code : {1, 14, 27, 40}) {
        QCOMPARE(game.cardRank(code), 1);
    }
    for (int code : {13, 26, 39, 52}) {
        QCOMPARE(game.cardRank(code), 13);
    }
    QCOMPARE(game.cardRank(hearts(11)), 11);
    QCOMPARE(game.cardRank(JokerA), 0);
    QCOMPARE(game.cardRank(JokerB), 0);

    game.state.cheat.wildMark[5] = 1;
    game.state.cheat.wildCount = 1;
    QCOMPARE(game.cardRank(5), 5);
    game.state.cheat.cheatsEnabled = true;
    QCOMPARE(game.cardRank(5), 0);
    QCOMPARE(game.cardRank(6), 6);
}

// Slot 4 (the bottom card of column 0) holds `tableCard`; the first discard is `discard`.
void TestMoveRule::jokersAndChosenWildCardsPlayOnAnything_data() {
    QTest::addColumn<int>("tableCard");
    QTest::addColumn<int>("discard");
    QTest::addColumn<bool>("cheats");
    QTest::addColumn<bool>("plays");
    QTest::addColumn<int>("wildCardsPlayed");

    QTest::newRow("seven on eight") << clubs(7) << hearts(8) << false << true << 0;
    QTest::newRow("seven on seven") << clubs(7) << hearts(7) << false << false << 0;
    QTest::newRow("joker on a king") << JokerA << spades(13) << false << true << 0;
    QTest::newRow("queen on a joker") << hearts(12) << JokerB << false << true << 0;
    QTest::newRow("joker on a joker") << JokerA << JokerB << false << true << 0;
    QTest::newRow("joker is not counted as a chosen card")
        << JokerB << spades(9) << true << true << 0;
    QTest::newRow("chosen five on a king, cheats on")
        << spades(5) << spades(13) << true << true << 1;
    QTest::newRow("chosen five on a king, cheats off")
        << spades(5) << spades(13) << false << false << 0;
    QTest::newRow("chosen five on a six, cheats off")
        << spades(5) << spades(6) << false << true << 0;
    QTest::newRow("ten on a chosen five, cheats on")
        << diamonds(10) << spades(5) << true << true << 0;
    QTest::newRow("ten on a chosen five, cheats off")
        << diamonds(10) << spades(5) << false << false << 0;
}

void TestMoveRule::jokersAndChosenWildCardsPlayOnAnything() {
    QFETCH(int, tableCard);
    QFETCH(int, discard);
    QFETCH(bool, cheats);
    QFETCH(bool, plays);
    QFETCH(int, wildCardsPlayed);
    FakeDisplay display;
    ScriptedRandom random({makeDeck({{5, tableCard}, {36, discard}})});
    Game game(display, random);
    game.state.cheat.wildMark[spades(5)] = 1;
    game.state.cheat.wildCount = 1;
    game.state.cheat.cheatsEnabled = cheats;
    game.dealGame(Game::NewGame);

    game.clickTableSlot(4);
    QCOMPARE(!game.state.onTable[4], plays);
    QCOMPARE(game.state.discardTop, plays ? tableCard : discard);
    QCOMPARE(display.discardPicture, game.state.discardTop);
    QCOMPARE(game.state.cheat.wildCardsPlayed, wildCardsPlayed);
    QCOMPARE(game.state.cheat.lastMoveWild, wildCardsPlayed > 0);
    QVERIFY(display.messages.empty());
}

void TestMoveRule::chosenWildCardCountsOnlyWhileCheatsAreOn() {
    FakeDisplay display;
    // Column 0 from the bottom: chosen 5 of spades, then 9 of hearts; first discard a king.
    ScriptedRandom random({makeDeck({{5, spades(5)}, {4, hearts(9)}, {36, clubs(13)}})});
    Game game(display, random);
    game.state.cheat.wildMark[spades(5)] = 1;
    game.state.cheat.wildCount = 1;
    game.state.cheat.cheatsEnabled = true;
    game.dealGame(Game::NewGame);

    game.clickTableSlot(4);
    QCOMPARE(game.state.cheat.wildCardsPlayed, 1);
    game.undoLastMove();
    QCOMPARE(game.state.cheat.wildCardsPlayed, 0);
    QVERIFY(!game.state.cheat.lastMoveWild);

    game.clickTableSlot(4);
    QCOMPARE(game.state.cheat.wildCardsPlayed, 1);
    // Disabling cheats does not give the count back, not even through undo.
    game.state.cheat.cheatsEnabled = false;
    game.undoLastMove();
    QCOMPARE(game.state.cheat.wildCardsPlayed, 1);
    // A new round keeps it, a new game clears it.
    game.dealGame(Game::NewRound);
    QCOMPARE(game.state.cheat.wildCardsPlayed, 1);
    game.dealGame(Game::NewGame);
    QCOMPARE(game.state.cheat.wildCardsPlayed, 0);
}

void TestMoveRule::coveredCardsCannotBePlayed() {
    FakeDisplay display;
    // Column 1 (slots 5..9): slot 8 is a 4 covered by slot 9, a 7; the discard is a 5.
    ScriptedRandom random({makeDeck({{9, hearts(4)}, {10, clubs(7)}, {36, spades(5)}})});
    Game game(display, random);
    game.dealGame(Game::NewGame);
    const GameState before = game.state;

    game.clickTableSlot(8); // a 4 on a 5, but covered
    QCOMPARE(game.state.onTable, before.onTable);
    QCOMPARE(game.state.score, before.score);
    QVERIFY(!game.state.undo.undoAvailable);

    game.clickTableSlot(9); // a 7 on a 5 does not fit
    QVERIFY(game.state.onTable[9]);
    QVERIFY(display.messages.empty());

    // Once the 7 has gone (drawn onto with a 6), the 4 is free.
    game.state.discardTop = clubs(6);
    game.clickTableSlot(9);
    QVERIFY(!game.state.onTable[9]);
    QVERIFY(!game.state.onTable[9] && !display.slotVisible[9]);
    game.state.discardTop = spades(5);
    game.clickTableSlot(8);
    QVERIFY(!game.state.onTable[8]);
    QCOMPARE(game.state.columnPlayed[1][3], 1);
    QCOMPARE(game.state.tableCardsLeft, 33);
}

QTEST_GUILESS_MAIN(TestMoveRule)
#include "tst_moverule.moc"
