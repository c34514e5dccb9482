// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gamewindows.h"
#include "app/singleinstance.h"
#include "mainwindow/mainwindow.h"
#include "pictures/cardpicturecache.h"
#include "pictures/cardpictureload.h"
#include "ui/dialogs.h"
#include "ui/translations.h"

#include <QApplication>
#include <QFontDatabase>
#include <thread>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(CORVELLE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(CORVELLE_APP_ID));
    QApplication::setQuitOnLastWindowClosed(true);
    // Every text in the player's language, before anything that shows one exists.
    corvelle::useLanguageOf(QLocale::system());
    // The font list, which every text of the window needs, is read on a thread of its own while
    // the window's controls are made (the fonts the controls use are then opened from it).
    std::jthread fontList([] { (void)QFontDatabase::families(); });

    // Only one copy plays: a second start brings that copy forward and ends, silently.
    corvelle::SingleInstance instance;
    if (instance.anotherCopyPlays()) {
        return 0;
    }
    QObject::connect(&instance, &corvelle::SingleInstance::comeForwardRequested,
                     &corvelle::bringWindowsForward);

    // The card pictures are decoded on worker threads while the window is built (or read from
    // the pictures the last start decoded, when their files have not changed); its cache takes
    // them over, and the check of the files waits for them before anything shows.
    const auto load = corvelle::startCardPictureLoad(corvelle::MainWindow::cardPictureSize(),
                                                     corvelle::MainWindow::cardFaces());
    corvelle::GameWindows windows;
    corvelle::MainWindow* window = windows.openMainWindow();
    if (const QStringList problems = load->problems(); !problems.isEmpty()) {
        delete window;
        corvelle::dialogs().message(
            corvelle::cardPictureProblemMessage(load->directory(), problems));
        return 1;
    }
    window->show();
    return app.exec();
}
