// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/projectstorage.h"

#include <QTest>

class TestProjectStorage : public QObject {
    Q_OBJECT

private slots:
    void namesFollowTheSettingsPath_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("label");
        QTest::newRow("usual") << "/shop/front.ini"
                               << "/shop/front.bin"
                               << "front";
        QTest::newRow("upper case extension") << "/shop/FRONT.INI"
                                              << "/shop/FRONT.bin"
                                              << "FRONT";
        QTest::newRow("no extension") << "/shop/shop"
                                      << "/shop/sbin"
                                      << "";
        QTest::newRow("other extension") << "/shop/a.txt2"
                                         << "/shop/a.tbin"
                                         << "a.";
        QTest::newRow("japanese name") << "/店/看板①.ini"
                                       << "/店/看板①.bin"
                                       << "看板①";
    }
    void namesFollowTheSettingsPath()
    {
        QFETCH(QString, settings);
        QFETCH(QString, data);
        QFETCH(QString, label);
        QCOMPARE(ProjectStorage::dataFilePath(settings), data);
        QCOMPARE(ProjectStorage::fileLabel(settings), label);
    }
};

QTEST_GUILESS_MAIN(TestProjectStorage)
#include "tst_projectstorage.moc"
