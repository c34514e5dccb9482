// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/clearabledeals.h"
#include "options/optionstore.h"
#include "play/playmenu.h"
#include "play/reviewwindow.h"
#include "play/tablepicture.h"
#include "records/keptgame.h"
#include "records/roundreview.h"
#include "scores/tablevalue.h"
#include "storage/datadirectory.h"
#include "tests/support/windowdriver.h"
#include "ui/cardwords.h"

using namespace corvelle;
using namespace corvelle::test;

namespace {

// Plays `action` on the test game and adds it to `history`, as the Play menu records a round.
Outcome step(TestGame& t, RoundHistory& history, const PlayerAction& action) {
    const GameState before = t.state;
    Outcome outcome = Outcome::Nothing;
    switch (action.kind) {
    case PlayerAction::Kind::PlayCard:
        outcome = t.game.clickTableSlot(action.slot);
        break;
    case PlayerAction::Kind::Draw:
        outcome = t.game.clickDiscardPile();
        break;
    case PlayerAction::Kind::Undo:
        t.game.undoLastMove();
        break;
    }
    history.steps.push_back({action, before, t.state, outcome});
    return outcome;
}

} // namespace

// The "&Play" menu of the real main window: hints and the best possible score, numbered deals,
// the deal of the day, restart and resume; and the review of a round with its best line.
class PlayTest : public QObject {
    Q_OBJECT

    WindowFixture fixture_;

private slots:
    void initTestCase() { QVERIFY(fixture_.setUp()); }
    void init() { fixture_.reset(); }
    void cleanupTestCase() { setDialogs(nullptr); }

    // At a dead end a hint outlines the discard pile and says so, with no message box; Best
    // Possible Score tells both bests; a round's best reaches the statistics when it ends. A
    // hint outlines the first move of the best line, makes its card the keyboard's choice (Enter
    // plays it), is said to a screen reader, never touches the score, counts once for a
    // position however often it is asked there, and goes at the next action.
    void hintsSpeakLeadAndCountOncePerPosition() {
        ScriptedRandom random({stuckDeck(), clearableDeck(0)});
        Announcements voice;
        auto window = fixture_.open(&random);
        auto* play = window->findChild<PlayMenu*>();
        const GameState& state = window->game().state();
        menuItem(*window, "mnuHint")->trigger();
        QTRY_COMPARE(outlined(*window), QStringList{"Image3"});
        QTRY_VERIFY(voice.heard.contains("Hint: no move can add to your score now"));
        QVERIFY(fixture_.messages.isEmpty());
        menuItem(*window, "mnuBestPossible")->trigger();
        QTRY_COMPARE(fixture_.messages.value(0), "The most this round can give:\n\nfrom its "
                                                 "start: 0 points\nfrom here: 0 more points");
        while (!state.gameOver) {
            click(*window, "Image3");
        }
        click(*window, "Image3"); // a click after the end leaves the ended game counted
        QCOMPARE(play->statistics().data().gamesPlayed, 1);
        QTRY_VERIFY(play->statistics().data().rounds.back().best == 0);
        menuItem(*window, "mnuNewGame")->trigger();
        const GameState before = state;
        for (int times = 0; times < 3; ++times) {
            menuItem(*window, "mnuHint")->trigger();
        }
        // The whole table goes in one run from the bottom card of the first column.
        QTRY_COMPARE(outlined(*window), QStringList{"Image14"});
        QTRY_VERIFY(voice.heard.contains("Hint: play the " + cardWords(state.tableCards[4])));
        QVERIFY(state == before && play->statistics().data().hintsUsed == 2);
        QCOMPARE(outlined(*window, CardPicture::Outline::Chosen), QStringList{});
        QTest::keyClick(window->centralWidget(), Qt::Key_Return);
        QVERIFY(!state.onTable[4] && state.score == 5 && outlined(*window).isEmpty());
        menuItem(*window, "mnuHint")->trigger();
        QTRY_COMPARE(outlined(*window), QStringList{"Image13"});
        QCOMPARE(play->statistics().data().hintsUsed, 3);
        // An answer on its way when the player moves on is for a position gone: never shown.
        menuItem(*window, "mnuHint")->trigger();
        QThread::msleep(300);
        QTest::keyClick(window->centralWidget(), Qt::Key_Return);
        menuItem(*window, "mnuHint")->trigger();
        QTRY_COMPARE(outlined(*window), QStringList{"Image12"});
    }

