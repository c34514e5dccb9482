// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/enginefakes.h"

#include <QtTest>

#include <algorithm>
#include <random>
#include <set>

using namespace corvelle;
using namespace corvelle::test;

namespace {

const std::string NoMoreCards = "Sorry no more cards left to deal!";
const std::string GameIsOver =
    "The current game is over, please start a new game to continue playing";
const std::string NothingToUndo =
    "Sorry, but you may only undo a card movement after it has been completed!";

// Column 0 bottom up: 6, 5, 4, 3, 2 of clubs; the first discard the 7 of spades, then a 7 and
// a 6 of hearts to draw.
std::array<int, DeckSize> runDeck() {
    std::vector<std::pair<int, int>> placed{{36, spades(7)}, {37, hearts(7)}, {38, hearts(6)}};
    for (int row = 0; row < Rows; ++row) {
        placed.emplace_back(row + 1, clubs(row + 2));
    }
    return makeDeck(placed);
}

// The process's resident memory.
long residentKilobytes() {
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    return QRegularExpression("VmRSS:\\s*(\\d+)")
        .match(QString::fromLatin1(status.readAll()))
        .captured(1)
        .toLong();
}

} // namespace

// The rules of play with what each shows: the move rule, wild cards, draw, undo, game over, runs,
// the round bonus and a fixed game worked out by hand; and a million random actions with the
// invariants checked after each one and the memory not growing.
class TestRules : public QObject {
    Q_OBJECT

private slots:
    // The ranks each table rank may go on, as the rules give them: a wild card (0) takes and
    // goes on anything, the others one rank up or down, and with the wrap an Ace and a King.
    void everyRankPair() {
        for (bool wrap : {false, true}) {
            TestGame t({makeDeck({})}, {.aceKingWrap = wrap});
            for (int c = 0; c <= 13; ++c) {
                for (int d = 0; d <= 13; ++d) {
                    const bool fits =
                        c == 0 || d == 0 || std::abs(c - d) == 1 || (wrap && c * d == 13);
                    QVERIFY2(t.game.moveFits(c, d) == fits,
                             qPrintable(QString("%1 on %2, wrap %3").arg(c).arg(d).arg(wrap)));
                }
            }
        }
    }

    // Slot 4 (free at the bottom of column 0) holds `tableCard`; the first discard is `discard`.
    // The 5 of spades is a chosen wild card; `cheats` says whether cheats are in force.
    void jokersAndChosenWildCardsPlayOnAnything_data() {
        QTest::addColumn<int>("tableCard");
        QTest::addColumn<int>("discard");
        QTest::addColumn<bool>("cheats");
        QTest::addColumn<bool>("plays");
        QTest::addColumn<int>("counted");
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
        t.game.setCheatChoice(wildChoice(std::vector{spades(5)}, cheats));
        QCOMPARE(t.game.canPlay(4), plays);
        t.game.clickTableSlot(4);
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
        t.game.setCheatChoice(wildChoice(std::vector{spades(5)}, false));
        t.game.undoLastMove();
        QCOMPARE(t.state.wildCardsPlayed, 1);
        t.game.newGame();
        QCOMPARE(t.state.wildCardsPlayed, 0);
    }

    void shuffleKeepsTheLastPassAndNeverRepeats() {
        const auto third = clearableDeck(3);
        TestGame t({stuckDeck(), stuckDeck(), clearableDeck(0), third});
        t.game.setOptions({.shuffleCount = 3});
        t.game.newGame();
        QVERIFY(std::equal(third.begin(), third.end(), t.state.deck.begin() + 1));
        // The production shuffle never deals the same deck twice in ten thousand deals.
        std::random_device device;
        std::seed_seq seed{device(), device(), device(), device()};
        StdRandomSource shuffle(seed);
        Game game(t.display, shuffle);
        std::set<std::vector<int>> decks;
        for (int deal = 0; deal < 10000; ++deal) {
            game.newGame();
            QVERIFY(whyImpossible(game.state()).empty());
            decks.emplace(game.state().deck.begin() + 1, game.state().deck.end());
        }
        QCOMPARE(decks.size(), 10000u);
    }

