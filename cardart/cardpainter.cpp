#include "cardpainter.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <array>
#include <utility>
#include <vector>

namespace {

const QColor Table(0, 128, 0);
const QColor Red(200, 16, 32);
const QColor Black(20, 20, 20);
const QColor Border(70, 70, 70);
const QPointF Centre(CardPainter::Width / 2.0, CardPainter::Height / 2.0);

// The corner index: rank above suit, both centred on one vertical line near the left edge.
constexpr qreal IndexX = 38;
constexpr qreal IndexRankTop = 14;
constexpr qreal IndexRankHeight = 54;
constexpr qreal IndexWidth = 56;
constexpr qreal IndexSuitTop = 80;
constexpr qreal IndexSuitSize = 40;

constexpr std::array<qreal, 3> PipColumns{90, 138, 186};
constexpr qreal PipTop = 80;
constexpr qreal PipBottom = 340;
constexpr qreal PipSize = 50;

const QRectF CourtPanel(72, 24, 132, 372);

QFont letterFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(100);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Text as an outline whose capital letters are capHeight high, hanging from topCentre and
// squeezed sideways when wider than maxWidth.
QPainterPath textPath(const QString& text, QPointF topCentre, qreal capHeight, qreal maxWidth) {
    static const QFont font = letterFont();
    static const qreal capOfFont = [] {
        QPainterPath h;
        h.addText(0, 0, font, QStringLiteral("H"));
        return -h.boundingRect().top();
    }();
    QPainterPath p;
    p.addText(0, 0, font, text);
    const QRectF bounds = p.boundingRect();
    const qreal scale = capHeight / capOfFont;
    const qreal scaleX = qMin(scale, maxWidth / bounds.width());
    return QTransform()
        .translate(topCentre.x(), topCentre.y() + capHeight)
        .scale(scaleX, scale)
        .translate(-bounds.center().x(), 0)
        .map(p);
}

QString rankText(int rank) {
    static const std::array<const char*, 14> texts{"",  "A", "2", "3",  "4", "5", "6",
                                                   "7", "8", "9", "10", "J", "Q", "K"};
    return QString::fromLatin1(texts.at(rank));
}

// Where the pips of the cards 2 to 10 lie: column -1, 0 or 1, and the height from 0 (top) to
// 1 (bottom) of the pip area.
std::vector<std::pair<int, qreal>> pipLayout(int rank) {
    const std::vector<std::pair<int, qreal>> sides3{{-1, 0},  {1, 0},  {-1, 0.5},
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

void fillSuit(QPainter& painter, Suit suit, QPointF centre, qreal size, const QColor& colour,
              bool upsideDown = false) {
    painter.save();
    painter.translate(centre);
    if (upsideDown) {
        painter.rotate(180);
    }
    painter.fillPath(suitPath(suit, QRectF(-size / 2, -size / 2, size, size)), colour);
    painter.restore();
}

} // namespace

QImage CardPainter::picture(int number) const {
    if (number < 1 || number > PictureCount) {
        return {};
    }
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Table);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawBlank(painter);
    if (number == BackPicture) {
        drawBack(painter);
    } else if (number > 52) {
        drawJoker(painter, number == 53 ? Black : Red);
    } else {
        const Face face = faceOf(number);
        drawBothWays(painter, [&] { drawIndex(painter, face); });
        if (face.rank > 10) {
            drawCourt(painter, face);
        } else {
            drawPips(painter, face);
        }
    }
    return image;
}

CardPainter::Face CardPainter::faceOf(int number) {
    Face face;
    face.rank = (number - 1) % 13 + 1;
    face.suit = static_cast<Suit>((number - 1) / 13);
    face.colour = (face.suit == Suit::Diamonds || face.suit == Suit::Hearts) ? Red : Black;
    return face;
}

void CardPainter::drawBlank(QPainter& painter) const {
    painter.setPen(QPen(Border, 3));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(1.5, 1.5, Width - 3, Height - 3), 18, 18);
}

