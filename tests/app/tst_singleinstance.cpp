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

// A started copy of the game, killed when the test lets go of it.
struct Started : std::unique_ptr<QProcess> {
    Started(std::unique_ptr<QProcess> process) : unique_ptr(std::move(process)) {}
    Started(Started&&) = default;
    ~Started() {
        if (get() != nullptr) {
            get()->kill();
            get()->waitForFinished(5000);
        }
    }
    bool plays() const { return get()->state() == QProcess::Running; }

    // Empty when the copy ends at once, with status 0 and not a word; else what it does.
    QString howItEnds() const {
        if (plays() && !get()->waitForFinished(10000)) {
            return "it plays on";
        }
        const QByteArray said = get()->readAllStandardOutput() + get()->readAllStandardError();
        if (get()->exitStatus() != QProcess::NormalExit || get()->exitCode() != 0) {
            return QString("it ended with status %1: %2").arg(get()->exitCode()).arg(said);
        }
        return said.isEmpty() ? QString() : "it wrote: " + said;
    }
};

// Copies of the real game with their own pictures, started in private folders.
class Copies {
public:
    QTemporaryDir home;

    bool setUp() {
        return home.isValid() && QDir(home.path()).mkpath("game") &&
               QDir(home.path()).mkpath("runtime") &&
               QFile::setPermissions(runtime(),
                                     QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) &&
               QFile::copy(CORVELLE_EXE, home.filePath("game/corvelle")) &&
               writeFixturePictures(home.filePath("game/images"));
    }
    QString runtime() const { return home.filePath("runtime"); }

    Started launch() const {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime());
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        process->setProcessEnvironment(env);
        process->start(home.filePath("game/corvelle"), {});
        return process->waitForStarted(5000) ? std::move(process) : nullptr;
    }
};

// A program of another user (nobody) that takes this user's meeting name, or connects to it, and
// then waits to be killed. Only root can start one.
class OtherUsersProgram {
public:
    enum class Does { TakeTheName, Connect };

    explicit OtherUsersProgram(Does does) {
        const QByteArray name = corvelle::SingleInstance::meetingName();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path + 1, name.constData(), static_cast<std::size_t>(name.size()));
        const auto length =
            static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
        int ready[2];
        if (::pipe(ready) != 0) {
            return;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            const auto* at = reinterpret_cast<const sockaddr*>(&address);
            if (::setgid(65534) == 0 && ::setuid(65534) == 0 && fd >= 0 &&
                (does == Does::Connect ? ::connect(fd, at, length) == 0
                                       : ::bind(fd, at, length) == 0 && ::listen(fd, 4) == 0)) {
                (void)!::write(ready[1], "+", 1);
                ::pause();
            }
            ::_exit(1);
        }
        ::close(ready[1]);
        char said = 0;
        running_ = pid_ > 0 && ::read(ready[0], &said, 1) == 1;
        ::close(ready[0]);
    }
    ~OtherUsersProgram() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    bool running() const { return running_; }

private:
    pid_t pid_ = -1;
    bool running_ = false;
};

} // namespace

// One copy of the game plays for a player: a later start finds it, whatever lies in the runtime
// folder where the lock and socket files are, and ends.
class SingleInstanceTest : public QObject {
    Q_OBJECT

    Copies copies_;

    QByteArray path(const QByteArray& name) const {
        return QFile::encodeName(copies_.runtime()) + '/' + name;
    }

private slots:
    void initTestCase() { QVERIFY(copies_.setUp()); }

    void aRunningCopyIsFoundWhateverLiesAtItsPaths_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("kind");
        for (const char* name : {"corvelle.lock", "corvelle.socket"}) {
            for (const char* kind : {"directory", "fifo", "dangling link", "link to a directory",
                                     "link to a fifo", "file"}) {
                QTest::addRow("%s: %s", kind, name) << QByteArray(name) << QByteArray(kind);
            }
        }
    }

    // Two starts close together: one plays, the other ends at once; then a third start, with
    // the first surely playing, ends at once too.
    void aRunningCopyIsFoundWhateverLiesAtItsPaths() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, kind);
        const QByteArray at = path(name), aside = path("aside");
        for (const QByteArray& p : {at, aside}) {
            ::unlink(p.constData());
            ::rmdir(p.constData());
        }
        if (kind == "directory") {
            QVERIFY(::mkdir(at.constData(), 0700) == 0);
        } else if (kind == "fifo") {
            QVERIFY(::mkfifo(at.constData(), 0600) == 0);
        } else if (kind == "dangling link") {
            QVERIFY(::symlink("gone/corvelle.lock", at.constData()) == 0);
        } else if (kind == "link to a directory") {
            QVERIFY(::mkdir(aside.constData(), 0700) == 0 &&
                    ::symlink("aside", at.constData()) == 0);
        } else if (kind == "link to a fifo") {
            QVERIFY(::mkfifo(aside.constData(), 0600) == 0 &&
                    ::symlink("aside", at.constData()) == 0);
        } else {
            QFile file(QFile::decodeName(at));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("junk\n") == 5);
        }
        const Started first = copies_.launch(), second = copies_.launch();
        QVERIFY(first && second);
        QVERIFY2(QTest::qWaitFor([&] { return !first.plays() || !second.plays(); }, 10000),
                 "both copies play");
        const Started& ended = first.plays() ? second : first;
        const Started& plays = first.plays() ? first : second;
        QCOMPARE(ended.howItEnds(), QString());
        const Started third = copies_.launch();
        QVERIFY(third);
        QCOMPARE(third.howItEnds(), QString());
        QVERIFY(plays.plays());
    }

    // A copy of an older version knows only the lock file: while it holds it, a start ends.
    void aCopyHoldingOnlyTheLockFileIsFound() {
        QFile lock(copies_.runtime() + "/corvelle.lock");
        QFile::remove(lock.fileName());
        QVERIFY(lock.open(QIODevice::ReadWrite) && ::flock(lock.handle(), LOCK_EX) == 0);
        const Started start = copies_.launch();
        QVERIFY(start);
        QCOMPARE(start.howItEnds(), QString());
        lock.close();
        const Started next = copies_.launch();
        QVERIFY(next && !next->waitForFinished(1500));
    }

    // Anyone may take or reach an abstract name. Another user's program on this user's name
    // neither stops the game nor leaves it unguarded (the lock file then finds the copy), and
    // its connection asks for nothing; a connection of this user does.
    void anotherUsersProgramNeitherBlocksNorIsHeard() {
        if (::geteuid() != 0) {
            QSKIP("Only root can start a program as another user");
        }
        using Does = OtherUsersProgram::Does;
        {
            const OtherUsersProgram squatter(Does::TakeTheName);
            QVERIFY(squatter.running());
            const corvelle::SingleInstance first;
            QVERIFY(!first.anotherCopyPlays());
            QVERIFY(corvelle::SingleInstance().anotherCopyPlays());
        }
        const corvelle::SingleInstance first;
        QVERIFY(!first.anotherCopyPlays());
        QSignalSpy asked(&first, &corvelle::SingleInstance::comeForwardRequested);
        const OtherUsersProgram stranger(Does::Connect);
        QVERIFY(stranger.running());
        QVERIFY(corvelle::SingleInstance().anotherCopyPlays());
        QTRY_COMPARE(asked.count(), 1);
        QTest::qWait(100);
        QCOMPARE(asked.count(), 1);
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
