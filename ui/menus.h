// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace corvelle {

// The menus of every window, each menu and item named after its control: a menu (its own
// action carries the name too, so a test finds the menu in the bar), an item, an item that
// carries a check mark, and a named separator.
QMenu* makeMenu(QWidget* parent, const char* name, const QString& caption);
QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption);
QAction* addCheckItem(QMenu* menu, const char* name, const QString& caption, bool ticked = false);
QAction* addSeparator(QMenu* menu, const char* name);

} // namespace corvelle
