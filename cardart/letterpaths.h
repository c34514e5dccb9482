// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QString>

// The letters on the cards, as outlines in one fixed font (DejaVu Sans Bold) drawn without
// hinting, so they look the same at every size and on every build. Both face sets draw their
// ranks and words from here.

// Capital letters of the outlines below are this high, in font units (pixels at 100 pixels).
inline constexpr qreal FontCapHeight = 72.9;

// The outlines of `text` at 100 pixels, baseline at y = 0.
QPainterPath letterGlyphs(const QString& text);

// The rank (1 to 13) as it stands in a card's index, in font units. The tails of J and Q are
// pulled up to a third of their depth, so the suit can sit close below every rank; "10" is a
// narrow one close against a slightly condensed nought.
QPainterPath rankGlyphs(int rank);

// Text with capital letters capHeight high, hanging from topCentre.
QPainterPath textPath(const QString& text, QPointF topCentre, qreal capHeight);
