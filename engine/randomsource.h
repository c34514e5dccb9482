// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
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
    // The game is about to shuffle round `roundIndex` (1 for the first) of deal `dealNumber`.
    // A source whose numbers follow from the deal starts that round's sequence here; any other
    // source (a test's scripted decks, a free-running generator) simply goes on.
    virtual void startRound(std::uint64_t /*dealNumber*/, std::int32_t /*roundIndex*/) {}
};

// xoshiro256**, a small, fast generator of high statistical quality with a period of
// 2^256 - 1: its state and its step, shared by the two generators below.
class Xoshiro256 {
public:
    std::array<std::uint64_t, 4> state{};

    std::uint64_t next();
    // The top 53 bits of the next output as a double on a grid of 2^-53 in [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
};

// The run's own generator: xoshiro256**, seeded once per run by the caller (the application
// mixes std::random_device with the clocks). It is never reseeded, so no two deals of a run
// share a random sequence.
class StdRandomSource final : public RandomSource {
public:
    explicit StdRandomSource(std::seed_seq& seed);
    double uniform() override;

private:
    Xoshiro256 generator_;
};

// The decks of numbered deals: every round of a deal is shuffled from numbers that follow from
// the deal number and the round alone, so a deal number gives the same decks on every machine
// and in every later version. This is the generator, and it must never change:
//
//   seed  = dealNumber * 2^32 + roundIndex           (roundIndex 1 for the first round)
//   SplitMix64 from `seed`, whose first four outputs are the xoshiro256** state s[0..3]:
//       seed += 0x9E3779B97F4A7C15; z = seed;
//       z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
//       z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
//       output z ^ (z >> 31)
//   xoshiro256** step: out = rotl(s[1] * 5, 7) * 9; t = s[1] << 17; s[2] ^= s[0];
//       s[3] ^= s[1]; s[1] ^= s[2]; s[0] ^= s[3]; s[2] ^= t; s[3] = rotl(s[3], 45)
//   uniform number: (out >> 11) * 2^-53
//
// The shuffle takes these numbers in turn (Game::shuffleDeck): each pass of the "Shuffling"
// option fills positions 1 to 54, each with floor(54 x) + 1, drawn again while that card is
// already placed; every pass draws on from the same round's generator and the last one counts.
// Before the first startRound the source gives the numbers of deal 0, round 0.
class DealRandom final : public RandomSource {
public:
    DealRandom() { startRound(0, 0); }
    double uniform() override { return generator_.uniform(); }
    void startRound(std::uint64_t dealNumber, std::int32_t roundIndex) override;

private:
    Xoshiro256 generator_;
};

// The deal of the day: one deal number for every player on the same calendar date. For the date
// written as the number YYYYMMDD (8 December 2026 is 20261208), it is 1 + (the first SplitMix64
// output from the seed YYYYMMDD, as above) mod 4294967295: always a deal from 1 to MaxDealNumber.
// It must never change.
std::uint64_t dealOfTheDay(int year, int month, int day);

} // namespace corvelle