    // What a step kept in reach, against the rules' own sums on a deck whose whole table goes
    // in one run from the first discard: 5 + 10 + .. + 175 = 3150 points and a bonus of 90 for
    // the 18 cards left to draw. Playing the first card keeps all of it in reach; the undo costs
    // 5 points of score but leaves the run going at 10, so the next 35 cards give 10 + .. + 180;
    // the round is then won with all of that. A draw at the start loses points, and the review
    // says which card would have kept them.
    void reviewTellsWhatEachStepKeptInReach() {
        TestGame t({clearableDeck(0), makeDeck({})});
        RoundHistory round{t.state, true, {}};
        step(t, round, PlayerAction::playCard(4));
        step(t, round, PlayerAction::undo());
        for (int k = 0; k < TableSlots; ++k) {
            step(t, round, PlayerAction::playCard(clearingOrderSlot(k)));
        }
        const RoundReview review = reviewRound(round);
        QVERIFY(review.exact && review.ended && review.fromDeal && review.steps.size() == 37);
        QCOMPARE(review.possible, 3150 + 90);
        QCOMPARE(review.steps[0].inReachAfter(), 3240);
        QCOMPARE(review.steps[0].lost(), 0);
        const ReviewedStep& undo = review.steps[1];
        QVERIFY(undo.scoredBefore == 5 && undo.scoredAfter == 0 && undo.bestAfter == 3325 + 90);
        QCOMPARE(undo.lost(), 3240 - 3415);
        QVERIFY(review.steps.back().bestAfter == 0 && review.steps.back().scoredAfter == 3415);
        QCOMPARE(review.scored, 3415);

        TestGame drew({clearableDeck(0)});
        RoundHistory early{drew.state, true, {}};
        step(drew, early, PlayerAction::draw());
        const ReviewedStep first = reviewRound(early).steps.at(0);
        QVERIFY(first.card == drew.state.discardTop && first.bestMove == SolverMove{4});
        QCOMPARE(first.bestMoveCard, drew.state.tableCards[4]);
        QCOMPARE(first.lost(), 3240 - solve(positionOf(drew.state)).best);
        QVERIFY(first.lost() > 0);
    }

