// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/imagingconstants.h"
#include "imaging/messagepainter.h"
#include "imaging/textrenderer.h"
#include "imagingtesthelpers.h"
#include "model/listitems.h"
#include "support/controllerfixture.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace ImagingTest;

class TestMarks : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ControllerFixture> m_fixture;

    Project& project() { return m_fixture->controller.project(); }
    QImage shown(int m) { return MessagePainter::composed(m_fixture->controller.images(), m); }

    static bool isMark(QRgb colour) { return (colour & 0x00FF00u) == 0x00FF00u; }
    QRect markBounds(int m, const QRect& area)
    {
        const QRect bounds = boundsOf(shown(m).copy(area), &TestMarks::isMark);
        return bounds.isEmpty() ? QRect() : bounds.translated(area.topLeft());
    }
    static int position(const QString& text) { return int(ListItems::markPositions().indexOf(text)); }
    static int message(int m) { return m + 1; } // entry 0 is "None"

    void chooseClock(int m, const QString& hour, const QString& minute)
    {
        m_fixture->controller.chooseEntry(GlobalList::HourPosition, position(hour));
        m_fixture->controller.chooseEntry(GlobalList::MinutePosition, position(minute));
        m_fixture->controller.chooseEntry(GlobalList::ClockMessage, message(m));
    }

    void adoptText(int m, const QString& text)
    {
        m_fixture->controller.selectTab(m);
        m_fixture->controller.setMessageText(m, text);
        m_fixture->controller.setFontName(m, "IPAGothic");
        m_fixture->controller.adoptText();
    }

