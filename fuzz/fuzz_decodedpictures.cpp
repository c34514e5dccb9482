// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as cardpictures.cache, as they come and with their last eight bytes made the checksum
// of the rest (so the fuzzer reaches past the checksum): the reader never crashes or reads out of
// bounds, and what it accepts is written back byte for byte.
#include "fuzz/fuzzcheck.h"
#include "pictures/decodedpictures.h"

using namespace corvelle;

namespace {

void readAndWriteBack(const QByteArray& bytes) {
    if (const std::optional<DecodedPictures> read = readDecodedPictures(bytes)) {
        check(read->stamps.size() == read->images.size());
        check(writeDecodedPictures(*read) == bytes);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    readAndWriteBack(bytes);
    if (bytes.size() >= 8) {
        QByteArray sealed = bytes.first(bytes.size() - 8);
        const quint64 sum = decodedPicturesChecksum(sealed);
        sealed.append(reinterpret_cast<const char*>(&sum), sizeof sum);
        readAndWriteBack(sealed);
    }
    return 0;
}
