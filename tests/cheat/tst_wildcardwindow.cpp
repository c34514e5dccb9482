#include "cheatcommands.h"
#include "game.h"
#include "playsupport.h"
#include "wildcardwindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace corvelle;

namespace {

// Records the show, hide and close events of every top-level window, in order.
class WindowEvents : public QObject {
public:
    QStringList seen;

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->isWindow()) {
            const char* kind = event->type() == QEvent::Show    ? "show"
                               : event->type() == QEvent::Hide  ? "hide"
                               : event->type() == QEvent::Close ? "close"
                                                                : nullptr;
            if (kind != nullptr) {
                seen.append(widget->objectName() + QLatin1Char(' ') + QLatin1String(kind));
            }
        }
        return false;
    }
};

QCheckBox* box(QWidget* window, int index) {
    for (auto* candidate : window->findChildren<QCheckBox*>(QStringLiteral("Check1"))) {
        if (candidate->property("index").toInt() == index) {
            return candidate;
        }
    }
    return nullptr;
}

QList<int> tickedBoxes(QWidget* window) {
    QList<int> ticked;
    for (auto* candidate : window->findChildren<QCheckBox*>(QStringLiteral("Check1"))) {
        if (candidate->isChecked()) {
            ticked.append(candidate->property("index").toInt());
        }
    }
    std::sort(ticked.begin(), ticked.end());
    return ticked;
}

QList<int> markedCodes(const CheatState& cheat) {
    QList<int> codes;
    for (int code = 1; code <= DeckSize; ++code) {
        if (cheat.wildMark[code] == 1) {
            codes.append(code);
        }
    }
    return codes;
}

void waitForDeletion(const QPointer<QWidget>& window) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
}

QList<QWidget*> tabChain(QWidget* window) {
    QList<QWidget*> chain;
    for (QWidget* w = window->nextInFocusChain(); w != window && chain.size() < 500;
         w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) != 0) {
            chain.append(w);
        }
    }
    return chain;
}

} // namespace

class TestWildCardWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsSitWhereTheyBelong_data();
    void controlsSitWhereTheyBelong();
    void windowIsFixedGreenAndHasOneBoxPerOrdinaryCard();
    void openingShowsTheWindowThenHidesTheGame();
    void aSeventhTickDoesNotStay();
    void reopeningShowsTheChosenBoxesAndCountsOn();
    void continuePlayingPutsTheChoiceInForce_data();
    void continuePlayingPutsTheChoiceInForce();
    void closingThroughTheTitleBarContinuesPlaying();
    void exitClosesTheGameThenTheWindow();
    void aChosenWildCardPlaysIsCountedAndUndone();
    void windowClosesWhenTheGameGoesAway();

private:
    WildCardWindow* open();

    std::unique_ptr<QWidget> mainWindow_;
    CheatState cheat_;
    int cheatsChangedCalls_ = 0;
    bool enabledAtLastCall_ = false;
};

void TestWildCardWindow::init() {
    mainWindow_ = std::make_unique<QWidget>();
    mainWindow_->setObjectName(QStringLiteral("Form1"));
    mainWindow_->show();
    cheat_ = CheatState{};
    cheatsChangedCalls_ = 0;
    enabledAtLastCall_ = false;
}

void TestWildCardWindow::cleanup() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != mainWindow_.get()) {
            delete window;
        }
    }
    mainWindow_.reset();
}

WildCardWindow* TestWildCardWindow::open() {
    return openWildCardWindow(cheat_, mainWindow_.get(), [this] {
        ++cheatsChangedCalls_;
        enabledAtLastCall_ = cheat_.cheatsEnabled;
    });
}

void TestWildCardWindow::controlsSitWhereTheyBelong_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("place");

    QTest::newRow("heading") << "Label5" << -1 << "Select up to six (6) aditional wildcards"
                             << QRect(73, 4, 263, 17);
    QTest::newRow("Spades") << "Label1" << -1 << "Spades" << QRect(60, 24, 57, 17);
    QTest::newRow("Clubs") << "Label2" << -1 << "Clubs" << QRect(148, 24, 49, 17);
    QTest::newRow("Diamonds") << "Label3" << -1 << "Diamonds" << QRect(212, 24, 89, 17);
    QTest::newRow("Hearts") << "Label4" << -1 << "Hearts" << QRect(308, 24, 57, 17);
    QTest::newRow("Continue Playing")
        << "Command1" << -1 << "Continue Playing" << QRect(44, 316, 129, 25);
    QTest::newRow("Exit Corvelle")
        << "Command2" << -1 << "Exit Corvelle" << QRect(248, 316, 129, 25);
    QTest::newRow("Ace of Spades") << "Check1" << 0 << "Ace" << QRect(64, 44, 49, 17);
    QTest::newRow("Queen of Spades") << "Check1" << 11 << "Queen" << QRect(64, 264, 61, 17);
    QTest::newRow("King of Spades") << "Check1" << 12 << "King" << QRect(64, 284, 49, 17);
    QTest::newRow("10 of Diamonds") << "Check1" << 35 << "10" << QRect(232, 224, 49, 17);
    QTest::newRow("Queen of Diamonds") << "Check1" << 37 << "Queen" << QRect(232, 264, 61, 17);
    QTest::newRow("King of Hearts") << "Check1" << 51 << "King" << QRect(312, 284, 49, 17);
}

