#include "../engine/testsupport.h"
#include "dialogs.h"
#include "halloffamewindow.h"
#include "mainwindow.h"
#include "optionstore.h"
#include "windowdriver.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace corvelle;
using namespace corvelle::test;

namespace {

class AnsweringDialogs final : public Dialogs {
public:
    QStringList messages;
    QStringList questions;
    QString answer;
    void message(const QString& text) override { messages << text; }
    QString askText(const QString& prompt, const QString& title) override {
        questions << title + "|" + prompt;
        return answer;
    }
};

QWidget* topLevel(const char* name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

template <typename Widget> Widget* childOf(QWidget* window, const char* name, int index = -1) {
    for (Widget* widget : window->findChildren<Widget*>(QLatin1String(name))) {
        if (index < 0 || widget->property("index").toInt() == index) {
            return widget;
        }
    }
    return nullptr;
}

} // namespace

// The menus of the main window, wired to the saved options, the cheat commands, the Hall of
// Fame and the Help windows, driven through the real windows.
class MenusTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    AnsweringDialogs dialogs_;

    std::unique_ptr<MainWindow> open(RandomSource* random = nullptr) {
        auto window = std::make_unique<MainWindow>(dir_.path(), nullptr, random);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) {
            return nullptr;
        }
        return window;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(writeFixturePictures(dir_.path()));
        setCardPictureDirectory(dir_.path());
        setDialogs(&dialogs_);
    }

    void init() {
        dialogs_.messages.clear();
        dialogs_.questions.clear();
        QFile::remove(OptionStore::fileName());
        QFile::remove(QDir(dir_.path()).filePath("hscores.dat"));
    }

    void cleanup() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName().startsWith("Form") && widget->objectName() != "Form1") {
                widget->close();
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void cleanupTestCase() { setDialogs(nullptr); }

    void optionsTakeEffectAndSurviveARestart() {
        {
            auto window = open();
            QVERIFY(window);
            QVERIFY(!QFile::exists(OptionStore::fileName()));
            window->mnuNoAceKing->trigger();
            window->mnuDiscardPileB->trigger();
            window->mnuScoringOff->trigger();
            window->mnuShuffling3->trigger();
            window->mnuShowHSb->trigger();
            const Options& options = window->game().state.options;
            QVERIFY(!options.aceKingWrap);
            QVERIFY(options.backgroundClickDraws && !options.drawPileClickDraws);
            QVERIFY(!options.scoringOn);
            QCOMPARE(options.shuffleCount, 3);
            QVERIFY(!options.showHighScoresPopup);
            QVERIFY(!control(*window, "Label3")->isVisible());
            QVERIFY(!control(*window, "Label4")->isVisible());
        }
        auto window = open();
        QVERIFY(window);
        const Options& options = window->game().state.options;
        QVERIFY(!options.aceKingWrap);
        QVERIFY(options.backgroundClickDraws);
        QVERIFY(!options.scoringOn);
        QCOMPARE(options.shuffleCount, 3);
        QVERIFY(!options.showHighScoresPopup);
        for (QAction* item : {window->mnuNoAceKing, window->mnuDiscardPileB, window->mnuScoringOff,
                              window->mnuShuffling3, window->mnuShowHSb}) {
            QVERIFY2(item->isChecked(), qPrintable(item->objectName()));
        }
        for (QAction* item : {window->mnuAceKing, window->mnuDiscardPileA, window->mnuScoringOn,
                              window->mnuShuffling1, window->mnuShowHSa}) {
            QVERIFY2(!item->isChecked(), qPrintable(item->objectName()));
        }
        // "Off" was stored, yet the labels show at start-up.
        for (const char* label : {"Label2", "Label3", "Label4", "Label5"}) {
            QVERIFY2(control(*window, label)->isVisible(), label);
        }
        // The background draws right after start-up.
        clickAt(*window, QPoint(150, 410));
        QCOMPARE(window->game().state.drawPileCount, 17);
    }

    void choosingTheCheckedItemKeepsItsMark() {
        auto window = open();
        QVERIFY(window);
        window->mnuAceKing->trigger(); // already checked: a checkable action would untick itself
        QVERIFY(window->mnuAceKing->isChecked());
        QVERIFY(!window->mnuNoAceKing->isChecked());
        QVERIFY(window->game().state.options.aceKingWrap);
    }

    void aceKingWrapOffRefusesAnAceOnAKing() {
        auto window = open();
        QVERIFY(window);
        GameState& state = window->game().state;
        state.tableCards[4] = spades(1);
        state.discardTop = hearts(13);
        window->mnuNoAceKing->trigger();
        clickAt(*window, slotPoint(4));
        QVERIFY(state.onTable[4]);
        window->mnuAceKing->trigger();
        clickAt(*window, slotPoint(4));
        QVERIFY(!state.onTable[4]);
        QCOMPARE(state.discardTop, spades(1));
    }

    void scoringOffLeavesScoreAndAntyAlone() {
        auto window = open();
        QVERIFY(window);
        GameState& state = window->game().state;
        state.score = 40;
        state.anty = 15;
        window->mnuScoringOff->trigger();
        QCOMPARE(labelText(*window, "Label3"), QStringLiteral("0")); // the label is left alone
        const int slot = drawUntilAMoveFits(*window);
        QVERIFY(slot >= 0);
        clickAt(*window, slotPoint(slot));
        QVERIFY(!state.onTable[slot]);
        QTest::mouseClick(control(*window, "Command3"), Qt::LeftButton);
        QCOMPARE(state.score, 40);
        QCOMPARE(state.anty, 15);
    }

    void shuffleCountReachesTheDeal() {
        // Each pass of the shuffle builds its own deck; the deal keeps the last pass's.
        const auto first = makeDeck({});
        const auto second = clearableDeck(0);
        const auto third = clearableDeck(5);
        ScriptedRandom random({first, first, second, third});
        auto window = open(&random); // the first deal takes one pass: `first`
        QVERIFY(window);
        window->mnuShuffling3->trigger();
        window->mnuNewGame->trigger(); // three passes: first, second, third
        for (int p = 1; p <= DeckSize; ++p) {
            QCOMPARE(window->game().state.deck[p], third[static_cast<std::size_t>(p - 1)]);
        }
        verifyTableMatchesGame(*window);
    }

    void cheatMenusFollowTheCheatState() {
        auto window = open();
        QVERIFY(window);
        window->mnuCheatsEnabled->trigger(); // no card chosen: nothing changes
        QVERIFY(!window->game().state.cheat.cheatsEnabled);
        QVERIFY(window->mnuDisableCheats->isChecked());
        QVERIFY(!window->mnuCheatsEnabled->isChecked());

        window->mnuSelectWildCards->trigger();
        QWidget* form6 = topLevel("Form6");
        QVERIFY(form6);
        QVERIFY(!window->isVisible());
        QTest::mouseClick(childOf<QCheckBox>(form6, "Check1", 4), Qt::LeftButton);
        QTest::mouseClick(childOf<QPushButton>(form6, "Command1"), Qt::LeftButton);
        QTRY_VERIFY(window->isVisible());
        const CheatState& cheat = window->game().state.cheat;
        QVERIFY(cheat.cheatsEnabled);
        QCOMPARE(cheat.wildMark[5], 1);
        QVERIFY(window->mnuCheatsEnabled->isChecked());
        QVERIFY(!window->mnuDisableCheats->isChecked());

        window->mnuDisableCheats->trigger();
        QVERIFY(!cheat.cheatsEnabled);
        QVERIFY(window->mnuDisableCheats->isChecked() && !window->mnuCheatsEnabled->isChecked());
        window->mnuCheatsEnabled->trigger();
        QVERIFY(cheat.cheatsEnabled);
        QCOMPARE(cheat.wildMark[5], 1);
        QVERIFY(window->mnuCheatsEnabled->isChecked() && !window->mnuDisableCheats->isChecked());
    }

    void highScoreWithAChosenWildCardIsEnteredWithAnAsterisk() {
        auto window = open();
        QVERIFY(window);
        GameState& state = window->game().state;
        state.cheat.wildMark[5] = 1;
        state.cheat.wildCount = 1;
        window->mnuCheatsEnabled->trigger();
        state.tableCards[4] = spades(5); // the chosen card, free at the bottom of column 0
        clickAt(*window, slotPoint(4));
        QCOMPARE(state.cheat.wildCardsPlayed, 1);

        dialogs_.answer = QStringLiteral("Ann");
        // Play until the end of the game asks for the name (the save then deals a new game).
        for (int step = 0; step < 5000 && dialogs_.questions.isEmpty(); ++step) {
            const int slot = fittingSlot(window->game());
            if (slot >= 0) {
                clickAt(*window, slotPoint(slot));
            } else {
                QTest::mouseClick(picture(*window, "Image3"), Qt::LeftButton);
            }
        }
        QCOMPARE(dialogs_.questions,
                 QStringList{"High Scores: Hall of Fame|Please enter your name for the High "
                             "Scores Hall of Fame."});
        const QString best = QString::fromStdString(toText(state.highScoreValues[0]));
        QVERIFY(best.toInt() > 0);
        QCOMPARE(state.highScoreNames[0].text, std::string("Ann *"));
        QCOMPARE(labelText(*window, "Label5"), best);
        // The save dealt a new game and hid the panel, then the Hall of Fame opened.
        QVERIFY(!state.gameOver);
        QVERIFY(!control(*window, "Frame1")->isVisible());
        QCOMPARE(state.tableCardsLeft, 35);
        QCOMPARE(state.score, 0);
        QWidget* form4 = topLevel("Form4");
        QVERIFY(form4);
        QCOMPARE(childOf<QLabel>(form4, "Label7", 0)->text(), best);
        QCOMPARE(childOf<QLineEdit>(form4, "Text1", 0)->text(), QStringLiteral("Ann *"));
        QVERIFY(QFileInfo(QDir(dir_.path()).filePath("hscores.dat")).size() > 40);

        // A new main window reads the entry back from the file.
        window.reset();
        auto again = open();
        QVERIFY(again);
        QCOMPARE(labelText(*again, "Label5"), best);
        QCOMPARE(again->game().state.highScoreNames[0].text, std::string("Ann *"));
    }

    void highScoresMenuOpensTheHallOfFameBesideTheGame() {
        auto window = open();
        QVERIFY(window);
        window->mnuHighScores->trigger();
        QWidget* form4 = topLevel("Form4");
        QVERIFY(form4);
        QVERIFY(window->isVisible());
        QCOMPARE(form4->windowTitle(), QStringLiteral("High Scores"));
    }

    void helpMenusOpenTheirWindowsInsteadOfTheGame_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("form");
        QTest::newRow("rules") << "mnuGameRules"
                               << "Form2";
        QTest::newRow("about") << "mnuAboutCorvelle"
                               << "Form5";
    }

    void helpMenusOpenTheirWindowsInsteadOfTheGame() {
        QFETCH(QString, item);
        QFETCH(QString, form);
        auto window = open();
        QVERIFY(window);
        const GameState before = window->game().state;
        window->findChild<QAction*>(item)->trigger();
        QWidget* opened = topLevel(form.toLatin1().constData());
        QVERIFY(opened);
        QVERIFY(!window->isVisible());
        QTest::mouseClick(childOf<QPushButton>(opened, "Command1"), Qt::LeftButton);
        QTRY_VERIFY(window->isVisible());
        QCOMPARE(window->game().state.deck, before.deck);
        QCOMPARE(window->game().state.onTable, before.onTable);
    }
};

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
