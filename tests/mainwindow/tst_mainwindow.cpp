#include "cardpicture.h"
#include "cardpicturecache.h"
#include "dialogs.h"
#include "fixturepictures.h"
#include "mainwindow.h"
#include "windowdriver.h"

#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace corvelle;
using namespace corvelle::test;

namespace {

class RecordingDialogs final : public Dialogs {
public:
    QStringList messages;
    int asked = 0;
    void message(const QString& text) override { messages << text; }
    QString askText(const QString&, const QString&) override {
        ++asked;
        return {};
    }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir pictureDir_;
    RecordingDialogs dialogs_;

    std::unique_ptr<MainWindow> open() {
        auto window = std::make_unique<MainWindow>(pictureDir_.path());
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) {
            return nullptr;
        }
        return window;
    }

private slots:
    void initTestCase() {
        QVERIFY(pictureDir_.isValid());
        QVERIFY(writeFixturePictures(pictureDir_.path()));
        setCardPictureDirectory(pictureDir_.path());
        setDialogs(&dialogs_);
    }

    // Every case starts as a first run: no saved options, no Hall of Fame file.
    void init() {
        dialogs_.messages.clear();
        dialogs_.asked = 0;
        QFile::remove(OptionStore::fileName());
        QFile::remove(QDir(pictureDir_.path()).filePath("hscores.dat"));
    }

    void cleanupTestCase() { setDialogs(nullptr); }

