// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/gamestate.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <cstddef>
#include <string_view>

namespace corvelle {

// The option groups under "&Options", in menu order. The cheat items are not options: they
// are never stored, and their menu lies between the first two groups.
enum class OptionGroup { DrawingMethod, ShowHighScores, PlayMode, Scoring, Shuffling };

struct OptionMenu {
    OptionGroup group;
    const char* control;
    const char* caption;
};

inline constexpr std::array<OptionMenu, 5> OptionMenus{{
    {OptionGroup::DrawingMethod, "mnuDrawingMethod",
     QT_TRANSLATE_NOOP("corvelle::OptionTable", "Card Drawing Method")},
    {OptionGroup::ShowHighScores, "mnuShowHighScores",
     QT_TRANSLATE_NOOP("corvelle::OptionTable", "High Score PopUp")},
    {OptionGroup::PlayMode, "mnuPlaymode", QT_TRANSLATE_NOOP("corvelle::OptionTable", "Play Mode")},
    {OptionGroup::Scoring, "mnuScoring", QT_TRANSLATE_NOOP("corvelle::OptionTable", "Scoring")},
    {OptionGroup::Shuffling, "mnuShuffling",
     QT_TRANSLATE_NOOP("corvelle::OptionTable", "Shuffling")},
}};

// One stored option value: the settings key and the text written for it.
struct OptionSetting {
    std::string_view key;
    std::string_view text;
};

// One item of an option group: its menu control and caption, whether it carries the check mark
// before any saved choice is read, and the option values that choosing it sets and stores.
// Choosing an item stores these values and the check marks of its whole group (the control
// name followed by ".Checked"); the group's default values are those of its default item.
struct OptionItem {
    const char* control;
    const char* caption;
    OptionGroup group;
    bool defaultMark;
    std::array<OptionSetting, 2> settings; // an unused one has an empty key
};

// Every option item, in menu order: the one place an option item is written down.
// clang-format off
inline constexpr auto OptionItems = std::to_array<OptionItem>({
    {"mnuDiscardPileA",  QT_TRANSLATE_NOOP("corvelle::OptionTable", "Discard Pile Only"),          OptionGroup::DrawingMethod,  true,  {{{"ClickCardPileTo", "False"}, {"ClickFormAlso", "False"}}}},
    {"mnuDiscardPDrawP", QT_TRANSLATE_NOOP("corvelle::OptionTable", "Discard Pile && Draw Pile"),  OptionGroup::DrawingMethod,  false, {{{"ClickCardPileTo", "True"},  {"ClickFormAlso", "False"}}}},
    {"mnuDiscardPileB",  QT_TRANSLATE_NOOP("corvelle::OptionTable", "Discard Pile && Background"), OptionGroup::DrawingMethod,  false, {{{"ClickCardPileTo", "False"}, {"ClickFormAlso", "True"}}}},
    {"mnuShowHSa",       QT_TRANSLATE_NOOP("corvelle::OptionTable", "Show High Scores"),           OptionGroup::ShowHighScores, true,  {{{"ShowHighScores", "True"}}}},
    {"mnuShowHSb",       QT_TRANSLATE_NOOP("corvelle::OptionTable", "Dont Show High Scores"),      OptionGroup::ShowHighScores, false, {{{"ShowHighScores", "False"}}}},
    {"mnuAceKing",       QT_TRANSLATE_NOOP("corvelle::OptionTable", "Ace King - King Ace"),        OptionGroup::PlayMode,       true,  {{{"AceKing", "True"}}}},
    {"mnuNoAceKing",     QT_TRANSLATE_NOOP("corvelle::OptionTable", "No Ace King - King Ace"),     OptionGroup::PlayMode,       false, {{{"AceKing", "False"}}}},
    {"mnuScoringOn",     QT_TRANSLATE_NOOP("corvelle::OptionTable", "On"),                         OptionGroup::Scoring,        true,  {{{"Scoring", "True"}}}},
    {"mnuScoringOff",    QT_TRANSLATE_NOOP("corvelle::OptionTable", "Off"),                        OptionGroup::Scoring,        false, {{{"Scoring", "False"}}}},
    {"mnuShuffling1",    "1",                          OptionGroup::Shuffling,      true,  {{{"Shuffles", "1"}}}},
    {"mnuShuffling2",    "2",                          OptionGroup::Shuffling,      false, {{{"Shuffles", "2"}}}},
    {"mnuShuffling3",    "3",                          OptionGroup::Shuffling,      false, {{{"Shuffles", "3"}}}},
});
// clang-format on

// A caption of OptionMenus or OptionItems as the menus show it, in the player's language.
QString optionCaption(const char* caption);

// Where each stored option value lands in the game's options: a Boolean stored as "True" or
// "False", or a number stored in decimal.
struct OptionField {
    std::string_view key;
    bool Options::*flag = nullptr;
    int Options::*number = nullptr;
};

inline constexpr std::array<OptionField, 6> OptionFields{{
    {"ClickCardPileTo", &Options::drawPileClickDraws, nullptr},
    {"ClickFormAlso", &Options::backgroundClickDraws, nullptr},
    {"ShowHighScores", &Options::showHighScoresPopup, nullptr},
    {"AceKing", &Options::aceKingWrap, nullptr},
    {"Scoring", &Options::scoringOn, nullptr},
    {"Shuffles", nullptr, &Options::shuffleCount},
}};

// The check marks of the option items, by their place in OptionItems.
using OptionMarks = std::array<bool, OptionItems.size()>;

// The options with one stored value put in, and as choosing OptionItems[item] makes them.
Options withOptionSetting(Options options, const OptionSetting& setting);
Options withOptionItem(Options options, std::size_t item);

// The one reading of options that no menu could have set, for the settings store and the kept
// game alike: each group plays as the item whose values it holds. A group whose values are each
// one that an item stores, but that together match no item (both draw choices on), plays as the
// one item marked in `storedChecked` when exactly one is, else as its default item. A value that
// no item stores (a shuffle count of 4) is left as it is, for the game's own check to refuse.
Options settledOptions(Options options, const OptionMarks& storedChecked = {});

// The check marks that go with `options`: in each group, the item whose values they hold.
OptionMarks optionMarksOf(const Options& options);

} // namespace corvelle
