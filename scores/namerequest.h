// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace corvelle {

// Asks the player for a name for the Hall of Fame, taking only the characters the file can
// store, so the name shown is the name kept; " *" marks a game won with chosen wild cards. UTF-8.
std::string askHallOfFameName(bool cheated);

} // namespace corvelle
