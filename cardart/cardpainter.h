#pragma once

#include "suitpath.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <functional>

class QPainter;

// Draws the game's card pictures: picture 1 to 52 the ordinary cards (Spades, Clubs,
// Diamonds, Hearts, each Ace to King), 53 and 54 the black and the red joker, 55 the card
// back. Every picture is four times the size the game shows it at, so it stays sharp when
// scaled down; everything that tells one card from another in a covered card sits in the top
// strip that stays visible when the next card of a column lies on it. Drawing uses only
// vector shapes and one fixed font, with no clock and no randomness, so the same program
// always draws the same pixels.
class CardPainter {
public:
    static constexpr int Width = 276;
    static constexpr int Height = 420;
    static constexpr int PictureCount = 55;
    static constexpr int BackPicture = 55;

    // The picture with the given number, or a null image for a number outside 1 to 55.
    QImage picture(int number) const;

private:
    struct Face {
        int rank = 0;
        Suit suit = Suit::Spades;
        QColor colour;
    };

    static Face faceOf(int number);
    void drawBlank(QPainter& painter) const;
    void drawIndex(QPainter& painter, const Face& face) const;
    void drawPips(QPainter& painter, const Face& face) const;
    void drawCourt(QPainter& painter, const Face& face) const;
    void drawCourtHalf(QPainter& painter, const Face& face) const;
    void drawEmblem(QPainter& painter, int rank, const QRectF& box, const QColor& colour) const;
    void drawJoker(QPainter& painter, const QColor& colour) const;
    void drawBack(QPainter& painter) const;
    void drawBothWays(QPainter& painter, const std::function<void()>& draw) const;
};
