// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/usagegauge.h"

#include <QTest>

class TestUsageGauge : public QObject {
    Q_OBJECT

private slots:
    void emptyProjectHasNoBar()
    {
        const UsageGauge gauge = UsageGauge::compute({}, QStringLiteral("16"));
        QVERIFY(gauge.segments.isEmpty());
        QCOMPARE(gauge.totalLen, 0);
    }

    void workedExample()
    {
        std::array<int, kMessageCount> lengths{};
        lengths[0] = 100;
        const UsageGauge gauge = UsageGauge::compute(lengths, QStringLiteral("16"));
        QCOMPARE(gauge.segments.size(), 1);
        QCOMPARE(gauge.segments[0].left, 0.0);
        QCOMPARE(gauge.segments[0].right, 21.5);
        QCOMPARE(gauge.segments[0].colour, QRgb(0xFFFF0000));
        QCOMPARE(gauge.totalLen, 23);
    }

    void scaleFollowsHeightText()
    {
        std::array<int, kMessageCount> lengths{};
        lengths[3] = 100;
        QCOMPARE(UsageGauge::compute(lengths, QStringLiteral("32")).totalLen, 45);
        QCOMPARE(UsageGauge::compute(lengths, QStringLiteral("abc")).totalLen, 45);
        QCOMPARE(UsageGauge::compute(lengths, QStringLiteral("16")).segments[0].colour, QRgb(0xFFE0E000));
    }

    void everyMessageTakesAtLeastOnePixel()
    {
        std::array<int, kMessageCount> lengths{};
        lengths[1] = 1;
        lengths[15] = 1;
        const UsageGauge gauge = UsageGauge::compute(lengths, QStringLiteral("16"));
        QCOMPARE(gauge.totalLen, 2);
        QCOMPARE(gauge.segments[1].left, 1.0);
        QCOMPARE(gauge.segments[1].colour, QRgb(0xFF800000));
    }

    void stopsAtTheEndOfTheBar()
    {
        std::array<int, kMessageCount> lengths{};
        lengths.fill(2047);
        const UsageGauge gauge = UsageGauge::compute(lengths, QStringLiteral("32"));
        QCOMPARE(gauge.totalLen, 805);
        QCOMPARE(gauge.segments.size(), 16);
        QCOMPARE(gauge.segments.last().left, 805.0);
    }
};

QTEST_GUILESS_MAIN(TestUsageGauge)
#include "tst_usagegauge.moc"
