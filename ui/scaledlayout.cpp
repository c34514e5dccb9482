#include "ui/scaledlayout.h"

#include <QLabel>

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
    entries_.push_back({widget, at, widget->font()});
    apply(entries_.back());
}

void ScaledLayout::setScale(qreal scale) {
    scale_ = scale;
    for (const Entry& entry : entries_) {
        apply(entry);
    }
}

void ScaledLayout::apply(const Entry& entry) const {
    if (!entry.widget) {
        return;
    }
    QFont font = entry.font;
    if (scale_ != 1.0) {
        // A font is drawn at a whole number of pixels. Rounding a scaled size up would make text
        // wider than its scaled place (at 150% "Highest Score:" would run into its number), so
        // the size is rounded down.
        const qreal dpi = entry.widget->logicalDpiY();
        font.setPointSizeF(std::floor(entry.font.pointSizeF() * scale_ * dpi / 72) * 72 / dpi);
    }
    entry.widget->setFont(font);
    entry.widget->setGeometry(rect(entry.at));
    fit(entry.widget);
}

void ScaledLayout::fit(QWidget* widget) const {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        for (const Entry& entry : entries_) {
            if (entry.widget == widget) {
                const QSize least = rect(entry.at).size();
                label->setMinimumSize(least);
                label->resize(least.expandedTo(label->sizeHint()));
            }
        }
    }
}

} // namespace corvelle
