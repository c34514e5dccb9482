#pragma once

#include <QPointer>
#include <QWidget>

class QCloseEvent;

namespace corvelle {

// A window that stands in for the hidden main window while it is open: the rules and About
// windows. Leaving it, by its return button or its title bar, shows the main window again as
// it was left; its exit button closes the main window and then itself, which ends the program.
// It deletes itself when closed and closes itself if the main window goes away first.
class StandInWindow : public QWidget {
    Q_OBJECT

protected:
    explicit StandInWindow(QWidget* mainWindow);

    // A rectangle given in twips, in the window's pixels (15 twips to the pixel).
    static QRect pixels(int left, int top, int width, int height);
    void paintGreen();
    void returnToGame();
    void exitGame();
    void closeEvent(QCloseEvent* event) override;

private:
    QPointer<QWidget> mainWindow_;
    bool exiting_ = false;
};

} // namespace corvelle
