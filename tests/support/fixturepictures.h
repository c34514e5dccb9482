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

// Writes 1.jpg..55.jpg, 276 x 420 each, into `directory`.
inline bool writeFixturePictures(const QString& directory) {
    QImage image(276, 420, QImage::Format_RGB32);
    for (int n = 1; n <= 55; ++n) {
        image.fill(fixtureColour(n));
        if (!QDir().mkpath(directory) ||
            !image.save(QDir(directory).filePath(QString::number(n) + ".jpg"), "JPEG", 90)) {
            return false;
        }
    }
    return true;
}
