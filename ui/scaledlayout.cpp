// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/scaledlayout.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>

namespace corvelle {

QRect pixels(const Twips& place, qreal scale) {
    const auto px = [scale](int twips) {
        return static_cast<int>(std::floor(twips * scale / TwipsPerPixel));
    };
    return {px(place.left), px(place.top), px(place.width), px(place.height)};
}

void ScaledLayout::add(QWidget* widget, const Twips& at) {
    for (Entry& entry : entries_) {
        if (entry.widget == widget) {
            entry.font = widget->font();
            apply(entry);
            return;
        }
    }
    entries_.push_back({widget, at, widget->font(), nullptr});
    apply(entries_.back());
}

void ScaledLayout::setScale(qreal scale) {
    scale_ = scale;
    for (const Entry& entry : entries_) {
        apply(entry);
    }
}

QFont ScaledLayout::scaledFont(const Entry& entry) const {
    QFont font = entry.font;
    if (scale_ != 1.0) {
        // A font is drawn at a whole number of pixels. Rounding a scaled size up would make text
        // wider than its scaled place (at 150% "Highest Score:" would run into its number), so
        // the size is rounded down.
        const qreal dpi = entry.widget->logicalDpiY();
        font.setPointSizeF(std::floor(entry.font.pointSizeF() * scale_ * dpi / 72) * 72 / dpi);
    }
    return font;
}

void ScaledLayout::apply(const Entry& entry) const {
    if (!entry.widget) {
        return;
    }
    entry.widget->setFont(scaledFont(entry));
    entry.widget->setGeometry(rect(entry.at));
    fit(entry.widget);
}

// A label grows to the right to fit its text; where the window's edge leaves too little room
// (a score of ten digits beside "Highest Score:"), its text is drawn a little smaller instead. A
// button keeps its place and draws a caption too long for it (a translated one) a little smaller.
void ScaledLayout::fit(QWidget* widget) const {
    auto* label = qobject_cast<QLabel*>(widget);
    auto* button = qobject_cast<QPushButton*>(widget);
    if (label == nullptr && button == nullptr) {
        return;
    }
    for (const Entry& entry : entries_) {
        if (entry.widget != widget) {
            continue;
        }
        QFont font = scaledFont(entry);
        widget->setFont(font);
        if (button != nullptr) {
            while (captionWidth(button) > captionRoom(button) &&
                   font.pointSizeF() > MinimumPointSize) {
                font.setPointSizeF(std::max(font.pointSizeF() - 0.5, MinimumPointSize));
                button->setFont(font);
            }
            continue;
        }
        QRect place = rect(entry.at);
        if (const QLabel* caption = entry.after) {
            const int space = label->fontMetrics().horizontalAdvance(QLatin1Char(' '));
            const int textEnd = caption->x() + caption->contentsRect().left() +
                                caption->fontMetrics().horizontalAdvance(caption->text());
            if (caption->geometry().right() >= place.x() || textEnd + space > place.x()) {
                place.moveLeft(std::max(caption->geometry().right() + 1, textEnd + space));
                label->move(place.topLeft());
            }
        }
        const QWidget* parent = label->parentWidget();
        const int room = parent != nullptr ? parent->width() - place.x() - 1 : place.width();
        while (label->sizeHint().width() > room && font.pointSizeF() > MinimumPointSize) {
            font.setPointSizeF(std::max(font.pointSizeF() - 0.5, MinimumPointSize));
            label->setFont(font);
        }
        label->setMinimumSize(place.size());
        label->resize(place.size().expandedTo(label->sizeHint()));
    }
}

void ScaledLayout::follow(QWidget* label, QLabel* caption) {
    for (Entry& entry : entries_) {
        if (entry.widget == label) {
            entry.after = caption;
            apply(entry);
        }
    }
}

int captionWidth(const QPushButton* button) {
    QString caption = button->text();
    caption.replace(QLatin1String("&&"), QLatin1String("\x01")).remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return button->fontMetrics().horizontalAdvance(caption);
}

int captionRoom(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    if (button->autoDefault() || button->isDefault()) {
        option.features |= QStyleOptionButton::AutoDefaultButton;
    }
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
}

} // namespace corvelle
