// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/reviewwindow.h"

#include "engine/randomsource.h"
#include "play/reviewchart.h"
#include "play/solverrunner.h"
#include "play/tablepicture.h"
#include "ui/cardwords.h"
#include "ui/labels.h"
#include "ui/windowkit.h"

#include <QComboBox>
#include <QDate>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>

namespace corvelle {

namespace {

QPointer<ReviewWindow> openWindow;

constexpr Twips ClientArea{0, 0, 11400, 8400};
constexpr Twips TitlePlace{240, 150, 10920, 360};
constexpr Twips SummaryPlace{240, 540, 10920, 330};
constexpr Twips StepsPlace{240, 960, 5880, 5400};
constexpr Twips MarkPlace{240, 6420, 5880, 780};
constexpr Twips ChartPlace{6360, 960, 4800, 2040};
constexpr Twips TablePlace{6360, 3120, 4680, 3540};
constexpr Twips BestMovePlace{6360, 6720, 4800, 480};
constexpr Twips ShowLinePlace{240, 7740, 2040, 375};
constexpr Twips PreviousPlace{2400, 7740, 1200, 375};
constexpr Twips NextPlace{3720, 7740, 1200, 375};
constexpr Twips PlayPlace{5040, 7740, 1200, 375};
constexpr Twips SpeedPlace{6360, 7740, 1560, 375};
constexpr Twips BackPlace{9120, 7740, 2040, 375};

// Milliseconds between the moves of a best line played by itself, by the speed chosen.
constexpr std::array<int, 3> LineSpeeds{1500, 700, 250};

enum Column { StepColumn, ActionColumn, InReachColumn, LostColumn };

// The table as the player sees it after `move`: the card taken off its slot onto the discard
// pile, or the next card of the draw pile turned up. No rule is checked: the moves come from
// the game or from the solver's line.
GameState afterMove(GameState state, const SolverMove& move) {
    if (!move.isDraw()) {
        state.onTable[move.slot] = false;
        state.discardTop = state.tableCards[move.slot];
    } else if (state.deckPosition < DeckSize) {
        ++state.deckPosition;
        --state.drawPileCount;
        state.discardTop = state.deck[state.deckPosition];
    }
    return state;
}

QString points(std::int64_t value) {
    return QString::number(value);
}

} // namespace

void ReviewRunner::start(const RoundHistory& history) {
    run<RoundReview>(
        [history](const std::atomic<bool>& cancelled) { return reviewRound(history, &cancelled); },
        [this](const RoundReview& review) { emit reviewed(review); });
}

ReviewWindow* ReviewWindow::showFor(QWidget* mainWindow, const RoundHistory& history) {
    if (!openWindow) {
        openWindow = new ReviewWindow(mainWindow);
    }
    openWindow->load(history);
    openWindow->show();
    openWindow->raise();
    openWindow->activateWindow();
    return openWindow;
}

ReviewWindow::ReviewWindow(QWidget* mainWindow) : QWidget(mainWindow) {
    setUpFixedWindow(this, "FormReview", tr("Round Review"), ClientArea);
    setAttribute(Qt::WA_DeleteOnClose);
    paintGreen(this);
    runner_ = new ReviewRunner(this);
    lineSolver_ = new SolverRunner(this, std::make_shared<SolverRunner::RoundMemory>());
    connect(runner_, &ReviewRunner::reviewed, this, &ReviewWindow::onReviewed);
    connect(lineSolver_, &SolverRunner::solved, this, &ReviewWindow::onLineSolved);
    connect(&linePlayer_, &QTimer::timeout, this, [this] {
        if (lineStep_ + 1 < static_cast<int>(line_.size())) {
            stepLine(lineStep_ + 1);
        } else {
            onPlayToggled();
        }
    });
    createControls();
    if (mainWindow != nullptr) {
        move(mainWindow->frameGeometry().topLeft() + QPoint(60, 60));
    }
}

void ReviewWindow::createControls() {
    const LabelStyle white = LabelStyle().coloured(Qt::white);
    title_ = makeLabel(this, "Title", QString(), LabelStyle(white).points(13).bold(), TitlePlace);
    summary_ =
        makeLabel(this, "Summary", QString(), LabelStyle(white).points(11).bold(), SummaryPlace);
    steps_ = placed(new QTreeWidget(this), "Steps", StepsPlace);
    steps_->setHeaderLabels({tr("Step"), tr("What you did"), tr("In reach"), tr("Lost")});
    steps_->setRootIsDecorated(false);
    steps_->setAllColumnsShowFocus(true);
    steps_->setUniformRowHeights(true);
    steps_->header()->setStretchLastSection(false);
    steps_->header()->setSectionResizeMode(ActionColumn, QHeaderView::Stretch);
    for (int column : {StepColumn, InReachColumn, LostColumn}) {
        steps_->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    steps_->setAccessibleName(tr("Steps of the round"));
    connect(steps_, &QTreeWidget::currentItemChanged, this, &ReviewWindow::onPositionSelected);
    mark_ = makeLabel(this, "Mark", QString(), white, MarkPlace);
    mark_->setWordWrap(true);
    mark_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    chart_ = placed(new ReviewChart(this), "Chart", ChartPlace);
    chart_->setAccessibleName(tr("What was in reach along the round"));
    table_ = placed(new TablePicture(this), "Table", TablePlace);
    bestMove_ = makeLabel(this, "BestMove", QString(), white, BestMovePlace);
    bestMove_->setWordWrap(true);

    showLine_ = placed(new QPushButton(tr("Show Best Line"), this), "ShowBestLine", ShowLinePlace);
    previous_ = placed(new QPushButton(tr("Previous"), this), "Previous", PreviousPlace);
    next_ = placed(new QPushButton(tr("Next"), this), "Next", NextPlace);
    play_ = placed(new QPushButton(tr("Play"), this), "PlayLine", PlayPlace);
    speed_ = placed(new QComboBox(this), "Speed", SpeedPlace);
    speed_->addItems({tr("Slow"), tr("Normal"), tr("Fast")});
    speed_->setCurrentIndex(1);
    speed_->setAccessibleName(tr("Speed"));
    auto* back = placed(new QPushButton(tr("Back to Corvelle"), this), "Command1", BackPlace);
    connect(showLine_, &QPushButton::clicked, this, &ReviewWindow::onShowBestLine);
    connect(previous_, &QPushButton::clicked, this, [this] { stepLine(lineStep_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { stepLine(lineStep_ + 1); });
    connect(play_, &QPushButton::clicked, this, &ReviewWindow::onPlayToggled);
    connect(speed_, &QComboBox::currentIndexChanged, this,
            [this](int index) { linePlayer_.setInterval(LineSpeeds[std::size_t(index)]); });
    linePlayer_.setInterval(LineSpeeds[1]);
    connect(back, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
}

void ReviewWindow::load(const RoundHistory& history) {
    history_ = history;
    ready_ = false;
    review_ = {};
    line_.clear();
    lineMoves_.clear();
    lineStep_ = -1;
    linePlayer_.stop();
    steps_->clear();
    mark_->clear();
    bestMove_->clear();
    const GameState& start = history_.start;
    const QDate today = QDate::currentDate();
    const bool daily = start.dealNumber != 0 &&
                       start.dealNumber == dealOfTheDay(today.year(), today.month(), today.day());
    title_->setText(
        daily ? tr("Deal of the day, deal %1, round %2").arg(start.dealNumber).arg(start.roundIndex)
              : tr("Deal %1, round %2").arg(start.dealNumber).arg(start.roundIndex));
    summary_->setText(tr("Working out the best of every position..."));
    table_->showPosition(start);
    for (QPushButton* button : {showLine_, previous_, next_, play_}) {
        button->setEnabled(false);
    }
    runner_->start(history_);
}

void ReviewWindow::onReviewed(const RoundReview& review) {
    review_ = review;
    ready_ = true;
    const QString possible =
        review.exact ? points(review.possible) : tr("at least %1").arg(review.possible);
    summary_->setText(
        review.ended
            ? tr("You scored %1 of a possible %2").arg(points(review.scored), possible)
            : tr("You scored %1 so far, of a possible %2").arg(points(review.scored), possible));
    if (!history_.dealt) {
        summary_->setText(summary_->text() + tr(" (from where the kept game was resumed)"));
    }
    chart_->setReview(review);
    for (std::size_t i = 0; i < review.steps.size(); ++i) {
        const ReviewedStep& step = review.steps[i];
        auto* item = new QTreeWidgetItem(steps_);
        item->setText(StepColumn, QString::number(i + 1));
        item->setText(ActionColumn, stepText(step));
        item->setText(InReachColumn, points(step.inReachAfter()));
        if (step.lost() != 0) {
            item->setText(LostColumn, step.lost() > 0 ? QString::number(step.lost())
                                                      : tr("+%1").arg(-step.lost()));
        }
        if (step.lost() > 0) {
            for (int column = 0; column <= LostColumn; ++column) {
                item->setBackground(column, QColor(255, 225, 215));
            }
            item->setToolTip(ActionColumn, markText(step));
        }
        item->setData(ActionColumn, Qt::AccessibleDescriptionRole, markText(step));
        item->setTextAlignment(InReachColumn, Qt::AlignRight);
        item->setTextAlignment(LostColumn, Qt::AlignRight);
    }
    auto* last = new QTreeWidgetItem(steps_);
    last->setText(ActionColumn, !review.ended ? tr("Now")
                                : history_.steps.back().outcome == Outcome::RoundWon
                                    ? tr("Round won")
                                    : tr("Game over"));
    last->setText(InReachColumn, points(review.steps.empty() ? review.possible
                                                             : review.steps.back().inReachAfter()));
    last->setTextAlignment(InReachColumn, Qt::AlignRight);
    steps_->setCurrentItem(steps_->topLevelItem(0));
    showLine_->setEnabled(true);
    emit shown();
}

int ReviewWindow::selectedPosition() const {
    QTreeWidgetItem* item = steps_->currentItem();
    return item != nullptr ? steps_->indexOfTopLevelItem(item) : 0;
}

// Position 0 is the round's start; position i + 1 the table after step i (after the step that
// won the round, the cleared table rather than the next deal).
const GameState& ReviewWindow::positionState(int position) const {
    if (position <= 0 || history_.steps.empty()) {
        return history_.start;
    }
    const RoundStep& step = history_.steps[std::size_t(position - 1)];
    return step.after;
}

void ReviewWindow::onPositionSelected() {
    if (!ready_) {
        return;
    }
    linePlayer_.stop();
    play_->setText(tr("Play"));
    line_.clear();
    lineMoves_.clear();
    lineStep_ = -1;
    previous_->setEnabled(false);
    next_->setEnabled(false);
    play_->setEnabled(false);
    const int position = selectedPosition();
    chart_->setSelected(position);
    const std::size_t count = review_.steps.size();
    const bool won =
        position > 0 && history_.steps[std::size_t(position - 1)].outcome == Outcome::RoundWon;
    GameState shown = positionState(position);
    if (won) {
        shown = afterMove(history_.steps[std::size_t(position - 1)].before,
                          {history_.steps[std::size_t(position - 1)].action.slot});
    }
    if (static_cast<std::size_t>(position) < count) {
        const ReviewedStep& next = review_.steps[std::size_t(position)];
        table_->showPosition(shown, next.bestMove ? HintTarget::of(*next.bestMove) : HintTarget{});
        bestMove_->setText(bestMoveText(next.bestMove, next.bestMoveCard));
        mark_->setText(next.lost() > 0 ? markText(next) : QString());
    } else {
        const bool atStart = position == 0;
        table_->showPosition(shown, atStart && review_.bestFirstMove
                                        ? HintTarget::of(*review_.bestFirstMove)
                                        : HintTarget{});
        bestMove_->setText(won ? tr("The round was won.")
                           : atStart
                               ? bestMoveText(review_.bestFirstMove, review_.bestFirstMoveCard)
                           : review_.ended ? tr("The game was over.")
                                           : bestMoveText(std::nullopt, 0));
        mark_->clear();
    }
    showLine_->setEnabled(!won);
}

QString ReviewWindow::stepText(const ReviewedStep& step) const {
    switch (step.action.kind) {
    case PlayerAction::Kind::PlayCard:
        return tr("played the %1").arg(cardWords(step.card));
    case PlayerAction::Kind::Draw:
        return step.card != 0 ? tr("drew the %1").arg(cardWords(step.card))
                              : tr("drew: no cards left");
    case PlayerAction::Kind::Undo:
        break;
    }
    return tr("took back the last move");
}

// "drew: playing the Nine of Spades would have kept 55 more points in reach"
QString ReviewWindow::markText(const ReviewedStep& step) const {
    if (step.lost() <= 0) {
        return QString();
    }
    const QString what = step.action.kind == PlayerAction::Kind::Draw   ? tr("drew")
                         : step.action.kind == PlayerAction::Kind::Undo ? tr("took back")
                                                                        : stepText(step);
    if (!step.bestMove) {
        return tr("%1: %2 points fewer in reach").arg(what).arg(step.lost());
    }
    const QString better = step.bestMove->isDraw()
                               ? tr("drawing")
                               : tr("playing the %1").arg(cardWords(step.bestMoveCard));
    return tr("%1: %2 would have kept %3 more points in reach").arg(what, better).arg(step.lost());
}

QString ReviewWindow::bestMoveText(const std::optional<SolverMove>& move, int card) const {
    if (!move) {
        return tr("No move here can add to the score.");
    }
    return move->isDraw() ? tr("Best move here: draw")
                          : tr("Best move here: play the %1").arg(cardWords(card));
}

// ---- The best line ----

void ReviewWindow::onShowBestLine() {
    const int position = selectedPosition();
    const GameState& from = positionState(position);
    line_ = {from};
    lineMoves_.clear();
    lineStep_ = 0;
    bestMove_->setText(tr("Working out the best line..."));
    lineSolver_->start(positionOf(from));
}

void ReviewWindow::onLineSolved(const SolverResult& result) {
    if (line_.empty()) {
        return;
    }
    lineMoves_ = result.line;
    for (const SolverMove& move : lineMoves_) {
        line_.push_back(afterMove(line_.back(), move));
    }
    play_->setEnabled(!lineMoves_.empty());
    stepLine(0);
}

void ReviewWindow::stepLine(int step) {
    if (step < 0 || step >= static_cast<int>(line_.size())) {
        return;
    }
    lineStep_ = step;
    showLineStep();
}

void ReviewWindow::showLineStep() {
    const std::size_t step = std::size_t(lineStep_);
    const bool more = step < lineMoves_.size();
    table_->showPosition(line_[step], more ? HintTarget::of(lineMoves_[step]) : HintTarget{});
    const QString next =
        !more ? tr("the end of the line")
              : (lineMoves_[step].isDraw()
                     ? tr("draw")
                     : tr("play the %1").arg(cardWords(cardOfMove(line_[step], lineMoves_[step]))));
    bestMove_->setText(tr("Best line, move %1 of %2: %3")
                           .arg(std::min(step + 1, lineMoves_.size()))
                           .arg(lineMoves_.size())
                           .arg(next));
    previous_->setEnabled(lineStep_ > 0);
    next_->setEnabled(more);
}

void ReviewWindow::onPlayToggled() {
    if (linePlayer_.isActive()) {
        linePlayer_.stop();
        play_->setText(tr("Play"));
        return;
    }
    if (lineStep_ + 1 >= static_cast<int>(line_.size())) {
        stepLine(0);
    }
    linePlayer_.start();
    play_->setText(tr("Pause"));
}

} // namespace corvelle
