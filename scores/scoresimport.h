// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/tablevalue.h"

#include <array>
#include <string_view>

namespace corvelle {

// The Hall of Fame as taken from an old scores.dat: the comma-separated text of classic
// sequential file output, five scores then five names. A field in double quotes is text (it
// may hold commas and line ends, and "" stands for one quote); any other field is trimmed of
// blanks and is a number when it reads as one (a whole number as a 16-bit or 32-bit integer,
// anything else as a 64-bit float), otherwise text; a field with nothing in it is empty.
// Fields are separated by commas or line ends; a line end straight after a comma and blank
// lines separate nothing more. Text is Windows-1252. Fields missing at the end stay empty;
// anything after the tenth field is ignored.
struct ImportedScores {
    std::array<TableValue, 5> values{};
    std::array<TableValue, 5> names{};
    int fieldsRead = 0;
};

ImportedScores parseScoresDat(std::string_view text);

} // namespace corvelle
