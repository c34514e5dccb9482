// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Engine throughput: table moves and draws per second over complete random games, the time of
// one deal, and the heap allocations made per action. With --checksum it prints instead one
// hash of everything a million seeded actions showed and left in the state; CI compares it with
// bench/engine.checksum, so a change in the rules cannot pass unnoticed.
#include "engine/game.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <new>
#include <random>
#include <string_view>
#include <vector>

namespace {

std::size_t allocations = 0;

// FNV-1a over everything the engine shows.
class HashingDisplay final : public corvelle::Display {
public:
    std::uint64_t hash = 14695981039346656037u;

    void add(std::int64_t value) {
        for (int i = 0; i < 8; ++i) {
            hash = (hash ^ static_cast<std::uint8_t>(value >> (8 * i))) * 1099511628211u;
        }
    }
    void add(std::string_view text) {
        for (char c : text) {
            add(static_cast<std::int64_t>(c));
        }
    }
    void showCard(int index, int code, corvelle::ShowTarget target) override {
        add(index * 1000 + code * 10 + static_cast<int>(target));
    }
    void setSlotVisible(int slot, bool visible) override { add(2000 + slot * 2 + visible); }
    void setDrawPileVisible(int index, bool visible) override { add(3000 + index * 2 + visible); }
    void showScore(std::string_view text) override { add(text); }
    void showHighestScore(std::string_view text) override { add(text); }
    void setGameOverPanelVisible(bool visible) override { add(4000 + visible); }
    void showMessage(std::string_view text) override { add(text); }
};

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Processor time of this process: unlike the wall clock, it does not count the time the
// machine spent on other work while the benchmark waited.
double cpuSecondsSince(std::clock_t start) {
    return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

} // namespace

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

// One recorded action: a table slot 0..34, or one of these.
constexpr std::int8_t DrawAction = -1;
constexpr std::int8_t NewGameAction = -2;

// Plays random games with a simple player (the first fitting free card from a random column,
// else a draw, and a new game when one is over) and records its actions, so that the timed
// replay measures the engine alone.
std::vector<std::int8_t> recordGames(std::size_t actions, std::uint64_t seedValue) {
    using corvelle::Game;
    std::seed_seq seed{seedValue};
    corvelle::StdRandomSource random(seed);
    corvelle::NullDisplay display;
    Game game(display, random);
    game.newGame();
    std::mt19937 pick(7);
    std::vector<std::int8_t> script;
    script.reserve(actions);
    while (script.size() < actions) {
        if (game.state().gameOver) {
            game.newGame();
            script.push_back(NewGameAction);
            continue;
        }
        int chosen = -1;
        const int firstColumn = static_cast<int>(pick() % corvelle::Columns);
        for (int c = 0; c < corvelle::Columns && chosen < 0; ++c) {
            int slot = 5 * ((firstColumn + c) % corvelle::Columns) + 4;
            while (slot % 5 > 0 && !game.state().onTable[slot]) {
                --slot;
            }
            if (game.canPlay(slot)) {
                chosen = slot;
            }
        }
        if (chosen >= 0) {
            game.clickTableSlot(chosen);
            script.push_back(static_cast<std::int8_t>(chosen));
        } else {
            game.clickDiscardPile();
            script.push_back(DrawAction);
        }
    }
    return script;
}

// Replays a million seeded actions on a hashing display, with undos and every option mixed in,
// and hashes the state after each action too.
int printChecksum() {
    using corvelle::Game;
    const std::uint64_t seedValue = 20261207;
    const std::vector<std::int8_t> script = recordGames(1'000'000, seedValue);
    std::seed_seq seed{seedValue};
    corvelle::StdRandomSource random(seed);
    HashingDisplay display;
    Game game(display, random);
    game.start();
    game.newGame();
    std::mt19937 pick(11);
    for (std::int8_t action : script) {
        corvelle::Outcome outcome = corvelle::Outcome::Nothing;
        if (action == NewGameAction) {
            game.newGame();
        } else if (action == DrawAction) {
            outcome = pick() % 10 == 0 ? game.clickBackground() : game.clickDiscardPile();
        } else {
            outcome = game.clickTableSlot(action);
        }
        const auto roll = pick() % 100;
        if (roll < 4) {
            game.undoLastMove();
        } else if (roll < 5) {
            game.setOptions({.aceKingWrap = pick() % 2 == 0,
                             .backgroundClickDraws = pick() % 2 == 0,
                             .scoringOn = pick() % 5 != 0,
                             .shuffleCount = static_cast<int>(1 + pick() % 3)});
        }
        const corvelle::GameState& s = game.state();
        for (std::int64_t value :
             {std::int64_t{s.score}, std::int64_t{s.anty}, std::int64_t{s.peakScore},
              std::int64_t{s.deckPosition}, std::int64_t{s.discardTop},
              std::int64_t{s.tableCardsLeft}, std::int64_t{s.gameOver},
              std::int64_t{s.undo.undoAvailable}, static_cast<std::int64_t>(s.antyPhase),
              static_cast<std::int64_t>(outcome)}) {
            display.add(value);
        }
    }
    std::printf("%016llx\n", static_cast<unsigned long long>(display.hash));
    return 0;
}

int main(int argc, char* argv[]) {
    using corvelle::Game;
    if (argc > 1 && std::string_view(argv[1]) == "--checksum") {
        return printChecksum();
    }
    const std::uint64_t seedValue = 42;
    const std::vector<std::int8_t> script = recordGames(20'000'000, seedValue);

    std::seed_seq seed{seedValue};
    corvelle::StdRandomSource random(seed);
    corvelle::NullDisplay display;
    Game game(display, random);
    game.newGame();
    long moves = 0;
    long draws = 0;
    long games = 0;
    const std::size_t allocationsBefore = allocations;
    const auto start = Clock::now();
    const std::clock_t cpuStart = std::clock();
    for (std::int8_t action : script) {
        if (action == NewGameAction) {
            game.newGame();
            ++games;
        } else if (action == DrawAction) {
            game.clickDiscardPile();
            ++draws;
        } else {
            game.clickTableSlot(action);
            ++moves;
        }
    }
    const double elapsed = secondsSince(start);
    const double cpuElapsed = cpuSecondsSince(cpuStart);
    const std::size_t playAllocations = allocations - allocationsBefore;

    const int deals = 100'000;
    const std::clock_t dealStart = std::clock();
    for (int i = 0; i < deals; ++i) {
        game.newGame();
    }
    const double dealSeconds = cpuSecondsSince(dealStart);

    const double actions = static_cast<double>(moves + draws + games);
    std::printf("complete games played:        %ld\n", games);
    std::printf("table moves:                  %ld\n", moves);
    std::printf("draws:                        %ld\n", draws);
    std::printf("engine actions per second:    %.1f million per processor second, %.1f million "
                "per wall-clock second (moves, draws and new games; target: at least 10 million)\n",
                actions / cpuElapsed / 1e6, actions / elapsed / 1e6);
    std::printf("one deal:                     %.2f microseconds of processor time\n",
                dealSeconds / deals * 1e6);
    std::printf("heap allocations per action:  %.6f\n",
                static_cast<double>(playAllocations) / actions);
    return 0;
}
