// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Hall of Fame: the old scores.dat text, the hscores.dat codec with byte-exact and damaged
// files, the Hall of Fame against real files, its window, and the save that a full disk cannot
// leave half done.
#include "scores/halloffamewindow.h"
#include "scores/highscores.h"
#include "scores/hscorecodec.h"
#include "scores/namerequest.h"
#include "scores/scoresimport.h"
#include "storage/savefile.h"
#include "tests/support/windowdriver.h"

#include <sys/stat.h>
#include <unistd.h>

using namespace corvelle;
using namespace corvelle::test;
using V = TableValue;

namespace {

using Table = std::array<TableValue, 5>;

// The five places, each as `part` shows it, joined by `separator`.
QString joined(const std::function<QString(int)>& part, char separator = '|') {
    QStringList out;
    for (int i = 0; i < 5; ++i) {
        out << part(i);
    }
    return out.join(QLatin1Char(separator));
}

// A value as its kind's letter and its text: "-" empty, s int16, l int32, f float32, d float64,
// t text; five of them joined by "|".
QString show(const TableValue& value) {
    return QChar("-slfdt"[int(value.kind)]) + QString::fromStdString(toText(value));
}
QString show(const std::array<TableValue, 5>& values) {
    return joined([&](int i) { return show(values[i]); });
}

Table table(const V& free, std::initializer_list<V> first) {
    Table t;
    t.fill(free);
    std::copy(first.begin(), first.end(), t.begin());
    return t;
}
Table scores(std::initializer_list<V> first = {}) {
    return table(V::int16(0), first);
}
Table names(std::initializer_list<V> first = {}) {
    return table(V::fromText({}), first);
}

// Hex text (blanks ignored) as bytes.
std::vector<std::uint8_t> bytes(const QByteArray& hex) {
    const QByteArray b = QByteArray::fromHex(hex);
    return {b.begin(), b.end()};
}

// 120 for "abc", the other places free; a cleared table.
const QByteArray Fixture120 = QByteArray::fromHex("0200780002000000020000000200000002000000"
                                                  "0800030061626308000000080000000800000008000000");
const QByteArray Cleared = QByteArray::fromHex("0200000002000000020000000200000002000000"
                                               "0800000008000000080000000800000008000000");
const QString Free = "0 ,0 ,0 ,0 ,0 ";

QByteArray tableFile(const Table& values, std::array<const char*, 5> names) {
    Table texts;
    for (int i = 0; i < 5; ++i) {
        texts[i] = V::fromText(names[i]);
    }
    return asBytes(writeHighScoreFile(values, texts));
}

// Five places of every kind a score can have: 500.5 a, 399.5 b, " 300 " c, 200 d, 100 e.
QByteArray fiveFile() {
    return tableFile(
        {V::float64(500.5), V::float32(399.5f), V::fromText(" 300 "), V::int32(200), V::int16(100)},
        {"a", "b", "c", "d", "e"});
}

// The places of a Hall of Fame, and the rows of its window: "score name,score name,..".
QString table(const HighScores& scores) {
    return joined(
        [&](int i) {
            return QString::fromStdString(toText(scores.values()[i]) + " " +
                                          toText(scores.names()[i]));
        },
        ',');
}
QString rows(QWidget* w) {
    return joined(
        [&](int i) { return labelText(*w, "Label7", i) + " " + labelText(*w, "Text1", i); }, ',');
}

void waitUntilClosed() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

Q_DECLARE_METATYPE(TableValue)
Q_DECLARE_METATYPE(Table)

class TestScores : public QObject {
    Q_OBJECT

    WindowFixture dialogs_; // records the messages, answers the name request
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString startDir_ = QDir::currentPath();
    QPointer<QWidget> main_;

    // What the Hall of Fame says it must tell the player goes with the dialogs' messages; true
    // when there was nothing to tell.
    bool told(const QStringList& texts) {
        dialogs_.messages << texts;
        return texts.isEmpty();
    }

    std::unique_ptr<HighScores> load(const QString& dir = {}) {
        auto scores = std::make_unique<HighScores>(dir.isEmpty() ? dir_.path() : dir);
        told(scores->loadHighScores());
        return scores;
    }

    std::unique_ptr<HighScores> scores_;