    // Where nothing ever fits: a draw and its undo, one step back at most and none right after
    // the deal; the drawing options choose which clicks draw; the last draw ends the game at
    // once and an undo revives it; clicks on a finished game change nothing and say so.
    void drawUndoAndTheEndOfAStuckGame() {
        const auto deck = stuckDeck();
        TestGame t({deck});
        t.game.clickDiscardPile();
        QVERIFY(t.state.deckPosition == 37 && t.state.drawPileCount == 17);
        QCOMPARE(t.display.discardPicture, deck[36]);
        t.game.undoLastMove();
        QVERIFY(t.state.deckPosition == 36 && t.state.drawPileCount == 18);
        QCOMPARE(t.display.discardPicture, deck[35]);
        QVERIFY(!t.state.undo.undoAvailable);
        t.game.undoLastMove();
        t.game.newGame();
        t.game.undoLastMove();
        QCOMPARE(t.display.messages, (std::vector<std::string>{NothingToUndo, NothingToUndo}));
        const Options methods[]{{}, {.drawPileClickDraws = true}, {.backgroundClickDraws = true}};
        for (int draws = 0; draws < 3; ++draws) { // a click on each but the discard pile
            t.game.setOptions(methods[draws]);
            t.game.clickDrawPile(5);
            t.game.clickBackground();
            QCOMPARE(t.state.deckPosition, 36 + draws);
        }
        for (int i = 0; i < 15; ++i) {
            QCOMPARE(t.game.clickDiscardPile(), Outcome::Nothing);
        }
        QCOMPARE(t.game.clickDiscardPile(), Outcome::GameOver);
        QVERIFY(t.state.gameOver && t.display.panelVisible && t.display.messages.size() == 2);
        t.game.undoLastMove();
        QVERIFY(!t.state.gameOver && !t.display.panelVisible && t.state.drawPileCount == 1);
        QCOMPARE(t.state.discardTop, clubs(13));
        QCOMPARE(t.game.clickDiscardPile(), Outcome::GameOver);
        t.game.setOptions({.drawPileClickDraws = true, .backgroundClickDraws = true});
        const GameState before = t.state;
        t.display.messages.clear();
        QCOMPARE(t.game.clickTableSlot(4), Outcome::Nothing); // ignored, no message
        t.game.clickDiscardPile();
        t.game.clickDrawPile(3);
        QCOMPARE(t.display.messages, (std::vector<std::string>{GameIsOver, GameIsOver}));
        QVERIFY(t.state == before);
        t.game.newGame();
        QVERIFY(!t.state.gameOver && !t.display.panelVisible);
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

    void roundBonusComesBeforeTheLastCard_data() {
        QTest::addColumn<int>("draws");
        QTest::addColumn<bool>("scoring");
        QTest::newRow("7 cards left") << 11 << true;
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
        QCOMPARE(t.state.score, runPoints + bonus + (scoring ? 5 * 35 : 0));
        const auto& shown = t.display.scoreHistory;
        QCOMPARE(shown[shown.size() - (scoring ? 2 : 1)], std::to_string(runPoints + bonus));
        // A new round at once: fresh table, nothing to undo; the run goes on.
        QVERIFY(t.state.tableCardsLeft == 35 && t.state.deckPosition == 36);
        QVERIFY(!t.state.undo.undoAvailable && !t.state.gameOver);
        const std::int32_t before = t.state.score;
        t.game.clickTableSlot(clearingOrderSlot(0));
        QCOMPARE(t.state.score - before, scoring ? 5 * 36 : 0);
    }

    // Scoring switched off leaves score and anty alone. A game dealt while it was off never
    // starts a run: after switching it on, a draw sets the anty back to 5 and the next card
    // still adds 5 to it.
    void scoringSwitchedOffAndOn() {
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
        TestGame u({runDeck()}, {.scoringOn = false});
        QCOMPARE(u.state.antyPhase, RunPhase::Unset);
        u.game.setOptions({});
        u.game.clickTableSlot(4);
        QCOMPARE(u.state.score, 5);
        u.game.clickDiscardPile();
        u.game.clickDiscardPile(); // the 6 of hearts takes the 5
        u.game.clickTableSlot(3);
        QCOMPARE(u.state.score, 5 + 10);
    }

    // A fixed deck and a scripted game give a known score, highest score and position, worked
    // out by hand. An undo costs 10 points, never going below 0, and sets the anty back to 5
    // without ending the run; a draw ends it, even when it is taken back.
    void scriptedGameEndsWhereExpected() {
        // The clearable deck with two draws: column 0 bottom up is 2, 3, 4, 5, 6 of spades,
        // column 1 bottom up 7, 8, .. of spades; the first discard is the Ace of clubs and the
        // first card drawn the King of clubs.
        TestGame t({clearableDeck(2)});
        Game& game = t.game;
        QCOMPARE(t.state.discardTop, clubs(1));
        game.setHighScoreToBeat(12);
        game.clickTableSlot(4); // 2 on the Ace: run starts, +5 -> 5
        game.undoLastMove();    // 5 - 10 stops at 0
        QCOMPARE(t.display.highestText, "0");
        game.clickTableSlot(4);  // 2 again, the run goes on from the anty of 5: +10 -> 10
        game.clickTableSlot(3);  // 3: +15 -> 25, above the best to beat
        game.clickDiscardPile(); // King of clubs; anty back to 5
        game.clickTableSlot(2);  // a 4 on a King: refused
        game.undoLastMove();     // the draw taken back: -10 -> 15, the 3 on top again
        QCOMPARE(t.display.highestText, "25"); // an undo never lowers it
        game.clickTableSlot(2);                // 4: the phase was reset by the draw, +5 -> 20
        QCOMPARE(t.state.peakScore, 25);       // a lower score after an undo keeps the peak
        game.clickTableSlot(1);                // 5: +10 -> 30
        game.clickTableSlot(0);                // 6: +15 -> 45
        game.clickTableSlot(9);                // 7: +20 -> 65
        game.undoLastMove();                   // -10 -> 55, anty 5, run still under way
        QCOMPARE(t.state.peakScore, 65);
        game.setHighScoreToBeat(std::numeric_limits<double>::infinity());
        game.clickTableSlot(9); // 7 again: +10 -> 65
        game.clickTableSlot(8); // 8: +15 -> 80
        QVERIFY(t.state.score == 80 && t.state.anty == 15 && t.state.peakScore == 80);
        QCOMPARE(t.display.highestText, "65"); // nothing beats a best that cannot be beaten
        QCOMPARE(t.state.antyPhase, RunPhase::Running);
        QCOMPARE(t.state.discardTop, spades(8));
        QVERIFY(t.state.tableCardsLeft == 28 && t.state.deckPosition == 36);
        QVERIFY(t.state.undo.undoAvailable && t.state.undo.undoSlot == 8);
        QCOMPARE(std::count(t.state.onTable.begin(), t.state.onTable.end(), false), 7);
        QVERIFY(!t.state.onTable[4] && !t.state.onTable[8] && t.display.messages.empty());
    }

    void invariantsHoldThroughRandomGames() {
        std::mt19937 rng(20261206);
        auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
        std::seed_seq seed{1, 2, 3};
        StdRandomSource shuffle(seed);
        FakeDisplay display;
        Game game(display, shuffle);
        const GameState& s = game.state();
        CheatChoice cheat;
        game.start();
        game.newGame();

        long actions = 0;
        int roundsWon = 0;
        int gamesOver = 0;
        long residentAfterWarmUp = 0;
        for (int g = 0; g < 3000; ++g) {
            if (g == 300) {
                residentAfterWarmUp = residentKilobytes();
            }
            display.messages.clear(); // what the fake display keeps of its history
            display.scoreHistory.clear();
            for (int step = 0; step < 500 && !(s.gameOver && pick(5) == 0); ++step, ++actions) {
                const int what = pick(100);
                Outcome outcome = Outcome::Nothing;
                if (what < 70) {
                    // Like a player, mostly a free card that fits; otherwise any slot at all.
                    const std::vector<int> fitting = playableSlots(game);
                    outcome = game.clickTableSlot(fitting.empty() || pick(10) < 3
                                                      ? pick(TableSlots)
                                                      : fitting[static_cast<std::size_t>(pick(
                                                            static_cast<int>(fitting.size())))]);
                } else if (what < 80) {
                    outcome = game.clickDiscardPile();
                } else if (what < 83) {
                    outcome = game.clickDrawPile(pick(DrawPilePictures));
                } else if (what < 87) {
                    outcome = game.clickBackground();
                } else if (what < 93) {
                    game.undoLastMove();
                } else if (what < 95) {
                    const int method = pick(3);
                    game.setOptions({.aceKingWrap = pick(2) == 0,
                                     .drawPileClickDraws = method == 1,
                                     .backgroundClickDraws = method == 2,
                                     .scoringOn = pick(4) != 0,
                                     .shuffleCount = 1 + pick(3)});
                } else if (what < 99) {
                    const int code = 1 + pick(OrdinaryCards);
                    if (cheat.wildCount < MaxWildCards && cheat.wildMark[code] == 0) {
                        cheat.wildMark[code] = 1;
                        ++cheat.wildCount;
                    }
                    cheat.cheatsEnabled = pick(10) < 7;
                    game.setCheatChoice(cheat);
                } else {
                    game.newGame();
                }
                roundsWon += outcome == Outcome::RoundWon ? 1 : 0;
                if (outcome == Outcome::GameOver) {
                    QVERIFY(s.gameOver);
                    ++gamesOver;
                    // Now and then the game earns a Hall of Fame entry, which deals a new game.
                    if (pick(10) < 3) {
                        game.newGame();
                    }
                }
                if (const char* broken = brokenInvariant(s, display)) {
                    QFAIL(qPrintable(
                        QStringLiteral("game %1, action %2: %3").arg(g).arg(step).arg(broken)));
                }
            }
            game.newGame();
            if (g % 500 == 0) {
                cheat = {};
                game.setCheatChoice(cheat);
            }
        }
        const long growth = residentKilobytes() - residentAfterWarmUp;
        qInfo("%ld actions, %d games over, %d rounds won, %ld kB more memory", actions, gamesOver,
              roundsWon, growth);
        QVERIFY(actions > 1000000 && gamesOver > 100 && roundsWon > 0);
#ifndef __SANITIZE_ADDRESS__ // the sanitizer holds freed memory back on purpose
        QVERIFY(growth < 1024);
#endif
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
