// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/card.h"

#include <QPainterPath>
#include <QRectF>

using corvelle::Suit;

// The symbols of the four suits as vector outlines. Pips, corner
// indexes and the court figures' medallions all draw from these outlines, so a suit looks the same
// at every size and in every orientation.

// The suit's symbol, centred in box and as large as fits its shape; filled with the
// winding rule.
QPainterPath suitPath(Suit suit, const QRectF& box);
