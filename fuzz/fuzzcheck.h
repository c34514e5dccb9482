// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>

// A property every fuzz target checks: when it fails, the fuzzer stops on the input at hand.
inline void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}
