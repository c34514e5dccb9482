#pragma once

#include "tablevalue.h"

#include <QtTest>

namespace corvelle {

// Readable failures: QCOMPARE prints table values with their kind.
inline char* toString(const TableValue& value) {
    static const char* const kinds[] = {"empty", "int16", "int32", "float32", "float64", "text"};
    const QByteArray text =
        QByteArray(kinds[int(value.kind)]) + "(" + QByteArray::fromStdString(toText(value)) + ")";
    return qstrdup(text.constData());
}

} // namespace corvelle