    // The window over a score, a text that never counts below one, zeros with and without a
    // name, and an empty place.
    HallOfFameWindow* showWindow(const V& best = V::int16(900)) {
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
    }

    void parsesFields_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("fields");
        QTest::addColumn<QString>("values"); // the five scores, then the five names
        const QString none = "-|-|-|-|-";

        QTest::newRow("line end after a comma, blank lines, blanks")
            << QByteArray("  900 ,\r\n 450\r\n\r\n120,0,0,\n\"Ann\" , Bob Smith ,\"Cy\",\"\",\"\"")
            << 10 << "s900|s450|s120|s0|s0|tAnn|tBob Smith|tCy|t|t";
        QTest::newRow("doubled quotes and line ends inside quotes")
            << QByteArray("1,2,3,4,5,\"say \"\"hi\"\"\",\"two\nlines\",\"a,b,c\",\"\"\"\",x") << 10
            << "s1|s2|s3|s4|s5|tsay \"hi\"|ttwo\nlines|ta,b,c|t\"|tx";
        QTest::newRow("number widths")
            << QByteArray("40000,-32768,+12,1.5,1e3,\"7\",007,2147483648,-5x,\"\"") << 10
            << "l40000|s-32768|s12|d1.5|d1000|t7|s7|d2147483648|t-5x|t";
        QTest::newRow("no numbers from signs alone")
            << QByteArray("+-5,-,+,nan,inf") << 5 << "t+-5|t-|t+|tnan|tinf|" + none;
        QTest::newRow("empty fields stay empty")
            << QByteArray("120,,50,,,\"a\",,\"c\"") << 8 << "s120|-|s50|-|-|ta|-|tc|-|-";
        QTest::newRow("too few fields")
            << QByteArray("300,200\r\n") << 2 << "s300|s200|-|-|-|" + none;
        QTest::newRow("empty file") << QByteArray() << 0 << none + "|" + none;
        QTest::newRow("more than ten fields")
            << QByteArray("1,2,3,4,5,a,b,c,d,e,f,g") << 10 << "s1|s2|s3|s4|s5|ta|tb|tc|td|te";
        QTest::newRow("unterminated quote takes the rest")
            << QByteArray("10,\"Ann, and more\n") << 2 << "s10|tAnn, and more\n|-|-|-|" + none;
        QTest::newRow("text after a closing quote is dropped")
            << QByteArray("\"a\"junk,2") << 2 << "ta|s2|-|-|-|" + none;
        QTest::newRow("Windows-1252 names and a byte order mark")
            << QByteArray("\xEF\xBB\xBF"
                          "5,4,3,2,1,\"Ren\xE9\",\x80,\"\",\"\",\"\"")
            << 10 << QString::fromUtf8("s5|s4|s3|s2|s1|tRen\xC3\xA9|t\xE2\x82\xAC|t|t|t");
    }

    void parsesFields() {
        QFETCH(QByteArray, file);
        QFETCH(int, fields);
        QFETCH(QString, values);
        const ImportedScores imported =
            parseScoresDat(std::string_view(file.constData(), std::size_t(file.size())));
        QCOMPARE(imported.fieldsRead, fields);
        QCOMPARE(show(imported.values) + "|" + show(imported.names), values);
    }

    void writesExactBytes_data() {
        QTest::addColumn<Table>("values");
        QTest::addColumn<Table>("names");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("120 for abc")
            << scores({V::int16(120)}) << names({V::fromText("abc")}) << Fixture120.toHex();
        // A game's score is 16 bits wide until the game has once been past 32767; then it keeps
        // its width below 32768.
        QTest::newRow("wide scores, floats and empty")
            << scores({V::score(32767, 32767),
                       V::score(40000, 40000),
                       V::score(100, 40000),
                       V::int16(-2),
                       {}})
            << names({V::fromText({}), V::float32(1.5f), V::float64(-2.25)})
            << QByteArray("0200ff7f 0300409c0000 030064000000 0200feff 0000 08000000 "
                          "04000000c03f 050000000000000002c0 08000000 08000000");
        // Names in Windows-1252: what it cannot hold, a C1 control it uses for another
        // character, invalid, overlong and cut UTF-8 and surrogates become "?".
        QTest::newRow("names in Windows-1252")
            << scores()
            << names({V::fromText("J\xC3\xA9r\xC3\xB4me \xE2\x82\xAC"),
                      V::fromText("\xF0\x9F\x82\xA1 ok"), V::fromText("bad\xC3"),
                      V::fromText("\xC2\x80"), V::fromText("a\xFF\xC0\xAF\xED\xA0\x80z")})
            << QByteArray("0200000002000000020000000200000002000000 080008004ae972f46d652080 "
                          "080004003f206f6b 08000400626164 3f 080001003f 08000800613f3f3f3f3f3f7a");
    }

