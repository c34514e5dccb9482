// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/game.h"
#include "engine/statecheck.h"

#include <array>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace corvelle::test {

// What a display shows of the table, as the invariants below compare it with the game.
struct ShownTable {
    std::array<int, TableSlots> slotPicture{};
    std::array<bool, TableSlots> slotVisible{};
    std::array<bool, DrawPilePictures> drawVisible{};
    int discardPicture = 0;
    std::string scoreText = "0";
    std::string highestText = "0";
    bool panelVisible = false;
};

// A display that remembers what it was last told for every control, and the messages shown,
// so tests can compare the picture of the table with the engine's state.
class FakeDisplay final : public Display, public ShownTable {
public:
    std::vector<std::string> scoreHistory;
    std::vector<std::string> messages;

    FakeDisplay() { drawVisible.fill(true); }

    void showCard(int index, int code, ShowTarget target) override {
        if (target == ShowTarget::TableSlot) {
            slotPicture.at(index) = code;
        } else if (target == ShowTarget::DiscardPile) {
            discardPicture = code;
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
};

// What must hold between two player actions once a game has been dealt; null when it does:
// the state is one play can reach, and the display mirrors it.
inline const char* brokenInvariant(const GameState& s, const ShownTable& display) {
    static std::string why;
    why = whyImpossible(s);
    if (!why.empty()) {
        return why.c_str();
    }
    for (int slot = 0; slot < TableSlots; ++slot) {
        if (display.slotVisible[slot] != s.onTable[slot] ||
            (s.onTable[slot] && display.slotPicture[slot] != s.tableCards[slot])) {
            return "a table picture does not mirror its slot";
        }
    }
    for (int i = 0; i < DrawPilePictures; ++i) {
        if (display.drawVisible[i] != (i < s.drawPileCount)) {
            return "a draw-pile picture does not mirror the pile";
        }
    }
    const std::pair<bool, const char*> checks[] = {
        {display.discardPicture != s.discardTop, "the discard pile shows another card"},
        {display.scoreText != std::to_string(s.score), "the score label shows another score"},
        {display.panelVisible != s.gameOver, "the game-over panel does not match the game"},
    };
    for (const auto& [broken, what] : checks) {
        if (broken) {
            return what;
        }
    }
    return nullptr;
}

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

// Card codes by suit and rank (rank 1 = Ace .. 13 = King).
inline constexpr auto spades = [](int rank) { return cardCode(Suit::Spades, rank); };
inline constexpr auto clubs = [](int rank) { return cardCode(Suit::Clubs, rank); };
inline constexpr auto diamonds = [](int rank) { return cardCode(Suit::Diamonds, rank); };
inline constexpr auto hearts = [](int rank) { return cardCode(Suit::Hearts, rank); };

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
        step = rank == 13 ? -1 : rank == 1 ? 1 : step;
        rank += step;
    }
    placed.emplace_back(36 + draws, hearts(3));
    return makeDeck(placed);
}

// The bottom cards `bottoms` (slots 4, 9, .., 34), then the discard and draw pile in order.
inline std::array<int, DeckSize> deckWith(const std::vector<int>& bottoms,
                                          const std::vector<int>& pile) {
    std::vector<std::pair<int, int>> placed;
    for (std::size_t i = 0; i < bottoms.size(); ++i) {
        placed.emplace_back(5 * static_cast<int>(i) + 5, bottoms[i]);
    }
    for (std::size_t i = 0; i < pile.size(); ++i) {
        placed.emplace_back(36 + static_cast<int>(i), pile[i]);
    }
    return makeDeck(placed);
}

// Bottom cards 9s and 10s; discard and draw pile 2s to 5s and three Kings: nothing ever
// fits, and the last draw ends the game.
inline std::array<int, DeckSize> stuckDeck() {
    std::vector<int> pile;
    for (int rank : {2, 3, 4, 5}) {
        for (Suit suit : AllSuits) {
            pile.push_back(cardCode(suit, rank));
        }
    }
    pile.insert(pile.end(), {spades(13), clubs(13), diamonds(13)});
    return deckWith(
        {spades(9), clubs(9), diamonds(9), hearts(9), spades(10), clubs(10), diamonds(10)}, pile);
}

// The given cards chosen as wild cards, in force or not.
template <typename Codes> CheatChoice wildChoice(const Codes& codes, bool inForce = false) {
    CheatChoice choice;
    for (int code : codes) {
        choice.wildMark[code] = 1;
    }
    choice.wildCount = static_cast<int>(codes.size());
    choice.cheatsEnabled = inForce;
    return choice;
}

// A game on a recording display, dealt at once from the given decks (used in turn), with the
// options given.
struct TestGame {
    explicit TestGame(std::vector<std::array<int, DeckSize>> decks, const Options& options = {})
        : random(std::move(decks)) {
        game.setOptions(options);
        game.start();
        game.newGame();
    }
    FakeDisplay display;
    ScriptedRandom random;
    Game game{display, random};
    const GameState& state = game.state();
};

// A game of numbered deals on a recording display, with the options given, dealt `deal` unless
// that is 0.
struct DealtGame {
    explicit DealtGame(const Options& options = {}, std::uint64_t deal = 0) {
        game.setOptions(options);
        if (deal != 0) {
            game.newGame(deal);
        }
    }
    FakeDisplay display;
    DealRandom deals;
    Game game{display, deals};
};

// The slots whose card `rules` (a game, or a test's own rules of play) lets the player play now.
template <typename Rules> std::vector<int> playableSlots(const Rules& rules) {
    std::vector<int> playable;
    for (int slot = 0; slot < TableSlots; ++slot) {
        if (rules.canPlay(slot)) {
            playable.push_back(slot);
        }
    }
    return playable;
}

// The dealt state `s` one move from the end of its round: every table card played but the top
// one of the first column, and a played card that fits that one on the discard pile.
inline GameState nearlyCleared(GameState s) {
    s.tableCardsLeft = 1;
    s.undo.undoAvailable = false;
    for (int slot = 1; slot < TableSlots; ++slot) {
        s.onTable[slot] = false;
        s.columnPlayed[slot / Rows][slot % Rows] = 1;
        const int card = s.tableCards[slot];
        const int apart = std::abs(faceRank(card) - faceRank(s.tableCards[0]));
        s.discardTop = isJoker(card) || apart == 1 || apart == 12 ? card : s.discardTop;
    }
    return s;
}

} // namespace corvelle::test
