// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/cardsizes.h"

#include <cmath>

namespace corvelle {

bool cardSizeFits(int percent, QSize client, QSize around, QSize available) {
    const auto scaled = [percent](int pixels) {
        return static_cast<int>(std::floor(pixels * percent / 100.0));
    };
    return scaled(client.width()) + around.width() <= available.width() &&
           scaled(client.height()) + around.height() <= available.height();
}

int fittingCardSize(int wanted, QSize client, QSize around, QSize available) {
    int shown = CardSizes.front().percent;
    for (const CardSize& size : CardSizes) {
        if (size.percent <= wanted && cardSizeFits(size.percent, client, around, available)) {
            shown = size.percent;
        }
    }
    return shown;
}

} // namespace corvelle
