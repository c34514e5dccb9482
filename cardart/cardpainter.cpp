// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardart/cardpainter.h"

#include "cardart/letterpaths.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <array>
#include <utility>

namespace {

const QColor Red(200, 16, 32);
const QColor Black(20, 20, 20);
const QColor Border(70, 70, 70);
const QColor Ink(40, 32, 30);
const QColor Gold(226, 180, 56);
const QColor Skin(248, 220, 186);
const QColor Navy(22, 40, 104);
const QPointF Centre(CardPainter::Width / 2.0, CardPainter::Height / 2.0);

// The corner index: rank above suit, both centred on one vertical line near the left edge.
constexpr qreal IndexX = 38;
constexpr qreal IndexRankTop = 14;
constexpr qreal IndexCapHeight = 50;
constexpr qreal IndexSuitTop = 76;
constexpr qreal IndexSuitSize = 38;

// The pips of 2 to 10 lie in three columns well clear of the index column.
constexpr std::array<qreal, 3> PipColumns{97, 138, 179};
constexpr qreal PipTop = 72;
constexpr qreal PipBottom = 348;
constexpr qreal PipSize = 44;
constexpr qreal AceSize = 156;

const QRectF CourtPanel(74, 22, 128, 376);

// Where the pips of the cards 2 to 10 lie: column -1, 0 or 1, and the height from 0 (top) to
// 1 (bottom) of the pip area.
std::vector<std::pair<int, qreal>> pipLayout(int rank) {
    std::vector<std::pair<int, qreal>> sides3{{-1, 0},  {1, 0},  {-1, 0.5},
                                              {1, 0.5}, {-1, 1}, {1, 1}};
    std::vector<std::pair<int, qreal>> pips;
    switch (rank) {
    case 2:
        return {{0, 0}, {0, 1}};
    case 3:
        return {{0, 0}, {0, 0.5}, {0, 1}};
    case 4:
        return {{-1, 0}, {1, 0}, {-1, 1}, {1, 1}};
    case 5:
        return {{-1, 0}, {1, 0}, {0, 0.5}, {-1, 1}, {1, 1}};
    case 6:
        return sides3;
    case 7:
        pips = sides3;
        pips.emplace_back(0, 0.25);
        return pips;
    case 8:
        pips = sides3;
        pips.emplace_back(0, 0.25);
        pips.emplace_back(0, 0.75);
        return pips;
    case 9:
    case 10:
        for (const qreal row : {0.0, 1.0 / 3, 2.0 / 3, 1.0}) {
            pips.emplace_back(-1, row);
            pips.emplace_back(1, row);
        }
        if (rank == 9) {
            pips.emplace_back(0, 0.5);
        } else {
            pips.emplace_back(0, 1.0 / 6);
            pips.emplace_back(0, 5.0 / 6);
        }
        return pips;
    default:
        return {};
    }
}

// A suit symbol of the given size around centre; pips in the lower half of a card stand on
// their heads, as on printed cards.
QPainterPath suitAt(Suit suit, QPointF centre, qreal size, bool upsideDown = false) {
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    if (upsideDown) {
        turn.rotate(180);
    }
    return turn.map(suitPath(suit, QRectF(-size / 2, -size / 2, size, size)));
}

std::vector<QPainterPath> pipPaths(int rank, Suit suit) {
    std::vector<QPainterPath> paths;
    if (rank == 1) {
        paths.push_back(suitAt(suit, Centre, AceSize));
    } else if (rank <= 10) {
        for (const auto& [column, row] : pipLayout(rank)) {
            const QPointF centre(PipColumns.at(column + 1), PipTop + row * (PipBottom - PipTop));
            paths.push_back(suitAt(suit, centre, PipSize, row > 0.5));
        }
    }
    return paths;
}

// The path scaled about the middle of the card, as one outline without the inner edges of
// overlapping parts (the club's leaves), fit to be stroked. Path simplification flattens curves
// at the path's own scale, so it works on a thousandfold enlargement.
QPainterPath scaledAboutCentre(const QPainterPath& path, qreal factor) {
    const QPainterPath big = QTransform()
                                 .scale(1000, 1000)
                                 .translate(Centre.x(), Centre.y())
                                 .scale(factor, factor)
                                 .translate(-Centre.x(), -Centre.y())
                                 .map(path)
                                 .simplified();
    return QTransform::fromScale(0.001, 0.001).map(big);
}

// The fine line drawn around the ace's pip.
QPainterPath aceContour(const QPainterPath& pip) {
    return scaledAboutCentre(pip, 1.14);
}

QColor lighter(const QColor& colour, int percent) {
    return colour == Black ? QColor(90, 90, 96) : colour.lighter(percent);
}

// Fills a shape and draws its outline in ink, as the figures of the court cards are drawn.
void shape(QPainter& painter, const QPainterPath& path, const QBrush& fill, qreal outline = 1.8) {
    painter.setPen(outline > 0 ? QPen(Ink, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                               : QPen(Qt::NoPen));
    painter.setBrush(fill);
    painter.drawPath(path);
}

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry) {
    QPainterPath p;
    p.addEllipse(centre, rx, ry);
    return p;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath p;
    p.addPolygon(QPolygonF(QList<QPointF>(points)));
    p.closeSubpath();
    return p;
}

// A face looking out of the card: eyes, brows, nose and a mouth, on a skin oval.
void drawFace(QPainter& painter, QPointF c, qreal rx, qreal ry, bool smile = false) {
    shape(painter, ellipse(c, rx, ry), Skin);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    painter.drawEllipse(c + QPointF(-rx * 0.38, -ry * 0.12), rx * 0.12, ry * 0.08);
    painter.drawEllipse(c + QPointF(rx * 0.38, -ry * 0.12), rx * 0.12, ry * 0.08);
    painter.setPen(QPen(Ink, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(c + QPointF(-rx * 0.6, -ry * 0.3), c + QPointF(-rx * 0.18, -ry * 0.34));
    painter.drawLine(c + QPointF(rx * 0.6, -ry * 0.3), c + QPointF(rx * 0.18, -ry * 0.34));
    QPainterPath nose(c + QPointF(0, -ry * 0.1));
    nose.quadTo(c + QPointF(-rx * 0.16, ry * 0.22), c + QPointF(rx * 0.06, ry * 0.24));
    painter.drawPath(nose);
    QPainterPath mouth(c + QPointF(-rx * (smile ? 0.5 : 0.28), ry * (smile ? 0.38 : 0.48)));
    mouth.quadTo(c + QPointF(0, ry * (smile ? 0.75 : 0.56)),
                 c + QPointF(rx * (smile ? 0.5 : 0.28), ry * (smile ? 0.38 : 0.48)));
    painter.setPen(QPen(QColor(150, 90, 80), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(mouth);
}

} // namespace

QImage CardPainter::picture(int number) const {
    if (number < 1 || number > PictureCount) {
        return {};
    }
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Border);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawBlank(painter);
    if (number == BackPicture) {
        drawBack(painter);
    } else if (corvelle::isJoker(number)) {
        drawJoker(painter, corvelle::isRed(number));
    } else {
        const Face face = faceOf(number);
        drawBothWays(painter, [&] { drawIndex(painter, face, number); });
        if (face.rank > 10) {
            drawCourt(painter, face);
        } else if (face.rank == 1) {
            drawAce(painter, face);
        } else {
            drawPips(painter, face);
        }
    }
    return image;
}

QPainterPath CardPainter::indexRank(int number) {
    const qreal scale = IndexCapHeight / FontCapHeight;
    const QPainterPath p = rankGlyphs(faceOf(number).rank);
    return QTransform()
        .translate(IndexX, IndexRankTop + IndexCapHeight)
        .scale(scale, scale)
        .translate(-p.boundingRect().center().x(), 0)
        .map(p);
}

QPainterPath CardPainter::indexSuit(int number) {
    return suitAt(faceOf(number).suit, QPointF(IndexX, IndexSuitTop + IndexSuitSize / 2),
                  IndexSuitSize);
}

std::vector<QRectF> CardPainter::faceBoxes(int number) {
    const Face face = faceOf(number);
    if (face.rank > 10) {
        return {CourtPanel};
    }
    std::vector<QRectF> boxes;
    if (face.rank == 1) {
        return {aceContour(pipPaths(1, face.suit).front()).boundingRect()};
    }
    for (const QPainterPath& pip : pipPaths(face.rank, face.suit)) {
        boxes.push_back(pip.boundingRect());
    }
    return boxes;
}

CardPainter::Face CardPainter::faceOf(int number) {
    Face face;
    face.rank = corvelle::faceRank(number);
    face.suit = corvelle::suitOf(number);
    face.colour = corvelle::isRed(number) ? Red : Black;
    return face;
}

void CardPainter::drawBlank(QPainter& painter) const {
    painter.setPen(QPen(Border, 3));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(1.5, 1.5, Width - 3, Height - 3), CornerRadius - 1.5,
                            CornerRadius - 1.5);
}

void CardPainter::drawIndex(QPainter& painter, const Face& face, int number) const {
    painter.fillPath(indexRank(number), face.colour);
    painter.fillPath(indexSuit(number), face.colour);
}

void CardPainter::drawPips(QPainter& painter, const Face& face) const {
    for (const QPainterPath& pip : pipPaths(face.rank, face.suit)) {
        painter.fillPath(pip, face.colour);
    }
}

// The ace: one large pip, shaded from the light, with an engraved line inside its outline, a
// small pip of the paper's colour at its heart and a fine contour around it.
void CardPainter::drawAce(QPainter& painter, const Face& face) const {
    const QPainterPath pip = pipPaths(1, face.suit).front();
    painter.setPen(QPen(face.colour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(aceContour(pip));
    const QRectF box = pip.boundingRect();
    QLinearGradient shade(box.topLeft(), box.bottomRight());
    shade.setColorAt(0, lighter(face.colour, 150));
    shade.setColorAt(0.45, face.colour);
    shade.setColorAt(1, face.colour.darker(130));
    painter.fillPath(pip, shade);
    painter.setPen(QPen(Qt::white, 3.5));
    painter.drawPath(scaledAboutCentre(pip, 0.8));
    painter.fillPath(suitAt(face.suit, Centre + QPointF(0, 4), 30), Qt::white);
}

void CardPainter::drawCourt(QPainter& painter, const Face& face) const {
    const bool red = face.colour == Red;
    painter.setPen(QPen(face.colour, 4));
    painter.setBrush(red ? QColor(253, 240, 228) : QColor(236, 240, 246));
    painter.drawRect(CourtPanel);
    drawBothWays(painter, [&] {
        painter.save();
        painter.setClipRect(QRectF(CourtPanel.left() + 2, CourtPanel.top() + 2,
                                   CourtPanel.width() - 4, Centre.y() - CourtPanel.top() - 2));
        drawFigure(painter, face);
        painter.restore();
    });
    painter.setPen(QPen(face.colour, 2));
    painter.drawLine(QPointF(CourtPanel.left(), Centre.y()),
                     QPointF(CourtPanel.right(), Centre.y()));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(CourtPanel.adjusted(6, 6, -6, -6));
}

// The upper half of a court card: a King with crown, beard and sceptre, a Queen with tiara,
// veil, long hair and a flower, a Jack with a feathered cap and a halberd. Their robes are in
// the suit's colour with gold trim and one second colour for each suit, and the suit's pip
// sits on a gold medallion on the chest.
void CardPainter::drawFigure(QPainter& painter, const Face& face) const {
    const QColor robe = face.colour;
    const QColor second = (face.suit == Suit::Spades || face.suit == Suit::Diamonds)
                              ? QColor(46, 84, 170)
                              : QColor(30, 122, 72);
    const qreal cx = Centre.x();
    const qreal mid = Centre.y();
    const QPointF head(cx, 116);

    // Behind the figure: the Queen's veil and hair, the Jack's halberd.
    if (face.rank == 12) {
        QPainterPath veil(QPointF(cx - 24, 90));
        veil.cubicTo(QPointF(cx - 44, 120), QPointF(cx - 50, 160), QPointF(cx - 58, mid));
        veil.lineTo(QPointF(cx + 58, mid));
        veil.cubicTo(QPointF(cx + 50, 160), QPointF(cx + 44, 120), QPointF(cx + 24, 90));
        veil.closeSubpath();
        shape(painter, veil, second);
        QPainterPath hair(QPointF(cx - 20, 100));
        hair.cubicTo(QPointF(cx - 34, 120), QPointF(cx - 30, 146), QPointF(cx - 34, 158));
        hair.lineTo(QPointF(cx + 34, 158));
        hair.cubicTo(QPointF(cx + 30, 146), QPointF(cx + 34, 120), QPointF(cx + 20, 100));
        hair.closeSubpath();
        shape(painter, hair, QColor(196, 150, 58));
    } else if (face.rank == 11) {
        const qreal x = cx + 44;
        shape(painter, polygon({{x - 3, 62}, {x + 3, 62}, {x + 3, mid}, {x - 3, mid}}),
              QColor(150, 104, 52), 1.4);
        const QColor steel(186, 192, 204);
        shape(painter, polygon({{x, 30}, {x + 7, 52}, {x, 62}, {x - 7, 52}}), steel);
        QPainterPath blade(QPointF(x - 3, 60));
        blade.lineTo(QPointF(x - 18, 54));
        blade.quadTo(QPointF(x - 26, 72), QPointF(x - 18, 90));
        blade.lineTo(QPointF(x - 3, 84));
        blade.closeSubpath();
        shape(painter, blade, steel);
        shape(painter, polygon({{x + 3, 64}, {x + 14, 68}, {x + 3, 76}}), steel);
    }

    // The robe across the shoulders, its trim, and the medallion with the suit's pip.
    QPainterPath body(QPointF(cx - 62, mid));
    body.lineTo(QPointF(cx - 58, 178));
    body.cubicTo(QPointF(cx - 50, 156), QPointF(cx - 30, 146), QPointF(cx - 12, 144));
    body.lineTo(QPointF(cx + 12, 144));
    body.cubicTo(QPointF(cx + 30, 146), QPointF(cx + 50, 156), QPointF(cx + 58, 178));
    body.lineTo(QPointF(cx + 62, mid));
    body.closeSubpath();
    shape(painter, body, robe);
    painter.save();
    painter.setClipPath(body);
    shape(painter, polygon({{cx - 70, 150}, {cx - 40, 150}, {cx - 28, mid}, {cx - 70, mid}}),
          second);
    shape(painter, polygon({{cx + 70, 150}, {cx + 40, 150}, {cx + 28, mid}, {cx + 70, mid}}),
          second);
    painter.restore();
    shape(painter, body, Qt::NoBrush);
    QPainterPath collar(QPointF(cx - 26, 146));
    collar.lineTo(QPointF(cx, 176));
    collar.lineTo(QPointF(cx + 26, 146));
    painter.setPen(QPen(Gold, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(collar);
    shape(painter, polygon({{cx - 8, 136}, {cx + 8, 136}, {cx + 9, 150}, {cx - 9, 150}}), Skin,
          1.4);
    if (face.rank == 13) {
        // An ermine collar: white fur with black tails.
        QPainterPath fur(QPointF(cx - 56, 170));
        fur.cubicTo(QPointF(cx - 40, 146), QPointF(cx - 20, 144), QPointF(cx, 152));
        fur.cubicTo(QPointF(cx + 20, 144), QPointF(cx + 40, 146), QPointF(cx + 56, 170));
        fur.lineTo(QPointF(cx + 50, 180));
        fur.cubicTo(QPointF(cx + 36, 160), QPointF(cx + 18, 156), QPointF(cx, 164));
        fur.cubicTo(QPointF(cx - 18, 156), QPointF(cx - 36, 160), QPointF(cx - 50, 180));
        fur.closeSubpath();
        shape(painter, fur, Qt::white);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Black);
        for (const qreal dx : {-40.0, -22.0, 22.0, 40.0}) {
            painter.drawEllipse(QPointF(cx + dx, 160 + qAbs(dx) * 0.12), 2.2, 3.2);
        }
    } else if (face.rank == 12) {
        painter.setPen(QPen(Ink, 1));
        painter.setBrush(Qt::white);
        for (int i = -3; i <= 3; ++i) {
            painter.drawEllipse(QPointF(cx + i * 6, 162 - (9 - i * i) * 0.9), 3, 3);
        }
    } else {
        painter.setPen(QPen(Gold, 8));
        painter.drawLine(QPointF(cx - 52, 168), QPointF(cx + 40, mid));
    }
    shape(painter, ellipse(QPointF(cx, 190), 12, 12), Gold, 1.4);
    painter.fillPath(suitAt(face.suit, QPointF(cx, 190), 15), robe);

    // The head.
    if (face.rank == 11) {
        shape(painter, ellipse(head + QPointF(0, -4), 24, 24), QColor(122, 78, 40));
    }
    drawFace(painter, head, 19, 23);
    if (face.rank == 13) {
        const QColor beard(104, 70, 40);
        QPainterPath b(head + QPointF(-19, -4));
        b.cubicTo(head + QPointF(-20, 22), head + QPointF(-10, 40), head + QPointF(0, 46));
        b.cubicTo(head + QPointF(10, 40), head + QPointF(20, 22), head + QPointF(19, -4));
        b.cubicTo(head + QPointF(16, 12), head + QPointF(10, 14), head + QPointF(0, 12));
        b.cubicTo(head + QPointF(-10, 14), head + QPointF(-16, 12), head + QPointF(-19, -4));
        b.closeSubpath();
        shape(painter, b, beard);
        QPainterPath moustache(head + QPointF(-14, 14));
        moustache.quadTo(head + QPointF(-6, 6), head + QPointF(0, 10));
        moustache.quadTo(head + QPointF(6, 6), head + QPointF(14, 14));
        moustache.quadTo(head + QPointF(6, 12), head + QPointF(0, 14));
        moustache.quadTo(head + QPointF(-6, 12), head + QPointF(-14, 14));
        shape(painter, moustache, beard.darker(130), 1);
    }

    // Headwear and what the figure holds.
    if (face.rank == 13) {
        shape(painter, polygon({{cx - 18, 94}, {cx - 14, 74}, {cx + 14, 74}, {cx + 18, 94}}), robe);
        QPainterPath crown(QPointF(cx - 22, 98));
        const std::array<qreal, 5> tips{56, 64, 48, 64, 56};
        for (int i = 0; i < 5; ++i) {
            crown.lineTo(QPointF(cx - 22 + 11 * i, tips.at(i)));
            if (i < 4) {
                crown.lineTo(QPointF(cx - 16.5 + 11 * i, 80));
            }
        }
        crown.lineTo(QPointF(cx + 22, 98));
        crown.closeSubpath();
        shape(painter, crown, Gold);
        for (int i = 0; i < 5; ++i) {
            shape(painter, ellipse(QPointF(cx - 22 + 11 * i, tips.at(i)), 3.5, 3.5), Gold, 1.2);
        }
        shape(painter, polygon({{cx - 22, 86}, {cx + 22, 86}, {cx + 22, 98}, {cx - 22, 98}}), Gold);
        shape(painter, ellipse(QPointF(cx, 92), 4, 3.5), second, 1);
        shape(painter, ellipse(QPointF(cx - 13, 92), 2.6, 2.6), robe, 0);
        shape(painter, ellipse(QPointF(cx + 13, 92), 2.6, 2.6), robe, 0);
        // The sceptre, topped with an orb and cross.
        const qreal x = cx - 42;
        shape(painter, polygon({{x - 3, 96}, {x + 3, 96}, {x + 4, mid}, {x - 4, mid}}), Gold, 1.4);
        shape(painter, ellipse(QPointF(x, 88), 9, 9), Gold);
        painter.setPen(QPen(Ink, 1.4));
        painter.drawLine(QPointF(x - 9, 88), QPointF(x + 9, 88));
        shape(painter, polygon({{x - 2, 64}, {x + 2, 64}, {x + 2, 79}, {x - 2, 79}}), Gold, 1.2);
        shape(painter, polygon({{x - 7, 68}, {x + 7, 68}, {x + 7, 72}, {x - 7, 72}}), Gold, 1.2);
        shape(painter, ellipse(QPointF(x, 176), 10, 7), Skin);
    } else if (face.rank == 12) {
        QPainterPath tiara(QPointF(cx - 20, 98));
        tiara.lineTo(QPointF(cx - 20, 86));
        tiara.quadTo(QPointF(cx - 16, 70), QPointF(cx - 8, 82));
        tiara.quadTo(QPointF(cx, 56), QPointF(cx + 8, 82));
        tiara.quadTo(QPointF(cx + 16, 70), QPointF(cx + 20, 86));
        tiara.lineTo(QPointF(cx + 20, 98));
        tiara.closeSubpath();
        shape(painter, tiara, Gold);
        shape(painter, ellipse(QPointF(cx, 68), 4, 4), Qt::white, 1.2);
        shape(painter, ellipse(QPointF(cx - 14, 78), 3, 3), Qt::white, 1.2);
        shape(painter, ellipse(QPointF(cx + 14, 78), 3, 3), Qt::white, 1.2);
        shape(painter, ellipse(QPointF(cx, 91), 3.5, 3.5), robe, 1);
        // A flower held up before the shoulder.
        const QPointF bloom(cx - 40, 150);
        painter.setPen(QPen(QColor(40, 110, 60), 3.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(bloom, bloom + QPointF(6, 40));
        shape(painter, ellipse(bloom + QPointF(10, 20), 7, 3.5), QColor(60, 140, 70), 1);
        for (int i = 0; i < 5; ++i) {
            QTransform turn;
            turn.translate(bloom.x(), bloom.y());
            turn.rotate(72.0 * i);
            shape(painter, turn.map(ellipse(QPointF(0, -8), 5.5, 8)), Gold, 1.2);
        }
        shape(painter, ellipse(bloom, 4.5, 4.5), robe, 1);
        shape(painter, ellipse(bloom + QPointF(6, 38), 9, 6.5), Skin);
    } else {
        QPainterPath cap(QPointF(cx - 26, 98));
        cap.cubicTo(QPointF(cx - 34, 74), QPointF(cx + 8, 62), QPointF(cx + 30, 84));
        cap.lineTo(QPointF(cx + 24, 98));
        cap.closeSubpath();
        shape(painter, cap, second);
        shape(painter, polygon({{cx - 26, 92}, {cx + 25, 92}, {cx + 24, 99}, {cx - 26, 99}}), Gold);
        QPainterPath feather(QPointF(cx - 14, 84));
        feather.cubicTo(QPointF(cx - 30, 62), QPointF(cx - 50, 46), QPointF(cx - 56, 34));
        feather.cubicTo(QPointF(cx - 36, 40), QPointF(cx - 18, 60), QPointF(cx - 8, 82));
        feather.closeSubpath();
        shape(painter, feather, QColor(252, 248, 236), 1.4);
        painter.setPen(QPen(robe, 1.5));
        painter.drawLine(QPointF(cx - 11, 83), QPointF(cx - 52, 37));
        shape(painter, ellipse(QPointF(cx + 44, 170), 8, 10), Skin);
    }
}

// The jokers: "JOKER" stacked in the corners, and a jester in the middle with a cap of three
// belled points, a ruff and a harlequin tunic, holding up a bauble.
void CardPainter::drawJoker(QPainter& painter, bool red) const {
    const QColor colour = red ? Red : Black;
    const QColor other = red ? Gold : QColor(150, 156, 170);
    drawBothWays(painter, [&] {
        const QString word = QStringLiteral("JOKER");
        for (int i = 0; i < word.size(); ++i) {
            painter.fillPath(textPath(word.mid(i, 1), QPointF(30, 12 + 32.0 * i), 26), colour);
        }
    });

    const qreal cx = Centre.x();
    // The tunic, in harlequin diamonds.
    QPainterPath tunic(QPointF(cx - 46, 240));
    tunic.lineTo(QPointF(cx + 46, 240));
    tunic.lineTo(QPointF(cx + 70, 368));
    tunic.quadTo(QPointF(cx, 384), QPointF(cx - 70, 368));
    tunic.closeSubpath();
    shape(painter, tunic, other);
    painter.save();
    painter.setClipPath(tunic);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (int row = 0; row < 6; ++row) {
        for (int col = -4; col <= 4; ++col) {
            if ((row + col) % 2 == 0) {
                const QPointF c(cx + col * 22, 240 + row * 28);
                painter.drawPath(polygon({c + QPointF(0, -14), c + QPointF(11, 0),
                                          c + QPointF(0, 14), c + QPointF(-11, 0)}));
            }
        }
    }
    painter.restore();
    shape(painter, tunic, Qt::NoBrush);
    for (const qreal y : {268.0, 300.0, 332.0}) {
        shape(painter, ellipse(QPointF(cx, y), 6, 6), Qt::white, 1.4);
    }

    // The bauble on its stick, held in the right hand.
    const QPointF hand(cx + 62, 300);
    painter.setPen(QPen(Ink, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(hand + QPointF(2, 30), QPointF(cx + 78, 214));
    shape(painter, ellipse(hand, 10, 10), Skin);
    shape(painter, polygon({{cx + 66, 206}, {cx + 78, 176}, {cx + 90, 206}}), colour);
    drawFace(painter, QPointF(cx + 78, 214), 12, 13, true);
    shape(painter, ellipse(QPointF(cx + 78, 174), 5, 5), Gold, 1.2);

    // The ruff.
    QPainterPath ruff;
    for (int i = 0; i <= 16; ++i) {
        const qreal x = cx - 56 + 7 * i;
        const QPointF p(x, i % 2 == 0 ? 226 : 254);
        if (i == 0) {
            ruff.moveTo(p);
        } else {
            ruff.lineTo(p);
        }
    }
    ruff.lineTo(QPointF(cx + 40, 236));
    ruff.quadTo(QPointF(cx, 226), QPointF(cx - 40, 236));
    ruff.closeSubpath();
    shape(painter, ruff, Qt::white);

    // The head and the cap with three belled points.
    drawFace(painter, QPointF(cx, 196), 27, 31, true);
    QPainterPath left(QPointF(cx - 28, 180));
    left.cubicTo(QPointF(cx - 40, 140), QPointF(cx - 66, 120), QPointF(cx - 82, 140));
    left.cubicTo(QPointF(cx - 60, 130), QPointF(cx - 44, 150), QPointF(cx - 10, 170));
    left.closeSubpath();
    const QPainterPath right = QTransform().translate(2 * cx, 0).scale(-1, 1).map(left);
    QPainterPath middle(QPointF(cx - 22, 172));
    middle.cubicTo(QPointF(cx - 26, 130), QPointF(cx - 10, 90), QPointF(cx + 4, 70));
    middle.cubicTo(QPointF(cx + 8, 100), QPointF(cx + 26, 130), QPointF(cx + 22, 172));
    middle.closeSubpath();
    shape(painter, left, colour);
    shape(painter, right, colour);
    shape(painter, middle, other);
    QPainterPath band(QPointF(cx - 32, 184));
    band.quadTo(QPointF(cx, 160), QPointF(cx + 32, 184));
    band.lineTo(QPointF(cx + 30, 170));
    band.quadTo(QPointF(cx, 148), QPointF(cx - 30, 170));
    band.closeSubpath();
    shape(painter, band, colour);
    for (const QPointF bell : {QPointF(cx - 82, 142), QPointF(cx + 4, 68), QPointF(cx + 82, 142)}) {
        shape(painter, ellipse(bell, 8, 8), Gold, 1.6);
    }
}

// The back: a lattice of light lines on navy inside a white margin and a fine frame, and in
// the middle a gold-ringed medallion with a rosette.
void CardPainter::drawBack(QPainter& painter) const {
    const QRectF field(12, 12, Width - 24, Height - 24);
    QPainterPath frame;
    frame.addRoundedRect(field, 10, 10);
    painter.fillPath(frame, Navy);
    painter.save();
    painter.setClipPath(frame);
    painter.setPen(QPen(QColor(104, 134, 212), 2));
    constexpr int Step = 22;
    for (int d = -Height; d < Width + Height; d += Step) {
        painter.drawLine(QPointF(d, 0), QPointF(d + Height, Height));
        painter.drawLine(QPointF(d, 0), QPointF(d - Height, Height));
    }
    painter.restore();
    painter.setPen(QPen(Qt::white, 3));
    painter.setBrush(Qt::NoBrush);
    const QRectF inner = field.adjusted(9, 9, -9, -9);
    painter.drawRoundedRect(inner, 6, 6);
    for (const QPointF corner :
         {inner.topLeft(), inner.topRight(), inner.bottomLeft(), inner.bottomRight()}) {
        const QPointF c = corner + QPointF(corner.x() < Centre.x() ? 16 : -16,
                                           corner.y() < Centre.y() ? 16 : -16);
        painter.setPen(QPen(Navy, 2));
        painter.setBrush(Gold);
        painter.drawPath(polygon(
            {c + QPointF(0, -11), c + QPointF(8, 0), c + QPointF(0, 11), c + QPointF(-8, 0)}));
    }

    painter.setPen(QPen(Gold, 7));
    painter.setBrush(Navy);
    painter.drawEllipse(Centre, 76, 98);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(Centre, 66, 88);
    for (int i = 0; i < 16; ++i) {
        QTransform turn;
        turn.translate(Centre.x(), Centre.y());
        turn.rotate(22.5 * i);
        const bool longer = i % 2 == 0;
        painter.setPen(QPen(Navy, 1.5));
        painter.setBrush(longer ? Gold : QColor(236, 240, 250));
        painter.drawPath(
            turn.map(ellipse(QPointF(0, longer ? -34 : -28), longer ? 9 : 6, longer ? 26 : 18)));
    }
    painter.setPen(QPen(Navy, 2));
    painter.setBrush(Gold);
    painter.drawEllipse(Centre, 13, 13);
    painter.setBrush(Qt::white);
    painter.drawEllipse(Centre, 5, 5);
}

// Real cards read the same from both ends: whatever draw() paints is painted again turned
// half round about the middle of the card.
void CardPainter::drawBothWays(QPainter& painter, const std::function<void()>& draw) const {
    draw();
    painter.save();
    painter.translate(Width, Height);
    painter.rotate(180);
    draw();
    painter.restore();
}
