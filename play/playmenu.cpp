#include "play/playmenu.h"

#include "options/optiontable.h"
#include "records/recordfiles.h"
#include "records/statisticswindow.h"
#include "storage/savefile.h"
#include "ui/dialogs.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>

#include <algorithm>
#include <limits>
#include <string>

namespace corvelle {

namespace {

const QString SavedGameFile = QStringLiteral("savedgame.json");
constexpr qint64 MaxSavedGameRead = 1 << 16;

const QString DealPrompt =
    QStringLiteral("Please enter the number of the deal to play (1 to %1).").arg(MaxDealNumber);
const QString DealTitle = QStringLiteral("Play Deal Number");
const QString ResetQuestion =
    QStringLiteral("Reset the statistics? Every game and round recorded so far is forgotten.");

QString digitsOnly(const QString& typed) {
    QString digits;
    for (const QChar c : typed) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9') && digits.size() < 10) {
            digits += c;
        }
    }
    return digits;
}

std::int32_t difference(std::int32_t a, std::int32_t b) {
    const std::int64_t d = std::int64_t{a} - b;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        d, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

QAction* item(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

PlayMenu::PlayMenu(QMainWindow* window, Game& game, QAction* before,
                   std::function<std::uint64_t()> dealNumbers, std::function<void(int)> showHint)
    : QObject(window), window_(window), game_(game), dealNumbers_(std::move(dealNumbers)),
      statistics_(recordDirectory()) {
    createMenu(before, std::move(showHint));
    statistics_.load();
    window_->installEventFilter(this);
}

void PlayMenu::createMenu(QAction* before, std::function<void(int)> showHint) {
    mnuPlay = new QMenu(QStringLiteral("&Play"), window_);
    mnuPlay->setObjectName(QStringLiteral("mnuPlay"));
    mnuPlay->menuAction()->setObjectName(QStringLiteral("mnuPlay"));
    mnuRestartDeal = item(mnuPlay, "mnuRestartDeal", "&Restart This Deal");
    mnuPlayDealNumber = item(mnuPlay, "mnuPlayDealNumber", "Play &Deal Number...");
    mnuResumeGame = item(mnuPlay, "mnuResumeGame", "Resume &Last Game");
    mnuPlay->addSeparator()->setObjectName(QStringLiteral("mnuPlaySeparator1"));
    mnuStatistics = item(mnuPlay, "mnuStatistics", "&Statistics");
    mnuResetStatistics = item(mnuPlay, "mnuResetStatistics", "R&eset Statistics");
    window_->menuBar()->insertMenu(before, mnuPlay);
    mnuResumeGame->setEnabled(QFile::exists(savedGamePath()));
    solver = new SolverCommands(mnuPlay, mnuRestartDeal, game_, statistics_, std::move(showHint));
    // Any command but the solver's own drops the hint shown or asked for.
    connect(window_->menuBar(), &QMenuBar::triggered, this, [this](QAction* action) {
        if (action != solver->mnuHint && action != solver->mnuBestPossible) {
            solver->dropQuestion();
        }
    });

    connect(mnuRestartDeal, &QAction::triggered, this, &PlayMenu::mnuRestartDeal_Click);
    connect(mnuPlayDealNumber, &QAction::triggered, this, &PlayMenu::mnuPlayDealNumber_Click);
    connect(mnuResumeGame, &QAction::triggered, this, &PlayMenu::mnuResumeGame_Click);
    connect(mnuStatistics, &QAction::triggered, this, &PlayMenu::mnuStatistics_Click);
    connect(mnuResetStatistics, &QAction::triggered, this, &PlayMenu::mnuResetStatistics_Click);
}

QString PlayMenu::savedGamePath() {
    return recordDirectory() + QLatin1Char('/') + SavedGameFile;
}

std::vector<std::size_t> PlayMenu::optionItemsOf(const Options& options) {
    const auto valueText = [&options](std::string_view key) -> std::string {
        for (const OptionField& field : OptionFields) {
            if (field.key == key) {
                return field.flag != nullptr ? (options.*field.flag ? "True" : "False")
                                             : std::to_string(options.*field.number);
            }
        }
        return {};
    };
    std::vector<std::size_t> items;
    for (std::size_t i = 0; i < OptionItems.size(); ++i) {
        const auto& settings = OptionItems[i].settings;
        if (std::all_of(settings.begin(), settings.end(), [&](const OptionSetting& setting) {
                return setting.key.empty() || valueText(setting.key) == setting.text;
            })) {
            items.push_back(i);
        }
    }
    return items;
}

// ---- New games ----

void PlayMenu::newGame() {
    startGame(dealNumbers_());
}

void PlayMenu::startGame(std::uint64_t dealNumber) {
    leaveGame();
    game_.newGame(dealNumber);
    startTracking(game_.state().score, 0);
    solver->dropQuestion();
    solver->roundDealt();
}

void PlayMenu::startTracking(std::int32_t roundStartScore, std::int64_t gameSerial) {
    roundStartScore_ = roundStartScore;
    gameSerial_ = gameSerial;
    gameRecorded_ = false;
    statistics_.setCurrentDeal(game_.state().dealNumber);
}

// A game counts as played once a card has been played or drawn.
bool PlayMenu::played() const {
    const GameState& s = game_.state();
    return s.roundIndex > 1 || (s.roundIndex == 1 &&
                                (s.tableCardsLeft < TableSlots || s.deckPosition > TableSlots + 1));
}

void PlayMenu::leaveGame() {
    if (!gameRecorded_ && played()) {
        const GameState& s = game_.state();
        statistics_.gameLeft(gameSerial_, s.dealNumber, s.score);
    }
    gameRecorded_ = true;
}

void PlayMenu::mnuRestartDeal_Click() {
    const std::uint64_t deal = game_.state().dealNumber;
    startGame(deal != 0 ? deal : dealNumbers_());
}

void PlayMenu::mnuPlayDealNumber_Click() {
    const QString typed = dialogs().askText(DealPrompt, DealTitle, digitsOnly);
    if (typed.isEmpty()) {
        return;
    }
    const qulonglong deal = typed.toULongLong();
    if (deal < 1 || deal > MaxDealNumber) {
        dialogs().message(QStringLiteral("There is no deal %1: deals are numbered from 1 to %2.")
                              .arg(typed)
                              .arg(MaxDealNumber));
        return;
    }
    startGame(deal);
}

// ---- Recording ----

void PlayMenu::afterAction(Outcome outcome) {
    const GameState& s = game_.state();
    solver->dropQuestion();
    statistics_.runPlayed(s.runCards);
    if (gameRecorded_ && !s.gameOver) {
        statistics_.takeBackGameOver();
        gameRecorded_ = false;
    }
    if (outcome == Outcome::RoundWon) {
        solver->roundEnded(statistics_.roundEnded(gameSerial_, s.dealNumber, s.roundIndex - 1,
                                                  difference(s.score, roundStartScore_), true));
        roundStartScore_ = s.score;
        solver->roundDealt();
    } else if (outcome == Outcome::GameOver && !gameRecorded_) {
        solver->roundEnded(statistics_.gameOver(gameSerial_, s.dealNumber, s.roundIndex,
                                                difference(s.score, roundStartScore_), s.score));
        gameRecorded_ = true;
    }
}

void PlayMenu::mnuStatistics_Click() {
    StatisticsWindow::showFor(window_, &statistics_);
}

void PlayMenu::mnuResetStatistics_Click() {
    if (dialogs().askYesNo(ResetQuestion)) {
        statistics_.reset();
    }
}

// ---- The kept game ----

bool PlayMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Close) {
        keepGameInProgress();
        statistics_.flush();
    }
    return QObject::eventFilter(watched, event);
}

