// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/controllerfixture.h"

#include <QSignalSpy>
#include <QTest>

class TestController : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ControllerFixture> m_fixture;

    Project& project() { return m_fixture->controller.project(); }

private slots:
    void init() { m_fixture = std::make_unique<ControllerFixture>(); }

    void changesThatMarkTheProject_data()
    {
        QTest::addColumn<std::function<void(Controller&)>>("change");
        QTest::addColumn<bool>("marks");
        using F = std::function<void(Controller&)>;
        QTest::newRow("message text") << F([](Controller& c) { c.setMessageText(2, "abc"); }) << true;
        QTest::newRow("same message text")
            << F([](Controller& c) { c.setMessageText(2, "Message2\r\n"); }) << false;
        QTest::newRow("height typed")
            << F([](Controller& c) { c.typeText(GlobalList::ScreenHeight, "32"); }) << true;
        QTest::newRow("height chosen")
            << F([](Controller& c) { c.chooseEntry(GlobalList::ScreenHeight, 1); }) << true;
        QTest::newRow("brightness typed")
            << F([](Controller& c) { c.typeText(GlobalList::Brightness, "2"); }) << false;
        QTest::newRow("width typed") << F([](Controller& c) { c.typeText(GlobalList::ScreenWidth, "20"); })
                                     << true;
        QTest::newRow("port typed") << F([](Controller& c) { c.typeText(GlobalList::Port, "COM9"); })
                                    << false;
        QTest::newRow("clock message")
            << F([](Controller& c) { c.chooseEntry(GlobalList::ClockMessage, 3); }) << true;
        QTest::newRow("hour position")
            << F([](Controller& c) { c.chooseEntry(GlobalList::HourPosition, 7); }) << true;
        QTest::newRow("days position")
            << F([](Controller& c) { c.chooseEntry(GlobalList::DaysPosition, 7); }) << true;
        QTest::newRow("work switch") << F([](Controller& c) { c.setWorkTimeEnabled(false); }) << true;
        QTest::newRow("start minutes") << F([](Controller& c) { c.setStartMinutes(421); }) << true;
        QTest::newRow("screen width")
            << F([](Controller& c) { c.chooseEntry(GlobalList::ScreenWidth, 0); }) << true;
        QTest::newRow("mode of message 0")
            << F([](Controller& c) { c.chooseEntry(0, MessageList::Mode, 2); }) << true;
        QTest::newRow("mode of message 5")
            << F([](Controller& c) { c.chooseEntry(5, MessageList::Mode, 5); }) << true;
        QTest::newRow("font name") << F([](Controller& c) { c.setFontName(1, "IPAGothic"); }) << true;
        QTest::newRow("font size") << F([](Controller& c) { c.chooseEntry(1, MessageList::FontSize, 9); })
                                   << true;
        QTest::newRow("bold") << F([](Controller& c) { c.setBold(1, true); }) << true;
        QTest::newRow("speed") << F([](Controller& c) { c.chooseEntry(1, MessageList::Speed, 0); }) << true;
        QTest::newRow("flash") << F([](Controller& c) { c.setFlash(1, true); }) << true;
        QTest::newRow("loop lamp") << F([](Controller& c) { c.setLoopLamp(1, true); }) << true;
        QTest::newRow("adjust bar") << F([](Controller& c) { c.setAdjustBar(1, 3); }) << true;
        QTest::newRow("top adjust typed") << F([](Controller& c) { c.setTopAdjText(1, "-2"); }) << true;
        QTest::newRow("same speed") << F([](Controller& c) { c.chooseEntry(1, MessageList::Speed, 3); })
                                    << false;
        QTest::newRow("scroll") << F([](Controller& c) { c.setScroll(1, 750); }) << false;
        QTest::newRow("countdown days") << F([](Controller& c) { c.setCountdownDays("12"); }) << true;
        QTest::newRow("same countdown days") << F([](Controller& c) { c.setCountdownDays("999"); }) << false;
        QTest::newRow("port") << F([](Controller& c) { c.chooseEntry(GlobalList::Port, 2); }) << false;
        QTest::newRow("alternation") << F([](Controller& c) { c.setAltTicked(3, true); }) << false;
        QTest::newRow("typing a time") << F([](Controller& c) { c.editStartTimeText("08:00"); }) << false;
        QTest::newRow("typed time already set") << F([](Controller& c) {
            c.editStartTimeText("7:00");
            c.finishStartTimeText();
        }) << false;
    }
    void changesThatMarkTheProject()
    {
        QFETCH(std::function<void(Controller&)>, change);
        QFETCH(bool, marks);
        QVERIFY(!project().modified());
        change(m_fixture->controller);
        QCOMPARE(project().modified(), marks);
    }

    void tabsMoveTheCurrentMessage()
    {
        QSignalSpy spy(&project(), &Project::currentMessageChanged);
        m_fixture->controller.selectTab(0);
        QCOMPARE(spy.size(), 0);
        m_fixture->controller.selectTab(15);
        QCOMPARE(project().curMsg(), 15);
        m_fixture->controller.selectTab(16);
        m_fixture->controller.selectTab(-1);
        QCOMPARE(project().curMsg(), 15);
        QCOMPARE(m_fixture->controller.selectedTab(), 15);
        QVERIFY(!project().modified());
    }

    void widthChoiceReencodesMessageZeroAndRestoresThePage()
    {
        m_fixture->controller.selectTab(2);
        // unrounded length 33
        m_fixture->controller.images().canvas(0).setPixel(32 * 8, 4, MessageCanvas::kRed);
        m_fixture->controller.chooseEntry(0, MessageList::Mode, kAnimationMode);
        m_fixture->controller.chooseEntry(GlobalList::ScreenWidth, 3); // "16"
        QCOMPARE(project().msgLen()[0], 48);
        m_fixture->controller.chooseEntry(GlobalList::ScreenWidth, 2); // "12"
        QCOMPARE(project().msgLen()[0], 36);
        QCOMPARE(project().curMsg(), 2);

        m_fixture->controller.selectTab(0);
        m_fixture->controller.chooseEntry(0, MessageList::Mode, 0);
        QCOMPARE(project().msgLen()[0], 33);
    }

    void adjustBarWritesItsTextAndStaysInRange()
    {
        m_fixture->controller.setTopAdjText(4, "5");
        m_fixture->controller.setAdjustBar(4, -30);
        QCOMPARE(project().message(4).adjustBar, -10);
        QCOMPARE(project().message(4).topAdj, "-10");
        m_fixture->controller.setTopAdjText(4, "abc");
        m_fixture->controller.setAdjustBar(4, -10); // no change of value: the typed text stays
        QCOMPARE(project().message(4).topAdj, "abc");
    }

    void scrollStaysInRange()
    {
        m_fixture->controller.setScroll(0, 20000);
        QCOMPARE(project().message(0).scroll, 15467);
        m_fixture->controller.setScroll(0, -1);
        QCOMPARE(project().message(0).scroll, 0);
    }

    void listIndexOutOfRangeSelectsNothing()
    {
        m_fixture->controller.chooseEntry(GlobalList::HourPosition, 400);
        QCOMPARE(project().globals().hourPosition.index(), -1);
        m_fixture->controller.chooseEntry(3, MessageList::Mode, 7); // only message 0 has the animation mode
        QCOMPARE(project().message(3).mode.index(), -1);
        m_fixture->controller.chooseEntry(17, MessageList::Mode, 1);
        m_fixture->controller.setAltTicked(16, true);
        m_fixture->controller.setAltTicked(-1, true);
        m_fixture->controller.findAltGroup();
        QCOMPARE(project().altMsgNum(), 0);
    }

    void typedListTextKeepsItsEntryWhenItNamesOne()
    {
        m_fixture->controller.typeText(GlobalList::ScreenWidth, "20");
        QCOMPARE(project().globals().screenWidth.index(), 4);
        m_fixture->controller.typeText(2, MessageList::Speed, "9");
        QCOMPARE(project().message(2).speed.index(), -1);
        QCOMPARE(project().message(2).speed.text(), "9");
    }

    void workTimeValues()
    {
        m_fixture->controller.setStartMinutes(2000);
        QCOMPARE(project().workTime().start, 1439);
        QCOMPARE(project().workTime().startText, "23:59");
        m_fixture->controller.setEndMinutes(-5);
        QCOMPARE(project().workTime().end, 0);
        QCOMPARE(project().workTime().endText, "00:00");
    }

    void typedTimeRule()
    {
        m_fixture->controller.editEndTimeText("9:75");
        m_fixture->controller.finishEndTimeText();
        QCOMPARE(project().workTime().end, 1140);
        QCOMPARE(project().workTime().endText, "19:00");
        QVERIFY(!project().modified());

        m_fixture->controller.editEndTimeText(" 9:05");
        m_fixture->controller.finishEndTimeText();
        QCOMPARE(project().workTime().end, 545);
        QCOMPARE(project().workTime().endText, "09:05");
        QVERIFY(project().modified());
    }

    void switchKeepsTheValues()
    {
        m_fixture->controller.setWorkTimeEnabled(false);
        QVERIFY(!project().workTime().enabled);
        QCOMPARE(project().workTime().start, 420);
        QCOMPARE(project().workTime().end, 1140);
    }

    void altGroupThroughTheController()
    {
        for (int m : {3, 4, 5, 9})
            m_fixture->controller.setAltTicked(m, true);
        m_fixture->controller.findAltGroup();
        QCOMPARE(project().altBeginMsg(), 3);
        QCOMPARE(project().altMsgNum(), 3);
        QVERIFY(!project().altBoxes()[9].ticked);
        QVERIFY(!project().altBoxes()[7].enabled);
    }
};

QTEST_GUILESS_MAIN(TestController)
#include "tst_controller.moc"
