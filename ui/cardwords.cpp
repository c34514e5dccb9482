// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cardwords.h"

#include <QCoreApplication>

#include <array>

namespace corvelle {

namespace {

constexpr std::array<const char*, 4> SuitWords{
    QT_TRANSLATE_NOOP("corvelle::CardWords", "Spades"),
    QT_TRANSLATE_NOOP("corvelle::CardWords", "Clubs"),
    QT_TRANSLATE_NOOP("corvelle::CardWords", "Diamonds"),
    QT_TRANSLATE_NOOP("corvelle::CardWords", "Hearts"),
};
constexpr std::array<const char*, 14> RankWords{
    "",
    QT_TRANSLATE_NOOP("corvelle::CardWords", "Ace"),
    QT_TRANSLATE_NOOP("corvelle::CardWords", "Two"),
    QT_TRANSLATE_NOOP("corvelle::CardWords", "Three"),
    QT_TRANSLATE_NOOP("corvelle::CardWords", "Four"),
    QT_TRANSLATE_NOOP("corvelle::CardWords", "Five"),
    QT_TRANSLATE_NOOP("corvelle::CardWords", "Six"),
    QT_TRANSLATE_NOOP("corvelle::CardWords", "Seven"),
    QT_TRANSLATE_NOOP("corvelle::CardWords", "Eight"),
    QT_TRANSLATE_NOOP("corvelle::CardWords", "Nine"),
    QT_TRANSLATE_NOOP("corvelle::CardWords", "Ten"),
    QT_TRANSLATE_NOOP("corvelle::CardWords", "Jack"),
    QT_TRANSLATE_NOOP("corvelle::CardWords", "Queen"),
    QT_TRANSLATE_NOOP("corvelle::CardWords", "King"),
};

QString words(const char* text) {
    return QCoreApplication::translate("corvelle::CardWords", text);
}

} // namespace

QString cardWords(int code) {
    if (code == BlackJoker) {
        return QCoreApplication::translate("corvelle::CardWords", "Black Joker");
    }
    if (code == RedJoker) {
        return QCoreApplication::translate("corvelle::CardWords", "Red Joker");
    }
    if (!isCard(code)) {
        return {};
    }
    //: A card: %1 its rank ("Seven"), %2 its suit ("Hearts").
    return QCoreApplication::translate("corvelle::CardWords", "%1 of %2")
        .arg(words(RankWords[static_cast<std::size_t>(faceRank(code))]), suitWords(suitOf(code)));
}

QString suitWords(Suit suit) {
    return words(SuitWords[static_cast<std::size_t>(suit)]);
}

QString rankCaptionWords(int rank) {
    if (rank >= 2 && rank <= 10) {
        return QString::number(rank);
    }
    return rank >= 1 && rank <= RanksPerSuit ? words(RankWords[static_cast<std::size_t>(rank)])
                                             : QString();
}

} // namespace corvelle