    void writesExactBytes() {
        QFETCH(Table, values);
        QFETCH(Table, names);
        QFETCH(QByteArray, expected);
        QCOMPARE(asBytes(writeHighScoreFile(values, names)).toHex(),
                 QByteArray::fromHex(expected).toHex());
    }

    // Everything written reads back as it was, but for a name longer than its length field
    // can hold, which is cut there.
    void readsBackWhatWasWritten() {
        const Table values =
            scores({V::int32(2'000'000'000), V::int32(40000), V::int16(32767), V::float64(0.1)});
        const std::string longName(MaxNameBytes + 1, 'n');
        Table written = names({V::fromText("Ren\xC3\xA9\xE2\x80\x9Cx\xE2\x80\x9D *"),
                               V::fromText("\xC2\x81 kept"), // an unassigned byte
                               V::fromText({}), V::fromText(longName), V{}});
        const HighScoreFile file = readHighScoreFile(writeHighScoreFile(values, written));
        QVERIFY(!file.anyDamaged());
        QCOMPARE(show(file.values), show(values));
        written[3] = V::fromText(longName.substr(1));
        QCOMPARE(show(file.names), show(written));
    }

    void damagedRecordsBecomeFreePlaces_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("table"); // the five scores, then the five names
        const QByteArray s = "0200780002006400020032000200000002000000";
        const QString read = "s120|s100|s50|s0|s0|t|t|t|t|t";
        const QString abc = "s120|s100|s50|s0|s0|tabc|t|t|t|t";
        const auto row = [](const char* name, const QByteArray& bytes, const QString& table) {
            QTest::newRow(name) << bytes << table;
        };
        row("empty file", "", "s0|s0|s0|s0|s0|t|t|t|t|t");
        row("cut inside a score", s.left(28), read);
        row("cut inside a name", s + "080005006162", read);
        row("unknown tag", "02007800020064000700010002000000 0200000008000300616263",
            "s120|s100|s0|s0|s0|t|t|t|t|t");
        row("tag 1 is no kind", s + "0100", read);
        row("length beyond the end", s + "0800030061626308000000 0800ffff41", abc);
        row("float not a number",
            "02007800 04000000c07f 020032000200000002000000 08000300616263 080000000800000008000000"
            "08000000",
            "s120|s0|s50|s0|s0|tabc|t|t|t|t");
        row("double infinite", s + "0800030061626308000000 0500000000000000f07f 0800000008000000",
            abc);
    }

    void damagedRecordsBecomeFreePlaces() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, table);
        const HighScoreFile file = readHighScoreFile(::bytes(bytes));
        QVERIFY(file.anyDamaged());
        QCOMPARE(show(file.values) + "|" + show(file.names), table);
    }

