// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/hscorecodec.h"

#include <bit>
#include <cmath>
#include <optional>

namespace corvelle {

namespace {

enum Tag : std::uint16_t {
    TagEmpty = 0,
    TagInt16 = 2,
    TagInt32 = 3,
    TagFloat32 = 4,
    TagFloat64 = 5,
    TagText = 8,
};

// Characters of bytes 0x80..0x9F; 0 marks the five bytes the code page leaves unassigned.
constexpr std::array<char32_t, 32> HighControlRange = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::optional<std::uint8_t> windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<std::uint8_t>(c);
    }
    if (c >= 0x80 && c <= 0x9F) {
        // Only the unassigned bytes stand for themselves; the others mean printable characters.
        if (HighControlRange[c - 0x80] == 0) {
            return static_cast<std::uint8_t>(c);
        }
        return std::nullopt;
    }
    for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] == c) {
            return static_cast<std::uint8_t>(0x80 + i);
        }
    }
    return std::nullopt;
}

// One character of UTF-8 at `pos`: its code point and length, or nothing for a byte that does
// not start a valid sequence (overlong forms, surrogates and values past U+10FFFF included).
std::optional<std::pair<char32_t, std::size_t>> nextUtf8(std::string_view s, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
    const std::uint8_t lead = byte(pos);
    if (lead < 0x80) {
        return std::pair{char32_t{lead}, std::size_t{1}};
    }
    std::size_t length = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        c = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        c = lead & 0x07;
        minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (pos + length > s.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const std::uint8_t b = byte(pos + i);
        if ((b & 0xC0) != 0x80) {
            return std::nullopt;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return std::nullopt;
    }
    return std::pair{c, length};
}

// Reads the records one after the other; every read is checked against the end of the bytes.
class RecordReader {
public:
    explicit RecordReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool lost() const { return lost_; }

    // The next record, or nothing when it is damaged. After a damaged tag or length the
    // position of the following records is unknown, and they are all lost.
    std::optional<TableValue> next() {
        if (lost_) {
            return std::nullopt;
        }
        std::uint32_t tag = 0;
        if (!take(2, tag)) {
            return lose();
        }
        std::uint32_t raw = 0;
        switch (tag) {
        case TagEmpty:
            return TableValue{};
        case TagInt16:
            if (!take(2, raw)) {
                return lose();
            }
            return TableValue::int16(static_cast<std::int16_t>(static_cast<std::uint16_t>(raw)));
        case TagInt32:
            if (!take(4, raw)) {
                return lose();
            }
            return TableValue::int32(static_cast<std::int32_t>(raw));
        case TagFloat32: {
            if (!take(4, raw)) {
                return lose();
            }
            const float f = std::bit_cast<float>(raw);
            if (!std::isfinite(f)) {
                return std::nullopt; // the record's size is sound, so the next ones can be read
            }
            return TableValue::float32(f);
        }
        case TagFloat64: {
            std::uint32_t low = 0;
            std::uint32_t high = 0;
            if (!take(4, low) || !take(4, high)) {
                return lose();
            }
            const double d = std::bit_cast<double>((std::uint64_t{high} << 32) | low);
            if (!std::isfinite(d)) {
                return std::nullopt;
            }
            return TableValue::float64(d);
        }
        case TagText: {
            std::uint32_t length = 0;
            if (!take(2, length) || length > bytes_.size() - pos_) {
                return lose();
            }
            const auto* first = reinterpret_cast<const char*>(bytes_.data() + pos_);
            pos_ += length;
            return TableValue::fromText(decodeWindows1252(std::string_view(first, length)));
        }
        default:
            return lose();
        }
    }

private:
    bool take(std::size_t count, std::uint32_t& value) {
        if (count > bytes_.size() - pos_) {
            return false;
        }
        value = 0;
        for (std::size_t i = 0; i < count; ++i) {
            value |= std::uint32_t{bytes_[pos_ + i]} << (8 * i);
        }
        pos_ += count;
        return true;
    }

    std::optional<TableValue> lose() {
        lost_ = true;
        return std::nullopt;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
    bool lost_ = false;
};

void put(std::vector<std::uint8_t>& out, std::uint64_t value, int count) {
    for (int i = 0; i < count; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void writeRecord(std::vector<std::uint8_t>& out, const TableValue& value) {
    switch (value.kind) {
    case TableValue::Kind::Empty:
        put(out, TagEmpty, 2);
        return;
    case TableValue::Kind::Int16:
        if (value.integer >= INT16_MIN && value.integer <= INT16_MAX) {
            put(out, TagInt16, 2);
            put(out, static_cast<std::uint16_t>(value.integer), 2);
            return;
        }
        [[fallthrough]];
    case TableValue::Kind::Int32:
        put(out, TagInt32, 2);
        put(out, static_cast<std::uint32_t>(value.integer), 4);
        return;
    case TableValue::Kind::Float32:
        put(out, TagFloat32, 2);
        put(out, std::bit_cast<std::uint32_t>(static_cast<float>(value.real)), 4);
        return;
    case TableValue::Kind::Float64:
        put(out, TagFloat64, 2);
        put(out, std::bit_cast<std::uint64_t>(value.real), 8);
        return;
    case TableValue::Kind::Text: {
        std::string bytes = encodeWindows1252(value.text);
        if (bytes.size() > MaxNameBytes) {
            bytes.resize(MaxNameBytes);
        }
        put(out, TagText, 2);
        put(out, bytes.size(), 2);
        out.insert(out.end(), bytes.begin(), bytes.end());
        return;
    }
    }
}

} // namespace

bool HighScoreFile::anyDamaged() const {
    for (bool d : damaged) {
        if (d) {
            return true;
        }
    }
    return false;
}

HighScoreFile readHighScoreFile(std::span<const std::uint8_t> bytes) {
    HighScoreFile file;
    RecordReader reader(bytes);
    for (int record = 0; record < HighScoreFileRecords; ++record) {
        const bool isScore = record < 5;
        TableValue& slot = isScore ? file.values[record] : file.names[record - 5];
        if (auto value = reader.next()) {
            slot = std::move(*value);
        } else {
            slot = isScore ? TableValue::int16(0) : TableValue::fromText({});
            file.damaged[record] = true;
        }
    }
    return file;
}

std::vector<std::uint8_t> writeHighScoreFile(const std::array<TableValue, 5>& values,
                                             const std::array<TableValue, 5>& names) {
    std::vector<std::uint8_t> out;
    for (const TableValue& value : values) {
        writeRecord(out, value);
    }
    for (const TableValue& name : names) {
        writeRecord(out, name);
    }
    return out;
}

std::string decodeWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<std::uint8_t>(ch);
        if (b >= 0x80 && b <= 0x9F && HighControlRange[b - 0x80] != 0) {
            appendUtf8(out, HighControlRange[b - 0x80]);
        } else {
            appendUtf8(out, b);
        }
    }
    return out;
}

std::string encodeWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto decoded = nextUtf8(utf8, pos);
        if (!decoded) {
            out.push_back('?');
            ++pos;
            continue;
        }
        const auto byte = windows1252Byte(decoded->first);
        out.push_back(byte ? static_cast<char>(*byte) : '?');
        pos += decoded->second;
    }
    return out;
}

} // namespace corvelle
