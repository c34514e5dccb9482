#pragma once

#include "gamestate.h"

#include <QList>
#include <QSettings>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <utility>

namespace corvelle {

// The twelve items of the five option groups under "&Options".
enum class OptionItem {
    AceKing,
    NoAceKing,
    DiscardPileA,
    DiscardPDrawP,
    DiscardPileB,
    ScoringOn,
    ScoringOff,
    ShowHSa,
    ShowHSb,
    Shuffling1,
    Shuffling2,
    Shuffling3
};

inline constexpr std::array<OptionItem, 12> allOptionItems{
    OptionItem::AceKing,       OptionItem::NoAceKing,    OptionItem::DiscardPileA,
    OptionItem::DiscardPDrawP, OptionItem::DiscardPileB, OptionItem::ScoringOn,
    OptionItem::ScoringOff,    OptionItem::ShowHSa,      OptionItem::ShowHSb,
    OptionItem::Shuffling1,    OptionItem::Shuffling2,   OptionItem::Shuffling3};

// The check marks of the option menu items, as plain data. The defaults are the marks the menus
// carry before any saved choice is read.
struct OptionMarks {
    bool mnuShowHSa = true;
    bool mnuShowHSb = false;
    bool mnuShuffling1 = true;
    bool mnuShuffling2 = false;
    bool mnuShuffling3 = false;
    bool mnuScoringOn = true;
    bool mnuScoringOff = false;
    bool mnuDiscardPDrawP = false;
    bool mnuDiscardPileB = false;
    bool mnuDiscardPileA = true;
    bool mnuAceKing = true;
    bool mnuNoAceKing = false;

    bool& operator[](OptionItem item);
    bool operator[](OptionItem item) const;
    bool operator==(const OptionMarks&) const = default;
};

// The menu control that stands for an item ("mnuAceKing"), and back; an unknown name gives none.
QString controlName(OptionItem item);
std::optional<OptionItem> optionItemNamed(QStringView name);

// The player's saved options: the six option values and the menu check marks, kept as texts
// ("True", "False", "1", "2", "3") in the per-user settings file of the organisation and
// application "Corvelle", group "Settings". The options are read once at start-up and each
// group is written the moment the player chooses one of its items; nothing else ever writes.
// A stored text the game did not write reads as the key's default, and a store that cannot be
// read or written leaves the game running on the options in memory.
class OptionStore {
public:
    using Entry = std::pair<QString, QString>; // key, text

    // Reads every option and check mark, each from its own key; missing or unusable texts give
    // the defaults. Writes nothing.
    void loadSettings(Options& options, OptionMarks& marks);
    // The player chose an item: sets its option and the marks of its group, then saves them.
    void choose(OptionItem item, Options& options, OptionMarks& marks);

    // The keys that choosing this item writes, in the order they are written, with the texts
    // taken from the options and marks given.
    static QList<Entry> entriesFor(OptionItem item, const Options& options,
                                   const OptionMarks& marks);
    // Where the store lives.
    static QString fileName();

    // The first problem the last load or choice met; nothing else is done about it.
    // AccessError after a choice: it could not be saved and lives in memory for this run.
    // FormatError: the file held text that is no settings file; a choice still saves, and
    // rewrites the file readable. A missing file is no problem: it is a first run.
    QSettings::Status status() const { return status_; }

private:
    QSettings::Status status_ = QSettings::NoError;
};

} // namespace corvelle
