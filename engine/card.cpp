// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/card.h"

namespace corvelle {

namespace {

constexpr std::array<std::string_view, 4> SuitNames{"Spades", "Clubs", "Diamonds", "Hearts"};
constexpr std::array<std::string_view, 14> RankCaptions{
    "", "Ace", "2", "3", "4", "5", "6", "7", "8", "9", "10", "Jack", "Queen", "King"};
constexpr std::array<std::string_view, 14> RankIndexes{"",  "A", "2", "3",  "4", "5", "6",
                                                       "7", "8", "9", "10", "J", "Q", "K"};
constexpr std::array<std::string_view, 14> RankWords{"",     "Ace",  "Two",   "Three", "Four",
                                                     "Five", "Six",  "Seven", "Eight", "Nine",
                                                     "Ten",  "Jack", "Queen", "King"};

constexpr std::size_t rankSlot(int rank) {
    return rank >= 1 && rank <= RanksPerSuit ? static_cast<std::size_t>(rank) : 0;
}

} // namespace

std::string_view suitName(Suit suit) {
    return SuitNames[static_cast<std::size_t>(suit)];
}

std::string_view rankCaption(int rank) {
    return RankCaptions[rankSlot(rank)];
}

std::string_view rankIndex(int rank) {
    return RankIndexes[rankSlot(rank)];
}

std::string cardName(int code) {
    if (code == BlackJoker) {
        return "Black Joker";
    }
    if (code == RedJoker) {
        return "Red Joker";
    }
    if (!isCard(code)) {
        return {};
    }
    return std::string(RankWords[rankSlot(faceRank(code))]) + " of " +
           std::string(suitName(suitOf(code)));
}

} // namespace corvelle
