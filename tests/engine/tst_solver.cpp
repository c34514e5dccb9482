// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/clearabledeals.h"
#include "engine/solver.h"
#include "play/solverrunner.h"
#include "tests/support/enginefakes.h"

#include <QtTest>

#include <algorithm>
#include <map>
#include <numeric>
#include <random>
#include <string_view>
#include <tuple>

using namespace corvelle;
using namespace corvelle::test;

namespace {

// The rules of a round, step by step, as the game plays them.
struct Round {
    const SolverPosition* p;
    std::array<int, Columns> heights;
    int drawn, top;
    RunPhase antyPhase;
    std::int64_t anty, score = 0;

    explicit Round(const SolverPosition& position)
        : p(&position), heights(position.heights), drawn(position.drawn), top(position.discardTop),
          antyPhase(position.antyPhase), anty(position.anty) {}

    int rank(int code) const { return isJoker(code) || (p->wild >> code & 1) ? 0 : faceRank(code); }
    int cardsLeft() const { return std::accumulate(heights.begin(), heights.end(), 0); }
    bool canPlay(int slot) const {
        const int c = rank(p->table[slot]), d = rank(top), apart = std::abs(c - d);
        return heights[slot / 5] == slot % 5 + 1 &&
               (c == 0 || d == 0 || apart == 1 || (p->aceKingWrap && apart == 12));
    }
    bool canDraw() const { return drawn < p->drawPileSize; }
    void play(int slot) {
        top = p->table[slot];
        --heights[slot / 5];
        if (cardsLeft() == 0) {
            score += 5 * (p->drawPileSize - drawn);
        }
        if (p->scoringOn) {
            anty = antyPhase == RunPhase::Starting ? 5 : anty + 5;
            antyPhase = antyPhase == RunPhase::Starting ? RunPhase::Running : antyPhase;
            score += anty;
        }
    }
    void draw() {
        top = p->drawPile[drawn++];
        if (p->scoringOn) {
            antyPhase = antyPhase == RunPhase::Running ? RunPhase::Starting : antyPhase;
            anty = 5;
        }
    }
    // Plays a line; false as soon as a move is not allowed.
    bool replay(const std::vector<SolverMove>& line) {
        for (SolverMove move : line) {
            const bool legal =
                cardsLeft() > 0 &&
                (move.isDraw() ? canDraw()
                               : move.slot >= 0 && move.slot < TableSlots && canPlay(move.slot));
            if (!legal) {
                return false;
            }
            move.isDraw() ? draw() : play(move.slot);
        }
        return true;
    }
};

// Every state of the round tried, remembered by (heights, draws, top, run): the most points
// the rest can give and whether the table can still be cleared.
class PlainSearch {
public:
    std::pair<std::int64_t, bool> best(const Round& r) {
        if (r.cardsLeft() == 0) {
            return {0, true};
        }
        const auto key = std::tuple(r.heights, r.drawn, r.top, r.anty, r.antyPhase);
        if (auto known = seen_.find(key); known != seen_.end()) {
            return known->second;
        }
        std::pair<std::int64_t, bool> result{0, false};
        auto consider = [&](Round next) {
            const auto [points, clears] = best(next);
            result.first = std::max(result.first, next.score - r.score + points);
            result.second = result.second || clears;
        };
        for (const int slot : playableSlots(r)) {
            Round next = r;
            next.play(slot);
            consider(next);
        }
        if (r.canDraw()) {
            Round next = r;
            next.draw();
            consider(next);
        }
        return seen_[key] = result;
    }

private:
    std::map<std::tuple<std::array<int, Columns>, int, int, std::int64_t, RunPhase>,
             std::pair<std::int64_t, bool>>
        seen_;
};

std::array<int, DeckSize> shuffledDeck(std::mt19937& random) {
    std::array<int, DeckSize> deck{};
    std::iota(deck.begin(), deck.end(), 1);
    std::shuffle(deck.begin(), deck.end(), random);
    return deck;
}

struct Shape {
    int maxHeight, maxPile;
    bool wrap, scoring;
    int extraWild;
    RunPhase antyPhase;
    int jokers, ranks;
    int firstColumn = 0; // the most cards column 0 may hold, when more than maxHeight
};

// A random position of the given shape: heights up to maxHeight (column 0's up to firstColumn
// when that is more), a draw pile of up to maxPile cards partly drawn, a run in progress. With
// fewer ranks (King, Ace, 2, ..) runs are longer and more tables can be cleared.
SolverPosition randomPosition(std::mt19937& random, const Shape& shape) {
    auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    std::array<int, DeckSize> deck = shuffledDeck(random);
    for (int joker = BlackJoker; joker < BlackJoker + shape.jokers; ++joker) {
        std::iter_swap(std::find(deck.begin(), deck.end(), joker),
                       deck.begin() + 5 * below(Columns));
    }
    SolverPosition p = dealtPosition(deck, shape.wrap);
    for (int& height : p.heights) {
        height = below(shape.maxHeight + 1);
    }
    if (shape.firstColumn > shape.maxHeight) {
        p.heights[0] = below(shape.firstColumn + 1);
    }
    p.drawPileSize = below(shape.maxPile + 1);
    p.drawn = below(p.drawPileSize + 1);
    p.anty = 5 * (1 + below(6));
    p.antyPhase = shape.antyPhase;
    p.scoringOn = shape.scoring;
    auto narrow = [&](int& code) {
        code = isJoker(code) ? code : code - faceRank(code) + (12 + code % shape.ranks) % 13 + 1;
    };
    std::for_each(p.table.begin(), p.table.end(), narrow);
    std::for_each(p.drawPile.begin(), p.drawPile.end(), narrow);
    narrow(p.discardTop);
    for (int w = 0; w < shape.extraWild; ++w) {
        p.wild |= std::uint64_t{1} << (1 + below(52));
    }
    return p;
}

// The result's line is legal, scores its best and clears the table when the result says so.
void checkLine(const SolverPosition& p, const SolverResult& result) {
    Round round(p);
    QVERIFY(round.replay(result.line));
    QCOMPARE(round.score, result.best);
    QCOMPARE(result.bestLineClears, round.cardsLeft() == 0);
}

// The position a round has reached, as the solver is asked about it.
SolverPosition positionAt(const Round& r) {
    SolverPosition p = *r.p;
    p.heights = r.heights;
    p.drawn = r.drawn;
    p.discardTop = r.top;
    p.anty = static_cast<std::int32_t>(r.anty);
    p.antyPhase = r.antyPhase;
    return p;
}

// The replay of `line` in a copy of the game `from`: what it scores, or -1 when a move of it is
// not allowed there.
std::int64_t scoreInGame(const GameState& from, const std::vector<SolverMove>& line) {
    DealtGame copy;
    Game& game = copy.game;
    if (!game.resume(from)) {
        return -1;
    }
    for (const SolverMove& move : line) {
        if (move.isDraw() ? game.state().drawPileCount == 0 : !game.canPlay(move.slot)) {
            return -1;
        }
        move.isDraw() ? game.clickDiscardPile() : game.clickTableSlot(move.slot);
    }
    return game.state().score - from.score;
}

} // namespace

