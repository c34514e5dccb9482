#include "cardpicture.h"

#include "cardpicturecache.h"

#include <QMouseEvent>
#include <QPainter>

namespace corvelle {

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
