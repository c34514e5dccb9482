// Solver figures over seeded deals: how often the table can be cleared and how long
// canClearTable takes, then the best score, its time, states and memory for the game's deals.
// Times are the thread's processor time, so other work on the machine does not count.
//   bench_solver [deals]   deals per variant for canClearTable (10000); a tenth of that
//                          (1000) for the full solve
#include "engine/solver.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <numeric>
#include <random>
#include <string>
#include <sys/resource.h>
#include <time.h>
#include <vector>

namespace {

using corvelle::SolverPosition;

double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
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

// Fresh deals from a fixed seed: a Fisher-Yates shuffle of 54 or 52 cards (no jokers).
class Dealer {
public:
    Dealer(std::uint64_t seed, int cards) : random_(seed), deck_(static_cast<std::size_t>(cards)) {}

    SolverPosition next(bool aceKingWrap) {
        std::iota(deck_.begin(), deck_.end(), 1);
        for (std::size_t i = deck_.size() - 1; i > 0; --i) {
            std::swap(deck_[i], deck_[random_() % (i + 1)]);
        }
        return corvelle::dealtPosition(deck_, aceKingWrap);
    }

private:
    std::mt19937_64 random_;
    std::vector<int> deck_;
};

struct Variant {
    const char* name;
    int cards;
    bool wrap;
};

void benchClearing(const Variant& variant, int deals) {
    Dealer dealer(20240611, variant.cards);
    std::vector<double> times;
    int clearable = 0;
    int unsure = 0;
    for (int i = 0; i < deals; ++i) {
        const SolverPosition position = dealer.next(variant.wrap);
        const double start = threadSeconds();
        const corvelle::ClearResult result = corvelle::canClearTable(position);
        times.push_back(threadSeconds() - start);
        clearable += result.canClear ? 1 : 0;
        unsure += result.exact ? 0 : 1;
    }
    std::printf("%-22s %5d deals  clearable %5.1f %%  (%d not proven)  %s\n", variant.name, deals,
                100.0 * clearable / deals, unsure, spread(times).c_str());
}

// One solve: its figures, and how much more heap is in use once its result is gone.
struct Solved {
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

void benchSolving(const Variant& variant, int deals) {
    Dealer dealer(20240612, variant.cards);
    std::vector<Solved> all;
    all.reserve(static_cast<std::size_t>(deals));
    for (int i = 0; i < deals; ++i) {
        all.push_back(solveOne(dealer.next(variant.wrap)));
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
    std::printf("%-22s %5d deals  mean best %7.1f  best line clears %5.1f %%  over budget %d\n",
                variant.name, deals, scores / deals, 100.0 * clears / deals, overBudget);
    std::printf("%-22s solve     %s\n", "", spread(times).c_str());
    std::printf("%-22s states    mean %.0f  max %llu\n", "", states / deals,
                static_cast<unsigned long long>(most.states));
    std::printf("%-22s memory    peak %.1f MB; heap still held after a solve: %ld bytes\n", "",
                static_cast<double>(most.peakBytes) / (1024.0 * 1024.0), most.heapLeft);
}

} // namespace

int main(int argc, char** argv) {
    const int deals = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    const int solved = std::max(1, deals / 10);
    const Variant variants[] = {{"54 cards, wrap on", 54, true},
                                {"54 cards, wrap off", 54, false},
                                {"52 cards, wrap on", 52, true},
                                {"52 cards, wrap off", 52, false}};
    std::printf("canClearTable, fresh deals\n");
    for (const Variant& variant : variants) {
        benchClearing(variant, deals);
    }
    std::printf("\nsolve, fresh deals, scoring on (budget %llu states)\n",
                static_cast<unsigned long long>(corvelle::SolverLimits{}.maxStates));
    for (const Variant& variant : {variants[0], variants[1]}) {
        benchSolving(variant, solved);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("\nlargest resident set of the process: %.1f MB\n",
                static_cast<double>(usage.ru_maxrss) / 1024.0);
    return 0;
}
