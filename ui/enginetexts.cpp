// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/enginetexts.h"

#include <QCoreApplication>

#include <string>

namespace corvelle {

namespace {

// What the engine tells the player, in its own words: the messages the game shows and the
// reasons a kept game cannot be played on. Listed here so that the translation files carry them;
// scripts/translations --check finds any the engine says that are missing here.
[[maybe_unused]] constexpr const char* EngineTexts[] = {
    QT_TRANSLATE_NOOP("corvelle::EngineText", "Sorry no more cards left to deal!"),
    QT_TRANSLATE_NOOP("corvelle::EngineText",
                      "The current game is over, please start a new game to continue playing"),
    QT_TRANSLATE_NOOP("corvelle::EngineText",
                      "Sorry, but you may only undo a card movement after it has been completed!"),
    QT_TRANSLATE_NOOP("corvelle::EngineText",
                      "the table or the column grid disagrees with the deck"),
    QT_TRANSLATE_NOOP("corvelle::EngineText", "the played marks disagree with the table"),
    QT_TRANSLATE_NOOP("corvelle::EngineText", "a card lies below a played card of its column"),
    QT_TRANSLATE_NOOP("corvelle::EngineText", "the count of table cards disagrees with the table"),
    QT_TRANSLATE_NOOP("corvelle::EngineText", "the undo record holds a value out of range"),
    QT_TRANSLATE_NOOP("corvelle::EngineText", "the undo record points to no card last played"),
    QT_TRANSLATE_NOOP("corvelle::EngineText", "the undo record points to no card last drawn"),
    QT_TRANSLATE_NOOP("corvelle::EngineText", "an undo is offered for nothing"),
    QT_TRANSLATE_NOOP("corvelle::EngineText", "a wild card is chosen that cannot be chosen"),
    QT_TRANSLATE_NOOP("corvelle::EngineText", "the count of wild cards disagrees with the choice"),
    QT_TRANSLATE_NOOP("corvelle::EngineText", "the count of wild cards played is impossible"),
    QT_TRANSLATE_NOOP("corvelle::EngineText", "the score or the peak score is out of range"),
    QT_TRANSLATE_NOOP("corvelle::EngineText", "the anty or its phase is out of range"),
    QT_TRANSLATE_NOOP("corvelle::EngineText", "the run is shorter than no card"),
    QT_TRANSLATE_NOOP("corvelle::EngineText", "the score to beat is no number"),
    QT_TRANSLATE_NOOP("corvelle::EngineText", "the deal number or the round is out of range"),
    QT_TRANSLATE_NOOP("corvelle::EngineText", "the options are no choice of the menus"),
    QT_TRANSLATE_NOOP("corvelle::EngineText", "the deck is not a permutation of the 54 cards"),
    QT_TRANSLATE_NOOP("corvelle::EngineText",
                      "the deck is not the one its deal number and round give"),
    QT_TRANSLATE_NOOP("corvelle::EngineText", "the draw pile disagrees with the deck position"),
    QT_TRANSLATE_NOOP("corvelle::EngineText", "the discard top was never turned up"),
    QT_TRANSLATE_NOOP("corvelle::EngineText", "the game is over with cards left to draw"),
};

} // namespace

QString engineText(std::string_view text) {
    const std::string source(text);
    return QCoreApplication::translate("corvelle::EngineText", source.c_str());
}

} // namespace corvelle
