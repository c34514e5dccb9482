// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace corvelle {

// Where a card picture goes.
enum class ShowTarget {
    TableSlot = 1,   // Image1(index), a table slot 0..34
    DiscardPile = 2, // Image3; the index is not used
    DrawPile = 3,    // Image2(index), a draw-pile picture 0..18
};

// Everything the engine shows goes through this one interface. The main window implements it
// with its picture controls and labels; the engine tests implement it with a recording fake.
// The engine keeps the state that the pictures mirror; the display only shows it, and never
// calls back into the engine.
class Display {
public:
    virtual ~Display() = default;

    // Loads picture number `code` (1..54 a card, 55 the card back) into one picture control.
    // Changes only the picture, never the visibility.
    virtual void showCard(int index, int code, ShowTarget target) = 0;
    virtual void setSlotVisible(int slot, bool visible) = 0;
    virtual void setDrawPileVisible(int index, bool visible) = 0;
    // The texts of the score label (Label3) and the highest-score label (Label5).
    virtual void showScore(std::string_view text) = 0;
    virtual void showHighestScore(std::string_view text) = 0;
    virtual void setGameOverPanelVisible(bool visible) = 0;
    // A modal message box with only an OK button; returns when the player has closed it.
    virtual void showMessage(std::string_view text) = 0;
};

// A display that shows nothing, for games played without a window (benchmarks, fuzzing).
class NullDisplay final : public Display {
public:
    void showCard(int, int, ShowTarget) override {}
    void setSlotVisible(int, bool) override {}
    void setDrawPileVisible(int, bool) override {}
    void showScore(std::string_view) override {}
    void showHighestScore(std::string_view) override {}
    void setGameOverPanelVisible(bool) override {}
    void showMessage(std::string_view) override {}
};

} // namespace corvelle
