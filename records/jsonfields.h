// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>
#include <cstdint>
#include <optional>

namespace corvelle {

// The one JSON object that a record file holds; nothing for bytes that are not exactly that.
inline std::optional<QJsonObject> jsonObjectIn(const QByteArray& bytes) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    return document.object();
}

// Reads the fields of one JSON object of the player's record files, each checked for its kind
// and range; the first field that is missing or wrong marks the whole read as failed, and every
// read after that gives a harmless value. Whole numbers are read exactly up to 2^53, the range
// in which a JSON number is exact.
class JsonFields {
public:
    explicit JsonFields(const QJsonObject& object) : object_(object) {}

    bool ok() const { return ok_; }
    bool fail() { return ok_ = false; }

    std::int64_t integer(const char* key, double lowest, double highest) {
        return whole(value(key), lowest, highest).value_or(static_cast<std::int64_t>(lowest));
    }
    int int32(const char* key) { return static_cast<int>(integer(key, INT32_MIN, INT32_MAX)); }
    // A whole number, or null for one not known.
    std::optional<std::int32_t> optionalInt32(const char* key) {
        const QJsonValue v = value(key);
        if (v.isNull()) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(whole(v, INT32_MIN, INT32_MAX).value_or(0));
    }
    bool flag(const char* key) {
        const QJsonValue v = value(key);
        if (!v.isBool()) {
            fail();
        }
        return v.toBool();
    }
    double number(const char* key) {
        const QJsonValue v = value(key);
        const double d = v.toDouble();
        if (!v.isDouble() || !std::isfinite(d)) {
            fail();
            return 0.0;
        }
        return d;
    }
    QJsonArray array(const char* key, qsizetype lowest, qsizetype highest) {
        const QJsonValue v = value(key);
        QJsonArray a = v.toArray();
        if (!v.isArray() || a.size() < lowest || a.size() > highest) {
            fail();
            return {};
        }
        return a;
    }
    QJsonObject object(const char* key) {
        const QJsonValue v = value(key);
        if (!v.isObject()) {
            fail();
        }
        return v.toObject();
    }
    // Fills `out` from an array of exactly out.size() whole numbers.
    template <typename Array> void integers(const QJsonArray& in, Array& out) {
        if (in.size() != static_cast<qsizetype>(out.size())) {
            fail();
            return;
        }
        for (std::size_t i = 0; i < out.size(); ++i) {
            out[i] = static_cast<typename Array::value_type>(
                whole(in[static_cast<qsizetype>(i)], INT32_MIN, INT32_MAX).value_or(0));
        }
    }

    std::optional<std::int64_t> whole(const QJsonValue& v, double lowest, double highest) {
        const double d = v.toDouble();
        if (!v.isDouble() || !(d >= lowest && d <= highest) || d != std::floor(d)) {
            fail();
            return std::nullopt;
        }
        return static_cast<std::int64_t>(d);
    }

private:
    QJsonValue value(const char* key) const { return object_.value(QLatin1String(key)); }

    QJsonObject object_;
    bool ok_ = true;
};

// The largest whole number a JSON file keeps exactly.
inline constexpr double MaxExactJson = 9007199254740992.0;

} // namespace corvelle
