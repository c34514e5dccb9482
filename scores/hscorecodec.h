// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/tablevalue.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvelle {

inline constexpr int HighScoreFileRecords = 10;
// The length field of a text record is 16 bits, so no name on disk is longer.
inline constexpr std::size_t MaxNameBytes = 65535;

// The Hall of Fame as read from hscores.dat: five scores, five names and, for each of the ten
// records, whether it was damaged (a short file, an unknown tag, a length beyond the end, a
// float that is not finite). A damaged record is returned as a free place: score 0 or the empty
// name. Once a record's length cannot be trusted, every later record counts as damaged too.
struct HighScoreFile {
    std::array<TableValue, 5> values{};
    std::array<TableValue, 5> names{};
    std::array<bool, HighScoreFileRecords> damaged{};

    bool anyDamaged() const;
};

// Reads the ten tagged records from the start of `bytes`; bytes after the tenth are ignored.
// Never fails: whatever the bytes, the result is a usable table.
HighScoreFile readHighScoreFile(std::span<const std::uint8_t> bytes);

// The ten tagged records of the table, scores first. Every value is written with the tag of
// its kind (a 16-bit score with tag 2, a 32-bit one with tag 3, text with tag 8 in
// Windows-1252, cut at MaxNameBytes bytes).
std::vector<std::uint8_t> writeHighScoreFile(const std::array<TableValue, 5>& values,
                                             const std::array<TableValue, 5>& names);

// Windows-1252 bytes to UTF-8. The five bytes the code page leaves unassigned (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the control characters of the same number (U+0081 etc.), so they
// are written back unchanged.
std::string decodeWindows1252(std::string_view bytes);

// UTF-8 to Windows-1252 bytes: every character the code page lacks, and every byte that is not
// part of valid UTF-8, is written as "?".
std::string encodeWindows1252(std::string_view utf8);

} // namespace corvelle
