#include "singleinstance.h"

#include <QApplication>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QWidget>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvelle {

namespace {

const QByteArray comeForward = QByteArrayLiteral("come forward\n");

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
    if (lockFile_ >= 0) {
        ::close(lockFile_);
    }
}

void SingleInstance::listen(const QString& name) {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(name);
    if (!server_->listen(name)) {
        qWarning("No later start can bring the game forward: %s",
                 qPrintable(server_->errorString()));
        return;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->bytesAvailable() >= comeForward.size()) {
                    if (socket->read(comeForward.size()) == comeForward) {
                        emit comeForwardRequested();
                    }
                    socket->disconnectFromServer();
                }
            });
        }
    });
}

void SingleInstance::askToComeForward(const QString& name) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (socket.waitForConnected(2000)) {
        socket.write(comeForward);
        socket.waitForBytesWritten(2000);
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
