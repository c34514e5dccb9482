// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/gamestate.h"

#include <QByteArray>

#include <cstdint>
#include <optional>

namespace corvelle {

// A game kept when the program ended in the middle of it (savedgame.json): the whole state of
// the game, and what the statistics need to go on with it, the score its round started with
// and the statistics' serial of the game (0 while none of its rounds has ended).
struct SavedGame {
    GameState state;
    std::int32_t roundStartScore = 0;
    std::int64_t gameSerial = 0;

    bool operator==(const SavedGame&) const = default;
};

QByteArray writeSavedGame(const SavedGame& game);
// The kept game in `bytes`, field for field, or nothing when they are no savedgame.json this
// program wrote: not JSON, a field missing or of the wrong kind, a number out of the range of
// its field, a game without a deal number. Options that no menu could set (both draw choices,
// as older versions kept them) read as settledOptions reads them. Whether the state could have
// come from play is the game's own check (whyImpossible). Never fails in any other way.
std::optional<SavedGame> readSavedGame(const QByteArray& bytes);

} // namespace corvelle
