// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/cardpicture.h"

#include "engine/card.h"
#include "pictures/cardcorners.h"
#include "pictures/cardpicturecache.h"
#include "ui/cardwords.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace corvelle {

namespace {

// A card picture as a screen reader sees it: a button whose name, description and visibility
// are asked of the picture each time, and whose press action clicks it. The click is queued, so
// a handler that opens a message box never runs inside the screen reader's call.
class CardPictureAccessible : public QAccessibleWidget {
public:
    explicit CardPictureAccessible(CardPicture* picture)
        : QAccessibleWidget(picture, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return picture()->spokenName();
        }
        if (kind == QAccessible::Description) {
            return picture()->spokenDescription();
        }
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = state.invisible || !picture()->spoken();
        return state;
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (picture()->spoken()) {
            names << pressAction();
        }
        return names;
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && picture()->spoken()) {
            QMetaObject::invokeMethod(picture(), &CardPicture::clicked, Qt::QueuedConnection);
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

private:
    CardPicture* picture() const { return static_cast<CardPicture*>(widget()); }
};

QAccessibleInterface* cardPictureAccessible(const QString& /*className*/, QObject* object) {
    auto* picture = qobject_cast<CardPicture*>(object);
    return picture != nullptr ? new CardPictureAccessible(picture) : nullptr;
}

} // namespace

CardPicture::CardPicture(CardPictureCache& cache, QWidget* parent)
    : QWidget(parent), cache_(cache) {
    static const bool accessible = (QAccessible::installFactory(cardPictureAccessible), true);
    Q_UNUSED(accessible);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void CardPicture::setPicture(int number) {
    if (number != picture_) {
        picture_ = number;
        update();
        tellScreenReader(QAccessible::NameChanged);
    }
}

void CardPicture::setPlace(CardPlace place, CardPicture* below) {
    place_ = place;
    below_ = below;
    if (below != nullptr) {
        below->above_ = this;
    }
}

bool CardPicture::spoken() const {
    return place_ != CardPlace::DrawPileBack && !isHidden();
}

QString CardPicture::spokenName() const {
    if (!spoken()) {
        return {};
    }
    switch (place_) {
    case CardPlace::TableSlot:
        return cardWords(picture_);
    case CardPlace::DrawPile:
        return drawPileCount() == 1 ? tr("Draw pile, 1 card")
                                    : tr("Draw pile, %1 cards").arg(drawPileCount());
    case CardPlace::DiscardPile:
        return tr("Discard pile, %1").arg(cardWords(picture_));
    case CardPlace::Unnamed:
    case CardPlace::DrawPileBack:
        break;
    }
    return accessibleName();
}

QString CardPicture::spokenDescription() const {
    if (place_ != CardPlace::TableSlot || !spoken()) {
        return accessibleDescription();
    }
    return below_ != nullptr && !below_->isHidden() ? tr("Covered") : tr("Free");
}

int CardPicture::drawPileCount() const {
    int count = 0;
    if (parentWidget() == nullptr) {
        return count;
    }
    for (const CardPicture* back :
         parentWidget()->findChildren<const CardPicture*>(QString(), Qt::FindDirectChildrenOnly)) {
        const bool inPile =
            back->place_ == CardPlace::DrawPile || back->place_ == CardPlace::DrawPileBack;
        count += inPile && !back->isHidden() ? 1 : 0;
    }
    return count;
}

// Showing or hiding a picture changes its own words, the card above it from covered to free or
// back, and the number of cards the draw pile says it holds.
bool CardPicture::event(QEvent* event) {
    const bool shownOrHidden =
        event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent;
    if (shownOrHidden && place_ != CardPlace::Unnamed && QAccessible::isActive()) {
        tellScreenReader(QAccessible::NameChanged);
        if (above_ != nullptr) {
            above_->tellScreenReader(QAccessible::DescriptionChanged);
        }
        if (place_ == CardPlace::DrawPileBack && parentWidget() != nullptr) {
            for (CardPicture* pile : parentWidget()->findChildren<CardPicture*>(
                     QString(), Qt::FindDirectChildrenOnly)) {
                if (pile->place_ == CardPlace::DrawPile) {
                    pile->tellScreenReader(QAccessible::NameChanged);
                }
            }
        }
    }
    return QWidget::event(event);
}

void CardPicture::tellScreenReader(QAccessible::Event change) {
    if (place_ != CardPlace::Unnamed && QAccessible::isActive()) {
        QAccessibleEvent event(this, change);
        QAccessible::updateAccessibility(&event);
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
    if (shown.deviceIndependentSize() == QSizeF(size())) {
        // Decoded at exactly the control's size: a plain copy. (Drawn through a smooth
        // stretch, each card would be drawn by the paint engine's pool of threads, whose
        // hand-offs cost several times the copy.)
        painter.drawPixmap(0, 0, shown);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), shown);
    }
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
