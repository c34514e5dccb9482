#include "cheatcommands.h"

namespace corvelle {

namespace {

constexpr int ChoosableCards = 52;

} // namespace

bool enableCheats(CheatState& cheat) {
    if (cheat.wildCount >= 1) {
        cheat.cheatsEnabled = true;
    }
    return cheat.cheatsEnabled;
}

void disableCheats(CheatState& cheat) {
    cheat.cheatsEnabled = false;
}

void continuePlaying(CheatState& cheat) {
    cheat.cheatsEnabled = cheat.wildCount > 0;
}

bool wildCardBoxChanged(CheatState& cheat, int index, bool ticked) {
    if (cheat.wildSelectLoading) {
        return false;
    }
    if (index < 0 || index >= ChoosableCards) {
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
