#include "cardpicture.h"

#include "cardpicturecache.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace corvelle {

namespace {

// The card pictures have rounded corners with a radius of 18 of their 276 pixels' width
// (cardart/cardpainter.h); outside that the picture is not part of the card.
constexpr qreal CornerRadiusPerWidth = 18.0 / 276.0;

} // namespace

CardPicture::CardPicture(CardPictureCache& cache, QWidget* parent)
    : QWidget(parent), cache_(cache) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void CardPicture::setPicture(int number) {
    if (number != picture_) {
        picture_ = number;
        update();
    }
}

void CardPicture::setOutline(Outline outline) {
    if (outline != outline_) {
        outline_ = outline;
        update();
    }
}

void CardPicture::paintEvent(QPaintEvent* /*event*/) {
    if (picture_ == 0) {
        return;
    }
    const QPixmap shown = cache_.pixmap(picture_, size(), devicePixelRatioF());
    if (shown.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), shown);
    if (outline_ != Outline::None) {
        // A thick outline inside the card's edge, in a colour the card art never uses there.
        const qreal pen = qMax(3.0, width() / 20.0);
        const qreal radius = width() * CornerRadiusPerWidth;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(
            QPen(outline_ == Outline::Chosen ? QColor(255, 200, 0) : QColor(0, 200, 255), pen));
        painter.drawRoundedRect(QRectF(rect()).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2),
                                radius, radius);
    }
}

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

void CardPicture::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void CardPicture::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        emit clicked();
    }
}

} // namespace corvelle
