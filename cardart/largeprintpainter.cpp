// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardart/largeprintpainter.h"

#include "cardart/letterpaths.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

const QColor Corner(70, 70, 70);
const QColor Ink(16, 16, 16);
const QColor Navy(18, 34, 92);
const QColor Gold(240, 196, 64);

// The thick dark outline, inside the rounded edge that the game cuts the picture to.
constexpr qreal OutlineWidth = 8;

// The top strip's index: the rank in a box at the left, as tall as the strip allows, and the
// suit symbol to its right, on the rank's middle line.
constexpr qreal RankLeft = 18;
constexpr qreal RankWidth = 134;
constexpr qreal RankTop = 20;
constexpr qreal RankCapHeight = 136;
constexpr qreal IndexSuitSize = 96;
constexpr QPointF IndexSuitCentre(RankLeft + RankWidth + 14 + IndexSuitSize / 2,
                                  RankTop + RankCapHeight / 2);

// Everything else lies in the body below the strip.
const QRectF PipArea(22, 190, 232, 212);
constexpr qreal MaxPipSize = 84;
constexpr QPointF BodyCentre(CardPainter::Width / 2.0, 296);
constexpr qreal AceSize = 184;
const QRectF CourtPanel(26, 188, 224, 212);

// The rank's letters with their capitals as high as `box`, centred in it, and narrowed to its
// width where they are wider (the 10, A and Q of the index).
QPainterPath rankIn(int rank, const QRectF& box) {
    const QPainterPath p = rankGlyphs(rank);
    const qreal scale = box.height() / FontCapHeight;
    const qreal narrowing = std::min(1.0, box.width() / (p.boundingRect().width() * scale));
    return QTransform()
        .translate(box.center().x(), box.bottom())
        .scale(scale * narrowing, scale)
        .translate(-p.boundingRect().center().x(), 0)
        .map(p);
}

QPainterPath suitAt(Suit suit, QPointF centre, qreal size) {
    return suitPath(suit, QRectF(centre.x() - size / 2, centre.y() - size / 2, size, size));
}

// A bold five-pointed star standing on two points, centred in a box of `size`.
QPainterPath star(QPointF centre, qreal size) {
    const qreal outer = size / 2;
    const qreal inner = outer * 0.48;
    // The points reach up to -outer and down to outer * cos 36°: centred, the star's box is
    // shifted down by half the difference.
    const qreal shift = outer * (1 - std::cos(std::numbers::pi / 5)) / 2;
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = std::numbers::pi * i / 5;
        const qreal radius = i % 2 == 0 ? outer : inner;
        points << centre + QPointF(radius * std::sin(angle), shift - radius * std::cos(angle));
    }
    QPainterPath p;
    p.addPolygon(points);
    p.closeSubpath();
    return p;
}

// The pips of 2 to 10 in rows, counted from the top: rows of up to three, as easy to count as
// a die (the 10 has four in its middle row).
std::vector<int> pipRows(int rank) {
    switch (rank) {
    case 2:
        return {2};
    case 3:
        return {3};
    case 4:
        return {2, 2};
    case 5:
        return {2, 1, 2};
    case 6:
        return {3, 3};
    case 7:
        return {3, 1, 3};
    case 8:
        return {3, 2, 3};
    case 9:
        return {3, 3, 3};
    case 10:
        return {3, 4, 3};
    default:
        return {};
    }
}

// A colour mixed with white, `share` of it the colour.
QColor tint(const QColor& colour, qreal share) {
    const auto mix = [share](int c) { return qRound(c * share + 255 * (1 - share)); };
    return QColor(mix(colour.red()), mix(colour.green()), mix(colour.blue()));
}

} // namespace

QColor LargePrintPainter::suitColour(Suit suit) {
    switch (suit) {
    case Suit::Spades:
        return Ink;
    case Suit::Clubs:
        return QColor(0, 128, 100);
    case Suit::Diamonds:
        return QColor(64, 0, 200);
    case Suit::Hearts:
        return QColor(220, 40, 0);
    }
    return Ink;
}

QImage LargePrintPainter::picture(int number) const {
    if (number < 1 || number > PictureCount) {
        return {};
    }
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Corner);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawBlank(painter);
    if (number == CardPainter::BackPicture) {
        drawBack(painter);
    } else if (corvelle::isJoker(number)) {
        drawJoker(painter, suitColour(number == corvelle::RedJoker ? Suit::Hearts : Suit::Spades));
    } else {
        const int rank = corvelle::faceRank(number);
        const Suit suit = corvelle::suitOf(number);
        const QColor colour = suitColour(suit);
        painter.fillPath(indexRank(number), colour);
        painter.fillPath(indexSuit(number), colour);
        if (rank == 1) {
            painter.fillPath(suitAt(suit, BodyCentre, AceSize), colour);
        } else if (rank > 10) {
            drawCourt(painter, rank, suit);
        } else {
            drawPips(painter, rank, suit);
        }
    }
    return image;
}

