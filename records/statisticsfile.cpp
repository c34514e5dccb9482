// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/statisticsfile.h"

#include "records/jsonfields.h"

#include <QJsonDocument>

#include <limits>

namespace corvelle {

namespace {

constexpr int FormatVersion = 1;
constexpr double Int32Max = std::numeric_limits<std::int32_t>::max();
constexpr double Int32Min = std::numeric_limits<std::int32_t>::min();

QJsonValue optionalValue(const std::optional<std::int32_t>& value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QJsonValue wide(std::int64_t value) {
    return QJsonValue(static_cast<qint64>(value));
}

std::optional<RoundRecord> readRound(const QJsonValue& value) {
    JsonFields f(value.toObject());
    RoundRecord r;
    r.key = f.integer("key", 1, MaxExactJson);
    r.game = f.integer("game", 1, MaxExactJson);
    r.deal = static_cast<std::uint64_t>(f.integer("deal", 0, MaxExactJson));
    r.round = static_cast<std::int32_t>(f.integer("round", 1, Int32Max));
    r.points = static_cast<std::int32_t>(f.integer("points", Int32Min, Int32Max));
    r.best = f.optionalInt32("best");
    r.cleared = f.flag("cleared");
    return value.isObject() && f.ok() ? std::optional(r) : std::nullopt;
}

std::optional<DailyBest> readDailyBest(const QJsonValue& value) {
    JsonFields f(value.toObject());
    DailyBest d;
    d.date = static_cast<std::int32_t>(f.integer("date", 19000101, 99991231));
    d.deal = static_cast<std::uint64_t>(f.integer("deal", 1, MaxExactJson));
    d.best = static_cast<std::int32_t>(f.integer("best", 0, Int32Max));
    return value.isObject() && f.ok() ? std::optional(d) : std::nullopt;
}

std::optional<GameRecord> readGame(const QJsonValue& value) {
    JsonFields f(value.toObject());
    GameRecord g;
    g.serial = f.integer("serial", 0, MaxExactJson);
    g.deal = static_cast<std::uint64_t>(f.integer("deal", 0, MaxExactJson));
    g.score = static_cast<std::int32_t>(f.integer("score", 0, Int32Max));
    g.rounds = static_cast<std::int32_t>(f.integer("rounds", 0, Int32Max));
    g.best = f.optionalInt32("best");
    return value.isObject() && f.ok() ? std::optional(g) : std::nullopt;
}

} // namespace

std::optional<std::int32_t> StatisticsData::dailyBest(std::int32_t date) const {
    for (const DailyBest& day : dailyBests) {
        if (day.date == date) {
            return day.best;
        }
    }
    return std::nullopt;
}

std::optional<double> StatisticsData::meanScore() const {
    return gamesPlayed > 0
               ? std::optional(static_cast<double>(scoreSum) / static_cast<double>(gamesPlayed))
               : std::nullopt;
}

std::optional<double> StatisticsData::meanShare() const {
    return sharedRounds > 0 ? std::optional(shareSum / static_cast<double>(sharedRounds))
                            : std::nullopt;
}

std::optional<double> StatisticsData::clearedShare() const {
    return roundsPlayed > 0 ? std::optional(static_cast<double>(roundsCleared) /
                                            static_cast<double>(roundsPlayed))
                            : std::nullopt;
}

QByteArray writeStatisticsFile(const StatisticsData& data) {
    QJsonArray games;
    for (const GameRecord& g : data.games) {
        games.append(QJsonObject{{"serial", wide(g.serial)},
                                 {"deal", wide(static_cast<std::int64_t>(g.deal))},
                                 {"score", g.score},
                                 {"rounds", g.rounds},
                                 {"best", optionalValue(g.best)}});
    }
    QJsonArray rounds;
    for (const RoundRecord& r : data.rounds) {
        rounds.append(QJsonObject{{"key", wide(r.key)},
                                  {"game", wide(r.game)},
                                  {"deal", wide(static_cast<std::int64_t>(r.deal))},
                                  {"round", r.round},
                                  {"points", r.points},
                                  {"best", optionalValue(r.best)},
                                  {"cleared", r.cleared}});
    }
    QJsonArray days;
    for (const DailyBest& d : data.dailyBests) {
        days.append(QJsonObject{
            {"date", d.date}, {"deal", wide(static_cast<std::int64_t>(d.deal))}, {"best", d.best}});
    }
    const QJsonObject root{
        {"format", FormatVersion},
        {"gamesPlayed", wide(data.gamesPlayed)},
        {"roundsPlayed", wide(data.roundsPlayed)},
        {"roundsCleared", wide(data.roundsCleared)},
        {"bestGameScore", data.bestGameScore},
        {"bestRound", data.bestRound},
        {"longestRun", data.longestRun},
        {"scoreSum", wide(data.scoreSum)},
        {"shareSum", data.shareSum},
        {"sharedRounds", wide(data.sharedRounds)},
        {"hintsUsed", wide(data.hintsUsed)},
        {"nextKey", wide(data.nextKey)},
        {"nextSerial", wide(data.nextSerial)},
        {"games", games},
        {"rounds", rounds},
        {"dailyBests", days},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<StatisticsData> readStatisticsFile(const QByteArray& bytes) {
    const std::optional<QJsonObject> object = jsonObjectIn(bytes);
    if (!object) {
        return std::nullopt;
    }
    JsonFields f(*object);
    StatisticsData d;
    f.integer("format", FormatVersion, FormatVersion);
    d.gamesPlayed = f.integer("gamesPlayed", 0, MaxExactJson);
    d.roundsPlayed = f.integer("roundsPlayed", 0, MaxExactJson);
    d.roundsCleared = f.integer("roundsCleared", 0, static_cast<double>(d.roundsPlayed));
    d.bestGameScore = static_cast<std::int32_t>(f.integer("bestGameScore", 0, Int32Max));
    d.bestRound = static_cast<std::int32_t>(f.integer("bestRound", Int32Min, Int32Max));
    d.longestRun = static_cast<std::int32_t>(f.integer("longestRun", 0, Int32Max));
    d.scoreSum = f.integer("scoreSum", 0, MaxExactJson);
    d.shareSum = f.number("shareSum");
    d.sharedRounds = f.integer("sharedRounds", 0, static_cast<double>(d.roundsPlayed));
    d.hintsUsed = f.integer("hintsUsed", 0, MaxExactJson);
    d.nextKey = f.integer("nextKey", 1, MaxExactJson);
    d.nextSerial = f.integer("nextSerial", 1, MaxExactJson);
    for (const QJsonValue value : f.array("games", 0, ChartedGames)) {
        const std::optional<GameRecord> game = readGame(value);
        game ? d.games.push_back(*game) : void(f.fail());
    }
    for (const QJsonValue value : f.array("rounds", 0, KeptRounds)) {
        const std::optional<RoundRecord> round = readRound(value);
        round && round->key < d.nextKey && round->game < d.nextSerial ? d.rounds.push_back(*round)
                                                                      : void(f.fail());
    }
    // Files written before the deal of the day have no list of its bests.
    if (object->contains(QLatin1String("dailyBests"))) {
        for (const QJsonValue value : f.array("dailyBests", 0, KeptDays)) {
            const std::optional<DailyBest> day = readDailyBest(value);
            day ? d.dailyBests.push_back(*day) : void(f.fail());
        }
    }
    return f.ok() ? std::optional(d) : std::nullopt;
}

} // namespace corvelle
