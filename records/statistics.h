// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/statisticsfile.h"

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <cstdint>
#include <optional>

namespace corvelle {

// The player's statistics and their file, statistics.json. The Play menu tells it what happens:
// a round's end with its points, the best the round could have given once that is known (it is
// worked out apart and may come later, or never), a game's end with its score, a hint, a run.
// Each record is saved at once, atomically, by a writer thread of its own, so that the click
// that ends a round never waits for the disk; flush() waits for every write to be done. A damaged
// file is kept aside as statistics.json.damaged (never over an older copy), the player is told
// once, and the statistics start again; while a damaged file could not be put aside, nothing is
// saved over it. An unknown best is left out of every mean and shown as unknown, never as zero.
class Statistics : public QObject {
    Q_OBJECT

public:
    explicit Statistics(QString directory, QObject* parent = nullptr);
    ~Statistics() override;

    // Reads the file (after writing what is still to be written); a missing one is a first
    // start. Returns what the player must be told about a damaged file, or an empty text.
    QString load();
    const StatisticsData& data() const { return data_; }
    QString filePath() const;

    // A round of the game with serial `game` ended (cleared, or the last of a game that is
    // over). A game without a serial yet gets one here. Returns the round's key for its best.
    std::int64_t roundEnded(std::int64_t& game, std::uint64_t deal, std::int32_t round,
                            std::int32_t points, bool cleared);
    // The game is over: its last round (round `round` of the deal) and the game itself, which
    // lasted `rounds` rounds (fewer than `round` when rounds that cannot be cleared were passed
    // over) and which takeBackGameOver undoes.
    std::int64_t gameOver(std::int64_t& game, std::uint64_t deal, std::int32_t round,
                          std::int32_t points, std::int32_t score, std::int32_t rounds);
    // The game that was over goes on after all (an undo, or a move found after an option
    // changed): its end is taken back as if it had never been recorded. False when nothing
    // has been recorded since that could be taken back.
    bool takeBackGameOver();
    // A kept game of deal `deal` with serial `game` is taken up again. Returns the serial it
    // goes on with: its own, which the statistics then never give another game, or 0 (a new
    // serial at its next round's end) when the statistics were lost or reset since and gave its
    // serial to a game of another deal meanwhile.
    std::int64_t adoptGame(std::int64_t game, std::uint64_t deal);
    // A game left unfinished for another: it counts as played, with the score it had.
    void gameLeft(std::int64_t game, std::uint64_t deal, std::int32_t score);
    // The most the round with `key` could have given; the first answer for a round counts.
    void setRoundBest(std::int64_t key, std::int32_t best);
    // A run of `cards` is under way; kept in memory and saved with the next record, or by flush.
    void runPlayed(std::int32_t cards);
    void hintUsed();
    // A game of the deal of the day `date` (YYYYMMDD) ended with `score`: the day keeps the best.
    void dailyScore(std::int32_t date, std::uint64_t deal, std::int32_t score);
    void reset();
    // Saves what is not saved yet and waits until the file holds it, as the program ends.
    void flush();

    // The deal on the table, shown with the statistics (not saved).
    std::uint64_t currentDeal() const { return currentDeal_; }
    void setCurrentDeal(std::uint64_t deal);

signals:
    void changed();
    // A save failed; sent once in a run, with what the player must be told.
    void saveFailed(const QString& told);

private:
    std::int64_t addRound(std::int64_t& game, std::uint64_t deal, std::int32_t round,
                          std::int32_t points, bool cleared);
    void addGame(GameRecord game);
    void refreshGameBest(GameRecord& game) const;
    void save();

    QString directory_;
    StatisticsData data_;
    std::optional<StatisticsData> beforeGameOver_;
    std::uint64_t currentDeal_ = 0;
    bool savable_ = true;
    bool unsaved_ = false; // a longer run, written with the next save
    QThreadPool writer_;   // one thread: the saves are written in the order they were made
    bool saveProblemTold_ = false;
};

} // namespace corvelle
