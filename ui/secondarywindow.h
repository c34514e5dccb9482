// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/twips.h"

#include <QPointer>
#include <QWidget>

class QCloseEvent;
class QKeyEvent;
class QPushButton;

namespace corvelle {

// A window that stands in for the hidden main window while it is open: the Game Rules, About
// and wild-card windows. It has a return button (Command1) and "Exit Corvelle" (Command2).
// Leaving it by the return button, its title bar or Escape shows the main window again as it
// was left; "Exit Corvelle" ends the game whatever other windows are open. A window that goes
// away because the game is ending, or because the main window itself is gone, never goes back
// to the game. It deletes itself when closed.
class SecondaryWindow : public QWidget {
    Q_OBJECT

public:
    // Ends the program from any of its windows: the main window closes first, then every other
    // window of the game, and none of them goes back to the game.
    static void exitGame();

    // The window standing in for `mainWindow` while it is hidden, if one is open.
    static SecondaryWindow* standingInFor(const QWidget* mainWindow);

    // Shows this window in place of the main window, hiding the main window first or after.
    void showInsteadOfMainWindow(bool hideMainWindowFirst);

protected:
    SecondaryWindow(QWidget* mainWindow, const char* name, const QString& caption,
                    const Twips& clientSize, Qt::WindowFlags buttons);

    // Makes the return button and the exit button at their places, in that tab order; returns
    // the exit button.
    QPushButton* createButtons(const QString& returnCaption, const Twips& returnPlace,
                               const Twips& exitPlace);
    // Runs as the player goes back to the game, just before the main window shows again.
    virtual void returningToGame() {}

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointer<QWidget> mainWindow_;
    bool leaving_ = false; // closing without going back to the game
};

} // namespace corvelle
