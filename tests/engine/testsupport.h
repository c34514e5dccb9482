#pragma once

#include "game.h"

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace corvelle::test {

// A display that remembers what it was last told for every control, and the messages shown,
// so tests can compare the picture of the table with the engine's state.
class FakeDisplay final : public Display {
public:
    std::array<int, TableSlots> slotPicture{};
    std::array<bool, TableSlots> slotVisible{};
    std::array<int, DrawPilePictures> drawPicture{};
    std::array<bool, DrawPilePictures> drawVisible{};
    int discardPicture = 0;
    std::string scoreText = "0";
    std::string highestText = "0";
    bool panelVisible = false;
    std::vector<std::string> scoreHistory;
    std::vector<std::string> messages;
    int highScoreChecks = 0;
    int showCardCalls = 0;
    std::function<void()> onCheckHighScore;

    FakeDisplay() { drawVisible.fill(true); }

    void showCard(int index, int code, int target) override {
        ++showCardCalls;
        if (target == TargetTableSlot && index >= 0 && index < TableSlots) {
            slotPicture[index] = code;
        } else if (target == TargetDiscardPile) {
            discardPicture = code;
        } else if (target == TargetDrawPile && index >= 0 && index < DrawPilePictures) {
            drawPicture[index] = code;
        }
    }
    void setSlotVisible(int slot, bool visible) override { slotVisible.at(slot) = visible; }
    void setDrawPileVisible(int index, bool visible) override { drawVisible.at(index) = visible; }
    void showScore(std::string_view text) override {
        scoreText = text;
        scoreHistory.emplace_back(text);
    }
    void showHighestScore(std::string_view text) override { highestText = text; }
    void setGameOverPanelVisible(bool visible) override { panelVisible = visible; }
    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    void checkHighScore() override {
        ++highScoreChecks;
        if (onCheckHighScore) {
            onCheckHighScore();
        }
    }

    int visibleDrawPictures() const {
        int n = 0;
        for (bool v : drawVisible) {
            n += v ? 1 : 0;
        }
        return n;
    }
};

// Deals chosen decks: each uniform number names exactly the next wanted card, so the
// rejection sampling of the shuffle takes it at the first try. Decks are used in turn; the
// last one repeats.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<std::array<int, DeckSize>> decks)
        : decks_(std::move(decks)) {}
    double uniform() override {
        const auto& deck = decks_[deckIndex_ < decks_.size() ? deckIndex_ : decks_.size() - 1];
        const double x = (deck[position_] - 0.5) / DeckSize;
        if (++position_ == DeckSize) {
            position_ = 0;
            ++deckIndex_;
        }
        return x;
    }

private:
    std::vector<std::array<int, DeckSize>> decks_;
    std::size_t deckIndex_ = 0;
    int position_ = 0;
};

// A deck with the given cards at the given positions (1..54: 1..35 go to slots 0..34, 36 is
// the first discard, 37..54 the draw pile in the order drawn); the other codes fill the free
// positions in increasing order.
inline std::array<int, DeckSize> makeDeck(const std::vector<std::pair<int, int>>& placed) {
    std::array<int, DeckSize> deck{};
    std::array<bool, DeckSize + 1> used{};
    for (auto [position, code] : placed) {
        deck[position - 1] = code;
        used[code] = true;
    }
    int next = 1;
    for (int& slot : deck) {
        if (slot == 0) {
            while (used[next]) {
                ++next;
            }
            slot = next;
            used[next] = true;
        }
    }
    return deck;
}

// The slot of the k-th card (0..34) when a table is cleared column by column, bottom up.
inline constexpr int clearingOrderSlot(int k) {
    return 5 * (k / 5) + 4 - k % 5;
}

// A deck whose whole table can be played in clearing order without a draw: the ranks go
// 2, 3, .., King, Queen, .., Ace, 2, .., Queen. The 3 of hearts, which fits the first card,
// is the discard top after `draws` draws (0 = the first discard card itself).
inline std::array<int, DeckSize> clearableDeck(int draws) {
    std::vector<std::pair<int, int>> placed;
    std::array<int, 14> timesUsed{};
    int rank = 2;
    int step = 1;
    for (int k = 0; k < TableSlots; ++k) {
        const int suit = timesUsed[rank]++;
        placed.emplace_back(clearingOrderSlot(k) + 1, 13 * suit + rank);
        if (rank == 13) {
            step = -1;
        } else if (rank == 1) {
            step = 1;
        }
        rank += step;
    }
    placed.emplace_back(36 + draws, 39 + 3);
    return makeDeck(placed);
}

// A game on a recording display, dealt at once from the given decks (used in turn).
struct TestGame {
    explicit TestGame(std::vector<std::array<int, DeckSize>> decks) : random(std::move(decks)) {
        game.dealGame(Game::NewGame);
    }
    FakeDisplay display;
    ScriptedRandom random;
    Game game{display, random};
    GameState& state = game.state;
};

// Card codes by suit and rank (rank 1 = Ace .. 13 = King).
inline constexpr int spades(int rank) {
    return rank;
}
inline constexpr int clubs(int rank) {
    return 13 + rank;
}
inline constexpr int diamonds(int rank) {
    return 26 + rank;
}
inline constexpr int hearts(int rank) {
    return 39 + rank;
}
inline constexpr int JokerA = 53;
inline constexpr int JokerB = 54;

} // namespace corvelle::test
