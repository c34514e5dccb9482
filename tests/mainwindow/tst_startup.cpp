#include "fixturepictures.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The real executable, started from a private copy with its own pictures and its own runtime
// directory: only one copy plays, and a lock left by a killed copy never blocks.
class StartupTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

    // The process id written into the lock, 0 while there is no lock.
    qint64 lockOwner() const {
        QFile lock(home_.filePath("runtime/corvelle.lock"));
        return lock.open(QIODevice::ReadOnly) ? lock.readLine().trimmed().toLongLong() : 0;
    }

    // Starts a copy and waits until it holds the lock, or until it ends when `holds` is false.
    std::unique_ptr<QProcess> start(bool holds = true) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", home_.filePath("runtime"));
        env.insert("XDG_CONFIG_HOME", home_.filePath("config"));
        env.insert("XDG_DATA_HOME", home_.filePath("data"));
        process->setProcessEnvironment(env);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(home_.filePath("game/corvelle"), {});
        const bool ok =
            process->waitForStarted(5000) &&
            (holds ? QTest::qWaitFor([&] { return lockOwner() == process->processId(); }, 10000)
                   : process->waitForFinished(5000));
        return ok ? std::move(process) : nullptr;
    }

private slots:
    void onlyOneCopyPlaysAndAKilledCopyNeverBlocks() {
        QVERIFY(QDir(home_.path()).mkpath("game") && QDir(home_.path()).mkpath("runtime"));
        QVERIFY(QFile::setPermissions(home_.filePath("runtime"),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(QFile::copy(CORVELLE_EXE, home_.filePath("game/corvelle")));
        QVERIFY(writeFixturePictures(home_.filePath("game/images")));
        auto first = start();
        QVERIFY(first);
        // A second copy ends at once, silently, however old the lock of the running copy is.
        for (const int age : {0, 2}) {
            QFile lock(home_.filePath("runtime/corvelle.lock"));
            QVERIFY(lock.open(QIODevice::ReadWrite) &&
                    lock.setFileTime(QDateTime::currentDateTime().addDays(-age),
                                     QFileDevice::FileModificationTime));
            lock.close();
            auto second = start(false);
            QVERIFY(second);
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
        auto next = start();
        QVERIFY(next);
        QTest::qWait(500);
        QCOMPARE(next->state(), QProcess::Running);
        next->kill();
        QVERIFY(next->waitForFinished(5000));
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
