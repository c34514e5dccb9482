#include "cheatcommands.h"
#include "cheatmarks.h"
#include "game.h"
#include "playsupport.h"

#include <QAction>
#include <QtTest>

using namespace corvelle;

namespace {

CheatState chosen(const QList<int>& codes) {
    CheatState cheat;
    for (int code : codes) {
        cheat.wildMark[code] = 1;
    }
    cheat.wildCount = static_cast<int>(codes.size());
    return cheat;
}

int markedCards(const CheatState& cheat) {
    int n = 0;
    for (int code = 1; code <= DeckSize; ++code) {
        n += cheat.wildMark[code];
    }
    return n;
}

} // namespace

class TestCheatCommands : public QObject {
    Q_OBJECT

private slots:
    void boxChangeKeepsTheChoiceWithinSix_data();
    void boxChangeKeepsTheChoiceWithinSix();
    void disableThenEnableBringsBackTheSameCards();
    void checkMarksFollowTheStateAfterEveryMenuCommand_data();
    void checkMarksFollowTheStateAfterEveryMenuCommand();
};

void TestCheatCommands::boxChangeKeepsTheChoiceWithinSix_data() {
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<bool>("loading");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<bool>("untickAgain");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("mark");

    const QList<int> six{1, 2, 3, 14, 27, 40};
    QTest::newRow("first tick") << QList<int>{} << false << 4 << true << false << 1 << 1;
    QTest::newRow("sixth tick") << QList<int>{1, 2, 3, 14, 27} << false << 51 << true << false << 6
                                << 1;
    QTest::newRow("seventh tick refused") << six << false << 20 << true << true << 6 << 0;
    QTest::newRow("untick a chosen card") << six << false << 13 << false << false << 5 << 0;
    // The untick made in answer to a refused seventh tick, reported back as a change.
    QTest::newRow("untick of the refused box") << six << false << 20 << false << false << 6 << 0;
    QTest::newRow("tick reported twice") << QList<int>{5} << false << 4 << true << false << 1 << 1;
    QTest::newRow("window ticking its own boxes")
        << QList<int>{} << true << 4 << true << false << 0 << 0;
    QTest::newRow("no box for a joker") << QList<int>{} << false << 52 << true << true << 0 << 0;
    QTest::newRow("no box for the other joker")
        << QList<int>{} << false << 53 << true << true << 0 << 0;
    QTest::newRow("no box before the first")
        << QList<int>{} << false << -1 << true << true << 0 << 0;
}

void TestCheatCommands::boxChangeKeepsTheChoiceWithinSix() {
    QFETCH(QList<int>, before);
    QFETCH(bool, loading);
    QFETCH(int, index);
    QFETCH(bool, ticked);
    QFETCH(bool, untickAgain);
    QFETCH(int, count);
    QFETCH(int, mark);

    CheatState cheat = chosen(before);
    cheat.wildSelectLoading = loading;
    QCOMPARE(wildCardBoxChanged(cheat, index, ticked), untickAgain);
    QCOMPARE(cheat.wildCount, count);
    QCOMPARE(markedCards(cheat), count);
    if (index >= 0 && index + 1 <= DeckSize) {
        QCOMPARE(cheat.wildMark[index + 1], mark);
    }
    QCOMPARE(cheat.wildMark[53], 0);
    QCOMPARE(cheat.wildMark[54], 0);
    QVERIFY(!cheat.cheatsEnabled);
}

void TestCheatCommands::disableThenEnableBringsBackTheSameCards() {
    test::RecordingDisplay display;
    test::OrderedDeck random;
    Game game(display, random);
    game.state.cheat = chosen({5, 20});
    QVERIFY(enableCheats(game.state.cheat));
    QCOMPARE(game.cardRank(5), 0);
    QCOMPARE(game.cardRank(20), 0);

    disableCheats(game.state.cheat);
    QCOMPARE(game.cardRank(5), 5);
    QCOMPARE(game.cardRank(20), 7);
    QCOMPARE(game.state.cheat.wildCount, 2);

    QVERIFY(enableCheats(game.state.cheat));
    QCOMPARE(game.cardRank(5), 0);
    QCOMPARE(game.cardRank(20), 0);
    QCOMPARE(game.cardRank(6), 6);
}

void TestCheatCommands::checkMarksFollowTheStateAfterEveryMenuCommand_data() {
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<bool>("startEnabled");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("Cheats Enabled with none chosen changes nothing")
        << QList<int>{} << false << "enable" << false;
    QTest::newRow("Cheats Enabled with a card chosen")
        << QList<int>{9} << false << "enable" << true;
    QTest::newRow("Disable Cheats") << QList<int>{9} << true << "disable" << false;
    QTest::newRow("Cheats Enabled while already enabled")
        << QList<int>{9} << true << "enable" << true;
    QTest::newRow("Disable Cheats while already disabled")
        << QList<int>{9} << false << "disable" << false;
}

void TestCheatCommands::checkMarksFollowTheStateAfterEveryMenuCommand() {
    QFETCH(QList<int>, codes);
    QFETCH(bool, startEnabled);
    QFETCH(QString, command);
    QFETCH(bool, enabled);

    CheatState cheat = chosen(codes);
    cheat.cheatsEnabled = startEnabled;
    const CheatState before = cheat;
    QAction cheatsEnabledItem(QStringLiteral("Cheats Enabled"));
    QAction disableCheatsItem(QStringLiteral("Disable Cheats"));
    cheatsEnabledItem.setCheckable(true);
    disableCheatsItem.setCheckable(true);
    showCheatMarks(cheat, &cheatsEnabledItem, &disableCheatsItem);

    // Choosing a checkable item toggles its mark before the handler runs, as a menu does.
    QAction& item = command == QLatin1String("enable") ? cheatsEnabledItem : disableCheatsItem;
    item.trigger();
    if (command == QLatin1String("enable")) {
        enableCheats(cheat);
    } else {
        disableCheats(cheat);
    }
    showCheatMarks(cheat, &cheatsEnabledItem, &disableCheatsItem);

    QCOMPARE(cheat.cheatsEnabled, enabled);
    QCOMPARE(cheatsEnabledItem.isChecked(), enabled);
    QCOMPARE(disableCheatsItem.isChecked(), !enabled);
    QCOMPARE(cheat.wildMark, before.wildMark);
    QCOMPARE(cheat.wildCount, before.wildCount);
}

QTEST_MAIN(TestCheatCommands)
#include "tst_cheatcommands.moc"
