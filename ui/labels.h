// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/twips.h"

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

namespace corvelle {

// How a label of the game's windows looks. The windows were drawn with MS Sans Serif, which a
// Linux desktop lacks; DejaVu Sans, which the set-up installs, stands in for it (named directly:
// looking for a substitute costs start-up time).
struct LabelStyle {
    QString family = QStringLiteral("DejaVu Sans"); // empty: the window's own font
    qreal pointSize = 9;                            // 0 keeps the size of that font
    bool isBold = false;
    QColor colour;     // none keeps the window's text colour
    int stretch = 100; // percent of the face's normal width

    LabelStyle& inWindowFont() {
        family.clear();
        return *this;
    }
    LabelStyle& points(qreal size) {
        pointSize = size;
        return *this;
    }
    LabelStyle& bold(bool on = true) {
        isBold = on;
        return *this;
    }
    LabelStyle& coloured(const QColor& textColour) {
        colour = textColour;
        return *this;
    }
    LabelStyle& narrowed(int percent) {
        stretch = percent;
        return *this;
    }
};

// Every label of every window: named after its control, plain text (player text is never rich
// text), in `style`. Placed by the caller.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text,
                  const LabelStyle& style = {});
// The same, placed at `place` on its parent.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const LabelStyle& style,
                  const Twips& place);

// Shows `text` in the label at its style's size, or a point smaller at a time (down to 6 points)
// until it fits the label's width, so that a caption or a long score is never cut off.
void setTextShrinkingToFit(QLabel* label, const QString& text, int pointSize);

} // namespace corvelle
