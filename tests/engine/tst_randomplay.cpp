#include "enginefakes.h"

#include <QtTest>

#include <random>
#include <set>

using namespace corvelle;
using namespace corvelle::test;

namespace {

// The process's resident memory.
long residentKilobytes() {
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    return 0;
}

} // namespace

// Thousands of games of random actions with the invariants checked after every one, a million
// actions in one process without the memory growing (and under the leak checker in the
// sanitizer build), and the production shuffle over many deals.
class TestRandomPlay : public QObject {
    Q_OBJECT

private slots:
    void invariantsHoldThroughRandomGames();
    void tenThousandDealsNeverRepeat();
};

void TestRandomPlay::invariantsHoldThroughRandomGames() {
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
                std::vector<int> fitting;
                for (int slot = 0; slot < TableSlots; ++slot) {
                    if (game.canPlay(slot)) {
                        fitting.push_back(slot);
                    }
                }
                outcome = game.clickTableSlot(fitting.empty() || pick(10) < 3
                                                  ? pick(TableSlots)
                                                  : fitting[static_cast<std::size_t>(
                                                        pick(static_cast<int>(fitting.size())))]);
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

void TestRandomPlay::tenThousandDealsNeverRepeat() {
    std::random_device device;
    std::seed_seq seed{device(), device(), device(), device()};
    StdRandomSource shuffle(seed);
    FakeDisplay display;
    Game game(display, shuffle);
    std::set<std::vector<int>> decks;
    for (int deal = 0; deal < 10000; ++deal) {
        game.newGame();
        QVERIFY(isPermutation(game.state()));
        decks.emplace(game.state().deck.begin() + 1, game.state().deck.end());
    }
    QCOMPARE(decks.size(), 10000u);
}

QTEST_GUILESS_MAIN(TestRandomPlay)
#include "tst_randomplay.moc"
