#include "optionstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

using namespace corvelle;

Q_DECLARE_METATYPE(corvelle::OptionItem)

namespace {

const QStringList allControls{"mnuAceKing",       "mnuNoAceKing",    "mnuDiscardPileA",
                              "mnuDiscardPDrawP", "mnuDiscardPileB", "mnuScoringOn",
                              "mnuScoringOff",    "mnuShowHSa",      "mnuShowHSb",
                              "mnuShuffling1",    "mnuShuffling2",   "mnuShuffling3"};

QString text(bool value) {
    return value ? "True" : "False";
}

// Everything loadSettings sets, by the key it comes from, as the store would write it.
QMap<QString, QString> loaded(const Options& o, const OptionMarks& m) {
    return {{"ShowHighScores", text(o.showHighScoresPopup)},
            {"mnuShowHSa.Checked", text(m.mnuShowHSa)},
            {"mnuShowHSb.Checked", text(m.mnuShowHSb)},
            {"Shuffles", QString::number(o.shuffleCount)},
            {"mnuShuffling1.Checked", text(m.mnuShuffling1)},
            {"mnuShuffling2.Checked", text(m.mnuShuffling2)},
            {"mnuShuffling3.Checked", text(m.mnuShuffling3)},
            {"Scoring", text(o.scoringOn)},
            {"mnuScoringOn.Checked", text(m.mnuScoringOn)},
            {"mnuScoringOff.Checked", text(m.mnuScoringOff)},
            {"AceKing", text(o.aceKingWrap)},
            {"ClickCardPileTo", text(o.drawPileClickDraws)},
            {"ClickFormAlso", text(o.backgroundClickDraws)},
            {"mnuDiscardPDrawP.Checked", text(m.mnuDiscardPDrawP)},
            {"mnuDiscardPileB.Checked", text(m.mnuDiscardPileB)},
            {"mnuDiscardPileA.Checked", text(m.mnuDiscardPileA)},
            {"mnuAceKing.Checked", text(m.mnuAceKing)},
            {"mnuNoAceKing.Checked", text(m.mnuNoAceKing)}};
}

// What a first run reads: the options and check marks the game starts with.
const QMap<QString, QString> firstRun{{"ShowHighScores", "True"},
                                      {"mnuShowHSa.Checked", "True"},
                                      {"mnuShowHSb.Checked", "False"},
                                      {"Shuffles", "1"},
                                      {"mnuShuffling1.Checked", "True"},
                                      {"mnuShuffling2.Checked", "False"},
                                      {"mnuShuffling3.Checked", "False"},
                                      {"Scoring", "True"},
                                      {"mnuScoringOn.Checked", "True"},
                                      {"mnuScoringOff.Checked", "False"},
                                      {"AceKing", "True"},
                                      {"ClickCardPileTo", "False"},
                                      {"ClickFormAlso", "False"},
                                      {"mnuDiscardPDrawP.Checked", "False"},
                                      {"mnuDiscardPileB.Checked", "False"},
                                      {"mnuDiscardPileA.Checked", "True"},
                                      {"mnuAceKing.Checked", "True"},
                                      {"mnuNoAceKing.Checked", "False"}};

// Options and marks unlike anything the store holds, so a value left unset shows.
Options scrambledOptions() {
    Options o;
    o.aceKingWrap = false;
    o.drawPileClickDraws = true;
    o.backgroundClickDraws = true;
    o.scoringOn = false;
    o.showHighScoresPopup = false;
    o.shuffleCount = 0;
    return o;
}

OptionMarks marksAll(bool value) {
    OptionMarks m;
    for (OptionItem item : allOptionItems) {
        m[item] = value;
    }
    return m;
}

QString storePath() {
    return OptionStore::fileName();
}

void writeStore(const QByteArray& content) {
    QDir().mkpath(QFileInfo(storePath()).path());
    QFile file(storePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QByteArray readStore() {
    QFile file(storePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The store's lines after its one group header, sorted; the header must be "[Settings]".
QStringList storeLines() {
    QStringList lines = QString::fromUtf8(readStore()).split('\n', Qt::SkipEmptyParts);
    if (lines.isEmpty() || lines.takeFirst() != "[Settings]") {
        return {"<no [Settings] group first>"};
    }
    lines.sort();
    return lines;
}

QStringList joined(const QList<OptionStore::Entry>& entries) {
    QStringList out;
    for (const auto& [key, value] : entries) {
        out << key + '=' + value;
    }
    return out;
}

} // namespace

class OptionStoreTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstRunReadsDefaultsAndWritesNothing();
    void choosingSetsGroupAndWritesItsKeys_data();
    void choosingSetsGroupAndWritesItsKeys();
    void reloadRestoresWhatWasChosen_data();
    void reloadRestoresWhatWasChosen();
    void optionAndMarksAreReadIndependently();
    void unusableTextReadsAsDefault_data();
    void unusableTextReadsAsDefault();
    void brokenStoreDoesNotStopTheGame_data();
    void brokenStoreDoesNotStopTheGame();

private:
    QTemporaryDir scratch_;
};

void OptionStoreTest::init() {
    QDir(QFileInfo(storePath()).path()).removeRecursively();
}

void OptionStoreTest::cleanup() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       qEnvironmentVariable("XDG_CONFIG_HOME"));
}

void OptionStoreTest::firstRunReadsDefaultsAndWritesNothing() {
    QCOMPARE(storePath(), qEnvironmentVariable("XDG_CONFIG_HOME") + "/Corvelle/Corvelle.conf");

    Options options = scrambledOptions();
    OptionMarks marks = marksAll(false);
    OptionStore store;
    store.loadSettings(options, marks);

    QCOMPARE(loaded(options, marks), firstRun);
    QCOMPARE(marks, OptionMarks{});
    QVERIFY(!QFileInfo::exists(storePath()));
    QVERIFY(!QFileInfo::exists(QFileInfo(storePath()).path()));
}

void OptionStoreTest::choosingSetsGroupAndWritesItsKeys_data() {
    QTest::addColumn<OptionItem>("item");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("group");
    QTest::addColumn<QStringList>("written"); // in the order written

    const QStringList playMode{"mnuAceKing", "mnuNoAceKing"};
    const QStringList drawing{"mnuDiscardPileA", "mnuDiscardPDrawP", "mnuDiscardPileB"};
    const QStringList scoring{"mnuScoringOn", "mnuScoringOff"};
    const QStringList popUp{"mnuShowHSa", "mnuShowHSb"};
    const QStringList shuffling{"mnuShuffling1", "mnuShuffling2", "mnuShuffling3"};

    QTest::newRow("Ace King") << OptionItem::AceKing << "mnuAceKing" << playMode
                              << QStringList{"AceKing=True", "mnuAceKing.Checked=True",
                                             "mnuNoAceKing.Checked=False"};
    QTest::newRow("No Ace King") << OptionItem::NoAceKing << "mnuNoAceKing" << playMode
                                 << QStringList{"AceKing=False", "mnuAceKing.Checked=False",
                                                "mnuNoAceKing.Checked=True"};
    QTest::newRow("Discard Pile Only")
        << OptionItem::DiscardPileA << "mnuDiscardPileA" << drawing
        << QStringList{"ClickCardPileTo=False", "ClickFormAlso=False",
                       "mnuDiscardPDrawP.Checked=False", "mnuDiscardPileB.Checked=False",
                       "mnuDiscardPileA.Checked=True"};
    QTest::newRow("Discard and Draw Pile")
        << OptionItem::DiscardPDrawP << "mnuDiscardPDrawP" << drawing
        << QStringList{"ClickCardPileTo=True", "ClickFormAlso=False",
                       "mnuDiscardPDrawP.Checked=True", "mnuDiscardPileB.Checked=False",
                       "mnuDiscardPileA.Checked=False"};
    QTest::newRow("Discard Pile and Background")
        << OptionItem::DiscardPileB << "mnuDiscardPileB" << drawing
        << QStringList{"ClickCardPileTo=False", "ClickFormAlso=True",
                       "mnuDiscardPDrawP.Checked=False", "mnuDiscardPileB.Checked=True",
                       "mnuDiscardPileA.Checked=False"};
    QTest::newRow("Scoring On") << OptionItem::ScoringOn << "mnuScoringOn" << scoring
                                << QStringList{"Scoring=True", "mnuScoringOn.Checked=True",
                                               "mnuScoringOff.Checked=False"};
    QTest::newRow("Scoring Off") << OptionItem::ScoringOff << "mnuScoringOff" << scoring
                                 << QStringList{"Scoring=False", "mnuScoringOn.Checked=False",
                                                "mnuScoringOff.Checked=True"};
    QTest::newRow("Show High Scores")
        << OptionItem::ShowHSa << "mnuShowHSa" << popUp
        << QStringList{"ShowHighScores=True", "mnuShowHSa.Checked=True",
                       "mnuShowHSb.Checked=False"};
    QTest::newRow("Dont Show High Scores")
        << OptionItem::ShowHSb << "mnuShowHSb" << popUp
        << QStringList{"ShowHighScores=False", "mnuShowHSa.Checked=False",
                       "mnuShowHSb.Checked=True"};
    QTest::newRow("Shuffling 1") << OptionItem::Shuffling1 << "mnuShuffling1" << shuffling
                                 << QStringList{"Shuffles=1", "mnuShuffling1.Checked=True",
                                                "mnuShuffling2.Checked=False",
                                                "mnuShuffling3.Checked=False"};
    QTest::newRow("Shuffling 2") << OptionItem::Shuffling2 << "mnuShuffling2" << shuffling
                                 << QStringList{"Shuffles=2", "mnuShuffling1.Checked=False",
                                                "mnuShuffling2.Checked=True",
                                                "mnuShuffling3.Checked=False"};
    QTest::newRow("Shuffling 3") << OptionItem::Shuffling3 << "mnuShuffling3" << shuffling
                                 << QStringList{"Shuffles=3", "mnuShuffling1.Checked=False",
                                                "mnuShuffling2.Checked=False",
                                                "mnuShuffling3.Checked=True"};
}

// Each choice is made from two opposite starting states, so an option or mark the handler
// forgets to set cannot pass by already having the right value; the options and marks outside
// the item's group must come through untouched.
void OptionStoreTest::choosingSetsGroupAndWritesItsKeys() {
    QFETCH(OptionItem, item);
    QFETCH(QString, control);
    QFETCH(QStringList, group);
    QFETCH(QStringList, written);

    QCOMPARE(controlName(item), control);
    QCOMPARE(optionItemNamed(control), std::optional<OptionItem>(item));

    Options allOff = scrambledOptions();
    allOff.drawPileClickDraws = false;
    allOff.backgroundClickDraws = false;
    Options allOn = scrambledOptions();
    allOn.aceKingWrap = true;
    allOn.scoringOn = true;
    allOn.showHighScoresPopup = true;

    for (const bool start : {false, true}) {
        QDir(QFileInfo(storePath()).path()).removeRecursively();
        Options options = start ? allOn : allOff;
        OptionMarks marks = marksAll(start);
        QMap<QString, QString> expected = loaded(options, marks);
        for (const QString& entry : written) {
            const qsizetype eq = entry.indexOf('=');
            expected[entry.left(eq)] = entry.mid(eq + 1);
        }

        OptionStore store;
        store.choose(item, options, marks);

        QCOMPARE(loaded(options, marks), expected);
        for (const QString& name : allControls) {
            const bool want = group.contains(name) ? name == control : start;
            QCOMPARE(isChecked(marks, name), want);
        }
        QCOMPARE(joined(OptionStore::entriesFor(item, options, marks)), written);
        QStringList sorted = written;
        sorted.sort();
        QCOMPARE(storeLines(), sorted);
        QCOMPARE(store.status(), QSettings::NoError);
    }
    QVERIFY(!isChecked(OptionMarks{}, u"mnuNewGame"));
}

void OptionStoreTest::reloadRestoresWhatWasChosen_data() {
    QTest::addColumn<QStringList>("chosen");

    for (const QString& control : allControls) {
        QTest::newRow(qPrintable(control)) << QStringList{control};
    }
    QTest::newRow("every group, each keeping the others")
        << QStringList{"mnuNoAceKing",  "mnuDiscardPDrawP", "mnuScoringOff", "mnuShowHSb",
                       "mnuShuffling2", "mnuDiscardPileB",  "mnuShuffling3"};
    QTest::newRow("same item twice") << QStringList{"mnuShowHSb", "mnuShowHSb"};
}

// A restart: the choices of one run, each made with its own store object, are exactly what a
// fresh store loads in the next.
void OptionStoreTest::reloadRestoresWhatWasChosen() {
    QFETCH(QStringList, chosen);

    Options options;
    OptionMarks marks;
    for (const QString& name : chosen) {
        const std::optional<OptionItem> item = optionItemNamed(name);
        QVERIFY(item);
        OptionStore().choose(*item, options, marks);
    }
    Options reloaded = scrambledOptions();
    OptionMarks reloadedMarks = marksAll(!marks.mnuAceKing);
    OptionStore().loadSettings(reloaded, reloadedMarks);
    QCOMPARE(loaded(reloaded, reloadedMarks), loaded(options, marks));
}

void OptionStoreTest::optionAndMarksAreReadIndependently() {
    writeStore("[Settings]\n"
               "ShowHighScores=False\n"
               "mnuShowHSa.Checked=True\n"
               "mnuShowHSb.Checked=True\n"
               "Shuffles=3\n"
               "mnuShuffling2.Checked=True\n"
               "Scoring=False\n"
               "AceKing=False\n"
               "mnuAceKing.Checked=True\n"
               "ClickCardPileTo=True\n"
               "ClickFormAlso=True\n"
               "mnuDiscardPileA.Checked=False\n");
    const QByteArray before = readStore();

    Options options;
    OptionMarks marks;
    OptionStore().loadSettings(options, marks);

    QMap<QString, QString> expected = firstRun;
    expected["ShowHighScores"] = "False";
    expected["mnuShowHSb.Checked"] = "True";
    expected["Shuffles"] = "3";
    expected["mnuShuffling2.Checked"] = "True";
    expected["Scoring"] = "False";
    expected["AceKing"] = "False";
    expected["ClickCardPileTo"] = "True";
    expected["ClickFormAlso"] = "True";
    expected["mnuDiscardPileA.Checked"] = "False";
    QCOMPARE(loaded(options, marks), expected);
    QCOMPARE(readStore(), before);
}

void OptionStoreTest::unusableTextReadsAsDefault_data() {
    QTest::addColumn<QByteArray>("line"); // as it stands in the file
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("reads");

    // Keys whose default is False, so a text taken for "True" shows, and the other way round.
    QTest::newRow("TRUE") << QByteArray("ClickFormAlso=TRUE") << "ClickFormAlso"
                          << "True";
    QTest::newRow("true") << QByteArray("mnuNoAceKing.Checked=true") << "mnuNoAceKing.Checked"
                          << "True";
    QTest::newRow("fALSE") << QByteArray("Scoring=fALSE") << "Scoring"
                           << "False";
    QTest::newRow("spaces round the text are the file's")
        << QByteArray("AceKing=  False  ") << "AceKing"
        << "False";
    QTest::newRow("quoted space true") << QByteArray("ClickFormAlso=\" true\"") << "ClickFormAlso"
                                       << "False";
    QTest::newRow("quoted false space") << QByteArray("AceKing=\"false \"") << "AceKing"
                                        << "True";
    QTest::newRow("yes") << QByteArray("ClickCardPileTo=yes") << "ClickCardPileTo"
                         << "False";
    QTest::newRow("no") << QByteArray("ShowHighScores=no") << "ShowHighScores"
                        << "True";
    QTest::newRow("1 is no Boolean")
        << QByteArray("mnuShuffling3.Checked=1") << "mnuShuffling3.Checked"
        << "False";
    QTest::newRow("0 is no Boolean")
        << QByteArray("mnuScoringOn.Checked=0") << "mnuScoringOn.Checked"
        << "True";
    QTest::newRow("abc") << QByteArray("mnuDiscardPileB.Checked=abc") << "mnuDiscardPileB.Checked"
                         << "False";
    QTest::newRow("empty Boolean")
        << QByteArray("mnuDiscardPileA.Checked=") << "mnuDiscardPileA.Checked"
        << "True";
    QTest::newRow("list") << QByteArray("ClickFormAlso=True,True") << "ClickFormAlso"
                          << "False";
    QTest::newRow("raw variant") << QByteArray("ClickFormAlso=@Variant(\\0\\0\\0\\x1\\x1)")
                                 << "ClickFormAlso"
                                 << "False";

    QTest::newRow("Shuffles 2") << QByteArray("Shuffles=2") << "Shuffles"
                                << "2";
    QTest::newRow("Shuffles 3") << QByteArray("Shuffles=3") << "Shuffles"
                                << "3";
    QTest::newRow("Shuffles 4") << QByteArray("Shuffles=4") << "Shuffles"
                                << "1";
    QTest::newRow("Shuffles 0") << QByteArray("Shuffles=0") << "Shuffles"
                                << "1";
    QTest::newRow("Shuffles -2") << QByteArray("Shuffles=-2") << "Shuffles"
                                 << "1";
    QTest::newRow("Shuffles 2.5") << QByteArray("Shuffles=2.5") << "Shuffles"
                                  << "1";
    QTest::newRow("Shuffles 23") << QByteArray("Shuffles=23") << "Shuffles"
                                 << "1";
    QTest::newRow("Shuffles abc") << QByteArray("Shuffles=abc") << "Shuffles"
                                  << "1";
    QTest::newRow("Shuffles True") << QByteArray("Shuffles=True") << "Shuffles"
                                   << "1";
    QTest::newRow("Shuffles empty") << QByteArray("Shuffles=") << "Shuffles"
                                    << "1";
    QTest::newRow("Shuffles huge") << QByteArray("Shuffles=99999999999999999999") << "Shuffles"
                                   << "1";
    QTest::newRow("Shuffles raw variant")
        << QByteArray("Shuffles=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x2)") << "Shuffles"
        << "1";
    QTest::newRow("Shuffles list") << QByteArray("Shuffles=3,3") << "Shuffles"
                                   << "1";
}

// Texts the game never writes, put in the file by hand: each reads as its key's default (and
// "True"/"False" in any letter case as what they say), the other keys are not disturbed, and
// the file is not rewritten.
void OptionStoreTest::unusableTextReadsAsDefault() {
    QFETCH(QByteArray, line);
    QFETCH(QString, key);
    QFETCH(QString, reads);

    writeStore("[Settings]\n" + line + '\n');
    const QByteArray before = readStore();

    Options options = scrambledOptions();
    OptionMarks marks = marksAll(true);
    OptionStore().loadSettings(options, marks);

    QMap<QString, QString> expected = firstRun;
    expected[key] = reads;
    QCOMPARE(loaded(options, marks), expected);
    QCOMPARE(readStore(), before);
}

void OptionStoreTest::brokenStoreDoesNotStopTheGame_data() {
    QTest::addColumn<QString>("breakage");
    QTest::addColumn<bool>("saved");

    QTest::newRow("settings directory is a regular file") << "under file" << false;
    QTest::newRow("store file is a directory") << "directory" << false;
    QTest::newRow("store file holds binary junk") << "junk" << true;
}

// A store that cannot be read gives the first-run options; one that cannot be written keeps
// the player's choice in memory for this run and says so in status(); the game goes on. A
// file of junk is reported too, and the next choice replaces it with a readable one.
void OptionStoreTest::brokenStoreDoesNotStopTheGame() {
    QFETCH(QString, breakage);
    QFETCH(bool, saved);

    QVERIFY(scratch_.isValid());
    if (breakage == "under file") {
        const QString plain = scratch_.filePath("plain");
        QFile file(plain);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x");
        file.close();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, plain + "/config");
        QVERIFY(storePath().startsWith(plain + '/'));
    } else if (breakage == "directory") {
        QVERIFY(QDir().mkpath(storePath()));
    } else {
        QByteArray junk;
        for (int i = 0; i < 4096; ++i) {
            junk.append(char((i * 37 + 11) % 256));
        }
        writeStore(junk);
    }

    Options options = scrambledOptions();
    OptionMarks marks = marksAll(false);
    OptionStore store;
    store.loadSettings(options, marks);
    QCOMPARE(loaded(options, marks), firstRun);

    store.choose(OptionItem::Shuffling3, options, marks);
    QCOMPARE(options.shuffleCount, 3);
    QVERIFY(marks.mnuShuffling3);
    QVERIFY(!marks.mnuShuffling1);
    QCOMPARE(store.status() == QSettings::AccessError, !saved);

    Options reloaded;
    OptionMarks reloadedMarks;
    OptionStore().loadSettings(reloaded, reloadedMarks);
    QCOMPARE(reloaded.shuffleCount, saved ? 3 : 1);
    QCOMPARE(reloadedMarks.mnuShuffling3, saved);
}

QTEST_GUILESS_MAIN(OptionStoreTest)
#include "tst_optionstore.moc"
