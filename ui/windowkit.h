// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/twips.h"

#include <QColor>
#include <QString>
#include <Qt>

class QMainWindow;
class QWidget;

namespace corvelle {

// The green of every game window's background.
inline const QColor TableGreen(0, 128, 0);

// Fills the widget's background with the table green.
void paintGreen(QWidget* widget);

// Makes `window` a top-level window of the game: its control name, its caption, the title-bar
// buttons it offers besides close, and a fixed client area of `clientSize` (width and height).
void setUpFixedWindow(QWidget* window, const char* name, const QString& caption,
                      const Twips& clientSize, Qt::WindowFlags buttons = {});

// The fixed-size, green client area of a window with a menu bar, directly below the menu bar:
// the window takes exactly its size and cannot be resized.
QWidget* createFixedClientArea(QMainWindow* window, const Twips& clientSize);

// Hiding and showing a window again: a window manager may put a window that is mapped again
// somewhere else, so the place it had is kept and given back.
void hideKeepingPlace(QWidget* window);
void showInPlace(QWidget* window);

} // namespace corvelle
