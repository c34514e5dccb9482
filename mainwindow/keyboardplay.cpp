#include "mainwindow/keyboardplay.h"

#include "mainwindow/cardpicture.h"

namespace corvelle {

namespace {

// The lowest card of `column` still on the table, or -1.
int freeSlot(const GameState& state, int column) {
    for (int row = Rows - 1; row >= 0; --row) {
        if (state.onTable[Rows * column + row]) {
            return Rows * column + row;
        }
    }
    return -1;
}

} // namespace

void KeyboardPlay::move(int step) {
    const int start = column_ < 0 ? (step > 0 ? -1 : 0) : column_;
    for (int i = 1; i <= Columns; ++i) {
        const int column = ((start + step * i) % Columns + Columns) % Columns;
        if (freeSlot(game_.state(), column) >= 0) {
            column_ = column;
            break;
        }
    }
    refresh();
}

void KeyboardPlay::choose(int slot) {
    if (slot >= 0 && slot < TableSlots) {
        column_ = slot / Rows;
        refresh();
    }
}

int KeyboardPlay::chosenSlot() const {
    return column_ < 0 ? -1 : freeSlot(game_.state(), column_);
}

// A card a hint points at keeps the hint's outline.
void KeyboardPlay::refresh() {
    const int chosen = chosenSlot();
    for (int slot = 0; slot < TableSlots; ++slot) {
        CardPicture* card = pictures_[slot];
        if (card->outline() != CardPicture::Outline::Hint) {
            card->setOutline(slot == chosen ? CardPicture::Outline::Chosen
                                            : CardPicture::Outline::None);
        }
    }
}

} // namespace corvelle
