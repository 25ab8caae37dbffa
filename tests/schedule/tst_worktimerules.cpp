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
        QTest::newRow("0:00") << "0:00" << 0;
        QTest::newRow("23:59") << "23:59" << 1439;
        QTest::newRow("blanks around") << " 9:05 " << 545;
        QTest::newRow("no colon") << "2130" << -1;
        QTest::newRow("0600") << "0600" << -1;
        QTest::newRow("five digits") << "12345" << -1;
        QTest::newRow("24:00") << "24:00" << -1;
        QTest::newRow("9:75") << "9:75" << -1;
        QTest::newRow("-1:00") << "-1:00" << -1;
        QTest::newRow("letters") << "ab:cd" << -1;
        QTest::newRow("one minute digit") << "1:5" << -1;
        QTest::newRow("three minute digits") << "1:505" << -1;
        QTest::newRow("three hour digits") << "007:30" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("no minutes") << "7:" << -1;
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
