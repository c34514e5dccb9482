#pragma once

#include "engine/game.h"
#include "play/solvercommands.h"
#include "records/savedgamefile.h"
#include "records/statistics.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;

namespace corvelle {

// The "&Play" menu of the main window and what it keeps of the player's games: numbered deals
// ("Restart This Deal", "Play Deal Number..."), the game kept when the program ends in the
// middle of one ("Resume Last Game"), and the statistics ("Statistics", "Reset Statistics").
// Every new game of the main window is dealt here, with a fresh deal number from the run's
// generator; after every action the main window passes the outcome on, and the menu records
// the end of each round and game in the statistics. The kept game is written when the main
// window closes with a game in progress, and taken back into play (and off the disk) by
// "Resume Last Game". It owns the statistics; the main window owns it.
class PlayMenu : public QObject {
    Q_OBJECT

public:
    // Puts the menu into `window`'s menu bar just before `before`; `dealNumbers` gives the
    // number of each new game.
    // `showHint` outlines the card of a table slot, the discard pile (-1) or nothing (-2).
    PlayMenu(QMainWindow* window, Game& game, QAction* before,
             std::function<std::uint64_t()> dealNumbers, std::function<void(int)> showHint);

    static QString savedGamePath();
    // The option items (by their place in OptionItems) whose values are those of `options`.
    static std::vector<std::size_t> optionItemsOf(const Options& options);

    Statistics& statistics() { return statistics_; }

    // A new game with a fresh deal number; the game under way, if played, counts as left.
    void newGame();
    // The main window's action has been carried out with this outcome (Nothing for an undo).
    void afterAction(Outcome outcome);

    QMenu* mnuPlay = nullptr;
    SolverCommands* solver = nullptr;
    QAction* mnuRestartDeal = nullptr;
    QAction* mnuPlayDealNumber = nullptr;
    QAction* mnuResumeGame = nullptr;
    QAction* mnuStatistics = nullptr;
    QAction* mnuResetStatistics = nullptr;

signals:
    // A kept game has been resumed: the main window shows its options and cheat marks.
    void resumed();

public slots:
    void mnuRestartDeal_Click();
    void mnuPlayDealNumber_Click();
    void mnuResumeGame_Click();
    void mnuStatistics_Click();
    void mnuResetStatistics_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenu(QAction* before, std::function<void(int)> showHint);
    void startGame(std::uint64_t dealNumber);
    void startTracking(std::int32_t roundStartScore, std::int64_t gameSerial);
    void leaveGame();
    bool played() const;
    void keepGameInProgress();
    void refusedKeptGame(const QString& why);

    QMainWindow* window_;
    Game& game_;
    std::function<std::uint64_t()> dealNumbers_;
    Statistics statistics_;
    std::int32_t roundStartScore_ = 0;
    std::int64_t gameSerial_ = 0;
    bool gameRecorded_ = false;
};

} // namespace corvelle
