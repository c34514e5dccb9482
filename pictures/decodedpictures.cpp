// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/decodedpictures.h"

#include <QFile>

#include <cstdint>
#include <cstring>
#include <sys/stat.h>

namespace corvelle {

namespace {

// The file: this header, the width, the height and the count of pictures, one stamp per
// picture, the pictures' pixels row after row, and a checksum of everything before it. Numbers
// are in this machine's byte order; the order mark keeps a file from another one out.
constexpr char Magic[] = "CORVELLE DECODED PICTURES 1\n";
constexpr qsizetype MagicSize = sizeof(Magic) - 1;
constexpr std::uint32_t OrderMark = 0x01020304;
constexpr qsizetype HeaderSize = MagicSize + 4 * 4;
constexpr qsizetype StampSize = 5 * 8;
constexpr int MaxSide = 4096;
constexpr int MaxCount = 64;

template <typename T> void put(QByteArray& out, T value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

template <typename T> T take(QByteArrayView bytes, qsizetype& at) {
    T value{};
    std::memcpy(&value, bytes.data() + at, sizeof value);
    at += sizeof value;
    return value;
}

qsizetype pictureBytes(QSize size) {
    return qsizetype(size.width()) * size.height() * 4;
}

} // namespace

// Reads eight bytes at a step, so checking a file of a few megabytes costs a fraction of a
// millisecond; it is there to notice a damaged file, not a forged one.
quint64 decodedPicturesChecksum(QByteArrayView bytes) {
    std::uint64_t sum = 0x9e3779b97f4a7c15ULL;
    const auto mix = [&](std::uint64_t word) {
        sum = (sum ^ word) * 0xff51afd7ed558ccdULL;
        sum ^= sum >> 32;
    };
    qsizetype at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + at, 8);
        mix(word);
    }
    std::uint64_t last = 0;
    if (at < bytes.size()) {
        std::memcpy(&last, bytes.data() + at, std::size_t(bytes.size() - at));
    }
    mix(last ^ std::uint64_t(bytes.size()) << 56);
    return sum;
}

qint64 decodedPicturesFileSize(QSize size, int count) {
    return HeaderSize + qint64(count) * (StampSize + pictureBytes(size)) + 8;
}

std::optional<PictureFileStamp> pictureFileStamp(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return std::nullopt;
    }
    const auto ns = [](const timespec& t) { return qint64(t.tv_sec) * 1000000000 + t.tv_nsec; };
    return PictureFileStamp{qint64(st.st_size), ns(st.st_mtim), ns(st.st_ctim), quint64(st.st_ino),
                            quint64(st.st_dev)};
}

QByteArray writeDecodedPictures(const DecodedPictures& pictures) {
    for (const QImage& image : pictures.images) {
        if (image.size() != pictures.size ||
            image.format() != QImage::Format_ARGB32_Premultiplied) {
            return {};
        }
    }
    QByteArray out;
    out.reserve(decodedPicturesFileSize(pictures.size, int(pictures.images.size())));
    out.append(Magic, MagicSize);
    put(out, OrderMark);
    put(out, std::uint32_t(pictures.size.width()));
    put(out, std::uint32_t(pictures.size.height()));
    put(out, std::uint32_t(pictures.images.size()));
    for (const PictureFileStamp& stamp : pictures.stamps) {
        put(out, stamp.size);
        put(out, stamp.modifiedNs);
        put(out, stamp.changedNs);
        put(out, stamp.inode);
        put(out, stamp.device);
    }
    const int rowBytes = pictures.size.width() * 4;
    for (const QImage& image : pictures.images) {
        for (int y = 0; y < pictures.size.height(); ++y) {
            out.append(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes);
        }
    }
    put(out, decodedPicturesChecksum(out));
    return out;
}

std::optional<DecodedPictures> readDecodedPictures(QByteArray bytes) {
    bytes.detach(); // bytes that are not its own (fromRawData) would not outlive the pictures
    const auto held = std::make_shared<const QByteArray>(std::move(bytes));
    return readDecodedPictures(*held, held);
}

std::optional<DecodedPictures> readDecodedPictures(QByteArrayView view,
                                                   const std::shared_ptr<const void>& owner) {
    if (view.size() < HeaderSize || view.first(MagicSize) != QByteArrayView(Magic, MagicSize)) {
        return std::nullopt;
    }
    qsizetype at = MagicSize;
    const auto order = take<std::uint32_t>(view, at);
    const auto width = take<std::uint32_t>(view, at);
    const auto height = take<std::uint32_t>(view, at);
    const auto count = take<std::uint32_t>(view, at);
    if (order != OrderMark || width < 1 || width > MaxSide || height < 1 || height > MaxSide ||
        count < 1 || count > MaxCount) {
        return std::nullopt;
    }
    DecodedPictures pictures;
    pictures.size = QSize(int(width), int(height));
    if (view.size() != decodedPicturesFileSize(pictures.size, int(count))) {
        return std::nullopt;
    }
    const qsizetype body = view.size() - 8;
    qsizetype sumAt = body;
    if (take<std::uint64_t>(view, sumAt) != decodedPicturesChecksum(view.first(body))) {
        return std::nullopt;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        PictureFileStamp stamp;
        stamp.size = take<qint64>(view, at);
        stamp.modifiedNs = take<qint64>(view, at);
        stamp.changedNs = take<qint64>(view, at);
        stamp.inode = take<quint64>(view, at);
        stamp.device = take<quint64>(view, at);
        pictures.stamps.push_back(stamp);
    }
    // Each picture keeps the bytes alive (a share of them, not a copy) for as long as it lives;
    // every picture starts on a multiple of four bytes, as the pixels need.
    const int rowBytes = int(width) * 4;
    const auto release = [](void* share) {
        delete static_cast<std::shared_ptr<const void>*>(share);
    };
    for (std::uint32_t i = 0; i < count; ++i, at += pictureBytes(pictures.size)) {
        pictures.images.emplace_back(reinterpret_cast<const uchar*>(view.constData() + at),
                                     int(width), int(height), rowBytes,
                                     QImage::Format_ARGB32_Premultiplied, release,
                                     new std::shared_ptr<const void>(owner));
    }
    return pictures;
}

} // namespace corvelle
