#pragma once

#include "scores/highscores.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;

namespace corvelle {

// The Hall of Fame window (Form4): the five best scores with their names, opened beside the
// main window without blocking it. There is at most one; opening it again only brings it
// forward, so its rows show the table as it was when the window was loaded. It may outlive the
// main window: it then still clears the file, and "Back to Corvelle" asks the application for
// a fresh main window. The HighScores it is given belongs to the main window and is used only
// while that window exists.
class HallOfFameWindow : public QMainWindow {
    Q_OBJECT

public:
    // Opens the window for `mainWindow` and its Hall of Fame, or brings the open one forward.
    static HallOfFameWindow* showFor(QWidget* mainWindow, HighScores* scores);
    // The open window, or nullptr.
    static HallOfFameWindow* instance();
    // How "Back to Corvelle" gets a new main window (with the whole start-up) once the old
    // one is gone. The application registers it once.
    static void setMainWindowFactory(std::function<void()> factory);

signals:
    // "Clear High Scores" emptied the main window's Hall of Fame; the main window shows the
    // new best and deals a new game.
    void highScoresCleared();

public slots:
    void Command1_Click();
    void Command2_Click();
    void mnuClearHS_Click();

private:
    HallOfFameWindow(QWidget* mainWindow, HighScores* scores);

    void createControls();
    void createMenus();
    void placeBesideMainWindow();
    void Form_Load();
    void fillRows(const std::array<HighScores::Row, HighScorePlaces>& rows);

    QPointer<QWidget> mainWindow_;
    HighScores* scores_ = nullptr;
    QString directory_;
    std::array<QLabel*, 5> scoreLabels_{};
    std::array<QLineEdit*, 5> nameBoxes_{};
};

} // namespace corvelle
