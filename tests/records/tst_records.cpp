// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/solver.h"
#include "options/optionstore.h"
#include "play/playmenu.h"
#include "records/scorechart.h"
#include "storage/datadirectory.h"
#include "tests/support/windowdriver.h"

#include <random>

using namespace corvelle;
using namespace corvelle::test;

// The statistics and their file, and the kept game.
class StatsTest : public QObject {
    Q_OBJECT

    WindowFixture fixture_;

private slots:
    void initTestCase() { QVERIFY(fixture_.setUp()); }
    void init() { fixture_.reset(); }
    void cleanupTestCase() { setDialogs(nullptr); }

    // A best comes after its round: an unknown one is left out, not counted as 0.
    void roundsGamesAndBestsKnownLateOrNever() {
        Statistics s(dataDirectory());
        std::int64_t game = 0;
        const std::int64_t first = s.roundEnded(game, 7, 1, 300, true);
        s.runPlayed(4);
        s.gameOver(game, 7, 2, 100, 400, 2);
        s.runPlayed(9);
        s.runPlayed(6);
        QVERIFY(s.takeBackGameOver()); // an undo, and the game goes on; its runs stay played
        QVERIFY(s.data().gamesPlayed == 0 && s.data().roundsPlayed == 1);
        QCOMPARE(s.data().longestRun, 9);
        const std::int64_t last = s.gameOver(game, 7, 2, 90, 390, 2);
        s.gameLeft(0, 8, 10);
        const StatisticsData& d = s.data();
        QVERIFY(d.gamesPlayed == 2 && d.roundsCleared == 1 && d.clearedShare() == 0.5);
        QVERIFY(d.bestGameScore == 390 && d.bestRound == 300 && d.meanScore() == 200.0);
        QVERIFY(!d.meanShare() && !d.games[0].best);
        s.setRoundBest(first, 400);
        s.setRoundBest(first, 999); // a round's best is known once: a second answer changes nothing
        QVERIFY(d.meanShare() == 0.75 && !d.games[0].best);
        s.setRoundBest(last, 180);
        QVERIFY(d.meanShare() == 0.625 && d.games[0].best == 580 && !d.games[1].best);
        ScoreChart chart(nullptr); // and in words, for a screen reader
        chart.setGames(d.games);
        QCOMPARE(chart.summary(), "2 games, oldest first: 390 of 580 possible, 10 (best unknown)");
        s.flush();
        Statistics again(dataDirectory());
        again.load();
        QVERIFY(again.data() == d && fixture_.messages.isEmpty());
        // A reset counts afresh, yet serials and keys go on: no later game is taken for an
        // earlier one (a kept game may still finish), nor a late best meant for an earlier round
        // given to a later one.
        again.reset();
        std::int64_t next = 0;
        QVERIFY(again.roundEnded(next, 9, 1, 50, false) > last && next > game);
    }

    // Random play with options and wild cards: every state is written, read back whole and
    // accepted, and a resumed copy plays on in step with it, into the decks of later rounds.
    void keptGamePlaysOnInStep() {
        DealtGame first({}, 42), second;
        Game &game = first.game, &resumed = second.game;
        QVERIFY(game.resume(nearlyCleared(game.state())));
        std::mt19937 rng(3);
        for (int step = 0; step < 20000; ++step) {
            const SavedGame saved{game.state(), game.state().score, step + 1};
            const auto kept = readSavedGame(writeSavedGame(saved));
            QVERIFY2(kept && *kept == saved && whyImpossible(saved.state).empty(),
                     qPrintable(QString::number(step)));
            QVERIFY(step % 200 != 0 || resumed.resume(kept->state));
            const int roll = static_cast<int>(rng() % 100), slot = fittingSlot(game);
            CheatChoice cheat{.wildCount = MaxWildCards, .cheatsEnabled = roll == 6};
            for (int i = 0; i < MaxWildCards; ++i) {
                cheat.wildMark[1 + 8 * i + rng() % 8] = 1;
            }
            const std::uint64_t deal = 1 + rng() % MaxDealNumber;
            const Options options{.aceKingWrap = roll == 4,
                                  .backgroundClickDraws = true,
                                  .scoringOn = step % 3 > 0,
                                  .shuffleCount = 1 + step % 3};
            for (Game* g : {&game, &resumed}) {
                roll < 4                             ? g->undoLastMove()
                : roll < 6                           ? g->setOptions(options)
                : roll < 8                           ? g->setCheatChoice(cheat)
                : (g->state().gameOver && roll < 30) ? g->newGame(deal)
                : roll < 90 && slot >= 0             ? void(g->clickTableSlot(slot))
                                                     : void(g->clickBackground());
            }
            QVERIFY2(resumed.state() == game.state(), qPrintable(QString::number(step)));
            QVERIFY(step > 0 || game.state().roundIndex == 2);
        }
    }

