// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/optiontable.h"

#include <QCoreApplication>
#include <QList>
#include <QSettings>
#include <QString>

#include <utility>

namespace corvelle {

// The player's saved options: the option values and the menu check marks of OptionItems, kept as
// texts ("True", "False", "1", ...) in the per-user settings file of the organisation and
// application "Corvelle", group "Settings". The options are read once at start-up and each
// group is written the moment the player chooses one of its items; nothing else ever writes.
// A stored text the game did not write reads as the key's default, options no menu could set
// read as one item of their group, and the check marks always follow the options; a store that
// cannot be read or written leaves the game running on the options in memory.
class OptionStore {
    Q_DECLARE_TR_FUNCTIONS(corvelle::OptionStore)

public:
    // The options as choosing OptionItems[item] makes them.
    static Options withItem(Options options, std::size_t item);
    using Entry = std::pair<QString, QString>; // key, text

    // The check marks the menus carry before any saved choice is read.
    static OptionMarks defaultMarks();
    // Reads every option from its own key (a missing or unusable text gives the key's default),
    // settles what no menu could have set as settledOptions does, with the marks stored as
    // checked as its tie-break, and marks the items the options then hold. Writes nothing.
    void loadSettings(Options& options, OptionMarks& marks);
    // The player chose OptionItems[item]: sets its options and the marks of its group, then
    // saves them.
    void choose(std::size_t item, Options& options, OptionMarks& marks);

    // The keys that choosing OptionItems[item] writes, in the order they are written, with the
    // marks given.
    static QList<Entry> entriesFor(std::size_t item, const OptionMarks& marks);
    // Where the store lives.
    static QString fileName();

    // The card size in percent (100, 125, 150, 175 or 200), kept in a group of its own, "View".
    int loadCardSize();
    void saveCardSize(int percent);

    // The card faces, "Classic" or "LargePrint", kept in a group of its own, "Cards" (key
    // "Faces"); anything else reads as Classic.
    bool loadLargePrint();
    void saveLargePrint(bool largePrint);

    // A setting of the game's own beyond the classic options, each in a group of its own (for
    // example "Review"/"ShowAtRoundEnd"), kept as "True" or "False"; anything else reads as
    // `fallback`.
    bool loadFlag(const QString& group, const QString& key, bool fallback);
    void saveFlag(const QString& group, const QString& key, bool value);

    // The first problem the last load or choice met; nothing else is done about it.
    // AccessError after a choice: it could not be saved and lives in memory for this run.
    // FormatError: the file held text that is no settings file; a choice still saves, and
    // rewrites the file readable. A missing file is no problem: it is a first run.
    QSettings::Status status() const { return status_; }
    // What the player must be told about the store, once; empty when all is well.
    QString takeProblem() { return std::exchange(problem_, QString()); }

private:
    bool usable();

    QSettings::Status status_ = QSettings::NoError;
    QString problem_;
    bool reported_ = false;
};

} // namespace corvelle