void PlayMenu::keepGameInProgress() {
    const GameState& s = game_.state();
    if (s.gameOver || gameRecorded_ || !played() || s.dealNumber == 0) {
        return;
    }
    const QString why =
        replaceFileContent(savedGamePath(), writeSavedGame({s, roundStartScore_, gameSerial_}));
    if (!why.isEmpty()) {
        dialogs().message(QStringLiteral("The game in progress could not be kept in %1: %2")
                              .arg(QDir::toNativeSeparators(savedGamePath()), why));
    }
}

void PlayMenu::mnuResumeGame_Click() {
    const ReadResult file = readSmallFile(savedGamePath(), MaxSavedGameRead);
    if (file.status == ReadStatus::Missing) {
        mnuResumeGame->setEnabled(false);
        return;
    }
    std::optional<SavedGame> kept;
    if (file.status == ReadStatus::Read) {
        kept = readSavedGame(file.bytes);
    }
    if (!kept) {
        refusedKeptGame(file.status == ReadStatus::Read ? QStringLiteral("it is damaged")
                                                        : file.error);
        return;
    }
    if (const std::string_view why = whyImpossible(kept->state); !why.empty()) {
        refusedKeptGame(QString::fromLatin1(why.data(), static_cast<qsizetype>(why.size())));
        return;
    }
    leaveGame();
    kept->state.highScoreToBeat = game_.state().highScoreToBeat;
    game_.resume(kept->state);
    startTracking(kept->roundStartScore, kept->gameSerial);
    solver->dropQuestion();
    solver->roundResumed();
    QFile::remove(savedGamePath());
    mnuResumeGame->setEnabled(QFile::exists(savedGamePath()));
    emit resumed();
}

// A kept game that cannot be played on is put aside, never lost, and the menu item goes.
void PlayMenu::refusedKeptGame(const QString& why) {
    const QString kept = keepAside(savedGamePath(), QStringLiteral(".damaged"));
    dialogs().message(
        QStringLiteral("The kept game in %1 cannot be resumed: %2.%3")
            .arg(QDir::toNativeSeparators(savedGamePath()), why,
                 kept.isEmpty()
                     ? QString()
                     : QStringLiteral(" It is kept as %1.").arg(QDir::toNativeSeparators(kept))));
    mnuResumeGame->setEnabled(QFile::exists(savedGamePath()));
}

} // namespace corvelle
