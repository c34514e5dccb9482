// Saving and reading the game's files: a save that meets a full disk or is killed at any of its
// system calls leaves the file with its whole old content or its whole new one, never less, and
// a FIFO or a folder in a file's place is reported instead of hanging the game.
#include "savefile.h"
#include "windowdriver.h"

#include <memory>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace corvelle;
using namespace corvelle::test;

Q_DECLARE_METATYPE(ReadStatus)

namespace {

const QByteArray OldContent(1000, 'o');
const QByteArray NewContent(3000, 'n');

// Runs the save child on `path` with `arguments` after it, behind `wrapper` (strace) if given;
// returns what it wrote to stderr.
QByteArray runChild(const QString& path, QStringList wrapper, const QStringList& arguments = {}) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":detect_leaks=0"); // not under ptrace
    child.setProcessEnvironment(env);
    wrapper << SAVECHILD << path << QString::number(NewContent.size()) << "n" << arguments;
    child.start(wrapper.takeFirst(), wrapper);
    if (!child.waitForFinished(60000)) {
        return "(did not finish)";
    }
    return child.readAllStandardError() + "exit " + QByteArray::number(child.exitCode());
}

} // namespace

class TestStorage : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString saveDir_;
    QString path_;

    QStringList entries() const {
        return QDir(saveDir_).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        saveDir_ = dir_->filePath("save");
        path_ = saveDir_ + "/hscores.dat";
        QVERIFY(QDir().mkpath(saveDir_));
        QVERIFY(writeFile(path_, OldContent));
    }

    void fullDiskFailsTheSave_data() {
        QTest::addColumn<int>("limit");
        QTest::newRow("nothing fits") << 0;
        QTest::newRow("a part fits") << 1000;
        QTest::newRow("all but the last byte fits") << int(NewContent.size() - 1);
    }
    void fullDiskFailsTheSave() {
        QFETCH(int, limit);
        const QByteArray err = runChild(path_, {}, {QString::number(limit)});
        QVERIFY2(err.endsWith("\nexit 1") && !err.contains("end\n\nexit"), err);
        QCOMPARE(readFile(path_), OldContent);
        QCOMPARE(entries(), QStringList{"hscores.dat"});
    }

    void onlyOwnLeftoversAreRemoved_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("removed");
        QTest::newRow("killed save's") << "hscores.dat.saving-a1B2c3" << true;
        QTest::newRow("backup") << "hscores.dat.backup" << false;
        QTest::newRow("damaged copy") << "hscores.dat.damaged" << false;
        QTest::newRow("another file's") << "scores.dat.saving-a1B2c3" << false;
        QTest::newRow("longer name") << "hscores.dat.saving-a1B2c3.keep" << false;
    }
    void onlyOwnLeftoversAreRemoved() {
        QFETCH(QString, name);
        QFETCH(bool, removed);
        QVERIFY(writeFile(saveDir_ + "/" + name, "leftover"));
        QCOMPARE(replaceFileContent(path_, NewContent), QString());
        QCOMPARE(readFile(path_), NewContent);
        QCOMPARE(QFile::exists(saveDir_ + "/" + name), !removed);
    }

    // strace lists the save's system calls, then kills the child at each of them in turn.
    void killAtEverySystemCall() {
        const QString log = dir_->filePath("trace");
        QVERIFY2(runChild(path_, {"strace", "-f", "-o", log}).endsWith("\nexit 0"), "traced save");
        QCOMPARE(readFile(path_), NewContent);
        const QStringList lines = QString::fromLatin1(readFile(log)).split('\n');
        const QRegularExpression call(R"(^(?:\d+ +)?(\w+)\()");
        QMap<QString, int> seen;
        QList<QPair<QString, int>> saveCalls;
        QStringList names;
        bool inSave = false;
        for (const QString& line : lines) {
            const QString name = call.match(line).captured(1);
            const int nth = name.isEmpty() ? 0 : ++seen[name];
            if (line.contains(R"(write(2, "end\n")")) {
                break;
            }
            if (inSave && nth > 0) {
                saveCalls.append({name, nth});
                names << name;
            }
            inSave = inSave || line.contains(R"(write(2, "begin\n")");
        }
        qInfo("the save's system calls: %s", qPrintable(names.join(' ')));
        // The content reaches the disk before the rename, the rename before the save returns.
        const QRegularExpression sync("^f(data)?sync$");
        const qsizetype renamed = names.indexOf(QRegularExpression("^rename"));
        QVERIFY2(renamed > names.indexOf(sync) && names.indexOf(sync) >= 0, "file synced");
        QVERIFY2(names.lastIndexOf(sync) > renamed, "directory synced");
        int keptOld = 0;
        for (const auto& [name, nth] : saveCalls) {
            const QString at = QString("%1 #%2").arg(name).arg(nth);
            QVERIFY(writeFile(path_, OldContent));
            const QByteArray err =
                runChild(path_, {"strace", "-f", "-o", "/dev/null", "-e",
                                 QString("inject=%1:signal=KILL:when=%2").arg(name).arg(nth)});
            QVERIFY2(err.contains("begin\n") && !err.contains("end\n"),
                     qPrintable("not killed at " + at));
            const QByteArray content = readFile(path_);
            QVERIFY2(content == OldContent || content == NewContent, qPrintable(at));
            keptOld += content == OldContent;
            QCOMPARE(replaceFileContent(path_, NewContent), QString());
            QVERIFY2(entries() == QStringList{"hscores.dat"}, qPrintable(at));
        }
        QVERIFY(keptOld > 0 && keptOld < saveCalls.size());
    }

    void readsOnlyRegularFiles_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<ReadStatus>("status");
        QTest::newRow("regular, cut at the limit") << "file" << ReadStatus::Read;
        QTest::newRow("missing") << "none" << ReadStatus::Missing;
        QTest::newRow("FIFO") << "fifo" << ReadStatus::NotRegular;
        QTest::newRow("folder") << "folder" << ReadStatus::NotRegular;
        QTest::newRow("device") << "/dev/null" << ReadStatus::NotRegular;
        QTest::newRow("no permission") << "locked" << ReadStatus::Unreadable;
    }
    void readsOnlyRegularFiles() {
        QFETCH(QString, kind);
        QFETCH(ReadStatus, status);
        QString path = kind.startsWith('/') ? kind : saveDir_ + "/" + kind;
        if (kind == "file" || kind == "locked") {
            path = path_;
        } else if (kind == "fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == "folder") {
            QVERIFY(QDir().mkdir(path));
        }
        QVERIFY(kind != "locked" || QFile::setPermissions(path_, {}));
        // Root reads any file: a file-system user of nobody's takes root's privilege away.
        const auto fsuid = setfsuid(kind == "locked" ? 65534 : geteuid());
        alarm(20); // a read that blocks ends the test here
        const ReadResult read = readSmallFile(path, 10);
        const bool safeToOpen = isRegularOrMissing(path);
        alarm(0);
        setfsuid(fsuid);
        QCOMPARE(read.status, status);
        QCOMPARE(read.bytes, status == ReadStatus::Read ? OldContent.left(10) : QByteArray());
        QCOMPARE(read.error.isEmpty(), status == ReadStatus::Read || status == ReadStatus::Missing);
        QCOMPARE(safeToOpen, status != ReadStatus::NotRegular);
    }
};

QTEST_GUILESS_MAIN(TestStorage)
#include "tst_storage.moc"
