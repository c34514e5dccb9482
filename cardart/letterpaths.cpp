// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardart/letterpaths.h"

#include "engine/card.h"

#include <QFont>
#include <QTransform>

namespace {

QFont letterFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(100);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// A "1" in the font's weight without its foot, so that "10" is no wider than a letter.
QPainterPath narrowOne() {
    QPainterPath p;
    p.moveTo(28.3, 0);
    p.lineTo(28.3, -60.1);
    p.lineTo(16, -57.6);
    p.lineTo(16, -69.9);
    p.lineTo(28.2, -72.9);
    p.lineTo(46.1, -72.9);
    p.lineTo(46.1, 0);
    p.closeSubpath();
    return p;
}

} // namespace

QPainterPath letterGlyphs(const QString& text) {
    static const QFont font = letterFont();
    QPainterPath p;
    p.addText(0, 0, font, text);
    return p;
}

QPainterPath rankGlyphs(int rank) {
    QPainterPath p;
    if (rank == 10) {
        const QPainterPath nought = letterGlyphs(QStringLiteral("0"));
        p = narrowOne();
        p.addPath(nought.translated(46.1 + 4 - nought.boundingRect().left(), 0));
        p = QTransform::fromScale(0.86, 1).map(p);
    } else {
        const std::string_view text = corvelle::rankIndex(rank);
        p = letterGlyphs(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    }
    for (int i = 0; i < p.elementCount(); ++i) {
        const QPainterPath::Element e = p.elementAt(i);
        if (e.y > 0) {
            p.setElementPositionAt(i, e.x, e.y / 3);
        }
    }
    return p;
}

QPainterPath textPath(const QString& text, QPointF topCentre, qreal capHeight) {
    const QPainterPath p = letterGlyphs(text);
    const qreal scale = capHeight / FontCapHeight;
    return QTransform()
        .translate(topCentre.x(), topCentre.y() + capHeight)
        .scale(scale, scale)
        .translate(-p.boundingRect().center().x(), 0)
        .map(p);
}
