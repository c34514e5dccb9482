#include "fixturepictures.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The real executable, started from a private copy with its own pictures and its own runtime
// directory: only one copy plays, and a lock left by a killed copy never blocks.
class StartupTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home_;

    QString gamePath() const { return home_.filePath("game/corvelle"); }
    QString lockPath() const { return home_.filePath("runtime/corvelle.lock"); }

    std::unique_ptr<QProcess> start() {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", home_.filePath("runtime"));
        env.insert("XDG_CONFIG_HOME", home_.filePath("config"));
        env.insert("XDG_DATA_HOME", home_.filePath("data"));
        process->setProcessEnvironment(env);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(gamePath(), {});
        if (!process->waitForStarted(5000)) {
            return nullptr;
        }
        return process;
    }

    // The process id written into the lock, 0 while there is no lock.
    qint64 lockOwner() const {
        QFile lock(lockPath());
        if (!lock.open(QIODevice::ReadOnly)) {
            return 0;
        }
        return lock.readLine().trimmed().toLongLong();
    }

    static void stop(QProcess* process) {
        if (process && process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
    }

private slots:
    void initTestCase() {
        QVERIFY(home_.isValid());
        QVERIFY(QDir(home_.path()).mkpath("game"));
        QVERIFY(QDir(home_.path()).mkpath("runtime"));
        QVERIFY(QFile::setPermissions(home_.filePath("runtime"),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(QFile::copy(CORVELLE_EXE, gamePath()));
        QVERIFY(writeFixturePictures(home_.filePath("game/images")));
    }

    void cleanup() { QFile::remove(lockPath()); }

    void secondCopyEndsAtOnceWhileTheFirstRuns() {
        auto first = start();
        QVERIFY(first);
        QTRY_COMPARE_WITH_TIMEOUT(lockOwner(), first->processId(), 10000);

        auto second = start();
        QVERIFY(second);
        QVERIFY(second->waitForFinished(5000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(second->readAllStandardOutput(), QByteArray());

        QCOMPARE(first->state(), QProcess::Running);
        QCOMPARE(lockOwner(), first->processId());
        stop(first.get());
    }

    void lockOfAKilledCopyDoesNotBlock() {
        auto killed = start();
        QVERIFY(killed);
        QTRY_COMPARE_WITH_TIMEOUT(lockOwner(), killed->processId(), 10000);
        const qint64 killedId = killed->processId();
        stop(killed.get());
        QCOMPARE(lockOwner(), killedId); // the lock is left behind

        auto next = start();
        QVERIFY(next);
        QTRY_COMPARE_WITH_TIMEOUT(lockOwner(), next->processId(), 10000);
        QTest::qWait(500);
        QCOMPARE(next->state(), QProcess::Running);
        stop(next.get());
    }

    // A lock older than any age limit still holds while its copy runs.
    void anOldLockOfARunningCopyStillHolds() {
        auto first = start();
        QVERIFY(first);
        QTRY_COMPARE_WITH_TIMEOUT(lockOwner(), first->processId(), 10000);
        QFile lock(lockPath());
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addDays(-2),
                                 QFileDevice::FileModificationTime));
        lock.close();

        auto second = start();
        QVERIFY(second);
        QVERIFY(second->waitForFinished(5000));
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(first->state(), QProcess::Running);
        stop(first.get());
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
