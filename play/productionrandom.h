// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/randomsource.h"

#include <cstdint>

namespace corvelle {

// The random source of a real game: one generator for the whole run, seeded once from the
// system's entropy source mixed with the steady and the wall clock, so that even a platform
// whose random_device is deterministic never deals the same games twice.
RandomSource& productionRandom();

// The number of a new game: drawn from the run's generator, evenly from 1 to MaxDealNumber.
std::uint64_t freshDealNumber();

} // namespace corvelle