Q_DECLARE_METATYPE(Shape)
Q_DECLARE_METATYPE(corvelle::Options)

// The solver against a plain walk over every state of small random positions, its lines replayed
// by a rules step written here and in the real game, also when a budget or a cancel cut it short,
// and positions worked out by hand; a RoundSolver through whole rounds with undos; and the
// runner that solves on a worker thread.
class TestSolver : public QObject {
    Q_OBJECT

private slots:
    void agreesWithPlainSearch_data() {
        QTest::addColumn<Shape>("shape");
        QTest::newRow("all ranks") << Shape{2, 6, true, true, 0, RunPhase::Starting, 0, 13};
        QTest::newRow("wrap") << Shape{2, 6, true, true, 0, RunPhase::Starting, 0, 4};
        QTest::newRow("no wrap") << Shape{2, 6, false, true, 0, RunPhase::Starting, 0, 4};
        QTest::newRow("deeper columns") << Shape{3, 5, true, true, 0, RunPhase::Running, 0, 5};
        QTest::newRow("jokers") << Shape{2, 6, false, true, 0, RunPhase::Running, 2, 6};
        QTest::newRow("extra wild cards") << Shape{2, 6, false, true, 3, RunPhase::Starting, 1, 13};
        QTest::newRow("phase unset") << Shape{2, 6, true, true, 1, RunPhase::Unset, 0, 5};
        QTest::newRow("scoring off") << Shape{2, 6, false, false, 0, RunPhase::Starting, 1, 5};
        QTest::newRow("a tall first column")
            << Shape{2, 6, false, true, 0, RunPhase::Starting, 1, 5, Rows};
    }

