#include "hscorecodec.h"
#include "windowdriver.h"

#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>

using namespace corvelle;
using namespace corvelle::test;

class MainWindowTest : public QObject {
    Q_OBJECT

    WindowFixture fixture_;

    // No score earns a place in the Hall of Fame, so the panel stays up at the end of a game.
    void unbeatableHallOfFame() {
        std::array<TableValue, 5> best;
        best.fill(TableValue::int32(1000000000));
        const auto bytes = writeHighScoreFile(best, {});
        QVERIFY(writeFile(
            fixture_.path("hscores.dat"),
            QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()))));
    }

    static QRect fromTwips(int left, int top, int width, int height) {
        return {left / 15, top / 15, width / 15, height / 15};
    }

private slots:
    void initTestCase() { QVERIFY(fixture_.setUp()); }
    void init() { fixture_.reset(); }
    void cleanupTestCase() { setDialogs(nullptr); }

    void windowControlsAndLabelsFollowTheLayout() {
        auto window = fixture_.open();
        QVERIFY(window);
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
        for (const bool visible : {false, true}) {
            window->setScoreLabelsVisible(visible);
            for (const char* name : {"Label2", "Label3", "Label4", "Label5"}) {
                QVERIFY2(control(*window, name)->isVisible() == visible, name);
            }
        }
    }

    void menusAreInOrderWithCaptionsAndCheckMarks() {
        auto window = fixture_.open();
        QVERIFY(window);
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
                ">mnuCardSize|&Large Cards (150%)|c; >mnuCardSize|&Huge Cards (200%)|c; "
                "mnuPlay|&Play|; >mnuHint|&Hint|; >mnuBestPossible|&Best Possible Score|; "
                ">mnuPlaySeparator0|-|; >mnuRestartDeal|&Restart This Deal|; "
                ">mnuPlayDealNumber|Play &Deal Number...|; >mnuResumeGame|Resume &Last Game|d; "
                ">mnuPlaySeparator1|-|; >mnuStatistics|&Statistics|; "
                ">mnuResetStatistics|R&eset Statistics|; "
                "mnuHelp|&Help|; >mnuAboutCorvelle|About Corvelle|; >mnuGameRules|Game Rules|"));
    }

    // From a fresh deal: play a card, undo it, then deal anew.
    void playUndoAndNewGame() {
        auto window = fixture_.open();
        QVERIFY(window);
        const GameState& state = window->game().state();
        QCOMPARE(state.tableCardsLeft + state.drawPileCount, 35 + 18);
        verifyTableMatchesGame(*window);
        QVERIFY(!control(*window, "Frame1")->isVisible());
        QCOMPARE(labelText(*window, "Label3") + labelText(*window, "Label5"), "00");

        QVERIFY(playUntil(*window, [&] { return fittingSlot(window->game()) >= 0; }));
        const int slot = fittingSlot(window->game());
        const int card = state.tableCards[slot];
        const int discardBefore = state.discardTop;
        clickAt(*window, slotPoint(slot));
        QCOMPARE(state.discardTop, card);
        verifyTableMatchesGame(*window);
        QVERIFY(state.score > 0);
        QCOMPARE(labelText(*window, "Label3"), QString::number(state.score));
        // The emptied slot no longer takes clicks: the card below it (or the background) does.
        QWidget* below = window->centralWidget()->childAt(slotPoint(slot) + QPoint(0, 30));
        QVERIFY(below == nullptr || below->property("index").toInt() != slot);

        QTest::mouseClick(control(*window, "Command3"), Qt::LeftButton);
        QVERIFY(state.onTable[slot] && state.discardTop == discardBefore);
        verifyTableMatchesGame(*window);
        QCOMPARE(labelText(*window, "Label3"), QString::number(state.score));

        clickAt(*window, slotPoint(slot));
        window->mnuNewGame->trigger();
        QCOMPARE(state.tableCardsLeft + state.drawPileCount, 35 + 18);
        QVERIFY(!state.undo.undoAvailable);
        QCOMPARE(labelText(*window, "Label3"), QStringLiteral("0"));
        verifyTableMatchesGame(*window);
        QVERIFY(fixture_.messages.isEmpty());
    }

    // The draw pile and the background pass their clicks on; a label is not the background.
    void pileAndBackgroundClicksReachTheirHandlers() {
        auto window = fixture_.open();
        QVERIFY(window);
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
            verifyTableMatchesGame(*window);
        }
    }

    void gameOverPanelMessagesAndTryAgain() {
        unbeatableHallOfFame();
        auto window = fixture_.open();
        QVERIFY(window);
        QStringList& messages = fixture_.messages;
        QTest::mouseClick(control(*window, "Command3"), Qt::LeftButton);
        QCOMPARE(messages, QStringList{"Sorry, but you may only undo a card movement after it "
                                       "has been completed!"});
        messages.clear();

        QVERIFY(playUntil(*window, [&] { return window->game().state().gameOver; }));
        QCOMPARE(fixture_.questions + messages, QStringList());
        QVERIFY(control(*window, "Frame1")->isVisible() && control(*window, "Label1")->isVisible());

        clickAt(*window, QPoint(290, 350));
        menuItem(*window, "mnuDiscardPileB")->trigger();
        clickAt(*window, QPoint(150, 410));
        QCOMPARE(messages.value(0), "The current game is over, please start a new game to "
                                    "continue playing");
        QCOMPARE(messages.value(1), QStringLiteral("Sorry no more cards left to deal!"));

        auto* tryAgain = qobject_cast<QPushButton*>(control(*window, "Command1"));
        QCOMPARE(tryAgain->text(), QStringLiteral("Try Again"));
        QTest::mouseClick(tryAgain, Qt::LeftButton);
        const GameState& state = window->game().state();
        QVERIFY(!state.gameOver && !control(*window, "Frame1")->isVisible());
        QCOMPARE(state.tableCardsLeft + state.drawPileCount, 35 + 18);
        QCOMPARE(labelText(*window, "Label3"), QStringLiteral("0"));
        verifyTableMatchesGame(*window);
    }

    // A whole game with the keyboard alone: Left and Right choose a column's free card, which
    // carries the outline, Enter plays it, Space draws (never the undo button's press), Ctrl+Z
    // takes the last move back and F2 deals anew.
    void wholeGameWithTheKeyboard() {
        unbeatableHallOfFame();
        auto window = fixture_.open();
        QVERIFY(window && QTest::qWaitForWindowActive(window.get()));
        const GameState& state = window->game().state();
        QWidget* table = window->centralWidget();
        QVERIFY(table->hasFocus());
        const auto outlined = [&] {
            QList<int> found;
            for (int slot = 0; slot < TableSlots; ++slot) {
                auto* card = qobject_cast<CardPicture*>(control(*window, "Image1", slot));
                if (card->outline() == CardPicture::Outline::Chosen) {
                    found << slot;
                }
            }
            return found;
        };
        for (int step = 0; step < 500 && !state.gameOver; ++step) {
            bool played = false;
            for (int i = 0; i < Columns && !played; ++i) {
                QTest::keyClick(table, Qt::Key_Right);
                const QList<int> chosen = outlined();
                QCOMPARE(chosen.size(), 1);
                const int slot = chosen[0];
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
        QVERIFY(state.gameOver && fixture_.messages.isEmpty());
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!state.gameOver);
        QTest::keyClick(window.get(), Qt::Key_F2);
        QVERIFY(state.tableCardsLeft == 35 && state.score == 0 && outlined().size() <= 1);
    }

    // Each card size draws the whole window larger, and its pictures sharp: stripes two source
    // pixels wide, which smaller copies can only show as grey, stay black and white at 200%.
    void cardSizesScaleTheWholeWindow() {
        QTemporaryDir dir;
        QImage stripes(276, 420, QImage::Format_RGB32);
        for (int i = 0; i < 276 * 420; ++i) {
            stripes.setPixel(i % 276, i / 276, (i % 276) / 2 % 2 ? qRgb(255, 255, 255) : 0);
        }
        for (int number = 1; number <= 55; ++number) {
            QVERIFY(stripes.save(dir.filePath(QString::number(number) + ".jpg"), "JPEG", 100));
        }
        setCardPictureDirectory(dir.path());
        auto window = fixture_.open();
        setCardPictureDirectory(fixture_.dir.path());
        QVERIFY(window);
        const QList<QAction*> sizes = window->findChildren<QAction*>("mnuCardSize");
        for (const int index : {2, 1, 0}) {
            sizes[index]->trigger();
            const qreal scale = 1 + index / 2.0;
            const auto at = [scale](int twips) { return int(twips * scale / 15); };
            QCOMPARE(window->centralWidget()->size(), QSize(at(7635), at(6240)));
            QCOMPARE(control(*window, "Image1", 12)->geometry(),
                     QRect(at(2220), at(1440), at(1035), at(1575)));
            QCOMPARE(control(*window, "Command3")->geometry(),
                     QRect(at(5040), at(5820), at(2475), at(375)));
            QCOMPARE(control(*window, "Label2")->font().pointSizeF(), 9.75 * scale);
            const QImage shot = control(*window, "Image3")->grab().toImage();
            int strongest = 0;
            for (int x = 10; x < shot.width() - 10; ++x) {
                const int step = qAbs(qGray(shot.pixel(x, shot.height() / 2)) -
                                      qGray(shot.pixel(x + 1, shot.height() / 2)));
                strongest = qMax(strongest, step);
            }
            QVERIFY2((strongest > 200) == (index == 2), qPrintable(QString::number(strongest)));
        }
        auto again = fixture_.open(); // the choice is kept, in a group of its own
        QVERIFY(again && again->findChildren<QAction*>("mnuCardSize")[0]->isChecked());
    }

    // Every way of closing unloads the window and leaves no window of the game open; the
    // program's own ending is checked on the real executable in the X server.
    void closingEndsTheProgram() {
        for (int how = 0; how < 3; ++how) {
            QPointer<MainWindow> window = fixture_.open().release();
            QVERIFY(window);
            window->setAttribute(Qt::WA_DeleteOnClose);
            window->setGameOverPanelVisible(true);
            if (how == 0) {
                QTest::mouseClick(control(*window, "Command2"), Qt::LeftButton);
            } else {
                how == 1 ? window->mnuExit->trigger() : (void)window->close();
            }
            QTRY_VERIFY2(window.isNull(), qPrintable(QString::number(how)));
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
            }
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
