// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cardart/suitpath.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainterPath>

#include <vector>

// The application icon: two cards fanned out, the ace of hearts behind the ace of spades, each
// casting a soft shadow, on a clear background. The icon is a short list of filled and outlined
// shapes on a square of 256 units, so one drawing gives both the scalable SVG file of the icon
// theme and its PNG files at every size, and the two always agree.
class AppIcon {
public:
    static constexpr int Units = 256;

    AppIcon();

    // The icon as a size x size picture with a transparent background.
    QImage image(int size) const;
    // The icon as the text of an SVG file.
    QByteArray svg() const;

private:
    struct Shape {
        QPainterPath path;
        QColor fill;
        QColor stroke = Qt::transparent;
        qreal strokeWidth = 0;
    };

    void addCard(qreal angle, Suit suit, const QColor& colour);

    std::vector<Shape> shapes_;
};
