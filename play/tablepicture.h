// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/gamestate.h"
#include "pictures/cardpicturecache.h"
#include "play/hinttarget.h"

#include <QWidget>

namespace corvelle {

// A small picture of a whole table, drawn with the game's own card pictures: the seven columns
// as far as they are still on the table, the draw pile's backs and the top of the discard pile.
// It shows a position of a review or of a best line and never touches the game in progress; a
// move can be outlined on it as the hint outlines it on the table.
class TablePicture : public QWidget {
    Q_OBJECT

public:
    explicit TablePicture(QWidget* parent);

    void showPosition(const GameState& state, HintTarget outlined = {});
    // What a screen reader is told of the position: the free cards, the discard top and the
    // cards left to draw.
    QString description() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect cardRect(int column, int row) const;
    QRect discardRect() const;
    QRect drawPileRect(int index) const;

    CardPictureCache pictures_;
    GameState state_;
    HintTarget outlined_;
    bool shown_ = false;
};

} // namespace corvelle
