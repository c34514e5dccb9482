#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <memory>

namespace corvelle {

class CardPictureLoad;

// The decoded card pictures of one window, by picture number and by the size they are shown at.
// A picture is read from images/N.jpg the first time it is needed and decoded straight to the
// size it covers on the screen in device pixels (JPEG decoding scales down almost for free), so
// a click only swaps pixmaps that are already there. The first window of a run starts with the
// pictures that start-up decoded for it (handOverCardPictures) and reads no file for them. A
// picture that cannot be read is not kept, so a later request tries the file again.
class CardPictureCache {
public:
    explicit CardPictureCache(QString directory);

    // Picture `number` for a control of `logicalSize` on a screen of `devicePixelRatio`: a
    // pixmap of logicalSize x devicePixelRatio device pixels that knows its ratio. A null pixmap
    // when the file is missing or unreadable.
    QPixmap pixmap(int number, QSize logicalSize, qreal devicePixelRatio);

    QString directory() const { return directory_; }
    // How many files this cache has decoded itself so far.
    int decodeCount() const { return decodes_; }

    // The size in device pixels of a picture shown at `logicalSize`.
    static QSize deviceSize(QSize logicalSize, qreal devicePixelRatio);

private:
    QString directory_;
    std::shared_ptr<CardPictureLoad> handedOver_;
    QHash<quint64, QPixmap> pixmaps_;
    int decodes_ = 0;
};

// Starts decoding every card picture of `directory` for controls of `logicalSize` on the primary
// screen, for the next window whose cache reads that directory: that cache takes the pictures
// over instead of decoding them again. Returns the load, whose problems() is the start-up check.
// `cacheFile`, when given, keeps the decoded pictures from one start to the next.
std::shared_ptr<CardPictureLoad> handOverCardPictures(const QString& directory, QSize logicalSize,
                                                      const QString& cacheFile = {});

// Starts the load above for the game's own pictures (cardPictureDirectory()), keeping the decoded
// pictures from one start to the next in the per-user data directory.
std::shared_ptr<CardPictureLoad> startCardPictureLoad(QSize logicalSize);

// The directory the card pictures are read from: images/ beside the executable, unless a test
// pointed it elsewhere with setCardPictureDirectory.
QString cardPictureDirectory();
// Points every window created from now on at another picture directory; empty restores images/.
void setCardPictureDirectory(const QString& directory);

} // namespace corvelle
