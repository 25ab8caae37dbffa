// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/messageimages.h"
#include "imaging/usagegauge.h"
#include "model/project.h"
#include "ui/previewview.h"
#include "ui/tabstrip.h"
#include "ui/usagegaugeview.h"

#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

class TestWindowViews : public QObject {
    Q_OBJECT

private slots:
    void segmentRect_data()
    {
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("right");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("fractional right end") << 0.0 << 21.5 << QRect(QPoint(0, 0), QPoint(22, 10));
        QTest::newRow("whole") << 23.0 << 40.0 << QRect(QPoint(23, 0), QPoint(40, 10));
        QTest::newRow("narrower than a pixel") << 23.0 << 22.225 << QRect(QPoint(22, 0), QPoint(23, 10));
    }
    void segmentRect()
    {
        QFETCH(double, left);
        QFETCH(double, right);
        QFETCH(QRect, rect);
        QCOMPARE(UsageGaugeView::segmentRect({0, left, right, 0}), rect);
    }

    void gaugePaintsTheProjectsSegments()
    {
        Project project;
        UsageGaugeView view(project, nullptr);
        QCOMPARE(view.size(), QSize(810, 15));
        std::array<int, kMessageCount> lengths{};
        lengths[0] = 100;
        lengths[3] = 1000;
        const UsageGauge gauge = UsageGauge::compute(lengths, QStringLiteral("16"));
        project.setGauge(gauge.segments, gauge.totalLen);
        const QImage shot = view.grab().toImage();
        const auto at = [&](int x, int y) { return shot.pixel(x + 2, y + 2) & 0xFFFFFFu; };
        QCOMPARE(at(0, 0), 0xFF0000u);
        QCOMPARE(at(21, 10), 0xFF0000u);
        QCOMPARE(at(30, 5), UsageGauge::barColour(3) & 0xFFFFFFu);
        QCOMPARE(at(gauge.totalLen, 5), 0x000000u);
        QCOMPARE(at(805, 10), 0x000000u);

        lengths[3] = 3600; // past the full bar: message 4's segment starts at its last pixel
        lengths[4] = 100;
        const UsageGauge full = UsageGauge::compute(lengths, QStringLiteral("16"));
        project.setGauge(full.segments, full.totalLen);
        const QImage fullShot = view.grab().toImage();
        QCOMPARE(fullShot.pixel(2 + 804, 2 + 5) & 0xFFFFFFu, UsageGauge::barColour(3) & 0xFFFFFFu);
        QCOMPARE(fullShot.pixel(2 + 805, 2 + 5) & 0xFFFFFFu, 0x000000u);
    }

    void previewShowsTheImageFromTheScrolledColumn()
    {
        Project project;
        MessageImages images;
        images.canvas(4).setPixel(1000, 5, MessageCanvas::kRed);
        PreviewView view(project, images, 4, nullptr);
        QCOMPARE(view.size(), QSize(913, 36));
        view.setScroll(750);
        const QImage shot = view.grab().toImage();
        QCOMPARE(shot.pixel(2 + 250, 2 + 5) & 0xFFFFFFu, 0xFF0000u);
        QCOMPARE(shot.pixel(2 + 251, 2 + 5) & 0xFFFFFFu, 0x000000u);
    }

    void ctrlWheelZoomsThePreviewWhileTheSignsRowsFit()
    {
        Project project;
        const auto setHeight = [&](const char* dots) {
            project.editGlobals(
                [&](GlobalSettings& globals) { globals.screenHeight.setText(QLatin1String(dots)); });
        };
        setHeight("16");
        MessageImages images;
        images.canvas(1).setPixel(10, 5, MessageCanvas::kRed);
        PreviewView view(project, images, 1, nullptr);
        QSignalSpy grown(&view, &PreviewView::grown);
        const auto wheel = [&](int steps, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
            for (int i = 0; i < std::abs(steps); ++i) {
                QWheelEvent event({10, 10}, view.mapToGlobal(QPointF(10, 10)), {},
                                  {0, steps > 0 ? 120 : -120}, Qt::NoButton, modifiers, Qt::NoScrollPhase,
                                  false);
                QCoreApplication::sendEvent(&view, &event);
            }
        };
        wheel(1, Qt::NoModifier);
        QCOMPARE(view.zoom(), 1);
        wheel(1);
        // Twice as large, the sixteen rows fill the usual height; each pixel is a 2 x 2 square.
        QCOMPARE(view.zoom(), 2);
        QCOMPARE(view.height(), 36);
        const QImage shot = view.grab().toImage();
        for (const QPoint pixel : {QPoint(20, 10), QPoint(21, 11)})
            QCOMPARE(shot.pixel(pixel + QPoint(2, 2)) & 0xFFFFFFu, 0xFF0000u);
        QCOMPARE(shot.pixel(2 + 22, 2 + 10) & 0xFFFFFFu, 0x000000u);
        view.setScroll(5);
        QCOMPARE(view.grab().toImage().pixel(2 + 10, 2 + 10) & 0xFFFFFFu, 0xFF0000u);

        wheel(10);
        QCOMPARE(view.zoom(), PreviewView::kMaxZoom);
        QCOMPARE(view.height(), 16 * 4 + 4);
        QCOMPARE(grown.last().first().toInt(), 32);
        // A 32-dot sign fits twice the usual height at most.
        setHeight("32");
        QCOMPARE(view.zoom(), 2);
        QCOMPARE(view.height(), 32 * 2 + 4);
        wheel(-5);
        QCOMPARE(view.zoom(), 1);
        QCOMPARE(view.height(), 36);
        QCOMPARE(grown.last().first().toInt(), 0);
    }

    void previewRepaintsWhenItsImageChanges()
    {
        Project project;
        MessageImages images;
        PreviewView view(project, images, 2, nullptr);
        view.grab();
        images.canvas(2).setPixel(0, 0, MessageCanvas::kRed);
        images.announce(2);
        QCOMPARE(view.grab().toImage().pixel(2, 2) & 0xFFFFFFu, 0xFF0000u);
    }

    void tabsWrapIntoRows()
    {
        TabStrip tabs({"a", "b", "c", "d", "e"}, 3, nullptr);
        tabs.resize(300, 200);
        // The row of the selected tab sits next to the page.
        QCOMPARE(tabs.tabRect(3).topLeft(), QPoint(0, 0));
        QCOMPARE(tabs.tabRect(0).left(), 0);
        QCOMPARE(tabs.tabRect(0).top(), tabs.tabRect(3).bottom() + 1);
        QCOMPARE(tabs.pageArea().top(), tabs.tabRect(1).bottom() + 3);
        QVERIFY(tabs.tabRect(5).isNull());
        QSignalSpy spy(&tabs, &TabStrip::currentChanged);
        QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(4).center());
        tabs.setCurrentIndex(4);
        tabs.setCurrentIndex(7);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(tabs.currentIndex(), 4);
        QCOMPARE(tabs.tabRect(0).topLeft(), QPoint(0, 0));
        QCOMPARE(tabs.pageArea().top(), tabs.tabRect(4).bottom() + 3);
    }
};

QTEST_MAIN(TestWindowViews)
#include "tst_windowviews.moc"
