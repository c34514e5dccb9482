// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace corvelle {

// Offers the card table to a screen reader as it looks: the cards still on the table, the draw
// pile as one object that says how many cards it holds, the discard pile, the scores, the undo
// button and, while the game is over, its panel. Played cards, the draw pile's further backs
// and whatever else is hidden are not among its children. Call it on the table widget right
// after creating it.
void makeTableAccessible(QWidget* table);

} // namespace corvelle
