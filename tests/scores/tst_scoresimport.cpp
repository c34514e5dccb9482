// The old scores.dat text: quoted and unquoted fields, numbers and text, short files.
#include "printvalues.h"
#include "scoresimport.h"

#include <QtTest>

using namespace corvelle;

namespace {

using Row = std::array<TableValue, 10>;

TableValue i16(int v) {
    return TableValue::int16(static_cast<std::int16_t>(v));
}
TableValue text(const char* v) {
    return TableValue::fromText(v);
}

Row row(std::initializer_list<TableValue> first) {
    Row r{};
    std::copy(first.begin(), first.end(), r.begin());
    return r;
}

} // namespace

Q_DECLARE_METATYPE(Row)

class TestScoresImport : public QObject {
    Q_OBJECT

private slots:
    void parsesFields_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("fields");
        QTest::addColumn<Row>("expected");

        QTest::newRow("one line as written")
            << QByteArray("900,450,120,0,0,\"Ann\",\"Bob, Jr.\",\"Cy\",\"\",\"\"\r\n") << 10
            << row({i16(900), i16(450), i16(120), i16(0), i16(0), text("Ann"), text("Bob, Jr."),
                    text("Cy"), text(""), text("")});
        QTest::newRow("one field per line")
            << QByteArray("900\n450\n120\n0\n0\n\"Ann\"\n\"Bob\"\n\"Cy\"\n\"\"\n\"\"\n") << 10
            << row({i16(900), i16(450), i16(120), i16(0), i16(0), text("Ann"), text("Bob"),
                    text("Cy"), text(""), text("")});
        QTest::newRow("line end after a comma, blank lines, blanks")
            << QByteArray("  900 ,\r\n 450\r\n\r\n120,0,0,\n\"Ann\" , Bob Smith ,\"Cy\",\"\",\"\"")
            << 10
            << row({i16(900), i16(450), i16(120), i16(0), i16(0), text("Ann"), text("Bob Smith"),
                    text("Cy"), text(""), text("")});
        QTest::newRow("doubled quotes and line ends inside quotes")
            << QByteArray("1,2,3,4,5,\"say \"\"hi\"\"\",\"two\nlines\",\"a,b,c\",\"\"\"\",x") << 10
            << row({i16(1), i16(2), i16(3), i16(4), i16(5), text("say \"hi\""), text("two\nlines"),
                    text("a,b,c"), text("\""), text("x")});
        QTest::newRow("number widths")
            << QByteArray("40000,-32768,+12,1.5,1e3,\"7\",007,2147483648,-5x,\"\"") << 10
            << row({TableValue::int32(40000), i16(-32768), i16(12), TableValue::float64(1.5),
                    TableValue::float64(1000), text("7"), i16(7), TableValue::float64(2147483648.0),
                    text("-5x"), text("")});
        QTest::newRow("no numbers from signs alone")
            << QByteArray("+-5,-,+,nan,inf") << 5
            << row({text("+-5"), text("-"), text("+"), text("nan"), text("inf")});
        QTest::newRow("empty fields stay empty")
            << QByteArray("120,,50,,,\"a\",,\"c\"") << 8
            << row({i16(120), {}, i16(50), {}, {}, text("a"), {}, text("c")});
        QTest::newRow("too few fields")
            << QByteArray("300,200\r\n") << 2 << row({i16(300), i16(200)});
        QTest::newRow("empty file") << QByteArray() << 0 << row({});
        QTest::newRow("only line ends") << QByteArray("\r\n\n\r\n") << 0 << row({});
        QTest::newRow("more than ten fields")
            << QByteArray("1,2,3,4,5,a,b,c,d,e,f,g") << 10
            << row({i16(1), i16(2), i16(3), i16(4), i16(5), text("a"), text("b"), text("c"),
                    text("d"), text("e")});
        QTest::newRow("unterminated quote takes the rest")
            << QByteArray("10,\"Ann, and more\n") << 2 << row({i16(10), text("Ann, and more\n")});
        QTest::newRow("text after a closing quote is dropped")
            << QByteArray("\"a\"junk,2") << 2 << row({text("a"), i16(2)});
        QTest::newRow("Windows-1252 names and a byte order mark")
            << QByteArray("\xEF\xBB\xBF"
                          "5,4,3,2,1,\"Ren\xE9\",\x80,\"\",\"\",\"\"")
            << 10
            << row({i16(5), i16(4), i16(3), i16(2), i16(1), text("Ren\xC3\xA9"),
                    text("\xE2\x82\xAC"), text(""), text(""), text("")});
    }

    void parsesFields() {
        QFETCH(QByteArray, file);
        QFETCH(int, fields);
        QFETCH(Row, expected);
        const ImportedScores imported =
            parseScoresDat(std::string_view(file.constData(), std::size_t(file.size())));
        QCOMPARE(imported.fieldsRead, fields);
        for (int i = 0; i < 10; ++i) {
            const TableValue& got = i < 5 ? imported.values[i] : imported.names[i - 5];
            QCOMPARE(got, expected[i]);
        }
    }
};

QTEST_GUILESS_MAIN(TestScoresImport)
#include "tst_scoresimport.moc"
