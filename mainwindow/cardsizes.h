// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QSize>

#include <array>

namespace corvelle {

// The card sizes of the "&View" menu, in percent of the window as laid out, smallest first. The
// three first offered keep their keys.
struct CardSize {
    int percent;
    const char* caption;
    QKeySequence key;
};
inline const std::array<CardSize, 5> CardSizes{{
    {100, QT_TRANSLATE_NOOP("corvelle::MainWindow", "&Normal Cards (100%)"),
     QKeySequence(Qt::CTRL | Qt::Key_1)},
    {125, QT_TRANSLATE_NOOP("corvelle::MainWindow", "&Bigger Cards (125%)"), QKeySequence()},
    {150, QT_TRANSLATE_NOOP("corvelle::MainWindow", "&Large Cards (150%)"),
     QKeySequence(Qt::CTRL | Qt::Key_2)},
    {175, QT_TRANSLATE_NOOP("corvelle::MainWindow", "&Very Large Cards (175%)"), QKeySequence()},
    {200, QT_TRANSLATE_NOOP("corvelle::MainWindow", "&Huge Cards (200%)"),
     QKeySequence(Qt::CTRL | Qt::Key_3)},
}};

// Whether a window whose client area is `client` at 100% fits `available` at `percent`, with
// `around` the room the menu bar and the window's frame take besides.
bool cardSizeFits(int percent, QSize client, QSize around, QSize available);

// The card size to show when the player wants `wanted`: the largest size up to it that fits,
// or the smallest size when none does.
int fittingCardSize(int wanted, QSize client, QSize around, QSize available);

} // namespace corvelle
