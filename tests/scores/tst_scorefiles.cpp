// The Hall of Fame's values and files: how a score compares with an entry, the old scores.dat
// text, and the hscores.dat codec with byte-exact files, every tag, the code page and damaged
// files.
#include "hscorecodec.h"
#include "scoresimport.h"
#include "tablevalue.h"

#include <QtTest>

using namespace corvelle;
using V = TableValue;

namespace {

using Table = std::array<TableValue, 5>;

// A value as its kind's letter and its text: "-" empty, s int16, l int32, f float32, d float64,
// t text; a list of them joined by "|".
QString show(const TableValue& value) {
    return QChar("-slfdt"[int(value.kind)]) + QString::fromStdString(toText(value));
}
template <typename Values> QString show(const Values& values) {
    QStringList out;
    for (const TableValue& value : values) {
        out << show(value);
    }
    return out.join(QLatin1Char('|'));
}

Table table(const V& free, std::initializer_list<V> first) {
    Table t;
    t.fill(free);
    std::copy(first.begin(), first.end(), t.begin());
    return t;
}
Table scores(std::initializer_list<V> first = {}) {
    return table(V::int16(0), first);
}
Table names(std::initializer_list<V> first = {}) {
    return table(V::fromText({}), first);
}

// Hex text (blanks ignored) as bytes, and back.
std::vector<std::uint8_t> bytes(const QByteArray& hex) {
    const QByteArray b = QByteArray::fromHex(hex);
    return {b.begin(), b.end()};
}
QByteArray hex(const std::vector<std::uint8_t>& b) {
    return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size())).toHex();
}

} // namespace

Q_DECLARE_METATYPE(TableValue)
Q_DECLARE_METATYPE(Table)

