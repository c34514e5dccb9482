// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/backgroundwork.h"
#include "records/roundreview.h"

#include <QTimer>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace corvelle {

class ReviewChart;
class SolverRunner;
class TablePicture;

// Works out a round's review on a worker thread.
class ReviewRunner : public BackgroundWork {
    Q_OBJECT

public:
    explicit ReviewRunner(QObject* parent = nullptr) : BackgroundWork(parent) {}
    void start(const RoundHistory& history);

signals:
    void reviewed(const corvelle::RoundReview& review);
};

// The review of a round (FormReview), as a chess program reviews a game: at the top what the
// round gave of the most it could have given; the round's steps in order, each with what was
// in reach after it and what it lost, the steps that lost points marked and told in words; a
// chart of what was in reach along the round; and for the selected step a picture of the table
// as it was then, with its best move. "Show Best Line" plays the best line from there (or from
// the round's start) on the window's own table, step by step or by itself at a chosen speed; it
// never touches the game in progress. The review is worked out on a worker thread when the
// window opens. There is at most one; it opens beside the main window without hiding it.
class ReviewWindow : public QWidget {
    Q_OBJECT

public:
    // Opens the review of `history` over `mainWindow`, or shows it in the open one. A row of its
    // list stands for a step: selecting it shows the table as the step found it, the best move
    // there and what the step lost; the last row stands for the table as the round left it.
    static ReviewWindow* showFor(QWidget* mainWindow, const RoundHistory& history);

    const RoundReview& review() const { return review_; }
    bool ready() const { return ready_; }

signals:
    // The review has been worked out and is shown.
    void shown();

private:
    ReviewWindow(QWidget* mainWindow);

    void load(const RoundHistory& history);
    void createControls();
    void onReviewed(const RoundReview& review);
    void onPositionSelected();
    void onShowBestLine();
    void onLineSolved(const SolverResult& result);
    void stepLine(int step);
    void onPlayToggled();
    void showLineStep();
    int selectedPosition() const;
    const GameState& positionState(int position) const;
    QString stepText(const ReviewedStep& step) const;
    QString markText(const ReviewedStep& step) const;
    QString bestMoveText(const std::optional<SolverMove>& move, int card) const;

    RoundHistory history_;
    RoundReview review_;
    bool ready_ = false;
    ReviewRunner* runner_ = nullptr;
    SolverRunner* lineSolver_ = nullptr;
    std::vector<GameState> line_; // the best line's positions, its start first
    std::vector<SolverMove> lineMoves_;
    int lineStep_ = -1; // -1: no line shown
    QTimer linePlayer_;

    QLabel* title_ = nullptr;
    QLabel* summary_ = nullptr;
    QTreeWidget* steps_ = nullptr;
    QLabel* mark_ = nullptr;
    ReviewChart* chart_ = nullptr;
    TablePicture* table_ = nullptr;
    QLabel* bestMove_ = nullptr;
    QPushButton* showLine_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* play_ = nullptr;
    QComboBox* speed_ = nullptr;
};

} // namespace corvelle