void CardPainter::drawIndex(QPainter& painter, const Face& face) const {
    painter.fillPath(
        textPath(rankText(face.rank), QPointF(IndexX, IndexRankTop), IndexRankHeight, IndexWidth),
        face.colour);
    fillSuit(painter, face.suit, QPointF(IndexX, IndexSuitTop + IndexSuitSize / 2), IndexSuitSize,
             face.colour);
}

void CardPainter::drawPips(QPainter& painter, const Face& face) const {
    if (face.rank == 1) {
        fillSuit(painter, face.suit, Centre, 140, face.colour);
        return;
    }
    for (const auto& [column, row] : pipLayout(face.rank)) {
        const QPointF centre(PipColumns.at(column + 1), PipTop + row * (PipBottom - PipTop));
        fillSuit(painter, face.suit, centre, PipSize, face.colour, row > 0.5);
    }
}

void CardPainter::drawCourt(QPainter& painter, const Face& face) const {
    const bool red = face.colour == Red;
    painter.setPen(QPen(face.colour, 4));
    painter.setBrush(red ? QColor(252, 232, 226) : QColor(228, 232, 240));
    painter.drawRect(CourtPanel);
    painter.setPen(QPen(face.colour, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(CourtPanel.adjusted(7, 7, -7, -7));
    painter.drawLine(QPointF(CourtPanel.left() + 7, Centre.y()),
                     QPointF(CourtPanel.right() - 7, Centre.y()));
    drawBothWays(painter, [&] { drawCourtHalf(painter, face); });
}

void CardPainter::drawCourtHalf(QPainter& painter, const Face& face) const {
    const qreal top = CourtPanel.top();
    fillSuit(painter, face.suit, QPointF(CourtPanel.left() + 19, top + 21), 18, face.colour);
    fillSuit(painter, face.suit, QPointF(CourtPanel.right() - 19, top + 21), 18, face.colour);
    drawEmblem(painter, face.rank, QRectF(Centre.x() - 34, top + 16, 68, 56), face.colour);
    painter.fillPath(textPath(rankText(face.rank), QPointF(Centre.x(), top + 88), 76, 100),
                     face.colour);
}

// King: a tall five-pointed crown. Queen: a low rounded tiara. Jack: a cap with a feather.
void CardPainter::drawEmblem(QPainter& painter, int rank, const QRectF& box,
                             const QColor& colour) const {
    const qreal x = box.left();
    const qreal y = box.top();
    const qreal w = box.width();
    const qreal h = box.height();
    auto at = [&](qreal fx, qreal fy) { return QPointF(x + fx * w, y + fy * h); };
    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);
    std::vector<QPointF> jewels;
    if (rank == 13) {
        const std::array<qreal, 5> tips{0.25, 0.15, 0.05, 0.15, 0.25};
        shape.moveTo(at(0.02, 1));
        for (int i = 0; i < 5; ++i) {
            shape.lineTo(at(0.02 + 0.24 * i, tips.at(i)));
            if (i < 4) {
                shape.lineTo(at(0.14 + 0.24 * i, 0.55));
            }
        }
        shape.lineTo(at(0.98, 1));
        shape.closeSubpath();
        for (int i = 0; i < 5; ++i) {
            shape.addEllipse(at(0.02 + 0.24 * i, tips.at(i)), 0.055 * w, 0.055 * w);
        }
        jewels = {at(0.25, 0.84), at(0.5, 0.84), at(0.75, 0.84)};
    } else if (rank == 12) {
        shape.moveTo(at(0.08, 1));
        shape.lineTo(at(0.08, 0.7));
        shape.quadTo(at(0.15, 0.25), at(0.36, 0.62));
        shape.quadTo(at(0.5, -0.1), at(0.64, 0.62));
        shape.quadTo(at(0.85, 0.25), at(0.92, 0.7));
        shape.lineTo(at(0.92, 1));
        shape.closeSubpath();
        shape.addEllipse(at(0.5, 0.2), 0.065 * w, 0.065 * w);
        shape.addEllipse(at(0.185, 0.4), 0.05 * w, 0.05 * w);
        shape.addEllipse(at(0.815, 0.4), 0.05 * w, 0.05 * w);
        jewels = {at(0.5, 0.82)};
    } else {
        shape.moveTo(at(0.12, 0.86));
        shape.cubicTo(at(0.12, 0.3), at(0.68, 0.3), at(0.68, 0.86));
        shape.closeSubpath();
        shape.addEllipse(at(0.42, 0.88), 0.42 * w, 0.12 * h);
        shape.moveTo(at(0.6, 0.62));
        shape.cubicTo(at(0.75, 0.5), at(0.95, 0.3), at(1.0, 0.0));
        shape.cubicTo(at(0.8, 0.12), at(0.6, 0.3), at(0.6, 0.62));
        shape.closeSubpath();
    }
    painter.fillPath(shape, colour);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (const QPointF& jewel : jewels) {
        painter.drawEllipse(jewel, 0.05 * w, 0.05 * w);
    }
    if (rank == 11) {
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(Qt::NoBrush);
        QPainterPath rib(at(0.62, 0.6));
        rib.quadTo(at(0.85, 0.35), at(0.97, 0.04));
        painter.drawPath(rib);
    }
}

// The jokers: "JOKER" stacked in the corners and a jester's cap and face among stars.
void CardPainter::drawJoker(QPainter& painter, const QColor& colour) const {
    const QColor light = colour == Red ? QColor(240, 150, 150) : QColor(150, 150, 150);
    drawBothWays(painter, [&] {
        const QString word = QStringLiteral("JOKER");
        for (int i = 0; i < word.size(); ++i) {
            painter.fillPath(textPath(word.mid(i, 1), QPointF(30, 12 + 28.0 * i), 22, 30), colour);
        }
        for (const qreal x : {100.0, 138.0, 176.0}) {
            painter.fillPath(starPath(QPointF(x, 66), 14), colour);
        }
    });

    painter.save();
    painter.translate(Centre.x(), 190);
    QPainterPath left;
    left.moveTo(-44, 28);
    left.cubicTo(-40, -20, -70, -40, -74, 2);
    left.cubicTo(-60, -20, -30, -10, -18, 28);
    left.closeSubpath();
    QPainterPath middle;
    middle.moveTo(-20, 28);
    middle.cubicTo(-20, -20, -5, -50, 0, -66);
    middle.cubicTo(5, -50, 20, -20, 20, 28);
    middle.closeSubpath();
    const QPainterPath right = QTransform::fromScale(-1, 1).map(left);
    painter.fillPath(left, colour);
    painter.fillPath(right, colour);
    painter.fillPath(middle, light);
    painter.setPen(QPen(colour, 2));
    painter.setBrush(light);
    for (const QPointF bell : {QPointF(-74, 8), QPointF(0, -70), QPointF(74, 8)}) {
        painter.drawEllipse(bell, 9, 9);
    }
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(-50, 26, 100, 20), 6, 6);
    painter.setPen(QPen(colour, 4));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(0, 80), 32, 32);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(-11, 72), 3, 3);
    painter.drawEllipse(QPointF(11, 72), 3, 3);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(-18, 70, 36, 26), 200 * 16, 140 * 16);
    painter.restore();
}

// The back: a lattice of navy diamonds inside a white margin and a rounded frame.
void CardPainter::drawBack(QPainter& painter) const {
    const QRectF field(14, 14, Width - 28, Height - 28);
    QPainterPath frame;
    frame.addRoundedRect(field, 12, 12);
    painter.fillPath(frame, QColor(24, 42, 110));
    painter.save();
    painter.setClipPath(frame);
    painter.setPen(QPen(QColor(120, 150, 225), 2.5));
    constexpr int Step = 23;
    for (int d = -Height; d < Width + Height; d += Step) {
        painter.drawLine(QPointF(d, 0), QPointF(d + Height, Height));
        painter.drawLine(QPointF(d, 0), QPointF(d - Height, Height));
    }
    painter.restore();
    painter.setPen(QPen(Qt::white, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(field.adjusted(8, 8, -8, -8), 8, 8);
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
