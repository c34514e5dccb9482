#include "../engine/testsupport.h"
#include "../windowevents.h"
#include "cheatcommands.h"
#include "wildcardwindow.h"

#include <QCheckBox>
#include <QtTest>

using namespace corvelle;
using corvelle::test::WindowEvents;

namespace {

CheatState chosen(const QList<int>& codes) {
    CheatState cheat;
    for (int code : codes) {
        cheat.wildMark[code] = 1;
    }
    cheat.wildCount = static_cast<int>(codes.size());
    return cheat;
}

QList<int> marked(const CheatState& cheat) {
    QList<int> codes;
    for (int code = 1; code <= DeckSize; ++code) {
        if (cheat.wildMark[code] != 0) {
            codes << code;
        }
    }
    return codes;
}

QCheckBox* box(QWidget* window, int index) {
    for (auto* each : window->findChildren<QCheckBox*>("Check1")) {
        if (each->property("index").toInt() == index) {
            return each;
        }
    }
    return nullptr;
}

QList<int> ticked(QWidget* window) {
    QList<int> indices;
    for (auto* each : window->findChildren<QCheckBox*>("Check1")) {
        if (each->isChecked()) {
            indices << each->property("index").toInt();
        }
    }
    std::sort(indices.begin(), indices.end());
    return indices;
}

} // namespace

class TestCheat : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> main_;
    CheatState cheat_;
    QList<bool> changes_; // cheatsEnabled at each call telling the game the cheats changed

    WildCardWindow* open() {
        return openWildCardWindow(cheat_, main_.get(),
                                  [this] { changes_ << cheat_.cheatsEnabled; });
    }

