#include "highscores.h"

#include "dialogs.h"
#include "hscorecodec.h"
#include "savefile.h"
#include "scoresimport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

namespace corvelle {

namespace {

const QString ScoresFile = QStringLiteral("hscores.dat");
const QString OldScoresFile = QStringLiteral("scores.dat");
const QString DamagedSuffix = QStringLiteral(".damaged");

// No sound hscores.dat is longer (ten records, names of at most 65535 bytes), and no
// scores.dat worth importing either; reading stops there whatever the file's size.
constexpr qint64 MaxFileRead = 1 << 20;
constexpr qint64 MaxImportRead = 4 << 20;

const QString NamePrompt =
    QStringLiteral("Please enter your name for the High Scores Hall of Fame.");
const QString NameTitle = QStringLiteral("High Scores: Hall of Fame");
const QString BadPositionMessage = QStringLiteral(
    "An error has occured in the highscore rearanging routine, please inform me via email if "
    "you have gotten this error!");

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

bool commitBytes(const QString& path, const std::vector<std::uint8_t>& bytes, bool keepTail,
                 bool interrupt) {
    QByteArray content(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<qsizetype>(bytes.size()));
    if (keepTail) {
        // The old file's bytes beyond the new records stay, as an in-place write leaves them.
        QFile old(path);
        if (old.open(QIODevice::ReadOnly) && old.size() > content.size() &&
            old.seek(content.size())) {
            content += old.readAll();
        }
    }
    QString why =
        interrupt ? QStringLiteral("the save was interrupted") : replaceFileContent(path, content);
    if (why.isEmpty()) {
        return true;
    }
    dialogs().message(
        QStringLiteral("The high scores could not be saved to %1: %2\n\nThey are kept for as "
                       "long as Corvelle runs, and the file keeps its previous content.")
            .arg(nativePath(path), why));
    return false;
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
    return chooseHighScoreDirectory(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString HighScores::filePath() const {
    return directory_ + QLatin1Char('/') + ScoresFile;
}

void HighScores::loadHighScores() {
    if (QFileInfo(directory_ + QLatin1Char('/') + OldScoresFile).isFile() && importScoresDat()) {
        return;
    }
    if (QFileInfo::exists(filePath())) {
        readFile();
    } else {
        setFreePlaces();
    }
}

bool HighScores::importScoresDat() {
    const QString oldPath = directory_ + QLatin1Char('/') + OldScoresFile;
    QFile in(oldPath);
    if (!in.open(QIODevice::ReadOnly)) {
        dialogs().message(QStringLiteral("The old high scores in %1 could not be read: %2")
                              .arg(nativePath(oldPath), in.errorString()));
        return false;
    }
    const QByteArray text = in.read(MaxImportRead);
    in.close();
    const ImportedScores imported =
        parseScoresDat(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    values_ = imported.values;
    names_ = imported.names;
    // The old file goes only once its scores are safely in the new one.
    if (saveHighScores(2) && !QFile::remove(oldPath)) {
        dialogs().message(QStringLiteral("The old high score file %1 could not be removed. Please "
                                         "remove it, or its scores will be taken over again.")
                              .arg(nativePath(oldPath)));
    }
    return true;
}

void HighScores::readFile() {
    QFile in(filePath());
    if (!in.open(QIODevice::ReadOnly)) {
        setFreePlaces();
        damagedCopyPending_ = true;
        dialogs().message(
            QStringLiteral("The high scores in %1 could not be read: %2\n\nThe Hall "
                           "of Fame starts empty, and the file is copied to %3 "
                           "before it is replaced.")
                .arg(nativePath(filePath()), in.errorString(), ScoresFile + DamagedSuffix));
        return;
    }
    const QByteArray bytes = in.read(MaxFileRead);
    in.close();
    const HighScoreFile file = corvelle::readHighScoreFile(std::span(
        reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())));
    values_ = file.values;
    names_ = file.names;
    if (file.anyDamaged()) {
        damagedCopyPending_ = true;
        dialogs().message(QStringLiteral("The high score file %1 is damaged. The entries that "
                                         "could be read are kept, the others are free places, "
                                         "and the file is copied to %2 before it is replaced.")
                              .arg(nativePath(filePath()), ScoresFile + DamagedSuffix));
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

std::string HighScores::askName(bool cheated) {
    std::string name = dialogs().askText(NamePrompt, NameTitle).toStdString();
    if (cheated) {
        name += " *";
    }
    return name;
}

void HighScores::insertHighScore(int position, std::int32_t score, std::int32_t peakScore,
                                 std::string name) {
    if (position < 0 || position >= HighScorePlaces) {
        dialogs().message(BadPositionMessage);
        return;
    }
    for (int i = HighScorePlaces - 1; i > position; --i) {
        values_[i] = values_[i - 1];
        names_[i] = names_[i - 1];
    }
    values_[position] = TableValue::score(score, peakScore);
    names_[position] = TableValue::fromText(std::move(name));
}

bool HighScores::record(int position, std::int32_t score, std::int32_t peakScore,
                        std::string name) {
    insertHighScore(position, score, peakScore, std::move(name));
    return saveHighScores(1);
}

bool HighScores::clearHighScores() {
    setFreePlaces();
    return saveHighScores(1);
}

bool HighScores::saveHighScores(int keep) {
    const auto bytes = writeHighScoreFile(values_, names_);
    const bool interrupt = std::exchange(interruptNextSave_, false);
    return keepDamagedCopy() && commitBytes(filePath(), bytes, keep == 2, interrupt);
}

bool HighScores::keepDamagedCopy() {
    if (!damagedCopyPending_) {
        return true;
    }
    if (!QFileInfo(filePath()).isFile()) {
        damagedCopyPending_ = false; // nothing left to keep
        return true;
    }
    // An older copy is never replaced: the new one takes the first free name.
    const QString base = filePath() + DamagedSuffix;
    QString target = base;
    for (int n = 2; QFileInfo::exists(target); ++n) {
        target = base + QLatin1Char('.') + QString::number(n);
    }
    if (!QFile::copy(filePath(), target)) {
        dialogs().message(QStringLiteral("The damaged high score file %1 could not be copied to "
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

bool HighScores::writeClearedFile(const QString& directory) {
    return commitBytes(directory + QLatin1Char('/') + ScoresFile, clearedTableBytes(), false,
                       false);
}

} // namespace corvelle
