// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace corvelle {

// A card is named by its code everywhere in the program: 1 to 13 the Spades Ace to King, 14 to
// 26 the Clubs, 27 to 39 the Diamonds, 40 to 52 the Hearts, 53 and 54 the black and the red
// joker. The same number names the card's picture file; picture 55 is the card back.
inline constexpr int DeckSize = 54;
inline constexpr int OrdinaryCards = 52;
inline constexpr int RanksPerSuit = 13;
inline constexpr int BlackJoker = 53;
inline constexpr int RedJoker = 54;
inline constexpr int CardBackPicture = 55;

enum class Suit { Spades, Clubs, Diamonds, Hearts };
inline constexpr std::array<Suit, 4> AllSuits{Suit::Spades, Suit::Clubs, Suit::Diamonds,
                                              Suit::Hearts};

constexpr bool isCard(int code) {
    return code >= 1 && code <= DeckSize;
}

constexpr bool isJoker(int code) {
    return code == BlackJoker || code == RedJoker;
}

// The rank printed on the card: 1 (Ace) to 13 (King), 0 for a joker or no card at all. Which
// cards are wild in play is the game's business (a chosen wild card ranks 0 there).
constexpr int faceRank(int code) {
    return isCard(code) && !isJoker(code) ? (code - 1) % RanksPerSuit + 1 : 0;
}

// The suit of an ordinary card; the jokers have none and answer Spades.
constexpr Suit suitOf(int code) {
    return isCard(code) && !isJoker(code) ? static_cast<Suit>((code - 1) / RanksPerSuit)
                                          : Suit::Spades;
}

constexpr int cardCode(Suit suit, int rank) {
    return static_cast<int>(suit) * RanksPerSuit + rank;
}

// Diamonds, Hearts and the red joker are printed in red.
constexpr bool isRed(int code) {
    return code == RedJoker ||
           (!isJoker(code) && (suitOf(code) == Suit::Diamonds || suitOf(code) == Suit::Hearts));
}

// "Spades", "Clubs", "Diamonds", "Hearts".
std::string_view suitName(Suit suit);
// The rank as the wild-card boxes name it: "Ace", "2" .. "10", "Jack", "Queen", "King".
std::string_view rankCaption(int rank);
// The rank in a card's corner: "A", "2" .. "10", "J", "Q", "K".
std::string_view rankIndex(int rank);
// The card in words, as a screen reader says it: "Seven of Hearts", "Black Joker".
std::string cardName(int code);

} // namespace corvelle
