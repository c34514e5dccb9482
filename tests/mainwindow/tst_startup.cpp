#include "fixturepictures.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sched.h>
#include <sys/stat.h>
#include <unistd.h>

// The real executable, started from a private copy with its own pictures and its own runtime
// directory: only one copy plays, and nothing left where the lock lies ever blocks a start.
class StartupTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

    QString lockPath() const { return home_.filePath("runtime/corvelle.lock"); }

    // The process id written into the lock, 0 while there is no lock.
    qint64 lockOwner() const {
        QFile lock(lockPath());
        return lock.open(QIODevice::ReadOnly) ? lock.readLine().trimmed().toLongLong() : 0;
    }

    bool holdsLock(const QProcess& process) const {
        return QTest::qWaitFor(
            [&] {
                return process.state() == QProcess::Running && lockOwner() == process.processId();
            },
            10000);
    }

    // Starts a copy. With `asPlayer`, a test run as root starts it in a user namespace of its
    // own, where root's files are closed to it as they are to a player; it ends with status 77
    // when that namespace cannot be made.
    std::unique_ptr<QProcess> launch(bool asPlayer = false) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", home_.filePath("runtime"));
        env.insert("XDG_CONFIG_HOME", home_.filePath("config"));
        env.insert("XDG_DATA_HOME", home_.filePath("data"));
        process->setProcessEnvironment(env);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        if (asPlayer && ::geteuid() == 0) {
            process->setChildProcessModifier([] {
                if (::unshare(CLONE_NEWUSER) != 0) {
                    ::_exit(77);
                }
            });
        }
        process->start(home_.filePath("game/corvelle"), {});
        return process->waitForStarted(5000) ? std::move(process) : nullptr;
    }

private slots:
    void initTestCase() {
        QVERIFY(QDir(home_.path()).mkpath("game") && QDir(home_.path()).mkpath("runtime"));
        QVERIFY(QFile::setPermissions(home_.filePath("runtime"),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(QFile::copy(CORVELLE_EXE, home_.filePath("game/corvelle")));
        QVERIFY(writeFixturePictures(home_.filePath("game/images")));
    }

    void onlyOneCopyPlaysAndAKilledCopyNeverBlocks() {
        auto first = launch();
        QVERIFY(first && holdsLock(*first));
        // A second copy ends at once, silently, however old the lock of the running copy is.
        for (const int age : {0, 2}) {
            QFile lock(lockPath());
            QVERIFY(lock.open(QIODevice::ReadWrite) &&
                    lock.setFileTime(QDateTime::currentDateTime().addDays(-age),
                                     QFileDevice::FileModificationTime));
            lock.close();
            auto second = launch();
            QVERIFY(second && second->waitForFinished(5000));
            QCOMPARE(second->exitStatus(), QProcess::NormalExit);
            QCOMPARE(second->exitCode(), 0);
            QCOMPARE(second->readAllStandardOutput(), QByteArray());
            QVERIFY(first->state() == QProcess::Running && lockOwner() == first->processId());
        }
        // A killed copy leaves its lock behind; the next copy takes it over and plays.
        const qint64 killed = first->processId();
        first->kill();
        QVERIFY(first->waitForFinished(5000));
        QCOMPARE(lockOwner(), killed);
        auto next = launch();
        QVERIFY(next && holdsLock(*next));
        QTest::qWait(500);
        QCOMPARE(next->state(), QProcess::Running);
        next->kill();
        QVERIFY(next->waitForFinished(5000));
    }

    void aLockOfNoLiveCopyNeverBlocks_data() {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("takenOver");
        QProcess gone;
        gone.start("true", {});
        QVERIFY(gone.waitForStarted(5000));
        const QByteArray dead = QByteArray::number(gone.processId());
        QVERIFY(gone.waitForFinished(5000));
        const QByteArray self = QByteArray::number(QCoreApplication::applicationPid());
        const QByteArray host = QSysInfo::machineHostName().toUtf8();
        QTest::newRow("empty") << QByteArray("file") << QByteArray() << true;
        QTest::newRow("garbage") << QByteArray("file") << QByteArray("\xff\0\n-3 x\n", 8) << true;
        QTest::newRow("dead process") << QByteArray("file") << dead + "\ncorvelle\n" + host + "\n"
                                      << true;
        QTest::newRow("another program")
            << QByteArray("file") << self + "\ncorvelle\n" + host + "\n"
            << true;
        QTest::newRow("unreadable") << QByteArray("unreadable") << dead + "\ncorvelle\n" << false;
        QTest::newRow("directory") << QByteArray("directory") << QByteArray() << false;
        QTest::newRow("fifo") << QByteArray("fifo") << QByteArray() << false;
        QTest::newRow("dangling link") << QByteArray("link") << QByteArray() << false;
    }

    // Whatever lies where the lock belongs, a start that finds no live copy plays, and takes
    // the lock over when it is a file the player may open.
    void aLockOfNoLiveCopyNeverBlocks() {
        QFETCH(QByteArray, kind);
        QFETCH(QByteArray, content);
        QFETCH(bool, takenOver);
        const QByteArray path = QFile::encodeName(lockPath());
        ::unlink(path.constData());
        ::rmdir(path.constData());
        if (kind == "directory") {
            QVERIFY(::mkdir(path.constData(), 0700) == 0);
        } else if (kind == "fifo") {
            QVERIFY(::mkfifo(path.constData(), 0600) == 0);
        } else if (kind == "link") {
            QVERIFY(::symlink("gone/corvelle.lock", path.constData()) == 0);
        } else {
            QFile lock(lockPath());
            QVERIFY(lock.open(QIODevice::WriteOnly) && lock.write(content) == content.size());
            QVERIFY(kind == "file" || lock.setPermissions({}));
        }
        auto game = launch(kind == "unreadable");
        QVERIFY(game);
        QVERIFY(!takenOver || holdsLock(*game));
        game->waitForFinished(1500);
        const bool ended = game->state() != QProcess::Running;
        if (ended && game->exitCode() == 77) {
            QSKIP("Run as root without user namespaces: root may read any lock file");
        }
        QVERIFY2(!ended, "the copy ended at once");
        game->kill();
        QVERIFY(game->waitForFinished(5000));
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
