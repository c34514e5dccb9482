// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/gamestate.h"

#include <string_view>

namespace corvelle {

// Why `state` is no state that play could have reached: a deck that is no permutation, or that
// the deal number and round of a numbered deal do not give (the decks of deal 0 follow from no
// number), a table, column grids or counts that disagree, a discard top that was never turned
// up, an undo record that points nowhere, a score, anty or option out of range, a cheat choice
// the menus cannot make. Empty when play could have reached it, once a game has been dealt. A
// kept game passes this check before the game takes it over, so nothing read from a file can
// lead the rules outside the states they were written for, nor give the player another deck
// under the deal's number. Reads only the fields it has checked the range of.
std::string_view whyImpossible(const GameState& state);

} // namespace corvelle
