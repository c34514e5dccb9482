// The Hall of Fame against real files in temporary directories: loading, importing, inserting,
// saving safely, clearing, damaged files, the check at the end of a game, and the window with
// its rows and layout, its buttons, and its life after the main window is gone.
#include "../engine/testsupport.h"
#include "dialogs.h"
#include "game.h"
#include "halloffamewindow.h"
#include "highscores.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using namespace corvelle;
using V = TableValue;

namespace {

// 120 for "abc", the other places free; a cleared table.
const QByteArray Fixture120 = QByteArray::fromHex("0200780002000000020000000200000002000000"
                                                  "0800030061626308000000080000000800000008000000");
const QByteArray Cleared = QByteArray::fromHex("0200000002000000020000000200000002000000"
                                               "0800000008000000080000000800000008000000");
const QString Free = "0 ,0 ,0 ,0 ,0 ";
const QString Five = "500 a,400 b,300 c,200 d,100 e";

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

// Answers the name request with a scripted text and records every question and message.
class ScriptedDialogs final : public Dialogs {
public:
    void message(const QString& text) override { messages << text; }
    QString askText(const QString& prompt, const QString& title) override {
        asked << prompt + QLatin1Char('|') + title;
        if (whileAsking) {
            whileAsking();
        }
        return answer;
    }
    QString answer;
    QStringList asked, messages;
    std::function<void()> whileAsking;
};

// One game with its fakes and a Hall of Fame in `dir`; `load` reads it at once.
struct Bench {
    explicit Bench(const QString& dir, bool load = false) : scores(game, dir) {
        setDialogs(&dialogs);
        display.highestText = "unset";
        if (load) {
            scores.loadHighScores();
        }
    }
    ~Bench() { setDialogs(nullptr); }

    // The given places, or 500 a, 400 b, .., 100 e.
    void setTable(std::array<V, 5> values = {V::int16(500), V::int16(400), V::int16(300),
                                             V::int16(200), V::int16(100)},
                  std::array<const char*, 5> names = {"a", "b", "c", "d", "e"}) {
        game.state.highScoreValues = values;
        for (int i = 0; i < 5; ++i) {
            game.state.highScoreNames[i] = V::fromText(names[i]);
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

    // A game that has just ended, whose score is entered as `name` at `place`.
    void endGame(int score, const char* name = nullptr, int place = 0) {
        game.state.score = score;
        game.state.gameOver = true;
        display.panelVisible = true;
        if (name) {
            scores.setEnteredName(name);
            scores.insertHighScore(place);
        }
    }

    bool newGameDealt() const {
        return !game.state.gameOver && !display.panelVisible && game.state.score == 0 &&
               game.state.tableCardsLeft == TableSlots;
    }

    test::FakeDisplay display;
    test::ScriptedRandom random{{test::makeDeck({})}};
    Game game{display, random};
    ScriptedDialogs dialogs;
    HighScores scores;
};

template <typename T> T* control(QWidget* window, const QString& name, int index = -1) {
    for (T* child : window->findChildren<T*>(name)) {
        if (index < 0 || child->property("index").toInt() == index) {
            return child;
        }
    }
    return nullptr;
}

QString rows(HallOfFameWindow* w) {
    QStringList out;
    for (int i = 0; i < 5; ++i) {
        out << control<QLabel>(w, "Label7", i)->text() + " " +
                   control<QLineEdit>(w, "Text1", i)->text();
    }
    return out.join(QLatin1Char(','));
}

void waitUntilClosed() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

class TestHallOfFame : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString startDir_ = QDir::currentPath();
    QPointer<QWidget> main_;

    // The window over a game just ended, with a score, a text that never counts below one,
    // zeros with and without a name, and an empty place.
    HallOfFameWindow* show(Bench& b, const V& best = V::int16(900)) {
        b.setTable({best, V::fromText("Ace"), V::int16(0), V::int16(0), V{}},
                   {"Ann", "<b>Bob</b>", "ghost", "", "gone"});
        b.endGame(0);
        return HallOfFameWindow::showFor(main_, &b.scores);
    }

private slots:
    void init() {
        QDir(dir_.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dir_.path()));
        main_ = new QWidget;
        main_->setAttribute(Qt::WA_DeleteOnClose);
        main_->show();
    }