    void agreesWithPlainSearch() {
        QFETCH(Shape, shape);
        std::mt19937 random(std::hash<std::string_view>{}(QTest::currentDataTag()) & 0xFFFF);
        for (int i = 0; i < 120; ++i) {
            const SolverPosition p = randomPosition(random, shape);
            const auto [best, clears] = PlainSearch().best(Round(p));
            // Every other search builds its bounds' tables at once, triples and all, as a long
            // search does.
            const SolverResult result =
                solve(p, i % 2 == 0 ? SolverLimits{.boundsAfter = 0, .tripleBoundsAfter = 0}
                                    : SolverLimits{});
            QVERIFY(result.exact);
            QCOMPARE(result.best, best);
            checkLine(p, result);
            if (QTest::currentTestFailed()) {
                return;
            }
            // Cut short by its budget or a cancel, a search still gives a legal line and claims
            // no more than it found; a clearing line proves itself, and only a search that ran
            // to its end may say the table cannot be cleared.
            const std::atomic<bool> cancelled{true};
            for (const SolverResult& cut :
                 {solve(p, {result.states / 2}), solve(p, {}, &cancelled)}) {
                QVERIFY(cut.best <= best && (!cut.exact || cut.best == best));
                checkLine(p, cut);
            }
            const ClearResult clear = canClearTable(p);
            QVERIFY(clear.exact);
            for (const ClearResult& each :
                 {clear, canClearTable(p, {1}), canClearTable(p, {}, &cancelled)}) {
                QVERIFY(!each.exact || each.canClear == clears);
                Round round(p);
                QVERIFY(round.replay(each.line));
                QCOMPARE(round.cardsLeft() == 0, each.canClear);
            }
        }
    }

    void handWorkedPositions_data() {
        // Ranks of column 0 and column 1 by row, the last one free / the discard top / the
        // draw pile / the run's phase / "wrap" and "scoring" when on; the anty is 20.
        QTest::addColumn<QString>("position");
        QTest::addColumn<int>("best");
        // King on Ace only with the wrap: 5 for the card, 10 for the two cards left in the pile.
        QTest::newRow("wrap") << "13//1/5 5/1/wrap scoring" << 15;
        // Phase 0: the 8 on the 7 (20 + 5), draw a 10, the Jack on it scores 10 (the run does
        // not start afresh in phase 0), bonus 5. Drawing first gives only the Jack.
        QTest::newRow("phase 0") << "8/11/7/10 10/0/scoring" << 40;
        // The 5 and the 4 on the 6 (5 + 10), then the 9 on the drawn 8 (5) with one card left
        // (bonus 5): 25. Playing the 9 on the 8 first strands the 5 and the 4.
        QTest::newRow("order") << "4 5/9/6/8 12/1/scoring" << 25;
        // Scoring off: only the bonus, for clearing with one card left.
        QTest::newRow("scoring off") << "7/2/8/3 9/1/wrap" << 5;
    }

