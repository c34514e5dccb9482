// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <new>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvelle {

namespace {

const QString SavingInfix = QStringLiteral(".saving-");
constexpr int SuffixLength = 6;
constexpr char SuffixLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

QString reason(const char* what, int error) {
    return QCoreApplication::translate("corvelle::SaveFile", "%1: %2")
        .arg(QCoreApplication::translate("corvelle::SaveFile", what),
             QString::fromLocal8Bit(std::strerror(error)));
}

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

bool isTemporaryOf(const char* entry, const QByteArray& prefix) {
    if (std::strncmp(entry, prefix.constData(), std::size_t(prefix.size())) != 0 ||
        std::strlen(entry) != std::size_t(prefix.size() + SuffixLength)) {
        return false;
    }
    const char* suffix = entry + prefix.size();
    return std::all_of(suffix, suffix + SuffixLength,
                       [](char c) { return c != 0 && std::strchr(SuffixLetters, c) != nullptr; });
}

// Removes the temporary files of earlier saves of `target` that were killed before renaming.
void removeLeftovers(const QString& target) {
    const QFileInfo info(target);
    const QByteArray prefix = encoded(info.fileName() + SavingInfix);
    DIR* dir = ::opendir(encoded(info.path()).constData());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        struct stat st {};
        if (isTemporaryOf(entry->d_name, prefix) &&
            ::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode)) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

// Creates a new, empty temporary file beside `target`, with the mode the umask gives.
int createTemporary(const QString& target, QString& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + SavingInfix;
        for (int i = 0; i < SuffixLength; ++i) {
            name += QLatin1Char(SuffixLetters[QRandomGenerator::global()->bounded(62)]);
        }
        const int fd =
            ::open(encoded(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

QString writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, std::size_t(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return reason(QT_TRANSLATE_NOOP("corvelle::SaveFile", "writing the new content failed"),
                          written < 0 ? errno : ENOSPC);
        }
        data += written;
        left -= written;
    }
    return {};
}

// Writes the temporary file through to the disk and closes it; the first failure is returned.
// It gets the old file's permissions, but always the owner's right to read it: a file the game
// saves and cannot read back would be lost to it at every start.
QString fillTemporary(int fd, const QString& target, const QByteArray& bytes) {
    struct stat old {};
    QString why;
    if (::stat(encoded(target).constData(), &old) == 0 && S_ISREG(old.st_mode) &&
        ::fchmod(fd, (old.st_mode & 07777) | S_IRUSR) != 0) {
        why = reason(QT_TRANSLATE_NOOP("corvelle::SaveFile",
                                       "giving the new file the old one's permissions failed"),
                     errno);
    }
    if (why.isEmpty()) {
        why = writeAll(fd, bytes);
    }
    if (why.isEmpty() && ::fsync(fd) != 0) {
        why = reason(
            QT_TRANSLATE_NOOP("corvelle::SaveFile", "writing the new content to the disk failed"),
            errno);
    }
    if (::close(fd) != 0 && why.isEmpty()) {
        why = reason(QT_TRANSLATE_NOOP("corvelle::SaveFile", "closing the new file failed"), errno);
    }
    return why;
}

QString syncDirectory(const QString& target) {
    const int fd =
        ::open(encoded(QFileInfo(target).path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return reason(QT_TRANSLATE_NOOP(
                          "corvelle::SaveFile",
                          "the file was replaced, but its folder could not be opened to sync it"),
                      errno);
    }
    // Some file systems cannot sync a directory and say so with EINVAL; they need no sync.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    const int error = errno;
    ::close(fd);
    return synced ? QString()
                  : reason(QT_TRANSLATE_NOOP(
                               "corvelle::SaveFile",
                               "the file was replaced, but its folder could not be synced"),
                           error);
}

ReadResult unreadable(int error) {
    return {ReadStatus::Unreadable, {}, QString::fromLocal8Bit(std::strerror(error))};
}

ReadResult notRegular(mode_t mode) {
    const char* what = S_ISDIR(mode)    ? QT_TRANSLATE_NOOP("corvelle::SaveFile", "a folder")
                       : S_ISFIFO(mode) ? QT_TRANSLATE_NOOP("corvelle::SaveFile", "a FIFO")
                       : S_ISCHR(mode) || S_ISBLK(mode)
                           ? QT_TRANSLATE_NOOP("corvelle::SaveFile", "a device")
                           : QT_TRANSLATE_NOOP("corvelle::SaveFile", "not a regular file");
    return {ReadStatus::NotRegular,
            {},
            QCoreApplication::translate("corvelle::SaveFile", "it is %1")
                .arg(QCoreApplication::translate("corvelle::SaveFile", what))};
}

// Reads at most `maxBytes` of the regular file at `path` into `buffer` (a QByteArray or a
// LargePageBuffer), straight into room of the file's size (and one byte more, to see it end),
// grown only if the file grows meanwhile: a large file is neither copied nor moved on its way in.
// Returns the status and error; `buffer` holds the bytes when they were read.
template <typename Buffer>
ReadResult readInto(const QString& path, qint64 maxBytes, Buffer& buffer) {
    const QByteArray name = encoded(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        return errno == ENOENT || errno == ENOTDIR ? ReadResult{} : unreadable(errno);
    }
    if (!S_ISREG(st.st_mode)) {
        return notRegular(st.st_mode);
    }
    // Something else may take the file's place between the look and the opening.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENOENT || errno == ENOTDIR ? ReadResult{} : unreadable(errno);
    }
    ReadResult result{ReadStatus::Read, {}, {}};
    if (::fstat(fd, &st) != 0) {
        result = unreadable(errno);
    } else if (!S_ISREG(st.st_mode)) {
        result = notRegular(st.st_mode);
    }
    qsizetype filled = 0;
    qint64 room = std::min<qint64>(maxBytes, qint64(st.st_size) + 1);
    while (result.status == ReadStatus::Read && filled < maxBytes) {
        if (filled == buffer.size()) {
            room = std::min<qint64>(maxBytes, std::max<qint64>(room, 2 * filled));
            buffer.resize(qsizetype(room));
        }
        const ssize_t got = ::read(fd, buffer.data() + filled, std::size_t(buffer.size() - filled));
        if (got < 0 && errno != EINTR) {
            result = unreadable(errno);
        } else if (got == 0) {
            break;
        } else if (got > 0) {
            filled += got;
        }
    }
    ::close(fd);
    buffer.resize(result.status == ReadStatus::Read ? filled : 0);
    return result;
}

// Room for a file read whole at start-up, in large pages where the system gives them: filling
// a megabyte or two of fresh small pages costs milliseconds, one large page a fraction of one.
class LargePageBuffer {
public:
    char* data() { return memory_.get(); }
    qsizetype size() const { return size_; }
    void resize(qsizetype size) {
        if (size > capacity_) {
            constexpr qsizetype LargePage = qsizetype(2) << 20;
            const qsizetype capacity = (size + LargePage - 1) / LargePage * LargePage;
            std::shared_ptr<char> memory(
                static_cast<char*>(std::aligned_alloc(LargePage, std::size_t(capacity))),
                std::free);
            if (!memory) {
                throw std::bad_alloc();
            }
            ::madvise(memory.get(), std::size_t(capacity), MADV_HUGEPAGE);
            if (size_ > 0) {
                std::memcpy(memory.get(), memory_.get(), std::size_t(size_));
            }
            memory_ = std::move(memory);
            capacity_ = capacity;
        }
        size_ = size;
    }
    std::shared_ptr<const char> take() { return std::move(memory_); }

private:
    std::shared_ptr<char> memory_;
    qsizetype size_ = 0;
    qsizetype capacity_ = 0;
};

} // namespace

QString replaceFileContent(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : path;
    removeLeftovers(target);
    QString temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) {
        return reason(
            QT_TRANSLATE_NOOP("corvelle::SaveFile", "the new file could not be created beside it"),
            errno);
    }
    QString why = fillTemporary(fd, target, bytes);
    if (why.isEmpty() &&
        ::rename(encoded(temporary).constData(), encoded(target).constData()) != 0) {
        why = reason(QT_TRANSLATE_NOOP("corvelle::SaveFile",
                                       "the new file could not take the old one's place"),
                     errno);
    }
    if (!why.isEmpty()) {
        ::unlink(encoded(temporary).constData());
        return why;
    }
    return syncDirectory(target);
}

void removeSaveLeftovers(const QString& path) {
    const QFileInfo info(path);
    removeLeftovers(info.isSymLink() ? info.symLinkTarget() : path);
}

ReadResult readSmallFile(const QString& path, qint64 maxBytes) {
    QByteArray bytes;
    ReadResult result = readInto(path, maxBytes, bytes);
    result.bytes = std::move(bytes);
    return result;
}

SharedRead readLargeFile(const QString& path, qint64 maxBytes) {
    LargePageBuffer buffer;
    ReadResult result = readInto(path, maxBytes, buffer);
    const qsizetype size = buffer.size();
    return {result.status, buffer.take(), size, std::move(result.error)};
}

bool isRegularOrMissing(const QString& path) {
    struct stat st {};
    return ::stat(encoded(path).constData(), &st) != 0 || S_ISREG(st.st_mode);
}

QString unusedName(const QString& base) {
    QString name = base;
    for (int n = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n) {
        name = base + QLatin1Char('.') + QString::number(n);
    }
    return name;
}

QString keepAside(const QString& path, const QString& suffix) {
    const QString name = unusedName(path + suffix);
    return QDir().rename(path, name) ? name : QString();
}

} // namespace corvelle
