// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/highscores.h"

#include "scores/hscorecodec.h"
#include "scores/scoresimport.h"
#include "storage/datadirectory.h"
#include "storage/savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>

namespace corvelle {

namespace {

const QString ScoresFile = QStringLiteral("hscores.dat");
const QString OldScoresFile = QStringLiteral("scores.dat");
const QString DamagedSuffix = QStringLiteral(".damaged");
const QString BeforeImportSuffix = QStringLiteral(".before-import");

// No sound hscores.dat is longer (ten records, names of at most 65535 bytes), and no
// scores.dat worth importing either; reading stops there whatever the file's size.
constexpr qint64 MaxFileRead = 1 << 20;
constexpr qint64 MaxImportRead = 4 << 20;

std::vector<std::uint8_t> clearedTableBytes() {
    std::array<TableValue, 5> values;
    std::array<TableValue, 5> names;
    values.fill(TableValue::int16(0));
    names.fill(TableValue::fromText({}));
    return writeHighScoreFile(values, names);
}

QString nativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Replaces the file's content; the text the player must be told when it could not be saved.
QString commitBytes(const QString& path, const std::vector<std::uint8_t>& bytes, bool keepTail) {
    QByteArray content(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<qsizetype>(bytes.size()));
    if (keepTail) {
        // The old file's bytes beyond the new records stay, as an in-place write leaves them.
        const ReadResult old = readSmallFile(path, MaxFileRead);
        content += old.bytes.mid(content.size());
    }
    const QString why = replaceFileContent(path, content);
    if (why.isEmpty()) {
        return {};
    }
    return HighScores::tr("The high scores could not be saved to %1: %2\n\nThey are kept for as "
                          "long as Corvelle runs, and the file keeps its previous content.")
        .arg(nativePath(path), why);
}

} // namespace

QString chooseHighScoreDirectory(const QString& applicationDir, const QString& userDataDir) {
    const QFileInfo appDir(applicationDir);
    if (appDir.isDir() && appDir.isWritable()) {
        return applicationDir;
    }
    QDir().mkpath(userDataDir);
    return userDataDir;
}

QString highScoreDirectory() {
    // An installed copy (its pictures in ../share/corvelle) never keeps the player's scores in
    // the installation, even where it could write there.
    const QString appDir = QCoreApplication::applicationDirPath();
    const bool installed = QFileInfo::exists(appDir + QStringLiteral("/../share/corvelle"));
    return chooseHighScoreDirectory(installed ? QString() : appDir, dataDirectory());
}

HighScores::HighScores(QString directory, QString takeOverDirectory)
    : directory_(std::move(directory)), takeOverDirectory_(std::move(takeOverDirectory)) {}

QString HighScores::filePath() const {
    return directory_ + QLatin1Char('/') + ScoresFile;
}

QStringList HighScores::loadHighScores() {
    told_.clear();
    if (!importScoresDat()) {
        loadTable();
    }
    return std::exchange(told_, {});
}

void HighScores::loadTable() {
    const ReadResult file = readSmallFile(filePath(), MaxFileRead);
    if (file.status == ReadStatus::Missing && takeOverFromReadOnlyFolder()) {
        return;
    }
    if (file.status == ReadStatus::Missing) {
        setFreePlaces();
    } else {
        readTable(file, filePath());
    }
}

// A Hall of Fame in a folder of the game that cannot be written (an old installation): taken
// over into the per-user file, once, when that file does not exist yet.
bool HighScores::takeOverFromReadOnlyFolder() {
    if (takeOverDirectory_.isEmpty() || takeOverDirectory_ == directory_) {
        return false;
    }
    const QString oldPath = takeOverDirectory_ + QLatin1Char('/') + ScoresFile;
    const ReadResult file = readSmallFile(oldPath, MaxFileRead);
    if (file.status == ReadStatus::Missing) {
        return false;
    }
    readTable(file, oldPath);
    damagedCopyPending_ = false; // the damaged file is the old one, which is never replaced
    if (saveHighScores(1)) {
        told_ << (tr("Corvelle cannot save high scores in %1, so it has taken "
                     "them over and keeps them in %2 from now on.")
                      .arg(nativePath(oldPath), nativePath(filePath())));
    }
    return true;
}

// An old scores.dat is taken over once: its ten fields become the table, which is saved as
// hscores.dat (keeping a copy of a Hall of Fame that was there), and then it is removed.
bool HighScores::importScoresDat() {
    const QString oldPath = directory_ + QLatin1Char('/') + OldScoresFile;
    const ReadResult in = readSmallFile(oldPath, MaxImportRead);
    if (in.status == ReadStatus::Missing) {
        return false;
    }
    if (in.status != ReadStatus::Read) {
        told_ << (tr("The old high scores in %1 could not be read: %2")
                      .arg(nativePath(oldPath), in.error));
        return false;
    }
    const ImportedScores imported = parseScoresDat(
        std::string_view(in.bytes.constData(), static_cast<std::size_t>(in.bytes.size())));
    values_ = imported.values;
    names_ = imported.names;
    if (!keepReplacedTable()) {
        return true;
    }
    // The old file goes only once its scores are safely in the new one.
    if (saveHighScores(2) && !QFile::remove(oldPath)) {
        told_ << (tr("The old high score file %1 could not be removed. Please "
                     "remove it, or its scores will be taken over again.")
                      .arg(nativePath(oldPath)));
    }
    return true;
}

// Before the import replaces a Hall of Fame, it is copied aside, and the player told where.
bool HighScores::keepReplacedTable() {
    if (!QFileInfo(filePath()).isFile()) {
        return true;
    }
    const QString copy = unusedName(filePath() + BeforeImportSuffix);
    if (!QFile::copy(filePath(), copy)) {
        told_ << (tr("The high scores in %1 could not be copied to %2, so "
                     "they are not replaced by the old high scores of %3.")
                      .arg(nativePath(filePath()), nativePath(copy), OldScoresFile));
        return false;
    }
    told_ << (tr("The old high scores of %1 replace the Hall of Fame. The "
                 "Hall of Fame they replace is kept in %2.")
                  .arg(OldScoresFile, nativePath(copy)));
    return true;
}

// The table of hscores.dat, or free places where it cannot be read; either way a damaged or
// unreadable file is put aside before the first save replaces it, and the player is told.
void HighScores::readTable(const ReadResult& file, const QString& path) {
    if (file.status != ReadStatus::Read) {
        setFreePlaces();
        damagedCopyPending_ = true;
        told_ << (tr("The high scores in %1 could not be read: %2\n\nThe "
                     "Hall of Fame starts empty, and the file is kept as %3 "
                     "before it is replaced.")
                      .arg(nativePath(path), file.error, ScoresFile + DamagedSuffix));
        return;
    }
    const HighScoreFile table = corvelle::readHighScoreFile(
        std::span(reinterpret_cast<const std::uint8_t*>(file.bytes.constData()),
                  std::size_t(file.bytes.size())));
    values_ = table.values;
    names_ = table.names;
    if (table.anyDamaged()) {
        damagedCopyPending_ = true;
        told_ << (tr("The high score file %1 is damaged. The entries that "
                     "could be read are kept, the others are free places, "
                     "and the file is copied to %2 before it is replaced.")
                      .arg(nativePath(path), ScoresFile + DamagedSuffix));
    }
}

void HighScores::setFreePlaces() {
    values_.fill(TableValue::int16(0));
    names_.fill(TableValue::fromText({}));
}

std::optional<int> HighScores::placeFor(std::int32_t score) const {
    for (int i = 0; i < HighScorePlaces; ++i) {
        if (static_cast<double>(score) > comparedValue(values_[i])) {
            return i;
        }
    }
    return std::nullopt;
}

QString storableName(const QString& typed) {
    QString kept;
    for (const QChar c : typed) {
        const std::string one = QString(c).toStdString();
        if (c == QLatin1Char('?') || encodeWindows1252(one) != "?") {
            kept += c;
        }
    }
    return kept;
}

bool HighScores::insertHighScore(int position, std::int32_t score, std::int32_t peakScore,
                                 std::string name) {
    if (position < 0 || position >= HighScorePlaces) {
        told_ << tr(
            "An error has occured in the highscore rearanging routine, please inform me via "
            "email if you have gotten this error!");
        return false;
    }
    for (int i = HighScorePlaces - 1; i > position; --i) {
        values_[i] = values_[i - 1];
        names_[i] = names_[i - 1];
    }
    values_[position] = TableValue::score(score, peakScore);
    names_[position] = TableValue::fromText(std::move(name));
    return true;
}

QStringList HighScores::record(int position, std::int32_t score, std::int32_t peakScore,
                               std::string name) {
    told_.clear();
    if (insertHighScore(position, score, peakScore, std::move(name))) {
        saveHighScores(1);
    }
    return std::exchange(told_, {});
}

QStringList HighScores::clearHighScores() {
    told_.clear();
    setFreePlaces();
    saveHighScores(1);
    return std::exchange(told_, {});
}

bool HighScores::saveHighScores(int keep) {
    if (!keepDamagedCopy()) {
        return false;
    }
    const QString why = commitBytes(filePath(), writeHighScoreFile(values_, names_), keep == 2);
    if (!why.isEmpty()) {
        told_ << why;
    }
    return why.isEmpty();
}

// A damaged file is copied aside; what is no file at all (a FIFO, a folder) is moved aside
// without ever being opened.
bool HighScores::keepDamagedCopy() {
    const QFileInfo file(filePath());
    if (!damagedCopyPending_ || (!file.exists() && !file.isSymLink())) {
        damagedCopyPending_ = false;
        return true;
    }
    const QString target = unusedName(filePath() + DamagedSuffix);
    const bool kept =
        file.isFile() ? QFile::copy(filePath(), target) : QDir().rename(filePath(), target);
    if (!kept) {
        told_ << (tr("The damaged high score file %1 could not be kept as "
                     "%2, so it is not replaced. The high scores are kept for "
                     "as long as Corvelle runs.")
                      .arg(nativePath(filePath()), nativePath(target)));
        return false;
    }
    damagedCopyPending_ = false;
    return true;
}

QString HighScores::bestText() const {
    return QString::fromStdString(toText(values_[0]));
}

std::array<HighScores::Row, HighScorePlaces> HighScores::prepareRows() {
    std::array<Row, HighScorePlaces> rows;
    for (int i = 0; i < HighScorePlaces; ++i) {
        if (comparedValue(values_[i]) == 0.0) {
            names_[i] = TableValue::fromText({});
        }
        rows[i].score = QString::fromStdString(toText(values_[i]));
        rows[i].name = QString::fromStdString(toText(names_[i]));
    }
    return rows;
}

std::array<HighScores::Row, HighScorePlaces> HighScores::clearedRows() {
    std::array<Row, HighScorePlaces> rows;
    for (Row& row : rows) {
        row.score = QStringLiteral("0");
    }
    return rows;
}

QString HighScores::writeClearedFile(const QString& directory) {
    return commitBytes(directory + QLatin1Char('/') + ScoresFile, clearedTableBytes(), false);
}

} // namespace corvelle
