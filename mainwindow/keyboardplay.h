// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/game.h"

#include <array>

class QWidget;

namespace corvelle {

class CardPicture;

// Play without a mouse: Left and Right choose a column, whose free card carries a clear
// outline and takes the keyboard focus (so a screen reader says which card it is and whether it
// is free), and the window plays that card when the player presses Enter. The choice is the
// window's own; it follows the table as cards are played, drawn back or dealt, and moves on to
// the next column with a card when its column empties.
class KeyboardPlay {
public:
    // `table`: the widget of the whole table, which has the focus while no card is chosen.
    KeyboardPlay(const Game& game, const std::array<CardPicture*, TableSlots>& pictures)
        : game_(game), pictures_(pictures) {}
    void setTable(QWidget* table) { table_ = table; }

    // Moves to the next column with a card on the table, to the right (+1) or left (-1).
    void move(int step);
    // Chooses the column of table slot `slot`.
    void choose(int slot);
    // The free card of the chosen column, or -1.
    int chosenSlot() const;
    // Draws the outline where the choice now is, and gives the chosen card the focus while the
    // table has it.
    void refresh();

private:
    int nextColumn(int from, int step) const;

    const Game& game_;
    const std::array<CardPicture*, TableSlots>& pictures_;
    QWidget* table_ = nullptr;
    int column_ = -1;
};

} // namespace corvelle
