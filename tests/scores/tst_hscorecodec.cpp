// The hscores.dat codec: byte-exact files, every tag, the code page and damaged files.
#include "hscorecodec.h"
#include "printvalues.h"

#include <QtTest>

using namespace corvelle;

namespace {

using Table = std::array<TableValue, 5>;

std::vector<std::uint8_t> hex(const char* text) {
    const QByteArray bytes = QByteArray::fromHex(QByteArray(text));
    return {bytes.begin(), bytes.end()};
}

QByteArray asHex(const std::vector<std::uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()))
        .toHex(' ');
}

Table freeScores() {
    Table t;
    t.fill(TableValue::int16(0));
    return t;
}

Table freeNames() {
    Table t;
    t.fill(TableValue::fromText({}));
    return t;
}

} // namespace

Q_DECLARE_METATYPE(Table)
Q_DECLARE_METATYPE(std::vector<std::uint8_t>)

class TestHighScoreCodec : public QObject {
    Q_OBJECT

private slots:
    void writesExactBytes_data() {
        QTest::addColumn<Table>("values");
        QTest::addColumn<Table>("names");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("cleared table is 40 bytes")
            << freeScores() << freeNames()
            << QByteArray("0200000002000000020000000200000002000000"
                          "0800000008000000080000000800000008000000");

        Table values = freeScores();
        Table names = freeNames();
        values[0] = TableValue::int16(120);
        names[0] = TableValue::fromText("abc");
        QTest::newRow("120 for abc")
            << values << names
            << QByteArray("0200780002000000020000000200000002000000"
                          "0800030061626308000000080000000800000008000000");

        values = freeScores();
        values[1] = TableValue::score(40000, true);
        values[2] = TableValue::score(100, true); // a wide game keeps its width below 32768
        values[3] = TableValue::int16(-2);
        values[4] = TableValue{};
        names = freeNames();
        names[1] = TableValue::float32(1.5f);
        names[2] = TableValue::float64(-2.25);
        QTest::newRow("wide scores, floats and empty") << values << names
                                                       << QByteArray("02000000"
                                                                     "0300409c0000"
                                                                     "030064000000"
                                                                     "0200feff"
                                                                     "0000"
                                                                     "08000000"
                                                                     "04000000c03f"
                                                                     "050000000000000002c0"
                                                                     "08000000"
                                                                     "08000000");

        names = freeNames();
        names[0] = TableValue::fromText("J\xC3\xA9r\xC3\xB4me \xE2\x82\xAC");
        names[1] = TableValue::fromText("\xF0\x9F\x82\xA1 ok");
        names[2] = TableValue::fromText("bad\xC3");
        QTest::newRow("names in Windows-1252")
            << freeScores() << names
            << QByteArray("0200000002000000020000000200000002000000"
                          "080008004ae972f46d652080"
                          "080004003f206f6b"
                          "08000400626164 3f"
                          "08000000"
                          "08000000")
                   .replace(" ", "");
    }

    void writesExactBytes() {
        QFETCH(Table, values);
        QFETCH(Table, names);
        QFETCH(QByteArray, expected);
        const auto bytes = writeHighScoreFile(values, names);
        QCOMPARE(asHex(bytes), asHex(hex(expected.constData())));
    }

    void readsBackWhatWasWritten() {
        Table values = freeScores();
        Table names = freeNames();
        values[0] = TableValue::score(2'000'000'000, true);
        values[1] = TableValue::score(40000, true);
        values[2] = TableValue::score(32767, false);
        values[3] = TableValue::float64(0.1);
        names[0] = TableValue::fromText("Ren\xC3\xA9\xE2\x80\x9Cx\xE2\x80\x9D *");
        names[1] = TableValue::fromText("\xC2\x81 kept"); // an unassigned byte
        names[4] = TableValue{};

        const HighScoreFile file = readHighScoreFile(writeHighScoreFile(values, names));
        QVERIFY(!file.anyDamaged());
        QCOMPARE(file.values, values);
        QCOMPARE(file.names, names);
        QCOMPARE(file.values[0].kind, TableValue::Kind::Int32);
        QCOMPARE(file.values[2].kind, TableValue::Kind::Int16);
    }

    void longNameIsCutAtTheLengthField() {
        Table names = freeNames();
        names[2] = TableValue::fromText(std::string(70000, 'n'));
        const auto bytes = writeHighScoreFile(freeScores(), names);
        QCOMPARE(bytes.size(), std::size_t(40 + MaxNameBytes));
        const HighScoreFile file = readHighScoreFile(bytes);
        QVERIFY(!file.anyDamaged());
        QCOMPARE(file.names[2].text, std::string(MaxNameBytes, 'n'));
        QCOMPARE(file.names[3], TableValue::fromText({}));
    }

    void bytesAfterTheTenthRecordAreIgnored() {
        auto bytes = hex("0200780002000000020000000200000002000000"
                         "0800030061626308000000080000000800000008000000");
        const auto tail = hex("ffff0100deadbeef");
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        const HighScoreFile file = readHighScoreFile(bytes);
        QVERIFY(!file.anyDamaged());
        QCOMPARE(file.values[0], TableValue::int16(120));
        QCOMPARE(file.names[0], TableValue::fromText("abc"));
    }

    void damagedRecordsBecomeFreePlaces_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("damaged"); // one character per record: x damaged, . read
        QTest::addColumn<QString>("firstName");

        const QByteArray scores = "0200780002006400020032000200000002000000";
        QTest::newRow("empty file") << QByteArray() << "xxxxxxxxxx"
                                    << "";
        QTest::newRow("one byte") << QByteArray("02") << "xxxxxxxxxx"
                                  << "";
        QTest::newRow("cut inside a score")
            << QByteArray("0200780002006400020032000200") << "...xxxxxxx"
            << "";
        QTest::newRow("cut inside a name") << scores + "080005006162"
                                           << ".....xxxxx"
                                           << "";
        QTest::newRow("unknown tag")
            << QByteArray("02007800020064000700010002000000") + "0200000008000300616263"
            << "..xxxxxxxx"
            << "";
        QTest::newRow("tag 1 is no kind") << scores + "0100"
                                          << ".....xxxxx"
                                          << "";
        QTest::newRow("length beyond the end") << scores + "0800030061626308000000" + "0800ffff41"
                                               << ".......xxx"
                                               << "abc";
        QTest::newRow("float not a number") << QByteArray("02007800"
                                                          "04000000c07f"
                                                          "020032000200000002000000") +
                                                   "08000300616263080000000800000008000000 08000000"
                                            << ".x........"
                                            << "abc";
        QTest::newRow("double infinite")
            << scores + "0800030061626308000000" + "0500000000000000f07f" + "0800000008000000"
            << ".......x.."
            << "abc";
        QTest::newRow("float name minus infinity")
            << scores + "040000 0080ff" + "08000000080000000800000008000000"
            << ".....x...."
            << "";
    }

