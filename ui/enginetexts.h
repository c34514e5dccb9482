// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string_view>

namespace corvelle {

// A text the engine gives in English (a message, or why a kept game cannot be played on) in
// the player's language; the engine's own words where no translation is installed.
QString engineText(std::string_view text);

} // namespace corvelle
