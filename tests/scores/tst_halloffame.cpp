// The Hall of Fame against real files in temporary directories: loading, importing, recording,
// saving safely, clearing and damaged files; and the window with its rows and layout, its
// buttons, and its life after the main window is gone.
#include "halloffamewindow.h"
#include "highscores.h"
#include "hscorecodec.h"
#include "windowdriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>

#include <sys/stat.h>
#include <unistd.h>

using namespace corvelle;
using namespace corvelle::test;
using V = TableValue;

namespace {

// 120 for "abc", the other places free; a cleared table.
const QByteArray Fixture120 = QByteArray::fromHex("0200780002000000020000000200000002000000"
                                                  "0800030061626308000000080000000800000008000000");
const QByteArray Cleared = QByteArray::fromHex("0200000002000000020000000200000002000000"
                                               "0800000008000000080000000800000008000000");
const QString Free = "0 ,0 ,0 ,0 ,0 ";
const QString Five = "500 a,400 b,300 c,200 d,100 e";

QByteArray tableFile(std::array<V, 5> values, std::array<const char*, 5> names) {
    std::array<V, 5> texts;
    for (int i = 0; i < 5; ++i) {
        texts[i] = V::fromText(names[i]);
    }
    const auto bytes = writeHighScoreFile(values, texts);
    return {reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())};
}

// 500 a, 400 b, .., 100 e.
QByteArray fiveFile() {
    return tableFile({V::int16(500), V::int16(400), V::int16(300), V::int16(200), V::int16(100)},
                     {"a", "b", "c", "d", "e"});
}

QString table(const HighScores& scores) {
    QStringList rows;
    for (int i = 0; i < 5; ++i) {
        rows << QString::fromStdString(toText(scores.values()[i]) + " " +
                                       toText(scores.names()[i]));
    }
    return rows.join(QLatin1Char(','));
}

