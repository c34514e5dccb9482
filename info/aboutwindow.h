#pragma once

#include "standinwindow.h"

namespace corvelle {

// The About window ("Form5"): the game's name, its version when the application has one, and
// the two ways out. Like the rules window it stands in for the hidden main window while open,
// never touches the game, and is discarded when closed.
class AboutWindow : public StandInWindow {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* mainWindow);

private:
    void setUpWindow();
    void createControls();
};

// Shows a new About window and then hides the main window, as "About Corvelle" does.
AboutWindow* openAboutWindow(QWidget* mainWindow);

} // namespace corvelle