    void handWorkedPositions() {
        QFETCH(QString, position);
        QFETCH(int, best);
        const QStringList part = position.split('/');
        const auto ranks = [&](int i) {
            QList<int> found;
            for (const QString& rank : part[i].split(' ', Qt::SkipEmptyParts)) {
                found << rank.toInt();
            }
            return found;
        };
        SolverPosition p; // ranks as spades, clubs for the discard top and the pile
        for (int column : {0, 1}) {
            const QList<int> rows = ranks(column);
            p.heights[column] = int(rows.size());
            std::copy(rows.begin(), rows.end(), p.table.begin() + 5 * column);
        }
        p.discardTop = 13 + part[2].toInt();
        const QList<int> pile = ranks(3);
        p.drawPileSize = int(pile.size());
        std::transform(pile.begin(), pile.end(), p.drawPile.begin(), [](int r) { return 13 + r; });
        p.anty = 20;
        p.antyPhase = static_cast<RunPhase>(part[4].toInt());
        p.aceKingWrap = part[5].contains("wrap");
        p.scoringOn = part[5].contains("scoring");
        const SolverResult result = solve(p);
        QVERIFY(result.exact);
        QCOMPARE(result.best, best);
        checkLine(p, result);
    }

    // Only clearable tables: a deal or round whose table cannot be cleared moves on to the first
    // that can, and a game whose chooser picks a round deals that round, as its number deals it.
    void clearableTablesMoveOnToTheFirstThatClears() {
        const Options options{.aceKingWrap = false, .shuffleCount = 2};
        const CheatChoice cheat;
        auto clears = [&](std::uint64_t deal, std::int32_t round) {
            const ClearResult result =
                canClearTable(roundStartPosition(deal, round, options, cheat));
            return result.exact && result.canClear;
        };
        int stuckDeals = 0, stuckRounds = 0;
        for (std::uint64_t deal = 1; stuckDeals < 1 || stuckRounds < 1; ++deal) {
            if (stuckDeals < 1 && !clears(deal, 1)) {
                ++stuckDeals;
                const std::uint64_t next = firstClearableDeal(deal, options, cheat)->deal;
                QVERIFY(next > deal && clears(next, 1));
                for (std::uint64_t between = deal + 1; between < next; ++between) {
                    QVERIFY(!clears(between, 1));
                }
            }
            if (stuckRounds < 1 && !clears(deal, 3)) {
                ++stuckRounds;
                const ClearableFind next = *firstClearableRound(deal, 3, options, cheat);
                QVERIFY(next.deal == deal && next.round > 3 && clears(deal, next.round));
                QCOMPARE(firstClearableRound(deal, 2, options, cheat)->round,
                         clears(deal, 2) ? 2 : next.round);
            }
        }
        QCOMPARE(firstClearableDeal(MaxDealNumber + 1, options, cheat)->deal,
                 firstClearableDeal(1, options, cheat)->deal);

        struct SkipTwo : RoundChooser {
            std::int32_t nextRound(const GameState&, std::int32_t after) override {
                return after + 3;
            }
        } skipTwo;
        DealtGame chosen(options);
        Game& game = chosen.game;
        game.setRoundChooser(&skipTwo);
        game.newGame(12);
        const SolverPosition dealt = positionOf(game.state());
        const SolverPosition numbered = roundStartPosition(12, 1, options, cheat);
        QVERIFY(dealt.table == numbered.table && dealt.drawPile == numbered.drawPile &&
                dealt.discardTop == numbered.discardTop);
        const ClearResult clearing = canClearTable(dealt);
        QVERIFY(clearing.canClear);
        for (const SolverMove& move : clearing.line) {
            move.isDraw() ? game.clickDiscardPile() : game.clickTableSlot(move.slot);
        }
        QCOMPARE(game.state().roundIndex, 4);
        QVERIFY(positionOf(game.state()).table == roundStartPosition(12, 4, options, cheat).table);
    }

