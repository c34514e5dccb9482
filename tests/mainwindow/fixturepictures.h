#pragma once

#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>

// Test pictures: picture N is one solid colour of its own, so a test can tell from the pixels
// of a control which file it shows. Solid colours survive JPEG compression almost exactly.
inline QColor fixtureColour(int number) {
    return QColor(30 + (number % 5) * 50, 30 + ((number / 5) % 4) * 60,
                  30 + ((number / 20) % 3) * 90);
}

inline bool sameColour(QColor a, QColor b) {
    return qAbs(a.red() - b.red()) <= 12 && qAbs(a.green() - b.green()) <= 12 &&
           qAbs(a.blue() - b.blue()) <= 12;
}

// Writes 1.jpg..55.jpg, 276 x 420 each, into `directory`.
inline bool writeFixturePictures(const QString& directory) {
    if (!QDir().mkpath(directory)) {
        return false;
    }
    for (int number = 1; number <= 55; ++number) {
        QImage image(276, 420, QImage::Format_RGB32);
        image.fill(fixtureColour(number));
        if (!image.save(QDir(directory).filePath(QString::number(number) + ".jpg"), "JPEG", 90)) {
            return false;
        }
    }
    return true;
}
