#pragma once

#include "engine/game.h"

#include <array>

namespace corvelle {

class CardPicture;

// Play without a mouse: Left and Right choose a column, whose free card carries a clear
// outline, and the window plays that card when the player presses Enter. The choice is the
// window's own; it follows the table as cards are played, drawn back or dealt.
class KeyboardPlay {
public:
    KeyboardPlay(const Game& game, const std::array<CardPicture*, TableSlots>& pictures)
        : game_(game), pictures_(pictures) {}

    // Moves to the next column with a card on the table, to the right (+1) or left (-1).
    void move(int step);
    // Chooses the column of table slot `slot`.
    void choose(int slot);
    // The free card of the chosen column, or -1.
    int chosenSlot() const;
    // Draws the outline where the choice now is.
    void refresh();

private:
    const Game& game_;
    const std::array<CardPicture*, TableSlots>& pictures_;
    int column_ = -1;
};

} // namespace corvelle
