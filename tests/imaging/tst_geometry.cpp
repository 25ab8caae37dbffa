// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagingtesthelpers.h"
#include "model/listitems.h"
#include "support/controllerfixture.h"

#include <QTest>

using namespace ImagingTest;

// Screen width, height and show modes, the preview position and the adjust bar.
class TestGeometry : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ControllerFixture> m_fixture;

    Project& project() { return m_fixture->controller.project(); }
    MessageCanvas& canvas(int m) { return m_fixture->controller.images().canvas(m); }

private slots:
    void init() { m_fixture = std::make_unique<ControllerFixture>(); }

    void widthChoiceInAnotherModeReencodesUnrounded()
    {
        canvas(0).setPixel(32 * 8, 4, MessageCanvas::kRed);
        QCOMPARE(project().msgLen()[0], 0); // drawn but not yet encoded
        m_fixture->controller.chooseEntry(GlobalList::ScreenWidth, 3);
        QCOMPARE(project().msgLen()[0], 33);
        QCOMPARE(int(byteAt(m_fixture->controller, 0, 32, 4)), 0x80);
        QVERIFY(project().modified());
    }

    void widthChoiceReadsMessageZeroWhicheverPageShows()
    {
        canvas(0).setPixel(0, 0, MessageCanvas::kRed);
        canvas(5).setPixel(0, 0, MessageCanvas::kRed);
        m_fixture->controller.selectTab(5);
        m_fixture->controller.chooseEntry(GlobalList::ScreenWidth, 1);
        QCOMPARE(project().msgLen()[0], 1);
        QCOMPARE(project().msgLen()[5], 0);
        QCOMPARE(project().curMsg(), 5);
    }

    void modeOfMessageZeroReencodesMessageZero()
    {
        // Whichever page shows (loading sets the mode with another message current), message 0
        // is the one whose rounding the mode decides.
        canvas(0).setPixel(32 * 8, 0, MessageCanvas::kRed);
        canvas(3).setPixel(0, 0, MessageCanvas::kRed);
        m_fixture->controller.selectTab(3);
        m_fixture->controller.chooseEntry(0, MessageList::Mode, kAnimationMode);
        QCOMPARE(project().msgLen()[0], 48);
        QCOMPARE(project().msgLen()[3], 0);
        QCOMPARE(project().curMsg(), 3);
        m_fixture->controller.chooseEntry(0, MessageList::Mode, 4);
        QCOMPARE(project().msgLen()[0], 33);
        // Loading walks the current message through the messages: it stays where loading put it.
        project().setCurMsg(0);
        m_fixture->controller.chooseEntry(0, MessageList::Mode, kAnimationMode);
        QCOMPARE(project().curMsg(), 0);
    }

    void modeOfAnotherMessageChangesNoData()
    {
        canvas(5).setPixel(0, 0, MessageCanvas::kRed);
        m_fixture->controller.selectTab(5);
        m_fixture->controller.chooseEntry(5, MessageList::Mode, 5);
        QCOMPARE(project().message(5).mode.text(), "積み重ね");
        QCOMPARE(project().msgLen()[5], 0);
        QCOMPARE(int(byteAt(m_fixture->controller, 5, 0, 0)), 0);
        QVERIFY(project().modified()); // the mode is kept in the project file
    }

    void onlyMessageZeroOffersAnimation()
    {
        QCOMPARE(ListItems::showModes(0).size(), 8);
        QCOMPARE(ListItems::showModes(0).at(kAnimationMode), "アニメーション");
        for (int m = 1; m < kMessageCount; ++m)
            QCOMPARE(ListItems::showModes(m).size(), 7);
        m_fixture->controller.chooseEntry(4, MessageList::Mode, kAnimationMode);
        QCOMPARE(project().message(4).mode.index(), -1);
    }

    void heightRescalesTheGaugeAtOnce()
    {
        for (int x = 0; x < 100 * 8; x += 8)
            canvas(0).setPixel(x, 0, MessageCanvas::kRed);
        m_fixture->controller.encodeMessage();
        QCOMPARE(project().totalLen(), 23);
        m_fixture->controller.chooseEntry(GlobalList::ScreenHeight, 1);
        QVERIFY(project().modified());
        QCOMPARE(project().totalLen(), 45);
        m_fixture->controller.typeText(GlobalList::ScreenHeight, "16");
        QCOMPARE(project().totalLen(), 23);
        QCOMPARE(project().msgLen()[0], 100);
    }

    void brightnessIsNoChangeOfTheProject()
    {
        m_fixture->controller.chooseEntry(GlobalList::Brightness, 1);
        QVERIFY(!project().modified());
        QCOMPARE(project().globals().brightness.text(), "2");
        QCOMPARE(project().msgLen()[0], 0);
    }

    void previewRange()
    {
        QCOMPARE(kScrollMax, 15467);
        QCOMPARE(kScrollMax + kPreviewVisibleWidth, kCanvasWidth); // the end shows the last columns
        QCOMPARE(kScrollArrowStep, 50);
        QCOMPARE(kScrollPageStep, 750);
    }

    void scrollingIsPerPageAndChangesNoData()
    {
        canvas(1).setPixel(0, 0, MessageCanvas::kRed);
        m_fixture->controller.setScroll(1, 15467);
        m_fixture->controller.setScroll(2, 750);
        m_fixture->controller.selectTab(2);
        QCOMPARE(project().message(1).scroll, 15467);
        QCOMPARE(project().message(2).scroll, 750);
        QCOMPARE(project().message(0).scroll, 0);
        QCOMPARE(project().msgLen()[1], 0);
        QVERIFY(!project().modified());
    }

    void adjustBarFeedsTheNextAdoption()
    {
        m_fixture->controller.setMessageText(0, "|");
        m_fixture->controller.setFontName(0, "IPAGothic");
        m_fixture->controller.setAdjustBar(0, 3);
        QCOMPARE(project().message(0).topAdj, "3");
        m_fixture->controller.adoptText();
        const QRect atThree = litBounds(canvas(0).image());

        m_fixture->controller.setAdjustBar(0, kAdjustMin);
        QCOMPARE(project().message(0).topAdj, "-10");
        QCOMPARE(litBounds(canvas(0).image()), atThree); // the bar alone redraws nothing
        m_fixture->controller.adoptText();
        QCOMPARE(litBounds(canvas(0).image()).top(), 0);
        QVERIFY(litBounds(canvas(0).image()).bottom() < atThree.bottom() - 12);
    }
};

QTEST_MAIN(TestGeometry)
#include "tst_geometry.moc"
