#pragma once

#include <QPointer>
#include <QWidget>

class QCloseEvent;
class QPushButton;

namespace corvelle {

// A window that stands in for the hidden main window while it is open: the rules and About
// windows. Leaving it, by its return button or its title bar, shows the main window again as
// it was left; its exit button closes the main window and then itself, which ends the program.
// It deletes itself when closed and closes itself if the main window goes away first.
class StandInWindow : public QWidget {
    Q_OBJECT

public slots:
    // The return button ("Back to Corvelle", "Continue Playing") and "Exit Corvelle".
    void Command1_Click();
    void Command2_Click();

protected:
    explicit StandInWindow(QWidget* mainWindow);

    // Makes the return button Command1 and the exit button Command2, at their places in twips,
    // in that tab order; returns the exit button.
    QPushButton* createButtons(const QString& returnCaption, const QRect& returnPlace,
                               const QRect& exitPlace);

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