void TestWildCardWindow::controlsSitWhereTheyBelong() {
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QRect, place);

    WildCardWindow* window = open();
    QWidget* control = index >= 0 ? box(window, index) : window->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->objectName(), name);
    QCOMPARE(control->geometry(), place);
    if (auto* label = qobject_cast<QLabel*>(control)) {
        QCOMPARE(label->text(), caption);
        QVERIFY(label->font().bold());
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QCOMPARE(button->text(), caption);
    } else {
        QFAIL("unexpected kind of control");
    }
}

void TestWildCardWindow::windowIsFixedGreenAndHasOneBoxPerOrdinaryCard() {
    WildCardWindow* window = open();
    QCOMPARE(window->objectName(), QStringLiteral("Form6"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Cheat Mode Options Select Window"));
    QCOMPARE(window->size(), QSize(417, 353));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
    const QColor green(0, 128, 0);
    QCOMPARE(window->palette().color(QPalette::Window), green);
    QVERIFY(window->autoFillBackground());

    const auto boxes = window->findChildren<QCheckBox*>();
    QCOMPARE(boxes.size(), 52);
    QSet<int> indices;
    for (QCheckBox* each : boxes) {
        QCOMPARE(each->objectName(), QStringLiteral("Check1"));
        indices.insert(each->property("index").toInt());
        QCOMPARE(each->palette().color(each->backgroundRole()), green);
        QVERIFY(each->autoFillBackground());
        QVERIFY(!each->isChecked());
    }
    QCOMPARE(indices.size(), 52);
    QCOMPARE(*std::min_element(indices.begin(), indices.end()), 0);
    QCOMPARE(*std::max_element(indices.begin(), indices.end()), 51);

    const QList<QWidget*> chain = tabChain(window);
    QVERIFY(chain.size() >= 2);
    QCOMPARE(chain.at(0)->objectName(), QStringLiteral("Command1"));
    QCOMPARE(chain.at(1)->objectName(), QStringLiteral("Command2"));
}

void TestWildCardWindow::openingShowsTheWindowThenHidesTheGame() {
    WindowEvents events;
    qApp->installEventFilter(&events);
    WildCardWindow* window = open();
    qApp->removeEventFilter(&events);
    QVERIFY(window->isVisible());
    QVERIFY(!mainWindow_->isVisible());
    QCOMPARE(events.seen.filter(QStringLiteral("Form")),
             (QStringList{QStringLiteral("Form6 show"), QStringLiteral("Form1 hide")}));
    QCOMPARE(cheatsChangedCalls_, 0);
}

void TestWildCardWindow::aSeventhTickDoesNotStay() {
    WildCardWindow* window = open();
    const QList<int> six{0, 14, 28, 42, 51, 7};
    for (int index : six) {
        box(window, index)->click();
    }
    QCOMPARE(cheat_.wildCount, 6);

    QCheckBox* seventh = box(window, 20);
    seventh->click();
    QVERIFY(!seventh->isChecked());
    QCOMPARE(cheat_.wildCount, 6);
    QCOMPARE(cheat_.wildMark[21], 0);
    QCOMPARE(markedCodes(cheat_), (QList<int>{1, 8, 15, 29, 43, 52}));
    QCOMPARE(tickedBoxes(window), (QList<int>{0, 7, 14, 28, 42, 51}));

    // The same refusal through a mouse click on the box.
    QTest::mouseClick(seventh, Qt::LeftButton, {}, QPoint(8, seventh->height() / 2));
    QVERIFY(!seventh->isChecked());
    QCOMPARE(cheat_.wildCount, 6);

    box(window, 14)->click();
    QCOMPARE(cheat_.wildCount, 5);
    QCOMPARE(cheat_.wildMark[15], 0);
    seventh->click();
    QVERIFY(seventh->isChecked());
    QCOMPARE(cheat_.wildCount, 6);
    QCOMPARE(cheat_.wildMark[21], 1);
    QVERIFY(!cheat_.cheatsEnabled);
}

void TestWildCardWindow::reopeningShowsTheChosenBoxesAndCountsOn() {
    WildCardWindow* window = open();
    for (int index : {3, 16, 45}) {
        box(window, index)->click();
    }
    window->Command1_Click();
    QVERIFY(mainWindow_->isVisible());

    QPointer<QWidget> first = window;
    waitForDeletion(first);
    window = open();
    QCOMPARE(tickedBoxes(window), (QList<int>{3, 16, 45}));
    QCOMPARE(cheat_.wildCount, 3);
    QVERIFY(!cheat_.wildSelectLoading);

    for (int index : {0, 1, 2, 10}) {
        box(window, index)->click();
    }
    QCOMPARE(cheat_.wildCount, 6);
    QCOMPARE(tickedBoxes(window), (QList<int>{0, 1, 2, 3, 16, 45}));
    QVERIFY(!box(window, 10)->isChecked());
}

void TestWildCardWindow::continuePlayingPutsTheChoiceInForce_data() {
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("a card chosen") << QList<int>{} << QList<int>{4} << true;
    QTest::newRow("nothing chosen") << QList<int>{} << QList<int>{} << false;
    QTest::newRow("last chosen card unticked, cheats were on")
        << QList<int>{9} << QList<int>{8} << false;
    QTest::newRow("one of two unticked") << QList<int>{9, 30} << QList<int>{8} << true;
}

void TestWildCardWindow::continuePlayingPutsTheChoiceInForce() {
    QFETCH(QList<int>, before);
    QFETCH(QList<int>, clicks);
    QFETCH(bool, enabled);

    for (int code : before) {
        cheat_.wildMark[code] = 1;
    }
    cheat_.wildCount = static_cast<int>(before.size());
    cheat_.cheatsEnabled = !before.isEmpty();

    QPointer<QWidget> window = open();
    for (int index : clicks) {
        box(window, index)->click();
    }
    auto* continueButton = window->findChild<QPushButton*>(QStringLiteral("Command1"));
    QTest::mouseClick(continueButton, Qt::LeftButton);

    QCOMPARE(cheat_.cheatsEnabled, enabled);
    QCOMPARE(cheatsChangedCalls_, 1);
    QCOMPARE(enabledAtLastCall_, enabled);
    QVERIFY(mainWindow_->isVisible());
    waitForDeletion(window);
}

void TestWildCardWindow::closingThroughTheTitleBarContinuesPlaying() {
    QPointer<QWidget> window = open();
    box(window, 30)->click();
    QVERIFY(window->close());

    QVERIFY(cheat_.cheatsEnabled);
    QCOMPARE(cheatsChangedCalls_, 1);
    QVERIFY(enabledAtLastCall_);
    QVERIFY(mainWindow_->isVisible());
    waitForDeletion(window);
}

void TestWildCardWindow::exitClosesTheGameThenTheWindow() {
    QPointer<QWidget> window = open();
    box(window, 30)->click();
    WindowEvents events;
    qApp->installEventFilter(&events);
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
    qApp->removeEventFilter(&events);

    const QStringList closes = events.seen.filter(QStringLiteral("close"));
    QCOMPARE(closes, (QStringList{QStringLiteral("Form1 close"), QStringLiteral("Form6 close")}));
    QVERIFY(!mainWindow_->isVisible());
    QVERIFY(!cheat_.cheatsEnabled);
    QCOMPARE(cheatsChangedCalls_, 0);
    waitForDeletion(window);
}

void TestWildCardWindow::aChosenWildCardPlaysIsCountedAndUndone() {
    test::RecordingDisplay display;
    test::OrderedDeck random;
    Game game(display, random);
    game.dealGame(Game::NewGame);
    // Slot 4 holds the 5 of Spades (code 5), free at the bottom of its column; the discard
    // top is the 10 of Diamonds, so the 5 fits only as a wild card.
    QCOMPARE(game.state.tableCards[4], 5);
    QCOMPARE(game.state.discardTop, 36);

    auto* window = openWildCardWindow(game.state.cheat, mainWindow_.get(), [] {});
    box(window, 4)->click();
    window->Command1_Click();
    QVERIFY(game.state.cheat.cheatsEnabled);

    game.clickTableSlot(4);
    QVERIFY(!game.state.onTable[4]);
    QVERIFY(!display.slotVisible[4]);
    QCOMPARE(display.discardPicture, 5);
    QCOMPARE(game.state.cheat.wildCardsPlayed, 1);

    game.undoLastMove();
    QVERIFY(game.state.onTable[4]);
    QVERIFY(display.slotVisible[4]);
    QCOMPARE(display.discardPicture, 36);
    QCOMPARE(game.state.cheat.wildCardsPlayed, 0);

    disableCheats(game.state.cheat);
    game.clickTableSlot(4);
    QVERIFY(game.state.onTable[4]);
    QCOMPARE(game.state.cheat.wildCardsPlayed, 0);

    // A new game keeps the choice and whether it is in force.
    QVERIFY(enableCheats(game.state.cheat));
    game.dealGame(Game::NewGame);
    QVERIFY(game.state.cheat.cheatsEnabled);
    QCOMPARE(markedCodes(game.state.cheat), QList<int>{5});
    game.clickTableSlot(4);
    QCOMPARE(game.state.cheat.wildCardsPlayed, 1);
    QVERIFY(display.messages.empty());
}

void TestWildCardWindow::windowClosesWhenTheGameGoesAway() {
    QPointer<QWidget> window = open();
    box(window, 2)->click();
    mainWindow_.reset();
    waitForDeletion(window);
}

QTEST_MAIN(TestWildCardWindow)
#include "tst_wildcardwindow.moc"
