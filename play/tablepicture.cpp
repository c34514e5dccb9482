// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/tablepicture.h"

#include "options/optionstore.h"
#include "pictures/cardcorners.h"
#include "ui/cardwords.h"

#include <QPainter>

namespace corvelle {

namespace {

// A card as large as the table allows at this widget's width: seven columns with a small gap,
// the rows overlapping as on the main table.
constexpr int CardWidth = 40;
constexpr int CardHeight = 61;
constexpr int ColumnStep = 44;
constexpr int RowStep = 26;
constexpr int PileTop = 4 * RowStep + CardHeight + 10;
constexpr int BackStep = 5;

} // namespace

TablePicture::TablePicture(QWidget* parent)
    : QWidget(parent),
      pictures_(cardPictureDirectory(OptionStore().loadLargePrint() ? CardFaces::LargePrint
                                                                    : CardFaces::Classic)) {
    setAccessibleName(tr("Table"));
}

QSize TablePicture::sizeHint() const {
    return {Columns * ColumnStep, PileTop + CardHeight + 2};
}

void TablePicture::showPosition(const GameState& state, HintTarget outlined) {
    state_ = state;
    outlined_ = outlined;
    shown_ = true;
    setAccessibleDescription(description());
    update();
}

QRect TablePicture::cardRect(int column, int row) const {
    return {column * ColumnStep + 2, row * RowStep, CardWidth, CardHeight};
}

QRect TablePicture::drawPileRect(int index) const {
    return {2 + index * BackStep, PileTop, CardWidth, CardHeight};
}

QRect TablePicture::discardRect() const {
    return {3 * ColumnStep + 2, PileTop, CardWidth, CardHeight};
}

void TablePicture::paintEvent(QPaintEvent* /*event*/) {
    if (!shown_) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal ratio = devicePixelRatioF();
    const QSize size(CardWidth, CardHeight);
    const auto draw = [&](int picture, const QRect& at) {
        const QPixmap card = pictures_.pixmap(picture, size, ratio);
        if (!card.isNull()) {
            painter.drawPixmap(at, card);
        }
    };
    const auto outline = [&](const QRect& at) {
        const qreal radius = CardWidth * CornerRadiusPerWidth;
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0, 200, 255), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(at).adjusted(1.5, 1.5, -1.5, -1.5), radius, radius);
        painter.restore();
    };
    for (int column = 0; column < Columns; ++column) {
        for (int row = 0; row < Rows; ++row) {
            const int slot = Rows * column + row;
            if (state_.onTable[slot]) {
                draw(state_.tableCards[slot], cardRect(column, row));
                if (outlined_.isTableCard(slot)) {
                    outline(cardRect(column, row));
                }
            }
        }
    }
    for (int i = 0; i < state_.drawPileCount; ++i) {
        draw(CardBackPicture, drawPileRect(i));
    }
    if (isCard(state_.discardTop)) {
        draw(state_.discardTop, discardRect());
        if (outlined_.kind == HintTarget::Kind::DiscardPile) {
            outline(discardRect());
        }
    }
}

QString TablePicture::description() const {
    QStringList free;
    for (int column = 0; column < Columns; ++column) {
        for (int row = Rows - 1; row >= 0; --row) {
            if (state_.onTable[Rows * column + row]) {
                free << cardWords(state_.tableCards[Rows * column + row]);
                break;
            }
        }
    }
    const QString toDraw = state_.drawPileCount == 1
                               ? tr("1 card to draw")
                               : tr("%1 cards to draw").arg(state_.drawPileCount);
    return tr("Free cards: %1. Discard pile: %2. %3.")
        .arg(free.isEmpty() ? tr("none") : free.join(QStringLiteral(", ")),
             cardWords(state_.discardTop), toDraw);
}

} // namespace corvelle
