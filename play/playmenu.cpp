// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/playmenu.h"

#include "options/optiontable.h"
#include "play/clearabletables.h"
#include "play/reviewwindow.h"
#include "play/solvercommands.h"
#include "records/statisticswindow.h"
#include "storage/datadirectory.h"
#include "ui/dialogs.h"
#include "ui/menus.h"

#include <QDate>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace corvelle {

namespace {

const QString ReviewGroup = QStringLiteral("Review");
const QString ShowAtRoundEndKey = QStringLiteral("ShowAtRoundEnd");
const QString DealsGroup = QStringLiteral("Deals");
const QString ClearableOnlyKey = QStringLiteral("ClearableOnly");

std::int32_t dateNumber(const QDate& date) {
    return date.year() * 10000 + date.month() * 100 + date.day();
}

std::uint64_t todaysDeal() {
    const QDate today = QDate::currentDate();
    return dealOfTheDay(today.year(), today.month(), today.day());
}

// The deal a typed answer names: a whole number from 1 to MaxDealNumber, blanks around it
// allowed; nothing for anything else.
std::optional<std::uint64_t> dealNumberIn(const QString& typed) {
    const QString digits = typed.trimmed();
    if (digits.isEmpty() || digits.size() > 10 ||
        !std::all_of(digits.begin(), digits.end(),
                     [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); })) {
        return std::nullopt;
    }
    const qulonglong deal = digits.toULongLong();
    return deal >= 1 && deal <= MaxDealNumber ? std::optional(deal) : std::nullopt;
}

