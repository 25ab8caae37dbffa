// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/editablelist.h"
#include "model/listitems.h"
#include "model/project.h"

#include <QSignalSpy>
#include <QTest>

class TestProject : public QObject {
    Q_OBJECT

private slots:
    void startUpGlobals()
    {
        Project project;
        const GlobalSettings& g = project.globals();
        QCOMPARE(g.screenWidth.text(), "16");
        QCOMPARE(g.screenWidth.index(), 3);
        QCOMPARE(g.screenHeight.text(), "16");
        QCOMPARE(g.brightness.text(), "4");
        QCOMPARE(g.clockMessage.text(), "None");
        QCOMPARE(g.hourPosition.index(), 4);
        QCOMPARE(g.minutePosition.index(), 9);
        QCOMPARE(g.daysPosition.text(), "5");
        QCOMPARE(g.countdownDays, "999");
        QVERIFY(g.showMarks);
        QCOMPARE(project.workTime().start, 420);
        QCOMPARE(project.workTime().end, 1140);
        QCOMPARE(project.workTime().startText, "07:00");
        QVERIFY(project.workTime().enabled);
        QVERIFY(!project.modified());
        QCOMPARE(project.curMsg(), 0);
        QCOMPARE(project.totalLen(), 0);
    }

    void startUpMessages()
    {
        Project project;
        for (int m = 0; m < kMessageCount; ++m) {
            const MessageSettings& message = project.message(m);
            QCOMPARE(message.text, QStringLiteral("Message%1\r\n").arg(m));
            QCOMPARE(message.fontName, "System");
            QCOMPARE(message.fontSize.text(), "12");
            QCOMPARE(message.mode.index(), 0);
            QCOMPARE(message.speed.text(), "4");
            QCOMPARE(message.topAdj, "0");
            QCOMPARE(message.mode.items().size(), m == 0 ? 8 : 7);
            QVERIFY(!project.altBoxes()[m].ticked);
            QVERIFY(project.altBoxes()[m].enabled);
        }
    }

    void displayDataLayout()
    {
        Project project;
        QCOMPARE(project.dispData().bytes().size(), std::size_t(1048064));
        QCOMPARE(DisplayData::offset(2, 7, 4), std::size_t(2 + 2047 * 7 + 65504 * 4));
        project.dispData().set(2046, 31, 15, 0x01);
        QCOMPARE(project.dispData().bytes().back(), std::uint8_t(0x01));
    }

    void positionListHoldsBothForms()
    {
        const QStringList& positions = ListItems::markPositions();
        QCOMPARE(positions.size(), 356);
        QCOMPARE(positions.at(5), "5");
        QCOMPARE(positions.at(105), "05");
        QCOMPARE(positions.at(200), "100");
        QCOMPARE(positions.last(), "255");
        QCOMPARE(ListItems::screenWidths().last(), "64");
        QCOMPARE(ListItems::fontSizes().size(), 20);
    }

    void editableListKeepsTextAndIndex()
    {
        EditableList list(ListItems::screenHeights(), 0);
        list.setText(QStringLiteral("32"));
        QCOMPARE(list.index(), 1);
        list.setText(QStringLiteral("24"));
        QCOMPARE(list.index(), -1);
        QCOMPARE(list.text(), "24");
        list.setIndex(7);
        QCOMPARE(list.index(), -1);
        QCOMPARE(list.text(), "");
        list.setIndex(-5);
        QCOMPARE(list.index(), -1);
    }

    void editableListItemsReplacedKeepText()
    {
        EditableList fonts({QStringLiteral("A"), QStringLiteral("B")}, 1);
        fonts.setItems({QStringLiteral("B"), QStringLiteral("C")});
        QCOMPARE(fonts.text(), "B");
        QCOMPARE(fonts.index(), 0);
    }

    void changesAreAnnounced()
    {
        Project project;
        QSignalSpy messageSpy(&project, &Project::messageChanged);
        QSignalSpy modifiedSpy(&project, &Project::modifiedChanged);
        project.editMessage(3, [](MessageSettings& message) { message.bold = true; });
        QCOMPARE(messageSpy.size(), 1);
        QCOMPARE(messageSpy.at(0).at(0).toInt(), 3);
        project.setModified(true);
        project.setModified(true);
        QCOMPARE(modifiedSpy.size(), 1);
    }

    void curMsgStaysInRange()
    {
        Project project;
        project.setCurMsg(16);
        project.setCurMsg(-1);
        QCOMPARE(project.curMsg(), 0);
        project.setCurMsg(15);
        QCOMPARE(project.curMsg(), 15);
    }
};

QTEST_GUILESS_MAIN(TestProject)
#include "tst_project.moc"
