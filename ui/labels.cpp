// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/labels.h"

#include <QLabel>

namespace corvelle {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const LabelStyle& style) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    if (!style.family.isEmpty()) {
        font = QFont(style.family);
        font.setStyleHint(QFont::SansSerif);
    }
    if (style.pointSize > 0) {
        font.setPointSizeF(style.pointSize);
    }
    font.setBold(style.isBold);
    if (style.stretch != 100) {
        font.setStretch(style.stretch);
    }
    label->setFont(font);
    if (style.colour.isValid()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, style.colour);
        label->setPalette(palette);
    }
    return label;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const LabelStyle& style,
                  const Twips& place) {
    QLabel* label = makeLabel(parent, name, text, style);
    label->setGeometry(pixels(place));
    return label;
}

void setTextShrinkingToFit(QLabel* label, const QString& text, int pointSize) {
    QFont font = label->font();
    font.setPointSize(pointSize);
    while (font.pointSize() > 6 && QFontMetrics(font).horizontalAdvance(text) > label->width()) {
        font.setPointSize(font.pointSize() - 1);
    }
    label->setFont(font);
    label->setText(text);
}

} // namespace corvelle
