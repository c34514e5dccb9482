// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/secondarywindow.h"

#include "ui/windowkit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace corvelle {

SecondaryWindow::SecondaryWindow(QWidget* mainWindow, const char* name, const QString& caption,
                                 const Twips& clientSize, Qt::WindowFlags buttons)
    : QWidget(nullptr), mainWindow_(mainWindow) {
    setUpFixedWindow(this, name, caption, clientSize, buttons);
    setAttribute(Qt::WA_DeleteOnClose);
    if (mainWindow != nullptr) {
        // The main window is being destroyed: this window closes with it and must not touch it.
        connect(mainWindow, &QObject::destroyed, this, [this] {
            leaving_ = true;
            close();
        });
    }
}

void SecondaryWindow::exitGame() {
    // The main window first (also when it is hidden), then every other window that is open.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const bool main = window->objectName() == QLatin1String("Form1");
        if (main || window->isVisible()) {
            windows.insert(main ? 0 : windows.size(), window);
        }
        if (auto* secondary = qobject_cast<SecondaryWindow*>(window)) {
            secondary->leaving_ = true;
        }
    }
    for (const QPointer<QWidget>& window : windows) {
        if (window) {
            window->close();
        }
    }
}

SecondaryWindow* SecondaryWindow::standingInFor(const QWidget* mainWindow) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* secondary = qobject_cast<SecondaryWindow*>(window);
        if (secondary != nullptr && !secondary->leaving_ && secondary->isVisible() &&
            secondary->mainWindow_ == mainWindow) {
            return secondary;
        }
    }
    return nullptr;
}

QPushButton* SecondaryWindow::createButtons(const QString& returnCaption, const Twips& returnPlace,
                                            const Twips& exitPlace) {
    auto* back = placed(new QPushButton(returnCaption, this), "Command1", returnPlace);
    auto* exit = placed(new QPushButton(tr("Exit Corvelle"), this), "Command2", exitPlace);
    connect(back, &QPushButton::clicked, this, &QWidget::close);
    connect(exit, &QPushButton::clicked, this, &SecondaryWindow::exitGame);
    setTabOrder(back, exit);
    return exit;
}

void SecondaryWindow::showInsteadOfMainWindow(bool hideMainWindowFirst) {
    if (hideMainWindowFirst) {
        hideKeepingPlace(mainWindow_);
    }
    show();
    if (!hideMainWindowFirst) {
        hideKeepingPlace(mainWindow_);
    }
}

void SecondaryWindow::closeEvent(QCloseEvent* event) {
    // Every way out but the exit button returns to the game, the title bar included; otherwise
    // the main window would stay hidden with no way back.
    if (!leaving_ && mainWindow_) {
        leaving_ = true;
        returningToGame();
        showInPlace(mainWindow_);
    }
    event->accept();
}

void SecondaryWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace corvelle