    void findsItsFilesFromAnotherWorkingDirectoryInItsOwnFolder() {
        QCOMPARE(table(*load()), Free); // a first start leaves free places and writes nothing
        QVERIFY(QDir(dir_.path()).isEmpty() && dialogs_.messages.isEmpty());
        QTemporaryDir elsewhere;
        QVERIFY(writeFile(elsewhere.filePath("hscores.dat"), "decoy"));
        QVERIFY(writeFile(elsewhere.filePath("scores.dat"),
                          "999,0,0,0,0,\"decoy\",\"\",\"\",\"\",\"\""));
        QVERIFY(writeFile(path("hscores.dat"), Fixture120));
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        auto scores = load();
        QCOMPARE(table(*scores), "120 abc,0 ,0 ,0 ,0 ");
        QCOMPARE(scores->bestText(), "120");
        told(scores->clearHighScores());
        QCOMPARE(readFile(path("hscores.dat")), Cleared);
        QCOMPARE(readFile(elsewhere.filePath("hscores.dat")), QByteArray("decoy"));
        QVERIFY(QFile::exists(elsewhere.filePath("scores.dat")) && dialogs_.messages.isEmpty());
        // The folder is the executable's, unless the game cannot write there.
        QCOMPARE(highScoreDirectory(), QCoreApplication::applicationDirPath());
        QCOMPARE(chooseHighScoreDirectory(dir_.path(), path("data")), dir_.path());
        QVERIFY(!QFileInfo::exists(path("data")));
        // Tests run as root, where permissions stop no write: a path below a regular file can
        // be neither written nor created, as an installed read-only directory.
        QVERIFY(writeFile(path("plainfile"), "x"));
        QCOMPARE(chooseHighScoreDirectory(path("plainfile/bin"), path("data")), path("data"));
        QVERIFY(QFileInfo(path("data")).isDir());
    }

    // An import takes over scores.dat after keeping the Hall of Fame it replaces under a name
    // of its own, and saves with keep 2: the 53 bytes of the new records, then the longer old
    // file's tail.
    void importTakesOverScoresDat() {
        QVERIFY(writeFile(path("hscores.dat.before-import"), "older"));
        QVERIFY(writeFile(path("scores.dat"),
                          "900,450,120,0,0\r\n\"Ann\",\"Bob, Jr.\",\"Cy\",\"\",\"\"\r\n"));
        const QByteArray old = Cleared + "OLD-TAIL-BYTES-0123456789-OLD-TAIL-BYTES";
        QVERIFY(writeFile(path("hscores.dat"), old));
        auto scores = load();
        QCOMPARE(table(*scores), "900 Ann,450 Bob, Jr.,120 Cy,0 ,0 ");
        QVERIFY(!QFile::exists(path("scores.dat")));
        QCOMPARE(readFile(path("hscores.dat")).mid(53), old.mid(53));
        QCOMPARE(readFile(path("hscores.dat.before-import")), QByteArray("older"));
        QCOMPARE(readFile(path("hscores.dat.before-import.2")), old);
        QCOMPARE(dialogs_.messages.size(), 1);
        QVERIFY(dialogs_.messages[0].contains(path("hscores.dat.before-import.2")));
        QCOMPARE(table(*load()), table(*scores));
        QCOMPARE(dialogs_.messages.size(), 1);
        told(scores->clearHighScores()); // an ordinary save replaces the whole file
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

    // A score goes below every entry it does not beat, whatever kind of number the entry is.
    void recordPlacesTheScore_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("name");  // as typed; with " *" when wild cards were played
        QTest::addColumn<QString>("table"); // empty: the score earns no place
        const auto row = [](const char* tag, int score, const char* name, const char* table) {
            QTest::newRow(tag) << score << QString::fromUtf8(name) << QString::fromUtf8(table);
        };
        row("at the top", 600, "Zoe", "600 Zoe,500.5 a,399.5 b, 300  c,200 d");
        row("below a fraction", 500, "  Al  ", "500.5 a,500   Al  ,399.5 b, 300  c,200 d");
        row("above a fraction", 400, "F", "500.5 a,400 F,399.5 b, 300  c,200 d");
        row("cancelled, above a number in text", 350, "", "500.5 a,399.5 b,350 , 300  c,200 d");
        row("equal score goes below", 300, "Eq", "500.5 a,399.5 b, 300  c,300 Eq,200 d");
        row("one above the fifth", 101, " *", "500.5 a,399.5 b, 300  c,200 d,101  *");
        row("equal to the fifth", 100, "X", "");
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
        QVERIFY(told(scores->record(*place, score, score, name.toStdString())));
        QCOMPARE(::table(*scores), table);
        QCOMPARE(::table(*load()), table);
    }

