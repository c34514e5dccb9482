// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>

namespace corvelle {

// Replaces the content of the file at `path` (or of the file a symbolic link there points to)
// with `bytes`. The new content goes into a temporary file beside it, named after it with
// ".saving-" and six letters or digits, which is written, synced and then renamed over the
// file, and the directory is synced after the rename: whether the disk fills or the program is
// killed at any point, the file holds its whole old content or its whole new one. Temporary
// files that an earlier, killed save of the same file left behind are removed first. The new
// file keeps the old one's permissions, with the owner's right to read it added. Returns
// an empty text when the file was replaced, otherwise why it was not (and the file is left as
// it was, unless only the directory sync after the rename failed, which the reason says).
QString replaceFileContent(const QString& path, const QByteArray& bytes);

// Removes the temporary files that killed saves of the file at `path` left behind, as
// replaceFileContent does first: for a file that is read far more often than it is saved.
void removeSaveLeftovers(const QString& path);

enum class ReadStatus { Read, Missing, NotRegular, Unreadable };

// What reading one of the game's small files found. Only Read carries bytes; NotRegular (a
// FIFO, a directory, a device or a socket where a file should be) and Unreadable carry the
// reason in `error`, so the game can tell the player and go on without the file.
struct ReadResult {
    ReadStatus status = ReadStatus::Missing;
    QByteArray bytes;
    QString error;
};

// Reads at most `maxBytes` of the regular file at `path`. Anything else at `path` is reported
// and never read, and it is never opened in a way that could block, so a FIFO put in a file's
// place cannot hang the game.
ReadResult readSmallFile(const QString& path, qint64 maxBytes);

// A file's bytes in memory of their own, which whatever is made of them may share.
struct SharedRead {
    ReadStatus status = ReadStatus::Missing;
    std::shared_ptr<const char> memory;
    qsizetype size = 0;
    QString error;
    QByteArrayView bytes() const { return {memory.get(), size}; }
};

// Reads as readSmallFile does, for a file of megabytes read at start-up: its bytes are put in
// large memory pages where the system gives them, which are far quicker to fill than small ones.
SharedRead readLargeFile(const QString& path, qint64 maxBytes);

// False when something other than a regular file is at `path`: the check for a file that a
// library opens itself, such as the settings file QSettings opens, made before it is opened. A
// path that cannot be looked at counts as missing, since opening it cannot block either.
bool isRegularOrMissing(const QString& path);

// The first of `base`, `base`.2, `base`.3, .. that names nothing at all (not even a dangling
// link), so that a copy put there never replaces an older one.
QString unusedName(const QString& base);

// Puts the file at `path` aside as `path` + `suffix`, or the first free name after it (above).
// What is no regular file (a FIFO, a folder) is moved without ever being opened. Returns the name
// it got, or an empty text when it could not be moved.
QString keepAside(const QString& path, const QString& suffix);

} // namespace corvelle
