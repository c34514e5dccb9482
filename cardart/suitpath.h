#pragma once

#include <QPainterPath>
#include <QRectF>

// The four suits in card-code order, and their symbols as vector outlines. Pips, corner
// indexes and the court figures' medallions all draw from these outlines, so a suit looks the same
// at every size and in every orientation.
enum class Suit { Spades, Clubs, Diamonds, Hearts };

// The suit's symbol, centred in box and as large as fits its shape; filled with the
// winding rule.
QPainterPath suitPath(Suit suit, const QRectF& box);
