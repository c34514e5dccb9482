#pragma once

#include "engine/gamestate.h"
#include "ui/secondarywindow.h"

#include <array>
#include <functional>

class QCheckBox;

namespace corvelle {

// The wild-card selection window ("Form6"): one box per ordinary card, at most six of them
// ticked, and the two ways out. It is built afresh at every opening from the game's choice and
// edits a copy of it; while it is open the main window is hidden. Leaving it by "Continue
// Playing", its title bar or Escape puts the chosen cards in force (or out of force when none is
// chosen) and hands the choice back to the game; "Exit Corvelle" loses it with the game.
class WildCardWindow : public SecondaryWindow {
    Q_OBJECT

public:
    static constexpr int BoxCount = OrdinaryCards;

    // `chosen` receives the choice when the player goes back to the game.
    WildCardWindow(const CheatChoice& choice, QWidget* mainWindow,
                   std::function<void(const CheatChoice&)> chosen);

public slots:
    void Check1_Click(int index);

protected:
    void returningToGame() override;

private:
    void createControls();
    void Form_Load();

    CheatChoice choice_;
    std::function<void(const CheatChoice&)> chosen_;
    std::array<QCheckBox*, BoxCount> boxes_{};
    bool wildSelectLoading_ = false;
};

// Opens the selection window for the running game and then hides the main window, as "Select
// Wild Cards" does.
WildCardWindow* openWildCardWindow(const CheatChoice& choice, QWidget* mainWindow,
                                   std::function<void(const CheatChoice&)> chosen);

} // namespace corvelle
