#include "optionstore.h"
#include "windowdriver.h"

using namespace corvelle;
using namespace corvelle::test;

// The menus of the main window, wired to the saved options, the cheat commands, the Hall of
// Fame and the Help windows, driven through the real windows; and the end of a game.
class MenusTest : public QObject {
    Q_OBJECT

    WindowFixture fixture_;

    static void choose(QWidget& window, const QStringList& items) {
        for (const QString& name : items) {
            menuItem(window, qPrintable(name))->trigger();
        }
    }

private slots:
    void initTestCase() { QVERIFY(fixture_.setUp()); }
    void init() { fixture_.reset(); }
    void cleanupTestCase() { setDialogs(nullptr); }

    void optionsTakeEffectAndSurviveARestart() {
        const QStringList chosen{"mnuNoAceKing", "mnuDiscardPileB", "mnuScoringOff",
                                 "mnuShuffling3", "mnuShowHSb"};
        const QStringList others{"mnuAceKing", "mnuDiscardPileA", "mnuScoringOn", "mnuShuffling1",
                                 "mnuShowHSa"};
        for (const bool restarted : {false, true}) {
            auto window = fixture_.open();
            QVERIFY(window);
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
            for (const QString& name : chosen + others) {
                QVERIFY2(menuItem(*window, qPrintable(name))->isChecked() == chosen.contains(name),
                         qPrintable(name));
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
        QVERIFY(window);
        choose(*window, QStringList{"mnuScoringOff"} + others);
        QVERIFY(control(*window, "Label3")->isVisible()); // scoring on shows the labels again
        QVERIFY(window->game().state().options == Options{});
    }

    // The options reach play: Ace-King off refuses an Ace on a King, and the shuffle count
    // reaches the deal (each pass builds its own deck; the deal keeps the last pass's).
    void optionsReachPlay() {
        const auto last = clearableDeck(5);
        ScriptedRandom random({makeDeck({{5, spades(1)}, {36, hearts(13)}}), clearableDeck(0),
                               clearableDeck(1), last});
        auto window = fixture_.open(&random);
        QVERIFY(window);
        const GameState& state = window->game().state();
        choose(*window, {"mnuNoAceKing"});
        clickAt(*window, slotPoint(4));
        QVERIFY(state.onTable[4]);
        choose(*window, {"mnuAceKing"});
        clickAt(*window, slotPoint(4));
        QVERIFY(!state.onTable[4]);
        choose(*window, {"mnuShuffling3"});
        window->mnuNewGame->trigger();
        QVERIFY(std::equal(last.begin(), last.end(), state.deck.begin() + 1));
        verifyTableMatchesGame(*window);
    }

    // The cheat items keep their marks on the choice; a high score made with a chosen wild card
    // is entered with an asterisk while the game-over panel shows, saved, a new game dealt, and
    // then the Hall of Fame opens.
    void wildCardsMarksAndTheAsteriskOfTheirHighScore() {
        ScriptedRandom random({makeDeck({{5, spades(5)}, {36, hearts(9)}}), stuckDeck()});
        auto window = fixture_.open(&random);
        QVERIFY(window);
        const GameState& state = window->game().state();
        const auto marks = [&](bool on) {
            return state.cheat.cheatsEnabled == on && window->mnuCheatsEnabled->isChecked() == on &&
                   window->mnuDisableCheats->isChecked() == !on;
        };
        window->mnuCheatsEnabled->trigger(); // no card chosen: nothing changes
        QVERIFY(marks(false));
        window->mnuSelectWildCards->trigger();
        QWidget* form6 = topLevel("Form6");
        QVERIFY(form6 && !window->isVisible());
        click(*form6, "Check1", 4);
        click(*form6, "Command1");
        QTRY_VERIFY(window->isVisible());
        QVERIFY(marks(true) && state.cheat.wildMark[5] == 1);
        window->mnuDisableCheats->trigger();
        QVERIFY(marks(false));
        window->mnuCheatsEnabled->trigger();
        QVERIFY(marks(true) && state.cheat.wildMark[5] == 1);

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
        form4->close();

        // A new main window reads the Hall of Fame from the file; its menu shows the table.
        window.reset();
        auto again = fixture_.open();
        QVERIFY(again);
        QCOMPARE(labelText(*again, "Label5"), "0");
        again->mnuHighScores->trigger();
        QVERIFY(topLevel("Form4") && again->isVisible());
    }

    // With the pop-up off, an entry is recorded and a new game dealt, and no window opens.
    void noPopUpWhenTurnedOff() {
        auto window = fixture_.open();
        QVERIFY(window);
        choose(*window, {"mnuShowHSb"});
        fixture_.answer = "Pat";
        QVERIFY(playUntil(*window, [&] { return !fixture_.questions.isEmpty(); }));
        QVERIFY(!topLevel("Form4") && window->highScores().names()[0].text == "Pat");
    }

    // "Exit Corvelle" from any window, whatever other windows are open or hidden, closes every
    // window and the main window is gone; none of them goes back to the game on its way out.
    // Only the main window's own Exit leaves an open Hall of Fame window.
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
    }

    void exitFromAnyWindowEndsEverything() {
        QFETCH(bool, hallOfFame);
        QFETCH(QString, standIn);
        QFETCH(QString, from);
        QPointer<MainWindow> window = fixture_.open().release();
        QVERIFY(window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        if (hallOfFame) {
            window->mnuHighScores->trigger();
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
        from == "Form1" ? window->mnuExit->trigger() : click(*topLevel(from), "Command2");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
        QStringList open;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible()) {
                open << widget->objectName();
            }
        }
        QCOMPARE(open, hallOfFame && from == "Form1" ? QStringList{"Form4"} : QStringList{});
        QVERIFY(!events.seen.contains("Form1 show"));
    }

    // "Back to Corvelle" in the Hall of Fame goes back to the window standing in for the hidden
    // main window, so no second one of its kind can be opened beside it.
    void backFromTheHallOfFameKeepsTheStandIn() {
        auto window = fixture_.open();
        window->mnuHighScores->trigger();
        window->mnuSelectWildCards->trigger();
        click(*topLevel("Form4"), "Command1");
        QVERIFY(!window->isVisible() && topLevel("Form6") && !topLevel("Form4"));
    }

    void helpMenusOpenTheirWindowsInsteadOfTheGame() {
        for (const auto& [item, form] :
             {std::pair{"mnuGameRules", "Form2"}, {"mnuAboutCorvelle", "Form5"}}) {
            auto window = fixture_.open();
            QVERIFY(window);
            const GameState before = window->game().state();
            menuItem(*window, item)->trigger();
            QWidget* opened = topLevel(form);
            QVERIFY2(opened && !window->isVisible(), form);
            click(*opened, "Command1");
            QTRY_VERIFY(window->isVisible());
            QVERIFY(window->game().state() == before);
        }
    }
};

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
