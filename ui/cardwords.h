// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/card.h"

#include <QString>

namespace corvelle {

// A card in words, as the player reads and a screen reader says it, in the player's language:
// "Seven of Hearts", "Black Joker"; empty for no card. Under English the engine's own words.
QString cardWords(int code);
// "Spades", "Clubs", "Diamonds", "Hearts", in the player's language.
QString suitWords(Suit suit);
// The rank as the wild-card boxes name it: "Ace", "2" .. "10", "Jack", "Queen", "King".
QString rankCaptionWords(int rank);

} // namespace corvelle
