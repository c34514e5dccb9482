// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/cardpicturecache.h"

#include "pictures/cardcorners.h"
#include "pictures/cardpictureload.h"
#include "storage/datadirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>
#include <QtMath>

namespace corvelle {

namespace {

QString& pictureDirectoryOverride() {
    static QString directory;
    return directory;
}

std::shared_ptr<CardPictureLoad>& waitingHandOver() {
    static std::shared_ptr<CardPictureLoad> load;
    return load;
}

// The load waiting for a cache of `directory`, taken; null when there is none.
std::shared_ptr<CardPictureLoad> takeHandOver(const QString& directory) {
    std::shared_ptr<CardPictureLoad>& waiting = waitingHandOver();
    if (waiting && waiting->directory() == directory) {
        return std::exchange(waiting, nullptr);
    }
    return nullptr;
}

} // namespace

CardPictureCache::CardPictureCache(QString directory)
    : directory_(std::move(directory)), handedOver_(takeHandOver(directory_)) {}

void CardPictureCache::setDirectory(QString directory) {
    directory_ = std::move(directory);
    pixmaps_.clear();
    if (auto waiting = takeHandOver(directory_)) {
        handedOver_ = std::move(waiting);
    } else if (handedOver_ && handedOver_->directory() != directory_) {
        handedOver_.reset();
    }
}

QSize CardPictureCache::deviceSize(QSize logicalSize, qreal devicePixelRatio) {
    return {qCeil(logicalSize.width() * devicePixelRatio),
            qCeil(logicalSize.height() * devicePixelRatio)};
}

QPixmap CardPictureCache::pixmap(int number, QSize logicalSize, qreal devicePixelRatio) {
    const QSize size = deviceSize(logicalSize, devicePixelRatio);
    if (size.isEmpty()) {
        return {};
    }
    const quint64 key =
        (quint64(quint32(number)) << 40) | (quint64(size.width()) << 20) | quint64(size.height());
    const auto found = pixmaps_.constFind(key);
    if (found != pixmaps_.constEnd()) {
        return *found;
    }
    QImage image;
    if (handedOver_ && handedOver_->deviceSize() == size) {
        image = handedOver_->take(number);
    }
    if (image.isNull()) {
        QImageReader reader(directory_ + QLatin1Char('/') + QString::number(number) +
                            QStringLiteral(".jpg"));
        reader.setScaledSize(size);
        image = cutCardCorners(reader.read());
        ++decodes_;
    }
    if (image.isNull()) {
        return {};
    }
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(devicePixelRatio);
    pixmaps_.insert(key, result);
    return result;
}

std::shared_ptr<CardPictureLoad> handOverCardPictures(const QString& directory, QSize logicalSize,
                                                      const QString& cacheFile) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen != nullptr ? screen->devicePixelRatio() : 1.0;
    auto load = std::make_shared<CardPictureLoad>(
        directory, CardPictureCache::deviceSize(logicalSize, ratio), cacheFile);
    waitingHandOver() = load;
    return load;
}

std::shared_ptr<CardPictureLoad> startCardPictureLoad(QSize logicalSize, CardFaces faces) {
    const QString cacheFile = faces == CardFaces::LargePrint
                                  ? QStringLiteral("cardpictures-large.cache")
                                  : QStringLiteral("cardpictures.cache");
    return handOverCardPictures(cardPictureDirectory(faces), logicalSize, dataFilePath(cacheFile));
}

QString cardPictureDirectory(CardFaces faces) {
    QString directory = pictureDirectoryOverride();
    if (directory.isEmpty()) {
        const QDir programDir(QCoreApplication::applicationDirPath());
        directory =
            programDir.exists(QStringLiteral("images"))
                ? programDir.filePath(QStringLiteral("images"))
                : QDir::cleanPath(programDir.filePath(QStringLiteral("../share/corvelle/images")));
    }
    return faces == CardFaces::LargePrint ? QDir(directory).filePath(QStringLiteral("large"))
                                          : directory;
}

void setCardPictureDirectory(const QString& directory) {
    pictureDirectoryOverride() = directory;
}

} // namespace corvelle
