// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/gamestate.h"

namespace corvelle {

// The cheat commands of the "Cheat Options" menu and of the wild-card window, acting on the
// player's choice of wild cards alone. They keep wildCount equal to the number of chosen cards
// among codes 1 to 52; the jokers are always wild and can never be chosen.

// "Cheats Enabled": puts the chosen cards in force, but only when at least one is chosen.
void enableCheats(CheatChoice& cheat);
// "Disable Cheats": takes the chosen cards out of force without forgetting them.
void disableCheats(CheatChoice& cheat);
// "Continue Playing" of the wild-card window: cheats are in force exactly when a card is chosen.
void continuePlaying(CheatChoice& cheat);
// A wild-card box (index 0 to 51, card code index + 1) has just become ticked or unticked.
// Returns true when the box must be unticked again: a seventh card, or a box that stands for
// no choosable card. Reports of a box that already shows the chosen state (such as the untick
// made in answer to a refused seventh tick) change nothing, so the count never drifts however
// often the toolkit reports one change.
bool wildCardBoxChanged(CheatChoice& cheat, int index, bool ticked);

} // namespace corvelle
