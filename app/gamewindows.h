// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

namespace corvelle {

class MainWindow;

// The game's main window for the whole run: made at start-up, and made afresh (with the whole
// start-up) when the Hall of Fame window, which can outlive it, asks to go back to the game once
// it is gone.
class GameWindows : public QObject {
    Q_OBJECT

public:
    // A new main window, deleted when it closes.
    MainWindow* openMainWindow();

private:
    void onBackToGameRequested();

    QPointer<MainWindow> mainWindow_;
};

} // namespace corvelle
