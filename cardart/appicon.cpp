// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardart/appicon.h"

#include <QPainter>
#include <QTransform>

namespace {

const QColor Paper(Qt::white);
const QColor Edge(60, 60, 60);
const QColor Shadow(0, 0, 0, 56);

// The pivot near the bottom that both cards turn about, as cards fanned in one hand do.
const QPointF Pivot(128, 250);
const QRectF Card(66, 31, 124, 174);

QString number(qreal value) {
    return QString::number(value, 'f', 2);
}

QString colour(const QColor& c) {
    return c.name(QColor::HexRgb);
}

QString point(const QPainterPath::Element& e) {
    return number(e.x) + QLatin1Char(',') + number(e.y);
}

// A path as SVG path data: its lines and cubic curves as they are, each subpath that ends
// where it began closed.
QString pathData(const QPainterPath& path) {
    QString d;
    int start = 0;
    const auto closeIfBack = [&](int last) {
        if (last > start && path.elementAt(last).x == path.elementAt(start).x &&
            path.elementAt(last).y == path.elementAt(start).y) {
            d += QLatin1Char('Z');
        }
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            if (i > 0) {
                closeIfBack(i - 1);
            }
            start = i;
            d += QLatin1Char('M') + point(e);
        } else if (e.isLineTo()) {
            d += QLatin1Char('L') + point(e);
        } else if (e.isCurveTo()) {
            d += QLatin1Char('C') + point(e) + QLatin1Char(' ') + point(path.elementAt(i + 1)) +
                 QLatin1Char(' ') + point(path.elementAt(i + 2));
            i += 2;
        }
    }
    closeIfBack(path.elementCount() - 1);
    return d;
}

} // namespace

AppIcon::AppIcon() {
    addCard(-15, Suit::Hearts, QColor(200, 16, 32));
    addCard(12, Suit::Spades, QColor(20, 20, 20));

    // Both cards together, centred and made as large as the square allows with a small margin.
    QRectF bounds;
    for (const Shape& shape : shapes_) {
        const qreal half = shape.strokeWidth / 2;
        bounds |= shape.path.boundingRect().adjusted(-half, -half, half, half);
    }
    const qreal scale = (Units - 8) / qMax(bounds.width(), bounds.height());
    const QTransform fit = QTransform()
                               .translate(Units / 2.0, Units / 2.0)
                               .scale(scale, scale)
                               .translate(-bounds.center().x(), -bounds.center().y());
    for (Shape& shape : shapes_) {
        shape.path = fit.map(shape.path);
        shape.strokeWidth *= scale;
    }
}

void AppIcon::addCard(qreal angle, Suit suit, const QColor& colour) {
    const QTransform turn = QTransform()
                                .translate(Pivot.x(), Pivot.y())
                                .rotate(angle)
                                .translate(-Pivot.x(), -Pivot.y());
    QPainterPath card;
    card.addRoundedRect(Card, 12, 12);
    shapes_.push_back({turn.map(card).translated(4, 6), Shadow});
    shapes_.push_back({turn.map(card), Paper, Edge, 4});
    QPainterPath pips = suitPath(suit, QRectF(Card.center() - QPointF(34, 34), QSizeF(68, 68)));
    const QRectF corner(Card.topLeft() + QPointF(9, 10), QSizeF(24, 24));
    pips.addPath(suitPath(suit, corner));
    pips.addPath(QTransform()
                     .translate(Card.center().x(), Card.center().y())
                     .rotate(180)
                     .translate(-Card.center().x(), -Card.center().y())
                     .map(suitPath(suit, corner)));
    pips.setFillRule(Qt::WindingFill);
    shapes_.push_back({turn.map(pips), colour});
}

QImage AppIcon::image(int size) const {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(qreal(size) / Units, qreal(size) / Units);
    for (const Shape& shape : shapes_) {
        painter.setPen(shape.strokeWidth > 0 ? QPen(shape.stroke, shape.strokeWidth, Qt::SolidLine,
                                                    Qt::RoundCap, Qt::RoundJoin)
                                             : QPen(Qt::NoPen));
        painter.setBrush(shape.fill);
        painter.drawPath(shape.path);
    }
    return image;
}

QByteArray AppIcon::svg() const {
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                                  "height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
                                  "<title>Corvelle</title>\n")
                       .arg(Units);
    for (const Shape& shape : shapes_) {
        text += QStringLiteral("<path d=\"%1\" fill=\"%2\" fill-rule=\"%3\"")
                    .arg(pathData(shape.path), colour(shape.fill),
                         shape.path.fillRule() == Qt::WindingFill ? QStringLiteral("nonzero")
                                                                  : QStringLiteral("evenodd"));
        if (shape.fill.alpha() < 255) {
            text += QStringLiteral(" fill-opacity=\"%1\"").arg(number(shape.fill.alphaF()));
        }
        if (shape.strokeWidth > 0) {
            text += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" stroke-linejoin=\"round\"")
                        .arg(colour(shape.stroke), number(shape.strokeWidth));
        }
        text += QStringLiteral("/>\n");
    }
    text += QStringLiteral("</svg>\n");
    return text.toUtf8();
}
