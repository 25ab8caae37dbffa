// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/bytes.h"
#include "support/controllerfixture.h"
#include "support/goldenproject.h"
#include "texts/linktexts.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Progress = QList<QPair<int, int>>;

Progress progressOf(const QSignalSpy& spy)
{
    Progress result;
    for (const QList<QVariant>& call : spy)
        result.append({call.at(0).toInt(), call.at(1).toInt()});
    return result;
}

constexpr int kHeaderStart = 7; // after "Hello32"
constexpr int kExchangeTimeoutMs = 10000;

} // namespace

// The commands and the exchanges on a line that sends at once (or never), in virtual time, with the
// operator's answers faked. The bytes on a real line are checked over a pseudo-terminal elsewhere.
class TestTransferCommands : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ControllerFixture> m_fixture;

    Project& project() { return m_fixture->controller.project(); }

    // Lengths set as the encoder leaves them, without painting.
    void setLengths(std::initializer_list<int> lengths)
    {
        int m = 0;
        for (const int length : lengths)
            project().setMsgLen(m++, length);
        project().setGauge({}, 1);
    }

    void runToEnd(const std::function<bool()>& command, bool completes = true)
    {
        QSignalSpy finished(&m_fixture->controller, &Controller::transferFinished);
        QVERIFY(command());
        QVERIFY(m_fixture->fakeLine.isOpen());
        QVERIFY(finished.wait(kExchangeTimeoutMs));
        QCOMPARE(finished.first().first().toBool(), completes);
        QVERIFY(!m_fixture->fakeLine.isOpen());
    }

