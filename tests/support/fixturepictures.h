// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QDir>
#include <QImage>

// Test pictures: picture N is one solid colour of its own, so a test can tell from the pixels
// of a control which file it shows. Solid colours survive JPEG compression almost exactly.
inline QColor fixtureColour(int n) {
    return QColor(30 + (n % 5) * 50, 30 + ((n / 5) % 4) * 60, 30 + ((n / 20) % 3) * 90);
}

inline bool sameColour(QColor a, QColor b) {
    return qAbs(a.red() - b.red()) <= 12 && qAbs(a.green() - b.green()) <= 12 &&
           qAbs(a.blue() - b.blue()) <= 12;
}

// Writes 1.jpg..55.jpg, 276 x 420 each, into `directory`: each in its own solid colour, or
// with a `stripeWidth` all in black and white stripes that wide.
inline bool writeFixturePictures(const QString& directory, int stripeWidth = 0) {
    QImage image(276, 420, QImage::Format_RGB32);
    for (int i = 0; i < 276 * 420 && stripeWidth > 0; ++i) {
        image.setPixel(i % 276, i / 276, (i % 276) / stripeWidth % 2 ? qRgb(255, 255, 255) : 0);
    }
    for (int n = 1; n <= 55; ++n) {
        if (stripeWidth == 0) {
            image.fill(fixtureColour(n));
        }
        if (!QDir().mkpath(directory) ||
            !image.save(QDir(directory).filePath(QString::number(n) + ".jpg"), "JPEG",
                        stripeWidth > 0 ? 100 : 90)) {
            return false;
        }
    }
    return true;
}

// The strongest step in grey between neighbouring pixels across the middle row of `shot`,
// `margin` pixels in from each side: above 200 only where stripes stay black and white.
inline int sharpestStep(const QImage& shot, int margin) {
    int strongest = 0;
    for (int x = margin, y = shot.height() / 2; x < shot.width() - margin; ++x) {
        strongest = qMax(strongest, qAbs(qGray(shot.pixel(x, y)) - qGray(shot.pixel(x + 1, y))));
    }
    return strongest;
}
