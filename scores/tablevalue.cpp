// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/tablevalue.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace corvelle {

TableValue TableValue::int16(std::int16_t v) {
    return {Kind::Int16, v, 0.0, {}};
}

TableValue TableValue::int32(std::int32_t v) {
    return {Kind::Int32, v, 0.0, {}};
}

TableValue TableValue::float32(float v) {
    return {Kind::Float32, 0, static_cast<double>(v), {}};
}

TableValue TableValue::float64(double v) {
    return {Kind::Float64, 0, v, {}};
}

TableValue TableValue::fromText(std::string v) {
    return {Kind::Text, 0, 0.0, std::move(v)};
}

TableValue TableValue::score(std::int32_t v, std::int32_t peakScore) {
    if (peakScore <= INT16_MAX && v >= INT16_MIN && v <= INT16_MAX) {
        return int16(static_cast<std::int16_t>(v));
    }
    return int32(v);
}

std::string toText(const TableValue& value) {
    char buffer[64];
    switch (value.kind) {
    case TableValue::Kind::Empty:
        return {};
    case TableValue::Kind::Int16:
    case TableValue::Kind::Int32:
        return std::to_string(value.integer);
    case TableValue::Kind::Float32: {
        auto r = std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(value.real));
        return std::string(buffer, r.ptr);
    }
    case TableValue::Kind::Float64: {
        auto r = std::to_chars(buffer, buffer + sizeof buffer, value.real);
        return std::string(buffer, r.ptr);
    }
    case TableValue::Kind::Text:
        return value.text;
    }
    return {};
}

bool textAsNumber(const std::string& text, double& number) {
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    if (begin < end && text[begin] == '+') {
        ++begin;
        if (begin < end && text[begin] == '-') {
            return false; // "+-5" is no number
        }
    }
    if (begin == end) {
        return false;
    }
    const char* first = text.data() + begin;
    const char* last = text.data() + end;
    double parsed = 0.0;
    auto r = std::from_chars(first, last, parsed, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != last || !std::isfinite(parsed)) {
        return false;
    }
    number = parsed;
    return true;
}

double comparedValue(const TableValue& value) {
    switch (value.kind) {
    case TableValue::Kind::Empty:
        return 0.0;
    case TableValue::Kind::Int16:
    case TableValue::Kind::Int32:
        return value.integer;
    case TableValue::Kind::Float32:
    case TableValue::Kind::Float64:
        return value.real;
    case TableValue::Kind::Text:
        break;
    }
    double number = 0.0;
    return textAsNumber(value.text, number) ? number : std::numeric_limits<double>::infinity();
}

} // namespace corvelle
