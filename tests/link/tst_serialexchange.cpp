// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardreader.h"
#include "controller/controller.h"
#include "dialogs/linktexts.h"
#include "link/serialportline.h"
#include "ptypair.h"
#include "support/fakeclock.h"
#include "support/fakedialogs.h"
#include "support/fakeportcatalogue.h"

#include <QSerialPort>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr qsizetype kHelloSize = 7;
constexpr qsizetype kHeaderSize = 95;
constexpr int kRowBytes = 16;
constexpr int kRows16 = 16;
constexpr int kTimeoutMs = 15000;
// Scheduling on a loaded machine may delay a byte's arrival, never bring it forward.
constexpr qint64 kEarlyToleranceMs = 100;
constexpr qint64 kLateToleranceMs = 1500;

} // namespace

// The real serial code over a pseudo-terminal, with the card's side read by an independent reader
// that notes when each byte arrives.
class TestSerialExchange : public QObject {
    Q_OBJECT

private:
    FakeDialogs m_dialogs;
    FakePortCatalogue m_ports;
    FakeClock m_clock;
    std::unique_ptr<PtyPair> m_pty;
    std::unique_ptr<SerialPortLine> m_line;
    std::unique_ptr<Controller> m_controller;
    std::unique_ptr<CardReader> m_card;

    Project& project() { return m_controller->project(); }

    // Message 0 holds 16 bytes a row; row r, column c holds 16r + c.
    void smallProject()
    {
        for (int row = 0; row < kRows16; ++row) {
            for (int col = 0; col < kRowBytes; ++col)
                project().dispData().set(col, row, 0, static_cast<std::uint8_t>(kRowBytes * row + col));
        }
        project().setMsgLen(0, kRowBytes);
        project().setGauge({}, 1);
    }

private slots:
    void init()
    {
        m_dialogs = FakeDialogs();
        SKIP_WITHOUT_SOCAT();
        m_pty = std::make_unique<PtyPair>();
        QVERIFY2(m_pty->start(), "socat did not make the pseudo-terminals");
        m_ports.devices = {{"COM1", m_pty->hostPath()}, {"COM2", m_pty->missingPath()}};
        m_line = std::make_unique<SerialPortLine>();
        m_controller = std::make_unique<Controller>(m_dialogs, *m_line, m_ports, m_clock);
        m_controller->scanPorts();
        m_controller->typeText(GlobalList::Port, "COM1");
        m_card = std::make_unique<CardReader>();
        QVERIFY(m_card->open(m_pty->cardPath()));
    }

    void cleanup()
    {
        m_controller.reset();
        m_line.reset();
        m_card.reset();
        m_pty.reset();
    }

    void uploadStreamAndPacing()
    {
        smallProject();
        QSignalSpy finished(m_controller.get(), &Controller::transferFinished);
        QVERIFY(m_controller->send());
        QVERIFY(m_controller->transferInProgress());

        // A second transfer and a clock set while the first runs are refused; it carries on.
        QTRY_COMPARE_WITH_TIMEOUT(m_card->received().size(), kHelloSize, kTimeoutMs);
        QVERIFY(!m_controller->send());
        QVERIFY(!m_controller->sendClock());
        QCOMPARE(m_dialogs.told.size(), 2);
        QCOMPARE(m_dialogs.told.first().text, "現在転送中。");
        QCOMPARE(m_dialogs.told.last().title, "少待");

        QVERIFY(finished.wait(kTimeoutMs));
        QVERIFY(finished.first().first().toBool());
        QVERIFY(!m_line->isOpen());
        const qsizetype total = kHelloSize + kHeaderSize + kRows16 * kRowBytes;
        QTRY_COMPARE_WITH_TIMEOUT(m_card->received().size(), total, kTimeoutMs);

        const QByteArray& stream = m_card->received();
        QCOMPARE(stream.left(kHelloSize), QByteArray("Hello32"));
        QCOMPARE(stream.mid(kHelloSize, 15).toHex(), QByteArray("000100000000101104091105ffffff"));
        QCOMPARE(stream.mid(kHelloSize + 31, 8).toHex(), QByteArray("0000001000100000"));
        for (int i = 0; i < kRows16 * kRowBytes; ++i)
            QCOMPARE(static_cast<std::uint8_t>(stream.at(kHelloSize + kHeaderSize + i)), i);

        // Three seconds between the handshake and the header, 300 ms between header and rows.
        const qint64 handshake = m_card->arrival(kHelloSize) - m_card->arrival(kHelloSize - 1);
        QVERIFY2(handshake >= 3000 - kEarlyToleranceMs && handshake < 3000 + kLateToleranceMs,
                 qPrintable(QString::number(handshake)));
        const qsizetype firstRow = kHelloSize + kHeaderSize;
        const qint64 settle = m_card->arrival(firstRow) - m_card->arrival(firstRow - 1);
        QVERIFY2(settle >= 300 - kEarlyToleranceMs && settle < 300 + kLateToleranceMs,
                 qPrintable(QString::number(settle)));
        QVERIFY(m_dialogs.told.size() == 2);
    }

