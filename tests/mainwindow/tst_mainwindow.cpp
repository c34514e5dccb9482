// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/optionstore.h"
#include "tests/support/windowdriver.h"

#include <random>
#include <sys/stat.h>
#include <unistd.h>

using namespace corvelle;
using namespace corvelle::test;

namespace {

constexpr int Draw = -1, Undo = -2;

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

// The real windows as the player meets them, driven as a player would: the main window's layout,
// menus, clicks, keyboard, card sizes, options and the end of a game; the exit from every window;
// what a screen reader hears; last, the monkey (CORVELLE_MONKEY_EVENTS events, 1,500 by default,
// seeded by CORVELLE_MONKEY_SEED).
class MainWindowTest : public QObject {
    Q_OBJECT

    WindowFixture fixture_;
    const QByteArray configHome_ = qgetenv("XDG_CONFIG_HOME");
    std::mt19937 random_;
    QPointer<MainWindow> window_;

    int pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

    void start() {
        window_ = fixture_.open().release();
        window_->setAttribute(Qt::WA_DeleteOnClose);
    }

    // A random command of a random visible window: a control, a menu item or a key.
    QString act() {
        const QStringList shown = shownWindows().filter(QRegularExpression("^Form"));
        if (shown.isEmpty()) {
            start();
            return "a fresh start";
        }
        QWidget* form = topLevel(shown[pick(int(shown.size()))]);
        QList<QAction*> items;
        for (QAction* item : form->findChildren<QAction*>()) {
            if (!item->menu() && !item->isSeparator() && !item->text().isEmpty()) {
                items << item;
            }
        }
        const QList<QAbstractButton*> buttons = form->findChildren<QAbstractButton*>();
        const int what = pick(100);
        if (what < 8 && !items.isEmpty()) {
            QAction* item = items[pick(int(items.size()))];
            if (item->objectName() == "mnuExit" && pick(5) != 0) {
                return "nothing";
            }
            item->trigger();
            return form->objectName() + " " + item->objectName();
        }
        if (what < 30 && !buttons.isEmpty()) {
            QAbstractButton* button = buttons[pick(int(buttons.size()))];
            if (button->isVisible() && (button->objectName() != "Command2" || pick(20) == 0 ||
                                        form->objectName() == "Form1")) {
                button->click();
                return form->objectName() + " " + button->objectName();
            }
            return "nothing";
        }
        if (what < 40) {
            const int keys[] = {Qt::Key_Left,  Qt::Key_Right,  Qt::Key_Return,
                                Qt::Key_Space, Qt::Key_Escape, Qt::Key_D};
            const int key = keys[pick(6)];
            QTest::keyClick(form->focusWidget() ? form->focusWidget() : form, Qt::Key(key));
            return form->objectName() + " key " + QString::number(key);
        }
        if (form == window_ && what >= 97) {
            // The solver's threads work out a hint and the best score while, at once, the game
            // they work on is replaced, undone, shown at another size or closed; then their
            // answers may come.
            menuItem(*window_, "mnuHint")->trigger();
            menuItem(*window_, "mnuBestPossible")->trigger();
            const QList<QAction*> sizes = window_->findChildren<QAction*>("mnuCardSize");
            const char* const then[] = {"mnuNewGame", "Command3", "mnuCardSize", "mnuExit"};
            const int which = pick(4);
            which == 1   ? click(*window_, then[1])
            : which == 2 ? sizes[pick(int(sizes.size()))]->trigger()
                         : menuItem(*window_, then[which])->trigger();
            QTest::qWait(pick(20));
            return QString("hint, best possible score, then ") + then[which];
        }
        if (form == window_) {
            const int slot = fittingSlot(window_->game());
            clickAt(*window_,
                    slot >= 0 && pick(3) != 0 ? slotPoint(slot) : QPoint(pick(509), pick(416)));
            return "a click on the table";
        }
        return "nothing";
    }

    QString broken() {
        const QStringList shown = shownWindows();
        for (const QString& name : shown) {
            if (name.startsWith("Form") && shown.count(name) > 1) {
                return name + " is open twice";
            }
        }
        if (!window_) {
            return {};
        }
        const GameState& state = window_->game().state();
        if (const char* what = brokenInvariant(state, shownBy(*window_))) {
            return what;
        }
        for (std::size_t i = 0; i < OptionItems.size(); ++i) {
            const bool chosen = OptionStore::withItem(state.options, i) == state.options;
            if (menuItem(*window_, OptionItems[i].control)->isChecked() != chosen) {
                return QString(OptionItems[i].control) + " is marked wrongly";
            }
        }
        if (menuItem(*window_, "mnuCheatsEnabled")->isChecked() != state.cheat.cheatsEnabled ||
            menuItem(*window_, "mnuDisableCheats")->isChecked() == state.cheat.cheatsEnabled) {
            return "the cheat items are marked wrongly";
        }
        return {};
    }

    static QRect fromTwips(int left, int top, int width, int height) {
        return {left / 15, top / 15, width / 15, height / 15};
    }

