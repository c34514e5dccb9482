// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/randomsource.h"

namespace corvelle {

namespace {

constexpr std::uint64_t rotateLeft(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

std::uint64_t splitMix64(std::uint64_t& seed) {
    std::uint64_t z = (seed += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

} // namespace

std::uint64_t Xoshiro256::next() {
    const std::uint64_t result = rotateLeft(state[1] * 5, 7) * 9;
    const std::uint64_t t = state[1] << 17;
    state[2] ^= state[0];
    state[3] ^= state[1];
    state[1] ^= state[2];
    state[0] ^= state[3];
    state[2] ^= t;
    state[3] = rotateLeft(state[3], 45);
    return result;
}

StdRandomSource::StdRandomSource(std::seed_seq& seed) {
    std::array<std::uint32_t, 8> words{};
    seed.generate(words.begin(), words.end());
    for (std::size_t i = 0; i < generator_.state.size(); ++i) {
        generator_.state[i] = (std::uint64_t{words[2 * i]} << 32) | words[2 * i + 1];
    }
    if (generator_.state == std::array<std::uint64_t, 4>{}) {
        generator_.state[0] = 0x9E3779B97F4A7C15u; // the all-zero state would repeat forever
    }
}

double StdRandomSource::uniform() {
    // 53 random bits give every double in [0, 1) on a grid of 2^-53, never 1.0 itself.
    return generator_.uniform();
}

void DealRandom::startRound(std::uint64_t dealNumber, std::int32_t roundIndex) {
    std::uint64_t seed = (dealNumber << 32) + static_cast<std::uint32_t>(roundIndex);
    for (std::uint64_t& word : generator_.state) {
        word = splitMix64(seed);
    }
}

std::uint64_t dealOfTheDay(int year, int month, int day) {
    std::uint64_t seed = static_cast<std::uint64_t>(year) * 10000 +
                         static_cast<std::uint64_t>(month) * 100 + static_cast<std::uint64_t>(day);
    return 1 + splitMix64(seed) % 4294967295u;
}

} // namespace corvelle
