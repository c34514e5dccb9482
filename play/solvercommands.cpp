// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/solvercommands.h"

#include "engine/game.h"
#include "records/statistics.h"

#include <QAction>

#include <QApplication>
#include <QMenu>
#include <algorithm>

namespace corvelle {

namespace {

QString bestText(const SolverResult& result) {
    return result.exact ? QString::number(result.best)
                        : SolverCommands::tr("at least %1").arg(result.best);
}

} // namespace

SolverCommands::SolverCommands(QMenu* menu, QAction* before, const Game& game,
                               Statistics& statistics)
    : QObject(menu), game_(game), statistics_(statistics) {
    hintItem_ = new QAction(tr("&Hint"), menu);
    hintItem_->setObjectName(QStringLiteral("mnuHint"));
    hintItem_->setShortcut(QKeySequence(Qt::Key_H));
    bestPossibleItem_ = new QAction(tr("&Best Possible Score"), menu);
    bestPossibleItem_->setObjectName(QStringLiteral("mnuBestPossible"));
    menu->insertActions(before, {hintItem_, bestPossibleItem_});
    menu->insertSeparator(before)->setObjectName(QStringLiteral("mnuPlaySeparator0"));
    connect(hintItem_, &QAction::triggered, this, &SolverCommands::onHint);
    connect(bestPossibleItem_, &QAction::triggered, this, &SolverCommands::onBestPossible);
    connect(&rounds_, &SolverRunner::solved, this, &SolverCommands::roundSolved);
    connect(&questions_, &SolverRunner::solved, this, &SolverCommands::answered);
    slowAnswer_.setSingleShot(true);
    slowAnswer_.setInterval(100);
    connect(&slowAnswer_, &QTimer::timeout, this, [this] { thinking(true); });
    roundSolveDue_.setSingleShot(true);
    roundSolveDue_.setInterval(1000);
    connect(&roundSolveDue_, &QTimer::timeout, this, &SolverCommands::solveRoundNow);
}

bool SolverCommands::isOwnCommand(const QAction* action) const {
    return action == hintItem_ || action == bestPossibleItem_;
}

void SolverCommands::roundDealt() {
    hinted_.clear();
    roundBest_.reset();
    roundKey_.reset();
    rounds_.cancel();
    roundStart_ = positionOf(game_.state());
    roundSolveDue_.start();
}

void SolverCommands::solveRoundNow() {
    roundSolveDue_.stop();
    rounds_.start(roundStart_);
}

void SolverCommands::roundResumed() {
    hinted_.clear();
    roundSolveDue_.stop();
    rounds_.cancel();
    roundBest_.reset();
    roundKey_.reset();
}

void SolverCommands::roundEnded(std::int64_t key) {
    if (roundSolveDue_.isActive()) {
        solveRoundNow();
    }
    if (!rounds_.busy() && !roundBest_) {
        return; // a resumed round: its best is not known
    }
    if (roundBest_) {
        statistics_.setRoundBest(key, static_cast<std::int32_t>(roundBest_->best));
    } else {
        roundKey_ = key;
    }
}

void SolverCommands::roundSolved(const SolverResult& result) {
    roundBest_ = result;
    if (bestFromHere_) {
        tellBestPossible(*std::exchange(bestFromHere_, std::nullopt));
    }
    if (roundKey_) {
        statistics_.setRoundBest(*roundKey_, static_cast<std::int32_t>(result.best));
        roundKey_.reset();
    }
}

// A position counts once among the hints used, however often the player asks there.
void SolverCommands::onHint() {
    const GameState& state = game_.state();
    if (std::find(hinted_.begin(), hinted_.end(), state) == hinted_.end()) {
        hinted_.push_back(state);
        statistics_.hintUsed();
    }
    ask(Question::Hint);
}

void SolverCommands::onBestPossible() {
    ask(Question::BestPossible);
}

void SolverCommands::ask(Question question) {
    dropQuestion();
    if (question == Question::BestPossible && roundSolveDue_.isActive()) {
        solveRoundNow(); // the best from the round's start is part of the answer
    }
    asked_ = question;
    slowAnswer_.start();
    questions_.start(positionOf(game_.state()));
}

void SolverCommands::dropQuestion() {
    questions_.cancel();
    asked_ = Question::None;
    bestFromHere_.reset();
    slowAnswer_.stop();
    thinking(false);
    emit hintChanged({});
}

void SolverCommands::answered(const SolverResult& result) {
    const Question question = std::exchange(asked_, Question::None);
    slowAnswer_.stop();
    thinking(false);
    if (question == Question::Hint && (result.line.empty() || result.best == 0)) {
        emit hintChanged({HintTarget::Kind::DeadEnd});
    } else if (question == Question::Hint) {
        emit hintChanged(HintTarget::of(result.line.front()));
    } else if (question == Question::BestPossible && !roundBest_ && rounds_.busy()) {
        bestFromHere_ = result; // told with the round's best, which is on its way
    } else if (question == Question::BestPossible) {
        tellBestPossible(result);
    }
}

void SolverCommands::tellBestPossible(const SolverResult& fromHere) {
    const QString fromStart = roundBest_ ? bestText(*roundBest_) : tr("not worked out yet");
    emit message(tr("The most this round can give:\n\nfrom its start: %1 "
                    "points\nfrom here: %2 more points")
                     .arg(fromStart, bestText(fromHere)));
}

void SolverCommands::thinking(bool on) {
    hintItem_->setText(on && asked_ == Question::Hint ? tr("&Hint (thinking...)") : tr("&Hint"));
    if (on != (QApplication::overrideCursor() != nullptr)) {
        on ? QApplication::setOverrideCursor(Qt::BusyCursor)
           : QApplication::restoreOverrideCursor();
    }
}

} // namespace corvelle
