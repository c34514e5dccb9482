#include "optionstore.h"
#include "windowdriver.h"

#include <sys/stat.h>
#include <unistd.h>

using namespace corvelle;
using namespace corvelle::test;

namespace {

using Values = QMap<QString, QString>;

// `values` with the space-separated "key=text" entries of `changes` put in.
Values with(Values values, const QString& changes) {
    for (const QString& entry : changes.split(' ', Qt::SkipEmptyParts)) {
        values[entry.section('=', 0, 0)] = entry.section('=', 1);
    }
    return values;
}

std::size_t itemNamed(const QString& control) {
    for (std::size_t i = 0; i < OptionItems.size(); ++i) {
        if (control == QLatin1String(OptionItems[i].control)) {
            return i;
        }
    }
    return OptionItems.size();
}

// Options and marks that start all `v` (shuffles 0), so a value that is not set shows.
struct State {
    Options o;
    OptionMarks m;

    explicit State(bool v) : o{v, v, v, v, v, 0} { m.fill(v); }
    State& load() {
        OptionStore().loadSettings(o, m);
        return *this;
    }
    // Every option and check mark, by the key it is stored under, as the store writes it.
    Values values() const {
        const auto text = [](bool b) { return QString(b ? "True" : "False"); };
        Values out{{"Shuffles", QString::number(o.shuffleCount)},
                   {"ShowHighScores", text(o.showHighScoresPopup)},
                   {"Scoring", text(o.scoringOn)},
                   {"AceKing", text(o.aceKingWrap)},
                   {"ClickCardPileTo", text(o.drawPileClickDraws)},
                   {"ClickFormAlso", text(o.backgroundClickDraws)}};
        for (std::size_t i = 0; i < m.size(); ++i) {
            out[QString(OptionItems[i].control) + ".Checked"] = text(m[i]);
        }
        return out;
    }
};

const Values firstRun =
    with(State(false).values(),
         "Shuffles=1 ShowHighScores=True mnuShowHSa.Checked=True mnuShuffling1.Checked=True "
         "Scoring=True mnuScoringOn.Checked=True AceKing=True mnuDiscardPileA.Checked=True "
         "mnuAceKing.Checked=True");

void writeStore(const QByteArray& content) {
    QVERIFY(QDir().mkpath(QFileInfo(OptionStore::fileName()).path()));
    QVERIFY(writeFile(OptionStore::fileName(), content));
}

} // namespace

class OptionStoreTest : public QObject {
    Q_OBJECT

    const QByteArray configHome_ = qgetenv("XDG_CONFIG_HOME");

private slots:
    void init() {
        qputenv("XDG_CONFIG_HOME", configHome_);
        QCOMPARE(OptionStore::fileName(), configHome_ + "/Corvelle/Corvelle.conf");
        QDir(QFileInfo(OptionStore::fileName()).path()).removeRecursively();
    }

    void choosingSetsGroupAndWritesItsKeys_data() {
        QTest::addColumn<QString>("written");
        // Each group's items and what choosing each one stores.
        const auto group = [](const QStringList& items, const QStringList& options) {
            for (int i = 0; i < items.size(); ++i) {
                QString written = options[i];
                for (const QString& item : items) {
                    written += ' ' + item + ".Checked=" + (item == items[i] ? "True" : "False");
                }
                QTest::newRow(qPrintable(items[i])) << written;
            }
        };
        group({"mnuAceKing", "mnuNoAceKing"}, {"AceKing=True", "AceKing=False"});
        group({"mnuDiscardPileA", "mnuDiscardPDrawP", "mnuDiscardPileB"},
              {"ClickCardPileTo=False ClickFormAlso=False",
               "ClickCardPileTo=True ClickFormAlso=False",
               "ClickCardPileTo=False ClickFormAlso=True"});
        group({"mnuScoringOn", "mnuScoringOff"}, {"Scoring=True", "Scoring=False"});
        group({"mnuShowHSa", "mnuShowHSb"}, {"ShowHighScores=True", "ShowHighScores=False"});
        group({"mnuShuffling1", "mnuShuffling2", "mnuShuffling3"},
              {"Shuffles=1", "Shuffles=2", "Shuffles=3"});
    }

    // From opposite starting states, so a value the handler forgets shows; the rest stays as it
    // was. Then a restart: a fresh store loads what was chosen, and the defaults for the rest.
    void choosingSetsGroupAndWritesItsKeys() {
        QFETCH(QString, written);
        const std::size_t item = itemNamed(QTest::currentDataTag());
        QVERIFY(item < OptionItems.size());
        for (const bool start : {false, true}) {
            init();
            State state(start);
            const Values expected = with(state.values(), written);
            OptionStore store;
            store.choose(item, state.o, state.m);
            QCOMPARE(state.values(), expected);
            QStringList entries = written.split(' ');
            entries.sort();
            QCOMPARE(readFile(OptionStore::fileName()),
                     ("[Settings]\n" + entries.join('\n') + '\n').toUtf8());
            QCOMPARE(store.status(), QSettings::NoError);
            QCOMPARE(State(!start).load().values(), with(firstRun, written));
        }
    }

