// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/ruleswindow.h"

#include "info/rulestext.h"
#include "ui/windowkit.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace corvelle {

RulesWindow::RulesWindow(QWidget* mainWindow)
    : SecondaryWindow(mainWindow, "Form2", tr("Game Rules"), {0, 0, 6375, 5190},
                      Qt::WindowMinimizeButtonHint) {
    paintGreen(this);
    // The buttons are made first: the first control of the window takes the focus on opening.
    QPushButton* exit =
        createButtons(tr("Back to Corvelle"), {1200, 4680, 1935, 375}, {3420, 4680, 1995, 375});
    auto* text = placed(new QPlainTextEdit(this), "Text1", {120, 120, 6135, 4395});
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setPlainText(rulesText());
    setTabOrder(exit, text);
}

RulesWindow* openRulesWindow(QWidget* mainWindow) {
    auto* window = new RulesWindow(mainWindow);
    window->showInsteadOfMainWindow(true);
    return window;
}

} // namespace corvelle