class TestScoreFiles : public QObject {
    Q_OBJECT

private slots:
    void scoreAgainstEntry_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<TableValue>("entry");
        QTest::addColumn<bool>("beats");
        QTest::addColumn<bool>("zero");
        const auto row = [](const char* name, int score, const V& entry, bool beats, bool zero) {
            QTest::newRow(name) << score << entry << beats << zero;
        };
        row("empty is 0", 1, V{}, true, true);
        row("0 does not beat empty", 0, V{}, false, true);
        row("free place", 0, V::int16(0), false, true);
        row("equal int16", 120, V::int16(120), false, false);
        row("above int16", 121, V::int16(120), true, false);
        row("below int32", 40000, V::int32(40001), false, false);
        row("above negative", 0, V::int16(-3), true, false);
        row("float fraction", 2, V::float32(1.5f), true, false);
        row("double above", 2, V::float64(2.5), false, false);
        row("zero double", 0, V::float64(0.0), false, true);
        row("numeric text", 100, V::fromText(" 99 "), true, false);
        row("zero text", 0, V::fromText("0"), false, true);
        row("plain name never below", 1000000, V::fromText("Ann"), false, false);
        row("empty text is no number", 5, V::fromText(""), false, false);
    }

    void scoreAgainstEntry() {
        QFETCH(int, score);
        QFETCH(TableValue, entry);
        QFETCH(bool, beats);
        QFETCH(bool, zero);
        QCOMPARE(score > comparedValue(entry), beats);
        QCOMPARE(comparedValue(entry) == 0.0, zero);
    }

    // A game's score is 16 bits wide until the game has once been past 32767.
    void scoreKeepsItsWidth() {
        QCOMPARE(V::score(32767, 32767), V::int16(32767));
        QCOMPARE(V::score(32768, 32768), V::int32(32768));
        QCOMPARE(V::score(5, 40000), V::int32(5));
    }

    void parsesFields_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("fields");
        QTest::addColumn<QString>("values"); // the five scores, then the five names
        const QString none = "-|-|-|-|-";

        QTest::newRow("line end after a comma, blank lines, blanks")
            << QByteArray("  900 ,\r\n 450\r\n\r\n120,0,0,\n\"Ann\" , Bob Smith ,\"Cy\",\"\",\"\"")
            << 10 << "s900|s450|s120|s0|s0|tAnn|tBob Smith|tCy|t|t";
        QTest::newRow("doubled quotes and line ends inside quotes")
            << QByteArray("1,2,3,4,5,\"say \"\"hi\"\"\",\"two\nlines\",\"a,b,c\",\"\"\"\",x") << 10
            << "s1|s2|s3|s4|s5|tsay \"hi\"|ttwo\nlines|ta,b,c|t\"|tx";
        QTest::newRow("number widths")
            << QByteArray("40000,-32768,+12,1.5,1e3,\"7\",007,2147483648,-5x,\"\"") << 10
            << "l40000|s-32768|s12|d1.5|d1000|t7|s7|d2147483648|t-5x|t";
        QTest::newRow("no numbers from signs alone")
            << QByteArray("+-5,-,+,nan,inf") << 5 << "t+-5|t-|t+|tnan|tinf|" + none;
        QTest::newRow("empty fields stay empty")
            << QByteArray("120,,50,,,\"a\",,\"c\"") << 8 << "s120|-|s50|-|-|ta|-|tc|-|-";
        QTest::newRow("too few fields")
            << QByteArray("300,200\r\n") << 2 << "s300|s200|-|-|-|" + none;
        QTest::newRow("empty file") << QByteArray() << 0 << none + "|" + none;
        QTest::newRow("only line ends") << QByteArray("\r\n\n\r\n") << 0 << none + "|" + none;
        QTest::newRow("more than ten fields")
            << QByteArray("1,2,3,4,5,a,b,c,d,e,f,g") << 10 << "s1|s2|s3|s4|s5|ta|tb|tc|td|te";
        QTest::newRow("unterminated quote takes the rest")
            << QByteArray("10,\"Ann, and more\n") << 2 << "s10|tAnn, and more\n|-|-|-|" + none;
        QTest::newRow("text after a closing quote is dropped")
            << QByteArray("\"a\"junk,2") << 2 << "ta|s2|-|-|-|" + none;
        QTest::newRow("Windows-1252 names and a byte order mark")
            << QByteArray("\xEF\xBB\xBF"
                          "5,4,3,2,1,\"Ren\xE9\",\x80,\"\",\"\",\"\"")
            << 10 << QString::fromUtf8("s5|s4|s3|s2|s1|tRen\xC3\xA9|t\xE2\x82\xAC|t|t|t");
    }

    void parsesFields() {
        QFETCH(QByteArray, file);
        QFETCH(int, fields);
        QFETCH(QString, values);
        const ImportedScores imported =
            parseScoresDat(std::string_view(file.constData(), std::size_t(file.size())));
        QCOMPARE(imported.fieldsRead, fields);
        QCOMPARE(show(imported.values) + "|" + show(imported.names), values);
    }

    void writesExactBytes_data() {
        QTest::addColumn<Table>("values");
        QTest::addColumn<Table>("names");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("120 for abc")
            << scores({V::int16(120)}) << names({V::fromText("abc")})
            << QByteArray("0200780002000000020000000200000002000000"
                          "0800030061626308000000080000000800000008000000");
        // A wide game keeps its width below 32768.
        QTest::newRow("wide scores, floats and empty")
            << scores({V::int16(0), V::score(40000, 40000), V::score(100, 40000), V::int16(-2), {}})
            << names({V::fromText({}), V::float32(1.5f), V::float64(-2.25)})
            << QByteArray("02000000 0300409c0000 030064000000 0200feff 0000 08000000 "
                          "04000000c03f 050000000000000002c0 08000000 08000000");
        QTest::newRow("names in Windows-1252")
            << scores()
            << names({V::fromText("J\xC3\xA9r\xC3\xB4me \xE2\x82\xAC"),
                      V::fromText("\xF0\x9F\x82\xA1 ok"), V::fromText("bad\xC3")})
            << QByteArray("0200000002000000020000000200000002000000 080008004ae972f46d652080 "
                          "080004003f206f6b 08000400626164 3f 08000000 08000000");
    }

    void writesExactBytes() {
        QFETCH(Table, values);
        QFETCH(Table, names);
        QFETCH(QByteArray, expected);
        QCOMPARE(hex(writeHighScoreFile(values, names)), hex(bytes(expected)));
    }

    void readsBackWhatWasWritten() {
        const Table values =
            scores({V::int32(2'000'000'000), V::int32(40000), V::int16(32767), V::float64(0.1)});
        const Table written = names({V::fromText("Ren\xC3\xA9\xE2\x80\x9Cx\xE2\x80\x9D *"),
                                     V::fromText("\xC2\x81 kept"), // an unassigned byte
                                     V::fromText({}), V::fromText({}), V{}});
        const HighScoreFile file = readHighScoreFile(writeHighScoreFile(values, written));
        QVERIFY(!file.anyDamaged());
        QCOMPARE(show(file.values), show(values));
        QCOMPARE(show(file.names), show(written));
    }

    void longNameIsCutAtTheLengthField() {
        const auto written =
            writeHighScoreFile(scores(), names({V::fromText({}), V::fromText({}),
                                                V::fromText(std::string(MaxNameBytes + 1, 'n'))}));
        QCOMPARE(written.size(), std::size_t(40 + MaxNameBytes));
        const HighScoreFile file = readHighScoreFile(written);
        QVERIFY(!file.anyDamaged());
        QCOMPARE(file.names[2].text, std::string(MaxNameBytes, 'n'));
        QCOMPARE(file.names[3], V::fromText({}));
    }

    void damagedRecordsBecomeFreePlaces_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("table"); // the five scores, then the five names
        const QByteArray s = "0200780002006400020032000200000002000000";
        const QString read = "s120|s100|s50|s0|s0|t|t|t|t|t";
        const QString abc = "s120|s100|s50|s0|s0|tabc|t|t|t|t";
        const auto row = [](const char* name, const QByteArray& bytes, const QString& table) {
            QTest::newRow(name) << bytes << table;
        };
        row("empty file", "", "s0|s0|s0|s0|s0|t|t|t|t|t");
        row("one byte", "02", "s0|s0|s0|s0|s0|t|t|t|t|t");
        row("cut inside a score", s.left(28), read);
        row("cut inside a name", s + "080005006162", read);
        row("unknown tag", "02007800020064000700010002000000 0200000008000300616263",
            "s120|s100|s0|s0|s0|t|t|t|t|t");
        row("tag 1 is no kind", s + "0100", read);
        row("length beyond the end", s + "0800030061626308000000 0800ffff41", abc);
        row("float not a number",
            "02007800 04000000c07f 020032000200000002000000 08000300616263 080000000800000008000000"
            "08000000",
            "s120|s0|s50|s0|s0|tabc|t|t|t|t");
        row("double infinite", s + "0800030061626308000000 0500000000000000f07f 0800000008000000",
            abc);
        row("float name minus infinity", s + "0400000080ff 08000000080000000800000008000000", read);
    }

    void damagedRecordsBecomeFreePlaces() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, table);
        const HighScoreFile file = readHighScoreFile(::bytes(bytes));
        QVERIFY(file.anyDamaged());
        QCOMPARE(show(file.values) + "|" + show(file.names), table);
    }

    void codePage_data() {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QByteArray>("cp1252");
        QTest::addColumn<bool>("lossless"); // else it reads back as written

        QTest::newRow("latin-1") << QByteArray("\xC3\xA9\xC3\xBF") << QByteArray("\xE9\xFF")
                                 << true;
        QTest::newRow("the 0x80 row")
            << QByteArray("\xE2\x82\xAC\xC5\xB8\xE2\x84\xA2") << QByteArray("\x80\x9F\x99") << true;
        QTest::newRow("unassigned bytes stand for themselves")
            << QByteArray("\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D")
            << QByteArray("\x81\x8D\x8F\x90\x9D") << true;
        QTest::newRow("C1 control that 1252 reuses")
            << QByteArray("\xC2\x80") << QByteArray("?") << false;
        QTest::newRow("missing characters") << QByteArray("\xE4\xB8\xAD\xF0\x9F\x98\x80!")
                                            << QByteArray("?"
                                                          "?!")
                                            << false;
        QTest::newRow("invalid utf-8")
            << QByteArray("a\xFF\xC0\xAF\xED\xA0\x80z") << QByteArray("a??????z") << false;
        QTest::newRow("cut sequence at the end")
            << QByteArray("ab\xE2\x82") << QByteArray("ab??") << false;
        QTest::newRow("nul inside") << QByteArray("a\0b", 3) << QByteArray("a\0b", 3) << true;
    }

    void codePage() {
        QFETCH(QByteArray, utf8);
        QFETCH(QByteArray, cp1252);
        QFETCH(bool, lossless);
        const std::string encoded =
            encodeWindows1252(std::string_view(utf8.data(), std::size_t(utf8.size())));
        QCOMPARE(QByteArray::fromStdString(encoded), cp1252);
        QCOMPARE(QByteArray::fromStdString(decodeWindows1252(encoded)), lossless ? utf8 : cp1252);
    }
};

QTEST_GUILESS_MAIN(TestScoreFiles)
#include "tst_scorefiles.moc"