    // The name request takes only what the file can store, so the name shown is the name kept.
    void nameRequestMarksAGameWithChosenWildCards() {
        dialogs_.answer = QString::fromUtf8("W\xC3\xBC\xE2\x98\x83\xF0\x9F\x98\x80\xE2\x82\xAC?");
        QCOMPARE(askHallOfFameName(false), "W\xC3\xBC\xE2\x82\xAC?");
        QCOMPARE(askHallOfFameName(true), "W\xC3\xBC\xE2\x82\xAC? *");
        QCOMPARE(dialogs_.questions.value(0), "High Scores: Hall of Fame|Please enter your name "
                                              "for the High Scores Hall of Fame.");
        // No such place: told, nothing changes.
        auto scores = load();
        QCOMPARE(scores->record(5, 999, 999, "bad"),
                 QStringList{"An error has occured in the highscore rearanging "
                             "routine, please inform me via email if you have "
                             "gotten this error!"});
        QCOMPARE(table(*scores), Free);
    }

    void wideScoreRoundTrip() {
        auto scores = load();
        told(scores->record(0, 40000, 40000, "Ann"));
        told(scores->record(1, 100, 40000, "Ann")); // below 32768 after undos, the game stays wide
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
        QVERIFY(!told(scores->record(0, 500, 500, "Ann")));
        QCOMPARE(dialogs_.messages.size(), 1);
        QVERIFY(dialogs_.messages[0].contains(dir + "/hscores.dat"));
        QVERIFY(table(*scores).startsWith("500 Ann,")); // kept in memory
    }

    // What the damaged file held is read as far as it goes.
    void damagedFileIsCopiedOnceBeforeItIsReplaced() {
        const QByteArray bytes = Fixture120.left(25);
        QVERIFY(writeFile(path("hscores.dat.damaged"), "older") &&
                writeFile(path("hscores.dat"), bytes));
        auto scores = load();
        QCOMPARE(table(*scores), "120 ,0 ,0 ,0 ,0 ");
        QCOMPARE(dialogs_.messages.size(), 1);
        QVERIFY(dialogs_.messages[0].contains("hscores.dat.damaged"));
        told(scores->clearHighScores());
        QCOMPARE(readFile(path("hscores.dat.damaged")), QByteArray("older")); // never replaced
        QCOMPARE(readFile(path("hscores.dat.damaged.2")), bytes);
        QCOMPARE(readFile(path("hscores.dat")), Cleared);
        told(scores->clearHighScores());
        QVERIFY(dialogs_.messages.size() == 1 && !QFile::exists(path("hscores.dat.damaged.3")));
    }

    // What is no file at all is never opened (a FIFO would hang the game): it is reported, and
    // moved aside at the first save, as a damaged file is copied aside.
    void somethingElseInItsPlaceIsMovedAside() {
        QVERIFY(QDir(dir_.path()).mkpath("scores.dat/inside") &&
                mkfifo(qPrintable(path("hscores.dat")), 0600) == 0);
        alarm(10);
        auto scores = load();
        QCOMPARE(table(*scores), Free);
        QCOMPARE(dialogs_.messages.size(), 2);
        QVERIFY(told(scores->clearHighScores()));
        alarm(0);
        QVERIFY(QFileInfo(path("hscores.dat.damaged")).exists());
        QCOMPARE(readFile(path("hscores.dat")), Cleared);
        QVERIFY(QFileInfo(path("scores.dat/inside")).isDir() && dialogs_.messages.size() == 2);
    }

    // A Hall of Fame left in a folder the game cannot write is taken over into the player's
    // own file once, with one message; the old file stays as it was.
    void readOnlyFolderIsTakenOverOnce() {
        QVERIFY(writeFile(path("hscores.dat"), Fixture120));
        HighScores first(path("user"), dir_.path());
        QVERIFY(QDir().mkpath(path("user")));
        told(first.loadHighScores());
        QCOMPARE(table(first), "120 abc,0 ,0 ,0 ,0 ");
        QCOMPARE(readFile(path("user/hscores.dat")), Fixture120);
        told(first.record(0, 200, 200, "Bo"));
        HighScores again(path("user"), dir_.path());
        told(again.loadHighScores());
        QCOMPARE(table(again), "200 Bo,120 abc,0 ,0 ,0 ");
        QCOMPARE(readFile(path("hscores.dat")), Fixture120);
        QCOMPARE(dialogs_.messages.size(), 1);
        QVERIFY(dialogs_.messages[0].contains(path("user/hscores.dat")));
    }

