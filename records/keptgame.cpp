// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/keptgame.h"

#include "engine/statecheck.h"
#include "storage/savefile.h"
#include "ui/enginetexts.h"

#include <QDir>
#include <QFile>

namespace corvelle {

namespace {

const QString KeptGameFile = QStringLiteral("savedgame.json");
constexpr qint64 MaxKeptGameRead = 1 << 16;

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

KeptGame::KeptGame(QString directory) : directory_(std::move(directory)) {}

QString KeptGame::filePath() const {
    return directory_ + QLatin1Char('/') + KeptGameFile;
}

bool KeptGame::exists() const {
    return QFile::exists(filePath());
}

QString KeptGame::keep(const SavedGame& game) const {
    const QString why = replaceFileContent(filePath(), writeSavedGame(game));
    return why.isEmpty() ? QString()
                         : tr("The game in progress could not be kept in %1: %2")
                               .arg(native(filePath()), why);
}

KeptGame::Taken KeptGame::take() const {
    const ReadResult file = readSmallFile(filePath(), MaxKeptGameRead);
    if (file.status == ReadStatus::Missing) {
        return {};
    }
    if (file.status != ReadStatus::Read) {
        return {std::nullopt, refused(file.error)};
    }
    std::optional<SavedGame> kept = readSavedGame(file.bytes);
    if (!kept) {
        return {std::nullopt, refused(tr("it is damaged"))};
    }
    if (const std::string_view why = whyImpossible(kept->state); !why.empty()) {
        return {std::nullopt, refused(engineText(why))};
    }
    // Taken off the disk before it is played on, or it could be resumed twice.
    if (QFile onDisk(filePath()); !onDisk.remove()) {
        return {std::nullopt,
                tr("The kept game in %1 cannot be resumed: it could not be taken off the disk "
                   "(%2), so it stays kept.")
                    .arg(native(filePath()), onDisk.errorString())};
    }
    return {kept, {}};
}

// A kept game that cannot be played on is put aside, never lost.
QString KeptGame::refused(const QString& why) const {
    const QString keptAs = keepAside(filePath(), QStringLiteral(".damaged"));
    return tr("The kept game in %1 cannot be resumed: %2.%3")
        .arg(native(filePath()), why,
             keptAs.isEmpty() ? QString() : tr(" It is kept as %1.").arg(native(keptAs)));
}

} // namespace corvelle
