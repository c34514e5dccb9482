// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

namespace corvelle {

// A place on a window as the layouts give it: left, top, width and height in twips (1/1440
// inch; 15 twips are one pixel at 96 dots per inch). Every window places its controls from
// tables of these, so a layout is written down once.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int TwipsPerPixel = 15;

inline QRect pixels(const Twips& place) {
    return {place.left / TwipsPerPixel, place.top / TwipsPerPixel, place.width / TwipsPerPixel,
            place.height / TwipsPerPixel};
}

// Names `widget` after its control and puts it at `place` on its parent.
template <typename Widget> Widget* placed(Widget* widget, const char* name, const Twips& place) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(pixels(place));
    return widget;
}

} // namespace corvelle
