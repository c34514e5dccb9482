// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cardart/suitpath.h"

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

#include <functional>
#include <vector>

class QPainter;

// Draws the game's card pictures: picture 1 to 52 the ordinary cards (Spades, Clubs,
// Diamonds, Hearts, each Ace to King), 53 and 54 the black and the red joker, 55 the card
// back. Every picture is four times the size the game shows it at, so it stays sharp when
// scaled down; everything that tells one card from another in a covered card sits in the top
// strip that stays visible when the next card of a column lies on it. The corners outside the
// rounded card are a neutral grey that the game clips away. Drawing uses only vector shapes
// and one fixed font, with no clock and no randomness, so the same program always draws the
// same pixels.
class CardPainter {
public:
    static constexpr int Width = 276;
    static constexpr int Height = 420;
    // The radius of the card's rounded corners, in picture pixels.
    static constexpr qreal CornerRadius = 18;
    static constexpr int PictureCount = corvelle::CardBackPicture;
    static constexpr int BackPicture = corvelle::CardBackPicture;

    // The picture with the given number, or a null image for a number outside 1 to 55.
    QImage picture(int number) const;

    // The outlines of the top-left corner index of ordinary card `number` (1 to 52): its rank,
    // and its suit below it. The bottom-right corner shows the same index turned half round.
    static QPainterPath indexRank(int number);
    static QPainterPath indexSuit(int number);
    // The boxes that the middle of ordinary card `number` covers: one for each pip, the ace's
    // large pip, or a court card's frame.
    static std::vector<QRectF> faceBoxes(int number);

private:
    struct Face {
        int rank = 0;
        Suit suit = Suit::Spades;
        QColor colour;
    };

    static Face faceOf(int number);
    void drawBlank(QPainter& painter) const;
    void drawIndex(QPainter& painter, const Face& face, int number) const;
    void drawPips(QPainter& painter, const Face& face) const;
    void drawAce(QPainter& painter, const Face& face) const;
    void drawCourt(QPainter& painter, const Face& face) const;
    void drawFigure(QPainter& painter, const Face& face) const;
    void drawJoker(QPainter& painter, bool red) const;
    void drawBack(QPainter& painter) const;
    void drawBothWays(QPainter& painter, const std::function<void()>& draw) const;
};
