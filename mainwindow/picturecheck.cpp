#include "picturecheck.h"

#include "gamestate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace corvelle {

namespace {

// A JPEG file ends with the end-of-image marker; a file cut short has lost it. The decoder pads
// a cut file with grey instead of failing, so the marker is looked for here (in the last bytes,
// which may carry a little padding after it).
bool endsWithImageEnd(QFile& file) {
    constexpr qint64 tail = 64;
    const qint64 size = file.size();
    if (size < 4 || !file.seek(qMax<qint64>(0, size - tail))) {
        return false;
    }
    return file.readAll().contains(QByteArrayLiteral("\xFF\xD9"));
}

bool isReadableJpeg(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    if (file.read(3) != QByteArrayLiteral("\xFF\xD8\xFF") || !endsWithImageEnd(file)) {
        return false;
    }
    file.seek(0);
    QImageReader reader(&file, "jpeg");
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) {
        return false;
    }
    // Decoding at an eighth of the size walks the whole file at little cost.
    reader.setScaledSize(QSize(qMax(1, size.width() / 8), qMax(1, size.height() / 8)));
    return !reader.read().isNull();
}

} // namespace

QStringList checkCardPictures(const QString& directory) {
    QStringList problems;
    const QDir dir(directory);
    for (int number = 1; number <= CardBackPicture; ++number) {
        const QString name = QString::number(number) + QStringLiteral(".jpg");
        const QFileInfo info(dir.filePath(name));
        if (!info.exists()) {
            problems << name + QStringLiteral(" (missing)");
        } else if (!info.isFile() || !isReadableJpeg(info.filePath())) {
            problems << name + QStringLiteral(" (damaged)");
        }
    }
    return problems;
}

QString cardPictureProblemMessage(const QString& directory, const QStringList& problems) {
    return QStringLiteral("Corvelle cannot start because some of its card pictures are missing "
                          "or damaged.\n\nPicture folder: %1\n\n%2")
        .arg(QDir::toNativeSeparators(QDir(directory).absolutePath()),
             problems.join(QStringLiteral(", ")));
}

} // namespace corvelle