    // Settings no menu writes (both draw choices on) play as one choice of the menus, so the
    // game kept at the close resumes in the next window as it was. A kept game that an older
    // version wrote with both reads by the same rule (it keeps no marks: the default item).
    void aKeptGameOfContradictorySettingsResumesOneOfAnotherDeckNot() {
        QVERIFY(QDir().mkpath(QFileInfo(OptionStore::fileName()).path()) &&
                writeFile(OptionStore::fileName(),
                          "[Settings]\nClickCardPileTo=True\nClickFormAlso=True\n"));
        auto window = fixture_.open();
        click(*window, "Image3");
        const GameState kept = window->game().state();
        window->close();
        auto saved = readSavedGame(readFile(KeptGame(dataDirectory()).filePath()));
        auto next = fixture_.open();
        menuItem(*next, "mnuResumeGame")->trigger();
        QCOMPARE(fixture_.messages.join(' '), QString());
        QVERIFY(next->game().state() == kept && kept.options == Options{} &&
                menuItem(*next, "mnuDiscardPileA")->isChecked());
        QVERIFY(saved && saved->state.options == Options{});
        const SavedGame settled = *saved;
        saved->state.options.drawPileClickDraws = saved->state.options.backgroundClickDraws = true;
        QCOMPARE(readSavedGame(writeSavedGame(*saved)), settled);
        saved->state.options.shuffleCount = 4; // damage, not a contradiction: refused
        QVERIFY(!whyImpossible(readSavedGame(writeSavedGame(*saved))->state).empty());
        // A kept game whose deck its deal did not give (two cards of the draw pile swapped, to
        // make an easy game) is refused as damaged: put aside, the player told once, and left
        // alone.
        click(*next, "Image3");
        next->close();
        const QString keptFile = KeptGame(dataDirectory()).filePath();
        saved = readSavedGame(readFile(keptFile));
        QVERIFY(saved && saved->state.dealNumber != 0);
        std::swap(saved->state.deck[50], saved->state.deck[53]);
        QVERIFY(replaceFileContent(keptFile, writeSavedGame(*saved)).isEmpty());
        auto last = fixture_.open();
        const GameState before = last->game().state();
        menuItem(*last, "mnuResumeGame")->trigger();
        QCOMPARE(fixture_.messages.size(), 1);
        QVERIFY2(fixture_.messages[0].contains("cannot be resumed"),
                 qPrintable(fixture_.messages[0]));
        QVERIFY(last->game().state() == before && !QFile::exists(keptFile));
        QCOMPARE(readSavedGame(readFile(keptFile + ".damaged")), saved);
        QVERIFY(!menuItem(*last, "mnuResumeGame")->isEnabled());
    }

    // The statistics and the kept game agree however either was lost: a kept game that has a
    // serial already (a round of it was won) is resumed and ended after the statistics were
    // lost, and what the statistics then write reads back.
    void aKeptGameOutlivesLostStatistics() {
        // No game enters the Hall of Fame, so no other game follows.
        QVERIFY(fixture_.fillHallOfFame(1000000000));
        auto window = fixture_.open();
        fixture_.answer = "2"; // a deal whose first round can be cleared
        menuItem(*window, "mnuPlayDealNumber")->trigger();
        const ClearResult clearing = canClearTable(positionOf(window->game().state()));
        QVERIFY(clearing.canClear);
        for (const SolverMove& move : clearing.line) {
            move.isDraw() ? click(*window, "Image3") : click(*window, "Image1", move.slot);
        }
        QCOMPARE(window->game().state().roundIndex, 2);
        click(*window, "Image3");
        window->close();
        const QString file = Statistics(dataDirectory()).filePath();
        QVERIFY(QFile::remove(file));
        auto next = fixture_.open();
        menuItem(*next, "mnuResumeGame")->trigger();
        QVERIFY(next->game().state().roundIndex == 2 && fixture_.messages.isEmpty());
        QVERIFY(playUntil(*next, [&] { return next->game().state().gameOver; }));
        next->close();
        Statistics again(dataDirectory());
        QCOMPARE(again.load(), QString());
        QVERIFY(again.data().gamesPlayed == 1 && again.data().rounds.size() == 1);
        // A serial that statistics started again gave to a game of another deal is not shared.
        std::int64_t other = 0;
        again.roundEnded(other, 99, 1, 10, true);
        QVERIFY(again.adoptGame(other, 2) == 0 && again.adoptGame(other, 99) == other);
    }
};

QTEST_MAIN(StatsTest)
#include "tst_records.moc"