    // A cancel set before a solve starts is seen within a few hundred states of the search. A
    // whole deal's solve cut short so returns without a proof and with a legal line, and the
    // RoundSolver it ran on answers the next question about the deal as a fresh solve does.
    void cancelledSolveStopsAndLeavesTheRoundSolverSound() {
        DealtGame dealt({.aceKingWrap = false}, 25);
        Game& game = dealt.game;
        const SolverPosition p = positionOf(game.state());
        const std::atomic<bool> cancelled{true};
        SolverPosition threeColumns = p; // thousands of states, a tiny longest-run table
        threeColumns.heights = {5, 5, 5, 0, 0, 0, 0};
        const SolverResult stopped = solve(threeColumns, {}, &cancelled);
        QVERIFY(!stopped.exact && stopped.states <= 512);
        RoundSolver shared;
        const SolverResult cut = shared.solve(p, {}, &cancelled);
        QVERIFY(!cut.exact);
        QVERIFY(scoreInGame(game.state(), cut.line) == cut.best);
        game.clickDiscardPile();
        const SolverPosition next = positionOf(game.state());
        QVERIFY(!shared.solve(next, {}, &cancelled).exact);
        const SolverResult later = shared.solve(next);
        QVERIFY(later.exact);
        QCOMPARE(later.best, solve(next).best);
    }

    // Of two requests made one after the other only the second is answered, on this thread; a
    // runner destroyed while it solves stops its worker. A runner that keeps its solver for the
    // round lets the cancelled solve finish before the next one uses it.
    void runnerDeliversOnlyTheLatestRequest_data() {
        QTest::addColumn<bool>("keepsRound");
        QTest::newRow("fresh") << false;
        QTest::newRow("keeps the round") << true;
    }
    void runnerDeliversOnlyTheLatestRequest() {
        QFETCH(bool, keepsRound);
        auto memory = keepsRound ? std::make_shared<SolverRunner::RoundMemory>() : nullptr;
        std::mt19937 random(3);
        const SolverPosition first = dealtPosition(shuffledDeck(random), false);
        const SolverPosition second = dealtPosition(shuffledDeck(random), true);
        SolverPosition later = second; // the same round after a draw
        later.drawn = 1;
        later.discardTop = second.drawPile[0];
        std::vector<std::int64_t> answers;
        {
            SolverRunner runner(nullptr, memory);
            QObject::connect(&runner, &SolverRunner::solved, [&](const SolverResult& result) {
                QCOMPARE(QThread::currentThread(), QCoreApplication::instance()->thread());
                answers.push_back(result.best);
            });
            runner.start(first);
            runner.start(second);
            QVERIFY(QTest::qWaitFor([&] { return !runner.busy(); }, 20000));
            QTest::qWait(50);
            runner.start(later);
            QVERIFY(QTest::qWaitFor([&] { return !runner.busy(); }, 20000));
            QTest::qWait(50);
            runner.start(first); // still running when the runner goes
        }
        QCOMPARE(answers, (std::vector<std::int64_t>{solve(second).best, solve(later).best}));
    }

    // Runners that share what they learn of a round take turns at it, but a request never waits
    // behind the other runner's solve: meanwhile it is solved afresh.
    void runnersSharingARoundNeverWaitForEachOther() {
        // Deal 53: its best takes a few hundred milliseconds.
        const DealtGame dealt({.aceKingWrap = false, .scoringOn = true, .shuffleCount = 1}, 53);
        const SolverPosition whole = positionOf(dealt.game.state());
        SolverPosition oneCard = whole;
        oneCard.heights = {0, 0, 0, 0, 0, 0, 1};
        auto memory = std::make_shared<SolverRunner::RoundMemory>();
        SolverRunner rounds(nullptr, memory);
        SolverRunner questions(nullptr, memory);
        QStringList answered;
        QObject::connect(&rounds, &SolverRunner::solved, [&] { answered << "round"; });
        QObject::connect(&questions, &SolverRunner::solved, [&] { answered << "question"; });
        rounds.start(whole);
        QVERIFY(QTest::qWaitFor([&] { return memory->inUse(); }, 10000));
        questions.start(oneCard);
        QVERIFY(QTest::qWaitFor([&] { return answered.size() == 2; }, 60000));
        QCOMPARE(answered, (QStringList{"question", "round"}));
    }

    // A round played move by move with undos on one RoundSolver: every answer, also one asked
    // right after an answer cut short by its budget, is the plain walk's best and its line
    // scores it. Each round is first asked about a later position, so the earlier ones go
    // above what the solver has seen, now and then under another Ace-King option, scoring,
    // run phase or wild card; then the solver goes on to another round.
    void roundSolverAgreesThroughARound_data() { agreesWithPlainSearch_data(); }