    void cleanup() {
        QDir::setCurrent(startDir_);
        if (HallOfFameWindow::instance()) {
            HallOfFameWindow::instance()->close();
        }
        delete main_;
        waitUntilClosed();
        QVERIFY(!HallOfFameWindow::instance());
        HallOfFameWindow::setMainWindowFactory(nullptr);
    }

    void findsItsFilesFromAnotherWorkingDirectory() {
        Bench first(dir_.path(), true); // a first start leaves free places and writes nothing
        QCOMPARE(first.table() + QString::fromStdString(first.display.highestText), Free + "0");
        QVERIFY(QDir(dir_.path()).isEmpty() && first.dialogs.messages.isEmpty());
        QTemporaryDir elsewhere;
        writeAll(elsewhere.filePath("hscores.dat"), Cleared);
        writeAll(elsewhere.filePath("scores.dat"), "999,0,0,0,0,\"decoy\",\"\",\"\",\"\",\"\"");
        writeAll(path("hscores.dat"), Fixture120);
        QVERIFY(QDir::setCurrent(elsewhere.path()));

        Bench b(dir_.path(), true);
        QCOMPARE(b.table(), "120 abc,0 ,0 ,0 ,0 ");
        QCOMPARE(b.display.highestText, std::string("120"));
        b.scores.clearHighScores();
        QCOMPARE(readAll(path("hscores.dat")), Cleared);
        QCOMPARE(readAll(elsewhere.filePath("hscores.dat")), Cleared);
        QVERIFY(QFile::exists(elsewhere.filePath("scores.dat")) && b.dialogs.messages.isEmpty());
    }

    void directoryIsTheExecutablesUnlessUnwritable() {
        QCOMPARE(highScoreDirectory(), QCoreApplication::applicationDirPath());
        QCOMPARE(chooseHighScoreDirectory(dir_.path(), path("data")), dir_.path());
        QVERIFY(!QFileInfo::exists(path("data")));
        // Tests run as root, where permissions stop no write: a path below a regular file can
        // be neither written nor created, as an installed read-only directory.
        writeAll(path("plainfile"), "x");
        QCOMPARE(chooseHighScoreDirectory(path("plainfile/bin"), path("data")), path("data"));
        QVERIFY(QFileInfo(path("data")).isDir());
    }

    void importTakesOverScoresDat() {
        writeAll(path("scores.dat"),
                 "900,450,120,0,0\r\n\"Ann\",\"Bob, Jr.\",\"Cy\",\"\",\"\"\r\n");
        const QByteArray old = Cleared + "OLD-TAIL-BYTES-0123456789-OLD-TAIL-BYTES";
        writeAll(path("hscores.dat"), old);
        Bench b(dir_.path());
        b.endGame(55);
        b.scores.loadHighScores();
        QCOMPARE(b.table(), "900 Ann,450 Bob, Jr.,120 Cy,0 ,0 ");
        QCOMPARE(b.display.highestText, std::string("900"));
        QVERIFY(b.newGameDealt() && !QFile::exists(path("scores.dat")));
        // Saved with keep 2: the 53 bytes of the new records, then the longer old file's tail.
        QCOMPARE(readAll(path("hscores.dat")).mid(53), old.mid(53));

        Bench again(dir_.path(), true);
        QCOMPARE(again.table(), b.table());
        QVERIFY(again.dialogs.messages.isEmpty());
        again.scores.saveHighScores(1);
        QCOMPARE(readAll(path("hscores.dat")).size(), 53);
    }

    void shortImportIsKeptWhenTheSaveFails() {
        writeAll(path("scores.dat"), "700,5\n");
        QVERIFY(QDir(dir_.path()).mkdir("hscores.dat")); // nothing can be written over it
        Bench b(dir_.path(), true);
        QCOMPARE(b.table(), "700 ,5 , , , "); // missing fields stay empty, not 0
        QVERIFY(QFile::exists(path("scores.dat")));
        QCOMPARE(b.dialogs.messages.size(), 1);
        QVERIFY(b.dialogs.messages[0].contains(path("hscores.dat")));
    }

    void insertAtEachPosition_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("table");
        QTest::newRow("0") << 0 << "350 new,500 a,400 b,300 c,200 d";
        QTest::newRow("1") << 1 << "500 a,350 new,400 b,300 c,200 d";
        QTest::newRow("2") << 2 << "500 a,400 b,350 new,300 c,200 d";
        QTest::newRow("3") << 3 << "500 a,400 b,300 c,350 new,200 d";
        QTest::newRow("4") << 4 << "500 a,400 b,300 c,200 d,350 new";
        QTest::newRow("bad: -1") << -1 << Five;
        QTest::newRow("bad: 5") << 5 << Five;
    }

