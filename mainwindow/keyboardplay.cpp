// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/keyboardplay.h"

#include "engine/rules.h"
#include "mainwindow/cardpicture.h"

#include <QApplication>

namespace corvelle {

namespace {

// The free card of `column`, as the rules say, or -1 when the column is empty.
int freeSlotOf(const GameState& state, int column) {
    const int height = columnHeight(state.onTable, column);
    return height > 0 ? freeSlot(column, height) : -1;
}

} // namespace

// The next column after `from` with a card on the table, to the right (+1) or left (-1); `from`
// itself when no other has one.
int KeyboardPlay::nextColumn(int from, int step) const {
    const int start = from < 0 ? (step > 0 ? -1 : 0) : from;
    for (int i = 1; i <= Columns; ++i) {
        const int column = ((start + step * i) % Columns + Columns) % Columns;
        if (freeSlotOf(game_.state(), column) >= 0) {
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
    return column_ < 0 ? -1 : freeSlotOf(game_.state(), column_);
}

// A card a hint points at keeps the hint's outline. A column that empties passes the choice on.
void KeyboardPlay::refresh() {
    if (column_ >= 0 && freeSlotOf(game_.state(), column_) < 0) {
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
