// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as statistics.json: the reader never crashes or reads out of bounds, and what it
// accepts is written back as a file that reads as the same statistics, whose means are numbers.
#include "fuzz/fuzzcheck.h"
#include "records/statisticsfile.h"

#include <cmath>

using namespace corvelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<StatisticsData> read = readStatisticsFile(bytes);
    if (!read) {
        return 0;
    }
    const std::optional<StatisticsData> again = readStatisticsFile(writeStatisticsFile(*read));
    check(again && *again == *read);
    for (const std::optional<double> mean :
         {read->meanScore(), read->meanShare(), read->clearedShare()}) {
        check(!mean || std::isfinite(*mean));
    }
    return 0;
}