    void damagedRecordsBecomeFreePlaces() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, damaged);
        QFETCH(QString, firstName);
        const HighScoreFile file = readHighScoreFile(hex(bytes.replace(" ", "").constData()));
        QString seen;
        for (bool d : file.damaged) {
            seen += d ? 'x' : '.';
        }
        QCOMPARE(seen, damaged);
        QVERIFY(file.anyDamaged());
        for (int i = 0; i < 10; ++i) {
            const TableValue& v = i < 5 ? file.values[i] : file.names[i - 5];
            if (file.damaged[i]) {
                QCOMPARE(v, i < 5 ? TableValue::int16(0) : TableValue::fromText({}));
            }
        }
        if (!file.damaged[5]) {
            QCOMPARE(file.names[0].text, firstName.toStdString());
        }
        if (!file.damaged[0]) {
            QCOMPARE(file.values[0], TableValue::int16(120));
        }
    }

    void codePage_data() {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QByteArray>("cp1252");
        QTest::addColumn<QByteArray>("readBack");

        QTest::newRow("ascii") << QByteArray("Ann 7") << QByteArray("Ann 7") << QByteArray("Ann 7");
        QTest::newRow("latin-1") << QByteArray("\xC3\xA9\xC3\xBF") << QByteArray("\xE9\xFF")
                                 << QByteArray("\xC3\xA9\xC3\xBF");
        QTest::newRow("the 0x80 row")
            << QByteArray("\xE2\x82\xAC\xC5\xB8\xE2\x84\xA2") << QByteArray("\x80\x9F\x99")
            << QByteArray("\xE2\x82\xAC\xC5\xB8\xE2\x84\xA2");
        QTest::newRow("unassigned bytes stand for themselves")
            << QByteArray("\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D")
            << QByteArray("\x81\x8D\x8F\x90\x9D")
            << QByteArray("\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
        QTest::newRow("C1 control that 1252 reuses")
            << QByteArray("\xC2\x80") << QByteArray("?") << QByteArray("?");
        QTest::newRow("missing characters") << QByteArray("\xE4\xB8\xAD\xF0\x9F\x98\x80!")
                                            << QByteArray("?"
                                                          "?!")
                                            << QByteArray("?"
                                                          "?!");
        QTest::newRow("invalid utf-8") << QByteArray("a\xFF\xC0\xAF\xED\xA0\x80z")
                                       << QByteArray("a??????z") << QByteArray("a??????z");
        QTest::newRow("cut sequence at the end")
            << QByteArray("ab\xE2\x82") << QByteArray("ab??") << QByteArray("ab??");
        QTest::newRow("nul inside")
            << QByteArray("a\0b", 3) << QByteArray("a\0b", 3) << QByteArray("a\0b", 3);
    }

    void codePage() {
        QFETCH(QByteArray, utf8);
        QFETCH(QByteArray, cp1252);
        QFETCH(QByteArray, readBack);
        const std::string encoded =
            encodeWindows1252(std::string_view(utf8.data(), std::size_t(utf8.size())));
        QCOMPARE(QByteArray::fromStdString(encoded), cp1252);
        QCOMPARE(QByteArray::fromStdString(decodeWindows1252(encoded)), readBack);
    }
};

QTEST_GUILESS_MAIN(TestHighScoreCodec)
#include "tst_hscorecodec.moc"
