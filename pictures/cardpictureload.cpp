// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/cardpictureload.h"

#include "pictures/cardcorners.h"
#include "storage/savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QThread>

#include <algorithm>

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

// The picture at `path` decoded to `size`; a null image unless the file is a complete,
// readable JPEG.
QImage decodeJpeg(const QString& path, QSize size) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    if (file.read(3) != QByteArrayLiteral("\xFF\xD8\xFF") || !endsWithImageEnd(file)) {
        return {};
    }
    file.seek(0);
    QImageReader reader(&file, "jpeg");
    const QSize stored = reader.size();
    if (!stored.isValid() || stored.isEmpty()) {
        return {};
    }
    reader.setScaledSize(size);
    return reader.read();
}

} // namespace

CardPictureLoad::CardPictureLoad(QString directory, QSize deviceSize, QString cacheFile)
    : directory_(std::move(directory)), deviceSize_(deviceSize), cacheFile_(std::move(cacheFile)) {
    const int threads = std::clamp(QThread::idealThreadCount(), 1, 8);
    settled_ = cacheFile_.isEmpty();
    keepForCache_ = !settled_;
    if (settled_) {
        for (int i = 0; i < threads; ++i) {
            workers_.emplace_back([this] { work(); });
        }
        return;
    }
    // One worker looks at the cache file first; only when it cannot be used do the others start.
    workers_.emplace_back([this, threads] {
        readCache();
        std::vector<std::jthread> others;
        for (int i = 1; i < threads && !fromCache_; ++i) {
            others.emplace_back([this] { work(); });
        }
        work();
    });
}

CardPictureLoad::~CardPictureLoad() {
    std::unique_lock lock(mutex_);
    std::ranges::fill(states_, State::Taken);
    lock.unlock();
    workers_.clear();
}

QString CardPictureLoad::filePath(int index) const {
    return QDir(directory_).filePath(QString::number(index + 1) + QStringLiteral(".jpg"));
}

void CardPictureLoad::readCache() {
    std::array<std::optional<PictureFileStamp>, CardBackPicture> stamps;
    for (int i = 0; i < CardBackPicture; ++i) {
        stamps[i] = pictureFileStamp(filePath(i));
    }
    // One byte more than a usable file has, so that a longer one is not read as its beginning.
    const SharedRead file =
        readLargeFile(cacheFile_, decodedPicturesFileSize(deviceSize_, CardBackPicture) + 1);
    std::optional<DecodedPictures> cached;
    if (file.status == ReadStatus::Read) {
        cached = readDecodedPictures(file.bytes(), file.memory);
    }
    const bool usable =
        cached && cached->size == deviceSize_ && std::ssize(cached->images) == CardBackPicture &&
        std::ranges::equal(stamps, cached->stamps,
                           [](const auto& now, const auto& then) { return now && *now == then; });
    std::unique_lock lock(mutex_);
    stamps_ = stamps;
    if (usable) {
        for (int i = 0; i < CardBackPicture; ++i) {
            if (states_[i] == State::Waiting) {
                images_[i] = std::move(cached->images[i]);
                states_[i] = State::Done;
            }
        }
        fromCache_ = true;
        keepForCache_ = false;
    }
    settled_ = true;
    decoded_.notify_all();
    lock.unlock();
    // A start that can use the kept pictures saves none, so it clears what killed saves left.
    if (usable) {
        removeSaveLeftovers(cacheFile_);
    }
}

void CardPictureLoad::writeCache() {
    DecodedPictures pictures{deviceSize_, {}, {}};
    for (int i = 0; i < CardBackPicture; ++i) {
        if (!stamps_[i] || images_[i].isNull()) {
            return;
        }
        pictures.stamps.push_back(*stamps_[i]);
        pictures.images.push_back(images_[i]);
    }
    writer_ = std::jthread([file = cacheFile_, pictures = std::move(pictures)] {
        if (const QByteArray bytes = writeDecodedPictures(pictures); !bytes.isEmpty()) {
            replaceFileContent(file, bytes);
        }
    });
}

void CardPictureLoad::work() {
    while (decodeNextWaiting()) {
    }
}

bool CardPictureLoad::decodeNextWaiting() {
    std::unique_lock lock(mutex_);
    decoded_.wait(lock, [this] { return settled_; });
    const auto next = std::ranges::find(states_, State::Waiting);
    if (next == states_.end()) {
        return false;
    }
    decode(static_cast<int>(next - states_.begin()), lock);
    return true;
}

void CardPictureLoad::decode(int index, std::unique_lock<std::mutex>& lock) {
    states_[index] = State::Decoding;
    lock.unlock();
    const QString name = QString::number(index + 1) + QStringLiteral(".jpg");
    const QFileInfo info(filePath(index));
    QImage image;
    QString problem;
    if (!info.exists()) {
        problem =
            QCoreApplication::translate("corvelle::CardPictureLoad", "%1 (missing)").arg(name);
    } else if (!info.isFile() || (image = decodeJpeg(info.filePath(), deviceSize_)).isNull()) {
        problem =
            QCoreApplication::translate("corvelle::CardPictureLoad", "%1 (damaged)").arg(name);
    }
    image = cutCardCorners(std::move(image));
    lock.lock();
    if (states_[index] == State::Decoding) {
        images_[index] = std::move(image);
        problems_[index] = std::move(problem);
        states_[index] = State::Done;
    }
    decoded_.notify_all();
}

QStringList CardPictureLoad::problems() {
    while (decodeNextWaiting()) {
    }
    std::unique_lock lock(mutex_);
    decoded_.wait(lock, [this] { return std::ranges::count(states_, State::Decoding) == 0; });
    QStringList found;
    for (const QString& problem : problems_) {
        if (!problem.isEmpty()) {
            found << problem;
        }
    }
    if (keepForCache_) {
        if (found.isEmpty()) {
            writeCache();
        }
        keepForCache_ = false;
        for (int i = 0; i < CardBackPicture; ++i) {
            if (states_[i] == State::Taken) {
                images_[i] = QImage();
            }
        }
    }
    lock.unlock();
    workers_.clear();
    return found;
}

QImage CardPictureLoad::take(int number) {
    const int index = number - 1;
    if (index < 0 || index >= CardBackPicture) {
        return {};
    }
    std::unique_lock lock(mutex_);
    decoded_.wait(lock, [this] { return settled_; });
    if (states_[index] == State::Waiting) {
        decode(index, lock);
    }
    decoded_.wait(lock, [&] { return states_[index] != State::Decoding; });
    if (states_[index] != State::Done) {
        return {};
    }
    states_[index] = State::Taken;
    // Until the cache file has its copy, a picture handed over is shared, not given away.
    return keepForCache_ ? images_[index] : std::move(images_[index]);
}

QString cardPictureProblemMessage(const QString& directory, const QStringList& problems) {
    return QCoreApplication::translate("corvelle::CardPictureLoad",
                                       "Corvelle cannot start because some of its card pictures "
                                       "are missing or damaged.\n\nPicture folder: %1\n\n%2")
        .arg(QDir::toNativeSeparators(QDir(directory).absolutePath()),
             problems.join(QStringLiteral(", ")));
}

} // namespace corvelle
