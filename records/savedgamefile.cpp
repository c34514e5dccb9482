// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/savedgamefile.h"

#include "options/optiontable.h"
#include "records/jsonfields.h"

#include <QJsonDocument>

#include <limits>

namespace corvelle {

namespace {

constexpr int FormatVersion = 1;

template <typename Array> QJsonArray numbers(const Array& values) {
    QJsonArray array;
    for (const auto value : values) {
        array.append(static_cast<int>(value));
    }
    return array;
}

template <typename Grid> QJsonArray grid(const Grid& rows) {
    QJsonArray array;
    for (const auto& row : rows) {
        array.append(numbers(row));
    }
    return array;
}

template <typename Grid> void readGrid(JsonFields& f, const char* key, Grid& out) {
    const QJsonArray rows = f.array(key, out.size(), out.size());
    for (std::size_t i = 0; i < out.size() && f.ok(); ++i) {
        const QJsonValue row = rows[static_cast<qsizetype>(i)];
        row.isArray() ? f.integers(row.toArray(), out[i]) : void(f.fail());
    }
}

void readFlags(JsonFields& f, const char* key, std::array<bool, TableSlots>& out) {
    const QJsonArray flags = f.array(key, TableSlots, TableSlots);
    for (std::size_t i = 0; i < out.size() && f.ok(); ++i) {
        const QJsonValue flag = flags[static_cast<qsizetype>(i)];
        flag.isBool() ? void(out[i] = flag.toBool()) : void(f.fail());
    }
}

void readUndo(JsonFields& f, const QJsonObject& object, UndoRecord& u) {
    JsonFields g(object);
    u.undoAvailable = g.flag("available");
    u.undoKind = static_cast<UndoKind>(g.integer("kind", 0, 2));
    u.undoDiscardTop = g.int32("discardTop");
    u.undoTableCardsLeft = g.int32("tableCardsLeft");
    u.undoCard = g.int32("card");
    u.undoSlot = g.int32("slot");
    u.undoDeckPosition = g.int32("deckPosition");
    u.undoDrawPileCount = g.int32("drawPileCount");
    g.ok() ? void() : void(f.fail());
}

void readOptions(JsonFields& f, const QJsonObject& object, Options& o) {
    JsonFields g(object);
    o.aceKingWrap = g.flag("aceKingWrap");
    o.drawPileClickDraws = g.flag("drawPileClickDraws");
    o.backgroundClickDraws = g.flag("backgroundClickDraws");
    o.scoringOn = g.flag("scoringOn");
    o.showHighScoresPopup = g.flag("showHighScoresPopup");
    o.shuffleCount = g.int32("shuffleCount");
    o = settledOptions(o); // a kept game stores no check marks
    g.ok() ? void() : void(f.fail());
}

void readCheat(JsonFields& f, const QJsonObject& object, CheatChoice& c) {
    JsonFields g(object);
    g.integers(g.array("wildMark", DeckSize + 1, DeckSize + 1), c.wildMark);
    c.wildCount = g.int32("wildCount");
    c.cheatsEnabled = g.flag("cheatsEnabled");
    g.ok() ? void() : void(f.fail());
}

} // namespace

QByteArray writeSavedGame(const SavedGame& game) {
    const GameState& s = game.state;
    const UndoRecord& u = s.undo;
    QJsonArray onTable;
    for (const bool on : s.onTable) {
        onTable.append(on);
    }
    const QJsonObject root{
        {"format", FormatVersion},
        {"dealNumber", static_cast<qint64>(s.dealNumber)},
        {"roundIndex", s.roundIndex},
        {"deck", numbers(s.deck)},
        {"tableCards", numbers(s.tableCards)},
        {"onTable", onTable},
        {"columnCards", grid(s.columnCards)},
        {"columnPlayed", grid(s.columnPlayed)},
        {"tableCardsLeft", s.tableCardsLeft},
        {"deckPosition", s.deckPosition},
        {"drawPileCount", s.drawPileCount},
        {"discardTop", s.discardTop},
        {"score", s.score},
        {"anty", s.anty},
        {"antyPhase", static_cast<int>(s.antyPhase)},
        {"runCards", s.runCards},
        {"peakScore", s.peakScore},
        {"gameOver", s.gameOver},
        {"undo", QJsonObject{{"available", u.undoAvailable},
                             {"kind", static_cast<int>(u.undoKind)},
                             {"discardTop", u.undoDiscardTop},
                             {"tableCardsLeft", u.undoTableCardsLeft},
                             {"card", u.undoCard},
                             {"slot", u.undoSlot},
                             {"deckPosition", u.undoDeckPosition},
                             {"drawPileCount", u.undoDrawPileCount}}},
        {"options", QJsonObject{{"aceKingWrap", s.options.aceKingWrap},
                                {"drawPileClickDraws", s.options.drawPileClickDraws},
                                {"backgroundClickDraws", s.options.backgroundClickDraws},
                                {"scoringOn", s.options.scoringOn},
                                {"showHighScoresPopup", s.options.showHighScoresPopup},
                                {"shuffleCount", s.options.shuffleCount}}},
        {"cheat", QJsonObject{{"wildMark", numbers(s.cheat.wildMark)},
                              {"wildCount", s.cheat.wildCount},
                              {"cheatsEnabled", s.cheat.cheatsEnabled}}},
        {"wildCardsPlayed", s.wildCardsPlayed},
        {"lastMoveWild", s.lastMoveWild},
        {"highScoreToBeat", s.highScoreToBeat},
        {"roundStartScore", game.roundStartScore},
        {"gameSerial", static_cast<qint64>(game.gameSerial)},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

std::optional<SavedGame> readSavedGame(const QByteArray& bytes) {
    const std::optional<QJsonObject> object = jsonObjectIn(bytes);
    if (!object) {
        return std::nullopt;
    }
    JsonFields f(*object);
    SavedGame game;
    GameState& s = game.state;
    f.integer("format", FormatVersion, FormatVersion);
    s.dealNumber =
        static_cast<std::uint64_t>(f.integer("dealNumber", 1, static_cast<double>(MaxDealNumber)));
    s.roundIndex = f.int32("roundIndex");
    f.integers(f.array("deck", DeckSize + 1, DeckSize + 1), s.deck);
    f.integers(f.array("tableCards", TableSlots, TableSlots), s.tableCards);
    readFlags(f, "onTable", s.onTable);
    readGrid(f, "columnCards", s.columnCards);
    readGrid(f, "columnPlayed", s.columnPlayed);
    s.tableCardsLeft = f.int32("tableCardsLeft");
    s.deckPosition = f.int32("deckPosition");
    s.drawPileCount = f.int32("drawPileCount");
    s.discardTop = f.int32("discardTop");
    s.score = f.int32("score");
    s.anty = f.int32("anty");
    s.antyPhase = static_cast<RunPhase>(f.integer("antyPhase", 0, 2));
    s.runCards = f.int32("runCards");
    s.peakScore = f.int32("peakScore");
    s.gameOver = f.flag("gameOver");
    readUndo(f, f.object("undo"), s.undo);
    readOptions(f, f.object("options"), s.options);
    readCheat(f, f.object("cheat"), s.cheat);
    s.wildCardsPlayed = f.int32("wildCardsPlayed");
    s.lastMoveWild = f.flag("lastMoveWild");
    s.highScoreToBeat = f.number("highScoreToBeat");
    game.roundStartScore = static_cast<std::int32_t>(
        f.integer("roundStartScore", 0, std::numeric_limits<std::int32_t>::max()));
    game.gameSerial = f.integer("gameSerial", 0, MaxExactJson);
    if (game.roundStartScore > s.peakScore) {
        f.fail();
    }
    return f.ok() ? std::optional(game) : std::nullopt;
}

} // namespace corvelle
