// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace corvelle {

// What identifies one picture file on disk without reading it: the same as long as nobody has
// written, replaced or renamed it (the change time cannot be set back by hand).
struct PictureFileStamp {
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    quint64 inode = 0;
    quint64 device = 0;
    bool operator==(const PictureFileStamp&) const = default;
};

// The stamp of the regular file at `path`; nothing for a missing file or anything else.
std::optional<PictureFileStamp> pictureFileStamp(const QString& path);

// Every card picture as start-up decoded it (at one size in device pixels, corners cut), with
// the stamps its files had, so a later start whose files still carry those stamps can show
// them without decoding again. Kept in the player's data folder as "cardpictures.cache".
struct DecodedPictures {
    QSize size;
    std::vector<PictureFileStamp> stamps;
    std::vector<QImage> images; // Format_ARGB32_Premultiplied, `size` each
};

// The file's bytes; none unless every picture has `size` and the format above. There must be as
// many stamps as pictures.
QByteArray writeDecodedPictures(const DecodedPictures& pictures);
// Any bytes: the pictures they hold, or nothing unless they are exactly a file written above
// (its size, its pictures' size and count, and its checksum all agree). The pictures are not
// copied out: they show the pixels where they lie in `bytes`, which they share.
std::optional<DecodedPictures> readDecodedPictures(QByteArray bytes);
// The same of bytes that `owner` holds: each picture read keeps a share of `owner`.
std::optional<DecodedPictures> readDecodedPictures(QByteArrayView bytes,
                                                   const std::shared_ptr<const void>& owner);
// The size in bytes of such a file of `count` pictures of `size`.
qint64 decodedPicturesFileSize(QSize size, int count);
// The checksum such a file ends with, of the bytes before it.
quint64 decodedPicturesChecksum(QByteArrayView bytes);

} // namespace corvelle
