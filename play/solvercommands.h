// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/hinttarget.h"
#include "play/solverrunner.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QMenu;

namespace corvelle {

class Game;
class Statistics;

// What the solver tells the player, never in the way of play: "Hint" (the next move of the best
// line, outlined on the table until the next action, or the discard pile at a dead end) and
// "Best Possible Score" (the most the round could give from its start and from here), and for
// the statistics the best each round could have given. Every solve runs on a worker thread: one
// for the rounds, one for the player's questions, so a question never waits behind a round. Both
// keep what they learn of the round in play for the next solve, so a question after the round's
// start has been solved starts from there. A question that takes longer than a tenth of a second
// shows that it is thinking, and any action drops it. It tells the window what to show with its
// signals.
class SolverCommands : public QObject {
    Q_OBJECT

public:
    // Puts "&Hint" and "&Best Possible Score" into `menu` before `before`.
    SolverCommands(QMenu* menu, QAction* before, const Game& game, Statistics& statistics);

    // Whether `action` is one of the solver's own commands, which keep the question they ask.
    bool isOwnCommand(const QAction* action) const;

    // A round has been dealt (a new game, a new round, a restart): its best is worked out, from
    // a second after the deal (so that it never slows the window's first frame), or at once when
    // the round ends or the player asks for the best possible score before then.
    void roundDealt();
    // A kept game was taken up in the middle of a round, whose start is not known: its best
    // stays unknown.
    void roundResumed();
    // The round dealt last ended and was recorded under `key`; its best goes with it.
    void roundEnded(std::int64_t key);
    // Any action of the player: the hint shown or asked for goes.
    void dropQuestion();

signals:
    // The hint to show on the table now (Nothing once it goes).
    void hintChanged(corvelle::HintTarget target);
    // A message box for the player.
    void message(const QString& text);

private:
    enum class Question { None, Hint, BestPossible };
    void onHint();
    void onBestPossible();
    void ask(Question question);
    void answered(const SolverResult& result);
    void roundSolved(const SolverResult& result);
    void solveRoundNow();
    void tellBestPossible(const SolverResult& fromHere);
    void thinking(bool on);

    const Game& game_;
    Statistics& statistics_;
    QAction* hintItem_ = nullptr;
    QAction* bestPossibleItem_ = nullptr;
    // The round's start and the player's questions are of the same round: what either solve
    // learns of it, the other starts from.
    std::shared_ptr<SolverRunner::RoundMemory> roundMemory_ =
        std::make_shared<SolverRunner::RoundMemory>();
    SolverRunner rounds_{nullptr, roundMemory_};
    SolverRunner questions_{nullptr, roundMemory_};
    Question asked_ = Question::None;
    QTimer slowAnswer_;
    std::optional<SolverResult> roundBest_;    // of the round dealt last, once solved
    std::optional<std::int64_t> roundKey_;     // the round dealt last has ended under this key
    SolverPosition roundStart_;                // the round dealt last, as dealt
    QTimer roundSolveDue_;                     // its solve begins when this fires
    std::optional<SolverResult> bestFromHere_; // answered, waiting for the round's best
    std::vector<GameState> hinted_;            // the positions of this round a hint was asked at
};

} // namespace corvelle
