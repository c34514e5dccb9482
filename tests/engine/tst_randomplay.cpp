#include "game.h"
#include "testsupport.h"

#include <QtTest>

#include <random>
#include <set>
#include <string>

using namespace corvelle;
using namespace corvelle::test;

// Thousands of games of random actions, with the game's invariants checked after every one,
// and the production shuffle's decks over many deals.
class TestRandomPlay : public QObject {
    Q_OBJECT

private slots:
    void invariantsHoldThroughRandomGames();
    void tenThousandDealsNeverRepeat();
};

namespace {

// Everything that must hold between two player actions once a game has been dealt.
QString brokenInvariant(const Game& game, const FakeDisplay& display) {
    const GameState& s = game.state;
    std::array<bool, DeckSize + 1> seen{};
    for (int p = 1; p <= DeckSize; ++p) {
        const int code = s.deck[p];
        if (code < 1 || code > DeckSize || seen[code]) {
            return QStringLiteral("deck is not a permutation at position %1").arg(p);
        }
        seen[code] = true;
    }
    if (s.deckPosition + s.drawPileCount != DeckSize) {
        return QStringLiteral("deckPosition %1 + drawPileCount %2")
            .arg(s.deckPosition)
            .arg(s.drawPileCount);
    }
    if (s.deckPosition < 36 || s.deckPosition > DeckSize) {
        return QStringLiteral("deckPosition %1").arg(s.deckPosition);
    }
    int onTable = 0;
    for (int slot = 0; slot < TableSlots; ++slot) {
        onTable += s.onTable[slot] ? 1 : 0;
        if (display.slotVisible[slot] != s.onTable[slot]) {
            return QStringLiteral("slot %1 picture visibility").arg(slot);
        }
        if (s.onTable[slot] && display.slotPicture[slot] != s.tableCards[slot]) {
            return QStringLiteral("slot %1 shows the wrong card").arg(slot);
        }
        if (s.tableCards[slot] != s.deck[slot + 1] ||
            s.columnCards[slot / 5][slot % 5] != s.tableCards[slot]) {
            return QStringLiteral("slot %1 card disagrees with the deck or the grid").arg(slot);
        }
        if ((s.columnPlayed[slot / 5][slot % 5] == 1) == s.onTable[slot]) {
            return QStringLiteral("slot %1 played mark").arg(slot);
        }
    }
    if (onTable != s.tableCardsLeft) {
        return QStringLiteral("tableCardsLeft %1, slots on the table %2")
            .arg(s.tableCardsLeft)
            .arg(onTable);
    }
    for (int i = 0; i < DrawPilePictures; ++i) {
        if (display.drawVisible[i] != (i < s.drawPileCount)) {
            return QStringLiteral("draw-pile picture %1 visibility").arg(i);
        }
    }
    if (display.discardPicture != s.discardTop) {
        return QStringLiteral("discard pile shows %1, top is %2")
            .arg(display.discardPicture)
            .arg(s.discardTop);
    }
    if (s.score < 0) {
        return QStringLiteral("negative score");
    }
    if (display.scoreText != std::to_string(s.score)) {
        return QStringLiteral("score label %1, score %2")
            .arg(QString::fromStdString(display.scoreText))
            .arg(s.score);
    }
    if (s.gameOver && s.drawPileCount != 0) {
        return QStringLiteral("game over with cards in the draw pile");
    }
    if (display.panelVisible != s.gameOver) {
        return QStringLiteral("game-over panel does not match the game");
    }
    if (s.cheat.wildCardsPlayed < 0) {
        return QStringLiteral("negative wildCardsPlayed");
    }
    return {};
}

} // namespace

