#pragma once

#include <cstdint>
#include <string>

namespace corvelle {

// One entry of the Hall of Fame table (a score or a name). The file keeps a type with every
// value, and the table keeps it too, so a value read from an old file is written back as it was.
//
// How a game's score compares with an entry (the one place this is decided):
//   - Empty counts as 0.
//   - Int16, Int32, Float32 and Float64 compare by their numeric value.
//   - Text that reads as a number (blanks around it allowed, e.g. " 120", "1.5e3") compares
//     as that number; any other text is never below a score, so a score never beats it.
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
    // A game's score with the width the engine tracked for it.
    static TableValue score(std::int32_t v, bool wide);

    bool operator==(const TableValue&) const = default;
};

// The value as a label shows it: integers in plain decimal, floats in their shortest form,
// text as it is, empty as the empty text.
std::string toText(const TableValue& value);

// True when `score` is strictly greater than `value`, by the rules above.
bool scoreBeats(std::int32_t score, const TableValue& value);

// True when the entry stands for the score 0 by the same rules (empty, a number 0, or text
// that reads as 0); the Hall of Fame shows no name beside such an entry.
bool valueIsZero(const TableValue& value);

// The numeric value of text that reads as a number; false for any other text.
bool textAsNumber(const std::string& text, double& number);

} // namespace corvelle
