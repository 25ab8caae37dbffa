// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/clockframes.h"
#include "support/bytes.h"

#include <QTest>

using namespace ClockFrames;

class TestClockFrames : public QObject {
    Q_OBJECT

private slots:
    void timeFrames_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("07:05:09") << QTime(7, 5, 9) << bytes({0x09, 0x05, 0x07});
        QTest::newRow("23:59:58") << QTime(23, 59, 58) << bytes({0x58, 0x59, 0x23});
        QTest::newRow("midnight") << QTime(0, 0, 0) << bytes({0x00, 0x00, 0x00});
        QTest::newRow("fraction dropped") << QTime(12, 34, 56, 999) << bytes({0x56, 0x34, 0x12});
    }
    void timeFrames()
    {
        QFETCH(QTime, time);
        QFETCH(QByteArray, expected);
        QCOMPARE(timeFrame(time), expected);
    }

    void scheduleFrames_data()
    {
        QTest::addColumn<QString>("days");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("defaults") << "999" << 420 << 1140 << true
                                  << bytes({0x03, 0xE7, 0x07, 0x00, 0x13, 0x80});
        QTest::newRow("disabled") << "999" << 420 << 1140 << false
                                  << bytes({0x03, 0xE7, 0x07, 0x00, 0x13, 0x00});
        QTest::newRow("end 23:59") << "999" << 420 << 1439 << true
                                   << bytes({0x03, 0xE7, 0x07, 0x00, 0x17, 0xBB});
        QTest::newRow("empty days") << "" << 420 << 1140 << true
                                    << bytes({0x00, 0x00, 0x07, 0x00, 0x13, 0x80});
        QTest::newRow("text days") << "many" << 0 << 0 << false
                                   << bytes({0x00, 0x00, 0x00, 0x00, 0x00, 0x00});
        QTest::newRow("negative days")
            << "-5" << 0 << 0 << false << bytes({0x00, 0x00, 0x00, 0x00, 0x00, 0x00});
        QTest::newRow("days above 65535") << "65537" << 0 << 0 << false << bytes({0x00, 0x01, 0, 0, 0, 0});
        QTest::newRow("days rounded")
            << "255.5" << 90 << 61 << false << bytes({0x01, 0x00, 0x01, 0x1E, 0x01, 0x01});
    }
    void scheduleFrames()
    {
        QFETCH(QString, days);
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(bool, enabled);
        QFETCH(QByteArray, expected);
        QCOMPARE(scheduleFrame({days, start, end, enabled}), expected);
    }
};

QTEST_GUILESS_MAIN(TestClockFrames)
#include "tst_clockframes.moc"
