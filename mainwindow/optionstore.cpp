#include "optionstore.h"

#include <span>

namespace corvelle {

namespace {

const char* const settingsGroup = "Settings";

constexpr std::array<const char*, allOptionItems.size()> itemNames{
    "mnuAceKing",      "mnuNoAceKing",  "mnuDiscardPileA", "mnuDiscardPDrawP",
    "mnuDiscardPileB", "mnuScoringOn",  "mnuScoringOff",   "mnuShowHSa",
    "mnuShowHSb",      "mnuShuffling1", "mnuShuffling2",   "mnuShuffling3"};

// The items of each group, in the order their marks are written.
constexpr std::array playModeItems{OptionItem::AceKing, OptionItem::NoAceKing};
constexpr std::array drawingMethodItems{OptionItem::DiscardPDrawP, OptionItem::DiscardPileB,
                                        OptionItem::DiscardPileA};
constexpr std::array scoringItems{OptionItem::ScoringOn, OptionItem::ScoringOff};
constexpr std::array popUpItems{OptionItem::ShowHSa, OptionItem::ShowHSb};
constexpr std::array shufflingItems{OptionItem::Shuffling1, OptionItem::Shuffling2,
                                    OptionItem::Shuffling3};

std::span<const OptionItem> groupOf(OptionItem item) {
    switch (item) {
    case OptionItem::AceKing:
    case OptionItem::NoAceKing:
        return playModeItems;
    case OptionItem::DiscardPileA:
    case OptionItem::DiscardPDrawP:
    case OptionItem::DiscardPileB:
        return drawingMethodItems;
    case OptionItem::ScoringOn:
    case OptionItem::ScoringOff:
        return scoringItems;
    case OptionItem::ShowHSa:
    case OptionItem::ShowHSb:
        return popUpItems;
    case OptionItem::Shuffling1:
    case OptionItem::Shuffling2:
    case OptionItem::Shuffling3:
        break;
    }
    return shufflingItems;
}

QString boolText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString checkedKey(OptionItem item) {
    return controlName(item) + QStringLiteral(".Checked");
}

// The stored text of a key; a missing key, and a value that is no plain text (a list, or a
// serialised variant some other program put there), read as empty.
QString storedText(const QSettings& settings, const QString& key) {
    const QVariant value = settings.value(key);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

// A stored Boolean: "True" or "False" in any letter case; any other text, or none, is the
// default.
bool readBool(const QSettings& settings, const QString& key, bool fallback) {
    const QString text = storedText(settings, key);
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    return fallback;
}

int readShuffles(const QSettings& settings) {
    const QString text = storedText(settings, QStringLiteral("Shuffles"));
    if (text == QLatin1String("2")) {
        return 2;
    }
    if (text == QLatin1String("3")) {
        return 3;
    }
    return 1;
}

QSettings openStore() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Corvelle"),
                     QStringLiteral("Corvelle"));
}

} // namespace

bool& OptionMarks::operator[](OptionItem item) {
    switch (item) {
    case OptionItem::AceKing:
        return mnuAceKing;
    case OptionItem::NoAceKing:
        return mnuNoAceKing;
    case OptionItem::DiscardPileA:
        return mnuDiscardPileA;
    case OptionItem::DiscardPDrawP:
        return mnuDiscardPDrawP;
    case OptionItem::DiscardPileB:
        return mnuDiscardPileB;
    case OptionItem::ScoringOn:
        return mnuScoringOn;
    case OptionItem::ScoringOff:
        return mnuScoringOff;
    case OptionItem::ShowHSa:
        return mnuShowHSa;
    case OptionItem::ShowHSb:
        return mnuShowHSb;
    case OptionItem::Shuffling1:
        return mnuShuffling1;
    case OptionItem::Shuffling2:
        return mnuShuffling2;
    case OptionItem::Shuffling3:
        break;
    }
    return mnuShuffling3;
}

bool OptionMarks::operator[](OptionItem item) const {
    return const_cast<OptionMarks&>(*this)[item];
}

QString controlName(OptionItem item) {
    return QLatin1String(itemNames.at(static_cast<std::size_t>(item)));
}

std::optional<OptionItem> optionItemNamed(QStringView name) {
    for (OptionItem item : allOptionItems) {
        if (name == QLatin1String(itemNames.at(static_cast<std::size_t>(item)))) {
            return item;
        }
    }
    return std::nullopt;
}

QString OptionStore::fileName() {
    return openStore().fileName();
}

