// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as savedgame.json: the reader never crashes or reads out of bounds, what it accepts
// is written back as a file that reads as the same game, and a game the check lets through can
// be taken over and played on (every slot, draws, undos) without the rules reading outside the
// state.
#include "engine/game.h"
#include "fuzz/fuzzcheck.h"
#include "records/savedgamefile.h"

using namespace corvelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<SavedGame> read = readSavedGame(bytes);
    if (!read) {
        return 0;
    }
    const std::optional<SavedGame> again = readSavedGame(writeSavedGame(*read));
    check(again && *again == *read);

    NullDisplay display;
    DealRandom random;
    Game game(display, random);
    if (!game.resume(read->state)) {
        return 0;
    }
    check(game.state() == read->state);
    for (int round = 0; round < 3; ++round) {
        for (int slot = 0; slot < TableSlots; ++slot) {
            game.clickTableSlot(slot);
            check(whyImpossible(game.state()).empty());
        }
        game.undoLastMove();
        game.clickDiscardPile();
        game.clickBackground();
        check(whyImpossible(game.state()).empty());
    }
    return 0;
}
