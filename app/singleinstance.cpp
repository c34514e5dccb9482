// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/singleinstance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QWidget>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace corvelle {

namespace {

// The address of the abstract socket called `name`: a NUL byte, then the name, not terminated.
struct AbstractAddress {
    sockaddr_un address{};
    socklen_t length = 0;

    explicit AbstractAddress(const QByteArray& name) {
        address.sun_family = AF_UNIX;
        const auto size =
            std::min(static_cast<std::size_t>(name.size()), sizeof address.sun_path - 1);
        std::memcpy(address.sun_path + 1, name.constData(), size);
        length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + size);
    }
    const sockaddr* get() const { return reinterpret_cast<const sockaddr*>(&address); }
};

// Whether the process at the other end of a connected socket runs as this user.
bool peerIsThisUser(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::geteuid();
}

// Asks the copy that holds `name` to come forward: true when a copy of this user got the request.
// Never waits for long: a copy that has just taken the name may not listen yet, so a refused
// connection is tried again a few times.
bool askToComeForward(const AbstractAddress& name) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            return false;
        }
        const bool connected = ::connect(fd, name.get(), name.length) == 0;
        const int error = errno;
        const bool asked = connected && peerIsThisUser(fd);
        ::close(fd);
        if (connected || (error != ECONNREFUSED && error != EAGAIN)) {
            return asked;
        }
        ::usleep(20000);
    }
    return false;
}

// Opens the lock file for locking, or -1 when it cannot be opened as a regular file. A FIFO
// must not block the open, and a symbolic link must not lead it elsewhere.
int openLockFile(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, 0600);
    struct stat info {};
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

QString runtimeFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

} // namespace

QByteArray SingleInstance::meetingName() {
    const QString runtime = runtimeFolder();
    const QString canonical = QFileInfo(runtime).canonicalFilePath();
    const QByteArray folder = QFile::encodeName(canonical.isEmpty() ? runtime : canonical);
    return "corvelle-" + QByteArray::number(::geteuid()) + '-' +
           QCryptographicHash::hash(folder, QCryptographicHash::Sha256).toHex().left(32);
}

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {
    const QByteArray name = meetingName();
    if (!listen(name)) {
        if (errno == EADDRINUSE && askToComeForward(AbstractAddress(name))) {
            anotherCopyPlays_ = true;
            return;
        }
        if (errno != EADDRINUSE) {
            qWarning("No later start can find the game: %s", std::strerror(errno));
        }
    }
    // The name is this copy's, or another user's program holds it, or there is no socket at
    // all: the lock file has its say too.
    lockFile();
    if (anotherCopyPlays_ && server_ >= 0) {
        ::close(server_);
        server_ = -1;
    }
    if (server_ >= 0) {
        answerRequests();
    }
}

SingleInstance::~SingleInstance() {
    if (server_ >= 0) {
        ::close(server_);
    }
    if (lockFile_ >= 0) {
        ::close(lockFile_);
    }
}

// Takes the meeting name and listens on it; false, with errno set, when it cannot.
bool SingleInstance::listen(const QByteArray& name) {
    const AbstractAddress address(name);
    server_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (server_ < 0 || ::bind(server_, address.get(), address.length) != 0 ||
        ::listen(server_, SOMAXCONN) != 0) {
        const int error = errno;
        if (server_ >= 0) {
            ::close(server_);
            server_ = -1;
        }
        errno = error;
        return false;
    }
    return true;
}

void SingleInstance::answerRequests() {
    // A connection is the whole request; nothing is read from it. Other users may connect to an
    // abstract name too: their connections ask for nothing.
    auto* notifier = new QSocketNotifier(server_, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        for (int client; (client = ::accept4(server_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
            const bool ours = peerIsThisUser(client);
            ::close(client);
            if (ours) {
                emit comeForwardRequested();
            }
        }
    });
}

// The lock file beside the name: taken by another process, another copy plays.
void SingleInstance::lockFile() {
    const QString runtime = runtimeFolder();
    if (runtime.isEmpty()) {
        return;
    }
    lockFile_ = openLockFile(QDir(runtime).filePath(QStringLiteral("corvelle.lock")));
    if (lockFile_ < 0) {
        return;
    }
    if (::flock(lockFile_, LOCK_EX | LOCK_NB) != 0) {
        anotherCopyPlays_ = errno == EWOULDBLOCK;
        ::close(lockFile_);
        lockFile_ = -1;
        return;
    }
    // The process id is only for a person looking at the file; the lock itself is the flock.
    const QByteArray pid = QByteArray::number(QCoreApplication::applicationPid()) + '\n';
    if (::ftruncate(lockFile_, 0) != 0 || ::pwrite(lockFile_, pid.constData(), pid.size(), 0) < 0) {
        qWarning("Could not write the process id into the lock file");
    }
}

void bringWindowsForward() {
    QWidget* last = nullptr;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->isVisible() && window->windowType() != Qt::Popup &&
            window->windowType() != Qt::ToolTip) {
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
            window->raise();
            last = window;
        }
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        last = modal;
    }
    if (last != nullptr) {
        last->activateWindow();
    }
}

} // namespace corvelle
