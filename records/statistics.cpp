// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/statistics.h"

#include "storage/savefile.h"

#include <QDir>

#include <algorithm>
#include <functional>
#include <utility>

namespace corvelle {

namespace {

const QString StatisticsFile = QStringLiteral("statistics.json");
const QString DamagedSuffix = QStringLiteral(".damaged");
constexpr qint64 MaxFileRead = 1 << 20;

#if defined(__SANITIZE_THREAD__)
extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);
#endif

// A save is handed to the writer thread through the queue of a QThreadPool, whose lock lives in
// Qt's library, which is not built with ThreadSanitizer: these tell it of the order that lock
// gives between making the save (before) and writing it (after). Elsewhere they are nothing.
// (The writer takes it over before it reads anything of the save, even the captured `this`.)
[[maybe_unused]] char handOverToken;
void handOver() {
#if defined(__SANITIZE_THREAD__)
    __tsan_release(&handOverToken);
#endif
}
void takeOver() {
#if defined(__SANITIZE_THREAD__)
    __tsan_acquire(&handOverToken);
#endif
}

template <typename List> void keepLast(List& list, std::size_t count) {
    if (list.size() > count) {
        list.erase(list.begin(), list.end() - static_cast<std::ptrdiff_t>(count));
    }
}

} // namespace

Statistics::Statistics(QString directory, QObject* parent)
    : QObject(parent), directory_(std::move(directory)) {
    writer_.setMaxThreadCount(1);
}

Statistics::~Statistics() {
    flush();
}

QString Statistics::filePath() const {
    return directory_ + QLatin1Char('/') + StatisticsFile;
}

QString Statistics::load() {
    flush();
    data_ = {};
    beforeGameOver_.reset();
    const ReadResult file = readSmallFile(filePath(), MaxFileRead);
    if (file.status == ReadStatus::Missing) {
        return {};
    }
    if (file.status == ReadStatus::Read) {
        if (const std::optional<StatisticsData> read = readStatisticsFile(file.bytes)) {
            data_ = *read;
            return {};
        }
    }
    const QString path = QDir::toNativeSeparators(filePath());
    const QString kept = keepAside(filePath(), DamagedSuffix);
    savable_ = !kept.isEmpty();
    return savable_ ? tr("The statistics in %1 are damaged. They are kept as %2, and the "
                         "statistics start again.")
                          .arg(path, QDir::toNativeSeparators(kept))
                    : tr("The statistics in %1 are damaged and could not be kept "
                         "aside. The statistics start again and are not saved in "
                         "this run.")
                          .arg(path);
}

std::int64_t Statistics::roundEnded(std::int64_t& game, std::uint64_t deal, std::int32_t round,
                                    std::int32_t points, bool cleared) {
    beforeGameOver_.reset();
    const std::int64_t key = addRound(game, deal, round, points, cleared);
    save();
    return key;
}

std::int64_t Statistics::gameOver(std::int64_t& game, std::uint64_t deal, std::int32_t round,
                                  std::int32_t points, std::int32_t score, std::int32_t rounds) {
    StatisticsData before = data_;
    const std::int64_t key = addRound(game, deal, round, points, false);
    addGame({game, deal, score, rounds, std::nullopt});
    save();
    beforeGameOver_ = std::move(before);
    return key;
}

bool Statistics::takeBackGameOver() {
    if (!beforeGameOver_) {
        return false;
    }
    const StatisticsData after = std::exchange(data_, *beforeGameOver_);
    beforeGameOver_.reset();
    data_.longestRun = after.longestRun;
    data_.hintsUsed = after.hintsUsed;
    data_.nextKey = after.nextKey;
    data_.nextSerial = after.nextSerial;
    for (const RoundRecord& round : after.rounds) {
        if (round.best) {
            setRoundBest(round.key, *round.best);
        }
    }
    save();
    return true;
}

std::int64_t Statistics::adoptGame(std::int64_t game, std::uint64_t deal) {
    if (game <= 0) {
        return 0;
    }
    const bool taken =
        std::any_of(data_.rounds.begin(), data_.rounds.end(),
                    [&](const RoundRecord& r) { return r.game == game && r.deal != deal; }) ||
        std::any_of(data_.games.begin(), data_.games.end(),
                    [&](const GameRecord& g) { return g.serial == game && g.deal != deal; });
    if (taken) {
        return 0;
    }
    if (game >= data_.nextSerial) {
        data_.nextSerial = game + 1;
        save();
    }
    return game;
}