private slots:
    void init() {
        main_ = std::make_unique<QWidget>();
        main_->setObjectName("Form1");
        main_->show();
        cheat_ = CheatState{};
        changes_.clear();
    }
    void cleanup() { // the windows close when the game goes away
        main_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Changes that leave the choice alone: the untick answering a refused seventh tick, reported
    // back; a tick reported twice; no box for the jokers or before the first.
    void boxChangesThatChooseNothing() {
        const std::tuple<QList<int>, int, bool, bool, bool> cases[]{
            {{1, 2, 3, 14, 27, 40}, 20, false, false, false},
            {{5}, 4, true, false, false},
            {{}, 4, true, false, true}, // the window ticking its own boxes while it loads
            {{}, 52, true, true, false},
            {{}, 53, true, true, false},
            {{}, -1, true, true, false}};
        for (const auto& [before, index, tick, untickAgain, loading] : cases) {
            CheatState cheat = chosen(before);
            cheat.wildSelectLoading = loading;
            QCOMPARE(wildCardBoxChanged(cheat, index, tick), untickAgain);
            QCOMPARE(marked(cheat), before);
            QVERIFY(cheat.wildCount == before.size() && !cheat.cheatsEnabled);
        }
    }

    void controlsSitWhereTheyBelong() {
        WildCardWindow* window = open();
        const std::tuple<const char*, int, const char*, QRect> controls[]{
            {"Label5", -1, "Select up to six (6) aditional wildcards", {73, 4, 263, 17}},
            {"Label1", -1, "Spades", {60, 24, 57, 17}},
            {"Label2", -1, "Clubs", {148, 24, 49, 17}},
            {"Label3", -1, "Diamonds", {212, 24, 89, 17}},
            {"Label4", -1, "Hearts", {308, 24, 57, 17}},
            {"Command1", -1, "Continue Playing", {44, 316, 129, 25}},
            {"Command2", -1, "Exit Corvelle", {248, 316, 129, 25}},
            {"Check1", 0, "Ace", {64, 44, 49, 17}},
            {"Check1", 11, "Queen", {64, 264, 61, 17}},
            {"Check1", 35, "10", {232, 224, 49, 17}},
            {"Check1", 51, "King", {312, 284, 49, 17}}};
        for (const auto& [name, index, caption, place] : controls) {
            QWidget* w = index >= 0 ? box(window, index) : window->findChild<QWidget*>(name);
            QVERIFY2(w && w->objectName() == name && w->geometry() == place, caption);
            QCOMPARE(w->property("text").toString(), caption);
            QVERIFY2(!QByteArray(name).startsWith("Label") || w->font().bold(), caption);
        }
    }

    // A fixed green window, built afresh, with one unticked green box per card but the jokers.
    void openingShowsTheWindowThenHidesTheGame() {
        WindowEvents events;
        WildCardWindow* window = open();
        QCOMPARE(events.seen, (QStringList{"Form6 show", "Form1 hide"}));
        QVERIFY(window->isVisible() && !main_->isVisible() && changes_.isEmpty());
        QCOMPARE(window->windowTitle(), "Cheat Mode Options Select Window");
        QVERIFY(window->size() == QSize(417, 353) &&
                window->minimumSize() == window->maximumSize());
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(!(flags & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
        QVERIFY(flags & Qt::WindowCloseButtonHint && window->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(window->autoFillBackground() &&
                window->palette().color(QPalette::Window) == QColor(Qt::darkGreen));
        QCOMPARE(window->findChildren<QCheckBox*>().size(), 52);
        for (int index = 0; index < 52; ++index) {
            QCheckBox* each = box(window, index);
            QVERIFY(each != nullptr && !each->isChecked() && each->autoFillBackground());
            QCOMPARE(each->palette().color(each->backgroundRole()), QColor(Qt::darkGreen));
        }
        QStringList tabOrder; // the buttons take the focus first
        for (QWidget* w = window->nextInFocusChain(); w != window && tabOrder.size() < 2;
             w = w->nextInFocusChain()) {
            if ((w->focusPolicy() & Qt::TabFocus) != 0) {
                tabOrder << w->objectName();
            }
        }
        QCOMPARE(tabOrder, (QStringList{"Command1", "Command2"}));
    }

    // Cards chosen before show ticked and count towards the six, not again when shown.
    void reopenedWithThreeChosenASeventhTickDoesNotStay() {
        cheat_ = chosen({4, 17, 46});
        WildCardWindow* window = open();
        QCOMPARE(ticked(window), (QList<int>{3, 16, 45}));
        QVERIFY(cheat_.wildCount == 3 && !cheat_.wildSelectLoading);
        for (int index : {0, 1, 2}) {
            box(window, index)->click();
        }
        QCheckBox* seventh = box(window, 20);
        seventh->click();
        QVERIFY(!seventh->isChecked() && cheat_.wildCount == 6);
        QCOMPARE(marked(cheat_), (QList<int>{1, 2, 3, 4, 17, 46}));
        QCOMPARE(ticked(window), (QList<int>{0, 1, 2, 3, 16, 45}));
        QTest::mouseClick(seventh, Qt::LeftButton, {}, QPoint(8, seventh->height() / 2));
        QVERIFY(!seventh->isChecked() && cheat_.wildCount == 6);
        box(window, 16)->click();
        QVERIFY(cheat_.wildCount == 5 && cheat_.wildMark[17] == 0);
        seventh->click();
        QVERIFY(seventh->isChecked() && cheat_.wildCount == 6 && cheat_.wildMark[21] == 1);
        QVERIFY(!cheat_.cheatsEnabled);
    }

    void leavingTheWindow_data() {
        QTest::addColumn<QList<int>>("before"); // chosen and in force before the window opens
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("by"); // the button, or none for the title bar
        QTest::addColumn<bool>("enabled");
        QTest::newRow("a card chosen") << QList<int>{} << QList<int>{4} << "Command1" << true;
        QTest::newRow("nothing chosen") << QList<int>{} << QList<int>{} << "Command1" << false;
        QTest::newRow("last one unticked") << QList<int>{9} << QList<int>{8} << "Command1" << false;
        QTest::newRow("one of two off") << QList<int>{9, 30} << QList<int>{8} << "Command1" << true;
        QTest::newRow("title bar") << QList<int>{} << QList<int>{30} << "" << true;
        QTest::newRow("Exit Corvelle") << QList<int>{} << QList<int>{30} << "Command2" << false;
    }

    // "Continue Playing" and the title bar return to the game with the choice in force; "Exit
    // Corvelle" closes the game, then the window, and puts nothing in force.
    void leavingTheWindow() {
        QFETCH(QList<int>, before);
        QFETCH(QList<int>, clicks);
        QFETCH(QString, by);
        QFETCH(bool, enabled);
        cheat_ = chosen(before);
        cheat_.cheatsEnabled = !before.isEmpty();
        QPointer<QWidget> window = open();
        for (int index : clicks) {
            box(window, index)->click();
        }
        WindowEvents events;
        if (by.isEmpty()) {
            QVERIFY(window->close());
        } else {
            QTest::mouseClick(window->findChild<QAbstractButton*>(by), Qt::LeftButton);
        }
        const bool exit = by == "Command2";
        QCOMPARE(cheat_.cheatsEnabled, enabled);
        QCOMPARE(changes_, exit ? QList<bool>{} : QList<bool>{enabled});
        QCOMPARE(main_->isVisible(), !exit);
        QCOMPARE(events.seen.filter("close").join(','),
                 exit ? "Form1 close,Form6 close" : "Form6 close");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }

    // Slot 4: the 5 of spades, free, on the 10 of diamonds; it fits only as a wild card.
    void aChosenWildCardPlaysIsCountedAndUndone() {
        test::TestGame t({test::makeDeck({})});
        WildCardWindow* window = openWildCardWindow(t.state.cheat, main_.get(), [] {});
        box(window, 4)->click();
        window->Command1_Click();
        t.game.clickTableSlot(4);
        QVERIFY(!t.state.onTable[4] && t.state.cheat.wildCardsPlayed == 1);
        t.game.undoLastMove();
        QVERIFY(t.state.onTable[4] && t.state.cheat.wildCardsPlayed == 0);
        t.game.dealGame(Game::NewGame);
        QVERIFY(t.state.cheat.cheatsEnabled && marked(t.state.cheat) == QList<int>{5});
    }

    void windowClosesWhenTheGameGoesAway() {
        QPointer<QWidget> window = open();
        box(window, 2)->click();
        main_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }
};

QTEST_MAIN(TestCheat)
#include "tst_cheat.moc"
