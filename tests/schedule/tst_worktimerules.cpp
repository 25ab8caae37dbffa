// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/worktimerules.h"

#include <QTest>

class TestWorkTimeRules : public QObject {
    Q_OBJECT

private slots:
    void minutesToHhMm()
    {
        QCOMPARE(WorkTimeRules::minutesToHhMm(0), "00:00");
        QCOMPARE(WorkTimeRules::minutesToHhMm(420), "07:00");
        QCOMPARE(WorkTimeRules::minutesToHhMm(1439), "23:59");
        QCOMPARE(WorkTimeRules::minutesToHhMm(5000), "23:59");
        QCOMPARE(WorkTimeRules::minutesToHhMm(-3), "00:00");
    }

    void typedTime_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("minutes"); // -1: rejected
        QTest::newRow("7:30") << "7:30" << 450;
        QTest::newRow("07:30") << "07:30" << 450;
        QTest::newRow("middle not looked at") << "12345" << 765;
        QTest::newRow("730: no typed hour digit") << "730" << -1;
        QTest::newRow("0730") << "0730" << 30;
        QTest::newRow("24:00") << "24:00" << -1;
        QTest::newRow("9:75") << "9:75" << -1;
        QTest::newRow("-1:00") << "-1:00" << -1;
        QTest::newRow("letters") << "ab:cd" << -1;
        QTest::newRow("1:5") << "1:5" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("no minutes") << "7:" << -1;
        QTest::newRow("hour digit typed in second place") << "1:505" << 65;
        QTest::newRow("leading blank") << " 9:05" << 545;
        QTest::newRow("23:59") << "23:59" << 1439;
    }
    void typedTime()
    {
        QFETCH(QString, typed);
        QFETCH(int, minutes);
        QCOMPARE(WorkTimeRules::parseTypedTime(typed).value_or(-1), minutes);
    }
};

QTEST_GUILESS_MAIN(TestWorkTimeRules)
#include "tst_worktimerules.moc"
