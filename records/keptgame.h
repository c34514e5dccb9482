// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/savedgamefile.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace corvelle {

// The game kept when the program ends in the middle of one: savedgame.json in the per-user data
// directory. Keeping replaces the file atomically; taking it reads it, checks that play could
// have reached it, and removes it. A kept game that cannot be played on is put aside as
// savedgame.json.damaged (never over an older copy), never lost. It opens no window: each
// operation returns what the player must be told.
class KeptGame {
    Q_DECLARE_TR_FUNCTIONS(corvelle::KeptGame)

public:
    explicit KeptGame(QString directory);

    QString filePath() const;
    bool exists() const;

    // Keeps `game` in place of any kept before. Empty when kept, otherwise what to tell.
    QString keep(const SavedGame& game) const;

    struct Taken {
        std::optional<SavedGame> game; // off the disk now
        QString told;                  // why there is none, when a file was there
    };
    // The kept game, taken off the disk; or nothing, with what to tell when a file was there but
    // could not be played on (then kept aside) or could not be taken off the disk (then left).
    Taken take() const;

private:
    QString refused(const QString& why) const;

    QString directory_;
};

} // namespace corvelle
