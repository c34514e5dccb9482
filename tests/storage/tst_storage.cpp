// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The files the game keeps, each saved by its own writer with the content it really writes: the
// Hall of Fame, the statistics (from their writer thread), the kept game and the kept card
// pictures (from theirs). A kill at any system call of a save leaves the whole old file
// or the whole new one, which the next start reads, and whatever the save left is gone after the
// next one; anything else at those paths neither hangs nor crashes the game, loses nothing else,
// and is told at most once.
#include "pictures/cardpictureload.h"
#include "pictures/decodedpictures.h"
#include "records/keptgame.h"
#include "records/statistics.h"
#include "scores/highscores.h"
#include "storage/savefile.h"
#include "tests/support/windowdriver.h"

#include <csignal>
#include <linux/capability.h>
#include <random>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace corvelle;
using namespace corvelle::test;

namespace {

const QSize Pictures(69, 105); // the size the pictures child decodes at, as variant 69

const QMap<QString, QString> FileOf{{"halloffame", "hscores.dat"},
                                    {"statistics", "statistics.json"},
                                    {"keptgame", "savedgame.json"},
                                    {"pictures", "cardpictures.cache"}};

// Root reads and writes whatever the permissions say unless it gives up the capabilities that
// override them; the tests then meet the permissions as any player does. Threads started later
// inherit this thread's capabilities.
bool obeyPermissions() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[_LINUX_CAPABILITY_U32S_3]{};
    if (syscall(SYS_capget, &header, caps) != 0) {
        return false;
    }
    const quint32 overrides = 1u << CAP_DAC_OVERRIDE | 1u << CAP_DAC_READ_SEARCH | 1u << CAP_FOWNER;
    caps[0].effective &= ~overrides;
    caps[0].permitted &= ~overrides;
    return syscall(SYS_capset, &header, caps) == 0;
}

// What is at `path`, enough to tell whether it was lost or changed.
QString whatIsAt(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) {
        return "nothing";
    }
    if (S_ISLNK(st.st_mode)) {
        return "a link to " + QFileInfo(path).symLinkTarget();
    }
    if (S_ISDIR(st.st_mode)) {
        return "a folder of " + QDir(path).entryList(QDir::Files).join(',');
    }
    if (!S_ISREG(st.st_mode)) {
        return QString("something of mode %1").arg(st.st_mode, 0, 8);
    }
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const bool read = file.open(QIODevice::ReadOnly) && hash.addData(&file);
    return QString("%1 bytes, mode %2, %3")
        .arg(st.st_size)
        .arg(st.st_mode & 0777, 0, 8)
        .arg(read ? hash.result().toHex() : "unreadable");
}

} // namespace

class StorageTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString folder() const { return dir_.filePath("data"); }
    QString path(const QString& name) const { return folder() + "/" + name; }
    QStringList entries() const {
        QStringList names = QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                     QDir::Hidden | QDir::System);
        names.removeAll("images");
        return names;
    }

    // Runs the save child's writer `writer` on the data folder with `variant`, and the file-size
    // `limit` if given; with `strace` arguments, strace attaches to the child just before the
    // save. Returns what the child wrote to stderr and how it ended.
    QByteArray runChild(const QString& writer, int variant, QStringList strace = {},
                        const QStringList& limit = {}) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":detect_leaks=0"); // ptrace
        if (!strace.isEmpty()) {
            env.insert("SAVECHILD_PAUSE", "1");
        }
        child.setProcessEnvironment(env);
        child.start(SAVECHILD,
                    QStringList{"--" + writer, folder(), QString::number(variant)} + limit);
        QProcess tracer;
        if (!strace.isEmpty()) {
            const QString stat = QString("/proc/%1/stat").arg(child.processId());
            if (!QTest::qWaitFor([&] { return readFile(stat).contains(") T "); }, 20000)) {
                return "(did not stop for strace)";
            }
            tracer.start("strace", strace << "-f"
                                          << "-p" << QString::number(child.processId()));
            if (!QTest::qWaitFor([&] { return tracer.readAllStandardError().contains("attached"); },
                                 20000)) {
                return "(strace did not attach)";
            }
            ::kill(pid_t(child.processId()), SIGCONT);
        }
        const bool finished = child.waitForFinished(120000);
        tracer.waitForFinished(20000);
        return !finished ? "(did not finish)"
                         : child.readAllStandardError() +
                               (child.exitStatus() == QProcess::CrashExit ? "crashed " : "exit ") +
                               QByteArray::number(child.exitCode());
    }

    // A fresh data folder with the card pictures' files.
    void clean() {
        QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(folder()).removeRecursively();
        QVERIFY(writeFixturePictures(path("images")));
    }

    // What the game's next start makes of the file `writer` saves: the real reader accepts it,
    // and the next save (made at once) leaves nothing beside it. Returns the file as it was.
    QByteArray nextStart(const QString& writer) {
        QByteArray found = readFile(path(FileOf[writer]));
        if (writer == "halloffame") {
            HighScores scores(folder());
            if (!scores.loadHighScores().isEmpty() || !scores.record(4, 1, 1, "Lee").isEmpty()) {
                return "(refused)";
            }
        } else if (writer == "statistics") {
            Statistics statistics(folder());
            if (!statistics.load().isEmpty() || !readStatisticsFile(found)) {
                return "(refused)";
            }
            statistics.hintUsed();
        } else if (writer == "keptgame") {
            KeptGame kept(folder());
            const KeptGame::Taken taken = kept.take();
            if (!taken.game || !kept.keep(*taken.game).isEmpty()) {
                return "(refused)";
            }
        } else {
            // At the size of the pictures kept: the player changed the card size back, say.
            const auto kept = readDecodedPictures(found);
            CardPictureLoad load(path("images"), kept ? kept->size : Pictures,
                                 path(FileOf[writer]));
            if (!load.problems().isEmpty() || !load.fromCache()) {
                return "(refused)";
            }
        }
        return found;
    }