    static void choose(QWidget& window, const QStringList& items) {
        for (const QString& name : items) {
            menuItem(window, qPrintable(name))->trigger();
        }
    }

    // Every name agrees with the game: the cards on the table, free or covered, and no name
    // for an emptied slot; one draw pile object; the discard, the score, the panel.
    static void verifyNamesMatchGame(MainWindow& window) {
        const GameState& state = window.game().state();
        const auto accessible = [&](const char* name, int index = -1) {
            return QAccessible::queryAccessibleInterface(control(window, name, index));
        };
        const auto words = [](int card) { return QString::fromStdString(cardName(card)); };
        for (int slot = 0; slot < TableSlots; ++slot) {
            QAccessibleInterface* card = accessible("Image1", slot);
            const bool free = slot % Rows == Rows - 1 || !state.onTable[slot + 1];
            QCOMPARE(card->role(), QAccessible::Button);
            QCOMPARE(spoken(card), state.onTable[slot] ? words(state.tableCards[slot]) : "");
            QCOMPARE(card->text(QAccessible::Description),
                     state.onTable[slot] ? (free ? "Free" : "Covered") : "");
        }
        QStringList piles;
        for (int i = 0; i < DrawPilePictures; ++i) {
            piles << spoken(accessible("Image2", i));
        }
        piles.removeAll(QString());
        const QString left = QString::number(state.drawPileCount);
        QCOMPARE(piles.size(), state.drawPileCount > 0 ? 1 : 0);
        QVERIFY(piles.value(0, "Draw pile, 0 cards").startsWith("Draw pile, " + left + " card"));
        QCOMPARE(spoken(accessible("Image3")), "Discard pile, " + words(state.discardTop));
        QCOMPARE(spoken(accessible("Label3")), "Score " + QString::number(state.score));
        QCOMPARE(spoken(accessible("Label5")), "Highest score " + labelText(window, "Label5"));
        QAccessibleInterface* panel = accessible("Frame1");
        QCOMPARE(panel->role(), QAccessible::Grouping);
        QCOMPARE(panel->text(QAccessible::Name), "Game over");
        QCOMPARE(panel->state().invisible, !state.gameOver);
    }

private slots:
    void initTestCase() { QVERIFY(fixture_.setUp()); }
    void init() {
        fixture_.reset();
        qputenv("XDG_CONFIG_HOME", configHome_);
        QCOMPARE(OptionStore::fileName(), configHome_ + "/Corvelle/Corvelle.conf");
        QDir(QFileInfo(OptionStore::fileName()).path()).removeRecursively();
    }
    void cleanupTestCase() { setDialogs(nullptr); }