    void insertAtEachPosition() {
        QFETCH(int, position);
        QFETCH(QString, table);
        Bench b(dir_.path());
        b.setTable();
        b.endGame(350, "new", position);
        QCOMPARE(b.table(), table);
        QCOMPARE(b.dialogs.messages,
                 table != Five
                     ? QStringList()
                     : QStringList{"An error has occured in the highscore rearanging routine, "
                                   "please inform me via email if you have gotten this error!"});
    }

    void wideScoreRoundTrip() {
        Bench b(dir_.path(), true);
        b.game.state.scoreWide = true;
        b.endGame(40000, "Ann", 0);
        b.endGame(100, "Ann", 1); // back below 32768 after undos, the game stays wide
        b.scores.saveHighScores(1);
        // The places left free are written as the 16-bit zeros of a fresh table.
        QCOMPARE(readAll(path("hscores.dat")).toHex(),
                 QByteArray("0300409c0000030064000000020000000200000002000000"
                            "08000300416e6e08000300416e6e080000000800000008000000"));
        Bench again(dir_.path(), true);
        QCOMPARE(again.game.state.highScoreValues[1], V::int32(100));
        QCOMPARE(again.display.highestText, std::string("40000"));
    }

    void failedSaveIsReportedAndTheGameGoesOn_data() {
        QTest::addColumn<bool>("crash"); // else the directory cannot be written
        QTest::newRow("read-only directory") << false;
        QTest::newRow("crash between writing and renaming") << true;
    }