    // The review opens by itself at the end of a round when the player asked for that (a
    // setting of its own, kept), and the last round can be reviewed once a round has ended. The
    // review window: the summary, a row a step with what it lost, the table and best move of the
    // selected step, and the best line played on the window's own table, step by step and by
    // itself, while the game in progress stays as it is.
    void reviewWindowShowsStepsAndPlaysTheBestLine() {
        ScriptedRandom random({stuckDeck(), clearableDeck(0)});
        auto window = fixture_.open(&random);
        QVERIFY(!menuItem(*window, "mnuReviewLastRound")->isEnabled());
        menuItem(*window, "mnuReviewAtRoundEnd")->trigger();
        QCOMPARE(QSettings(OptionStore::fileName(), QSettings::IniFormat)
                     .value("Review/ShowAtRoundEnd")
                     .toString(),
                 "True");
        while (!window->game().state().gameOver) {
            click(*window, "Image3");
        }
        QTRY_VERIFY(topLevel("FormReview") != nullptr);
        auto* review = qobject_cast<ReviewWindow*>(topLevel("FormReview"));
        QTRY_VERIFY_WITH_TIMEOUT(review->ready(), 60000);
        QVERIFY(review->review().ended && review->review().steps.size() == 18);
        QCOMPARE(labelText(*review, "Summary"), "You scored 0 of a possible 0");
        QVERIFY(menuItem(*window, "mnuReviewLastRound")->isEnabled());
        review->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        menuItem(*window, "mnuNewGame")->trigger();
        click(*window, "Image3");
        const GameState game = window->game().state();
        menuItem(*window, "mnuReviewThisRound")->trigger();
        review = qobject_cast<ReviewWindow*>(topLevel("FormReview"));
        QVERIFY(review != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(review->ready(), 60000);
        const std::int64_t lost = review->review().steps.at(0).lost();
        QVERIFY(lost > 0);
        QCOMPARE(labelText(*review, "Summary"), "You scored 0 so far, of a possible 3240");
        auto* steps = review->findChild<QTreeWidget*>("Steps");
        QCOMPARE(steps->topLevelItemCount(), 2); // the draw, and the table now
        QCOMPARE(steps->topLevelItem(0)->text(1), "drew the " + cardWords(game.discardTop));
        QCOMPARE(steps->topLevelItem(0)->text(3), QString::number(lost));
        QCOMPARE(steps->topLevelItem(1)->text(1), "Now");
        const QString two = cardWords(game.tableCards[4]);
        steps->setCurrentItem(steps->topLevelItem(0));
        QCOMPARE(labelText(*review, "Mark"),
                 QString("drew: playing the %1 would have kept %2 more points in reach")
                     .arg(two)
                     .arg(lost));
        QCOMPARE(labelText(*review, "BestMove"), "Best move here: play the " + two);
        click(*review, "ShowBestLine");
        QTRY_COMPARE(labelText(*review, "BestMove"), "Best line, move 1 of 35: play the " + two);
        for (int i = 0; i < 3; ++i) {
            click(*review, "Next");
        }
        click(*review, "Previous");
        QVERIFY(labelText(*review, "BestMove").startsWith("Best line, move 3 of 35: play the "));
        auto* table = review->findChild<TablePicture*>("Table");
        QVERIFY(!table->description().contains(two)); // played on the review's own table
        review->findChild<QComboBox*>("Speed")->setCurrentIndex(2);
        click(*review, "PlayLine");
        QTRY_VERIFY(labelText(*review, "BestMove").startsWith("Best line, move 5 of 35"));
        QCOMPARE(window->game().state(), game);
        review->close();
    }

    // The deal of the day follows from the date alone, the same for everybody; the statistics
    // keep the player's best on each day's deal.
    void dealOfTheDayFollowsTheDate() {
        QCOMPARE(dealOfTheDay(2026, 12, 8), 4238333401u);
        QCOMPARE(dealOfTheDay(2027, 1, 1), 2824015275u);
        QCOMPARE(dealOfTheDay(2024, 2, 29), 325231798u);
        QCOMPARE(dealOfTheDay(1999, 12, 31), 4190727165u);
        auto window = fixture_.open();
        menuItem(*window, "mnuDealOfTheDay")->trigger();
        const QDate today = QDate::currentDate();
        const std::uint64_t daily = dealOfTheDay(today.year(), today.month(), today.day());
        const GameState& state = window->game().state();
        QCOMPARE(state.dealNumber, daily);
        QVERIFY(playUntil(*window, [&] { return state.gameOver; }));
        const int date = today.year() * 10000 + today.month() * 100 + today.day();
        const StatisticsData& d = window->findChild<PlayMenu*>()->statistics().data();
        // The game of the day went into the Hall of Fame, and a fresh deal followed.
        QVERIFY(!d.games.empty() && d.games[0].deal == daily);
        QCOMPARE(d.dailyBest(date), std::optional(d.games[0].score));
        menuItem(*window, "mnuStatistics")->trigger();
        QCOMPARE(labelText(*topLevel("FormStatistics"), "DealOfTheDay"),
                 QString("%1, best %2").arg(daily).arg(d.games[0].score));
    }

    // "Only Clearable Tables" (a setting of its own, kept): every new game and every new round
    // deals a table that can be cleared; a deal asked for by number is dealt as asked, and the
    // player hears when its table cannot be cleared. The statistics count the rounds played.
    void onlyClearableTablesAreDealt() {
        auto window = fixture_.open();
        const GameState& state = window->game().state();
        menuItem(*window, "mnuNoAceKing")->trigger(); // without it, more tables cannot be cleared
        menuItem(*window, "mnuClearableOnly")->trigger();
        QCOMPARE(QSettings(OptionStore::fileName(), QSettings::IniFormat)
                     .value("Deals/ClearableOnly")
                     .toString(),
                 "True");
        auto clears = [](const SolverPosition& position) {
            const ClearResult result = canClearTable(position);
            return result.exact && result.canClear;
        };
        // One table in twenty-three or so cannot be cleared without Ace-King.
        for (int game = 0; game < 100; ++game) {
            menuItem(*window, "mnuNewGame")->trigger();
            QVERIFY2(clears(positionOf(state)), qPrintable(QString::number(state.dealNumber)));
            if (game % 10 == 0) {
                QTest::qWait(50); // now and then, the proof ahead arrives before the next deal
            }
        }
        // A deal whose first table cannot be cleared, and one whose second cannot.
        std::uint64_t stuck = 0, stuckLater = 0;
        for (std::uint64_t deal = 1; stuck == 0 || stuckLater == 0; ++deal) {
            const bool first = clears(roundStartPosition(deal, 1, state.options, state.cheat));
            stuck = stuck == 0 && !first ? deal : stuck;
            stuckLater = stuckLater == 0 && first &&
                                 !clears(roundStartPosition(deal, 2, state.options, state.cheat))
                             ? deal
                             : stuckLater;
        }
        fixture_.answer = QString::number(stuck);
        menuItem(*window, "mnuPlayDealNumber")->trigger();
        QCOMPARE(state.dealNumber, stuck);
        QTRY_COMPARE(fixture_.messages.value(0),
                     QString("No way of playing deal %1 clears its table: it is dealt as asked, "
                             "though only clearable tables are dealt otherwise.")
                         .arg(stuck));
        fixture_.answer = QString::number(stuckLater);
        menuItem(*window, "mnuPlayDealNumber")->trigger();
        for (const SolverMove& move : canClearTable(positionOf(state)).line) {
            move.isDraw() ? click(*window, "Image3") : clickAt(*window, slotPoint(move.slot));
        }
        const std::int32_t next =
            firstClearableRound(stuckLater, 2, state.options, state.cheat)->round;
        QVERIFY(next > 2 && state.roundIndex == next && clears(positionOf(state)));
        int rounds = 2;
        std::int32_t last = next;
        QVERIFY(playUntil(*window, [&] { // to the end of the game (a Hall of Fame deals again)
            if (state.dealNumber != stuckLater || state.gameOver) {
                return true;
            }
            rounds += state.roundIndex != last;
            last = state.roundIndex;
            return false;
        }));
        const StatisticsData& d = window->findChild<PlayMenu*>()->statistics().data();
        QVERIFY(!d.games.empty() && d.games.back().deal == stuckLater);
        QCOMPARE(d.games.back().rounds, rounds);
        QCOMPARE(d.rounds.back().round, last);
        QCOMPARE(d.rounds[d.rounds.size() - rounds].round, 1);
        std::int32_t points = 0; // each round's own, which add up to the game's score
        for (auto round = d.rounds.end() - rounds; round != d.rounds.end(); ++round) {
            points += round->points;
        }
        QCOMPARE(points, d.games.back().score);
        QCOMPARE(fixture_.messages.size(), 1);
    }

    // "&Play" comes before "&Help"; a deal is played by its number (a wrong or cancelled one
    // changes nothing) and restarted with the same deck (the first try counts as a game); the
    // game in progress as the window closes is resumed in the next, options and all.
    void playMenuDealsRestartsAndResumes() {
        auto window = fixture_.open();
        QVERIFY(!menuItem(*window, "mnuResumeGame")->isEnabled());
        const GameState& state = window->game().state();
        const GameState before = state;
        // Nothing but a whole number from 1 to 4294967295 plays: the rest is refused with the
        // range, never cut down to a number ("-5" is no deal 5); an empty answer cancels.
        const QStringList wrong{"",   "0",  "4294967296", "x", "-5", "12345678901234567890",
                                "7x", "1.5"};
        for (const QString& answer : wrong) {
            fixture_.answer = answer;
            menuItem(*window, "mnuPlayDealNumber")->trigger();
            QVERIFY2(state == before, qPrintable(answer));
        }
        QCOMPARE(fixture_.messages.size(), wrong.size() - 1);
        QCOMPARE(fixture_.messages.value(3), "There is no deal -5: deals are numbered from 1 to "
                                             "4294967295.");
        fixture_.messages.clear();
        fixture_.questions.clear();
        fixture_.answer = " 42 "; // the blanks around a number do not count
        menuItem(*window, "mnuPlayDealNumber")->trigger();
        QCOMPARE(state.dealNumber, 42u);
        fixture_.answer = "123456789";
        menuItem(*window, "mnuPlayDealNumber")->trigger();
        const auto deck = state.deck;
        QVERIFY(state.dealNumber == 123456789 && state.deck != before.deck);
        menuItem(*window, "mnuNoAceKing")->trigger();
        QVERIFY(playUntil(*window, [&] { return state.deckPosition > 37 && state.score > 0; }));
        menuItem(*window, "mnuRestartDeal")->trigger();
        QVERIFY(state.deck == deck && state.deckPosition == 36 && state.score == 0);
        QVERIFY(playUntil(*window, [&] { return state.score > 0; }));
        GameState kept = state;
        window->close();
        // The Hall of Fame filled meanwhile: the resumed game must beat today's, not the kept one.
        QVERIFY(fixture_.fillHallOfFame(kept.score + 5000));
        auto next = fixture_.open();
        QVERIFY(next->game().state().highScoreToBeat != kept.highScoreToBeat);
        kept.highScoreToBeat = next->game().state().highScoreToBeat;
        menuItem(*next, "mnuAceKing")->trigger();
        menuItem(*next, "mnuResumeGame")->trigger();
        QVERIFY(next->game().state() == kept && menuItem(*next, "mnuNoAceKing")->isChecked());
        QCOMPARE(brokenInvariant(next->game().state(), shownBy(*next)), nullptr);
        const StatisticsData& d = next->findChild<PlayMenu*>()->statistics().data();
        QVERIFY(!menuItem(*next, "mnuResumeGame")->isEnabled() && d.gamesPlayed == 1);
        for (const bool yes : {false, true}) { // a reset only when the player says yes
            fixture_.yes = yes;
            menuItem(*next, "mnuResetStatistics")->trigger();
            QVERIFY(fixture_.questions.size() == 3 + yes && d.gamesPlayed == !yes);
        }
    }

    // A resumed game that was once past 32767 and ends below it is entered in the Hall of Fame
    // at its full width, as the game's own peak says.
    void resumedPeakScoreWidensItsHighScore() {
        auto window = fixture_.open();
        GameState kept = window->game().state();
        window->close();
        kept.score = 20000;
        kept.peakScore = 40000;
        QCOMPARE(KeptGame(dataDirectory()).keep({kept, 0, 1}), QString());
        auto next = fixture_.open();
        menuItem(*next, "mnuResumeGame")->trigger();
        QCOMPARE(next->game().state().peakScore, 40000);
        QVERIFY(playUntil(*next, [&] { return !fixture_.questions.isEmpty(); }));
        const TableValue entered = next->highScores().values()[0];
        const int score = std::stoi(toText(entered));
        QVERIFY2(score >= 20000 && score <= 32767, toText(entered).c_str());
        QCOMPARE(entered, TableValue::int32(score));
    }
};

QTEST_MAIN(PlayTest)
#include "tst_play.moc"
