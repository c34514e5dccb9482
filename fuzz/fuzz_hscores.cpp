// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as hscores.dat: the reader never crashes or reads out of bounds, a file read
// without damage is written back byte for byte, and what it returns always saves cleanly.
#include "fuzz/fuzzcheck.h"
#include "scores/hscorecodec.h"

using namespace corvelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const HighScoreFile file = readHighScoreFile(bytes);

    const std::vector<std::uint8_t> written = writeHighScoreFile(file.values, file.names);
    if (!file.anyDamaged()) {
        check(written.size() <= size);
        check(std::equal(written.begin(), written.end(), bytes.begin()));
    }
    const HighScoreFile again = readHighScoreFile(written);
    check(!again.anyDamaged());
    check(again.values == file.values && again.names == file.names);

    // Every byte string survives the code page both ways.
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    check(encodeWindows1252(decodeWindows1252(raw)) == raw);
    check(encodeWindows1252(raw).size() <= size);
    return 0;
}
