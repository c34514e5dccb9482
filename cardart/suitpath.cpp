// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardart/suitpath.h"

#include <QTransform>

namespace {

// All shapes are drawn in a unit box from (-0.5, -0.5) to (0.5, 0.5), then mapped onto the
// box asked for.
QPainterPath heart() {
    QPainterPath p;
    p.moveTo(0, 0.5);
    p.cubicTo(-0.12, 0.32, -0.5, 0.1, -0.5, -0.2);
    p.cubicTo(-0.5, -0.4, -0.37, -0.5, -0.25, -0.5);
    p.cubicTo(-0.1, -0.5, 0, -0.4, 0, -0.28);
    p.cubicTo(0, -0.4, 0.1, -0.5, 0.25, -0.5);
    p.cubicTo(0.37, -0.5, 0.5, -0.4, 0.5, -0.2);
    p.cubicTo(0.5, 0.1, 0.12, 0.32, 0, 0.5);
    p.closeSubpath();
    return p;
}

QPainterPath diamond() {
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.quadTo(0.16, -0.2, 0.38, 0);
    p.quadTo(0.16, 0.2, 0, 0.5);
    p.quadTo(-0.16, 0.2, -0.38, 0);
    p.quadTo(-0.16, -0.2, 0, -0.5);
    p.closeSubpath();
    return p;
}

QPainterPath stem() {
    QPainterPath p;
    p.moveTo(-0.04, 0.1);
    p.quadTo(-0.04, 0.4, -0.2, 0.5);
    p.lineTo(0.2, 0.5);
    p.quadTo(0.04, 0.4, 0.04, 0.1);
    p.closeSubpath();
    return p;
}

// Path set operations flatten curves into lines at the path's own scale, so they work on a
// thousandfold enlargement to keep the outline smooth.
QPainterPath unite(const QPainterPath& a, const QPainterPath& b) {
    const QTransform up = QTransform::fromScale(1000, 1000);
    const QTransform down = QTransform::fromScale(0.001, 0.001);
    return down.map(up.map(a).united(up.map(b)));
}

QPainterPath spade() {
    // An upside-down heart over a flared stem.
    return unite(QTransform().translate(0, -0.11).scale(1, -0.78).map(heart()), stem());
}

QPainterPath club() {
    // Three leaves and a filling between them, over the same stem as the spade. All outlines
    // run the same way round, so the winding rule fills their overlaps without seams.
    QPainterPath p = stem().toReversed();
    p.addEllipse(QPointF(0, 0.02), 0.16, 0.16);
    p.addEllipse(QPointF(0, -0.27), 0.22, 0.22);
    p.addEllipse(QPointF(-0.27, 0.09), 0.22, 0.22);
    p.addEllipse(QPointF(0.27, 0.09), 0.22, 0.22);
    return p;
}

} // namespace

QPainterPath suitPath(Suit suit, const QRectF& box) {
    QPainterPath unit;
    switch (suit) {
    case Suit::Spades:
        unit = spade();
        break;
    case Suit::Clubs:
        unit = club();
        break;
    case Suit::Diamonds:
        unit = diamond();
        break;
    case Suit::Hearts:
        unit = heart();
        break;
    }
    const qreal side = qMin(box.width(), box.height());
    QPainterPath p =
        QTransform().translate(box.center().x(), box.center().y()).scale(side, side).map(unit);
    p.setFillRule(Qt::WindingFill);
    return p;
}
