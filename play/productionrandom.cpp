// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/productionrandom.h"

#include "engine/gamestate.h"

#include <chrono>
#include <cstdint>
#include <random>

namespace corvelle {

RandomSource& productionRandom() {
    static StdRandomSource source = [] {
        std::random_device device;
        const auto steady =
            static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        const auto wall =
            static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
        std::seed_seq seed{device(),
                           device(),
                           device(),
                           device(),
                           static_cast<std::uint32_t>(steady),
                           static_cast<std::uint32_t>(steady >> 32),
                           static_cast<std::uint32_t>(wall),
                           static_cast<std::uint32_t>(wall >> 32)};
        return StdRandomSource(seed);
    }();
    return source;
}

std::uint64_t freshDealNumber() {
    return 1 + static_cast<std::uint64_t>(productionRandom().uniform() *
                                          static_cast<double>(MaxDealNumber));
}

} // namespace corvelle
