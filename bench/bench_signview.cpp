// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/controller.h"
#include "imaging/messagecanvas.h"
#include "model/limits.h"
#include "support/fakeclock.h"
#include "support/fakedialogs.h"
#include "support/fakeportcatalogue.h"
#include "support/fakeserialline.h"
#include "ui/ledview.h"
#include "ui/signview.h"

#include <QElapsedTimer>
#include <QTest>
#include <ctime>

namespace {

constexpr int kSeconds = 5;

// Counts the LED picture's repaints.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

// The window's sign view playing at 30 frames a second, measured as the process's processor time
// over some seconds of playing. Target: at most 3 % of a core.
class BenchSignView : public QObject {
    Q_OBJECT

private:
    FakeDialogs m_dialogs;
    FakeSerialLine m_line;
    FakePortCatalogue m_ports;
    FakeClock m_clock;

    void play(Controller& controller)
    {
        SignView view(controller, nullptr);
        view.open();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        PaintCounter counter;
        view.findChild<LedView*>()->installEventFilter(&counter);

        QElapsedTimer wall;
        wall.start();
        const std::clock_t cpuStart = std::clock();
        QTest::qWait(kSeconds * 1000);
        const double cpuMs = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        const double share = 100.0 * cpuMs / double(wall.elapsed());
        qInfo("%.2f %% of a core; %d LED pictures of %d x %d pixels painted in %d s", share, counter.paints,
              view.frame().widthPixels(), view.frame().height, kSeconds);
        // Processor milliseconds a second of playing: 30 of them are 3 % of a core.
        QTest::setBenchmarkResult(cpuMs / kSeconds, QTest::WalltimeMilliseconds);
    }

private slots:
    // The usual sign: 16 bytes by 16 rows, the start-up message moving left at speed 4.
    void usualSignMovingLeft()
    {
        Controller controller(m_dialogs, m_line, m_ports, m_clock);
        controller.startUp();
        controller.adoptText();
        play(controller);
    }

    // The largest sign, 64 bytes by 32 rows, a full message split from the centre at the fastest
    // speed with the loop lamp running, so that nearly every frame differs.
    void largestSignBusiest()
    {
        Controller controller(m_dialogs, m_line, m_ports, m_clock);
        controller.startUp();
        controller.chooseEntry(GlobalList::ScreenHeight, 1);
        controller.chooseEntry(GlobalList::ScreenWidth, 15);
        MessageCanvas& canvas = controller.images().canvas(0);
        for (int y = 0; y < 32; ++y) {
            for (int x = y % 3; x < 1792 * kPixelsPerByte; x += 3)
                canvas.setPixel(x, y, MessageCanvas::kRed);
        }
        controller.images().announce(0);
        controller.encodeMessage();
        controller.chooseEntry(0, MessageList::Mode, 6);
        controller.chooseEntry(0, MessageList::Speed, 7);
        controller.setLoopLamp(0, true);
        play(controller);
    }
};

QTEST_MAIN(BenchSignView)
#include "bench_signview.moc"
