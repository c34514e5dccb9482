// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/singleinstance.h"
#include "tests/support/fixturepictures.h"

#include <QtTest>

#include <csignal>
#include <cstddef>
#include <cstring>
#include <memory>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A started copy of the real game; QProcess kills it when the test lets go of it.
using Started = std::unique_ptr<QProcess>;

bool plays(const Started& copy) {
    return copy->state() == QProcess::Running;
}

// Empty when the copy ends at once, with status 0 and not a word; else what it does.
QString howItEnds(const Started& copy) {
    if (plays(copy) && !copy->waitForFinished(10000)) {
        return "it plays on";
    }
    const QByteArray said = copy->readAllStandardOutput() + copy->readAllStandardError();
    return copy->exitCode() != 0 ? QString("status %1: %2").arg(copy->exitCode()).arg(said)
                                 : QString(said);
}

// A program of another user (nobody) that takes this user's meeting name, or connects to it,
// and waits to be killed. Only root can start one.
struct OtherUsersProgram {
    pid_t pid = -1;
    bool running = false;

    explicit OtherUsersProgram(bool takesTheName) {
        const QByteArray name = corvelle::SingleInstance::meetingName();
        sockaddr_un address{AF_UNIX, {}};
        std::memcpy(address.sun_path + 1, name.constData(), static_cast<std::size_t>(name.size()));
        const auto length =
            static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
        const auto* at = reinterpret_cast<const sockaddr*>(&address);
        int ready[2];
        if (::pipe(ready) != 0 || (pid = ::fork()) < 0) {
            return;
        }
        if (pid == 0) {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            if (::setgid(65534) == 0 && ::setuid(65534) == 0 &&
                (takesTheName ? ::bind(fd, at, length) == 0 && ::listen(fd, 4) == 0
                              : ::connect(fd, at, length) == 0) &&
                ::write(ready[1], "+", 1) == 1) {
                ::pause();
            }
            ::_exit(1);
        }
        char said = 0;
        ::close(ready[1]);
        running = ::read(ready[0], &said, 1) == 1;
        ::close(ready[0]);
    }
    ~OtherUsersProgram() {
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    }
};

} // namespace

// One copy of the game plays for a player: a later start finds it and ends, whatever lies in the
// runtime folder where the lock and socket files are, and whatever other users' programs do.
class SingleInstanceTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

    QByteArray runtime() const { return QFile::encodeName(home_.filePath("runtime")); }

    Started launch() const {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime());
        env.insert("XDG_CONFIG_HOME", home_.filePath("config"));
        env.insert("XDG_DATA_HOME", home_.filePath("data"));
        process->setProcessEnvironment(env);
        process->start(home_.filePath("game/corvelle"), {});
        return process->waitForStarted(5000) ? std::move(process) : nullptr;
    }

private slots:
    void initTestCase() {
        QVERIFY(QDir(home_.path()).mkpath("game") && ::mkdir(runtime(), 0700) == 0 &&
                QFile::copy(CORVELLE_EXE, home_.filePath("game/corvelle")) &&
                writeFixturePictures(home_.filePath("game/images")));
    }

    void aRunningCopyIsFoundWhateverLiesAtItsPaths_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("kind");
        for (const char* name : {"corvelle.lock", "corvelle.socket"}) {
            for (const char* kind : {"directory", "fifo", "dangling link", "link to a fifo"}) {
                QTest::addRow("%s: %s", kind, name) << QByteArray(name) << QByteArray(kind);
            }
        }
    }

    // Two starts close together: one plays and the other ends at once; so does a third.
    void aRunningCopyIsFoundWhateverLiesAtItsPaths() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, kind);
        const QByteArray at = runtime() + '/' + name, aside = runtime() + "/aside";
        for (const QByteArray& path :
             {runtime() + "/corvelle.lock", runtime() + "/corvelle.socket", aside}) {
            (void)(::unlink(path) == 0 || ::rmdir(path) == 0);
        }
        QVERIFY(kind == "directory" ? ::mkdir(at, 0700) == 0
                : kind == "fifo"    ? ::mkfifo(at, 0600) == 0
                : kind == "dangling link"
                    ? ::symlink("gone", at) == 0
                    : ::mkfifo(aside, 0600) == 0 && ::symlink("aside", at) == 0);
        const Started first = launch(), second = launch();
        QVERIFY(first && second);
        QVERIFY2(QTest::qWaitFor([&] { return !plays(first) || !plays(second); }, 10000),
                 "both copies play");
        QCOMPARE(howItEnds(plays(first) ? second : first), QString());
        const Started third = launch();
        QVERIFY(third);
        QCOMPARE(howItEnds(third), QString());
        QVERIFY(plays(first) || plays(second));
        if (name == "corvelle.socket") { // the lock file names the copy that plays
            QFile lock(QFile::decodeName(runtime()) + "/corvelle.lock");
            QVERIFY(lock.open(QIODevice::ReadOnly));
            QCOMPARE(lock.readLine().trimmed().toLongLong(),
                     (plays(first) ? first : second)->processId());
        }
    }

    // A copy of an older version knows only the lock file: while it holds it, a start ends;
    // once that copy is gone (killed, say), its lock file left behind, a start plays.
    void aCopyHoldingOnlyTheLockFileIsFound() {
        QFile lock(QFile::decodeName(runtime()) + "/corvelle.lock");
        QFile::remove(lock.fileName());
        QVERIFY(lock.open(QIODevice::ReadWrite) && ::flock(lock.handle(), LOCK_EX) == 0);
        const Started start = launch();
        QVERIFY(start);
        QCOMPARE(howItEnds(start), QString());
        lock.close();
        const Started next = launch();
        QVERIFY(next && !QTest::qWaitFor([&] { return !plays(next); }, 1500));
    }

    // Anyone may take or reach an abstract name. Another user's program on this user's name
    // neither stops the game nor leaves it unguarded (the lock file then finds the copy), and
    // its connection asks for nothing; a connection of this user does.
    void anotherUsersProgramNeitherBlocksNorIsHeard() {
        if (::geteuid() != 0) {
            QSKIP("Only root can start a program as another user");
        }
        {
            const OtherUsersProgram squatter(true);
            QVERIFY(squatter.running);
            const corvelle::SingleInstance first;
            QVERIFY(!first.anotherCopyPlays() && corvelle::SingleInstance().anotherCopyPlays());
        }
        const corvelle::SingleInstance first;
        QSignalSpy asked(&first, &corvelle::SingleInstance::comeForwardRequested);
        const OtherUsersProgram stranger(false);
        QVERIFY(!first.anotherCopyPlays() && stranger.running);
        QVERIFY(corvelle::SingleInstance().anotherCopyPlays());
        QTRY_COMPARE(asked.count(), 1);
        QTest::qWait(100);
        QCOMPARE(asked.count(), 1);
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
