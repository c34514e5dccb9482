#include "mainwindow/keyboardplay.h"

#include "mainwindow/cardpicture.h"

#include <QApplication>

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

// The next column after `from` with a card on the table, to the right (+1) or left (-1); `from`
// itself when no other has one.
int KeyboardPlay::nextColumn(int from, int step) const {
    const int start = from < 0 ? (step > 0 ? -1 : 0) : from;
    for (int i = 1; i <= Columns; ++i) {
        const int column = ((start + step * i) % Columns + Columns) % Columns;
        if (freeSlot(game_.state(), column) >= 0) {
            return column;
        }
    }
    return from;
}

void KeyboardPlay::move(int step) {
    column_ = nextColumn(column_, step);
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

// A card a hint points at keeps the hint's outline. A column that empties passes the choice on.
void KeyboardPlay::refresh() {
    if (column_ >= 0 && freeSlot(game_.state(), column_) < 0) {
        column_ = nextColumn(column_, 1);
    }
    const int chosen = chosenSlot();
    for (int slot = 0; slot < TableSlots; ++slot) {
        CardPicture* card = pictures_[slot];
        if (card->outline() != CardPicture::Outline::Hint) {
            card->setOutline(slot == chosen ? CardPicture::Outline::Chosen
                                            : CardPicture::Outline::None);
        }
    }
    const QWidget* focus = QApplication::focusWidget();
    const bool onTable = focus != nullptr && table_ != nullptr &&
                         (focus == table_ || focus->parentWidget() == table_);
    if (onTable && chosen >= 0 && focus != pictures_[chosen]) {
        pictures_[chosen]->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace corvelle
