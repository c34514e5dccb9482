#include "cardpicturecache.h"

#include <QCoreApplication>
#include <QDir>
#include <QImageReader>
#include <QtMath>

namespace corvelle {

namespace {

QString& pictureDirectoryOverride() {
    static QString directory;
    return directory;
}

} // namespace

QPixmap CardPictureCache::pixmap(int number, QSize logicalSize, qreal devicePixelRatio) {
    const QSize deviceSize(qCeil(logicalSize.width() * devicePixelRatio),
                           qCeil(logicalSize.height() * devicePixelRatio));
    if (deviceSize.isEmpty()) {
        return {};
    }
    const quint64 key = (quint64(quint32(number)) << 40) | (quint64(deviceSize.width()) << 20) |
                        quint64(deviceSize.height());
    const auto found = pixmaps_.constFind(key);
    if (found != pixmaps_.constEnd()) {
        return *found;
    }
    QImageReader reader(directory_ + QLatin1Char('/') + QString::number(number) +
                        QStringLiteral(".jpg"));
    reader.setScaledSize(deviceSize);
    const QImage image = reader.read();
    ++decodes_;
    if (image.isNull()) {
        return {};
    }
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(devicePixelRatio);
    pixmaps_.insert(key, result);
    return result;
}

QString cardPictureDirectory() {
    const QString& chosen = pictureDirectoryOverride();
    if (!chosen.isEmpty()) {
        return chosen;
    }
    const QDir programDir(QCoreApplication::applicationDirPath());
    if (programDir.exists(QStringLiteral("images"))) {
        return programDir.filePath(QStringLiteral("images"));
    }
    return QDir::cleanPath(programDir.filePath(QStringLiteral("../share/corvelle/images")));
}

void setCardPictureDirectory(const QString& directory) {
    pictureDirectoryOverride() = directory;
}

} // namespace corvelle
