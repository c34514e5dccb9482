// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/tablevalue.h"
#include "storage/savefile.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace corvelle {

inline constexpr int HighScorePlaces = 5;

// The name as the file can keep it: the characters its code page lacks are left out.
QString storableName(const QString& typed);

// Where hscores.dat and scores.dat live: the executable's directory when it can be written and
// is no installation, otherwise the per-user data directory (created when needed). Every file
// operation of the Hall of Fame uses this one place, whatever the current directory is.
QString highScoreDirectory();
// The choice itself, for a given executable directory and fallback.
QString chooseHighScoreDirectory(const QString& applicationDir, const QString& userDataDir);

// The Hall of Fame: the five best scores with their names, best first, and their file. It loads
// the table at start-up (taking over an old scores.dat once), finds the place a final score
// earns, records an entry and clears the table; every change is saved at once. Saves replace the
// file atomically; a failed save leaves the table in memory. A damaged hscores.dat is copied to
// hscores.dat.damaged before the first save replaces it. It knows nothing of the game or of
// windows: the window that ends a game hands it the score, and each operation returns what the
// player must be told (empty when all went well), for the window to show.
class HighScores {
    Q_DECLARE_TR_FUNCTIONS(corvelle::HighScores)

public:
    // `takeOverDirectory`: a folder of the game that cannot be written, whose Hall of Fame is
    // taken over while `directory` has none yet.
    explicit HighScores(QString directory, QString takeOverDirectory = {});
    HighScores(const HighScores&) = delete;
    HighScores& operator=(const HighScores&) = delete;

    using Column = std::array<TableValue, HighScorePlaces>;

    QStringList loadHighScores();
    const Column& values() const { return values_; }
    const Column& names() const { return names_; }

    // The place (0 = best) that a final score earns, if any: the first entry it beats.
    std::optional<int> placeFor(std::int32_t score) const;
    // Enters the final score at `position` (the entries below move down, the last drops out) and
    // saves the table. A position outside 0..4 changes nothing and is told.
    QStringList record(int position, std::int32_t score, std::int32_t peakScore, std::string name);
    // Empties every place and saves.
    QStringList clearHighScores();

    // The best entry as the highest-score label shows it, and as the number a score must pass.
    QString bestText() const;
    double bestToBeat() const { return comparedValue(values_[0]); }

    // The five rows of the Hall of Fame window, as its load fills them: the score as text and
    // the name, after the name of every entry whose score is 0 has been emptied in the table.
    struct Row {
        QString score;
        QString name;
    };
    std::array<Row, HighScorePlaces> prepareRows();

    const QString& directory() const { return directory_; }
    QString filePath() const;

    // Writes a freshly cleared table to `directory`; used by the Hall of Fame window once the
    // main window and its Hall of Fame are gone. Empty when written, otherwise what to tell.
    static QString writeClearedFile(const QString& directory);
    static std::array<Row, HighScorePlaces> clearedRows();

private:
    void loadTable();
    bool insertHighScore(int position, std::int32_t score, std::int32_t peakScore,
                         std::string name);
    bool importScoresDat();
    bool keepReplacedTable();
    bool takeOverFromReadOnlyFolder();
    void readTable(const ReadResult& file, const QString& path);
    bool saveHighScores(int keep);
    bool keepDamagedCopy();
    void setFreePlaces();

    QString directory_;
    QString takeOverDirectory_;
    Column values_{};
    Column names_{};
    bool damagedCopyPending_ = false;
    QStringList told_; // of the operation under way
};

} // namespace corvelle