QString rows(QWidget* w) {
    QStringList out;
    for (int i = 0; i < 5; ++i) {
        out << labelText(*w, "Label7", i) + " " + labelText(*w, "Text1", i);
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

    WindowFixture dialogs_; // records the messages, answers the name request
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString startDir_ = QDir::currentPath();
    QPointer<QWidget> main_;

    std::unique_ptr<HighScores> load(const QString& dir = {}) {
        auto scores = std::make_unique<HighScores>(dir.isEmpty() ? dir_.path() : dir);
        scores->loadHighScores();
        return scores;
    }

    std::unique_ptr<HighScores> scores_;

    // The window over a score, a text that never counts below one, zeros with and without a
    // name, and an empty place.
    HallOfFameWindow* show(const V& best = V::int16(900)) {
        writeFile(path("hscores.dat"),
                  tableFile({best, V::fromText("Ace"), V::int16(0), V::int16(0), V{}},
                            {"Ann", "<b>Bob</b>", "ghost", "", "gone"}));
        scores_ = load();
        return HallOfFameWindow::showFor(main_, scores_.get());
    }

private slots:
    void initTestCase() { setDialogs(&dialogs_); }
    void init() {
        QDir(dir_.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dir_.path()));
        dialogs_.reset();
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
        scores_.reset();
        QVERIFY(!HallOfFameWindow::instance());
        HallOfFameWindow::setMainWindowFactory(nullptr);
    }

    void findsItsFilesFromAnotherWorkingDirectory() {
        QCOMPARE(table(*load()), Free); // a first start leaves free places and writes nothing
        QVERIFY(QDir(dir_.path()).isEmpty() && dialogs_.messages.isEmpty());
        QTemporaryDir elsewhere;
        QVERIFY(writeFile(elsewhere.filePath("hscores.dat"), Cleared));
        QVERIFY(writeFile(elsewhere.filePath("scores.dat"),
                          "999,0,0,0,0,\"decoy\",\"\",\"\",\"\",\"\""));
        QVERIFY(writeFile(path("hscores.dat"), Fixture120));
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        auto scores = load();
        QCOMPARE(table(*scores), "120 abc,0 ,0 ,0 ,0 ");
        QCOMPARE(scores->bestText(), "120");
        scores->clearHighScores();
        QCOMPARE(readFile(path("hscores.dat")), Cleared);
        QCOMPARE(readFile(elsewhere.filePath("hscores.dat")), Cleared);
        QVERIFY(QFile::exists(elsewhere.filePath("scores.dat")) && dialogs_.messages.isEmpty());
    }

    void directoryIsTheExecutablesUnlessUnwritable() {
        QCOMPARE(highScoreDirectory(), QCoreApplication::applicationDirPath());
        QCOMPARE(chooseHighScoreDirectory(dir_.path(), path("data")), dir_.path());
        QVERIFY(!QFileInfo::exists(path("data")));
        // Tests run as root, where permissions stop no write: a path below a regular file can
        // be neither written nor created, as an installed read-only directory.
        QVERIFY(writeFile(path("plainfile"), "x"));
        QCOMPARE(chooseHighScoreDirectory(path("plainfile/bin"), path("data")), path("data"));
        QVERIFY(QFileInfo(path("data")).isDir());
    }

    void importTakesOverScoresDat() {
        QVERIFY(writeFile(path("scores.dat"),
                          "900,450,120,0,0\r\n\"Ann\",\"Bob, Jr.\",\"Cy\",\"\",\"\"\r\n"));
        const QByteArray old = Cleared + "OLD-TAIL-BYTES-0123456789-OLD-TAIL-BYTES";
        QVERIFY(writeFile(path("hscores.dat"), old));
        auto scores = load();
        QCOMPARE(table(*scores), "900 Ann,450 Bob, Jr.,120 Cy,0 ,0 ");
        QVERIFY(!QFile::exists(path("scores.dat")));
        // Saved with keep 2: the 53 bytes of the new records, then the longer old file's tail.
        QCOMPARE(readFile(path("hscores.dat")).mid(53), old.mid(53));
        QCOMPARE(table(*load()), table(*scores));
        QCOMPARE(dialogs_.messages.size(), 1); // where the replaced Hall of Fame is kept
        scores->clearHighScores();             // an ordinary save replaces the whole file
        QCOMPARE(readFile(path("hscores.dat")), Cleared);
    }

    void shortImportIsKeptWhenTheSaveFails() {
        QVERIFY(writeFile(path("scores.dat"), "700,5\n"));
        QVERIFY(QDir(dir_.path()).mkdir("hscores.dat")); // nothing can be written over it
        QCOMPARE(table(*load()), "700 ,5 , , , ");       // missing fields stay empty, not 0
        QVERIFY(QFile::exists(path("scores.dat")));
        QCOMPARE(dialogs_.messages.size(), 1);
        QVERIFY(dialogs_.messages[0].contains(path("hscores.dat")));
    }

    void recordPlacesTheScore_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("name");  // as typed; with " *" when wild cards were played
        QTest::addColumn<QString>("table"); // empty: the score earns no place
        const auto row = [](const char* tag, int score, const char* name, const char* table) {
            QTest::newRow(tag) << score << QString::fromUtf8(name) << QString::fromUtf8(table);
        };
        row("at the top", 600, "Zoe", "600 Zoe,500 a,400 b,300 c,200 d");
        row("taken as typed", 450, "  Al  ", "500 a,450   Al  ,400 b,300 c,200 d");
        row("cancelled", 350, "", "500 a,400 b,350 ,300 c,200 d");
        row("equal score goes below", 300, "Eq", "500 a,400 b,300 c,300 Eq,200 d");
        row("one above the fifth", 101, " *", "500 a,400 b,300 c,200 d,101  *");
        row("Latin-1 name", 900, "J\xC3\xBCrgen", "900 J\xC3\xBCrgen,500 a,400 b,300 c,200 d");
        row("equal to the fifth", 100, "X", "");
        row("zero", 0, "X", "");
    }

    void recordPlacesTheScore() {
        QFETCH(int, score);
        QFETCH(QString, name);
        QFETCH(QString, table);
        QVERIFY(writeFile(path("hscores.dat"), fiveFile()));
        auto scores = load();
        const std::optional<int> place = scores->placeFor(score);
        QCOMPARE(place.has_value(), !table.isEmpty());
        if (!place) {
            return;
        }
        QVERIFY(scores->record(*place, score, score, name.toStdString()));
        QCOMPARE(::table(*scores), table);
        QCOMPARE(::table(*load()), table);
    }

    // The name request takes only what the file can store, so the name shown is the name kept.
    void nameRequestMarksAGameWithChosenWildCards() {
        dialogs_.answer = QString::fromUtf8("W\xC3\xBC\xE2\x98\x83\xF0\x9F\x98\x80\xE2\x82\xAC?");
        QCOMPARE(HighScores::askName(false), "W\xC3\xBC\xE2\x82\xAC?");
        QCOMPARE(HighScores::askName(true), "W\xC3\xBC\xE2\x82\xAC? *");
        QCOMPARE(dialogs_.questions.value(0), "High Scores: Hall of Fame|Please enter your name "
                                              "for the High Scores Hall of Fame.");
        QVERIFY(writeFile(path("hscores.dat"), fiveFile()));
        auto scores = load();
        scores->insertHighScore(5, 999, 999, "bad"); // no such place: reported, nothing changes
        QCOMPARE(table(*scores), Five);
        QCOMPARE(dialogs_.messages, QStringList{"An error has occured in the highscore rearanging "
                                                "routine, please inform me via email if you have "
                                                "gotten this error!"});
    }

    void wideScoreRoundTrip() {
        auto scores = load();
        scores->record(0, 40000, 40000, "Ann");
        scores->record(1, 100, 40000, "Ann"); // below 32768 after undos, the game stays wide
        // The places left free are written as the 16-bit zeros of a fresh table.
        QCOMPARE(readFile(path("hscores.dat")).toHex(),
                 QByteArray("0300409c0000030064000000020000000200000002000000"
                            "08000300416e6e08000300416e6e080000000800000008000000"));
        QCOMPARE(load()->values()[1], V::int32(100));
    }

    void failedSaveIsReportedAndTheTableKept() {
        QVERIFY(writeFile(path("plainfile"), Fixture120));
        const QString dir = path("plainfile/corvelle"); // a folder that cannot be made
        auto scores = load(dir);
        QVERIFY(!scores->record(0, 500, 500, "Ann"));
        QCOMPARE(dialogs_.messages.size(), 1);
        QVERIFY(dialogs_.messages[0].contains(dir + "/hscores.dat"));
        QVERIFY(table(*scores).startsWith("500 Ann,")); // kept in memory
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
        QVERIFY(writeFile(path("hscores.dat.damaged"), "older"));
        QVERIFY(writeFile(path("hscores.dat"), bytes));
        auto scores = load();
        QCOMPARE(::table(*scores), table);
        QCOMPARE(dialogs_.messages.size(), 1);
        QVERIFY(dialogs_.messages[0].contains("hscores.dat.damaged"));
        scores->clearHighScores();
        QCOMPARE(readFile(path("hscores.dat.damaged")), QByteArray("older")); // never replaced
        QCOMPARE(readFile(path("hscores.dat.damaged.2")), bytes);
        QCOMPARE(readFile(path("hscores.dat")), Cleared);
        scores->clearHighScores();
        QVERIFY(dialogs_.messages.size() == 1 && !QFile::exists(path("hscores.dat.damaged.3")));
    }

    // What is no file at all is never opened (a FIFO would hang the game): it is reported, and
    // moved aside at the first save, as a damaged file is copied aside.
    void somethingElseInItsPlaceIsMovedAside() {
        QVERIFY(QDir(dir_.path()).mkpath("scores.dat/inside"));
        QVERIFY(mkfifo(qPrintable(path("hscores.dat")), 0600) == 0);
        alarm(10);
        auto scores = load();
        QCOMPARE(table(*scores), Free);
        QCOMPARE(dialogs_.messages.size(), 2);
        QVERIFY(scores->clearHighScores());
        alarm(0);
        QVERIFY(QFileInfo(path("hscores.dat.damaged")).exists());
        QCOMPARE(readFile(path("hscores.dat")), Cleared);
        QVERIFY(QFileInfo(path("scores.dat/inside")).isDir() && dialogs_.messages.size() == 2);
    }

    // An import replaces the Hall of Fame, after keeping it under a name of its own.
    void importKeepsTheReplacedTable() {
        QVERIFY(writeFile(path("hscores.dat.before-import"), "older"));
        QVERIFY(writeFile(path("hscores.dat"), Fixture120));
        QVERIFY(writeFile(path("scores.dat"), "900,0,0,0,0,\"Ann\",\"\",\"\",\"\",\"\""));
        QCOMPARE(table(*load()), "900 Ann,0 ,0 ,0 ,0 ");
        QCOMPARE(readFile(path("hscores.dat.before-import")), QByteArray("older"));
        QCOMPARE(readFile(path("hscores.dat.before-import.2")), Fixture120);
        QCOMPARE(dialogs_.messages.size(), 1);
        QVERIFY(dialogs_.messages[0].contains(path("hscores.dat.before-import.2")));
        QCOMPARE(table(*load()), "900 Ann,0 ,0 ,0 ,0 ");
        QCOMPARE(dialogs_.messages.size(), 1);
    }

    // A Hall of Fame left in a folder the game cannot write is taken over into the player's
    // own file once, with one message; the old file stays as it was.
    void readOnlyFolderIsTakenOverOnce() {
        QVERIFY(writeFile(path("hscores.dat"), Fixture120));
        HighScores first(path("user"), dir_.path());
        QVERIFY(QDir().mkpath(path("user")));
        first.loadHighScores();
        QCOMPARE(table(first), "120 abc,0 ,0 ,0 ,0 ");
        QCOMPARE(readFile(path("user/hscores.dat")), Fixture120);
        first.record(0, 200, 200, "Bo");
        HighScores again(path("user"), dir_.path());
        again.loadHighScores();
        QCOMPARE(table(again), "200 Bo,120 abc,0 ,0 ,0 ");
        QCOMPARE(readFile(path("hscores.dat")), Fixture120);
        QCOMPARE(dialogs_.messages.size(), 1);
        QVERIFY(dialogs_.messages[0].contains(path("user/hscores.dat")));
    }

    // The rows as the window is loaded, a long score never cut off, and the fixed form.
    void windowShowsTheRowsInTheFixedForm() {
        HallOfFameWindow* w = show(V::int32(2147483647));
        QCOMPARE(rows(w), "2147483647 Ann,Ace <b>Bob</b>,0 ,0 , ");
        // The name beside a score of 0 is emptied in the table itself.
        QCOMPARE(scores_->names()[2], V::fromText({}));
        QVERIFY(w->isVisible() && main_->isVisible());
        QCOMPARE(w->centralWidget()->y(), w->menuBar()->height());
        QCOMPARE(windowFacts(*w), "High Scores|279x328|min max close|green|Text1 Text1 Text1");
        auto* menu = w->findChild<QMenu*>("mnuScores");
        QVERIFY(menu && menu->actions().size() == 1);
        QCOMPARE(menu->title() + "|" + menu->actions().value(0)->text(),
                 QString("Scores|Clear High Scores"));
        QCOMPARE(misplaced(*w, {{"Label1", -1, {64, 32, 149, 29}, "Hall of Fame"},
                                {"Label2", -1, {32, 100, 11, 20}, "1"},
                                {"Label6", -1, {32, 212, 11, 20}, "5"},
                                {"Label7", 3, {64, 184, 78, 20}, "0"},
                                {"Text1", 1, {136, 128, 117, 21}, "<b>Bob</b>"},
                                {"Command1", -1, {8, 272, 129, 25}, "Back to Corvelle"},
                                {"Command2", -1, {144, 272, 129, 25}, "Exit Corvelle"}}),
                 "");
        for (QLabel* label : w->findChildren<QLabel*>()) {
            QVERIFY(label->textFormat() == Qt::PlainText && label->font().bold());
            // Never cut off: the title and a long score give way where the font is wider.
            QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
            const int points = label->font().pointSize();
            const bool big = label->objectName() == "Label1" || label->text().size() > 9;
            QVERIFY(big ? points >= 8 && points <= 18 : points == 12);
        }
    }

    void openingAgainBringsItForwardWithoutRefilling() {
        HallOfFameWindow* first = show();
        HighScores* scores = scores_.get();
        scores->record(0, 5000, 5000, "Cy");
        QCOMPARE(HallOfFameWindow::showFor(main_, scores), first);
        QVERIFY(rows(first).startsWith("900 Ann,"));
        first->close();
        waitUntilClosed();
        QVERIFY(rows(HallOfFameWindow::showFor(main_, scores)).startsWith("5000 Cy,"));
    }

    void clearEmptiesTheFileAndTheRows_data() {
        QTest::addColumn<bool>("mainClosed");
        QTest::newRow("beside the game") << false;
        QTest::newRow("after the main window closed") << true;
    }

    void clearEmptiesTheFileAndTheRows() {
        QFETCH(bool, mainClosed);
        HallOfFameWindow* w = show();
        QSignalSpy cleared(w, &HallOfFameWindow::highScoresCleared);
        if (mainClosed) {
            main_->close();
            waitUntilClosed();
            scores_.reset(); // the main window's Hall of Fame went with it
        }
        menuItem(*w, "mnuClearHS")->trigger();
        QCOMPARE(readFile(path("hscores.dat")), Cleared);
        QCOMPARE(rows(w), Free);
        QCOMPARE(cleared.size(), mainClosed ? 0 : 1);
        QVERIFY(mainClosed || table(*scores_) == Free);
        QVERIFY(dialogs_.questions.isEmpty() && dialogs_.messages.isEmpty());
    }

    void buttonsShowTheGameOrEndIt_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("mainClosed");
        QTest::addColumn<int>("created"); // fresh main windows with the whole start-up
        QTest::newRow("back to the hidden game") << "Command1" << false << 0;
        QTest::newRow("back after the game closed") << "Command1" << true << 1;
        QTest::newRow("Escape") << "Escape" << false << 0;
        QTest::newRow("exit") << "Command2" << false << 0;
    }

    void buttonsShowTheGameOrEndIt() {
        QFETCH(QString, button);
        QFETCH(bool, mainClosed);
        QFETCH(int, created);
        int made = 0;
        HallOfFameWindow::setMainWindowFactory([&] { ++made; });
        main_->setObjectName("Form1");
        HallOfFameWindow* w = show();
        mainClosed ? void(main_->close()) : main_->hide();
        waitUntilClosed();
        button == "Escape" ? QTest::keyClick(w, Qt::Key_Escape) : click(*w, qPrintable(button));
        waitUntilClosed();
        QCOMPARE(made, created);
        QVERIFY(!HallOfFameWindow::instance());
        QVERIFY(button == "Command2" || mainClosed ? !main_ : main_->isVisible());
    }
};

QTEST_MAIN(TestHallOfFame)
#include "tst_halloffame.moc"
