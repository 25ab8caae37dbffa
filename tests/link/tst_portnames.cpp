// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/portnames.h"
#include "link/systemportcatalogue.h"
#include "link/virtualport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>
#endif

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

    void typedPorts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("host"); // empty: no network address
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("devicePath");
        QTest::newRow("server") << "tcp://10.0.0.7:4001"
                                << "10.0.0.7" << 4001 << false;
        QTest::newRow("telnet server") << "rfc2217://10.0.0.7:4001"
                                       << "10.0.0.7" << 4001 << false;
        QTest::newRow("server by name") << "tcp://sign-2.shop:23"
                                        << "sign-2.shop" << 23 << false;
        QTest::newRow("IPv6") << "tcp://[::1]:4001"
                              << "::1" << 4001 << false;
        QTest::newRow("no port") << "tcp://10.0.0.7"
                                 << "" << 0 << false;
        QTest::newRow("port 0") << "tcp://10.0.0.7:0"
                                << "" << 0 << false;
        QTest::newRow("port too high") << "tcp://10.0.0.7:65536"
                                       << "" << 0 << false;
        QTest::newRow("other scheme") << "telnet://10.0.0.7:23"
                                      << "" << 0 << false;
        QTest::newRow("with a path") << "tcp://10.0.0.7:23/x"
                                     << "" << 0 << false;
#ifndef Q_OS_WIN
        QTest::newRow("device") << "/dev/ttyUSB0"
                                << "" << 0 << true;
#endif
        QTest::newRow("device name alone") << "ttyUSB0"
                                           << "" << 0 << false;
        QTest::newRow("COM name") << "COM3"
                                  << "" << 0 << false;
    }
    void typedPorts()
    {
        QFETCH(QString, text);
        QFETCH(QString, host);
        QFETCH(int, port);
        QFETCH(bool, devicePath);
        const std::optional<NetworkAddress> address = networkAddress(text);
        QCOMPARE(address.has_value(), !host.isEmpty());
        if (address) {
            QCOMPARE(address->host, host);
            QCOMPARE(int(address->port), port);
            QCOMPARE(address->protocol == NetworkAddress::Protocol::Rfc2217, text.startsWith("rfc2217:"));
            QCOMPARE(addressText(*address), text);
        }
        QCOMPARE(isDevicePath(text), devicePath);
    }

    // The virtual card may leave out the host (the loopback) and ask for any free port.
    void listenAddresses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("loopback") << "rfc2217://:4001" << true;
        QTest::newRow("any free port") << "tcp://:0" << true;
        QTest::newRow("every interface") << "tcp://0.0.0.0:4001" << true;
        QTest::newRow("no port") << "tcp://" << false;
        QTest::newRow("other scheme") << "http://:80" << false;
    }
    void listenAddresses()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(listenAddress(text).has_value(), valid);
        QVERIFY(!networkAddress(text) || text.contains("0.0.0.0"));
    }

    // A busy port is left out but keeps its number, so that the ports after it keep their names;
    // one that wants a permission is listed with the remedy, and virtual cards come last.
    void busyPortKeepsItsNumber()
    {
        using Probe = SystemPortCatalogue::Probe;
        const QList<PortEntry> entries =
            SystemPortCatalogue::numbered({{"/dev/ttyS0", {}, Probe::Opens, {}},
                                           {"/dev/ttyS1", {}, Probe::Refused, {}},
                                           {"/dev/ttyS2", {}, Probe::Absent, {}},
                                           {"/dev/ttyUSB0", {}, Probe::Refused, "join dialout"}},
                                          {{"/dev/pts/3", "p10signcard", Probe::Opens, {}}});
        QStringList listed;
        for (const PortEntry& port : entries)
            listed << port.name + u' ' + port.device + u' ' + port.problem;
        QCOMPARE(listed,
                 (QStringList{"COM1 /dev/ttyS0 ", "COM3 /dev/ttyUSB0 join dialout", "COM4 /dev/pts/3 "}));
    }

#ifdef Q_OS_UNIX
    // The look begun before the window system starts finds what a scan finds, a virtual card's
    // pseudo-terminal included.
    void scanAheadFindsWhatAScanFinds()
    {
        const QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(terminal >= 0 && ::grantpt(terminal) == 0 && ::unlockpt(terminal) == 0);
        const QString device = QString::fromLocal8Bit(::ptsname(terminal));
        const VirtualPort card(device);
        SystemPortCatalogue catalogue;
        catalogue.scanAhead();
        const QList<PortEntry> ahead = catalogue.scan();
        const QList<PortEntry> now = catalogue.scan();
        ::close(terminal);
        QVERIFY(!ahead.isEmpty());
        QCOMPARE(ahead.last().device, device);
        QCOMPARE(ahead.size(), now.size());
        for (qsizetype i = 0; i < ahead.size(); ++i)
            QCOMPARE(ahead[i].name + ahead[i].device, now[i].name + now[i].device);
    }
#endif

    void systemCatalogueNumbersWhatItFinds()
    {
        // Whatever this computer has: ascending names (a busy port keeps its number unlisted),
        // each standing for a device.
        SystemPortCatalogue catalogue;
        int last = 0;
        for (const PortEntry& port : catalogue.scan()) {
            const int number = comPortNumber(port.name).value_or(0);
            QVERIFY2(number > last, qPrintable(port.name));
            last = number;
            QVERIFY(!port.device.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestPortNames)
#include "tst_portnames.moc"
