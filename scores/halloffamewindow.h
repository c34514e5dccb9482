// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/highscores.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class QLabel;
class QLineEdit;

namespace corvelle {

// The Hall of Fame window (Form4): the five best scores with their names, opened beside the
// main window without blocking it. There is at most one; opening it again only brings it
// forward, so its rows show the table as it was when the window was loaded. It may outlive the
// main window: it then still clears the file, and "Back to Corvelle" asks for a fresh main
// window (backToGameRequested, which the application answers). The HighScores it is given
// belongs to the main window and is used only while that window exists.
class HallOfFameWindow : public QMainWindow {
    Q_OBJECT

public:
    // Opens the window for `mainWindow` and its Hall of Fame, or brings the open one forward.
    static HallOfFameWindow* showFor(QWidget* mainWindow, HighScores* scores);
    // The open window, or nullptr.
    static HallOfFameWindow* instance();

signals:
    // "Clear High Scores" emptied the main window's Hall of Fame; the main window shows the
    // new best and deals a new game.
    void highScoresCleared();
    // "Back to Corvelle" while no main window is left: the application opens a fresh one.
    void backToGameRequested();

private:
    HallOfFameWindow(QWidget* mainWindow, HighScores* scores);

    void createControls();
    void createMenus();
    void placeBesideMainWindow();
    void fillRows(const std::array<HighScores::Row, HighScorePlaces>& rows);
    void onBackClicked();
    void onClearHighScores();

    QPointer<QWidget> mainWindow_;
    HighScores* scores_ = nullptr;
    QString directory_;
    std::array<QLabel*, HighScorePlaces> placeLabels_{};
    std::array<QLabel*, HighScorePlaces> scoreLabels_{};
    std::array<QLineEdit*, HighScorePlaces> nameBoxes_{};
};

} // namespace corvelle
