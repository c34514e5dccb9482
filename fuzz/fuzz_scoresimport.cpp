// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any text as scores.dat: the parser never crashes or hangs, and what it takes over always
// saves to an hscores.dat that reads back to the same table.
#include "fuzz/fuzzcheck.h"
#include "scores/hscorecodec.h"
#include "scores/scoresimport.h"

#include <cmath>

using namespace corvelle;

namespace {

bool fitsOnDisk(const TableValue& value) {
    return value.kind != TableValue::Kind::Text ||
           encodeWindows1252(value.text).size() <= MaxNameBytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ImportedScores imported = parseScoresDat(text);
    check(imported.fieldsRead >= 0 && imported.fieldsRead <= HighScoreFileRecords);

    bool fits = true;
    for (int i = 0; i < 5; ++i) {
        for (const TableValue* v : {&imported.values[i], &imported.names[i]}) {
            check(v->kind != TableValue::Kind::Float64 || std::isfinite(v->real));
            fits = fits && fitsOnDisk(*v);
        }
    }
    const HighScoreFile file =
        readHighScoreFile(writeHighScoreFile(imported.values, imported.names));
    check(!file.anyDamaged());
    if (fits) {
        check(file.values == imported.values && file.names == imported.names);
    }
    return 0;
}
