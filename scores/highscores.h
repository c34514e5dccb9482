#pragma once

#include "game.h"

#include <QString>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace corvelle {

// Where hscores.dat and scores.dat live: the executable's directory when it can be written,
// otherwise the per-user data directory (created when needed). Every file operation of the
// Hall of Fame uses this one place, whatever the current directory is.
QString highScoreDirectory();
// The choice itself, for a given executable directory and fallback.
QString chooseHighScoreDirectory(const QString& applicationDir, const QString& userDataDir);

// The Hall of Fame operations on the table of one Game: loading at start-up (with the one-time
// import of an old scores.dat), inserting an entry, saving, clearing, and the check at the end
// of a game that asks for the player's name. The table itself lives in the game's state; this
// class keeps only the files' place and what it learnt about them. Saves replace the file
// atomically, and a failed save is reported while the table stays in memory. A damaged
// hscores.dat is copied to hscores.dat.damaged before the first save replaces it.
class HighScores {
public:
    HighScores(Game& game, QString directory);
    HighScores(const HighScores&) = delete;
    HighScores& operator=(const HighScores&) = delete;

    void loadHighScores();
    void insertHighScore(int position);
    void saveHighScores(int keep);
    void clearHighScores();
    void checkHighScore();

    // The name that insertHighScore enters (UTF-8); checkHighScore sets it from the request.
    void setEnteredName(std::string name) { enteredName_ = std::move(name); }
    // Shows the Hall of Fame window; checkHighScore calls it when the pop-up option is on.
    void setShowHallOfFame(std::function<void()> show) { showHallOfFame_ = std::move(show); }

    // The five rows of the Hall of Fame window, as its load fills them: the score as text and
    // the name, after the name of every entry whose score is 0 has been emptied in the table.
    struct Row {
        QString score;
        QString name;
    };
    std::array<Row, 5> prepareRows();

    Game& game() { return game_; }
    const QString& directory() const { return directory_; }
    QString filePath() const;

    // Writes a freshly cleared table to `directory` without any game; used by the Hall of Fame
    // window once the main window and its game are gone. Reports a failure in a message.
    static bool writeClearedFile(const QString& directory);
    static std::array<Row, 5> clearedRows();

    // Stops the next save after the new content is written and before it replaces the old
    // file, as a crash or a full disk would.
    void interruptNextSave() { interruptNextSave_ = true; }

private:
    bool importScoresDat();
    void readFile();
    bool save(int keep);
    bool keepDamagedCopy();
    void setFreePlaces();

    Game& game_;
    QString directory_;
    std::string enteredName_;
    std::function<void()> showHallOfFame_;
    bool damagedCopyPending_ = false;
    bool interruptNextSave_ = false;
};

} // namespace corvelle