    // The rows as the window is loaded, a long score never cut off, and the fixed form.
    void windowShowsTheRowsInTheFixedForm() {
        HallOfFameWindow* w = showWindow(V::int32(2147483647));
        QCOMPARE(rows(w), "2147483647 Ann,Ace <b>Bob</b>,0 ,0 , ");
        // A screen reader reads a row as one, whichever of its controls it is on.
        const auto said = [&](const char* name, int index) {
            return QAccessible::queryAccessibleInterface(control(*w, name, index))
                ->text(QAccessible::Name);
        };
        QCOMPARE(said("Label2", -1) + "|" + said("Label7", 1) + "|" + said("Text1", 2),
                 "Place 1: 2147483647, Ann|Place 2: Ace, <b>Bob</b>|Name, place 3");
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
        // Opened again it comes forward as it is; closed and opened, it shows the table anew.
        told(scores_->record(0, 5000, 5000, "Cy"));
        QCOMPARE(HallOfFameWindow::showFor(main_, scores_.get()), w);
        QVERIFY(rows(w).startsWith("2147483647 Ann,"));
        w->close();
        waitUntilClosed();
        QVERIFY(rows(HallOfFameWindow::showFor(main_, scores_.get())).startsWith("5000 Cy,"));
    }

    void clearOrLeave_data() {
        QTest::addColumn<QString>("action");  // the command, "clear" for Clear High Scores
        QTest::addColumn<bool>("mainClosed"); // else hidden
        QTest::addColumn<int>("created");     // fresh main windows with the whole start-up
        QTest::newRow("clear beside the game") << "clear" << false << 0;
        QTest::newRow("clear after the main window closed") << "clear" << true << 0;
        QTest::newRow("back to the hidden game") << "Command1" << false << 0;
        QTest::newRow("back after the game closed") << "Command1" << true << 1;
        QTest::newRow("Escape") << "Escape" << false << 0;
        QTest::newRow("exit") << "Command2" << false << 0;
    }

    // Clearing empties the file and the rows, and tells the game if it is still there. The
    // buttons show the game, a fresh one if it was closed, or end it.
    void clearOrLeave() {
        QFETCH(QString, action);
        QFETCH(bool, mainClosed);
        QFETCH(int, created);
        main_->setObjectName("Form1");
        HallOfFameWindow* w = showWindow();
        QSignalSpy made(w, &HallOfFameWindow::backToGameRequested);
        QSignalSpy cleared(w, &HallOfFameWindow::highScoresCleared);
        mainClosed ? void(main_->close()) : main_->hide();
        waitUntilClosed();
        if (action == "clear") {
            if (mainClosed) {
                scores_.reset(); // the main window's Hall of Fame went with it
            }
            menuItem(*w, "mnuClearHS")->trigger();
            QCOMPARE(readFile(path("hscores.dat")), Cleared);
            QCOMPARE(rows(w), Free);
            QCOMPARE(cleared.size(), mainClosed ? 0 : 1);
            QVERIFY(mainClosed || table(*scores_) == Free);
            QVERIFY(dialogs_.questions.isEmpty() && dialogs_.messages.isEmpty());
            return;
        }
        action == "Escape" ? QTest::keyClick(w, Qt::Key_Escape) : click(*w, qPrintable(action));
        waitUntilClosed();
        QCOMPARE(made.size(), created);
        QVERIFY(!HallOfFameWindow::instance());
        QVERIFY(action == "Command2" || mainClosed ? !main_ : main_->isVisible());
    }

    // A save removes what a killed save of its own file left, and nothing else beside it.
    void onlyOwnLeftoversAreRemoved() {
        const QStringList others{"hscores.dat.backup", "hscores.dat.damaged",
                                 "hscores.dat.saving-a1B2c3.keep", "scores.dat.saving-a1B2c3"};
        for (const QString& name : others + QStringList{"hscores.dat.saving-a1B2c3"}) {
            QVERIFY(writeFile(path(name), "leftover"));
        }
        QVERIFY(writeFile(path("hscores.dat"), "old"));
        QCOMPARE(replaceFileContent(path("hscores.dat"), "new"), QString());
        QCOMPARE(readFile(path("hscores.dat")), QByteArray("new"));
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), QStringList{"hscores.dat"} + others);
    }
};

QTEST_MAIN(TestScores)
#include "tst_scores.moc"