    void loadingReadsEachKeyOnItsOwn_data() {
        QTest::addColumn<QByteArray>("file"); // the lines after "[Settings]"; null: no store
        QTest::addColumn<QString>("reads");   // what differs from a first run
        // Lines separated by '|'; no `reads`: the file's own texts, by the same keys.
        const auto row = [](const QString& file, const char* reads = nullptr) {
            QTest::newRow(qPrintable(file))
                << QString(file).replace('|', '\n').toUtf8()
                << (reads ? QString(reads) : QString(file).replace('|', ' '));
        };
        QTest::newRow("first run") << QByteArray() << QString();
        row("ShowHighScores=False|mnuShowHSa.Checked=True|mnuShowHSb.Checked=True|Shuffles=3|"
            "mnuShuffling2.Checked=True|Scoring=False|AceKing=False|mnuAceKing.Checked=True|"
            "ClickCardPileTo=True|ClickFormAlso=True|mnuDiscardPileA.Checked=False");
        // "True" and "False" in any letter case; other texts read as the key's default.
        row("ClickFormAlso=TRUE|mnuNoAceKing.Checked=true|Scoring=fALSE|AceKing=  False  ",
            "ClickFormAlso=True mnuNoAceKing.Checked=True Scoring=False AceKing=False");
        row("Shuffles=2");
        for (const QString& bad :
             QString("ClickFormAlso=\" true\"|ClickCardPileTo=yes|mnuShuffling3.Checked=1|"
                     "mnuDiscardPileA.Checked=|ClickFormAlso=True,True|"
                     "ClickFormAlso=@Variant(\\0\\0\\0\\x1\\x1)|Shuffles=4|Shuffles=0|"
                     "Shuffles=2.5|Shuffles=True|Shuffles=3,3|"
                     "Shuffles=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x2)")
                 .split('|')) {
            row(bad, "");
        }
    }

    // Loaded over opposite starting states; loading never writes, nor creates the store.
    void loadingReadsEachKeyOnItsOwn() {
        QFETCH(QByteArray, file);
        QFETCH(QString, reads);
        for (const bool start : {false, true}) {
            if (!file.isNull()) {
                writeStore("[Settings]\n" + file + '\n');
            }
            const QByteArray before = readFile(OptionStore::fileName());
            QCOMPARE(State(start).load().values(), with(firstRun, reads));
            QCOMPARE(readFile(OptionStore::fileName()), before);
            QCOMPARE(QFileInfo::exists(QFileInfo(OptionStore::fileName()).path()), !file.isNull());
        }
    }

    // An unreadable store gives the defaults; an unwritable one keeps the choice in memory and
    // says so; a junk file is replaced by a readable one at the next choice; a FIFO in its place
    // is never opened, and the player is told once.
    void brokenStoreDoesNotStopTheGame() {
        for (const int breakage : {0, 1, 2, 3}) { // under a plain file, a directory, junk, FIFO
            init();
            const bool saved = breakage == 2;
            QTemporaryFile plain;
            if (breakage == 0) {
                QVERIFY(plain.open());
                qputenv("XDG_CONFIG_HOME", plain.fileName().toLocal8Bit() + "/config");
            } else if (breakage == 1) {
                QVERIFY(QDir().mkpath(OptionStore::fileName()));
            } else if (breakage == 2) {
                writeStore(QByteArray("\x00\xff[\x01=\x9c\n\xfe]\x7f\x00", 10).repeated(400));
            } else {
                QVERIFY(QDir().mkpath(QFileInfo(OptionStore::fileName()).path()));
                QVERIFY(mkfifo(qPrintable(OptionStore::fileName()), 0600) == 0);
            }
            alarm(10);
            State state(false);
            OptionStore store;
            store.loadSettings(state.o, state.m);
            QCOMPARE(store.takeProblem().isEmpty(), breakage % 2 == 0); // no file at all
            QVERIFY2(state.values() == firstRun, qPrintable(QString::number(breakage)));
            const std::size_t three = itemNamed("mnuShuffling3");
            store.choose(three, state.o, state.m);
            QVERIFY(state.o.shuffleCount == 3 && state.m[three] && !state.m[three - 2]);
            QCOMPARE(store.status() == QSettings::AccessError, !saved);
            QCOMPARE(state.load().o.shuffleCount == 3 && state.m[three], saved);
            QVERIFY(store.takeProblem().isEmpty());
            alarm(0);
            init();
        }
    }
};

QTEST_GUILESS_MAIN(OptionStoreTest)
#include "tst_optionstore.moc"
