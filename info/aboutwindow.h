// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/secondarywindow.h"

namespace corvelle {

// The About window ("Form5"): the game's name, its version when the application has one, its
// licence and website, and the two ways out. It stands in for the hidden main window while open,
// never touches the game, and is discarded when closed.
class AboutWindow : public SecondaryWindow {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* mainWindow);
};

// Shows a new About window and then hides the main window, as "About Corvelle" does.
AboutWindow* openAboutWindow(QWidget* mainWindow);

} // namespace corvelle
