// How a game's score compares with the entries of the Hall of Fame, whatever their kind.
#include "printvalues.h"
#include "tablevalue.h"

#include <QtTest>

using namespace corvelle;

Q_DECLARE_METATYPE(TableValue)

class TestTableValue : public QObject {
    Q_OBJECT

private slots:
    void scoreAgainstEntry_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<TableValue>("entry");
        QTest::addColumn<bool>("beats");
        QTest::addColumn<bool>("zero");

        QTest::newRow("empty is 0") << 1 << TableValue{} << true << true;
        QTest::newRow("0 does not beat empty") << 0 << TableValue{} << false << true;
        QTest::newRow("free place") << 0 << TableValue::int16(0) << false << true;
        QTest::newRow("zero int32") << 1 << TableValue::int32(0) << true << true;
        QTest::newRow("equal int16") << 120 << TableValue::int16(120) << false << false;
        QTest::newRow("above int16") << 121 << TableValue::int16(120) << true << false;
        QTest::newRow("below int32") << 40000 << TableValue::int32(40001) << false << false;
        QTest::newRow("above negative") << 0 << TableValue::int16(-3) << true << false;
        QTest::newRow("float fraction") << 2 << TableValue::float32(1.5f) << true << false;
        QTest::newRow("double above") << 2 << TableValue::float64(2.5) << false << false;
        QTest::newRow("zero double") << 0 << TableValue::float64(0.0) << false << true;
        QTest::newRow("numeric text") << 100 << TableValue::fromText(" 99 ") << true << false;
        QTest::newRow("numeric text equal") << 99 << TableValue::fromText("99") << false << false;
        QTest::newRow("exponent text") << 1001 << TableValue::fromText("1e3") << true << false;
        QTest::newRow("zero text") << 0 << TableValue::fromText("0") << false << true;
        QTest::newRow("plain name never below")
            << 1000000 << TableValue::fromText("Ann") << false << false;
        QTest::newRow("empty text is no number") << 5 << TableValue::fromText("") << false << false;
        QTest::newRow("sign pair is no number")
            << 5 << TableValue::fromText("+-5") << false << false;
        QTest::newRow("infinity text is no number")
            << 5 << TableValue::fromText("-inf") << false << false;
    }

    void scoreAgainstEntry() {
        QFETCH(int, score);
        QFETCH(TableValue, entry);
        QFETCH(bool, beats);
        QFETCH(bool, zero);
        QCOMPARE(scoreBeats(score, entry), beats);
        QCOMPARE(valueIsZero(entry), zero);
    }

    void scoreKeepsItsWidth() {
        QCOMPARE(TableValue::score(32767, false).kind, TableValue::Kind::Int16);
        QCOMPARE(TableValue::score(32768, false).kind, TableValue::Kind::Int32);
        QCOMPARE(TableValue::score(5, true).kind, TableValue::Kind::Int32);
        QCOMPARE(TableValue::score(5, true).integer, 5);
    }
};

QTEST_GUILESS_MAIN(TestTableValue)
#include "tst_tablevalue.moc"
