#pragma once

#include <QString>

namespace corvelle {

// A card in words, as the player reads and a screen reader says it: "Seven of Hearts", "Black
// Joker"; empty for no card.
QString cardWords(int code);

} // namespace corvelle
