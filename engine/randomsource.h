#pragma once

#include <array>
#include <cstdint>
#include <random>

namespace corvelle {

// The engine's source of uniform random numbers, handed in from outside so that tests can
// script every shuffle.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform number x with 0 <= x < 1.
    virtual double uniform() = 0;
};

// The production source: xoshiro256**, a small, fast generator of high statistical quality
// with a period of 2^256 - 1, seeded once per run by the caller (the application mixes
// std::random_device with the clocks). It is never reseeded, so no two deals of a run share a
// random sequence.
class StdRandomSource final : public RandomSource {
public:
    explicit StdRandomSource(std::seed_seq& seed);
    double uniform() override;

private:
    std::uint64_t next();

    std::array<std::uint64_t, 4> state_{};
};

} // namespace corvelle
