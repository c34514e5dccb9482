#include "app/singleinstance.h"

#include <QApplication>
#include <QDir>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QWidget>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace corvelle {

namespace {

// The address of the socket at `path`; an empty one when the path is too long for it.
sockaddr_un socketAddress(const QString& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (static_cast<std::size_t>(name.size()) < sizeof address.sun_path) {
        std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    }
    return address;
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

} // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty()) {
        return;
    }
    const QString socketName = QDir(runtime).filePath(QStringLiteral("corvelle.socket"));
    lockFile_ = openLockFile(QDir(runtime).filePath(QStringLiteral("corvelle.lock")));
    if (lockFile_ < 0) {
        return;
    }
    if (::flock(lockFile_, LOCK_EX | LOCK_NB) != 0) {
        anotherCopyPlays_ = errno == EWOULDBLOCK;
        ::close(lockFile_);
        lockFile_ = -1;
        if (anotherCopyPlays_) {
            askToComeForward(socketName);
        }
        return;
    }
    // The process id is only for a person looking at the file; the lock itself is the flock.
    const QByteArray pid = QByteArray::number(QCoreApplication::applicationPid()) + '\n';
    if (::ftruncate(lockFile_, 0) != 0 || ::pwrite(lockFile_, pid.constData(), pid.size(), 0) < 0) {
        qWarning("Could not write the process id into the lock file");
    }
    listen(socketName);
}

SingleInstance::~SingleInstance() {
    if (server_ >= 0) {
        ::close(server_);
        if (!socketPath_.isEmpty()) {
            ::unlink(socketPath_.constData());
        }
    }
    if (lockFile_ >= 0) {
        ::close(lockFile_);
    }
}

void SingleInstance::listen(const QString& name) {
    const sockaddr_un address = socketAddress(name);
    server_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    ::unlink(address.sun_path); // a socket left by a copy that was killed
    if (server_ < 0 || address.sun_path[0] == '\0' ||
        ::bind(server_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(server_, 4) != 0) {
        qWarning("No later start can bring the game forward: %s", std::strerror(errno));
        return;
    }
    socketPath_ = address.sun_path;
    // A connection is the whole request; nothing is read from it.
    auto* notifier = new QSocketNotifier(server_, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        for (int client; (client = ::accept4(server_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
            ::close(client);
            emit comeForwardRequested();
        }
    });
}

bool SingleInstance::askToComeForward(const QString& name) {
    const sockaddr_un address = socketAddress(name);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    // Connecting is the whole request; a copy that does not listen cannot be asked.
    const bool asked =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return asked;
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