    // The window's layout, its labels and their texts, and its menus: in order, with their
    // captions and check marks.
    void windowControlsLabelsAndMenusFollowTheLayout() {
        auto window = fixture_.open();
        QCOMPARE(window->objectName(), QStringLiteral("Form1"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Corvelle v" CORVELLE_VERSION));
        QWidget* table = window->centralWidget();
        QCOMPARE(table->geometry(), QRect(0, window->menuBar()->height(), 509, 416));
        QCOMPARE(window->size(), QSize(509, 416 + window->menuBar()->height()));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const QImage shot = table->grab().toImage();
        QCOMPARE(shot.pixelColor(150, 410), QColor(0, 128, 0));
        QVERIFY(shot.pixelColor(480, 250) != QColor(0, 128, 0));

        const auto at = [&](const char* name, int index, QRect place, int count = 1) {
            QWidget* widget = control(*window, QLatin1String(name), index);
            QVERIFY2(widget && widget->geometry() == place, name);
            QCOMPARE(window->findChildren<QWidget*>(QLatin1String(name)).size(), count);
        };
        for (int i = 0; i < 35; ++i) {
            at("Image1", i, fromTwips(60 + 1080 * (i / 5), 120 + 660 * (i % 5), 1035, 1575), 35);
        }
        for (int i = 0; i < 19; ++i) {
            at("Image2", i, fromTwips(60 + 120 * i, 4500, 1035, 1575), 19);
        }
        at("Image3", -1, fromTwips(3840, 4500, 1035, 1575));
        at("Frame1", -1, fromTwips(4980, 4860, 2535, 855));
        at("Command1", -1, fromTwips(300, 420, 915, 375));
        at("Command2", -1, fromTwips(1320, 420, 915, 375));
        at("Command3", -1, fromTwips(5040, 5820, 2475, 375));

        // The card of row r + 1 lies over the card of row r, picture i + 1 of the pile over i.
        const std::tuple<QPoint, const char*, int> hits[]{
            {{40, 10}, "Image1", 0},    {{40, 60}, "Image1", 1},   {{158, 126}, "Image1", 12},
            {{496, 284}, "Image1", 34}, {{6, 350}, "Image2", 0},   {{87, 350}, "Image2", 10},
            {{200, 350}, "Image2", 17}, {{290, 350}, "Image3", -1}};
        for (const auto& [point, name, index] : hits) {
            QWidget* hit = table->childAt(point);
            QVERIFY2(hit && hit->objectName() == name &&
                         (index < 0 || hit->property("index").toInt() == index),
                     name);
        }

        window->setGameOverPanelVisible(true);
        QWidget* next = control(*window, "Command1");
        QStringList order;
        while (order.size() < 3) {
            order << next->objectName();
            do {
                next = next->nextInFocusChain();
            } while (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisible());
        }
        QCOMPARE(order, (QStringList{"Command1", "Command2", "Command3"}));

        // Labels keep their place and grow from their laid-out size to fit their text; the
        // score labels are bold white text on the table, and each caption ends before its value.
        QCOMPARE(labelText(*window, "Label1") + labelText(*window, "Label2") +
                     labelText(*window, "Label4"),
                 "Sorry Game Over!Score:Highest Score:");
        window->showScore("99999");
        window->showHighestScore("88888");
        QCOMPARE(labelText(*window, "Label3") + labelText(*window, "Label5"), "9999988888");
        const std::pair<const char*, QRect> places[]{{"Label1", fromTwips(615, 180, 1260, 195)},
                                                     {"Label2", fromTwips(5100, 4380, 690, 240)},
                                                     {"Label3", fromTwips(5820, 4380, 135, 240)},
                                                     {"Label4", fromTwips(5100, 4620, 1545, 240)},
                                                     {"Label5", fromTwips(6660, 4620, 135, 240)}};
        for (int i = 0; i < 5; ++i) {
            const auto& [name, place] = places[i];
            auto* label = qobject_cast<QLabel*>(control(*window, name));
            const int textEnd = label->x() + label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(label->pos() == place.topLeft() && label->height() >= place.height() &&
                         label->x() + label->width() >= qMax(place.right() + 1, textEnd) &&
                         window->centralWidget()->rect().contains(label->geometry()),
                     name);
            QVERIFY2(i == 0 || (label->font().bold() && label->font().pointSizeF() == 9.75 &&
                                !label->autoFillBackground() &&
                                label->palette().color(QPalette::WindowText) == Qt::white),
                     name);
            QVERIFY2((i != 1 && i != 3) || textEnd < control(*window, places[i + 1].first)->x(),
                     name);
        }
        // name|caption|flags: c checkable, x ticked, d disabled; ">" for each level of nesting.
        QStringList shown;
        std::function<void(const QList<QAction*>&, const QString&)> walk =
            [&](const QList<QAction*>& actions, const QString& depth) {
                for (QAction* action : actions) {
                    shown << depth + action->objectName() + "|" +
                                 (action->isSeparator() ? "-" : action->text()) + "|" +
                                 (action->isCheckable() ? "c" : "") +
                                 (action->isChecked() ? "x" : "") +
                                 (action->isEnabled() ? "" : "d");
                    if (action->menu()) {
                        QCOMPARE(action->menu()->objectName(), action->objectName());
                        walk(action->menu()->actions(), depth + ">");
                    }
                }
            };
        walk(window->menuBar()->actions(), QString());
        QCOMPARE(
            shown.join("; "),
            QStringLiteral(
                "mnuGame|&Game|; >mnuNewGame|&NewGame|; >mnuSeperator1|-|; "
                ">mnuHighScores|&High Scores|; >mnuSeperator2|-|; >mnuExit|E&xit|; "
                "mnuOptions|&Options|; >mnuDrawingMethod|Card Drawing Method|; "
                ">>mnuDiscardPileA|Discard Pile Only|cx; "
                ">>mnuDiscardPDrawP|Discard Pile && Draw Pile|c; "
                ">>mnuDiscardPileB|Discard Pile && Background|c; >mnuCheatMode|Cheat Options|; "
                ">>mnuSelectWildCards|Select Wild Cards|; >>mnuCheatsEnabled|Cheats Enabled|c; "
                ">>mnuDisableCheats|Disable Cheats|cx; >mnuShowHighScores|High Score PopUp|; "
                ">>mnuShowHSa|Show High Scores|cx; >>mnuShowHSb|Dont Show High Scores|c; "
                ">mnuPlaymode|Play Mode|; >>mnuAceKing|Ace King - King Ace|cx; "
                ">>mnuNoAceKing|No Ace King - King Ace|c; >mnuScoring|Scoring|; "
                ">>mnuScoringOn|On|cx; >>mnuScoringOff|Off|c; >mnuShuffling|Shuffling|; "
                ">>mnuShuffling1|1|cx; >>mnuShuffling2|2|c; >>mnuShuffling3|3|c; "
                "mnuView|&View|; >mnuCardSize|&Normal Cards (100%)|cx; "
                ">mnuCardSize|&Bigger Cards (125%)|c; >mnuCardSize|&Large Cards (150%)|c; "
                ">mnuCardSize|&Very Large Cards (175%)|c; >mnuCardSize|&Huge Cards (200%)|c; "
                ">mnuViewSeparator1|-|; >mnuCardFaces|Card &Faces|; "
                ">>mnuClassicFaces|&Classic|cx; >>mnuLargePrintFaces|&Large Print|c; "
                "mnuPlay|&Play|; >mnuHint|&Hint|; >mnuBestPossible|&Best Possible Score|; "
                ">mnuPlaySeparator0|-|; >mnuRestartDeal|&Restart This Deal|; "
                ">mnuPlayDealNumber|Play &Deal Number...|; >mnuDealOfTheDay|Deal of the Da&y|; "
                ">mnuClearableOnly|Only &Clearable Tables|c; >mnuResumeGame|Resume &Last Game|d; "
                ">mnuPlaySeparator1|-|; >mnuStatistics|&Statistics|; "
                ">mnuResetStatistics|R&eset Statistics|; >mnuPlaySeparator2|-|; "
                ">mnuReviewLastRound|Re&view Last Round|d; >mnuReviewThisRound|Review &This "
                "Round|; "
                ">mnuReviewAtRoundEnd|Show Review at Round E&nd|c; "
                "mnuHelp|&Help|; >mnuAboutCorvelle|About Corvelle|; >mnuGameRules|Game Rules|"));
    }

    // The draw pile and the background pass their clicks on; a label is not the background.
    void pileAndBackgroundClicksReachTheirHandlers() {
        auto window = fixture_.open();
        const GameState& state = window->game().state();
        // Where, whether the draw pile (else the background) draws, whether the click draws.
        const std::tuple<QPoint, bool, bool> clicks[]{{{290, 350}, false, true},
                                                      {{40, 350}, true, true},
                                                      {{40, 350}, false, false},
                                                      {{150, 410}, true, false},
                                                      {{350, 298}, false, false}};
        int left = 18;
        for (const auto& [point, drawPileDraws, draws] : clicks) {
            const int discardBefore = state.discardTop;
            menuItem(*window, drawPileDraws ? "mnuDiscardPDrawP" : "mnuDiscardPileB")->trigger();
            clickAt(*window, point);
            left -= draws;
            QVERIFY(state.drawPileCount == left && (state.discardTop != discardBefore) == draws);
        }
        // A press on the background that is let go outside the table is no click.
        QTest::mousePress(window->centralWidget(), Qt::LeftButton, {}, QPoint(150, 410));
        QTest::mouseRelease(window->centralWidget(), Qt::LeftButton, {}, QPoint(150, 600));
        QCOMPARE(state.drawPileCount, left);
    }

    // A whole game with the keyboard alone: Left and Right choose a column's free card, which
    // carries the outline, Enter plays it, Space draws (never the undo button's press), Ctrl+Z
    // takes the last move back and F2 deals anew. At the end of a game that earns no place the
    // game-over panel stays up, clicks on the table say why they do nothing, and "Try Again"
    // deals anew.
    void wholeGameWithTheKeyboardAndItsEnd() {
        // No score earns a place in the Hall of Fame, so the panel stays up at the end of a game.
        QVERIFY(fixture_.fillHallOfFame(1000000000));
        auto window = fixture_.open();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const GameState& state = window->game().state();
        QWidget* table = window->centralWidget();
        QVERIFY(table->hasFocus());
        for (int step = 0; step < 500 && !state.gameOver; ++step) {
            bool played = false;
            for (int i = 0; i < Columns && !played; ++i) {
                QTest::keyClick(table, Qt::Key_Right);
                const QStringList chosen = outlined(*window, CardPicture::Outline::Chosen);
                QVERIFY(chosen.size() == 1 && chosen[0].startsWith("Image1"));
                const int slot = chosen[0].mid(6).toInt();
                QVERIFY(state.onTable[slot] && (slot % 5 == 4 || !state.onTable[slot + 1]));
                if (window->game().canPlay(slot)) {
                    const int left = state.tableCardsLeft;
                    QTest::keyClick(table, Qt::Key_Return);
                    played = state.tableCardsLeft != left;
                    QVERIFY(played);
                }
            }
            if (!played) {
                const int pile = state.drawPileCount;
                QTest::keyClick(table, Qt::Key_Space);
                QVERIFY(state.drawPileCount == pile - 1 || state.gameOver);
            }
        }
        QStringList& messages = fixture_.messages;
        QVERIFY(state.gameOver && messages.isEmpty() && fixture_.questions.isEmpty());
        QVERIFY(control(*window, "Frame1")->isVisible() && control(*window, "Label1")->isVisible());
        clickAt(*window, QPoint(290, 350));
        menuItem(*window, "mnuDiscardPileB")->trigger();
        clickAt(*window, QPoint(150, 410));
        QCOMPARE(messages, (QStringList{"The current game is over, please start a new game to "
                                        "continue playing",
                                        "Sorry no more cards left to deal!"}));
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!state.gameOver);
        QTest::keyClick(window.get(), Qt::Key_F2);
        QVERIFY(state.tableCardsLeft == 35 && state.score == 0 &&
                outlined(*window, CardPicture::Outline::Chosen).size() <= 1);
        QVERIFY(playUntil(*window, [&] { return state.gameOver; }));
        auto* tryAgain = qobject_cast<QPushButton*>(control(*window, "Command1"));
        QCOMPARE(tryAgain->text(), QStringLiteral("Try Again"));
        QTest::mouseClick(tryAgain, Qt::LeftButton);
        QVERIFY(!state.gameOver && !control(*window, "Frame1")->isVisible() && state.score == 0);
        // Each card shown comes from the file of its card; the monkey checks which cards show.
        for (CardPicture* card : window->findChildren<CardPicture*>()) {
            const QColor colour = card->grab().toImage().pixelColor(34, 52);
            QVERIFY(card->isHidden() || sameColour(colour, fixtureColour(card->picture())));
        }
        messages.clear();
        QTest::mouseClick(control(*window, "Command3"), Qt::LeftButton);
        QCOMPARE(messages, QStringList{"Sorry, but you may only undo a card movement after it "
                                       "has been completed!"});
    }

    // Each card size draws the whole window larger, and its pictures sharp: stripes two source
    // pixels wide, which smaller copies can only show as grey, stay black and white at 200%.
    void cardSizesAndFacesScaleAndSwitch() {
        QTemporaryDir dir;
        QVERIFY(writeFixturePictures(dir.path(), 2));
        setCardPictureDirectory(dir.path());
        auto window = fixture_.open();
        setCardPictureDirectory(fixture_.dir.path());
        const QList<QAction*> sizes = window->findChildren<QAction*>("mnuCardSize");
        for (const int index : {4, 2, 0}) {
            sizes[index]->trigger();
            const qreal scale = 1 + index / 4.0;
            const auto at = [scale](int twips) { return int(twips * scale / 15); };
            QCOMPARE(window->centralWidget()->size(), QSize(at(7635), at(6240)));
            QCOMPARE(control(*window, "Image1", 12)->geometry(),
                     QRect(at(2220), at(1440), at(1035), at(1575)));
            QCOMPARE(control(*window, "Command3")->geometry(),
                     QRect(at(5040), at(5820), at(2475), at(375)));
            // The text grows with the window, a pixel at most below scale, never past its place.
            const auto* label4 = qobject_cast<QLabel*>(control(*window, "Label4"));
            QFont unscaled = label4->font();
            unscaled.setPointSizeF(9.75);
            QVERIFY(label4->font().pointSizeF() > 9.75 * scale - 0.75);
            QVERIFY(QFontMetricsF(label4->font()).horizontalAdvance(label4->text()) <=
                    QFontMetricsF(unscaled).horizontalAdvance(label4->text()) * scale + 1);
            const int strongest = sharpestStep(control(*window, "Image3")->grab().toImage(), 10);
            QVERIFY2((strongest > 200) == (index == 4), qPrintable(QString::number(strongest)));
        }
        // Large Print faces show once their pictures check out (a set that cannot be shown is
        // refused and told, and the cards keep their faces).
        menuItem(*window, "mnuLargePrintFaces")->trigger();
        QVERIFY(fixture_.messages.size() == 1 && fixture_.messages[0].contains("55.jpg (missing)"));
        QVERIFY(menuItem(*window, "mnuClassicFaces")->isChecked());
        const QString large = fixture_.path("large");
        QVERIFY(writeFixturePictures(large, 16)); // wide black and white stripes
        menuItem(*window, "mnuLargePrintFaces")->trigger();
        QVERIFY(menuItem(*window, "mnuLargePrintFaces")->isChecked());
        QVERIFY(sharpestStep(control(*window, "Image3")->grab().toImage(), 10) > 200);
        auto again = fixture_.open(); // both choices are kept, each in a group of its own
        QVERIFY(again->findChildren<QAction*>("mnuCardSize")[0]->isChecked());
        QVERIFY(menuItem(*again, "mnuLargePrintFaces")->isChecked());
        menuItem(*again, "mnuClassicFaces")->trigger();
        QVERIFY(sharpestStep(control(*again, "Image3")->grab().toImage(), 10) < 100);
        QDir(large).removeRecursively();
    }

    // The View menu offers the card sizes whose window fits the screen's available area (those
    // CORVELLE_OFFERED_SIZES names, when given); any size the player wants shows as the largest
    // offered up to it, also a stored one at start-up, and the window always fits.
    void cardSizesFitTheScreen() {
        OptionStore().saveCardSize(200);
        auto window = fixture_.open();
        const QRect available = window->screen()->availableGeometry();
        const auto fits = [&] {
            return available.contains(window->frameGeometry()) &&
                   window->centralWidget()->geometry().bottom() < window->height();
        };
        QStringList offered;
        const QList<QAction*> sizes = window->findChildren<QAction*>("mnuCardSize");
        for (QAction* size : sizes) {
            offered << (size->isVisible() ? size->data().toString() : QString());
        }
        offered.removeAll(QString());
        const QByteArray expected = qgetenv("CORVELLE_OFFERED_SIZES");
        QVERIFY2(expected.isEmpty() || offered.join(' ') == expected,
                 qPrintable(offered.join(' ')));
        for (QAction* size : sizes) {
            if (size->data().toString() == offered.last()) {
                QVERIFY2(size->isChecked() && fits(), "a stored 200% shows the largest that fits");
            }
        }
        QCOMPARE(sizes.size(), 5);
        for (QAction* size : sizes) {
            size->trigger();
            const auto checked = std::find_if(sizes.begin(), sizes.end(),
                                              [](QAction* item) { return item->isChecked(); });
            const QString shown = (*checked)->data().toString();
            QVERIFY2(fits() && offered.contains(shown) && shown.toInt() <= size->data().toInt(),
                     qPrintable(size->text()));
        }
    }

    void optionsTakeEffectAndSurviveARestart() {
        const QStringList chosen{"mnuNoAceKing", "mnuDiscardPileB", "mnuScoringOff",
                                 "mnuShuffling3", "mnuShowHSb"};
        const QStringList others{"mnuAceKing", "mnuDiscardPileA", "mnuScoringOn", "mnuShuffling1",
                                 "mnuShowHSa"};
        for (const bool restarted : {false, true}) {
            auto window = fixture_.open();
            const GameState& state = window->game().state();
            const Options& options = state.options;
            QCOMPARE(QFile::exists(OptionStore::fileName()), restarted);
            if (!restarted) {
                choose(*window, {"mnuAceKing"}); // already ticked: must not untick itself
                QVERIFY(menuItem(*window, "mnuAceKing")->isChecked() && options.aceKingWrap);
                QVERIFY(playUntil(*window, [&] { return state.score > 0; }));
                const auto score = state.score;
                choose(*window, chosen);
                // Scoring off leaves the score and its label as they are.
                QVERIFY(state.score == score && labelText(*window, "Label3").toInt() == score);
            }
            QVERIFY(!options.aceKingWrap && !options.scoringOn && !options.showHighScoresPopup);
            QVERIFY(options.backgroundClickDraws && !options.drawPileClickDraws);
            QCOMPARE(options.shuffleCount, 3);
            // Scoring off hides the labels at once, yet they show at start-up.
            for (const char* label : {"Label2", "Label3", "Label4", "Label5"}) {
                QVERIFY2(control(*window, label)->isVisible() == restarted, label);
            }
            const int left = state.drawPileCount;
            clickAt(*window, QPoint(150, 410)); // the background draws, right after start-up too
            QCOMPARE(state.drawPileCount, left - 1);
        }
        auto window = fixture_.open();
        choose(*window, QStringList{"mnuScoringOff"} + others);
        QVERIFY(control(*window, "Label3")->isVisible()); // scoring on shows the labels again
        QVERIFY(window->game().state().options == Options{});
        // With the pop-up off, an entry is recorded and a new game dealt, and no window opens.
        choose(*window, {"mnuShowHSb"});
        fixture_.answer = "Pat";
        QVERIFY(playUntil(*window, [&] { return !fixture_.questions.isEmpty(); }));
        QVERIFY(!topLevel("Form4") && window->highScores().names()[0].text == "Pat");
        // The next game's score shows as the highest only once it beats the new best.
        const GameState& state = window->game().state();
        QVERIFY(playUntil(*window, [&] { return state.score > 0; }));
        const int best = QString::fromStdString(toText(window->highScores().values()[0])).toInt();
        QCOMPARE(labelText(*window, "Label5").toInt(), qMax(best, state.score));
    }

    // The cheat items put the choice in force and take it back; a high score made with a chosen
    // wild card is entered with an asterisk while the game-over panel shows, saved, a new game
    // dealt, and then the Hall of Fame opens.
    void wildCardsMarksAndTheAsteriskOfTheirHighScore() {
        ScriptedRandom random({makeDeck({{5, spades(5)}, {36, hearts(9)}}), stuckDeck()});
        auto window = fixture_.open(&random);
        const GameState& state = window->game().state();
        menuItem(*window, "mnuCheatsEnabled")->trigger(); // no card chosen: nothing changes
        QVERIFY(!state.cheat.cheatsEnabled);
        menuItem(*window, "mnuSelectWildCards")->trigger();
        QWidget* form6 = topLevel("Form6");
        QVERIFY(form6 && !window->isVisible());
        click(*form6, "Check1", 4);
        click(*form6, "Command1");
        QTRY_VERIFY(window->isVisible());
        QVERIFY(state.cheat.cheatsEnabled && state.cheat.wildMark[5] == 1);
        menuItem(*window, "mnuDisableCheats")->trigger();
        QVERIFY(!state.cheat.cheatsEnabled);
        menuItem(*window, "mnuCheatsEnabled")->trigger();
        QVERIFY(state.cheat.cheatsEnabled && state.cheat.wildMark[5] == 1);

        clickAt(*window, slotPoint(4)); // the chosen 5 of spades on a 9
        QCOMPARE(state.wildCardsPlayed, 1);
        fixture_.answer = QStringLiteral("Ann");
        fixture_.whileAsking = [&] { QVERIFY(control(*window, "Frame1")->isVisible()); };
        QVERIFY(playUntil(*window, [&] { return !fixture_.questions.isEmpty(); }));
        const QString best = QString::fromStdString(toText(window->highScores().values()[0]));
        QVERIFY(best.toInt() > 0);
        QCOMPARE(window->highScores().names()[0].text, std::string("Ann *"));
        QCOMPARE(labelText(*window, "Label5"), best);
        QVERIFY(!state.gameOver && !control(*window, "Frame1")->isVisible() &&
                state.tableCardsLeft == 35 && state.score == 0);
        QWidget* form4 = topLevel("Form4");
        QVERIFY(form4);
        QCOMPARE(labelText(*form4, "Label7", 0) + labelText(*form4, "Text1", 0), best + "Ann *");
        // Clearing the Hall of Fame shows 0 as the best and deals anew.
        click(*window, "Image3");
        menuItem(*form4, "mnuClearHS")->trigger();
        QVERIFY(labelText(*window, "Label5") == "0" && state.drawPileCount == 18);
        // "Back to Corvelle" goes back to the window standing in for the hidden main window, so
        // no second one of its kind can be opened beside it.
        menuItem(*window, "mnuSelectWildCards")->trigger();
        click(*form4, "Command1");
        QVERIFY(!window->isVisible() && topLevel("Form6") && !topLevel("Form4"));
    }

    // "Exit Corvelle" from any window, whatever other windows are open or hidden, the main
    // window's own Exit and its title bar close every window and the main window is gone; none of
    // them goes back to the game on its way out. Only the main window's own Exit leaves an open
    // Hall of Fame window. The program's own ending is checked on the real executable.
    void exitFromAnyWindowEndsEverything_data() {
        QTest::addColumn<bool>("hallOfFame");
        QTest::addColumn<QString>("standIn"); // the window shown instead of the main window
        QTest::addColumn<QString>("from");
        for (const bool hof : {false, true}) {
            for (const QString standIn : {"", "Form2", "Form5", "Form6"}) {
                QStringList froms{standIn.isEmpty() ? "Form1" : standIn};
                if (hof) {
                    froms << "Form4";
                }
                for (const QString& from : froms) {
                    QTest::addRow("%s%s, exit from %s", hof ? "Form4 " : "", qPrintable(standIn),
                                  qPrintable(from))
                        << hof << standIn << from;
                }
            }
        }
        QTest::newRow("exit from the game-over panel") << false << QString() << QString("Frame1");
        QTest::newRow("title bar") << false << QString() << QString("close");
    }

    void exitFromAnyWindowEndsEverything() {
        QFETCH(bool, hallOfFame);
        QFETCH(QString, standIn);
        QFETCH(QString, from);
        QPointer<MainWindow> window = fixture_.open().release();
        window->setAttribute(Qt::WA_DeleteOnClose);
        if (hallOfFame) {
            menuItem(*window, "mnuHighScores")->trigger();
        }
        const QMap<QString, const char*> items{{"Form2", "mnuGameRules"},
                                               {"Form5", "mnuAboutCorvelle"},
                                               {"Form6", "mnuSelectWildCards"}};
        if (!standIn.isEmpty()) {
            menuItem(*window, items[standIn])->trigger();
            QVERIFY(!window->isVisible() && topLevel(standIn));
            if (standIn == "Form6") {
                click(*topLevel(standIn), "Check1", 7); // a choice that must not reach the game
            }
        }
        WindowEvents events;
        if (from == "Form1") {
            menuItem(*window, "mnuExit")->trigger();
        } else if (from == "Frame1") {
            window->setGameOverPanelVisible(true);
            click(*window, "Command2");
        } else {
            from == "close" ? void(window->close()) : click(*topLevel(from), "Command2");
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
        QCOMPARE(shownWindows(),
                 hallOfFame && from == "Form1" ? QStringList{"Form4"} : QStringList{});
        QVERIFY(!events.seen.contains("Form1 show"));
    }

    // Every move is announced in one sentence, and every name follows it; a plain play and a
    // draw are heard on the real program (tests/x11/a11y_tree.py).
    void movesAreNamedAndAnnounced_data() {
        QTest::addColumn<QList<int>>("deck");
        QTest::addColumn<QList<int>>("moves"); // slots to play, or Draw or Undo
        QTest::addColumn<QString>("lastHeard");
        const auto list = [](const auto& deck) { return QList<int>(deck.begin(), deck.end()); };
        const QList<int> threeOnFour = list(deckWith({spades(3)}, {hearts(4), clubs(9)}));
        QTest::newRow("deal") << threeOnFour << QList<int>()
                              << "New game dealt, Four of Hearts on the discard pile, score 0";
        QTest::newRow("undo a play")
            << threeOnFour << QList{4, Undo}
            << "Undo, Three of Spades back on the table, Four of Hearts on the discard pile, "
               "score 0";
        QTest::newRow("undo a draw")
            << threeOnFour << QList{Draw, Undo}
            << "Undo, draw taken back, Four of Hearts on the discard pile, score 0";
        QTest::newRow("game over")
            << list(stuckDeck()) << QList<int>(18, Draw) << "Drew the King of Diamonds, game over";
        QList<int> clearing;
        for (int k = 0; k < TableSlots; ++k) {
            clearing << clearingOrderSlot(k);
        }
        QTest::newRow("round won") << list(clearableDeck(0)) << clearing
                                   << "Queen of Diamonds played, round won, new round dealt, "
                                      "Three of Hearts on the discard pile, score 3240";
    }

    void movesAreNamedAndAnnounced() {
        QFETCH(QList<int>, deck);
        QFETCH(QList<int>, moves);
        QFETCH(QString, lastHeard);
        std::array<int, DeckSize> cards{};
        std::copy(deck.begin(), deck.end(), cards.begin());
        ScriptedRandom random({cards});
        Announcements announcements;
        auto window = fixture_.open(&random);
        QTRY_COMPARE(announcements.heard.size(), 1);
        verifyNamesMatchGame(*window);
        for (qsizetype i = 0; i < moves.size(); ++i) {
            if (moves[i] >= 0) {
                clickAt(*window, slotPoint(moves[i]));
            } else {
                click(*window, moves[i] == Draw ? "Image3" : "Command3");
            }
            QCoreApplication::processEvents();
            QCOMPARE(announcements.heard.size(), i + 2);
            verifyNamesMatchGame(*window);
        }
        QCOMPARE(announcements.heard.last(), lastHeard);
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
        // The marks follow the values; both draw choices, with no mark stored as checked, read
        // as the group's default item.
        row("ShowHighScores=False|mnuShowHSa.Checked=True|mnuShowHSb.Checked=True|Shuffles=3|"
            "mnuShuffling2.Checked=True|Scoring=False|AceKing=False|mnuAceKing.Checked=True|"
            "ClickCardPileTo=True|ClickFormAlso=True|mnuDiscardPileA.Checked=False",
            "ShowHighScores=False mnuShowHSa.Checked=False mnuShowHSb.Checked=True Shuffles=3 "
            "mnuShuffling1.Checked=False mnuShuffling3.Checked=True Scoring=False "
            "mnuScoringOn.Checked=False mnuScoringOff.Checked=True AceKing=False "
            "mnuAceKing.Checked=False mnuNoAceKing.Checked=True");
        // "True" and "False" in any letter case; other texts read as the key's default.
        row("ClickFormAlso=TRUE|mnuNoAceKing.Checked=true|Scoring=fALSE|AceKing=  False  ",
            "ClickFormAlso=True mnuDiscardPileA.Checked=False mnuDiscardPileB.Checked=True "
            "mnuAceKing.Checked=False mnuNoAceKing.Checked=True Scoring=False "
            "mnuScoringOn.Checked=False mnuScoringOff.Checked=True AceKing=False");
        row("Shuffles=2", "Shuffles=2 mnuShuffling1.Checked=False mnuShuffling2.Checked=True");
        // Both draw choices read as the one item stored as checked; two checked: the default.
        row("ClickCardPileTo=True|ClickFormAlso=true|mnuDiscardPileB.Checked=True|"
            "mnuDiscardPileA.Checked=False",
            "ClickFormAlso=True mnuDiscardPileA.Checked=False mnuDiscardPileB.Checked=True");
        row("ClickCardPileTo=TRUE|ClickFormAlso=True|mnuDiscardPDrawP.Checked=True|"
            "mnuDiscardPileB.Checked=True|mnuDiscardPileA.Checked=False",
            "");
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

    // Random events over every control and menu command of every window, random answers, windows
    // opened and closed in every order, exits and fresh starts, the solver's threads at work while
    // the game under them changes or goes; after each event the invariants, pictures, labels and
    // check marks agree with the game, and no window is open twice.
    void randomEventsKeepEverythingInStep() {
        const int events = qEnvironmentVariableIntValue("CORVELLE_MONKEY_EVENTS");
        const auto seed = qEnvironmentVariableIsSet("CORVELLE_MONKEY_SEED")
                              ? qEnvironmentVariable("CORVELLE_MONKEY_SEED").toUInt()
                              : std::random_device()();
        random_.seed(seed);
        fixture_.reset();
        start();
        for (int event = 0; event < (events > 0 ? events : 1500); ++event) {
            fixture_.answer = pick(2) ? QString("Monkey %1").arg(event) : QString();
            const QString done = act();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (const QString what = broken(); !what.isEmpty()) {
                QFAIL(qPrintable(
                    QString("seed %1, event %2 (%3): %4").arg(seed).arg(event).arg(done, what)));
            }
        }
        qInfo("seed %u", seed);
        delete window_;
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