void Statistics::gameLeft(std::int64_t game, std::uint64_t deal, std::int32_t score) {
    beforeGameOver_.reset();
    addGame({game, deal, score, 0, std::nullopt});
    save();
}

std::int64_t Statistics::addRound(std::int64_t& game, std::uint64_t deal, std::int32_t round,
                                  std::int32_t points, bool cleared) {
    if (game == 0) {
        game = data_.nextSerial++;
    }
    ++data_.roundsPlayed;
    data_.roundsCleared += cleared ? 1 : 0;
    data_.bestRound = data_.roundsPlayed == 1 ? points : std::max(data_.bestRound, points);
    data_.rounds.push_back({data_.nextKey, game, deal, round, points, std::nullopt, cleared});
    keepLast(data_.rounds, KeptRounds);
    return data_.nextKey++;
}

void Statistics::addGame(GameRecord game) {
    ++data_.gamesPlayed;
    data_.scoreSum += game.score;
    data_.bestGameScore = std::max(data_.bestGameScore, game.score);
    refreshGameBest(game);
    data_.games.push_back(game);
    keepLast(data_.games, ChartedGames);
}

// A game's best is known once the best of each of its rounds is.
void Statistics::refreshGameBest(GameRecord& game) const {
    std::int64_t sum = 0;
    std::int32_t known = 0;
    for (const RoundRecord& round : data_.rounds) {
        if (round.game == game.serial && round.best) {
            sum += *round.best;
            ++known;
        }
    }
    if (game.rounds > 0 && known == game.rounds) {
        game.best = static_cast<std::int32_t>(std::min<std::int64_t>(sum, INT32_MAX));
    }
}

void Statistics::setRoundBest(std::int64_t key, std::int32_t best) {
    const auto round = std::find_if(data_.rounds.begin(), data_.rounds.end(),
                                    [key](const RoundRecord& r) { return r.key == key; });
    if (round == data_.rounds.end() || round->best) {
        return;
    }
    round->best = best;
    if (best > 0) {
        data_.shareSum += static_cast<double>(round->points) / best;
        ++data_.sharedRounds;
    }
    for (GameRecord& game : data_.games) {
        if (game.serial == round->game) {
            refreshGameBest(game);
        }
    }
    save();
}

void Statistics::runPlayed(std::int32_t cards) {
    if (cards > data_.longestRun) {
        data_.longestRun = cards;
        unsaved_ = true;
        emit changed();
    }
}

void Statistics::dailyScore(std::int32_t date, std::uint64_t deal, std::int32_t score) {
    auto& days = data_.dailyBests;
    const auto day = std::find_if(days.begin(), days.end(),
                                  [date](const DailyBest& d) { return d.date == date; });
    if (day == days.end()) {
        days.push_back({date, deal, score});
        std::sort(days.begin(), days.end(),
                  [](const DailyBest& a, const DailyBest& b) { return a.date < b.date; });
        keepLast(days, KeptDays);
    } else if (score > day->best) {
        day->best = score;
    } else {
        return;
    }
    save();
}

void Statistics::hintUsed() {
    ++data_.hintsUsed;
    save();
}

void Statistics::reset() {
    const std::int64_t nextKey = data_.nextKey;
    const std::int64_t nextSerial = data_.nextSerial;
    data_ = {};
    // Keys and serials go on, so that a best still being worked out or a kept game can never
    // be taken for a round or game of the new count.
    data_.nextKey = nextKey;
    data_.nextSerial = nextSerial;
    beforeGameOver_.reset();
    save();
}

void Statistics::flush() {
    if (unsaved_) {
        save();
    }
    writer_.waitForDone();
}

void Statistics::setCurrentDeal(std::uint64_t deal) {
    currentDeal_ = deal;
    emit changed();
}

void Statistics::save() {
    unsaved_ = false;
    emit changed();
    if (!savable_) {
        return;
    }
    std::function<void()> write = [this, path = filePath(), bytes = writeStatisticsFile(data_)] {
        takeOver();
        const QString why = replaceFileContent(path, bytes);
        if (!why.isEmpty()) {
            QMetaObject::invokeMethod(this, [this, path, why] {
                if (!std::exchange(saveProblemTold_, true)) {
                    emit saveFailed(tr("The statistics could not be saved to %1: "
                                       "%2\n\nThey are kept for as long as "
                                       "Corvelle runs.")
                                        .arg(QDir::toNativeSeparators(path), why));
                }
            });
        }
    };
    handOver();
    writer_.start(std::move(write));
}

} // namespace corvelle
