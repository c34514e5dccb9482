// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the game's start-up: an empty main window of the game's client size under
// the same menu bar, with nothing else. bench/startup times it against the game.
#include "options/optiontable.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Empty"));
    QMenu* game = window.menuBar()->addMenu(QStringLiteral("&Game"));
    game->addAction(QStringLiteral("&NewGame"));
    game->addSeparator();
    game->addAction(QStringLiteral("&High Scores"));
    game->addSeparator();
    game->addAction(QStringLiteral("E&xit"));
    QMenu* options = window.menuBar()->addMenu(QStringLiteral("&Options"));
    for (const corvelle::OptionMenu& group : corvelle::OptionMenus) {
        QMenu* submenu = options->addMenu(QString::fromLatin1(group.caption));
        for (const corvelle::OptionItem& item : corvelle::OptionItems) {
            if (item.group == group.group) {
                submenu->addAction(QString::fromLatin1(item.caption))->setCheckable(true);
            }
        }
        if (group.group == corvelle::OptionGroup::DrawingMethod) {
            QMenu* cheats = options->addMenu(QStringLiteral("Cheat Options"));
            cheats->addAction(QStringLiteral("Select Wild Cards"));
            cheats->addAction(QStringLiteral("Cheats Enabled"))->setCheckable(true);
            cheats->addAction(QStringLiteral("Disable Cheats"))->setCheckable(true);
        }
    }
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("About Corvelle"));
    help->addAction(QStringLiteral("Game Rules"));

    auto* client = new QWidget;
    client->setFixedSize(509, 416);
    client->setPalette(QPalette(QColor(0, 128, 0)));
    client->setAutoFillBackground(true);
    window.setCentralWidget(client);
    window.show();
    return app.exec();
}
