#include "testsupport.h"

#include <QtTest>

#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace corvelle;
using namespace corvelle::test;

// Thousands of games of random actions with the invariants checked after every one, and the
// production shuffle over many deals.
class TestRandomPlay : public QObject {
    Q_OBJECT

private slots:
    void invariantsHoldThroughRandomGames();
    void tenThousandDealsNeverRepeat();
};

namespace {

bool isPermutation(const GameState& s) {
    std::array<bool, DeckSize + 1> seen{};
    for (int p = 1; p <= DeckSize; ++p) {
        const int code = s.deck[p];
        if (code < 1 || code > DeckSize || std::exchange(seen[code], true)) {
            return false;
        }
    }
    return true;
}

// What must hold between two player actions once a game has been dealt; null when it does.
const char* brokenInvariant(const GameState& s, const FakeDisplay& display) {
    int onTable = 0;
    for (int slot = 0; slot < TableSlots; ++slot) {
        const int column = slot / 5;
        const int row = slot % 5;
        onTable += s.onTable[slot] ? 1 : 0;
        if (display.slotVisible[slot] != s.onTable[slot] ||
            (s.onTable[slot] && display.slotPicture[slot] != s.tableCards[slot])) {
            return "a table picture does not mirror its slot";
        }
        if (s.tableCards[slot] != s.deck[slot + 1] ||
            s.columnCards[column][row] != s.tableCards[slot] ||
            (s.columnPlayed[column][row] == 1) == s.onTable[slot]) {
            return "the column grids disagree with the table";
        }
    }
    for (int i = 0; i < DrawPilePictures; ++i) {
        if (display.drawVisible[i] != (i < s.drawPileCount)) {
            return "a draw-pile picture does not mirror the pile";
        }
    }
    const std::pair<bool, const char*> checks[] = {
        {!isPermutation(s), "the deck is not a permutation of 1 to 54"},
        {s.deckPosition + s.drawPileCount != DeckSize || s.deckPosition < 36,
         "deckPosition + drawPileCount is not 54"},
        {onTable != s.tableCardsLeft, "tableCardsLeft is not the number of cards on the table"},
        {display.discardPicture != s.discardTop, "the discard pile shows another card"},
        {s.score < 0, "the score is negative"},
        {display.scoreText != std::to_string(s.score), "the score label shows another score"},
        {s.gameOver && s.drawPileCount != 0, "game over with cards in the draw pile"},
        {display.panelVisible != s.gameOver, "the game-over panel does not match the game"},
        {s.cheat.wildCardsPlayed < 0, "wildCardsPlayed is negative"},
    };
    for (const auto& [broken, what] : checks) {
        if (broken) {
            return what;
        }
    }
    return nullptr;
}

} // namespace

void TestRandomPlay::invariantsHoldThroughRandomGames() {
    std::mt19937 rng(20261206);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    std::seed_seq seed{1, 2, 3};
    StdRandomSource shuffle(seed);
    FakeDisplay display;
    Game game(display, shuffle);
    GameState& s = game.state;
    // Now and then the high-score check saves an entry, which deals a new game at once.
    display.onCheckHighScore = [&] {
        if (pick(10) < 3) {
            game.dealGame(Game::NewGame);
        }
    };
    game.dealGame(Game::NewGame);

    long actions = 0;
    int roundsWon = 0;
    for (int g = 0; g < 3000; ++g) {
        for (int step = 0; step < 400 && !(s.gameOver && pick(5) == 0); ++step, ++actions) {
            const int what = pick(100);
            if (what < 70) {
                // Like a player, mostly a free card that fits; otherwise any slot at all.
                std::vector<int> fitting;
                for (int slot = 0; slot < TableSlots; ++slot) {
                    const auto check = game.checkTableCard(slot);
                    if (s.onTable[slot] && check.free &&
                        game.moveFits(check.cardRank, check.discardRank)) {
                        fitting.push_back(slot);
                    }
                }
                const int left = s.tableCardsLeft;
                game.clickTableSlot(fitting.empty() || pick(10) < 3
                                        ? pick(TableSlots)
                                        : fitting[static_cast<std::size_t>(
                                              pick(static_cast<int>(fitting.size())))]);
                roundsWon += left == 1 && s.tableCardsLeft == TableSlots ? 1 : 0;
            } else if (what < 80) {
                game.clickDiscardPile();
            } else if (what < 83) {
                game.clickDrawPile(pick(DrawPilePictures));
            } else if (what < 87) {
                game.clickBackground();
            } else if (what < 93) {
                game.undoLastMove();
            } else if (what < 95) {
                const int method = pick(3);
                s.options.drawPileClickDraws = method == 1;
                s.options.backgroundClickDraws = method == 2;
                s.options.aceKingWrap = pick(2) == 0;
                s.options.scoringOn = pick(4) != 0;
                s.options.shuffleCount = 1 + pick(3);
            } else if (what < 99) {
                CheatState& c = s.cheat;
                const int code = 1 + pick(52);
                if (c.wildCount < MaxWildCards && c.wildMark[code] == 0) {
                    c.wildMark[code] = 1;
                    ++c.wildCount;
                }
                c.cheatsEnabled = pick(10) < 7;
            } else {
                game.dealGame(Game::NewGame);
            }
            if (const char* broken = brokenInvariant(s, display)) {
                QFAIL(qPrintable(
                    QStringLiteral("game %1, action %2: %3").arg(g).arg(step).arg(broken)));
            }
        }
        game.dealGame(Game::NewGame);
        if (g % 500 == 0) {
            s.cheat = CheatState{};
        }
    }
    qInfo("%ld actions, %d games over, %d rounds won", actions, display.highScoreChecks, roundsWon);
    QVERIFY(actions > 100000);
    QVERIFY(display.highScoreChecks > 100);
    QVERIFY(roundsWon > 0);
}

void TestRandomPlay::tenThousandDealsNeverRepeat() {
    std::random_device device;
    std::seed_seq seed{device(), device(), device(), device()};
    StdRandomSource shuffle(seed);
    FakeDisplay display;
    Game game(display, shuffle);
    std::set<std::vector<int>> decks;
    for (int deal = 0; deal < 10000; ++deal) {
        game.dealGame(deal % 2 == 0 ? Game::NewGame : Game::NewRound);
        QVERIFY(isPermutation(game.state));
        decks.emplace(game.state.deck.begin() + 1, game.state.deck.end());
    }
    QCOMPARE(decks.size(), 10000u);
}

QTEST_GUILESS_MAIN(TestRandomPlay)
#include "tst_randomplay.moc"
