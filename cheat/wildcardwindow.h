#pragma once

#include "gamestate.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QCloseEvent;

namespace corvelle {

// The wild-card selection window ("Form6"): one box per ordinary card, at most six of them
// ticked, and the two ways out. It edits the cheat state of the running game directly and is
// built afresh from that state at every opening, so it never holds a choice of its own. While
// it is open the main window is hidden; leaving it by "Continue Playing" or by its title bar
// puts the chosen cards in force (or out of force when none is chosen) and brings the main
// window back.
class WildCardWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int BoxCount = 52;

    // `cheatsChanged` runs whenever cheatsEnabled may have changed, so the main window can
    // refresh its check marks. The window deletes itself when closed.
    WildCardWindow(CheatState& cheat, QWidget* mainWindow, std::function<void()> cheatsChanged);

public slots:
    void Check1_Click(int index);
    void Command1_Click();
    void Command2_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setUpWindow();
    void createControls();
    void Form_Load();
    void returnToGame();

    CheatState& cheat_;
    QPointer<QWidget> mainWindow_;
    std::function<void()> cheatsChanged_;
    std::array<QCheckBox*, BoxCount> boxes_{};
    bool leaving_ = false;
};

// Opens the selection window for the running game and then hides the main window, as "Select
// Wild Cards" does.
WildCardWindow* openWildCardWindow(CheatState& cheat, QWidget* mainWindow,
                                   std::function<void()> cheatsChanged);

} // namespace corvelle