    void roundSolverAgreesThroughARound() {
        QFETCH(Shape, shape);
        std::mt19937 random(std::hash<std::string_view>{}(QTest::currentDataTag()) & 0xFFFF);
        auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        RoundSolver shared;
        for (int roundIndex = 0; roundIndex < 12; ++roundIndex) {
            // Every other round the bounds' tables are built at once, triples and all, so a
            // later, higher position must grow them.
            const SolverLimits limits = roundIndex % 2 == 0
                                            ? SolverLimits{.boundsAfter = 0, .tripleBoundsAfter = 0}
                                            : SolverLimits{};
            SolverPosition dealt = randomPosition(random, shape);
            dealt.drawn = 0;
            SolverPosition other = dealt;
            --other.heights[static_cast<std::size_t>(below(Columns))];
            other.heights[static_cast<std::size_t>(below(Columns))] = 0;
            switch (roundIndex % 5) {
            case 1:
                other.aceKingWrap = !other.aceKingWrap;
                break;
            case 2:
                other.scoringOn = !other.scoringOn;
                break;
            case 3:
                other.antyPhase =
                    other.antyPhase == RunPhase::Unset ? RunPhase::Starting : RunPhase::Unset;
                break;
            case 4:
                other.wild ^= std::uint64_t{1} << other.table[4];
                break;
            }
            if (std::all_of(other.heights.begin(), other.heights.end(),
                            [](int height) { return height >= 0; })) {
                QCOMPARE(shared.solve(other, limits).best, PlainSearch().best(Round(other)).first);
            }
            std::vector<Round> history{Round(dealt)};
            for (int action = 0; action < 14 && history.back().cardsLeft() > 0; ++action) {
                const SolverPosition p = positionAt(history.back());
                if (action % 5 == 3) {
                    const SolverResult cut =
                        shared.solve(p, {1 + static_cast<unsigned>(below(50))});
                    QVERIFY(!cut.exact || cut.best == solve(p).best);
                }
                const SolverResult result = shared.solve(p, limits);
                QVERIFY(result.exact);
                QCOMPARE(result.best, PlainSearch().best(history.back()).first);
                checkLine(p, result);
                if (QTest::currentTestFailed()) {
                    return;
                }
                Round next = history.back();
                const std::vector<int> playable = playableSlots(next);
                const int what = below(10);
                if (what < 2 && history.size() > 1) {
                    // As the game undoes: the table, the pile and the discard top go back, the
                    // run's phase stays, and with scoring on the anty starts again from 5.
                    history.pop_back();
                    history.back().antyPhase = next.antyPhase;
                    history.back().anty = dealt.scoringOn ? 5 : next.anty;
                    continue;
                }
                if (!playable.empty() && what < 8) {
                    next.play(playable[static_cast<std::size_t>(below(int(playable.size())))]);
                } else if (next.canDraw()) {
                    next.draw();
                } else {
                    break;
                }
                history.push_back(next);
            }
        }
    }

    // The positions of real rounds, reached by playing, drawing and undoing in the game itself,
    // answered by one RoundSolver per game exactly as by a fresh solve; each line, played in
    // the game, scores its best. The solver goes on from one game's round to the next.
    void roundSolverFollowsRealRounds_data() {
        QTest::addColumn<Options>("options");
        QTest::addColumn<bool>("wildCards");
        QTest::newRow("ace-king off") << Options{.aceKingWrap = false} << false;
        QTest::newRow("ace-king on") << Options{.aceKingWrap = true} << false;
        QTest::newRow("wild cards") << Options{.aceKingWrap = false} << true;
        QTest::newRow("scoring off") << Options{.aceKingWrap = true, .scoringOn = false} << false;
    }