void OptionStore::loadSettings(Options& options, OptionMarks& marks) {
    QSettings settings = openStore();
    settings.beginGroup(QLatin1String(settingsGroup));
    const auto read = [&settings](const char* key, bool fallback) {
        return readBool(settings, QLatin1String(key), fallback);
    };
    options.showHighScoresPopup = read("ShowHighScores", true);
    marks.mnuShowHSa = read("mnuShowHSa.Checked", true);
    marks.mnuShowHSb = read("mnuShowHSb.Checked", false);
    options.shuffleCount = readShuffles(settings);
    marks.mnuShuffling1 = read("mnuShuffling1.Checked", true);
    marks.mnuShuffling2 = read("mnuShuffling2.Checked", false);
    marks.mnuShuffling3 = read("mnuShuffling3.Checked", false);
    options.scoringOn = read("Scoring", true);
    marks.mnuScoringOn = read("mnuScoringOn.Checked", true);
    marks.mnuScoringOff = read("mnuScoringOff.Checked", false);
    options.aceKingWrap = read("AceKing", true);
    options.drawPileClickDraws = read("ClickCardPileTo", false);
    options.backgroundClickDraws = read("ClickFormAlso", false);
    marks.mnuDiscardPDrawP = read("mnuDiscardPDrawP.Checked", false);
    marks.mnuDiscardPileB = read("mnuDiscardPileB.Checked", false);
    marks.mnuDiscardPileA = read("mnuDiscardPileA.Checked", true);
    marks.mnuAceKing = read("mnuAceKing.Checked", true);
    marks.mnuNoAceKing = read("mnuNoAceKing.Checked", false);
    status_ = settings.status();
}

void OptionStore::choose(OptionItem item, Options& options, OptionMarks& marks) {
    switch (item) {
    case OptionItem::AceKing:
    case OptionItem::NoAceKing:
        options.aceKingWrap = item == OptionItem::AceKing;
        break;
    case OptionItem::DiscardPileA:
    case OptionItem::DiscardPDrawP:
    case OptionItem::DiscardPileB:
        options.drawPileClickDraws = item == OptionItem::DiscardPDrawP;
        options.backgroundClickDraws = item == OptionItem::DiscardPileB;
        break;
    case OptionItem::ScoringOn:
    case OptionItem::ScoringOff:
        options.scoringOn = item == OptionItem::ScoringOn;
        break;
    case OptionItem::ShowHSa:
    case OptionItem::ShowHSb:
        options.showHighScoresPopup = item == OptionItem::ShowHSa;
        break;
    case OptionItem::Shuffling1:
        options.shuffleCount = 1;
        break;
    case OptionItem::Shuffling2:
        options.shuffleCount = 2;
        break;
    case OptionItem::Shuffling3:
        options.shuffleCount = 3;
        break;
    }
    for (OptionItem member : groupOf(item)) {
        marks[member] = member == item;
    }

    QSettings settings = openStore();
    settings.beginGroup(QLatin1String(settingsGroup));
    for (const Entry& entry : entriesFor(item, options, marks)) {
        settings.setValue(entry.first, entry.second);
    }
    settings.endGroup();
    settings.sync();
    status_ = settings.status();
}

QList<OptionStore::Entry> OptionStore::entriesFor(OptionItem item, const Options& options,
                                                  const OptionMarks& marks) {
    QList<Entry> entries;
    switch (item) {
    case OptionItem::AceKing:
    case OptionItem::NoAceKing:
        entries.append({QStringLiteral("AceKing"), boolText(options.aceKingWrap)});
        break;
    case OptionItem::DiscardPileA:
    case OptionItem::DiscardPDrawP:
    case OptionItem::DiscardPileB:
        entries.append({QStringLiteral("ClickCardPileTo"), boolText(options.drawPileClickDraws)});
        entries.append({QStringLiteral("ClickFormAlso"), boolText(options.backgroundClickDraws)});
        break;
    case OptionItem::ScoringOn:
    case OptionItem::ScoringOff:
        entries.append({QStringLiteral("Scoring"), boolText(options.scoringOn)});
        break;
    case OptionItem::ShowHSa:
    case OptionItem::ShowHSb:
        entries.append({QStringLiteral("ShowHighScores"), boolText(options.showHighScoresPopup)});
        break;
    case OptionItem::Shuffling1:
    case OptionItem::Shuffling2:
    case OptionItem::Shuffling3:
        entries.append({QStringLiteral("Shuffles"), QString::number(options.shuffleCount)});
        break;
    }
    for (OptionItem member : groupOf(item)) {
        entries.append({checkedKey(member), boolText(marks[member])});
    }
    return entries;
}

} // namespace corvelle
