// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/cardcorners.h"

#include <QPainter>
#include <QPainterPath>

namespace corvelle {

QImage cutCardCorners(QImage picture) {
    if (picture.isNull()) {
        return picture;
    }
    QImage card = std::move(picture).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRectF whole(card.rect());
    const qreal radius = whole.width() * CornerRadiusPerWidth;
    QPainterPath corners;
    corners.addRect(whole);
    corners.addRoundedRect(whole, radius, radius);
    QPainter painter(&card);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    painter.fillPath(corners, Qt::black);
    return card;
}

} // namespace corvelle
