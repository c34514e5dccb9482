// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

class QWidget;

namespace corvelle {

// Gives `widget` the role a screen reader announces for it in place of the one Qt derives from
// its class, which for a plain QFrame or QWidget says nothing of what the control is. Call it
// right after creating the widget, before anything asks for its accessible interface.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);

} // namespace corvelle
