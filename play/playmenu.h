// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/game.h"
#include "options/optionstore.h"
#include "play/hinttarget.h"
#include "records/keptgame.h"
#include "records/roundhistory.h"
#include "records/statistics.h"

#include <QDate>
#include <QObject>

class QAction;
class QMainWindow;
class QMenu;

namespace corvelle {

class ClearableTables;
class SolverCommands;

// The "&Play" menu of the main window and what it keeps of the player's games: numbered deals
// ("Restart This Deal", "Play Deal Number..."), the game kept when the program ends in the
// middle of one ("Resume Last Game"), the statistics ("Statistics", "Reset Statistics") and
// the solver's commands. Every new game of the main window is dealt here, with a fresh deal
// number from the run's generator; after every action the main window passes the outcome on,
// and the menu records the end of each round and game in the statistics. As the main window
// closes with a game in progress, it has the menu keep that game; "Resume Last Game" takes it
// back into play (and off the disk). It owns the statistics; the main window owns it, and hears
// from it through its signals.
class PlayMenu : public QObject {
    Q_OBJECT

public:
    // Puts the menu into `window`'s menu bar just before `before`.
    PlayMenu(QMainWindow* window, Game& game, QAction* before);

    Statistics& statistics() { return statistics_; }
    // Reads the statistics; what the player must be told about them, or an empty text.
    QString loadStatistics() { return statistics_.load(); }

    // A new game with a fresh deal number; the game under way, if played, counts as left.
    void newGame();
    // The main window has carried out the player's `action` on the game as it was `before`,
    // with this outcome (Nothing for an undo). `dealAgain`: the game that ended entered the Hall
    // of Fame, and a new game follows at once.
    void afterAction(const PlayerAction& action, const GameState& before, Outcome outcome,
                     bool dealAgain = false);
    // The main window is closing: the game in progress is kept, and the statistics written.
    void windowClosing();

signals:
    // A kept game has been resumed: the main window shows its options and cheat marks.
    void resumed();
    // The hint to show on the table now (Nothing once it goes).
    void hintChanged(corvelle::HintTarget target);
    // A message box for the player.
    void message(const QString& text);

private:
    void createMenu(QAction* before);
    void onRestartDeal();
    void onPlayDealNumber();
    void onDealOfTheDay();
    void openReview(const RoundHistory& history);
    void roundEnded();
    void recordDailyScore();
    void onResumeGame();
    void onShowStatistics();
    void onResetStatistics();
    void startGame(std::uint64_t dealNumber, bool asked = true);
    void startTracking(std::int32_t roundStartScore, std::int64_t gameSerial, bool dealt = true);
    void leaveGame();
    bool played() const;
    void showResumeItem();

    QMainWindow* window_;
    Game& game_;
    Statistics statistics_;
    KeptGame keptGame_;
    SolverCommands* solver_ = nullptr;
    ClearableTables* clearable_ = nullptr;
    OptionStore settings_;
    QAction* resumeItem_ = nullptr;
    QAction* reviewLastItem_ = nullptr;
    QAction* reviewAtRoundEndItem_ = nullptr;
    RoundHistory round_;                    // the round on the table
    std::optional<RoundHistory> lastRound_; // the round that ended or was left last
    QDate dealtOn_;                         // the day the game on the table was dealt
    std::int32_t roundStartScore_ = 0;
    std::int32_t roundsPlayed_ = 1; // the rounds of the game on the table, the one on it too
    std::int64_t gameSerial_ = 0;
    bool gameRecorded_ = false;
};

} // namespace corvelle