    void roundSolverFollowsRealRounds() {
        QFETCH(Options, options);
        QFETCH(bool, wildCards);
        std::mt19937 random(11);
        RoundSolver shared;
        for (std::uint64_t deal : {25u, 18u}) {
            DealtGame dealt(options);
            Game& game = dealt.game;
            if (wildCards) {
                game.setCheatChoice(wildChoice(std::vector{spades(7), hearts(12)}, true));
            }
            game.newGame(deal);
            for (int action = 0; action < 12 && !game.state().gameOver; ++action) {
                const SolverResult result = shared.solve(positionOf(game.state()));
                const SolverResult fresh = solve(positionOf(game.state()));
                QVERIFY(result.exact && fresh.exact);
                QCOMPARE(result.best, fresh.best);
                QCOMPARE(scoreInGame(game.state(), result.line), result.best);
                const std::vector<int> playable = playableSlots(game);
                const auto what = random() % 8;
                if (what == 0 && game.state().undo.undoAvailable) {
                    game.undoLastMove();
                } else if (!playable.empty() && what < 6) {
                    game.clickTableSlot(playable[random() % playable.size()]);
                } else {
                    game.clickDiscardPile();
                }
                if (game.state().roundIndex != 1) {
                    break;
                }
            }
        }
    }

    // The best of the first round of numbered deals 1..60, with Ace-King off and on, as the
    // search found them before it bounded pairs of runs, aimed high and built its tables with
    // vectors; the two searches agreed on 6,000 positions of 600 deals. A bound that claims
    // too little shows on full tables like these, seldom on the small positions above.
    void bestOfNumberedDeals() {
        const std::array<std::array<int, 60>, 2> known{{
            {1355, 1460, 1120, 790,  850,  1270, 1030, 1390, 1935, 1405, 1560, 1620,
             1345, 1910, 960,  1250, 1150, 1535, 685,  1430, 875,  915,  720,  1460,
             1815, 1250, 755,  1050, 1310, 1550, 1370, 1795, 2005, 1950, 1455, 855,
             1150, 1800, 1145, 970,  1730, 1510, 1320, 660,  785,  1915, 1210, 1365,
             975,  1355, 700,  745,  935,  1465, 1280, 1040, 1670, 1510, 1060, 1430},
            {1525, 1490, 1460, 1560, 1530, 1270, 1230, 1440, 2685, 2060, 1580, 1800,
             1490, 2070, 1150, 1610, 1175, 1940, 1145, 1970, 1180, 1160, 1380, 2185,
             2070, 1930, 895,  1335, 2340, 1925, 2200, 2225, 2395, 2495, 1575, 1165,
             1565, 2060, 1595, 1690, 1935, 2250, 2080, 1340, 1380, 1940, 1595, 1820,
             1260, 1815, 1360, 1210, 1500, 2370, 1330, 1060, 2000, 1825, 1575, 1880},
        }};
        for (const bool wrap : {false, true}) {
            DealtGame dealt({.aceKingWrap = wrap});
            Game& game = dealt.game;
            for (int deal = 1; deal <= 60; ++deal) {
                game.newGame(static_cast<std::uint64_t>(deal));
                // Every other deal with the triples' bound from the start.
                const SolverResult result = solve(
                    positionOf(game.state()),
                    {.tripleBoundsAfter = deal % 2 == 0 ? 0 : SolverLimits{}.tripleBoundsAfter});
                QVERIFY(result.exact);
                QCOMPARE(result.best, known[wrap ? 1 : 0][static_cast<std::size_t>(deal - 1)]);
                QCOMPARE(scoreInGame(game.state(), result.line), result.best);
            }
        }
        // Deals further on where bounds with the triples first went wrong: on deal 393 a bound
        // of three runs that claimed a little too little, on deal 340 a kept bound given back
        // for another number of cards.
        for (const auto& [wrap, deal, best] :
             std::array<std::tuple<bool, int, int>, 2>{{{false, 393, 1365}, {true, 340, 1695}}}) {
            const DealtGame dealt({.aceKingWrap = wrap}, static_cast<std::uint64_t>(deal));
            QCOMPARE(solve(positionOf(dealt.game.state()), {.tripleBoundsAfter = 0}).best, best);
        }
    }
};

QTEST_GUILESS_MAIN(TestSolver)
#include "tst_solver.moc"
