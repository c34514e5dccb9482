// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cheat/cheatcommands.h"

namespace corvelle {

void enableCheats(CheatChoice& cheat) {
    if (cheat.wildCount >= 1) {
        cheat.cheatsEnabled = true;
    }
}

void disableCheats(CheatChoice& cheat) {
    cheat.cheatsEnabled = false;
}

void continuePlaying(CheatChoice& cheat) {
    cheat.cheatsEnabled = cheat.wildCount > 0;
}

bool wildCardBoxChanged(CheatChoice& cheat, int index, bool ticked) {
    if (index < 0 || index >= OrdinaryCards) {
        return ticked;
    }
    int& mark = cheat.wildMark[index + 1];
    if (!ticked) {
        if (mark == 1) {
            mark = 0;
            --cheat.wildCount;
        }
        return false;
    }
    if (mark == 1) {
        return false;
    }
    if (cheat.wildCount >= MaxWildCards) {
        return true;
    }
    mark = 1;
    ++cheat.wildCount;
    return false;
}

} // namespace corvelle