QPainterPath LargePrintPainter::indexRank(int number) {
    return rankIn(corvelle::faceRank(number), QRectF(RankLeft, RankTop, RankWidth, RankCapHeight));
}

QPainterPath LargePrintPainter::indexSuit(int number) {
    return suitAt(corvelle::suitOf(number), IndexSuitCentre, IndexSuitSize);
}

void LargePrintPainter::drawBlank(QPainter& painter) const {
    const qreal inset = OutlineWidth / 2;
    painter.setPen(QPen(Ink, OutlineWidth));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(inset, inset, Width - OutlineWidth, Height - OutlineWidth),
                            CardPainter::CornerRadius - inset, CardPainter::CornerRadius - inset);
}

void LargePrintPainter::drawPips(QPainter& painter, int rank, Suit suit) const {
    const std::vector<int> rows = pipRows(rank);
    const int widest = *std::ranges::max_element(rows);
    const qreal rowHeight = PipArea.height() / static_cast<qreal>(rows.size());
    const qreal columnWidth = PipArea.width() / widest;
    const qreal size = std::min(MaxPipSize, std::min(rowHeight, columnWidth) * 0.84);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const qreal y = PipArea.top() + rowHeight * (static_cast<qreal>(row) + 0.5);
        for (int i = 0; i < rows[row]; ++i) {
            const qreal x = PipArea.center().x() + columnWidth * (i - (rows[row] - 1) / 2.0);
            painter.fillPath(suitAt(suit, QPointF(x, y), size), suitColour(suit));
        }
    }
}

// A court card: its letter, large, on a panel tinted with the suit's colour and framed in it,
// with the suit symbol in two corners of the panel.
void LargePrintPainter::drawCourt(QPainter& painter, int rank, Suit suit) const {
    const QColor colour = suitColour(suit);
    painter.setPen(QPen(colour, 6));
    painter.setBrush(tint(colour, 0.12));
    painter.drawRoundedRect(CourtPanel, 10, 10);
    painter.fillPath(rankIn(rank, QRectF(BodyCentre - QPointF(80, 56), QSizeF(160, 112))), colour);
    constexpr qreal Corner = 44;
    const QPointF inset(Corner / 2 + 12, Corner / 2 + 12);
    painter.fillPath(suitAt(suit, CourtPanel.topLeft() + inset, Corner), colour);
    painter.fillPath(suitAt(suit, CourtPanel.bottomRight() - inset, Corner), colour);
}

// A joker: JOKER across the top strip over a row of three stars, and one big star below, all in
// the joker's colour with a dark outline.
void LargePrintPainter::drawJoker(QPainter& painter, const QColor& colour) const {
    const QPainterPath word = textPath(QStringLiteral("JOKER"), QPointF(Width / 2.0, RankTop), 48);
    painter.fillPath(word, colour);
    painter.setPen(QPen(Ink, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colour);
    for (const int i : {-1, 0, 1}) {
        painter.drawPath(star(QPointF(Width / 2.0 + 84 * i, 122), 72));
    }
    painter.drawPath(star(BodyCentre, 204));
}

// The back: a navy field with a bold light lattice, a white frame and a gold diamond in the
// middle; no white face and no index, so it is never taken for a card's face.
void LargePrintPainter::drawBack(QPainter& painter) const {
    // A narrow white margin keeps the navy from the card's corners, which the game cuts away:
    // JPEG would smear its colour into them.
    constexpr qreal Margin = OutlineWidth + 6;
    const QRectF field(Margin, Margin, Width - 2 * Margin, Height - 2 * Margin);
    QPainterPath inside;
    inside.addRoundedRect(field, 8, 8);
    painter.fillPath(inside, Navy);
    painter.save();
    painter.setClipPath(inside);
    painter.setPen(QPen(QColor(120, 150, 230), 6));
    constexpr int Step = 40;
    for (int d = -Height; d < Width + Height; d += Step) {
        painter.drawLine(QPointF(d, 0), QPointF(d + Height, Height));
        painter.drawLine(QPointF(d, 0), QPointF(d - Height, Height));
    }
    painter.restore();
    painter.setPen(QPen(Qt::white, 8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(field.adjusted(10, 10, -10, -10), 6, 6);
    const QPointF centre(Width / 2.0, Height / 2.0);
    QPolygonF diamond;
    diamond << centre + QPointF(0, -70) << centre + QPointF(50, 0) << centre + QPointF(0, 70)
            << centre + QPointF(-50, 0);
    painter.setPen(QPen(Navy, 6));
    painter.setBrush(Gold);
    painter.drawPolygon(diamond);
}
