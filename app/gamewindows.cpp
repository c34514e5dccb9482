// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gamewindows.h"

#include "mainwindow/mainwindow.h"
#include "scores/halloffamewindow.h"

namespace corvelle {

MainWindow* GameWindows::openMainWindow() {
    mainWindow_ = new MainWindow;
    mainWindow_->setAttribute(Qt::WA_DeleteOnClose);
    connect(mainWindow_, &MainWindow::hallOfFameOpened, this, [this](HallOfFameWindow* window) {
        connect(window, &HallOfFameWindow::backToGameRequested, this,
                &GameWindows::onBackToGameRequested, Qt::UniqueConnection);
    });
    return mainWindow_;
}

void GameWindows::onBackToGameRequested() {
    if (!mainWindow_) {
        openMainWindow()->show();
    }
}

} // namespace corvelle
