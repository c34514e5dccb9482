#include "randomsource.h"

namespace corvelle {

namespace {

constexpr std::uint64_t rotateLeft(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

} // namespace

StdRandomSource::StdRandomSource(std::seed_seq& seed) {
    std::array<std::uint32_t, 8> words{};
    seed.generate(words.begin(), words.end());
    for (std::size_t i = 0; i < state_.size(); ++i) {
        state_[i] = (std::uint64_t{words[2 * i]} << 32) | words[2 * i + 1];
    }
    if (state_ == std::array<std::uint64_t, 4>{}) {
        state_[0] = 0x9E3779B97F4A7C15u; // the all-zero state would repeat forever
    }
}

std::uint64_t StdRandomSource::next() {
    const std::uint64_t result = rotateLeft(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = rotateLeft(state_[3], 45);
    return result;
}

double StdRandomSource::uniform() {
    // 53 random bits give every double in [0, 1) on a grid of 2^-53, never 1.0 itself.
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

} // namespace corvelle
