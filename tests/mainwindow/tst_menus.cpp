#include "../engine/testsupport.h"
#include "windowdriver.h"

using namespace corvelle;
using namespace corvelle::test;

namespace {

QWidget* topLevel(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

void click(QWidget* form, const char* name, int index = -1) {
    QTest::mouseClick(control(*form, QLatin1String(name), index), Qt::LeftButton);
}

} // namespace

// The menus of the main window, wired to the saved options, the cheat commands, the Hall of
// Fame and the Help windows, driven through the real windows.
class MenusTest : public QObject {
    Q_OBJECT

    WindowFixture fixture_;

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
            GameState& state = window->game().state;
            const Options& options = state.options;
            QCOMPARE(QFile::exists(OptionStore::fileName()), restarted);
            if (!restarted) {
                window->mnuAceKing->trigger(); // already ticked: must not untick itself
                QVERIFY(window->mnuAceKing->isChecked() && options.aceKingWrap);
                state.score = 40;
                state.anty = 15;
                for (const QString& name : chosen) {
                    window->findChild<QAction*>(name)->trigger();
                }
                // Scoring off leaves the score, the anty and the label as they are.
                QVERIFY(state.score == 40 && state.anty == 15 &&
                        labelText(*window, "Label3") == "0");
            }
            for (const QString& name : chosen + others) {
                QVERIFY2(window->findChild<QAction*>(name)->isChecked() == chosen.contains(name),
                         qPrintable(name));
            }
            QVERIFY(!options.aceKingWrap && !options.scoringOn && !options.showHighScoresPopup);
            QVERIFY(options.backgroundClickDraws && !options.drawPileClickDraws);
            QCOMPARE(options.shuffleCount, 3);
            // Scoring off hides the labels at once, yet they show at start-up.
            for (const char* label : {"Label2", "Label3", "Label4", "Label5"}) {
                QVERIFY2(control(*window, label)->isVisible() == restarted, label);
            }
            clickAt(*window, QPoint(150, 410)); // the background draws, right after start-up too
            QCOMPARE(state.drawPileCount, 17);
        }
        auto window = fixture_.open();
        QVERIFY(window);
        for (const QString& name : QStringList{"mnuScoringOff"} + others) {
            window->findChild<QAction*>(name)->trigger();
        }
        const Options& options = window->game().state.options;
        QVERIFY(control(*window, "Label3")->isVisible()); // scoring on shows the labels again
        QVERIFY(options.aceKingWrap && options.scoringOn && options.showHighScoresPopup &&
                !options.backgroundClickDraws && !options.drawPileClickDraws &&
                options.shuffleCount == 1);
    }

    // The options reach play: Ace-King off refuses an Ace on a King, and the shuffle count
    // reaches the deal (each pass builds its own deck; the deal keeps the last pass's).
    void optionsReachPlay() {
        const auto last = clearableDeck(5);
        ScriptedRandom random({makeDeck({{5, spades(1)}, {36, hearts(13)}}), clearableDeck(0),
                               clearableDeck(1), last});
        auto window = fixture_.open(&random);
        QVERIFY(window);
        GameState& state = window->game().state;
        window->mnuNoAceKing->trigger();
        clickAt(*window, slotPoint(4));
        QVERIFY(state.onTable[4]);
        window->mnuAceKing->trigger();
        clickAt(*window, slotPoint(4));
        QVERIFY(!state.onTable[4]);
        window->mnuShuffling3->trigger();
        window->mnuNewGame->trigger();
        QVERIFY(std::equal(last.begin(), last.end(), state.deck.begin() + 1));
        verifyTableMatchesGame(*window);
    }

    // The cheat items keep their marks on the cheat state; a high score made with a chosen wild
    // card is entered with an asterisk, saved, and shown in the Hall of Fame.
    void wildCardsMarksAndTheAsteriskOfTheirHighScore() {
        auto window = fixture_.open();
        QVERIFY(window);
        GameState& state = window->game().state;
        const auto marks = [&](bool on) {
            return state.cheat.cheatsEnabled == on && window->mnuCheatsEnabled->isChecked() == on &&
                   window->mnuDisableCheats->isChecked() == !on;
        };
        window->mnuCheatsEnabled->trigger(); // no card chosen: nothing changes
        QVERIFY(marks(false));
        window->mnuSelectWildCards->trigger();
        QWidget* form6 = topLevel("Form6");
        QVERIFY(form6 && !window->isVisible());
        click(form6, "Check1", 4);
        click(form6, "Command1");
        QTRY_VERIFY(window->isVisible());
        QVERIFY(marks(true) && state.cheat.wildMark[5] == 1);
        window->mnuDisableCheats->trigger();
        QVERIFY(marks(false));
        window->mnuCheatsEnabled->trigger();
        QVERIFY(marks(true) && state.cheat.wildMark[5] == 1);

        state.tableCards[4] = spades(5); // the chosen card, free at the bottom of column 0
        clickAt(*window, slotPoint(4));
        QCOMPARE(state.cheat.wildCardsPlayed, 1);
        // Play until the end of the game asks for the name (the save then deals a new game).
        fixture_.answer = QStringLiteral("Ann");
        QVERIFY(playUntil(*window, [&] { return !fixture_.questions.isEmpty(); }));
        QCOMPARE(fixture_.questions,
                 QStringList{"High Scores: Hall of Fame|Please enter your name for the High "
                             "Scores Hall of Fame."});
        const QString best = QString::fromStdString(toText(state.highScoreValues[0]));
        QVERIFY(best.toInt() > 0);
        QCOMPARE(state.highScoreNames[0].text, std::string("Ann *"));
        QCOMPARE(labelText(*window, "Label5"), best);
        // The save dealt a new game and hid the panel, then the Hall of Fame opened.
        QVERIFY(!state.gameOver && !control(*window, "Frame1")->isVisible() &&
                state.tableCardsLeft == 35 && state.score == 0);
        QWidget* form4 = topLevel("Form4");
        QVERIFY(form4);
        QCOMPARE(labelText(*form4, "Label7", 0) + labelText(*form4, "Text1", 0), best + "Ann *");
        form4->close();

        // A new main window reads the entry back from the file; its menu shows the table.
        window.reset();
        auto again = fixture_.open();
        QVERIFY(again);
        QCOMPARE(labelText(*again, "Label5"), best);
        QCOMPARE(again->game().state.highScoreNames[0].text, std::string("Ann *"));
        again->mnuHighScores->trigger();
        QVERIFY(topLevel("Form4") && again->isVisible());
        QCOMPARE(topLevel("Form4")->windowTitle(), QStringLiteral("High Scores"));
    }

    void helpMenusOpenTheirWindowsInsteadOfTheGame() {
        for (const auto& [item, form] :
             {std::pair{"mnuGameRules", "Form2"}, {"mnuAboutCorvelle", "Form5"}}) {
            auto window = fixture_.open();
            QVERIFY(window);
            const GameState before = window->game().state;
            window->findChild<QAction*>(item)->trigger();
            QWidget* opened = topLevel(form);
            QVERIFY2(opened && !window->isVisible(), form);
            click(opened, "Command1");
            QTRY_VERIFY(window->isVisible());
            QVERIFY(window->game().state.deck == before.deck &&
                    window->game().state.onTable == before.onTable);
        }
    }
};

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
