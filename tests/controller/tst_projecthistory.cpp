// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/projecthistory.h"
#include "support/controllerfixture.h"
#include "support/goldenproject.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using Change = std::function<void(Controller&, const QString& folder)>;
Q_DECLARE_METATYPE(Change)

class TestProjectHistory : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // Every change of the project is one step: undone, the project is as before and unchanged;
    // redone, as after and changed again.
    static void checkUndoRedo(ControllerFixture& fixture, ProjectHistory& history, const Change& change,
                              const QString& folder)
    {
        Controller& controller = fixture.controller;
        const ProjectState before = controller.state();
        change(controller, folder);
        history.recordNow();
        const ProjectState after = controller.state();
        QVERIFY(!after.differences(before).isEmpty());
        QVERIFY(controller.project().modified());
        QCOMPARE(history.stack().count(), 1);

        history.undo();
        QCOMPARE(controller.state().differences(before), QStringList());
        QVERIFY(!controller.project().modified());
        history.redo();
        QCOMPARE(controller.state().differences(after), QStringList());
        QVERIFY(controller.project().modified());
    }

private slots:
    void everyChangeUndoes_data()
    {
        QTest::addColumn<Change>("change");
        QTest::newRow("text adopted") << Change([](Controller& c, const QString&) {
            c.setMessageText(0, QStringLiteral("Sale"));
            c.adoptText();
        });
        QTest::newRow("picture imported") << Change([](Controller& c, const QString& folder) {
            QImage picture(40, 16, QImage::Format_RGB32);
            picture.fill(Qt::red);
            const QString path = folder + QStringLiteral("/red.bmp");
            QVERIFY(picture.save(path));
            QVERIFY(c.importPictureFrom(path));
        });
        QTest::newRow("show mode") << Change(
            [](Controller& c, const QString&) { c.chooseEntry(3, MessageList::Mode, 4); });
        QTest::newRow("bold") << Change([](Controller& c, const QString&) { c.setBold(2, true); });
        QTest::newRow("sign height") << Change(
            [](Controller& c, const QString&) { c.chooseEntry(GlobalList::ScreenHeight, 1); });
        QTest::newRow("sign width") << Change(
            [](Controller& c, const QString&) { c.chooseEntry(GlobalList::ScreenWidth, 5); });
        QTest::newRow("clock message")
            << Change([](Controller& c, const QString&) { c.chooseEntry(GlobalList::ClockMessage, 2); });
        QTest::newRow("days") << Change([](Controller& c, const QString&) { c.setCountdownDays("12"); });
        QTest::newRow("work time") << Change([](Controller& c, const QString&) {
            c.editStartTimeText(QStringLiteral("8:15"));
            c.finishStartTimeText();
        });
    }
    void everyChangeUndoes()
    {
        QFETCH(Change, change);
        ControllerFixture fixture;
        fixture.controller.startUp();
        ProjectHistory history(fixture.controller);
        checkUndoRedo(fixture, history, change, m_dir.path());
    }

    void keysTypedIntoOneFieldAreOneStep()
    {
        ControllerFixture fixture;
        fixture.controller.startUp();
        ProjectHistory history(fixture.controller);
        Controller& controller = fixture.controller;
        for (const char* text : {"S", "Sa", "Sal"}) {
            controller.setMessageText(1, QString::fromLatin1(text));
            history.recordNow();
        }
        controller.setMessageText(2, QStringLiteral("other"));
        history.recordNow();
        QCOMPARE(history.stack().count(), 2);
        history.undo();
        QCOMPARE(controller.project().message(1).text, QStringLiteral("Sal"));
        history.undo();
        QCOMPARE(controller.project().message(1).text, QStringLiteral("Message1\r\n"));
        // Back where it started, the project is as saved.
        QVERIFY(!controller.project().modified());
    }

    void loadingAndSavingStartANewHistory()
    {
        ControllerFixture fixture;
        fixture.controller.startUp();
        ProjectHistory history(fixture.controller);
        Controller& controller = fixture.controller;
        for (const bool save : {true, false}) {
            controller.setBold(0, !controller.project().message(0).bold);
            history.recordNow();
            QVERIFY(save ? fixture.settings.saveTo(m_dir.filePath(QStringLiteral("saved.ini")))
                         : fixture.settings.loadFrom(copyGoldenProject(m_dir.path())));
            history.recordNow();
            QCOMPARE(history.stack().count(), 0);
            QVERIFY(!controller.project().modified());
        }
        // The port is the machine's: undo and redo leave the one chosen since.
        controller.setLoopLamp(4, true);
        history.undo();
        controller.typeText(GlobalList::Port, QStringLiteral("COM7"));
        history.redo();
        QCOMPARE(controller.project().globals().port.text(), QStringLiteral("COM7"));
        QVERIFY(controller.project().message(4).loopLamp);
    }
};

QTEST_MAIN(TestProjectHistory)
#include "tst_projecthistory.moc"