    void clockSetStream()
    {
        m_clock.time = QTime(23, 59, 58);
        QSignalSpy finished(m_controller.get(), &Controller::transferFinished);
        QVERIFY(m_controller->sendClock());
        QVERIFY(finished.wait(kTimeoutMs));
        QVERIFY(finished.first().first().toBool());
        QTRY_COMPARE_WITH_TIMEOUT(m_card->received().size(), 16, kTimeoutMs);
        QCOMPARE(m_card->received().toHex(), QByteArray("48656c6c6f4332") + "585923" + "03e707001380");
        const qint64 wait = m_card->arrival(7) - m_card->arrival(6);
        QVERIFY2(wait >= 200 - kEarlyToleranceMs, qPrintable(QString::number(wait)));
        const qint64 twoWaits = m_card->arrival(10) - m_card->arrival(9);
        QVERIFY2(twoWaits >= 400 - kEarlyToleranceMs, qPrintable(QString::number(twoWaits)));
        QVERIFY(m_dialogs.told.isEmpty());
    }

    void vanishingPortEndsTheUpload()
    {
        smallProject();
        QSignalSpy finished(m_controller.get(), &Controller::transferFinished);
        QVERIFY(m_controller->send());
        QTRY_COMPARE_WITH_TIMEOUT(m_card->received().size(), kHelloSize, kTimeoutMs);
        m_pty->kill();
        QVERIFY(finished.wait(kTimeoutMs));
        QVERIFY(!finished.first().first().toBool());
        QVERIFY(!m_line->isOpen());
        QVERIFY(!m_controller->transferInProgress());
        QCOMPARE(m_dialogs.told.size(), 1);
        QCOMPARE(m_dialogs.told.first().title, "エラー発生");
        QCOMPARE(m_dialogs.told.first().text, LinkTexts::lineFailed());
    }

    void missingPortSendsNothing()
    {
        smallProject();
        m_controller->typeText(GlobalList::Port, "COM2");
        QSignalSpy finished(m_controller.get(), &Controller::transferFinished);
        QVERIFY(m_controller->send());
        QCOMPARE(finished.size(), 1); // a port that does not open ends the exchange at once
        QVERIFY(!finished.first().first().toBool());
        QVERIFY(!m_line->isOpen());
        QCOMPARE(m_dialogs.told.size(), 1);
        QCOMPARE(m_dialogs.told.first().title, "警告");
        QCOMPARE(m_dialogs.told.first().text, "接続端子がすでに使用中か、存在しません");
        QTest::qWait(100);
        QVERIFY(m_card->received().isEmpty());
    }

    void portInUseSendsNothing()
    {
        smallProject();
        QSerialPort otherProgram;
        otherProgram.setPortName(m_pty->hostPath());
        QVERIFY(otherProgram.open(QIODevice::ReadWrite));
        QSignalSpy finished(m_controller.get(), &Controller::transferFinished);
        QVERIFY(m_controller->send());
        QCOMPARE(finished.size(), 1);
        QVERIFY(!finished.first().first().toBool());
        QCOMPARE(m_dialogs.told.size(), 1);
        QCOMPARE(m_dialogs.told.first().title, "警告");
        QCOMPARE(m_dialogs.told.first().text, "接続端子がすでに使用中か、存在しません");
        QVERIFY(otherProgram.isOpen());
        QTest::qWait(100);
        QVERIFY(m_card->received().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSerialExchange)
#include "tst_serialexchange.moc"
