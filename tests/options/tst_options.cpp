#include "options/optionstore.h"
#include "records/savedgamefile.h"
#include "tests/support/windowdriver.h"

using namespace corvelle;
using namespace corvelle::test;

namespace {

std::size_t itemNamed(const QString& control) {
    for (std::size_t i = 0; i < OptionItems.size(); ++i) {
        if (control == QLatin1String(OptionItems[i].control)) {
            return i;
        }
    }
    return OptionItems.size();
}

// The controls of the checked items, in menu order.
QStringList checked(const OptionMarks& marks) {
    QStringList names;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (marks[i]) {
            names << OptionItems[i].control;
        }
    }
    return names;
}

bool writeStore(const QByteArray& lines) {
    return QDir().mkpath(QFileInfo(OptionStore::fileName()).path()) &&
           writeFile(OptionStore::fileName(), "[Settings]\n" + lines);
}

} // namespace

// Settings that no menu could have written (both draw choices on, marks that disagree with the
// values) are read one way, the same for the menus' marks, the game and the kept game: a group
// plays as the item its values give; values that give none play as the one item stored as
// checked, else as the default item; and the marks follow the values.
class OptionsTest : public QObject {
    Q_OBJECT

    WindowFixture fixture_;

private slots:
    void initTestCase() { QVERIFY(fixture_.setUp()); }
    void init() { fixture_.reset(); }
    void cleanupTestCase() { setDialogs(nullptr); }

    void settingsNoMenuWritesReadAsOneItem_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("reads"); // the items checked apart from a first run's
        const QByteArray both = "ClickCardPileTo=True\nClickFormAlso=true\n";
        QTest::newRow("both draw choices") << both << "";
        QTest::newRow("both, one stored checked")
            << both + "mnuDiscardPileB.Checked=True\nmnuDiscardPileA.Checked=True\n"
                      "mnuDiscardPileA.Checked=False\n"
            << "mnuDiscardPileB";
        QTest::newRow("both, one checked in another case")
            << both + "mnuDiscardPDrawP.Checked=TRUE\nmnuDiscardPileB.Checked=yes\n"
            << "mnuDiscardPDrawP";
        QTest::newRow("both, two stored checked")
            << both + "mnuDiscardPDrawP.Checked=True\nmnuDiscardPileB.Checked=True\n"
            << "";
        QTest::newRow("marks against the values")
            << QByteArray("ShowHighScores=False\nmnuShowHSa.Checked=True\nShuffles=3\n"
                          "mnuShuffling1.Checked=True\nClickFormAlso=True\n"
                          "mnuDiscardPDrawP.Checked=True\n")
            << "mnuShowHSb mnuShuffling3 mnuDiscardPileB";
    }

    // Over opposite starting states; what is read is a choice of the menus, marked as such.
    void settingsNoMenuWritesReadAsOneItem() {
        QFETCH(QByteArray, file);
        QFETCH(QString, reads);
        QVERIFY(writeStore(file));
        for (const bool start : {false, true}) {
            Options options{start, start, start, start, start, 0};
            OptionMarks marks;
            marks.fill(start);
            OptionStore().loadSettings(options, marks);
            Options expected;
            for (const QString& name : reads.split(' ', Qt::SkipEmptyParts)) {
                expected = OptionStore::withItem(expected, itemNamed(name));
            }
            QCOMPARE(options, expected);
            QStringList marked = checked(OptionStore::defaultMarks());
            for (const QString& name : reads.split(' ', Qt::SkipEmptyParts)) {
                marked[int(OptionItems[itemNamed(name)].group)] = name;
            }
            QCOMPARE(checked(marks), marked);
        }
    }

    // The game kept at the close of a window that read both draw choices is resumed in the
    // next, as it was.
    void aGamePlayedWithContradictorySettingsResumes() {
        QVERIFY(writeStore("ClickCardPileTo=True\nClickFormAlso=True\nScoring=False\n"));
        auto window = fixture_.open();
        const GameState& state = window->game().state();
        click(*window, "Image3");
        QCOMPARE(state.deckPosition, TableSlots + 2);
        const GameState kept = state;
        window->close();
        auto next = fixture_.open();
        menuItem(*next, "mnuResumeGame")->trigger();
        QCOMPARE(fixture_.messages.join(" "), QString());
        QVERIFY(next->game().state() == kept);
        QVERIFY(!kept.options.drawPileClickDraws && !kept.options.backgroundClickDraws);
        QVERIFY(menuItem(*next, "mnuDiscardPileA")->isChecked() &&
                menuItem(*next, "mnuScoringOff")->isChecked());
    }

    // A kept game an older version wrote with both draw choices is read by the same rule: it
    // has no marks, so it plays as the default item.
    void anOldKeptGameWithBothDrawChoicesReadsAsTheDefault() {
        FakeDisplay display;
        DealRandom random;
        Game game(display, random);
        game.newGame(77);
        game.clickDiscardPile();
        SavedGame saved{game.state(), 0, 0};
        saved.state.options.drawPileClickDraws = saved.state.options.backgroundClickDraws = true;
        saved.state.options.aceKingWrap = false;
        const auto read = readSavedGame(writeSavedGame(saved));
        QVERIFY(read);
        SavedGame expected = saved;
        expected.state.options.drawPileClickDraws = false;
        expected.state.options.backgroundClickDraws = false;
        QVERIFY(*read == expected && whyImpossible(read->state).empty());
        saved.state.options.shuffleCount = 4; // damage, not a contradiction: refused
        QVERIFY(!whyImpossible(readSavedGame(writeSavedGame(saved))->state).empty());
    }
};

QTEST_MAIN(OptionsTest)
#include "tst_options.moc"
