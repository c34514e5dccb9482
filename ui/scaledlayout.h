// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/twips.h"

#include <QFont>
#include <QPointer>
#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;

namespace corvelle {

// The width a button's caption takes (its access key mark aside), and the room the button's
// frame leaves it.
int captionWidth(const QPushButton* button);
int captionRoom(const QPushButton* button);

// The place in pixels of a place in twips on a window drawn `scale` times larger.
QRect pixels(const Twips& place, qreal scale);

// Keeps every control of a window at its place in twips and its font at its size, both times
// one scale factor, so the whole window can be drawn larger or smaller at once. A label never
// gets smaller than its place and grows to fit its text.
class ScaledLayout {
public:
    template <typename Widget> Widget* place(Widget* widget, const char* name, const Twips& at) {
        widget->setObjectName(QString::fromLatin1(name));
        add(widget, at);
        return widget;
    }
    // Also for a control whose font is set after it was placed: takes the font it has now.
    void add(QWidget* widget, const Twips& at);
    void setScale(qreal scale);
    qreal scale() const { return scale_; }
    QRect rect(const Twips& at) const { return pixels(at, scale_); }
    // Puts a label back at its place, grown to fit its text, and smaller where the parent's
    // right edge leaves too little room for it. The parent must have its size for this scale.
    void fit(QWidget* widget) const;
    // Keeps `label` a space clear of `caption`, a label to its left: where the caption's text (a
    // translated one) comes closer to the label's place, the label moves right.
    void follow(QWidget* label, QLabel* caption);

private:
    struct Entry {
        QPointer<QWidget> widget;
        Twips at;
        QFont font;
        QPointer<QLabel> after; // the caption it follows, if any
    };
    static constexpr qreal MinimumPointSize = 5.0;
    QFont scaledFont(const Entry& entry) const;
    void apply(const Entry& entry) const;

    std::vector<Entry> entries_;
    qreal scale_ = 1.0;
};

} // namespace corvelle
