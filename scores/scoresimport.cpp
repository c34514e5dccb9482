// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/scoresimport.h"

#include "scores/hscorecodec.h"

#include <charconv>
#include <string>

namespace corvelle {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

TableValue numberOrText(std::string_view field) {
    if (field.empty()) {
        return TableValue{};
    }
    std::string_view digits = field;
    if (digits.front() == '+') {
        digits.remove_prefix(1);
    }
    const bool signOk = !digits.empty() && (digits.front() == '-' ? field.front() != '+' : true);
    std::int64_t whole = 0;
    const auto r = std::from_chars(digits.data(), digits.data() + digits.size(), whole);
    if (signOk && r.ec == std::errc() && r.ptr == digits.data() + digits.size()) {
        if (whole >= INT16_MIN && whole <= INT16_MAX) {
            return TableValue::int16(static_cast<std::int16_t>(whole));
        }
        if (whole >= INT32_MIN && whole <= INT32_MAX) {
            return TableValue::int32(static_cast<std::int32_t>(whole));
        }
    }
    double real = 0.0;
    if (textAsNumber(std::string(field), real)) {
        return TableValue::float64(real);
    }
    return TableValue::fromText(decodeWindows1252(field));
}

class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {
        if (text_.substr(0, 3) == "\xEF\xBB\xBF") {
            pos_ = 3;
        }
    }

    // Moves to the start of the next field; false at the end of the text.
    bool atField() {
        skipBlanksAndLineEnds();
        return pos_ < text_.size();
    }

    TableValue field() {
        skipBlanks();
        TableValue value;
        if (pos_ < text_.size() && text_[pos_] == '"') {
            value = TableValue::fromText(decodeWindows1252(quoted()));
            while (pos_ < text_.size() && text_[pos_] != ',' && !isLineEnd(text_[pos_])) {
                ++pos_; // stray characters after the closing quote belong to no field
            }
        } else {
            const std::size_t begin = pos_;
            while (pos_ < text_.size() && text_[pos_] != ',' && !isLineEnd(text_[pos_])) {
                ++pos_;
            }
            std::size_t end = pos_;
            while (end > begin && isBlank(text_[end - 1])) {
                --end;
            }
            value = numberOrText(text_.substr(begin, end - begin));
        }
        if (pos_ < text_.size() && text_[pos_] == ',') {
            ++pos_;
            skipBlanks();
            skipOneLineEnd();
        }
        return value;
    }

private:
    std::string quoted() {
        std::string out;
        ++pos_;
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c != '"') {
                out.push_back(c);
            } else if (pos_ < text_.size() && text_[pos_] == '"') {
                out.push_back('"');
                ++pos_;
            } else {
                break;
            }
        }
        return out;
    }

    void skipBlanks() {
        while (pos_ < text_.size() && isBlank(text_[pos_])) {
            ++pos_;
        }
    }

    void skipOneLineEnd() {
        if (pos_ < text_.size() && text_[pos_] == '\r') {
            ++pos_;
        }
        if (pos_ < text_.size() && text_[pos_] == '\n') {
            ++pos_;
        }
    }

    void skipBlanksAndLineEnds() {
        while (pos_ < text_.size() && (isBlank(text_[pos_]) || isLineEnd(text_[pos_]))) {
            ++pos_;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

ImportedScores parseScoresDat(std::string_view text) {
    ImportedScores result;
    FieldReader reader(text);
    for (int index = 0; index < HighScoreFileRecords; ++index) {
        if (!reader.atField()) {
            break;
        }
        TableValue value = reader.field();
        if (index < 5) {
            result.values[index] = std::move(value);
        } else {
            result.names[index - 5] = std::move(value);
        }
        result.fieldsRead = index + 1;
    }
    return result;
}

} // namespace corvelle
