// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>
#include <vector>

namespace corvelle {

// The chart shows this many of the last games; the record keeps this many of the last rounds,
// enough to find the best of every round of those games.
inline constexpr std::size_t ChartedGames = 20;
inline constexpr std::size_t KeptRounds = 100;
// The record keeps the player's best on the deal of the day for this many of the last days.
inline constexpr std::size_t KeptDays = 366;

// One round that ended: cleared, or the last of a game that was over. Its best is the most the
// round could have given; it is worked out after the round and may never be known.
struct RoundRecord {
    std::int64_t key = 0;  // 1, 2, .. in the order rounds end, never given twice
    std::int64_t game = 0; // the serial of its game
    std::uint64_t deal = 0;
    std::int32_t round = 0;
    std::int32_t points = 0;
    std::optional<std::int32_t> best;
    bool cleared = false;

    bool operator==(const RoundRecord&) const = default;
};

// One game that ended, over or left unfinished for another. Its best is the sum of the bests of
// its rounds once every one is known; a game left unfinished has no best (`rounds` 0).
struct GameRecord {
    std::int64_t serial = 0; // 0 for a game left before any of its rounds ended
    std::uint64_t deal = 0;
    std::int32_t score = 0;
    std::int32_t rounds = 0;
    std::optional<std::int32_t> best;

    bool operator==(const GameRecord&) const = default;
};

// The player's best score on the deal of one day (the date as the number YYYYMMDD).
struct DailyBest {
    std::int32_t date = 0;
    std::uint64_t deal = 0;
    std::int32_t best = 0;

    bool operator==(const DailyBest&) const = default;
};

// The player's statistics as statistics.json keeps them: the running totals since the last
// reset, the last games and the last rounds. The means leave out what is not known.
struct StatisticsData {
    std::int64_t gamesPlayed = 0;
    std::int64_t roundsPlayed = 0;
    std::int64_t roundsCleared = 0;
    std::int32_t bestGameScore = 0;
    std::int32_t bestRound = 0;
    std::int32_t longestRun = 0; // cards played in a row without a draw
    std::int64_t scoreSum = 0;
    double shareSum = 0.0;         // of points / best, over the rounds whose best is known
    std::int64_t sharedRounds = 0; // those rounds
    std::int64_t hintsUsed = 0;
    std::int64_t nextKey = 1;
    std::int64_t nextSerial = 1;
    std::vector<GameRecord> games;     // oldest first, at most ChartedGames
    std::vector<RoundRecord> rounds;   // oldest first, at most KeptRounds
    std::vector<DailyBest> dailyBests; // oldest day first, at most KeptDays

    // The best on the deal of the day `date` (YYYYMMDD), if it was played.
    std::optional<std::int32_t> dailyBest(std::int32_t date) const;

    std::optional<double> meanScore() const;
    std::optional<double> meanShare() const;
    std::optional<double> clearedShare() const;

    bool operator==(const StatisticsData&) const = default;
};

QByteArray writeStatisticsFile(const StatisticsData& data);
// The statistics in `bytes`, or nothing when they are no statistics.json this program wrote:
// not JSON, a field missing, of the wrong kind or out of range, a list too long. Never fails
// in any other way, whatever the bytes.
std::optional<StatisticsData> readStatisticsFile(const QByteArray& bytes);

} // namespace corvelle