    void controlsSitAtTheirPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("place");
        for (int i = 0; i < 35; ++i) {
            QTest::addRow("Image1(%d)", i)
                << "Image1" << i << fromTwips(60 + 1080 * (i / 5), 120 + 660 * (i % 5), 1035, 1575);
        }
        for (int i = 0; i < 19; ++i) {
            QTest::addRow("Image2(%d)", i)
                << "Image2" << i << fromTwips(60 + 120 * i, 4500, 1035, 1575);
        }
        QTest::newRow("Image3") << "Image3" << -1 << fromTwips(3840, 4500, 1035, 1575);
        QTest::newRow("Frame1") << "Frame1" << -1 << fromTwips(4980, 4860, 2535, 855);
        QTest::newRow("Command1") << "Command1" << -1 << fromTwips(300, 420, 915, 375);
        QTest::newRow("Command2") << "Command2" << -1 << fromTwips(1320, 420, 915, 375);
        QTest::newRow("Command3") << "Command3" << -1 << fromTwips(5040, 5820, 2475, 375);
    }

    void controlsSitAtTheirPlaces() {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QRect, place);
        auto window = open();
        QVERIFY(window);
        QWidget* widget = control(*window, name, index);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(window->findChildren<QWidget*>(name).size(), name == "Image1"   ? 35
                                                              : name == "Image2" ? 19
                                                                                 : 1);
        QCOMPARE(widget->geometry(), place);
    }

    // Labels keep their place and grow from their laid-out size to fit their text.
    void labelsSitAtTheirPlacesAndFitTheirText_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("text");
        QTest::newRow("Label2") << "Label2" << fromTwips(5100, 4380, 690, 240) << "Score:";
        QTest::newRow("Label3") << "Label3" << fromTwips(5820, 4380, 135, 240) << "0";
        QTest::newRow("Label4") << "Label4" << fromTwips(5100, 4620, 1545, 240) << "Highest Score:";
        QTest::newRow("Label5") << "Label5" << fromTwips(6660, 4620, 135, 240) << "0";
        QTest::newRow("Label1") << "Label1" << fromTwips(615, 180, 1260, 195) << "Sorry Game Over!";
    }

    void labelsSitAtTheirPlacesAndFitTheirText() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(QString, text);
        auto window = open();
        QVERIFY(window);
        auto* label = qobject_cast<QLabel*>(control(*window, name));
        QVERIFY(label);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->pos(), place.topLeft());
        QVERIFY(label->width() >= place.width());
        QVERIFY(label->height() >= place.height());
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(text));
    }

    void scoreLabelsAreBoldWhiteAndNeverClipAFiveDigitScore() {
        auto window = open();
        QVERIFY(window);
        window->showScore("99999");
        window->showHighestScore("88888");
        for (const char* name : {"Label2", "Label3", "Label4", "Label5"}) {
            auto* label = qobject_cast<QLabel*>(control(*window, QLatin1String(name)));
            QVERIFY(label);
            QVERIFY(label->font().bold());
            QCOMPARE(label->font().pointSizeF(), 9.75);
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
            QVERIFY(!label->autoFillBackground());
            QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()), name);
            QVERIFY2(window->centralWidget()->rect().contains(label->geometry()), name);
        }
        // Each caption's text ends before the value beside it starts.
        for (const auto& [caption, value] : {std::pair{"Label2", "Label3"}, {"Label4", "Label5"}}) {
            auto* label = qobject_cast<QLabel*>(control(*window, QLatin1String(caption)));
            const int textEnd = label->x() + label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(textEnd < control(*window, QLatin1String(value))->x(), caption);
        }
        QCOMPARE(labelText(*window, "Label3"), QStringLiteral("99999"));
        QCOMPARE(labelText(*window, "Label5"), QStringLiteral("88888"));

        window->setScoreLabelsVisible(false);
        for (const char* name : {"Label2", "Label3", "Label4", "Label5"}) {
            QVERIFY2(!control(*window, QLatin1String(name))->isVisible(), name);
        }
        window->setScoreLabelsVisible(true);
        for (const char* name : {"Label2", "Label3", "Label4", "Label5"}) {
            QVERIFY2(control(*window, QLatin1String(name))->isVisible(), name);
        }
    }

    void windowHasItsCaptionAndFixedGreenClientArea() {
        auto window = open();
        QVERIFY(window);
        QCOMPARE(window->objectName(), QStringLiteral("Form1"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Corvelle v" CORVELLE_VERSION));
        QVERIFY(QRegularExpression(QStringLiteral("^Corvelle v\\d+\\.\\d+\\.\\d+$"))
                    .match(window->windowTitle())
                    .hasMatch());
        QWidget* table = window->centralWidget();
        QCOMPARE(table->size(), QSize(509, 416));
        QCOMPARE(table->pos(), QPoint(0, window->menuBar()->height()));
        QCOMPARE(window->size(), QSize(509, 416 + window->menuBar()->height()));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const QImage shot = table->grab().toImage();
        QCOMPARE(shot.pixelColor(150, 410), QColor(0, 128, 0));
        QCOMPARE(shot.pixelColor(480, 250).rgb() == QColor(0, 128, 0).rgb(), false);
    }

    void buttonsTakeTheFocusInOrder() {
        auto window = open();
        QVERIFY(window);
        window->setGameOverPanelVisible(true);
        QWidget* first = control(*window, "Command1");
        first->setFocus();
        QCOMPARE(first->nextInFocusChain()->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
        QWidget* next = first;
        QStringList order;
        for (int i = 0; i < 3; ++i) {
            order << next->objectName();
            do {
                next = next->nextInFocusChain();
            } while (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisible());
        }
        QCOMPARE(order, (QStringList{"Command1", "Command2", "Command3"}));
    }

    void menusAreInOrderWithCaptionsAndCheckMarks() {
        auto window = open();
        QVERIFY(window);
        // name|caption|flags: c checkable, x ticked, e enabled; nested items are indented.
        QStringList shown;
        std::function<void(const QList<QAction*>&, const QString&)> walk =
            [&](const QList<QAction*>& actions, const QString& indent) {
                for (QAction* action : actions) {
                    QString flags;
                    flags += action->isCheckable() ? "c" : "";
                    flags += action->isChecked() ? "x" : "";
                    flags += action->isEnabled() ? "e" : "";
                    const QString caption = action->isSeparator() ? "-" : action->text();
                    shown << indent + action->objectName() + "|" + caption + "|" + flags;
                    if (action->menu()) {
                        QCOMPARE(action->menu()->objectName(), action->objectName());
                        walk(action->menu()->actions(), indent + "  ");
                    }
                }
            };
        walk(window->menuBar()->actions(), QString());
        const QStringList expected{
            "mnuGame|&Game|e",
            "  mnuNewGame|&NewGame|e",
            "  mnuSeperator1|-|e",
            "  mnuHighScores|&High Scores|e",
            "  mnuSeperator2|-|e",
            "  mnuExit|E&xit|e",
            "mnuOptions|&Options|e",
            "  mnuDrawingMethod|Card Drawing Method|e",
            "    mnuDiscardPileA|Discard Pile Only|cxe",
            "    mnuDiscardPDrawP|Discard Pile && Draw Pile|ce",
            "    mnuDiscardPileB|Discard Pile && Background|ce",
            "  mnuCheatMode|Cheat Options|e",
            "    mnuSelectWildCards|Select Wild Cards|e",
            "    mnuCheatsEnabled|Cheats Enabled|ce",
            "    mnuDisableCheats|Disable Cheats|cxe",
            "  mnuShowHighScores|High Score PopUp|e",
            "    mnuShowHSa|Show High Scores|cxe",
            "    mnuShowHSb|Dont Show High Scores|ce",
            "  mnuPlaymode|Play Mode|e",
            "    mnuAceKing|Ace King - King Ace|cxe",
            "    mnuNoAceKing|No Ace King - King Ace|ce",
            "  mnuScoring|Scoring|e",
            "    mnuScoringOn|On|cxe",
            "    mnuScoringOff|Off|ce",
            "  mnuShuffling|Shuffling|e",
            "    mnuShuffling1|1|cxe",
            "    mnuShuffling2|2|ce",
            "    mnuShuffling3|3|ce",
            "mnuHelp|&Help|e",
            "  mnuAboutCorvelle|About Corvelle|e",
            "  mnuGameRules|Game Rules|e",
        };
        QCOMPARE(shown, expected);
        QCOMPARE(window->mnuAceKing->objectName(), QStringLiteral("mnuAceKing"));
    }

    void startUpShowsAFreshDeal() {
        auto window = open();
        QVERIFY(window);
        const GameState& state = window->game().state;
        QCOMPARE(state.tableCardsLeft, 35);
        QCOMPARE(state.drawPileCount, 18);
        verifyTableMatchesGame(*window);
        QVERIFY(!control(*window, "Frame1")->isVisible());
        QCOMPARE(labelText(*window, "Label3"), QStringLiteral("0"));
        QCOMPARE(labelText(*window, "Label5"), QStringLiteral("0"));
        for (int slot : {0, 12, 34}) {
            QVERIFY(sameColour(shownColour(picture(*window, "Image1", slot)),
                               fixtureColour(state.tableCards[slot])));
        }
        QVERIFY(sameColour(shownColour(picture(*window, "Image2", 17)), fixtureColour(55)));
        QVERIFY(dialogs_.messages.isEmpty());
    }

    // The card of row r + 1 lies over the card of row r, picture i + 1 of the draw pile over i.
    void clicksReachTheCardOnTop_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::newRow("row 0 strip") << QPoint(40, 10) << "Image1" << 0;
        QTest::newRow("row 0 under row 1") << QPoint(40, 60) << "Image1" << 1;
        QTest::newRow("column 2 row 2") << QPoint(4 + 144 + 10, 8 + 88 + 30) << "Image1" << 12;
        QTest::newRow("row 4 bottom") << QPoint(4 + 432 + 60, 8 + 176 + 100) << "Image1" << 34;
        QTest::newRow("draw pile left edge") << QPoint(6, 350) << "Image2" << 0;
        QTest::newRow("draw pile fan") << QPoint(4 + 8 * 10 + 3, 350) << "Image2" << 10;
        QTest::newRow("draw pile top back") << QPoint(4 + 8 * 17 + 60, 350) << "Image2" << 17;
        QTest::newRow("discard pile") << QPoint(290, 350) << "Image3" << -1;
    }

    void clicksReachTheCardOnTop() {
        QFETCH(QPoint, point);
        QFETCH(QString, name);
        QFETCH(int, index);
        auto window = open();
        QVERIFY(window);
        QWidget* hit = window->centralWidget()->childAt(point);
        QVERIFY(hit);
        QCOMPARE(hit->objectName(), name);
        if (index >= 0) {
            QCOMPARE(hit->property("index").toInt(), index);
        }
    }

    void playingATableCardAndUndoingIt() {
        auto window = open();
        QVERIFY(window);
        int slot = drawUntilAMoveFits(*window);
        for (int deal = 0; deal < 20 && slot < 0; ++deal) {
            window->mnuNewGame->trigger();
            slot = drawUntilAMoveFits(*window);
        }
        QVERIFY(slot >= 0);
        const GameState& state = window->game().state;
        const int card = state.tableCards[slot];
        const int discardBefore = state.discardTop;
        clickAt(*window, slotPoint(slot));

        QCOMPARE(state.discardTop, card);
        QVERIFY(!picture(*window, "Image1", slot)->isVisible());
        verifyTableMatchesGame(*window);
        QCOMPARE(labelText(*window, "Label3"), QString::number(state.score));
        QVERIFY(state.score > 0);
        // The emptied slot no longer takes clicks: the card below it (or the background) does.
        QWidget* below = window->centralWidget()->childAt(slotPoint(slot) + QPoint(0, 30));
        QVERIFY(below == nullptr || below->property("index").toInt() != slot);

        QTest::mouseClick(control(*window, "Command3"), Qt::LeftButton);
        QVERIFY(picture(*window, "Image1", slot)->isVisible());
        QCOMPARE(state.discardTop, discardBefore);
        verifyTableMatchesGame(*window);
        QCOMPARE(labelText(*window, "Label3"), QString::number(state.score));
        QVERIFY(dialogs_.messages.isEmpty());
    }

    void discardPileClickDrawsACard() {
        auto window = open();
        QVERIFY(window);
        const GameState& state = window->game().state;
        const int before = state.discardTop;
        clickAt(*window, QPoint(290, 350));
        QCOMPARE(state.drawPileCount, 17);
        QVERIFY(state.discardTop != before);
        QVERIFY(!picture(*window, "Image2", 17)->isVisible());
        verifyTableMatchesGame(*window);
    }

    void drawPileAndBackgroundClicksFollowTheOptions_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("drawPileDraws");
        QTest::addColumn<bool>("backgroundDraws");
        QTest::addColumn<bool>("draws");
        const QPoint pile(40, 350);
        const QPoint background(150, 410);
        QTest::newRow("draw pile, discard only") << pile << false << false << false;
        QTest::newRow("draw pile, draw pile on") << pile << true << false << true;
        QTest::newRow("draw pile, background on") << pile << false << true << false;
        QTest::newRow("background, discard only") << background << false << false << false;
        QTest::newRow("background, background on") << background << false << true << true;
        QTest::newRow("background, draw pile on") << background << true << false << false;
        QTest::newRow("score label, background on") << QPoint(350, 298) << false << true << false;
    }

    void drawPileAndBackgroundClicksFollowTheOptions() {
        QFETCH(QPoint, point);
        QFETCH(bool, drawPileDraws);
        QFETCH(bool, backgroundDraws);
        QFETCH(bool, draws);
        auto window = open();
        QVERIFY(window);
        GameState& state = window->game().state;
        state.options.drawPileClickDraws = drawPileDraws;
        state.options.backgroundClickDraws = backgroundDraws;
        clickAt(*window, point);
        QCOMPARE(state.drawPileCount, draws ? 17 : 18);
        verifyTableMatchesGame(*window);
    }

    void gameOverPanelMessagesAndTryAgain() {
        auto window = open();
        QVERIFY(window);
        // With scoring off the score stays 0 and earns no place in the Hall of Fame, so the
        // panel stays up after the end-of-game check.
        window->mnuScoringOff->trigger();
        QTest::mouseClick(control(*window, "Command3"), Qt::LeftButton);
        QCOMPARE(dialogs_.messages,
                 QStringList{"Sorry, but you may only undo a card movement after it has been "
                             "completed!"});
        dialogs_.messages.clear();

        QVERIFY(playToGameOver(*window));
        QCOMPARE(dialogs_.asked, 0);
        QVERIFY(control(*window, "Frame1")->isVisible());
        QVERIFY(control(*window, "Label1")->isVisible());
        QVERIFY(dialogs_.messages.isEmpty());

        clickAt(*window, QPoint(290, 350));
        QCOMPARE(dialogs_.messages, QStringList{"The current game is over, please start a new "
                                                "game to continue playing"});
        dialogs_.messages.clear();
        window->game().state.options.backgroundClickDraws = true;
        clickAt(*window, QPoint(150, 410));
        QCOMPARE(dialogs_.messages.value(0), QStringLiteral("Sorry no more cards left to deal!"));

        QWidget* tryAgain = control(*window, "Command1");
        QCOMPARE(qobject_cast<QPushButton*>(tryAgain)->text(), QStringLiteral("Try Again"));
        QTest::mouseClick(tryAgain, Qt::LeftButton);
        const GameState& state = window->game().state;
        QVERIFY(!state.gameOver);
        QVERIFY(!control(*window, "Frame1")->isVisible());
        QCOMPARE(state.tableCardsLeft, 35);
        QCOMPARE(state.drawPileCount, 18);
        QCOMPARE(labelText(*window, "Label3"), QStringLiteral("0"));
        verifyTableMatchesGame(*window);
    }

    void newGameDealsAtOnce() {
        auto window = open();
        QVERIFY(window);
        const int slot = drawUntilAMoveFits(*window);
        if (slot >= 0) {
            clickAt(*window, slotPoint(slot));
        }
        QVERIFY(window->game().state.drawPileCount < 18 || slot >= 0);
        window->mnuNewGame->trigger();
        const GameState& state = window->game().state;
        QCOMPARE(state.tableCardsLeft, 35);
        QCOMPARE(state.drawPileCount, 18);
        QVERIFY(!state.undo.undoAvailable);
        QCOMPARE(labelText(*window, "Label3"), QStringLiteral("0"));
        verifyTableMatchesGame(*window);
    }

    // Every way of closing unloads the window and leaves no window of the game open; the
    // program's own ending is checked on the real executable in the X server.
    void closingEndsTheProgram_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Quit") << "Quit";
        QTest::newRow("Exit") << "Exit";
        QTest::newRow("close button") << "close";
    }

    void closingEndsTheProgram() {
        QFETCH(QString, how);
        auto* window = new MainWindow(pictureDir_.path());
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QPointer<MainWindow> alive(window);
        if (how == "Quit") {
            window->setGameOverPanelVisible(true);
            QTest::mouseClick(control(*window, "Command2"), Qt::LeftButton);
        } else if (how == "Exit") {
            window->mnuExit->trigger();
        } else {
            window->close();
        }
        QTRY_VERIFY(alive.isNull());
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
