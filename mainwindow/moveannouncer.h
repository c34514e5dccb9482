// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/display.h"
#include "engine/gamestate.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <array>

namespace corvelle {

// The table's voice for a screen reader. It hears the same Display calls as the window and,
// once the player's action has been shown, says in one sentence what happened: "Seven of Hearts
// played, score 120", "Drew the Four of Clubs", an undo, a new deal, the end of the game.
//
// Qt 6.4 has no announcement event, and Orca (43, Debian 12) speaks a name change only for the
// object that has the focus. What Orca does speak at once, wherever the focus is, is an object
// of the role notification that becomes showing: GNOME's own notifications reach the player that
// way. So the announcer is an empty, invisible-sized widget of that role: an announcement sets
// its accessible name and hides and shows it, and the AT-SPI bridge sends the name change and
// then "object:state-changed:showing", which Orca answers by speaking the name.
class MoveAnnouncer : public QWidget, public Display {
    Q_OBJECT

public:
    explicit MoveAnnouncer(QWidget* parent);

    void showCard(int index, int code, ShowTarget target) override;
    void setSlotVisible(int slot, bool visible) override;
    void setDrawPileVisible(int index, bool visible) override;
    void showScore(std::string_view text) override;
    void showHighestScore(std::string_view /*text*/) override {}
    void setGameOverPanelVisible(bool visible) override;
    void showMessage(std::string_view /*text*/) override {}

    // Says `phrase` with the next announcement, for what the table itself does not show (a
    // hint, say).
    void say(const QString& phrase);

private:
    void heard(const QString& phrase);
    void announce();

    std::array<int, TableSlots> slotCards_{};
    QStringList phrases_;
    QString score_;
    bool played_ = false;
    int slotsBack_ = 0;
    int lastSlotBack_ = 0;
    int backsReturned_ = 0;
    bool drew_ = false;
    bool gameOver_ = false;
    bool gameOverHeard_ = false;
    QTimer pending_;
};

} // namespace corvelle