    void failedSaveIsReportedAndTheGameGoesOn() {
        QFETCH(bool, crash);
        writeAll(path(crash ? "hscores.dat" : "plainfile"), Fixture120);
        const QString dir = crash ? dir_.path() : path("plainfile/corvelle");
        Bench b(dir, true);
        b.dialogs.messages.clear();
        b.endGame(500, "Ann");
        if (crash) {
            b.scores.interruptNextSave();
        }
        b.scores.saveHighScores(1);
        QCOMPARE(b.dialogs.messages.size(), 1);
        QVERIFY(b.dialogs.messages[0].contains(dir + "/hscores.dat"));
        QVERIFY(b.table().startsWith("500 Ann,")); // kept in memory
        QCOMPARE(b.display.highestText, std::string("500"));
        QVERIFY(b.newGameDealt());
        QCOMPARE(readAll(path("hscores.dat")), crash ? Fixture120 : QByteArray("<missing>"));
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files).size(), 1);
        b.scores.saveHighScores(1);
        QCOMPARE(Bench(dir, true).table(), crash ? "500 Ann,120 abc,0 ,0 ,0 " : Free);
    }

    void damagedFileIsCopiedOnceBeforeItIsReplaced_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("table");
        QTest::newRow("short") << Fixture120.left(25) << "120 ,0 ,0 ,0 ,0 ";
        QTest::newRow("float not finite")
            << QByteArray::fromHex("04000000c07f") + Fixture120.mid(4) << "0 abc,0 ,0 ,0 ,0 ";
    }

    void damagedFileIsCopiedOnceBeforeItIsReplaced() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, table);
        writeAll(path("hscores.dat"), bytes);
        Bench b(dir_.path(), true);
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
        Bench(dir_.path(), true).scores.clearHighScores();
        QCOMPARE(readAll(path("hscores.dat.damaged")), QByteArray("first"));
        QCOMPARE(readAll(path("hscores.dat.damaged.2")), QByteArray("second"));
    }

    void unreadableFileIsNotOverwritten() {
        QVERIFY(QDir(dir_.path()).mkpath("hscores.dat/inside"));
        Bench b(dir_.path(), true);
        QCOMPARE(b.table(), Free);
        QCOMPARE(b.dialogs.messages.size(), 1);
        b.scores.clearHighScores();
        QVERIFY(QFileInfo(path("hscores.dat/inside")).isDir());
        QCOMPARE(b.dialogs.messages.size(), 2);
    }

    void checkAsksForTheName_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("wildCardsPlayed");
        QTest::addColumn<bool>("popup");
        QTest::addColumn<QString>("table"); // empty: the score does not qualify
        const auto row = [](const char* name, int score, const char* answer, int wild, bool popup,
                            const char* table) {
            QTest::newRow(name) << score << QString::fromUtf8(answer) << wild << popup
                                << QString::fromUtf8(table);
        };
        row("answered at the top", 600, "Zoe", 0, true, "600 Zoe,500 a,400 b,300 c,200 d");
        row("taken as typed", 450, "  Al  ", 0, true, "500 a,450   Al  ,400 b,300 c,200 d");
        row("cancelled", 350, "", 0, true, "500 a,400 b,350 ,300 c,200 d");
        row("equal score goes below", 300, "Eq", 0, true, "500 a,400 b,300 c,300 Eq,200 d");
        row("wild cards played", 150, "Wu", 2, true, "500 a,400 b,300 c,200 d,150 Wu *");
        row("cancelled with wild cards", 101, "", 1, true, "500 a,400 b,300 c,200 d,101  *");
        row("non-Latin name", 900, "J\xC3\xBCrgen \xE2\x98\x83", 0, true,
            "900 J\xC3\xBCrgen \xE2\x98\x83,500 a,400 b,300 c,200 d");
        row("no popup", 250, "Pat", 0, false, "500 a,400 b,300 c,250 Pat,200 d");
        row("equal to the fifth", 100, "X", 0, true, "");
        row("zero", 0, "X", 0, true, "");
    }

    void checkAsksForTheName() {
        QFETCH(int, score);
        QFETCH(QString, answer);
        QFETCH(int, wildCardsPlayed);
        QFETCH(bool, popup);
        QFETCH(QString, table);
        Bench b(dir_.path());
        b.setTable();
        b.endGame(score);
        b.game.state.cheat.wildCardsPlayed = wildCardsPlayed;
        b.game.state.options.showHighScoresPopup = popup;
        b.dialogs.answer = answer;
        b.dialogs.whileAsking = [&b] { QVERIFY(b.display.panelVisible); };
        bool windowShown = false;
        b.scores.setShowHallOfFame([&] {
            windowShown = true;
            QVERIFY(b.newGameDealt());
        });
        b.scores.checkHighScore();
        if (table.isEmpty()) {
            QVERIFY(b.dialogs.asked.isEmpty() && !windowShown);
            QVERIFY(b.game.state.gameOver && b.display.panelVisible);
            QCOMPARE(b.table(), Five);
            QVERIFY(!QFile::exists(path("hscores.dat")));
            return;
        }
        QCOMPARE(b.dialogs.asked, QStringList{"Please enter your name for the High Scores Hall of "
                                              "Fame.|High Scores: Hall of Fame"});
        QCOMPARE(b.table(), table);
        QCOMPARE(windowShown, popup);
        QVERIFY(b.newGameDealt());
        // Characters Windows-1252 lacks are stored as "?".
        QCOMPARE(Bench(dir_.path(), true).table(), table.replace(QChar(0x2603), QLatin1Char('?')));
    }

    void windowShowsTheRowsInTheFixedForm() {
        Bench b(dir_.path());
        HallOfFameWindow* w = show(b);
        QCOMPARE(rows(w), "900 Ann,Ace <b>Bob</b>,0 ,0 , ");
        // The name beside a score of 0 is emptied in the table itself.
        QCOMPARE(b.game.state.highScoreNames[2], V::fromText({}));
        QVERIFY(w->isVisible() && main_->isVisible());
        QCOMPARE(w->centralWidget()->size(), QSize(279, 328));
        QCOMPARE(w->centralWidget()->y(), w->menuBar()->height());
        QCOMPARE(w->centralWidget()->palette().color(QPalette::Window), QColor(0, 128, 0));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        auto* menu = w->findChild<QMenu*>("mnuScores");
        QVERIFY(menu);
        QCOMPARE(menu->title() + "|" + menu->actions().value(0)->text(),
                 QString("Scores|Clear High Scores"));
        QCOMPARE(menu->actions().size(), 1);
    }

    void layoutMatchesTheForm_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("text");
        QTest::newRow("title") << "Label1" << -1 << QRect(64, 32, 149, 29) << "Hall of Fame";
        QTest::newRow("rank 1") << "Label2" << -1 << QRect(32, 100, 11, 20) << "1";
        QTest::newRow("rank 5") << "Label6" << -1 << QRect(32, 212, 11, 20) << "5";
        QTest::newRow("score 0") << "Label7" << 0 << QRect(64, 100, 78, 20) << "900";
        QTest::newRow("score 3") << "Label7" << 3 << QRect(64, 184, 78, 20) << "0";
        QTest::newRow("name 1") << "Text1" << 1 << QRect(136, 128, 117, 21) << "<b>Bob</b>";
        QTest::newRow("name 4") << "Text1" << 4 << QRect(136, 212, 117, 21) << "";
        QTest::newRow("back") << "Command1" << -1 << QRect(8, 272, 129, 25) << "Back to Corvelle";
        QTest::newRow("exit") << "Command2" << -1 << QRect(144, 272, 129, 25) << "Exit Corvelle";
    }

    void layoutMatchesTheForm() {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QRect, rect);
        QFETCH(QString, text);
        Bench b(dir_.path());
        QWidget* c = control<QWidget>(show(b), name, index);
        QVERIFY(c);
        QCOMPARE(c->geometry(), rect);
        QCOMPARE(c->property("text").toString(), text);
        if (auto* label = qobject_cast<QLabel*>(c)) {
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QCOMPARE(label->font().family(), QString("DejaVu Sans"));
            QVERIFY(label->font().bold());
            // Never cut off: the title gives way where the shipped font is wider.
            QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
            const int points = label->font().pointSize();
            QVERIFY(name == "Label1" ? points >= 14 && points <= 18 : points == 12);
        }
    }

    void longScoreIsNeverCutOff() {
        Bench b(dir_.path());
        HallOfFameWindow* w = show(b, V::int32(2147483647));
        QLabel* score = control<QLabel>(w, "Label7", 0);
        QCOMPARE(score->text(), QString("2147483647"));
        QVERIFY(score->fontMetrics().horizontalAdvance(score->text()) <= score->width());
        QCOMPARE(control<QLabel>(w, "Label7", 1)->font().pointSize(), 12);
    }

    void openingAgainBringsItForwardWithoutRefilling() {
        Bench b(dir_.path());
        HallOfFameWindow* first = show(b);
        b.endGame(5000, "Cy");
        QCOMPARE(HallOfFameWindow::showFor(main_, &b.scores), first);
        QVERIFY(rows(first).startsWith("900 Ann,"));
        first->close();
        waitUntilClosed();
        QVERIFY(!HallOfFameWindow::instance());
        QVERIFY(rows(HallOfFameWindow::showFor(main_, &b.scores)).startsWith("5000 Cy,"));
    }

    void clearEmptiesTheFileAndTheRows_data() {
        QTest::addColumn<bool>("mainClosed");
        QTest::newRow("beside the game") << false;
        QTest::newRow("after the main window closed") << true;
    }

    void clearEmptiesTheFileAndTheRows() {
        QFETCH(bool, mainClosed);
        auto b = std::make_unique<Bench>(dir_.path());
        HallOfFameWindow* w = show(*b);
        if (mainClosed) {
            main_->close();
            waitUntilClosed();
            b.reset(); // the main window's game and Hall of Fame went with it
        }
        w->findChild<QAction*>("mnuClearHS")->trigger();
        QCOMPARE(readAll(path("hscores.dat")), Cleared);
        QCOMPARE(rows(w), Free);
        QVERIFY(mainClosed || (b->display.highestText == "0" && b->newGameDealt()));
        QVERIFY(mainClosed || (b->dialogs.asked.isEmpty() && b->dialogs.messages.isEmpty()));
    }

    void buttonsShowTheGameOrEndIt_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("mainClosed");
        QTest::addColumn<int>("created"); // fresh main windows with the whole start-up
        QTest::newRow("back to the hidden game") << "Command1" << false << 0;
        QTest::newRow("back after the game closed") << "Command1" << true << 1;
        QTest::newRow("exit") << "Command2" << false << 0;
    }

    void buttonsShowTheGameOrEndIt() {
        QFETCH(QString, button);
        QFETCH(bool, mainClosed);
        QFETCH(int, created);
        int made = 0;
        HallOfFameWindow::setMainWindowFactory([&] { ++made; });
        Bench b(dir_.path());
        HallOfFameWindow* w = show(b);
        mainClosed ? void(main_->close()) : main_->hide();
        waitUntilClosed();
        control<QPushButton>(w, button)->click();
        waitUntilClosed();
        QCOMPARE(made, created);
        QVERIFY(!HallOfFameWindow::instance());
        QVERIFY(button == "Command2" || mainClosed ? !main_ : main_->isVisible());
    }
};

QTEST_MAIN(TestHallOfFame)
#include "tst_halloffame.moc"
