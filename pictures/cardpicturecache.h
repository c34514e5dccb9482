// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <memory>

namespace corvelle {

class CardPictureLoad;

// The two sets of card pictures the game can show: the classic faces, or the Large Print faces
// drawn for players who see poorly. Both have the same 55 files, by the same numbers.
enum class CardFaces { Classic, LargePrint };

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
    // Reads the pictures from `directory` from now on, for example the other face set: every
    // pixmap kept so far is dropped, and so are start-up's decodes of another directory, so the
    // next paint of each control shows the new faces. A start-up load of `directory` that no
    // cache has taken yet (handOverCardPictures) is taken over. The controls must be repainted.
    void setDirectory(QString directory);
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

// Starts the load above for the game's own pictures of `faces` (cardPictureDirectory(faces)),
// keeping the decoded pictures from one start to the next in the per-user data directory, in a
// file of each face set's own (cardpictures.cache, cardpictures-large.cache): a start with the
// one set never throws away what was kept of the other.
std::shared_ptr<CardPictureLoad> startCardPictureLoad(QSize logicalSize,
                                                      CardFaces faces = CardFaces::Classic);

// The directory the card pictures of `faces` are read from: images/ beside the executable for
// the classic faces, images/large/ for the Large Print ones; for an installed copy, without
// images/ beside it, share/corvelle/images and share/corvelle/images/large. A test's
// setCardPictureDirectory takes the place of images/.
QString cardPictureDirectory(CardFaces faces = CardFaces::Classic);
// Points every window created from now on at another picture directory (its large/ subfolder
// for the Large Print faces); empty restores images/.
void setCardPictureDirectory(const QString& directory);

} // namespace corvelle
