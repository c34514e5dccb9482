// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cardart/cardpainter.h"
#include "cardart/suitpath.h"

#include <QColor>
#include <QImage>
#include <QPainterPath>

class QPainter;

// Draws the "Large Print" card faces, for players who see poorly: the same 55 pictures as
// CardPainter (same size, numbering and rounded corners, so the game shows either set), made
// to be read at the smallest size the game shows them. A covered card shows only its top strip,
// so that strip holds one large, bold rank and one large suit symbol side by side and nothing
// else; below it are big plain pips, one big symbol for an ace, or a tinted panel with the
// court's letter. The face is plain white inside a thick dark outline.
//
// Each suit has a shape and a colour of its own: Spades black, Clubs a bluish green, Diamonds a
// violet blue, Hearts a vermilion red. Against the usual four-colour deck (green Clubs, red
// Hearts) these stay apart for protanopes, deuteranopes and tritanopes alike: simulated
// colour-blind sight keeps every pair at least about 35 CIELAB units apart, where red and green
// Clubs and Hearts come within about 18. Each has at least 4.5:1 contrast against the white.
//
// The jokers say JOKER in the top strip above a row of stars; the back is a dark, boldly
// latticed field with no white face at all. Like CardPainter, it uses only vector shapes and
// one fixed font, so every build draws the same pixels.
class LargePrintPainter {
public:
    static constexpr int Width = CardPainter::Width;
    static constexpr int Height = CardPainter::Height;
    static constexpr int PictureCount = CardPainter::PictureCount;
    // The top strip of a covered card: the next card of a column lies 660 of the card's 1575
    // twips lower.
    static constexpr qreal CoveredStripHeight = Height * 660.0 / 1575.0;

    // The picture with the given number, or a null image for a number outside 1 to 55.
    QImage picture(int number) const;

    // The ink of a suit's ranks and symbols.
    static QColor suitColour(Suit suit);
    // The outlines of the top strip's index of ordinary card `number` (1 to 52): its rank at the
    // left, its suit at the right.
    static QPainterPath indexRank(int number);
    static QPainterPath indexSuit(int number);

private:
    void drawBlank(QPainter& painter) const;
    void drawPips(QPainter& painter, int rank, Suit suit) const;
    void drawCourt(QPainter& painter, int rank, Suit suit) const;
    void drawJoker(QPainter& painter, const QColor& colour) const;
    void drawBack(QPainter& painter) const;
};