private slots:
    void init()
    {
        m_fixture = std::make_unique<ControllerFixture>();
        m_fixture->ports.devices = {{"COM1", "/dev/ttyS0"}, {"COM3", "/dev/ttyUSB0"}};
        m_fixture->controller.scanPorts();
    }

    void scanSelectsTheHighestPortAboveCom2()
    {
        QCOMPARE(project().globals().port.items(), (QStringList{"COM1", "COM3"}));
        QCOMPARE(project().globals().port.text(), "COM3");
        QCOMPARE(m_fixture->controller.portDevice(), "/dev/ttyUSB0");

        m_fixture->ports.devices = {{"COM1", "a"}, {"COM2", "b"}};
        m_fixture->controller.scanPorts();
        QCOMPARE(project().globals().port.text(), "COM1");

        m_fixture->ports.devices.clear();
        m_fixture->controller.scanPorts();
        QVERIFY(project().globals().port.items().isEmpty());
        QCOMPARE(project().globals().port.text(), QString());
    }

    void portListIsTheMachinesPortsOfNow()
    {
        // A port this user may not open is listed with the reason; the usual choice is among the
        // ports that open, or with none such among the others, so that the reason shows at once.
        const QString reason = "権限がないため開けません。";
        m_fixture->ports.devices = {{"COM1", "/dev/ttyS0"}, {"COM4", "/dev/ttyUSB0"}};
        m_fixture->ports.problems = {{"COM4", reason}};
        m_fixture->controller.scanPorts();
        QCOMPARE(project().globals().port.items(), (QStringList{"COM1", "COM4"}));
        QCOMPARE(project().globals().port.text(), "COM1");
        QCOMPARE(m_fixture->controller.portProblem("COM4"), reason);
        QCOMPARE(m_fixture->controller.portProblem("COM1"), QString());
        m_fixture->ports.devices.remove("COM1");
        m_fixture->controller.scanPorts();
        QCOMPARE(project().globals().port.text(), "COM4");

        // An adapter plugged in later shows when the list is opened, the choice kept, and a
        // typed name of it works: every transfer looks again.
        m_fixture->ports.devices.insert("COM7", "/dev/ttyUSB3");
        m_fixture->controller.refreshPorts();
        QCOMPARE(project().globals().port.items(), (QStringList{"COM4", "COM7"}));
        QCOMPARE(project().globals().port.text(), "COM4");
        QVERIFY(m_fixture->fakeLine.open()); // the port in use would look busy and drop out of the list
        m_fixture->ports.devices.remove("COM7");
        m_fixture->controller.refreshPorts();
        QCOMPARE(project().globals().port.items(), (QStringList{"COM4", "COM7"}));
        m_fixture->fakeLine.close();
        m_fixture->ports.devices.insert("COM9", "/dev/ttyUSB5");
        m_fixture->controller.typeText(GlobalList::Port, "COM9");
        QVERIFY(m_fixture->controller.readComSet());
        QCOMPARE(m_fixture->fakeLine.portName, "/dev/ttyUSB5");
        QVERIFY(project().globals().port.items().contains("COM9"));

        // Device paths and network addresses stand for themselves.
        QStringList typed{"tcp://10.0.0.7:4001", "rfc2217://10.0.0.7:4001"};
#ifndef Q_OS_WIN
        typed << "/dev/ttyACM0";
#endif
        for (const QString& text : typed) {
            m_fixture->controller.typeText(GlobalList::Port, text);
            QVERIFY(m_fixture->controller.readComSet());
            QCOMPARE(m_fixture->fakeLine.portName, text);
        }
        QVERIFY(m_fixture->dialogs.told.isEmpty());
    }

    void readComSetPointsTheLineAtTheDevice()
    {
        QVERIFY(m_fixture->controller.readComSet());
        QCOMPARE(m_fixture->fakeLine.portName, "/dev/ttyUSB0");
        QVERIFY(!m_fixture->fakeLine.isOpen());
        QVERIFY(m_fixture->dialogs.told.isEmpty());
    }

    void readComSetRejectsOtherNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("lower case") << "com7";
        QTest::newRow("leading blank") << " COM7";
        QTest::newRow("leading zero") << "COM07";
        QTest::newRow("above 32") << "COM33";
        QTest::newRow("empty") << "";
    }
    void readComSetRejectsOtherNames()
    {
        QFETCH(QString, name);
        m_fixture->controller.typeText(GlobalList::Port, name);
        m_fixture->fakeLine.portName = "untouched";
        QVERIFY(!m_fixture->controller.readComSet());
        QCOMPARE(m_fixture->fakeLine.portName, "untouched");
        QCOMPARE(m_fixture->dialogs.told.size(), 1);
        QCOMPARE(m_fixture->dialogs.told.first().title, "エラー発生");
        QCOMPARE(m_fixture->dialogs.told.first().text, "接続端子位地設定エラー!");
    }

    void badPortNameStopsBothCommands()
    {
        setLengths({16});
        m_fixture->controller.typeText(GlobalList::Port, "com7");
        QSignalSpy opened(&m_fixture->fakeLine, &SerialLine::openChanged);
        QVERIFY(!m_fixture->controller.send());
        QVERIFY(!m_fixture->controller.sendClock());
        QCOMPARE(opened.size(), 0);
        QCOMPARE(m_fixture->dialogs.told.size(), 2);
        QCOMPARE(m_fixture->dialogs.told.last().text, "接続端子位地設定エラー!");
    }

    void emptyProjectIsNotSentButTheClockIs()
    {
        QSignalSpy opened(&m_fixture->fakeLine, &SerialLine::openChanged);
        QVERIFY(!m_fixture->controller.send());
        QCOMPARE(opened.size(), 0);
        QCOMPARE(m_fixture->dialogs.told.size(), 1);
        QCOMPARE(m_fixture->dialogs.told.first().title, "注意");
        QCOMPARE(m_fixture->dialogs.told.first().text, "テキストなし! 転送しない!");
        runToEnd([this] { return m_fixture->controller.sendClock(); });

        // A text typed but never adopted is the usual reason; the refusal says so.
        m_fixture->controller.setMessageText(3, "SALE\r\n");
        QVERIFY(!m_fixture->controller.send());
        QCOMPARE(
            m_fixture->dialogs.told.last().text,
            "テキストなし! 転送しない!\n入力したテキストは「テキスト採用」を押してから転送してください。");
    }

    void busyLineRefusesBothCommands()
    {
        setLengths({16});
        QVERIFY(m_fixture->fakeLine.open());
        QVERIFY(m_fixture->controller.transferInProgress());
        QVERIFY(!m_fixture->controller.send());
        QVERIFY(!m_fixture->controller.sendClock());
        QCOMPARE(m_fixture->dialogs.told.size(), 2);
        for (const FakeDialogs::Shown& shown : m_fixture->dialogs.told) {
            QCOMPARE(shown.title, "少待");
            QCOMPARE(shown.text, "現在転送中。");
        }
        QVERIFY(m_fixture->fakeLine.written.isEmpty());
    }

    void clockSetSendsSixteenBytes()
    {
        m_fixture->clock.time = QTime(7, 5, 9);
        QSignalSpy progress(&m_fixture->controller, &Controller::clockProgressChanged);
        const qint64 start = m_fixture->time.elapsedMs();
        runToEnd([this] { return m_fixture->controller.sendClock(); });
        QCOMPARE(m_fixture->time.elapsedMs() - start, 3 * 200);
        QCOMPARE(m_fixture->fakeLine.written,
                 QByteArray("HelloC2") + bytes({0x09, 0x05, 0x07, 0x03, 0xE7, 0x07, 0x00, 0x13, 0x80}));
        QCOMPARE(progressOf(progress), (Progress{{4, 1}, {4, 2}, {4, 3}, {4, 4}, {4, 0}}));
        QVERIFY(m_fixture->dialogs.told.isEmpty());
    }

    void clockSetReadsTheScheduleLast()
    {
        QSignalSpy progress(&m_fixture->controller, &Controller::clockProgressChanged);
        connect(&m_fixture->controller, &Controller::clockProgressChanged, this, [this](int, int value) {
            if (value == 3) {
                m_fixture->controller.setCountdownDays("12");
                m_fixture->controller.setWorkTimeEnabled(false);
            }
        });
        runToEnd([this] { return m_fixture->controller.sendClock(); });
        QCOMPARE(m_fixture->fakeLine.written.mid(10), bytes({0x00, 0x0C, 0x07, 0x00, 0x13, 0x00}));
    }

    void uploadOfTheWorkedExample()
    {
        setLengths({16});
        for (int row = 0; row < 16; ++row) {
            for (int col = 0; col < 16; ++col)
                project().dispData().set(col, row, 0, static_cast<std::uint8_t>(16 * row + col));
        }
        QSignalSpy progress(&m_fixture->controller, &Controller::uploadProgressChanged);
        const qint64 start = m_fixture->time.elapsedMs();
        runToEnd([this] { return m_fixture->controller.send(); });
        QCOMPARE(m_fixture->time.elapsedMs() - start, 3 * 1000 + 300); // a line that takes its bytes at once

        QByteArray expected = "Hello32";
        expected +=
            bytes({0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x10, 0x11, 0x04, 0x09, 0x11, 0x05, 0xFF, 0xFF, 0xFF});
        expected += QByteArray(16, '\x30') + bytes({0x00, 0x00, 0x00, 0x10});
        for (int m = 1; m < kMessageCount; ++m)
            expected += bytes({0x00, 0x10, 0x00, 0x00});
        for (int i = 0; i < 256; ++i)
            expected.append(static_cast<char>(i));
        QCOMPARE(m_fixture->fakeLine.written, expected);

        Progress steps{{19, 1}, {19, 2}, {19, 3}};
        for (int row = 0; row < 16; ++row)
            steps.append({19, row + 4});
        steps.append({19, 0});
        QCOMPARE(progressOf(progress), steps);
    }

    void headerIsBuiltAfterTheHandshake()
    {
        setLengths({16});
        connect(&m_fixture->controller, &Controller::uploadProgressChanged, this, [this](int, int value) {
            if (value == 2) // a second into the handshake
                m_fixture->controller.typeText(GlobalList::Brightness, "1");
        });
        runToEnd([this] { return m_fixture->controller.send(); });
        QCOMPARE(static_cast<std::uint8_t>(m_fixture->fakeLine.written.at(kHeaderStart + 2)), 3);
    }

    void rowsAreReadWhenSentWithTheHeadersLengths()
    {
        setLengths({16});
        connect(&m_fixture->controller, &Controller::uploadProgressChanged, this, [this](int, int value) {
            if (value == 4 + 5) { // row 5 is next: new bytes, and a length the card was not told
                project().dispData().set(0, 5, 0, 0xAB);
                project().dispData().set(0, 4, 0, 0xCD);
                project().setMsgLen(0, 40);
            }
        });
        runToEnd([this] { return m_fixture->controller.send(); });
        const qsizetype rows = kHeaderStart + 95;
        QCOMPARE(m_fixture->fakeLine.written.size(), rows + 16 * 16);
        QCOMPARE(static_cast<std::uint8_t>(m_fixture->fakeLine.written.at(rows + 4 * 16)), 0);
        QCOMPARE(static_cast<std::uint8_t>(m_fixture->fakeLine.written.at(rows + 5 * 16)), 0xAB);
    }

    void overfullUploadAsksAndKeepsTheProjectLengths()
    {
        setLengths({2047, 2047, 5});
        QSignalSpy opened(&m_fixture->fakeLine, &SerialLine::openChanged);
        QVERIFY(!m_fixture->controller.send()); // the operator answers No
        QCOMPARE(opened.size(), 0);
        QCOMPARE(m_fixture->dialogs.questions.size(), 1);
        QCOMPARE(m_fixture->dialogs.questions.first().title, "警告");
        QCOMPARE(m_fixture->dialogs.questions.first().text, "表示データがカードのメモリに入りきりません。\n"
                                                            "短く切られる表示：表示 1\n"
                                                            "送られない表示：表示 2\n"
                                                            "このまま転送しますか？");

        // Going on sends exactly what fits, as the card has always been sent.
        m_fixture->dialogs.yesNoAnswers = {true, true};
        runToEnd([this] { return m_fixture->controller.send(); });
        const QByteArray header = m_fixture->fakeLine.written.mid(kHeaderStart, 95);
        QCOMPARE(header.mid(5, 2), bytes({0x0E, 0x00}));
        QCOMPARE(header.mid(33, 2), bytes({0x07, 0xFF}));
        QCOMPARE(header.mid(37, 2), bytes({0x06, 0x01}));
        QCOMPARE(header.mid(41, 2), bytes({0x00, 0x00}));
        QCOMPARE(m_fixture->fakeLine.written.size(), 7 + 95 + 16 * 3584);
        QCOMPARE(project().msgLen()[1], 2047);
        QCOMPARE(project().msgLen()[2], 5);

        // A later 32-dot upload still offers the card everything the messages hold.
        m_fixture->fakeLine.written.clear();
        m_fixture->controller.chooseEntry(GlobalList::ScreenHeight, 1);
        runToEnd([this] { return m_fixture->controller.send(); });
        QCOMPARE(m_fixture->fakeLine.written.mid(kHeaderStart + 33, 2), bytes({0x07, 0x00})); // 1792
        QCOMPARE(m_fixture->fakeLine.written.size(), 7 + 95 + 32 * 1792);
    }

    void singleAlternationBoxIsNoGroup()
    {
        setLengths({16});
        m_fixture->controller.setAltTicked(4, true);
        m_fixture->controller.findAltGroup();
        QCOMPARE(project().altMsgNum(), 1);
        runToEnd([this] { return m_fixture->controller.send(); });
        QCOMPARE(m_fixture->fakeLine.written.mid(kHeaderStart + 3, 2), bytes({0, 0}));
        QCOMPARE(project().altBeginMsg(), 0);
        QCOMPARE(project().altMsgNum(), 0);
    }

    void alternationGroupIsSent()
    {
        setLengths({16});
        m_fixture->controller.setAltTicked(2, true);
        m_fixture->controller.setAltTicked(3, true);
        runToEnd([this] { return m_fixture->controller.send(); });
        QCOMPARE(m_fixture->fakeLine.written.mid(kHeaderStart + 3, 2), bytes({2, 2}));
    }

    void secondTransferWhileBusyIsRefused()
    {
        setLengths({16});
        QSignalSpy finished(&m_fixture->controller, &Controller::transferFinished);
        QVERIFY(m_fixture->controller.send());
        QVERIFY(!m_fixture->controller.send());
        QVERIFY(!m_fixture->controller.sendClock());
        QCOMPARE(m_fixture->dialogs.told.size(), 2);
        QCOMPARE(m_fixture->dialogs.told.first().text, "現在転送中。");
        QVERIFY(finished.wait(kExchangeTimeoutMs));
        QVERIFY(finished.first().first().toBool());
        QCOMPARE(m_fixture->fakeLine.written.size(), 7 + 95 + 16 * 16);
    }

    void stalledLineGivesUp()
    {
        m_fixture->fakeLine.queued = 100;
        const qint64 start = m_fixture->time.elapsedMs();
        runToEnd([this] { return m_fixture->controller.sendClock(); }, false);
        // The time frame went out but never left: the schedule never follows.
        QCOMPARE(m_fixture->fakeLine.written.size(), 10);
        QVERIFY(m_fixture->time.elapsedMs() - start >= 2000);
        QCOMPARE(m_fixture->dialogs.told.size(), 1);
        QCOMPARE(m_fixture->dialogs.told.first().title, "エラー発生");
        QCOMPARE(m_fixture->dialogs.told.first().text, LinkTexts::lineStalled());
        QCOMPARE(m_fixture->dialogs.told.first().detail, "COM3 (/dev/ttyUSB0)");
        QCOMPARE(m_fixture->controller.transferStatus(),
                 "時計を設定できませんでした：" + LinkTexts::lineStalled() + "（2.3 秒）");
    }

    void brokenLineStopsTheUpload()
    {
        setLengths({16});
        connect(&m_fixture->controller, &Controller::uploadProgressChanged, this, [this](int, int value) {
            if (value == 2)
                emit m_fixture->fakeLine.failed("device gone");
        });
        const qint64 start = m_fixture->time.elapsedMs();
        runToEnd([this] { return m_fixture->controller.send(); }, false);
        QVERIFY(m_fixture->time.elapsedMs() - start < 2000);
        QCOMPARE(m_fixture->fakeLine.written, QByteArray("Hello32"));
        QCOMPARE(m_fixture->dialogs.told.size(), 1);
        QCOMPARE(m_fixture->dialogs.told.first().title, "エラー発生");
        QCOMPARE(m_fixture->dialogs.told.first().text, LinkTexts::lineFailed());
    }

    void abortClosesTheLineAtOnce()
    {
        setLengths({16});
        QSignalSpy finished(&m_fixture->controller, &Controller::transferFinished);
        QVERIFY(m_fixture->controller.send());
        m_fixture->controller.abortTransfer();
        QVERIFY(!m_fixture->controller.transferInProgress());
        QVERIFY(finished.wait(1000));
        QVERIFY(!finished.first().first().toBool());
        QCOMPARE(m_fixture->fakeLine.written, QByteArray("Hello32"));
        QVERIFY(m_fixture->dialogs.told.isEmpty());

        // The line is free again for the next command.
        runToEnd([this] { return m_fixture->controller.sendClock(); });
    }

    void statusTellsTheTimeLeftAndHowItEnded()
    {
        setLengths({16});
        QSignalSpy status(&m_fixture->controller, &Controller::transferStatusChanged);
        runToEnd([this] { return m_fixture->controller.send(); });
        runToEnd([this] { return m_fixture->controller.sendClock(); });
        QStringList texts;
        for (const QList<QVariant>& change : status)
            texts << change.first().toString();
        // 358 bytes take 0.37 s of line time besides the 3.3 s of waiting; the clock set keeps the
        // card's 3 s after the upload before its own 0.6 s.
        QCOMPARE(texts, (QStringList{"転送中… 残り約 4 秒", "転送中… 残り約 3 秒", "転送中… 残り約 2 秒",
                                     "転送中… 残り約 1 秒", "転送完了（3.3 秒）", "時計を設定中…",
                                     "時計の設定完了（3.6 秒）"}));

        // What it says concerns the project sent: another one loaded clears it.
        const QTemporaryDir dir;
        QVERIFY(m_fixture->settings.loadFrom(copyGoldenProject(dir.path())));
        QCOMPARE(m_fixture->controller.transferStatus(), QString());
        QCOMPARE(status.last().first().toString(), QString());
    }

    // A greeting that comes while the card still waits to see whether 16 more rows follow is
    // taken as row data: the next exchange on the same port, by any of its names, waits.
    void nextExchangeOnThePortWaitsForTheCard_data()
    {
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("clockSetMs");
        QTest::newRow("same name") << "COM3" << 3000 + 600;
        QTest::newRow("same device by its path") << "/dev/ttyUSB0" << 3000 + 600;
        QTest::newRow("another port") << "COM1" << 600;
    }
    void nextExchangeOnThePortWaitsForTheCard()
    {
        QFETCH(QString, second);
        QFETCH(int, clockSetMs);
#ifdef Q_OS_WIN
        if (second.startsWith(u'/'))
            QSKIP("device paths are Unix's");
#endif
        setLengths({16});
        runToEnd([this] { return m_fixture->controller.send(); });
        m_fixture->controller.typeText(GlobalList::Port, second);
        const qint64 start = m_fixture->time.elapsedMs();
        runToEnd([this] { return m_fixture->controller.sendClock(); });
        QCOMPARE(m_fixture->time.elapsedMs() - start, clockSetMs);
        QVERIFY(m_fixture->fakeLine.written.endsWith(bytes({0x00, 0x13, 0x80})));
    }

    void clockDisplay()
    {
        m_fixture->clock.time = QTime(7, 5, 59);
        QCOMPARE(m_fixture->controller.timeText(), "07:05");
        m_fixture->clock.time = QTime(23, 59, 0);
        QCOMPARE(m_fixture->controller.timeText(), "23:59");
    }
};

QTEST_GUILESS_MAIN(TestTransferCommands)
#include "tst_transfercommands.moc"
