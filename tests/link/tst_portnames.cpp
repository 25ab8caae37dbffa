// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/portnames.h"
#include "link/systemportcatalogue.h"

#include <QTest>

using namespace PortNames;

class TestPortNames : public QObject {
    Q_OBJECT

private slots:
    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number"); // 0: rejected
        QTest::newRow("COM7") << "COM7" << 7;
        QTest::newRow("COM1") << "COM1" << 1;
        QTest::newRow("COM10") << "COM10" << 10;
        QTest::newRow("COM32") << "COM32" << 32;
        QTest::newRow("COM33") << "COM33" << 0;
        QTest::newRow("COM0") << "COM0" << 0;
        QTest::newRow("lower case") << "com7" << 0;
        QTest::newRow("leading blank") << " COM7" << 0;
        QTest::newRow("trailing blank") << "COM7 " << 0;
        QTest::newRow("leading zero") << "COM07" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("device path") << "/dev/ttyUSB0" << 0;
    }
    void names()
    {
        QFETCH(QString, name);
        QFETCH(int, number);
        QCOMPARE(comPortNumber(name).value_or(0), number);
        if (number > 0)
            QCOMPARE(comName(number), name);
    }

    void preselection_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("index");
        QTest::newRow("COM1 and COM3") << QStringList{"COM1", "COM3"} << 1;
        QTest::newRow("COM1 and COM2") << QStringList{"COM1", "COM2"} << 0;
        QTest::newRow("COM2 only") << QStringList{"COM2"} << 0;
        QTest::newRow("COM5 only") << QStringList{"COM5"} << 0;
        QTest::newRow("three ports") << QStringList{"COM1", "COM2", "COM3"} << 2;
        QTest::newRow("none") << QStringList{} << -1;
    }
    void preselection()
    {
        QFETCH(QStringList, names);
        QFETCH(int, index);
        QCOMPARE(preselectedIndex(names), index);
    }

    void devicesInNaturalOrder()
    {
        const QStringList paths{"/dev/ttyUSB10", "/dev/ttyS1", "/dev/ttyUSB2", "/dev/ttyACM0", "/dev/ttyS0"};
        QCOMPARE(naturalOrder(paths),
                 (QStringList{"/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB2", "/dev/ttyUSB10"}));
    }

    void systemCatalogueNumbersWhatItFinds()
    {
        // Whatever this computer has: consecutive names from COM1, each standing for a device.
        SystemPortCatalogue catalogue;
        const QStringList names = catalogue.scan();
        for (int i = 0; i < names.size(); ++i) {
#ifndef Q_OS_WIN
            QCOMPARE(names.at(i), comName(i + 1));
#endif
            QVERIFY(!catalogue.device(names.at(i)).isEmpty());
        }
        QVERIFY(catalogue.device("COM33").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPortNames)
#include "tst_portnames.moc"
