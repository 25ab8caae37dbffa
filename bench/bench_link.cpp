// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/controller.h"
#include "link/cardreader.h"
#include "link/portline.h"
#include "link/ptypair.h"
#include "link/tcpcard.h"
#include "support/fakeclock.h"
#include "support/fakedialogs.h"
#include "support/fakeportcatalogue.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <sys/resource.h>

namespace {

constexpr int kBytesPerSecond = 960;
constexpr qint64 kDataBytes = 57344; // a full card: 16 rows of 3584 bytes
constexpr qint64 kStreamBytes = 7 + 95 + kDataBytes;
constexpr double kFixedWaitsSeconds = 3.3;
constexpr int kTimeoutMs = 180000;

double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

// A full-card upload over a pseudo-terminal, and over a loopback network connection, whose far end
// takes bytes no faster than a 9600-baud line. Reports the processor time the exchange costs the
// program's thread and how far the card's last byte lands beyond the line time and the fixed
// waits. Takes about a minute for each.
class BenchLink : public QObject {
    Q_OBJECT

private slots:
    void fullCardUpload_data()
    {
        QTest::addColumn<bool>("network");
        QTest::newRow("pseudo-terminal") << false;
        QTest::newRow("network") << true;
    }
    void fullCardUpload()
    {
        SKIP_WITHOUT_SOCAT();
        QFETCH(bool, network);
        PtyPair pty;
        QVERIFY(pty.start());
        FakeDialogs dialogs;
        FakePortCatalogue ports;
        ports.devices = {{"COM1", pty.hostPath()}};
        FakeClock clock;
        PortLine line;
        Controller controller(dialogs, line, ports, clock);
        controller.scanPorts();

        Project& project = controller.project();
        for (int m = 0; m < 2; ++m) {
            for (int row = 0; row < kRows; ++row) {
                for (int col = 0; col < kColumns; ++col)
                    project.dispData().set(col, row, m, static_cast<std::uint8_t>(col + row + m));
            }
        }
        project.setMsgLen(0, kColumns);
        project.setMsgLen(1, kColumns);
        project.setGauge({}, 1);

        // The card's side runs in its own thread so that its reading is not counted.
        struct CardThread : QThread {
            ~CardThread() override
            {
                quit();
                wait();
            }
        } cardThread;
        auto* cardSide = new QObject;
        cardSide->moveToThread(&cardThread);
        connect(&cardThread, &QThread::finished, cardSide, &QObject::deleteLater);
        cardThread.start();
        QElapsedTimer wall;
        bool opened = false;
        CardReader* card = nullptr;
        QString address;
        QMetaObject::invokeMethod(
            cardSide,
            [&] {
                if (network) {
                    auto* server = new TcpCard(kBytesPerSecond, cardSide);
                    opened = server->listen();
                    address = server->address();
                    card = &server->reader();
                } else {
                    card = new CardReader(kBytesPerSecond, cardSide);
                    opened = card->open(pty.cardPath());
                }
            },
            Qt::BlockingQueuedConnection);
        wall.start();
        QVERIFY(opened);
        if (network)
            controller.typeText(GlobalList::Port, address);

        QSignalSpy finished(&controller, &Controller::transferFinished);
        // Measured once and reported by hand: repeated or warmed-up runs would take minutes each.
        const double threadBefore = cpuSeconds(RUSAGE_THREAD);
        const double processBefore = cpuSeconds(RUSAGE_SELF);
        QVERIFY(controller.send(TransferCommands::Overflow::Clip)); // message 1 is cut to fill the card
        QVERIFY(finished.wait(kTimeoutMs));
        const qint64 exchangeMs = wall.elapsed();
        const double threadCpu = cpuSeconds(RUSAGE_THREAD) - threadBefore;
        const double processCpu = cpuSeconds(RUSAGE_SELF) - processBefore;
        if (!finished.first().first().toBool())
            qInfo() << "after" << wall.elapsed() << "ms:" << dialogs.told.last().text;
        QVERIFY(finished.first().first().toBool());
        qint64 received = 0;
        QTRY_VERIFY_WITH_TIMEOUT(
            (QMetaObject::invokeMethod(
                 card, [&] { received = card->received().size(); }, Qt::BlockingQueuedConnection),
             received == kStreamBytes),
            kTimeoutMs);
        qint64 lastArrivalMs = 0;
        QMetaObject::invokeMethod(
            card, [&] { lastArrivalMs = card->arrival(kStreamBytes - 1); }, Qt::BlockingQueuedConnection);

        const double exchangeSeconds = exchangeMs / 1000.0;
        const double cpuPercent = 100.0 * threadCpu / exchangeSeconds;
        const double idealSeconds = static_cast<double>(kStreamBytes) / kBytesPerSecond + kFixedWaitsSeconds;
        const double cardSeconds = lastArrivalMs / 1000.0;
        const double beyondPercent = 100.0 * (cardSeconds - idealSeconds) / idealSeconds;
        qInfo("exchange %.2f s, program thread %.3f s CPU = %.2f %% of a core (whole process %.3f s)",
              exchangeSeconds, threadCpu, cpuPercent, processCpu);
        qInfo("last byte at the card after %.2f s; line time and fixed waits %.2f s; beyond: %.2f %%",
              cardSeconds, idealSeconds, beyondPercent);
        QVERIFY2(cpuPercent <= 2.0, "the exchange costs more than 2 % of a core");
        QVERIFY2(beyondPercent <= 1.0, "the upload takes more than 1 % beyond the line time and waits");
    }
};

QTEST_GUILESS_MAIN(BenchLink)
#include "bench_link.moc"
