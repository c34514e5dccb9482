// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Solver figures over the game's own numbered deals, dealt exactly as the game deals them (the
// deal's random source, one shuffle pass, round 1): how often canClearTable clears and how long
// it takes, the best score's solve time, states and memory, the fixed cost of a solve, how soon
// a cancelled solve returns, and how long a whole round's review takes.
// Times are the solving thread's processor time, so other work on the machine does not count.
//   bench_solver [solves [clears]]   deals 1..solves for the best score (3200), deals
//                                    1..clears for canClearTable (10000)
#include "engine/display.h"
#include "engine/game.h"
#include "engine/randomsource.h"
#include "engine/rules.h"
#include "engine/solver.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <pthread.h>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <time.h>
#include <vector>

namespace {

using corvelle::SolverPosition;

double secondsOf(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double threadSeconds() {
    return secondsOf(CLOCK_THREAD_CPUTIME_ID);
}

// The median, the 99th percentile and the worst of some times, in milliseconds.
std::string spread(std::vector<double> seconds) {
    std::sort(seconds.begin(), seconds.end());
    auto at = [&](double share) {
        return 1e3 *
               seconds[static_cast<std::size_t>(share * static_cast<double>(seconds.size() - 1))];
    };
    char text[96];
    std::snprintf(text, sizeof text, "median %8.2f ms  p99 %8.2f ms  worst %8.2f ms", at(0.5),
                  at(0.99), seconds.back() * 1e3);
    return text;
}

// The game's own deal of a numbered deal's first round, on a table nobody sees.
class Dealer {
public:
    explicit Dealer(bool aceKingWrap) : game_(display_, random_) {
        game_.setOptions({.aceKingWrap = aceKingWrap, .scoringOn = true, .shuffleCount = 1});
    }

    corvelle::Game& deal(std::uint64_t number) {
        game_.newGame(number);
        return game_;
    }
    SolverPosition position(std::uint64_t number) {
        return corvelle::positionOf(deal(number).state());
    }

private:
    corvelle::NullDisplay display_;
    corvelle::DealRandom random_;
    corvelle::Game game_;
};

void benchClearing(bool wrap, int deals) {
    Dealer dealer(wrap);
    std::vector<double> times;
    int clearable = 0;
    int unsure = 0;
    for (int deal = 1; deal <= deals; ++deal) {
        const SolverPosition position = dealer.position(static_cast<std::uint64_t>(deal));
        const double start = threadSeconds();
        const corvelle::ClearResult result = corvelle::canClearTable(position);
        times.push_back(threadSeconds() - start);
        clearable += result.canClear ? 1 : 0;
        unsure += result.exact ? 0 : 1;
    }
    std::printf("canClearTable, Ace-King %-3s  deals 1..%d  clearable %5.1f %%  (%d not proven)\n",
                wrap ? "on" : "off", deals, 100.0 * clearable / deals, unsure);
    std::printf("canClearTable, Ace-King %-3s  time      %s\n", wrap ? "on" : "off",
                spread(times).c_str());
}

// One solve: its figures, and how much more heap is in use once its result is gone.
struct Solved {
    std::uint64_t deal = 0;
    double seconds = 0;
    std::int64_t best = 0;
    bool lineClears = false;
    bool exact = false;
    std::uint64_t states = 0;
    std::size_t peakBytes = 0;
    long heapLeft = 0;
};

Solved solveOne(const SolverPosition& position) {
    const long heapBefore = static_cast<long>(mallinfo2().uordblks);
    Solved solved;
    {
        const double start = threadSeconds();
        const corvelle::SolverResult result = corvelle::solve(position);
        solved.seconds = threadSeconds() - start;
        solved.best = result.best;
        solved.lineClears = result.bestLineClears;
        solved.exact = result.exact;
        solved.states = result.states;
        solved.peakBytes = result.peakBytes;
    }
    solved.heapLeft = static_cast<long>(mallinfo2().uordblks) - heapBefore;
    return solved;
}

// Solves deals 1..deals; returns the deal numbers, slowest first.
std::vector<std::uint64_t> benchSolving(bool wrap, int deals) {
    Dealer dealer(wrap);
    std::vector<Solved> all;
    all.reserve(static_cast<std::size_t>(deals));
    for (int deal = 1; deal <= deals; ++deal) {
        all.push_back(solveOne(dealer.position(static_cast<std::uint64_t>(deal))));
        all.back().deal = static_cast<std::uint64_t>(deal);
    }
    std::vector<double> times;
    double scores = 0;
    double states = 0;
    Solved most;
    int clears = 0;
    int overBudget = 0;
    for (const Solved& solved : all) {
        times.push_back(solved.seconds);
        scores += static_cast<double>(solved.best);
        states += static_cast<double>(solved.states);
        clears += solved.lineClears ? 1 : 0;
        overBudget += solved.exact ? 0 : 1;
        most.states = std::max(most.states, solved.states);
        most.peakBytes = std::max(most.peakBytes, solved.peakBytes);
        most.heapLeft = std::max(most.heapLeft, solved.heapLeft);
    }
    const char* name = wrap ? "on " : "off";
    std::printf("solve, Ace-King %s  deals 1..%d  mean best %7.1f  best line clears %5.1f %%  "
                "over budget %d\n",
                name, deals, scores / deals, 100.0 * clears / deals, overBudget);
    std::printf("solve, Ace-King %s  time      %s\n", name, spread(times).c_str());
    std::printf("solve, Ace-King %s  states    mean %.0f  max %llu\n", name, states / deals,
                static_cast<unsigned long long>(most.states));
    std::printf("solve, Ace-King %s  memory    peak %.1f MB; heap still held after a solve: %ld "
                "bytes\n",
                name, static_cast<double>(most.peakBytes) / (1024.0 * 1024.0), most.heapLeft);
    std::sort(all.begin(), all.end(),
              [](const Solved& a, const Solved& b) { return a.seconds > b.seconds; });
    // One timing of a long solve on a shared machine may take a third longer than the solve
    // itself needs, as timings of the same deal show: the slowest deals are timed again, and
    // the least of each deal's timings is its time.
    constexpr std::size_t Again = 8;
    constexpr int Timings = 5;
    Solved worst;
    for (std::size_t i = 0; i < std::min(all.size(), Again); ++i) {
        Solved least = all[i];
        const SolverPosition position = dealer.position(all[i].deal);
        for (int timing = 1; timing < Timings; ++timing) {
            least.seconds = std::min(least.seconds, solveOne(position).seconds);
        }
        if (least.seconds > worst.seconds) {
            worst = least;
        }
    }
    std::printf("solve, Ace-King %s  the %zu slowest, least of %d timings each: worst %8.2f ms "
                "(deal %llu)\n",
                name, Again, Timings, worst.seconds * 1e3,
                static_cast<unsigned long long>(worst.deal));
    std::vector<std::uint64_t> slowest;
    slowest.reserve(all.size());
    for (const Solved& solved : all) {
        slowest.push_back(solved.deal);
    }
    return slowest;
}

// The fixed cost of a solve: the time of solves that have next to nothing to search, each from
// cold. One keeps the whole dealt table with the draw pile used up and a discard top that no free
// card fits: nothing can be played, so no bound is ever asked for; this is what a solve of a full
// table pays before its search begins. The next has the same table and used-up pile with a
// discard top that some free card fits: a single run is left to search, so its time is what a
// small search of a full table pays for its bounds (their tables are built only once a search
// has run a while). The last leaves one card, in the last column (the highest heights code a
// single card can have).
void benchFixedCost() {
    Dealer dealer(false);
    std::vector<double> full;
    std::vector<double> oneRun;
    std::vector<double> oneCard;
    // The first card that no free card of the dealt table fits (`fitting` false), or that one
    // does (true); 0 when there is none.
    auto discardTop = [](const SolverPosition& position, bool fitting) {
        for (int code = 1; code <= corvelle::OrdinaryCards; ++code) {
            bool fitsNone = true;
            for (int column = 0; column < corvelle::Columns; ++column) {
                fitsNone = fitsNone &&
                           !corvelle::ranksFit(corvelle::faceRank(position.table[5 * column + 4]),
                                               corvelle::faceRank(code), false);
            }
            if (fitsNone != fitting) {
                return code;
            }
        }
        return 0;
    };
    for (std::uint64_t deal = 1; full.size() < 200; ++deal) {
        SolverPosition position = dealer.position(deal);
        position.drawn = position.drawPileSize;
        position.discardTop = discardTop(position, false);
        if (position.discardTop == 0) {
            continue;
        }
        double start = threadSeconds();
        corvelle::solve(position);
        full.push_back(threadSeconds() - start);
        position.discardTop = discardTop(position, true);
        start = threadSeconds();
        corvelle::solve(position);
        oneRun.push_back(threadSeconds() - start);
        position = dealer.position(deal);
        position.heights = {0, 0, 0, 0, 0, 0, 1};
        start = threadSeconds();
        corvelle::solve(position);
        oneCard.push_back(threadSeconds() - start);
    }
    std::printf("fixed cost, full table, nothing to play    %s\n", spread(full).c_str());
    std::printf("fixed cost, full table, one run to play    %s\n", spread(oneRun).c_str());
    std::printf("fixed cost, one card left                  %s\n", spread(oneCard).c_str());
}

// A solve on a thread of its own, cancelled `delay` after it started: the solving thread's
// processor time from the moment the flag was set to its return, or a negative number when the
// solve was over before the flag was set.
double cancelLatency(const SolverPosition& position, std::chrono::microseconds delay) {
    std::atomic<bool> cancel{false};
    std::atomic<bool> returned{false};
    double returnedAt = 0;
    std::thread worker([&] {
        corvelle::solve(position, {}, &cancel);
        returnedAt = threadSeconds();
        returned = true;
    });
    clockid_t workerClock{};
    pthread_getcpuclockid(worker.native_handle(), &workerClock);
    std::this_thread::sleep_for(delay);
    const double setAt = secondsOf(workerClock);
    cancel = true;
    const bool early = returned.load();
    worker.join();
    return early ? -1.0 : returnedAt - setAt;
}

void benchCancel(const std::vector<std::uint64_t>& slowest) {
    Dealer dealer(false);
    std::vector<double> latencies;
    int early = 0;
    for (std::size_t i = 0; i < std::min<std::size_t>(slowest.size(), 8); ++i) {
        const SolverPosition position = dealer.position(slowest[i]);
        for (int ms : {1, 3, 10, 30}) {
            const double latency = cancelLatency(position, std::chrono::milliseconds(ms));
            latency < 0 ? ++early : (latencies.push_back(latency), 0);
        }
    }
    if (latencies.empty()) {
        std::printf("cancel: every solve was over before its cancel\n");
        return;
    }
    std::printf("cancel, flag to return (%zu cancels of the 8 slowest deals, %d over before)  %s\n",
                latencies.size(), early, spread(latencies).c_str());
}

// The positions of a round as a review sees them: before and after every action of a round
// played by a fixed simple policy (the first card that fits, a draw when none does, an undo
// every sixth action, after which the last card that fits is played instead). Empty when the
// deal's first round ends before `actions` actions.
std::vector<SolverPosition> roundPositions(Dealer& dealer, std::uint64_t deal, int actions) {
    corvelle::Game& game = dealer.deal(deal);
    std::vector<SolverPosition> positions{corvelle::positionOf(game.state())};
    bool undone = false;
    for (int action = 0; action < actions; ++action) {
        const corvelle::GameState& state = game.state();
        if (action % 6 == 5 && state.undo.undoAvailable) {
            game.undoLastMove();
            undone = true;
        } else {
            std::vector<int> fitting;
            for (int slot = 0; slot < corvelle::TableSlots; ++slot) {
                if (game.canPlay(slot)) {
                    fitting.push_back(slot);
                }
            }
            if (!fitting.empty()) {
                game.clickTableSlot(undone ? fitting.back() : fitting.front());
            } else if (state.drawPileCount > 0) {
                game.clickDiscardPile();
            } else {
                return {};
            }
            undone = false;
        }
        if (game.state().roundIndex != 1 || game.state().gameOver) {
            return {};
        }
        positions.push_back(corvelle::positionOf(game.state()));
    }
    return positions;
}

// A review's solves, each afresh and all on one RoundSolver, as the game's review asks them;
// and each position alone, as a question asked in a round in play: afresh, and on the
// RoundSolver the questions keep once the round's first question has been answered.
void benchReview() {
    constexpr int Actions = 60;
    constexpr int Rounds = 20;
    Dealer dealer(false);
    std::vector<double> apart;
    std::vector<double> together;
    std::vector<double> eachApart;
    std::vector<double> eachLater;
    std::uint64_t firstDeal = 0;
    for (std::uint64_t deal = 1; apart.size() < Rounds; ++deal) {
        const std::vector<SolverPosition> positions = roundPositions(dealer, deal, Actions);
        if (positions.empty()) {
            continue;
        }
        firstDeal = firstDeal == 0 ? deal : firstDeal;
        apart.push_back(0);
        for (const SolverPosition& position : positions) {
            const double start = threadSeconds();
            corvelle::solve(position);
            eachApart.push_back(threadSeconds() - start);
            apart.back() += eachApart.back();
        }
        together.push_back(0);
        corvelle::RoundSolver round;
        for (const SolverPosition& position : positions) {
            const double start = threadSeconds();
            round.solve(position);
            const double seconds = threadSeconds() - start;
            together.back() += seconds;
            if (&position != &positions.front()) {
                eachLater.push_back(seconds);
            }
        }
    }
    std::printf("review of a %d-action round (%d rounds from deal %llu), one solve each  %s\n",
                Actions, Rounds, static_cast<unsigned long long>(firstDeal), spread(apart).c_str());
    std::printf("review of a %d-action round, one RoundSolver for the round           %s\n",
                Actions, spread(together).c_str());
    std::printf("a question in those rounds, solved afresh                          %s\n",
                spread(eachApart).c_str());
    std::printf("a question after the round's first, on the questions' RoundSolver   %s\n",
                spread(eachLater).c_str());
}

} // namespace

int main(int argc, char** argv) {
    const int solves = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3200;
    const int clears = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10000;
    const double start = secondsOf(CLOCK_PROCESS_CPUTIME_ID);
    for (bool wrap : {false, true}) {
        benchClearing(wrap, clears);
    }
    std::printf("\nsolve, scoring on, budget %llu states\n",
                static_cast<unsigned long long>(corvelle::SolverLimits{}.maxStates));
    const std::vector<std::uint64_t> slowest = benchSolving(false, solves);
    benchSolving(true, solves);
    std::printf("\n");
    benchFixedCost();
    benchCancel(slowest);
    benchReview();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("\nlargest resident set of the process: %.1f MB; the whole bench took %.0f s\n",
                static_cast<double>(usage.ru_maxrss) / 1024.0,
                secondsOf(CLOCK_PROCESS_CPUTIME_ID) - start);
    return 0;
}
