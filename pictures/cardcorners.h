// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace corvelle {

// The card pictures have rounded corners with a radius of 18 of their 276 pixels' width
// (cardart/cardpainter.h); outside that the picture is not part of the card.
inline constexpr qreal CornerRadiusPerWidth = 18.0 / 276.0;

// `picture` as a card control shows it: its rounded corners cut away (transparent), at a radius
// that scales with its width. The cache keeps its pictures cut, so a paint is a plain copy.
QImage cutCardCorners(QImage picture);

} // namespace corvelle