private slots:
    void init() { m_fixture = std::make_unique<ControllerFixture>(); }

    void clockMarksOnASixteenDotSign()
    {
        QSignalSpy changed(&m_fixture->controller.images(), &MessageImages::imageChanged);
        chooseClock(0, "4", "9");
        const QImage image = shown(0);
        // Full-width "ＨＨ" and "ＭＭ" in 12 points: four byte columns each, from the top row.
        QCOMPARE(boundsOf(image, [](QRgb c) { return c != qRgb(0, 0, 0) && c != Imaging::kMarkColour; }),
                 QRect());
        const QRect hour = markBounds(0, QRect(0, 0, 68, kRows));
        const QRect minute = markBounds(0, QRect(68, 0, 100, kRows));
        QVERIFY2(hour.left() >= 32 && hour.right() < 64, qPrintable(QString::number(hour.right())));
        QVERIFY(hour.width() > 20);
        QVERIFY(minute.left() >= 72 && minute.right() < 104);
        QVERIFY(hour.top() >= 0 && hour.bottom() < 16);
        QCOMPARE(markBounds(0, QRect(0, 0, kCanvasWidth, kRows)), hour | minute);
        QVERIFY(!changed.isEmpty());
        QVERIFY(project().modified());
    }

    void clockMarksOnAThirtyTwoDotSign()
    {
        m_fixture->controller.chooseEntry(GlobalList::ScreenHeight, 1);
        chooseClock(0, "4", "9");
        const QRect hour = markBounds(0, QRect(0, 0, 68, kRows));
        const QRect minute = markBounds(0, QRect(68, 0, 100, kRows));
        QVERIFY(hour.left() >= 32 && hour.right() < 64);
        QVERIFY(minute.left() >= 72 && minute.right() < 104);
        QVERIFY2(hour.height() > 16, "half-width marks in 24 points are taller than 12-point ones");
        const auto& marks = m_fixture->controller.images().overlay(0).marks(MarkKind::Clock);
        QCOMPARE(marks.size(), 2);
        QCOMPARE(marks[0].text, "HH");
        QCOMPARE(marks[1].text, "MM");
        QCOMPARE(marks[0].points, 24.0);
    }

    void daysMarkTwoPixelsHigher()
    {
        m_fixture->controller.selectTab(2);
        m_fixture->controller.chooseEntry(GlobalList::DaysPosition, position("05"));
        m_fixture->controller.chooseEntry(GlobalList::DaysMessage, message(2));
        const auto& marks = m_fixture->controller.images().overlay(2).marks(MarkKind::Days);
        QCOMPARE(marks.size(), 1);
        QCOMPARE(marks[0].text, "ＤＤＤ");
        QCOMPARE(marks[0].topLeft, QPoint(40, -2));
        const QRect days = markBounds(2, QRect(0, 0, 200, kRows));
        QVERIFY(days.left() >= 40 && days.right() < 88);
        QVERIFY(days.bottom() < 14);

        // The same glyphs as the clock mark's cell at y = 0 would give, two rows higher.
        QImage atZero(200, kRows, QImage::Format_RGB32);
        atZero.fill(MessageCanvas::kBlack);
        QPainter painter(&atZero);
        painter.setPen(QColor::fromRgb(Imaging::kMarkColour));
        TextRenderer::drawLine(painter, "ＤＤＤ", TextRenderer::fontFor(Imaging::kMarkFont, 12, false),
                               QPoint(40, 0));
        painter.end();
        QCOMPARE(boundsOf(atZero, &TestMarks::isMark).translated(0, -2), days);
    }

    void marksNeverReachTheCanvasOrTheData()
    {
        adoptText(0, "Message0");
        const QImage canvas = m_fixture->controller.images().canvas(0).image().copy();
        const QByteArray bytes = messageBytes(m_fixture->controller, 0);
        const int length = project().msgLen()[0];
        const auto gauge = project().gauge();
        project().setModified(false);

        chooseClock(0, "4", "9");
        m_fixture->controller.chooseEntry(GlobalList::DaysMessage, message(0));
        QCOMPARE(m_fixture->controller.images().canvas(0).image(), canvas);
        QCOMPARE(messageBytes(m_fixture->controller, 0), bytes);
        QCOMPARE(project().msgLen()[0], length);
        QCOMPARE(project().gauge(), gauge);
        QVERIFY(project().modified());
    }

    void reencodingKeepsTheTextUnderTheMarks()
    {
        // Drawing marks once wiped the image, so a later mode or width change lost the text.
        adoptText(0, "Message0");
        const QByteArray bytes = messageBytes(m_fixture->controller, 0);
        chooseClock(0, "0", "4");
        m_fixture->controller.chooseEntry(0, MessageList::Mode, 4);
        QCOMPARE(messageBytes(m_fixture->controller, 0), bytes);
        m_fixture->controller.chooseEntry(GlobalList::ScreenWidth, 0);
        QCOMPARE(messageBytes(m_fixture->controller, 0), bytes);
        // Where a mark covers the text, the text's pixels stay lit in what is shown.
        QCOMPARE(litCount(shown(0)), litCount(m_fixture->controller.images().canvas(0).image()));
    }

    void eachDrawingReplacesItsOwnKindOnly()
    {
        chooseClock(0, "4", "9");
        m_fixture->controller.chooseEntry(GlobalList::DaysPosition, position("50"));
        m_fixture->controller.chooseEntry(GlobalList::DaysMessage, message(0));
        chooseClock(0, "20", "25");
        QCOMPARE(markBounds(0, QRect(32, 0, 72, kRows)), QRect()); // no stale clock mark
        QVERIFY(!markBounds(0, QRect(160, 0, 104, kRows)).isEmpty());
        QVERIFY(!markBounds(0, QRect(400, 0, 48, kRows)).isEmpty());
        QCOMPARE(m_fixture->controller.images().overlay(0).marks(MarkKind::Days).size(), 1);
        QCOMPARE(m_fixture->controller.images().overlay(0).marks(MarkKind::Clock)[0].topLeft, QPoint(160, 0));
    }

    void marksFollowTheProject()
    {
        const auto overlay = [this](int m) -> const MarkOverlay& {
            return m_fixture->controller.images().overlay(m);
        };
        // Chosen while page 0 shows, the marks are there when their pages open.
        chooseClock(3, "4", "9");
        m_fixture->controller.chooseEntry(GlobalList::DaysMessage, message(5));
        QCOMPARE(overlay(3).marks(MarkKind::Clock).size(), 2);
        QCOMPARE(overlay(5).marks(MarkKind::Days).size(), 1);
        m_fixture->controller.chooseEntry(GlobalList::ClockMessage, message(4));
        QVERIFY(overlay(3).isEmpty());
        QCOMPARE(overlay(4).marks(MarkKind::Clock).size(), 2);
        m_fixture->controller.chooseEntry(GlobalList::DaysMessage, 0);
        QVERIFY(overlay(5).isEmpty());

        // A loaded project whose choices are "None" keeps no mark of the project before.
        m_fixture->controller.chooseEntry(GlobalList::DaysMessage, message(5));
        QTemporaryDir dir;
        ControllerFixture none;
        QVERIFY(none.settings.saveTo(dir.filePath("none.ini")));
        QVERIFY(m_fixture->settings.loadFrom(dir.filePath("none.ini")));
        for (int m = 0; m < kMessageCount; ++m)
            QVERIFY2(overlay(m).isEmpty(), qPrintable(QString::number(m)));
    }

    void untickedSwitchOnlyMarksTheProject()
    {
        m_fixture->controller.setShowMarks(false);
        chooseClock(0, "4", "9");
        QVERIFY(project().modified());
        QVERIFY(m_fixture->controller.images().overlay(0).isEmpty());
    }

    void pictureStaysUnderTheMarks()
    {
        QImage picture(64, 32, QImage::Format_RGB32);
        picture.fill(qRgb(0, 0, 255));
        MessageCanvas& canvas = m_fixture->controller.images().canvas(0);
        canvas.setBackground(picture);
        canvas.clear();
        chooseClock(0, "4", "9");
        QVERIFY(canvas.hasBackground());
        QCOMPARE(canvas.pixel(40, 20), qRgb(0, 0, 255));
        QCOMPARE(shown(0).pixel(2, 2), qRgb(0, 0, 255));
        QVERIFY(!markBounds(0, QRect(32, 0, 32, kRows)).isEmpty());
    }

    void adoptingOrImportingRemovesTheMarks()
    {
        chooseClock(0, "4", "9");
        adoptText(0, "x");
        QVERIFY(m_fixture->controller.images().overlay(0).isEmpty());
        chooseClock(0, "4", "9");
        QVERIFY(!m_fixture->controller.images().overlay(0).isEmpty());
        QVERIFY(!m_fixture->controller.importPictureFrom(QStringLiteral("/nonexistent/picture.bmp")));
        QVERIFY(!m_fixture->controller.images().overlay(0).isEmpty()); // a failed import changes nothing
    }

    void paintingARegionMatchesTheWholePicture()
    {
        adoptText(0, "Message0 東京");
        chooseClock(0, "4", "9");
        const QRect region(50, 0, 909, kRows);
        QImage preview(region.size(), QImage::Format_RGB32);
        QPainter painter(&preview);
        MessagePainter::paint(painter, m_fixture->controller.images(), 0, region);
        painter.end();
        QCOMPARE(preview, shown(0).copy(region));
    }
};

QTEST_MAIN(TestMarks)
#include "tst_marks.moc"
