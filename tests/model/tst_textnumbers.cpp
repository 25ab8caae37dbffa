// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/textnumbers.h"

#include <QTest>

class TestTextNumbers : public QObject {
    Q_OBJECT

private slots:
    void numericValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("plain") << "12" << 12.0;
        QTest::newRow("leading blanks") << "  9:05" << 9.0;
        QTest::newRow("negative") << "-10" << -10.0;
        QTest::newRow("plus sign") << "+3" << 3.0;
        QTest::newRow("decimal point") << "3.5px" << 3.5;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("trailing text") << "24pt" << 24.0;
        QTest::newRow("letters first") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("None") << "None" << 0.0;
        QTest::newRow("two digits") << "05" << 5.0;
        QTest::newRow("full-width digits are not digits") << "１２" << 0.0;
    }
    void numericValue()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(::numericValue(text), expected);
    }

    void readByte_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // -1: the conversion fails
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("top") << "255" << 255;
        QTest::newRow("above") << "256" << -1;
        QTest::newRow("negative") << "-1" << -1;
        QTest::newRow("leading zero") << "07" << 7;
        QTest::newRow("blanks around") << " 7 " << 7;
        QTest::newRow("half to even down") << "2.5" << 2;
        QTest::newRow("half to even up") << "3.5" << 4;
        QTest::newRow("not a number") << "None" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("trailing letters") << "12a" << -1;
    }
    void readByte()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(::readByte(text).value_or(-1), expected);
    }

    void readInt16Range()
    {
        QCOMPARE(readInt16(u"-32768"), std::optional<int>(-32768));
        QCOMPARE(readInt16(u"32767"), std::optional<int>(32767));
        QVERIFY(!readInt16(u"32768"));
        QVERIFY(!readInt16(u"1e10"));
        QCOMPARE(readInt16(u"64"), std::optional<int>(64));
    }

    void roundHalfEven()
    {
        QCOMPARE(::roundHalfEven(0.5), 0);
        QCOMPARE(::roundHalfEven(1.5), 2);
        QCOMPARE(::roundHalfEven(-2.5), -2);
        QCOMPARE(::roundHalfEven(2.6), 3);
        QCOMPARE(::roundHalfEven(1e300), 9000000000000000000LL);
    }

    void leadingInteger()
    {
        QCOMPARE(::leadingInteger(u"42abc"), 42);
        QCOMPARE(::leadingInteger(u"-7"), -7);
        QCOMPARE(::leadingInteger(u"x1"), 0);
        QCOMPARE(::leadingInteger(u"12.9"), 12);
        QVERIFY(::leadingInteger(u"99999999999999999999999999") > 0); // saturates, never wraps
    }
};

QTEST_GUILESS_MAIN(TestTextNumbers)
#include "tst_textnumbers.moc"
