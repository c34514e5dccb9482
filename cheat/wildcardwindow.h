// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/gamestate.h"
#include "ui/secondarywindow.h"

#include <array>

class QCheckBox;

namespace corvelle {

// The wild-card selection window ("Form6"): one box per ordinary card, at most six of them
// ticked, and the two ways out. It is built afresh at every opening from the game's choice and
// edits a copy of it; while it is open the main window is hidden. Leaving it by "Continue
// Playing", its title bar or Escape puts the chosen cards in force (or out of force when none is
// chosen) and hands the choice back to the game (choiceMade); "Exit Corvelle" loses it with the
// game.
class WildCardWindow : public SecondaryWindow {
    Q_OBJECT

public:
    static constexpr int BoxCount = OrdinaryCards;

    WildCardWindow(const CheatChoice& choice, QWidget* mainWindow);

signals:
    // The player goes back to the game with this choice.
    void choiceMade(const corvelle::CheatChoice& choice);

protected:
    void returningToGame() override;

private:
    void createControls();
    void tickChosenBoxes();
    void onBoxToggled(int index);

    CheatChoice choice_;
    std::array<QCheckBox*, BoxCount> boxes_{};
    bool wildSelectLoading_ = false;
};

// Opens the selection window for the running game and then hides the main window, as "Select
// Wild Cards" does.
WildCardWindow* openWildCardWindow(const CheatChoice& choice, QWidget* mainWindow);

} // namespace corvelle