void TestRandomPlay::invariantsHoldThroughRandomGames() {
    std::mt19937 rng(20261206);
    auto chance = [&](int percent) { return static_cast<int>(rng() % 100) < percent; };
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };

    std::seed_seq seed{1, 2, 3};
    StdRandomSource shuffle(seed);
    FakeDisplay display;
    Game game(display, shuffle);
    // Now and then the high-score check saves an entry, which deals a new game at once.
    display.onCheckHighScore = [&] {
        if (chance(30)) {
            game.dealGame(Game::NewGame);
        }
    };
    game.showDrawPileBacks();
    game.dealGame(Game::NewGame);

    const int games = 3000;
    long actions = 0;
    int roundsWon = 0;
    for (int g = 0; g < games; ++g) {
        for (int step = 0; step < 400; ++step) {
            const int what = pick(100);
            if (what < 70) {
                // Mostly the free cards, sometimes any slot at all.
                int slot = pick(TableSlots);
                if (chance(70)) {
                    // Like a player: a free card that fits, when there is one.
                    std::vector<int> fitting;
                    for (int s = 0; s < TableSlots; ++s) {
                        const auto check = game.checkTableCard(s);
                        if (game.state.onTable[s] && check.free &&
                            game.moveFits(check.cardRank, check.discardRank)) {
                            fitting.push_back(s);
                        }
                    }
                    if (!fitting.empty()) {
                        slot = fitting[static_cast<std::size_t>(pick(static_cast<int>(fitting.size())))];
                    }
                } else if (chance(80)) {
                    slot = 5 * pick(Columns) + 4;
                    while (slot % 5 > 0 && !game.state.onTable[slot]) {
                        --slot;
                    }
                }
                const int leftBefore = game.state.tableCardsLeft;
                game.clickTableSlot(slot);
                roundsWon += leftBefore == 1 && game.state.tableCardsLeft == TableSlots ? 1 : 0;
            } else if (what < 80) {
                game.clickDiscardPile();
            } else if (what < 82) {
                game.clickDrawPile(pick(DrawPilePictures));
            } else if (what < 85) {
                game.clickBackground();
            } else if (what < 92) {
                game.undoLastMove();
            } else if (what < 94) {
                Options& o = game.state.options;
                switch (pick(4)) {
                case 0:
                    o.aceKingWrap = !o.aceKingWrap;
                    break;
                case 1:
                    o.scoringOn = !o.scoringOn;
                    break;
                case 2:
                    o.shuffleCount = 1 + pick(3);
                    break;
                default: {
                    const int method = pick(3);
                    o.drawPileClickDraws = method == 1;
                    o.backgroundClickDraws = method == 2;
                }
                }
            } else if (what < 97) {
                CheatState& c = game.state.cheat;
                if (chance(50) && c.wildCount < MaxWildCards) {
                    const int code = 1 + pick(52);
                    if (c.wildMark[code] == 0) {
                        c.wildMark[code] = 1;
                        ++c.wildCount;
                    }
                }
                c.cheatsEnabled = c.wildCount > 0 && chance(70);
            } else if (what < 98) {
                game.dealGame(Game::NewGame);
            } else {
                // Let the next games run long enough to see game over and new rounds.
                game.state.options.backgroundClickDraws = true;
                game.clickBackground();
            }
            ++actions;
            const QString broken = brokenInvariant(game, display);
            if (!broken.isEmpty()) {
                QFAIL(qPrintable(
                    QStringLiteral("game %1, action %2: %3").arg(g).arg(step).arg(broken)));
            }
            if (game.state.gameOver && chance(20)) {
                break;
            }
        }
        game.dealGame(Game::NewGame);
    }
    QVERIFY(actions > games * 10);
    qInfo("%ld actions, %d games over, %d rounds won", actions, display.highScoreChecks, roundsWon);
    QVERIFY(display.highScoreChecks > 0);
    QVERIFY(roundsWon > 0);
}

void TestRandomPlay::tenThousandDealsNeverRepeat() {
    std::random_device device;
    std::seed_seq seed{device(), device(), device(), device()};
    StdRandomSource shuffle(seed);
    FakeDisplay display;
    Game game(display, shuffle);
    std::set<std::string> decks;
    for (int deal = 0; deal < 10000; ++deal) {
        game.dealGame(deal % 2 == 0 ? Game::NewGame : Game::NewRound);
        std::string deck;
        std::array<bool, DeckSize + 1> seen{};
        for (int p = 1; p <= DeckSize; ++p) {
            const int code = game.state.deck[p];
            QVERIFY(code >= 1 && code <= DeckSize && !seen[code]);
            seen[code] = true;
            deck.push_back(static_cast<char>(code));
        }
        QVERIFY2(decks.insert(deck).second, "a deck was dealt twice");
    }
    QCOMPARE(decks.size(), 10000u);
}

QTEST_GUILESS_MAIN(TestRandomPlay)
#include "tst_randomplay.moc"
