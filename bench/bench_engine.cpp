// Engine throughput: table moves and draws per second over complete random games, the time of
// one deal, and the heap allocations made per action.
#include "game.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <new>
#include <random>
#include <vector>

namespace {

std::size_t allocations = 0;

class NullDisplay final : public corvelle::Display {
public:
    void showCard(int, int, int) override {}
    void setSlotVisible(int, bool) override {}
    void setDrawPileVisible(int, bool) override {}
    void showScore(std::string_view) override {}
    void showHighestScore(std::string_view) override {}
    void setGameOverPanelVisible(bool) override {}
    void showMessage(std::string_view) override {}
    void checkHighScore() override {}
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
    NullDisplay display;
    Game game(display, random);
    game.dealGame(Game::NewGame);
    std::mt19937 pick(7);
    std::vector<std::int8_t> script;
    script.reserve(actions);
    while (script.size() < actions) {
        if (game.state.gameOver) {
            game.dealGame(Game::NewGame);
            script.push_back(NewGameAction);
            continue;
        }
        int chosen = -1;
        const int firstColumn = static_cast<int>(pick() % corvelle::Columns);
        for (int c = 0; c < corvelle::Columns && chosen < 0; ++c) {
            int slot = 5 * ((firstColumn + c) % corvelle::Columns) + 4;
            while (slot % 5 > 0 && !game.state.onTable[slot]) {
                --slot;
            }
            const auto check = game.checkTableCard(slot);
            if (game.state.onTable[slot] && game.moveFits(check.cardRank, check.discardRank)) {
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

int main() {
    using corvelle::Game;
    const std::uint64_t seedValue = 42;
    const std::vector<std::int8_t> script = recordGames(20'000'000, seedValue);

    std::seed_seq seed{seedValue};
    corvelle::StdRandomSource random(seed);
    NullDisplay display;
    Game game(display, random);
    game.dealGame(Game::NewGame);
    long moves = 0;
    long draws = 0;
    long games = 0;
    const std::size_t allocationsBefore = allocations;
    const auto start = Clock::now();
    const std::clock_t cpuStart = std::clock();
    for (std::int8_t action : script) {
        if (action == NewGameAction) {
            game.dealGame(Game::NewGame);
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
        game.dealGame(Game::NewGame);
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
