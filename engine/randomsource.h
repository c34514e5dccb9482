#pragma once

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

// The production source: one 64-bit Mersenne Twister, seeded once per run by the caller (the
// application mixes std::random_device with the clock). It is never reseeded, so no two deals
// of a run share a random sequence.
class StdRandomSource final : public RandomSource {
public:
    explicit StdRandomSource(std::seed_seq& seed) : generator_(seed) {}
    double uniform() override;

private:
    std::mt19937_64 generator_;
};

} // namespace corvelle
