// The Hall of Fame operations against real files in temporary directories: loading, importing,
// inserting, saving safely, clearing, damaged files and the check at the end of a game.
#include "fakes.h"
#include "game.h"
#include "highscores.h"
#include "hscorecodec.h"
#include "printvalues.h"

#include <QtTest>

using namespace corvelle;

namespace {

// 120 for "abc", the other places free.
const QByteArray Fixture120 = QByteArray::fromHex("0200780002000000020000000200000002000000"
                                                  "0800030061626308000000080000000800000008000000");
const QByteArray Cleared = QByteArray::fromHex("0200000002000000020000000200000002000000"
                                               "0800000008000000080000000800000008000000");

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// One game with its fakes and a Hall of Fame in `dir`.
struct Bench {
    explicit Bench(const QString& dir) : scores(game, dir) { setDialogs(&dialogs); }
    ~Bench() { setDialogs(nullptr); }

    void setTable(std::initializer_list<int> values, std::initializer_list<const char*> names) {
        int i = 0;
        for (int v : values) {
            game.state.highScoreValues[i++] = TableValue::int16(static_cast<std::int16_t>(v));
        }
        i = 0;
        for (const char* n : names) {
            game.state.highScoreNames[i++] = TableValue::fromText(n);
        }
    }

    QString table() const {
        QStringList rows;
        for (int i = 0; i < 5; ++i) {
            rows << QString::fromStdString(toText(game.state.highScoreValues[i]) + " " +
                                           toText(game.state.highScoreNames[i]));
        }
        return rows.join(QLatin1Char(','));
    }

    // A game in progress that has just ended, as the save must abandon it.
    void endGame(int score) {
        game.state.score = score;
        game.state.gameOver = true;
        display.panelVisible = true;
    }

    bool newGameDealt() const {
        return !game.state.gameOver && !display.panelVisible && game.state.score == 0 &&
               game.state.tableCardsLeft == TableSlots;
    }

    RecordingDisplay display;
    SteppingRandom random;
    Game game{display, random};
    ScriptedDialogs dialogs;
    HighScores scores;
};

} // namespace

class TestHighScores : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString startDir_ = QDir::currentPath();