private slots:
    void initTestCase() { QVERIFY(dir_.isValid() && (geteuid() != 0 || obeyPermissions())); }

    // A file read whole however large its size was said to be: /proc's files say they are
    // empty, so the room for them grows as they are read; a read stops at its limit.
    void readersTakeTheWholeFile() {
        const QByteArray whole = readFile("/proc/self/mountinfo");
        QVERIFY(whole.size() > 100);
        QCOMPARE(readSmallFile("/proc/self/mountinfo", 1 << 20).bytes, whole);
        QCOMPARE(readLargeFile("/proc/self/mountinfo", 1 << 20).bytes(), whole);
        QCOMPARE(readLargeFile("/proc/self/mountinfo", 99).bytes(), whole.first(99));
    }

    // A Hall of Fame that cannot be read is kept aside before a save replaces it; where it
    // cannot even be copied, it is left as it was, and the player is told.
    void anUncopiableHallOfFameIsNeverReplaced() {
        clean();
        QVERIFY(writeFile(path("hscores.dat"), "scores"));
        QVERIFY(QFile::setPermissions(path("hscores.dat"), {}));
        const QString before = whatIsAt(path("hscores.dat"));
        HighScores scores(folder());
        QCOMPARE(scores.loadHighScores().size(), 1);
        const QStringList told = scores.record(4, 1, 1, "Lee");
        QVERIFY2(told.size() == 1 && told[0].contains("could not be kept"),
                 qPrintable(told.join(" ")));
        QCOMPARE(whatIsAt(path("hscores.dat")), before);
    }

    void killAtEverySystemCall_data() {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<int>("older"); // the variant that wrote the old file
        QTest::newRow("Hall of Fame") << "halloffame" << 100;
        QTest::newRow("statistics") << "statistics" << 1;
        QTest::newRow("kept game") << "keptgame" << 41;
        QTest::newRow("kept pictures") << "pictures" << 52;
    }

    // strace lists the system calls of the thread that saves, then the child is killed at each
    // of them in turn (strace counts each thread's calls apart).
    void killAtEverySystemCall() {
        QFETCH(QString, writer);
        QFETCH(int, older);
        const int newer = writer == "pictures" ? Pictures.width() : older + 1;
        const QString file = path(FileOf[writer]);
        clean();
        QVERIFY(runChild(writer, older).endsWith("\nexit 0"));
        const QByteArray oldContent = readFile(file);
        const QString log = dir_.filePath("trace");
        QVERIFY2(runChild(writer, newer, {"-o", log}).endsWith("\nexit 0"), "traced save");
        const QByteArray newContent = readFile(file);
        QVERIFY(!oldContent.isEmpty() && !newContent.isEmpty() && oldContent != newContent);

        // The calls of the thread that creates the temporary file, from the moment strace attached
        // (just before the save) to the end of the save. strace kills at a thread's nth call of a
        // name, so a call where another thread made its own nth call of that name first cannot be
        // reached (only a few calls with which a new thread starts).
        const QRegularExpression call(R"(^(\d+) +(\w+)\()");
        QMap<QString, int> seen; // by thread and name
        QSet<QString> reached;   // name and count, by any thread
        QList<std::tuple<QString, QString, int, bool>> inSave;
        QString saver;
        for (const QString& line : QString::fromLatin1(readFile(log)).split('\n')) {
            const QRegularExpressionMatch m = call.match(line);
            if (line.contains(R"(write(2, "end\n")")) {
                break;
            }
            if (m.hasMatch()) {
                const int nth = ++seen[m.captured(1) + " " + m.captured(2)];
                const QString key = m.captured(2) + " " + QString::number(nth);
                inSave.append({m.captured(1), m.captured(2), nth, !reached.contains(key)});
                reached << key;
            }
            saver = saver.isEmpty() && line.contains(".saving-") ? m.captured(1) : saver;
        }
        QVERIFY2(!saver.isEmpty(), "the save made no temporary file");
        QList<std::tuple<QString, int, bool>> calls; // those a kill can reach, and whether
                                                     // they follow the save's last call
        QStringList names;                           // all of the save's, in order
        bool saved = false;
        for (const auto& [thread, name, nth, reachable] : inSave) {
            if (thread == saver) {
                names << name;
                if (reachable) {
                    calls.append({name, nth, saved});
                }
                saved = saved || names.join(' ').endsWith("rename openat fsync close");
            }
        }
        // The content reaches the disk before the rename, the rename before the save returns.
        qInfo("the save's system calls: %s", qPrintable(names.join(' ')));
        QVERIFY(names.join(' ').contains("fchmod write fsync close rename openat fsync close"));

        int keptOld = 0;
        for (const auto& [name, nth, afterSave] : calls) {
            const QString at = QString("%1 #%2").arg(name).arg(nth);
            QVERIFY(writeFile(file, oldContent));
            const QByteArray err =
                runChild(writer, newer,
                         {"-o", "/dev/null", "-e",
                          QString("inject=%1:signal=KILL:when=%2").arg(name).arg(nth)});
            // How often a new thread maps memory or waits on a lock differs from run to run, and a
            // writer thread may end before or after the save returns: such a call, or one of the
            // writer's after its save, may not come before the save ends; every other call must
            // kill.
            const bool touchesNoFile =
                afterSave || QRegularExpression("^(mmap|munmap|mprotect|madvise|futex|exit)$")
                                 .match(name)
                                 .hasMatch();
            QVERIFY2(err.contains("begin\n") && (touchesNoFile || !err.contains("end\n")),
                     qPrintable("not killed at " + at + ": " + err));
            const QByteArray content = nextStart(writer);
            QVERIFY2(content == oldContent || content == newContent, qPrintable(at));
            keptOld += content == oldContent;
            QVERIFY2(entries() == QStringList{FileOf[writer]},
                     qPrintable(at + ": " + entries().join(' ')));
        }
        QVERIFY(keptOld > 0 && keptOld < calls.size());
    }

    void everyKindOfWrongFile_data() {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("told");   // how often the player is told, at start-up and save
        QTest::addColumn<bool>("aside"); // what was there is kept as NAME.damaged
        QTest::addColumn<bool>("saved"); // the save put the new file in its place
        // Losing the kept pictures is harmless (they are decoded again), so it is never told and
        // nothing is kept aside for them. What the game must not or cannot replace (a link to
        // nowhere, a folder it cannot write, a full disk) is left as it was; the kept pictures
        // cannot replace a folder either. The kept game is told twice of a read-only folder: at
        // the start-up that cannot take the game off the disk, and at the save.
        for (const QString kind :
             {"empty", "truncated", "150 MB", "garbage", "FIFO", "folder", "dangling link",
              "unreadable", "read-only folder", "full disk"}) {
            const bool replaced =
                !QStringList{"dangling link", "read-only folder", "full disk"}.contains(kind);
            for (const QString writer : {"statistics", "keptgame", "pictures"}) {
                const bool pictures = writer == "pictures";
                QTest::addRow("%s %s", qPrintable(writer), qPrintable(kind))
                    << writer << kind
                    << (pictures                                             ? 0
                        : writer == "keptgame" && kind == "read-only folder" ? 2
                                                                             : 1)
                    << (replaced && !pictures) << (replaced && !(pictures && kind == "folder"));
            }
        }
    }

    // Each kind of wrong file where a file of the game should be, met at start-up and at the
    // next save: no hang (the alarm ends a hung test), no crash, a file beside it untouched, and
    // what was there either kept aside, left as it was, or replaced by the new file.
    void everyKindOfWrongFile() {
        QFETCH(QString, writer);
        QFETCH(QString, kind);
        QFETCH(int, told);
        QFETCH(bool, aside);
        QFETCH(bool, saved);
        clean();
        const QString file = path(FileOf[writer]);
        QVERIFY(writeFile(path("hscores.dat"), "the Hall of Fame"));
        // A valid file; the pictures at another size, which the save then replaces.
        const int older = writer == "keptgame"   ? 41
                          : writer == "pictures" ? (kind == "150 MB" ? Pictures.width() : 52)
                                                 : 1;
        QVERIFY(runChild(writer, older).endsWith("\nexit 0"));
        const QByteArray valid = readFile(file);
        std::mt19937 random(7);
        QByteArray garbage(4096, 0);
        std::generate(garbage.begin(), garbage.end(), [&] { return char(random()); });
        const QString elsewhere = dir_.filePath("gone/" + FileOf[writer]);
        const bool made =
            kind == "empty"       ? writeFile(file, {})
            : kind == "truncated" ? QFile::resize(file, valid.size() / 2)
            : kind == "150 MB"    ? QFile::resize(file, 150 << 20)
            : kind == "garbage"   ? writeFile(file, garbage)
            : kind == "FIFO"      ? QFile::remove(file) && !mkfifo(qPrintable(file), 0600)
            : kind == "folder"
                ? QFile::remove(file) && QDir().mkpath(file) && writeFile(file + "/inside", "kept")
            : kind == "dangling link" ? QFile::remove(file) && QFile::link(elsewhere, file)
            : kind == "unreadable"    ? QFile::setPermissions(file, {})
            : kind == "read-only folder"
                ? QFile::setPermissions(folder(), QFile::ReadOwner | QFile::ExeOwner)
                : true;
        QVERIFY(made);
        const QString before = whatIsAt(file);

        QStringList toldTexts;
        alarm(60);
        if (kind == "full disk") {
            const QByteArray err =
                runChild(writer, writer == "keptgame" ? 42 : Pictures.width(), {}, {"100"});
            QVERIFY2(err.contains("end\n") && err.contains("\nexit "), err);
            toldTexts = QString::fromLocal8Bit(err).section("end\n", 1).split('\n');
            toldTexts.removeLast(); // how it ended
        } else if (writer == "statistics") {
            Statistics statistics(folder());
            toldTexts << statistics.load();
            connect(&statistics, &Statistics::saveFailed,
                    [&](const QString& t) { toldTexts << t; });
            statistics.hintUsed();
            statistics.hintUsed();
            statistics.flush();
            QCoreApplication::processEvents();
            QCOMPARE(readStatisticsFile(readFile(file)) == statistics.data(), saved);
        } else if (writer == "keptgame") {
            KeptGame kept(folder());
            const KeptGame::Taken taken = kept.take();
            toldTexts << taken.told;
            QVERIFY2(!taken.game || !QFileInfo::exists(file), "a game resumed is still kept");
            SavedGame game = taken.game.value_or(*readSavedGame(valid));
            game.gameSerial = 5;
            toldTexts << kept.keep(game);
            QCOMPARE(readSavedGame(readFile(file)) == game, saved);
        } else {
            CardPictureLoad load(path("images"), Pictures, file);
            QCOMPARE(load.problems(), QStringList());
        }
        alarm(0);
        toldTexts.removeAll(QString());
        QVERIFY(QFile::setPermissions(folder(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        for (const QString& text : toldTexts) {
            QVERIFY2(text.contains(FileOf[writer]), qPrintable(text));
        }
        QVERIFY2(toldTexts.size() == told, qPrintable(toldTexts.join('\n')));
        if (writer == "pictures") {
            const auto cached = readDecodedPictures(readFile(file));
            QCOMPARE(cached && cached->size == Pictures &&
                         QFileInfo(file).size() == decodedPicturesFileSize(Pictures, 55),
                     saved);
        }
        QCOMPARE(readFile(path("hscores.dat")), "the Hall of Fame");
        QCOMPARE(whatIsAt(file + ".damaged"), aside ? before : QString("nothing"));
        if (!saved && !aside) {
            QCOMPARE(whatIsAt(file), before);
        }
        QStringList expected{FileOf[writer], "hscores.dat"};
        if (aside) {
            expected << FileOf[writer] + ".damaged";
        }
        expected.sort();
        QCOMPARE(entries().join(' '), expected.join(' '));
    }
};

QTEST_MAIN(StorageTest)
#include "tst_storage.moc"
