// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/card.h"
#include "pictures/decodedpictures.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace corvelle {

// All 55 card pictures 1.jpg..55.jpg of a directory, decoded once, at the size the window shows
// them in device pixels and with their corners cut, on worker threads while the window is being
// built. The game cannot be played without all of them, so start-up takes its check of the files
// from these decodes, and the window's cache takes over the decoded images instead of reading
// the files again. A thread that wants a picture no worker has started decodes it itself, and
// the check decodes whatever is left the same way, so nobody waits behind a queue.
//
// With a `cacheFile`, the pictures are first looked for there: when it holds them at this size
// and every file still has the stamp it had when they were decoded, nothing is decoded at all.
// Otherwise, once the check has found every picture usable, the decoded pictures are written
// there, on a thread of their own, for the next start.
class CardPictureLoad {
public:
    CardPictureLoad(QString directory, QSize deviceSize, QString cacheFile = {});
    ~CardPictureLoad();
    CardPictureLoad(const CardPictureLoad&) = delete;
    CardPictureLoad& operator=(const CardPictureLoad&) = delete;

    QString directory() const { return directory_; }
    QSize deviceSize() const { return deviceSize_; }

    // Waits for every picture. One entry per file that is missing ("12.jpg (missing)") or is not
    // a complete, readable JPEG ("30.jpg (damaged)"), in picture order; empty when every picture
    // is usable.
    QStringList problems();
    // Picture `number` (1..55) at deviceSize(), handed over once: a later call, a damaged file
    // or a number out of range gives a null image.
    QImage take(int number);
    // Whether the pictures came from the cache file; known once problems() has returned.
    bool fromCache() const { return fromCache_; }

private:
    enum class State { Waiting, Decoding, Done, Taken };

    void work();
    // Takes the files' stamps and the pictures of the cache file if they match; then lets the
    // decoding start.
    void readCache();
    void writeCache();
    QString filePath(int index) const;
    // Decodes the first picture nobody has started; false when there is none.
    bool decodeNextWaiting();
    void decode(int index, std::unique_lock<std::mutex>& lock);

    const QString directory_;
    const QSize deviceSize_;
    const QString cacheFile_;
    std::mutex mutex_;
    std::condition_variable decoded_;
    bool settled_ = false; // the cache file has been looked at (or there is none)
    bool fromCache_ = false;
    bool keepForCache_ = false; // the cache file is still to be written from images_
    std::array<std::optional<PictureFileStamp>, CardBackPicture> stamps_;
    std::array<State, CardBackPicture> states_{};
    std::array<QImage, CardBackPicture> images_;
    std::array<QString, CardBackPicture> problems_;
    std::vector<std::jthread> workers_;
    std::jthread writer_;
};

// The text of the message box that start-up shows for the problems found above.
QString cardPictureProblemMessage(const QString& directory, const QStringList& problems);

} // namespace corvelle
