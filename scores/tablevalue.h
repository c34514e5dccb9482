// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace corvelle {

// One entry of the Hall of Fame table (a score or a name). The file keeps a type with every
// value, and the table keeps it too, so a value read from an old file is written back as it was.
//
// How a game's score compares with an entry is decided in one place, comparedValue().
struct TableValue {
    enum class Kind { Empty, Int16, Int32, Float32, Float64, Text };

    Kind kind = Kind::Empty;
    std::int32_t integer = 0; // Int16 and Int32
    double real = 0.0;        // Float32 and Float64 (always finite)
    std::string text;         // Text, as UTF-8

    static TableValue int16(std::int16_t v);
    static TableValue int32(std::int32_t v);
    static TableValue float32(float v);
    static TableValue float64(double v);
    static TableValue fromText(std::string v);
    // A game's final score: 16 bits wide unless the game's score has ever passed 32767.
    static TableValue score(std::int32_t v, std::int32_t peakScore);

    bool operator==(const TableValue&) const = default;
};

// The value as a label shows it: integers in plain decimal, floats in their shortest form,
// text as it is, empty as the empty text.
std::string toText(const TableValue& value);

// The number a game's score is compared with: empty counts as 0, the integers and floats as
// their value, text that reads as a number (blanks around it allowed, e.g. " 120", "1.5e3") as
// that number; any other text is infinitely high, so no score ever beats it. A score beats an
// entry when it is strictly greater; an entry that compares as 0 is a free place.
double comparedValue(const TableValue& value);

// The numeric value of text that reads as a number; false for any other text.
bool textAsNumber(const std::string& text, double& number);

} // namespace corvelle
