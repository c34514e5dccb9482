#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace corvelle {

// The decoded card pictures of one window, by picture number and by the size they are shown at.
// A picture is read from images/N.jpg the first time it is needed and decoded straight to the
// size it covers on the screen in device pixels (JPEG decoding scales down almost for free), so
// a click only swaps pixmaps that are already there. A picture that cannot be read is not kept,
// so a later request tries the file again.
class CardPictureCache {
public:
    explicit CardPictureCache(QString directory) : directory_(std::move(directory)) {}

    // Picture `number` for a control of `logicalSize` on a screen of `devicePixelRatio`: a
    // pixmap of logicalSize x devicePixelRatio device pixels that knows its ratio. A null pixmap
    // when the file is missing or unreadable.
    QPixmap pixmap(int number, QSize logicalSize, qreal devicePixelRatio);

    QString directory() const { return directory_; }
    // How many files have been decoded so far.
    int decodeCount() const { return decodes_; }

private:
    QString directory_;
    QHash<quint64, QPixmap> pixmaps_;
    int decodes_ = 0;
};

// The directory the card pictures are read from: images/ beside the executable, unless a test
// pointed it elsewhere with setCardPictureDirectory.
QString cardPictureDirectory();
// Points every window created from now on at another picture directory; empty restores images/.
void setCardPictureDirectory(const QString& directory);

} // namespace corvelle
