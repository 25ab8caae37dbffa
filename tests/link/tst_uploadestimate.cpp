// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/uploadestimate.h"
#include "model/project.h"

#include <QTest>

class TestUploadEstimate : public QObject {
    Q_OBJECT

private slots:
    void estimate_data()
    {
        QTest::addColumn<int>("heightIndex");
        QTest::addColumn<QList<int>>("lengths");
        QTest::addColumn<int>("clipped");
        QTest::addColumn<int>("memoryBytes");
        QTest::addColumn<double>("seconds");
        // Hello and header are 102 bytes; the waits are 3.3 s; the line carries 960 bytes a second.
        QTest::newRow("16 rows, fits") << 0 << QList<int>{16, 0, 3} << 0 << 16 * 19 << 3.3 + 406 / 960.0;
        QTest::newRow("16 rows, over")
            << 0 << QList<int>{2047, 2047} << 510 << 16 * 3584 << 3.3 + (102 + 16 * 3584) / 960.0;
        QTest::newRow("32 rows, over")
            << 1 << QList<int>{1000, 1000} << 208 << 32 * 1792 << 3.3 + (102 + 32 * 1792) / 960.0;
        QTest::newRow("32 rows, just fits")
            << 1 << QList<int>{1000, 792} << 0 << 32 * 1792 << 3.3 + (102 + 32 * 1792) / 960.0;
    }
    void estimate()
    {
        QFETCH(int, heightIndex);
        QFETCH(QList<int>, lengths);
        QFETCH(int, clipped);
        QFETCH(int, memoryBytes);
        QFETCH(double, seconds);
        Project project;
        project.editGlobals([&](GlobalSettings& globals) { globals.screenHeight.setIndex(heightIndex); });
        for (int m = 0; m < lengths.size(); ++m)
            project.setMsgLen(m, lengths[m]);
        const UploadEstimate estimate = UploadEstimate::of(project);
        QCOMPARE(estimate.clippedColumns, clipped);
        QCOMPARE(estimate.fits(), clipped == 0);
        QCOMPARE(estimate.memoryBytes, memoryBytes);
        QCOMPARE(estimate.lineBytes, 102 + memoryBytes);
        QCOMPARE(estimate.seconds, seconds);
    }
};

QTEST_GUILESS_MAIN(TestUploadEstimate)
#include "tst_uploadestimate.moc"
