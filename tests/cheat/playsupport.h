#pragma once

#include "display.h"
#include "gamestate.h"
#include "randomsource.h"

#include <array>
#include <string>
#include <vector>

namespace corvelle::test {

// Records what the engine shows: the pictures of the slots and the discard pile, which slots
// are on the table and every message.
class RecordingDisplay final : public Display {
public:
    std::array<int, TableSlots> slotPicture{};
    std::array<bool, TableSlots> slotVisible{};
    int discardPicture = 0;
    std::vector<std::string> messages;

    void showCard(int index, int code, int target) override {
        if (target == TargetTableSlot && index >= 0 && index < TableSlots) {
            slotPicture[index] = code;
        } else if (target == TargetDiscardPile) {
            discardPicture = code;
        }
    }
    void setSlotVisible(int slot, bool visible) override { slotVisible.at(slot) = visible; }
    void setDrawPileVisible(int, bool) override {}
    void showScore(std::string_view) override {}
    void showHighestScore(std::string_view) override {}
    void setGameOverPanelVisible(bool) override {}
    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    void checkHighScore() override {}
};

// Deals the deck in card-code order: slot s holds card s + 1 (slot 4 the 5 of Spades) and the
// first discard is card 36 (the 10 of Diamonds). Each number names the next code exactly, so
// the shuffle takes it at the first try.
class OrderedDeck final : public RandomSource {
public:
    double uniform() override {
        const double x = (next_ + 0.5) / DeckSize;
        next_ = (next_ + 1) % DeckSize;
        return x;
    }

private:
    int next_ = 0;
};

} // namespace corvelle::test