std::int32_t difference(std::int32_t a, std::int32_t b) {
    const std::int64_t d = std::int64_t{a} - b;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        d, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace

PlayMenu::PlayMenu(QMainWindow* window, Game& game, QAction* before)
    : QObject(window), window_(window), game_(game), statistics_(dataDirectory()),
      keptGame_(dataDirectory()) {
    createMenu(before);
}

void PlayMenu::createMenu(QAction* before) {
    QMenu* menu = makeMenu(window_, "mnuPlay", tr("&Play"));
    QAction* restart = addMenuItem(menu, "mnuRestartDeal", tr("&Restart This Deal"));
    QAction* dealNumber = addMenuItem(menu, "mnuPlayDealNumber", tr("Play &Deal Number..."));
    QAction* daily = addMenuItem(menu, "mnuDealOfTheDay", tr("Deal of the Da&y"));
    QAction* clearableOnly = addCheckItem(menu, "mnuClearableOnly", tr("Only &Clearable Tables"),
                                          settings_.loadFlag(DealsGroup, ClearableOnlyKey, false));
    resumeItem_ = addMenuItem(menu, "mnuResumeGame", tr("Resume &Last Game"));
    addSeparator(menu, "mnuPlaySeparator1");
    QAction* statistics = addMenuItem(menu, "mnuStatistics", tr("&Statistics"));
    QAction* reset = addMenuItem(menu, "mnuResetStatistics", tr("R&eset Statistics"));
    addSeparator(menu, "mnuPlaySeparator2");
    reviewLastItem_ = addMenuItem(menu, "mnuReviewLastRound", tr("Re&view Last Round"));
    QAction* reviewThis = addMenuItem(menu, "mnuReviewThisRound", tr("Review &This Round"));
    reviewAtRoundEndItem_ =
        addCheckItem(menu, "mnuReviewAtRoundEnd", tr("Show Review at Round E&nd"),
                     settings_.loadFlag(ReviewGroup, ShowAtRoundEndKey, false));
    reviewLastItem_->setEnabled(false);
    window_->menuBar()->insertMenu(before, menu);
    showResumeItem();
    solver_ = new SolverCommands(menu, restart, game_, statistics_);
    connect(solver_, &SolverCommands::hintChanged, this, &PlayMenu::hintChanged);
    connect(solver_, &SolverCommands::message, this, &PlayMenu::message);
    clearable_ = new ClearableTables(this);
    clearable_->setOn(clearableOnly->isChecked());
    game_.setRoundChooser(clearable_);
    connect(clearable_, &ClearableTables::message, this, &PlayMenu::message);
    connect(clearableOnly, &QAction::triggered, this, [this](bool on) {
        settings_.saveFlag(DealsGroup, ClearableOnlyKey, on);
        clearable_->setOn(on);
        clearable_->dealt(game_.state());
    });
    // Any command but the solver's own drops the hint shown or asked for.
    connect(window_->menuBar(), &QMenuBar::triggered, this, [this](QAction* action) {
        if (!solver_->isOwnCommand(action)) {
            solver_->dropQuestion();
        }
    });

    connect(restart, &QAction::triggered, this, &PlayMenu::onRestartDeal);
    connect(dealNumber, &QAction::triggered, this, &PlayMenu::onPlayDealNumber);
    connect(daily, &QAction::triggered, this, &PlayMenu::onDealOfTheDay);
    connect(resumeItem_, &QAction::triggered, this, &PlayMenu::onResumeGame);
    connect(reviewLastItem_, &QAction::triggered, this, [this] {
        if (lastRound_) {
            openReview(*lastRound_);
        }
    });
    connect(reviewThis, &QAction::triggered, this, [this] { openReview(round_); });
    connect(reviewAtRoundEndItem_, &QAction::triggered, this,
            [this](bool on) { settings_.saveFlag(ReviewGroup, ShowAtRoundEndKey, on); });
    connect(statistics, &QAction::triggered, this, &PlayMenu::onShowStatistics);
    connect(reset, &QAction::triggered, this, &PlayMenu::onResetStatistics);
    connect(&statistics_, &Statistics::saveFailed, this, &PlayMenu::message);
}

// ---- New games ----

void PlayMenu::newGame() {
    startGame(clearable_->freshDeal(game_.state()), false);
}

void PlayMenu::startGame(std::uint64_t dealNumber, bool asked) {
    leaveGame();
    dealtOn_ = QDate::currentDate();
    game_.newGame(dealNumber);
    clearable_->dealt(game_.state(), asked);
    startTracking(game_.state().score, 0);
    solver_->dropQuestion();
    solver_->roundDealt();
}

void PlayMenu::startTracking(std::int32_t roundStartScore, std::int64_t gameSerial, bool dealt) {
    roundStartScore_ = roundStartScore;
    roundsPlayed_ = game_.state().roundIndex;
    gameSerial_ = gameSerial;
    gameRecorded_ = false;
    statistics_.setCurrentDeal(game_.state().dealNumber);
    round_ = {game_.state(), dealt, {}};
}

// A game counts as played once a card has been played or drawn.
bool PlayMenu::played() const {
    const GameState& s = game_.state();
    return s.roundIndex > 1 || (s.roundIndex == 1 &&
                                (s.tableCardsLeft < TableSlots || s.deckPosition > TableSlots + 1));
}

void PlayMenu::leaveGame() {
    if (!round_.steps.empty()) {
        lastRound_ = round_;
        reviewLastItem_->setEnabled(true);
    }
    if (!gameRecorded_ && played()) {
        const GameState& s = game_.state();
        statistics_.gameLeft(gameSerial_, s.dealNumber, s.score);
        recordDailyScore();
    }
    gameRecorded_ = true;
}

// A game of the deal of the day counts for the day it was dealt, and for today.
void PlayMenu::recordDailyScore() {
    const GameState& s = game_.state();
    const QDate today = QDate::currentDate();
    for (const QDate& day : {dealtOn_, today}) {
        if (day.isValid() && s.dealNumber == dealOfTheDay(day.year(), day.month(), day.day())) {
            statistics_.dailyScore(dateNumber(day), s.dealNumber, s.score);
            return;
        }
    }
}

void PlayMenu::onRestartDeal() {
    const std::uint64_t deal = game_.state().dealNumber;
    startGame(deal != 0 ? deal : clearable_->freshDeal(game_.state()), deal != 0);
}

void PlayMenu::onDealOfTheDay() {
    startGame(todaysDeal());
}

void PlayMenu::onPlayDealNumber() {
    const QString typed = dialogs().askText(
        tr("Please enter the number of the deal to play (1 to %1).").arg(MaxDealNumber),
        tr("Play Deal Number"));
    if (typed.trimmed().isEmpty()) {
        return;
    }
    const std::optional<std::uint64_t> deal = dealNumberIn(typed);
    if (!deal) {
        emit message(tr("There is no deal %1: deals are numbered from 1 to %2.")
                         .arg(typed.trimmed())
                         .arg(MaxDealNumber));
        return;
    }
    startGame(*deal);
}

// ---- Recording ----

void PlayMenu::afterAction(const PlayerAction& action, const GameState& before, Outcome outcome,
                           bool dealAgain) {
    const GameState& s = game_.state();
    if (outcome != Outcome::Nothing || !(s == before)) {
        round_.steps.push_back({action, before, s, outcome});
    }
    solver_->dropQuestion();
    statistics_.runPlayed(s.runCards);
    if (gameRecorded_ && !s.gameOver) {
        statistics_.takeBackGameOver();
        gameRecorded_ = false;
    }
    if (outcome == Outcome::RoundWon) {
        solver_->roundEnded(statistics_.roundEnded(gameSerial_, s.dealNumber, before.roundIndex,
                                                   difference(s.score, roundStartScore_), true));
        roundStartScore_ = s.score;
        ++roundsPlayed_;
        solver_->roundDealt();
        clearable_->dealt(s);
        lastRound_ = std::exchange(round_, {s, true, {}});
        roundEnded();
    } else if (outcome == Outcome::GameOver && !gameRecorded_) {
        solver_->roundEnded(statistics_.gameOver(gameSerial_, s.dealNumber, s.roundIndex,
                                                 difference(s.score, roundStartScore_), s.score,
                                                 roundsPlayed_));
        recordDailyScore();
        gameRecorded_ = true;
        lastRound_ = round_;
        roundEnded();
    }
    if (dealAgain) {
        newGame();
    }
}

// The round just ended: its review can be opened, and opens by itself when the player wants it,
// once the main window has shown what the end of a game brings (name, Hall of Fame).
void PlayMenu::roundEnded() {
    reviewLastItem_->setEnabled(true);
    if (reviewAtRoundEndItem_->isChecked()) {
        QTimer::singleShot(0, this, [this] {
            if (lastRound_) {
                openReview(*lastRound_);
            }
        });
    }
}

void PlayMenu::openReview(const RoundHistory& history) {
    ReviewWindow::showFor(window_, history);
}

void PlayMenu::onShowStatistics() {
    StatisticsWindow::showFor(window_, &statistics_);
}

void PlayMenu::onResetStatistics() {
    if (dialogs().askYesNo(
            tr("Reset the statistics? Every game and round recorded so far is forgotten."))) {
        statistics_.reset();
    }
}

// ---- The kept game ----

void PlayMenu::windowClosing() {
    const GameState& s = game_.state();
    if (!s.gameOver && !gameRecorded_ && played() && s.dealNumber != 0) {
        if (const QString told = keptGame_.keep({s, roundStartScore_, gameSerial_});
            !told.isEmpty()) {
            emit message(told);
        }
    }
    statistics_.flush();
}

void PlayMenu::onResumeGame() {
    KeptGame::Taken kept = keptGame_.take();
    if (kept.game) {
        leaveGame();
        dealtOn_ = QDate();
        kept.game->state.highScoreToBeat = game_.state().highScoreToBeat;
        game_.resume(kept.game->state);
        startTracking(kept.game->roundStartScore,
                      statistics_.adoptGame(kept.game->gameSerial, kept.game->state.dealNumber),
                      false);
        solver_->dropQuestion();
        solver_->roundResumed();
        clearable_->dealt(game_.state());
    }
    showResumeItem();
    if (kept.game) {
        emit resumed();
    } else if (!kept.told.isEmpty()) {
        emit message(kept.told);
    }
}

void PlayMenu::showResumeItem() {
    resumeItem_->setEnabled(keptGame_.exists());
}

} // namespace corvelle