private slots:
    void init() {
        QDir(dir_.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dir_.path()));
    }

    void cleanup() { QDir::setCurrent(startDir_); }

    void firstStartLeavesFreePlacesAndWritesNothing() {
        Bench b(dir_.path());
        b.scores.loadHighScores();
        QCOMPARE(b.table(), QString("0 ,0 ,0 ,0 ,0 "));
        QCOMPARE(b.game.state.highScoreValues[4], TableValue::int16(0));
        QCOMPARE(b.game.state.highScoreNames[4], TableValue::fromText({}));
        QCOMPARE(b.display.highest, std::string("0"));
        QVERIFY(QDir(dir_.path()).isEmpty());
        QVERIFY(b.dialogs.messages.isEmpty());
    }

    void findsItsFilesFromAnotherWorkingDirectory() {
        QTemporaryDir elsewhere;
        writeAll(elsewhere.filePath("hscores.dat"), Cleared);
        writeAll(elsewhere.filePath("scores.dat"), "999,0,0,0,0,\"decoy\",\"\",\"\",\"\",\"\"");
        writeAll(path("hscores.dat"), Fixture120);
        QVERIFY(QDir::setCurrent(elsewhere.path()));

        Bench b(dir_.path());
        b.scores.loadHighScores();
        QCOMPARE(b.table(), QString("120 abc,0 ,0 ,0 ,0 "));
        QCOMPARE(b.display.highest, std::string("120"));

        b.scores.clearHighScores();
        QCOMPARE(readAll(path("hscores.dat")), Cleared);
        QCOMPARE(readAll(elsewhere.filePath("hscores.dat")), Cleared);
        QVERIFY(QFile::exists(elsewhere.filePath("scores.dat")));
        QVERIFY(b.dialogs.messages.isEmpty());
    }

    void directoryIsTheExecutablesWhenWritable() {
        QCOMPARE(highScoreDirectory(), QCoreApplication::applicationDirPath());
        QCOMPARE(chooseHighScoreDirectory(dir_.path(), path("data")), dir_.path());
        QVERIFY(!QFileInfo::exists(path("data")));
    }

    void directoryFallsBackToUserData() {
        // Tests run as root, where permissions stop no write: a path below a regular file can
        // be neither written nor created, as an installed read-only directory.
        writeAll(path("plainfile"), "x");
        const QString data = path("user/data/Corvelle");
        QCOMPARE(chooseHighScoreDirectory(path("plainfile/bin"), data), data);
        QVERIFY(QFileInfo(data).isDir());
    }

    void importTakesOverScoresDat() {
        writeAll(path("scores.dat"),
                 "900,450,120,0,0\r\n\"Ann\",\"Bob, Jr.\",\"Cy\",\"\",\"\"\r\n");
        const QByteArray tail = "OLD-TAIL-BYTES-0123456789-OLD-TAIL-BYTES";
        writeAll(path("hscores.dat"), Cleared + tail);

        Bench b(dir_.path());
        b.endGame(55);
        b.scores.loadHighScores();
        QCOMPARE(b.table(), QString("900 Ann,450 Bob, Jr.,120 Cy,0 ,0 "));
        QCOMPARE(b.display.highest, std::string("900"));
        QVERIFY(b.newGameDealt());
        QVERIFY(!QFile::exists(path("scores.dat")));

        const auto records =
            writeHighScoreFile(b.game.state.highScoreValues, b.game.state.highScoreNames);
        const QByteArray expected(reinterpret_cast<const char*>(records.data()),
                                  qsizetype(records.size()));
        const QByteArray old = Cleared + tail;
        QCOMPARE(readAll(path("hscores.dat")), expected + old.mid(expected.size()));

        Bench again(dir_.path());
        again.scores.loadHighScores();
        QCOMPARE(again.table(), b.table());
        QVERIFY(again.dialogs.messages.isEmpty());
    }

    void importKeepsScoresDatWhenTheSaveFails() {
        writeAll(path("scores.dat"), "700,0,0,0,0,\"Di\",\"\",\"\",\"\",\"\"");
        QVERIFY(QDir(dir_.path()).mkdir("hscores.dat")); // nothing can be written over it

        Bench b(dir_.path());
        b.scores.loadHighScores();
        QCOMPARE(b.table(), QString("700 Di,0 ,0 ,0 ,0 "));
        QVERIFY(QFile::exists(path("scores.dat")));
        QCOMPARE(b.dialogs.messages.size(), 1);
        QVERIFY(b.dialogs.messages[0].contains(path("hscores.dat")));
    }

    void shortScoresDatLeavesTheRestEmpty() {
        writeAll(path("scores.dat"), "300,200\n");
        Bench b(dir_.path());
        b.scores.loadHighScores();
        QCOMPARE(b.game.state.highScoreValues[1], TableValue::int16(200));
        QCOMPARE(b.game.state.highScoreValues[2], TableValue{});
        QCOMPARE(b.game.state.highScoreNames[0], TableValue{});
        QVERIFY(!QFile::exists(path("scores.dat")));
        // Entries that were never set are written as empty values.
        QCOMPARE(readAll(path("hscores.dat")).toHex(),
                 QByteArray("02002c010200c800") + QByteArray(32, '0'));
    }

    void insertAtEachPosition_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("table");
        QTest::newRow("0") << 0 << "350 new,500 a,400 b,300 c,200 d";
        QTest::newRow("1") << 1 << "500 a,350 new,400 b,300 c,200 d";
        QTest::newRow("2") << 2 << "500 a,400 b,350 new,300 c,200 d";
        QTest::newRow("3") << 3 << "500 a,400 b,300 c,350 new,200 d";
        QTest::newRow("4") << 4 << "500 a,400 b,300 c,200 d,350 new";
    }

    void insertAtEachPosition() {
        QFETCH(int, position);
        QFETCH(QString, table);
        Bench b(dir_.path());
        b.setTable({500, 400, 300, 200, 100}, {"a", "b", "c", "d", "e"});
        b.game.state.score = 350;
        b.scores.setEnteredName("new");
        b.scores.insertHighScore(position);
        QCOMPARE(b.table(), table);
        QVERIFY(b.dialogs.messages.isEmpty());
    }

    void insertAtABadPositionChangesNothing_data() {
        QTest::addColumn<int>("position");
        QTest::newRow("-1") << -1;
        QTest::newRow("5") << 5;
        QTest::newRow("large") << 1000;
    }

    void insertAtABadPositionChangesNothing() {
        QFETCH(int, position);
        Bench b(dir_.path());
        b.setTable({500, 400, 300, 200, 100}, {"a", "b", "c", "d", "e"});
        b.game.state.score = 350;
        b.scores.insertHighScore(position);
        QCOMPARE(b.table(), QString("500 a,400 b,300 c,200 d,100 e"));
        QCOMPARE(b.dialogs.messages,
                 QStringList{"An error has occured in the highscore rearanging routine, please "
                             "inform me via email if you have gotten this error!"});
    }

    void wideScoreRoundTrip() {
        Bench b(dir_.path());
        b.scores.loadHighScores();
        b.game.state.score = 40000;
        b.game.state.scoreWide = true;
        b.scores.setEnteredName("Ann");
        b.scores.insertHighScore(0);
        b.game.state.score = 100; // back below 32768 after undos, the game stays wide
        b.scores.insertHighScore(1);
        b.scores.saveHighScores(1);
        QCOMPARE(readAll(path("hscores.dat")).left(12).toHex(),
                 QByteArray("0300409c0000030064000000"));

        Bench again(dir_.path());
        again.scores.loadHighScores();
        QCOMPARE(again.game.state.highScoreValues[0], TableValue::int32(40000));
        QCOMPARE(again.game.state.highScoreValues[1], TableValue::int32(100));
        QCOMPARE(again.display.highest, std::string("40000"));
    }

    void saveFinishesWithLabelPanelAndNewGame() {
        Bench b(dir_.path());
        b.setTable({120, 0, 0, 0, 0}, {"abc", "", "", "", ""});
        b.endGame(777);
        b.scores.saveHighScores(1);
        QCOMPARE(readAll(path("hscores.dat")), Fixture120);
        QCOMPARE(b.display.highest, std::string("120"));
        QVERIFY(b.newGameDealt());
    }

    void keepTwoLeavesTheTailOfALongerFile() {
        const QByteArray old = Cleared + QByteArray(30, 'T') + "END";
        writeAll(path("hscores.dat"), old);
        Bench b(dir_.path());
        b.setTable({120, 0, 0, 0, 0}, {"abc", "", "", "", ""});
        b.scores.saveHighScores(2);
        QCOMPARE(readAll(path("hscores.dat")), Fixture120 + old.mid(Fixture120.size()));

        Bench again(dir_.path());
        again.scores.loadHighScores();
        QCOMPARE(again.table(), QString("120 abc,0 ,0 ,0 ,0 "));
        QVERIFY(again.dialogs.messages.isEmpty());

        again.scores.saveHighScores(1);
        QCOMPARE(readAll(path("hscores.dat")), Fixture120);
    }

    void failedSaveIsReportedAndTheGameGoesOn() {
        writeAll(path("plainfile"), "x");
        const QString unwritable = path("plainfile/corvelle");
        Bench b(unwritable);
        b.setTable({120, 0, 0, 0, 0}, {"abc", "", "", "", ""});
        b.endGame(300);
        b.scores.setEnteredName("Ann");
        b.scores.insertHighScore(0);
        b.scores.saveHighScores(1);
        QCOMPARE(b.dialogs.messages.size(), 1);
        QVERIFY(b.dialogs.messages[0].contains(unwritable + "/hscores.dat"));
        QCOMPARE(b.table(), QString("300 Ann,120 abc,0 ,0 ,0 "));
        QCOMPARE(b.display.highest, std::string("300"));
        QVERIFY(b.newGameDealt());
    }

    void interruptedSaveLeavesTheOldFileIntact() {
        writeAll(path("hscores.dat"), Fixture120);
        Bench b(dir_.path());
        b.scores.loadHighScores();
        b.endGame(500);
        b.scores.setEnteredName("Ann");
        b.scores.insertHighScore(0);
        b.scores.interruptNextSave();
        b.scores.saveHighScores(1);
        QCOMPARE(readAll(path("hscores.dat")), Fixture120);
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), QStringList{"hscores.dat"});
        QCOMPARE(b.dialogs.messages.size(), 1);
        QCOMPARE(b.table(), QString("500 Ann,120 abc,0 ,0 ,0 "));
        QVERIFY(b.newGameDealt());

        b.scores.saveHighScores(1);
        Bench again(dir_.path());
        again.scores.loadHighScores();
        QCOMPARE(again.table(), QString("500 Ann,120 abc,0 ,0 ,0 "));
    }

    void clearWritesTheFreshTable() {
        writeAll(path("hscores.dat"), Fixture120 + "tail");
        Bench b(dir_.path());
        b.scores.loadHighScores();
        b.endGame(40);
        b.scores.clearHighScores();
        QCOMPARE(readAll(path("hscores.dat")), Cleared);
        QCOMPARE(b.display.highest, std::string("0"));
        QVERIFY(b.newGameDealt());
    }

    void damagedFileKeepsWhatCanBeRead_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("table");
        QTest::newRow("empty") << QByteArray() << "0 ,0 ,0 ,0 ,0 ";
        QTest::newRow("short") << Fixture120.left(25) << "120 ,0 ,0 ,0 ,0 ";
        QTest::newRow("unknown tag")
            << QByteArray::fromHex("020078000200640009000000") << "120 ,100 ,0 ,0 ,0 ";
        QTest::newRow("length beyond the end")
            << Fixture120.left(20) + QByteArray::fromHex("0800030061626308002000") + "xyz"
            << "120 abc,0 ,0 ,0 ,0 ";
        QTest::newRow("float not finite")
            << QByteArray::fromHex("04000000c07f") + Fixture120.mid(4) << "0 abc,0 ,0 ,0 ,0 ";
    }

    void damagedFileKeepsWhatCanBeRead() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, table);
        writeAll(path("hscores.dat"), bytes);
        Bench b(dir_.path());
        b.scores.loadHighScores();
        QCOMPARE(b.table(), table);
        QCOMPARE(b.dialogs.messages.size(), 1);
        QVERIFY(b.dialogs.messages[0].contains("hscores.dat.damaged"));

        b.scores.clearHighScores();
        QCOMPARE(readAll(path("hscores.dat.damaged")), bytes);
        QCOMPARE(readAll(path("hscores.dat")), Cleared);
        b.scores.saveHighScores(1);
        QCOMPARE(b.dialogs.messages.size(), 1);
        QVERIFY(!QFile::exists(path("hscores.dat.damaged.2")));
    }

    void olderDamagedCopyIsNeverReplaced() {
        writeAll(path("hscores.dat.damaged"), "first");
        writeAll(path("hscores.dat"), "second");
        Bench b(dir_.path());
        b.scores.loadHighScores();
        b.scores.clearHighScores();
        QCOMPARE(readAll(path("hscores.dat.damaged")), QByteArray("first"));
        QCOMPARE(readAll(path("hscores.dat.damaged.2")), QByteArray("second"));
    }

    void unreadableFileIsNotOverwritten() {
        QVERIFY(QDir(dir_.path()).mkpath("hscores.dat/inside"));
        Bench b(dir_.path());
        b.scores.loadHighScores();
        QCOMPARE(b.table(), QString("0 ,0 ,0 ,0 ,0 "));
        QCOMPARE(b.dialogs.messages.size(), 1);
        b.scores.clearHighScores();
        QVERIFY(QFileInfo(path("hscores.dat/inside")).isDir());
        QCOMPARE(b.dialogs.messages.size(), 2);
    }

    void checkAsksForTheName_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("wildCardsPlayed");
        QTest::addColumn<QString>("table");

        QTest::newRow("answered at the top")
            << 600 << "Zoe" << 0 << "600 Zoe,500 a,400 b,300 c,200 d";
        QTest::newRow("taken as typed")
            << 450 << "  Al  " << 0 << "500 a,450   Al  ,400 b,300 c,200 d";
        QTest::newRow("cancelled") << 350 << "" << 0 << "500 a,400 b,350 ,300 c,200 d";
        QTest::newRow("equal score goes below")
            << 300 << "Eq" << 0 << "500 a,400 b,300 c,300 Eq,200 d";
        QTest::newRow("wild cards played")
            << 150 << "Wu" << 2 << "500 a,400 b,300 c,200 d,150 Wu *";
        QTest::newRow("cancelled with wild cards")
            << 101 << "" << 1 << "500 a,400 b,300 c,200 d,101  *";
        QTest::newRow("non-Latin name")
            << 900 << QString::fromUtf8("J\xC3\xBCrgen \xE2\x98\x83") << 0
            << QString::fromUtf8("900 J\xC3\xBCrgen \xE2\x98\x83,500 a,400 b,"
                                 "300 c,200 d");
    }

    void checkAsksForTheName() {
        QFETCH(int, score);
        QFETCH(QString, answer);
        QFETCH(int, wildCardsPlayed);
        QFETCH(QString, table);

        Bench b(dir_.path());
        b.setTable({500, 400, 300, 200, 100}, {"a", "b", "c", "d", "e"});
        b.endGame(score);
        b.game.state.cheat.wildCardsPlayed = wildCardsPlayed;
        b.dialogs.answer = answer;
        b.dialogs.whileAsking = [&b] { QVERIFY(b.display.panelVisible); };
        bool windowShown = false;
        b.scores.setShowHallOfFame([&] {
            windowShown = true;
            QVERIFY(b.newGameDealt());
        });

        b.scores.checkHighScore();
        QCOMPARE(b.dialogs.asked, QStringList{"Please enter your name for the High Scores Hall of "
                                              "Fame.|High Scores: Hall of Fame"});
        QCOMPARE(b.table(), table);
        QVERIFY(windowShown);
        QVERIFY(b.newGameDealt());

        Bench again(dir_.path());
        again.scores.loadHighScores();
        // Characters Windows-1252 lacks are stored as "?".
        QCOMPARE(again.table(), table.replace(QChar(0x2603), QLatin1Char('?')));
    }

    void checkIgnoresAScoreThatDoesNotQualify_data() {
        QTest::addColumn<int>("score");
        QTest::newRow("equal to the fifth") << 100;
        QTest::newRow("below the fifth") << 99;
        QTest::newRow("zero") << 0;
    }

    void checkIgnoresAScoreThatDoesNotQualify() {
        QFETCH(int, score);
        Bench b(dir_.path());
        b.setTable({500, 400, 300, 200, 100}, {"a", "b", "c", "d", "e"});
        b.endGame(score);
        bool windowShown = false;
        b.scores.setShowHallOfFame([&] { windowShown = true; });
        b.scores.checkHighScore();
        QVERIFY(b.dialogs.asked.isEmpty());
        QVERIFY(!windowShown);
        QVERIFY(b.game.state.gameOver);
        QVERIFY(b.display.panelVisible);
        QVERIFY(!QFile::exists(path("hscores.dat")));
    }

    void checkWithoutPopupSavesButShowsNoWindow() {
        Bench b(dir_.path());
        b.scores.loadHighScores();
        b.game.state.options.showHighScoresPopup = false;
        b.endGame(5);
        b.dialogs.answer = "Pat";
        bool windowShown = false;
        b.scores.setShowHallOfFame([&] { windowShown = true; });
        b.scores.checkHighScore();
        QVERIFY(!windowShown);
        QCOMPARE(readAll(path("hscores.dat")).mid(20, 11).toHex(),
                 QByteArray("0800030050617408000000"));
    }

    void rowsEmptyTheNamesOfZeroScores() {
        Bench b(dir_.path());
        b.setTable({500, 0, 0, 0, 0}, {"a", "ghost", "", "", ""});
        b.game.state.highScoreValues[2] = TableValue{};
        b.game.state.highScoreNames[2] = TableValue::fromText("empty");
        b.game.state.highScoreValues[3] = TableValue::fromText("Bob");
        b.game.state.highScoreNames[3] = TableValue::fromText("kept");
        const auto rows = b.scores.prepareRows();
        QCOMPARE(rows[0].score, QString("500"));
        QCOMPARE(rows[0].name, QString("a"));
        QCOMPARE(rows[1].name, QString());
        QCOMPARE(rows[2].score, QString());
        QCOMPARE(rows[2].name, QString());
        QCOMPARE(rows[3].name, QString("kept"));
        QCOMPARE(b.game.state.highScoreNames[1], TableValue::fromText({}));
    }
};

QTEST_GUILESS_MAIN(TestHighScores)
#include "tst_highscores.moc"
