#include "cheatcommands.h"
#include "wildcardwindow.h"
#include "windowdriver.h"

#include <QCheckBox>
#include <QtTest>

using namespace corvelle;
using namespace corvelle::test;

namespace {

CheatChoice chosen(const QList<int>& codes) {
    CheatChoice cheat;
    for (int code : codes) {
        cheat.wildMark[code] = 1;
    }
    cheat.wildCount = static_cast<int>(codes.size());
    return cheat;
}

QList<int> marked(const CheatChoice& cheat) {
    QList<int> codes;
    for (int code = 1; code <= DeckSize; ++code) {
        if (cheat.wildMark[code] != 0) {
            codes << code;
        }
    }
    return codes;
}

QCheckBox* box(QWidget* window, int index) {
    return qobject_cast<QCheckBox*>(control(*window, "Check1", index));
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
    CheatChoice cheat_;   // the game's choice: what the window was opened with and gave back
    QList<bool> changes_; // cheatsEnabled each time the window gave the choice back

    WildCardWindow* open() {
        return openWildCardWindow(cheat_, main_.get(), [this](const CheatChoice& choice) {
            cheat_ = choice;
            changes_ << choice.cheatsEnabled;
        });
    }

private slots:
    void init() {
        main_ = std::make_unique<QWidget>();
        main_->setObjectName("Form1");
        main_->show();
        cheat_ = CheatChoice{};
        changes_.clear();
    }
    void cleanup() { // the windows close when the game goes away
        main_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Changes that leave the choice alone: the untick answering a refused seventh tick, reported
    // back; a tick reported twice; no box for the jokers or before the first.
    void boxChangesThatChooseNothing() {
        const std::tuple<QList<int>, int, bool, bool> cases[]{
            {{1, 2, 3, 14, 27, 40}, 20, false, false},
            {{5}, 4, true, false},
            {{}, 52, true, true},
            {{}, 53, true, true},
            {{}, -1, true, true}};
        for (const auto& [before, index, tick, untickAgain] : cases) {
            CheatChoice cheat = chosen(before);
            QCOMPARE(wildCardBoxChanged(cheat, index, tick), untickAgain);
            QCOMPARE(marked(cheat), before);
            QVERIFY(cheat.wildCount == before.size() && !cheat.cheatsEnabled);
        }
    }

    // A fixed green window, shown before the game hides, built afresh, with one unticked green
    // box per card but the jokers, the buttons first in the tab order.
    void openingShowsTheWindowThenHidesTheGame() {
        WindowEvents events;
        WildCardWindow* window = open();
        QCOMPARE(events.seen, (QStringList{"Form6 show", "Form1 hide"}));
        QVERIFY(window->isVisible() && !main_->isVisible() && changes_.isEmpty());
        QCOMPARE(windowFacts(*window),
                 "Cheat Mode Options Select Window|417x353|close|green|Command1 Command2 Check1");
        QCOMPARE(
            misplaced(*window,
                      {{"Label5", -1, {73, 4, 263, 17}, "Select up to six (6) aditional wildcards"},
                       {"Label1", -1, {60, 24, 57, 17}, "Spades"},
                       {"Label2", -1, {148, 24, 49, 17}, "Clubs"},
                       {"Label3", -1, {212, 24, 89, 17}, "Diamonds"},
                       {"Label4", -1, {308, 24, 57, 17}, "Hearts"},
                       {"Command1", -1, {44, 316, 129, 25}, "Continue Playing"},
                       {"Command2", -1, {248, 316, 129, 25}, "Exit Corvelle"},
                       {"Check1", 0, {64, 44, 49, 17}, "Ace"},
                       {"Check1", 11, {64, 264, 61, 17}, "Queen"},
                       {"Check1", 35, {232, 224, 49, 17}, "10"},
                       {"Check1", 51, {312, 284, 49, 17}, "King"}}),
            "");
        QVERIFY(control(*window, "Label5")->font().bold() &&
                control(*window, "Label4")->font().bold());
        QCOMPARE(window->findChildren<QCheckBox*>().size(), 52);
        for (int index = 0; index < 52; ++index) {
            QCheckBox* each = box(window, index);
            QVERIFY(each != nullptr && !each->isChecked() && each->autoFillBackground());
            QCOMPARE(each->palette().color(each->backgroundRole()), QColor(0, 128, 0));
        }
    }

    // Cards chosen before show ticked and count towards the six, not again when shown.
    void reopenedWithThreeChosenASeventhTickDoesNotStay() {
        cheat_ = chosen({4, 17, 46});
        WildCardWindow* window = open();
        QCOMPARE(ticked(window), (QList<int>{3, 16, 45}));
        for (int index : {0, 1, 2}) {
            box(window, index)->click();
        }
        QCheckBox* seventh = box(window, 20);
        seventh->click();
        QVERIFY(!seventh->isChecked());
        QCOMPARE(ticked(window), (QList<int>{0, 1, 2, 3, 16, 45}));
        QTest::mouseClick(seventh, Qt::LeftButton, {}, QPoint(8, seventh->height() / 2));
        QVERIFY(!seventh->isChecked());
        box(window, 16)->click();
        seventh->click();
        QVERIFY(seventh->isChecked());
        window->Command1_Click();
        QCOMPARE(marked(cheat_), (QList<int>{1, 2, 3, 4, 21, 46}));
        QVERIFY(cheat_.wildCount == 6 && cheat_.cheatsEnabled);
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
        QTest::newRow("Escape") << QList<int>{} << QList<int>{30} << "Escape" << true;
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
        if (by == "Escape") {
            QTest::keyClick(window, Qt::Key_Escape);
        } else if (by.isEmpty()) {
            QVERIFY(window->close());
        } else {
            QTest::mouseClick(window->findChild<QAbstractButton*>(by), Qt::LeftButton);
        }
        const bool exit = by == "Command2";
        QCOMPARE(changes_, exit ? QList<bool>{} : QList<bool>{enabled});
        QCOMPARE(main_->isVisible(), !exit);
        QCOMPARE(events.seen.filter("close").join(','),
                 exit ? "Form1 close,Form6 close" : "Form6 close");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }

    void windowClosesWhenTheGameGoesAway() {
        QPointer<QWidget> window = open();
        box(window, 2)->click();
        main_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull() && changes_.isEmpty()); // never back to a game that is gone
    }
};

QTEST_MAIN(TestCheat)
#include "tst_cheat.moc"
