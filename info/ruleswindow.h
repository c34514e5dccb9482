// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/secondarywindow.h"

namespace corvelle {

// The Game Rules window ("Form2"): the rules text in an editable box and the two ways out. It
// stands in for the main window while it is open and is built afresh at every opening, so
// whatever the player types into the text is gone next time. It never touches the game; the
// main window is hidden meanwhile and comes back as it was left.
class RulesWindow : public SecondaryWindow {
    Q_OBJECT

public:
    explicit RulesWindow(QWidget* mainWindow);
};

// Hides the main window and then shows a new rules window, as "Game Rules" does.
RulesWindow* openRulesWindow(QWidget* mainWindow);

} // namespace corvelle
