// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/messagecanvas.h"
#include "model/limits.h"
#include "texts/language.h"
#include "ui/startahead.h"
#include "ui/windowapp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <functional>

// The program's start is measured in a fresh process each time: the benchmark runs itself as a
// child that starts the program exactly as p10sign does, shows the window and quits once the
// window is exposed and the events pending then are done. The yardstick is a bare window, started
// and awaited the same way in the same run.
namespace {

const QString kStartMode = QStringLiteral("--start-child");
const QString kFullMode = QStringLiteral("--full-child");
const QString kBareMode = QStringLiteral("--bare-child");
constexpr int kHangMs = 30000;
constexpr const char* kIdleMark = "p10sign-bench-idle\n";

qint64 residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpression rss(QStringLiteral("VmRSS:\\s+(\\d+)"));
    return rss.match(QString::fromLatin1(status.readAll())).captured(1).toLongLong();
}

// Every message lit over its whole canvas, in a pattern that no compression could shrink.
void fillEveryMessage(Controller& controller)
{
    for (int m = 0; m < kMessageCount; ++m) {
        MessageCanvas& canvas = controller.images().canvas(m);
        for (int y = 0; y < kRows; ++y) {
            for (int x = (y + m) % 3; x < kCanvasWidth; x += 3)
                canvas.setPixel(x, y, MessageCanvas::kRed);
        }
        controller.images().announce(m);
        controller.project().setCurMsg(m);
        controller.encodeMessage();
        controller.setMessageText(m, QString(200, QChar(u'字')));
    }
}

// Sees the window's exposure arrive in the event loop, as the program's own loop would take it.
// (QTest::qWaitForWindowExposed looks in steps of 10 ms, which would round the times it measures.)
class ExposureWatch : public QObject {
public:
    explicit ExposureWatch(std::function<void()> exposed)
        : m_exposed(std::move(exposed))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            m_exposed();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_exposed;
};

// Runs the event loop until the shown window is exposed, then `exposed` and the events pending
// after it, and quits.
int runUntilExposed(QApplication& app, QWidget& window, const std::function<void()>& exposed = {})
{
    const auto finish = [&] {
        QMetaObject::invokeMethod(
            &app,
            [&] {
                if (exposed)
                    exposed();
                // The parent's clock stops here, not at the end: taking the window down is not
                // part of starting it.
                std::fputs(kIdleMark, stderr);
                std::fflush(stderr);
                QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
    };
    ExposureWatch watch(finish);
    if (window.windowHandle()->isExposed())
        finish();
    else
        window.windowHandle()->installEventFilter(&watch);
    QTimer::singleShot(kHangMs, &app, [&app] { app.exit(1); });
    return app.exec();
}

// The start of main() in ../src/ui/main.cpp, without the command line.
int runProgramChild(int argc, char* argv[], bool full)
{
    StartAhead ahead;
    QApplication app(argc, argv);
    Language language;
    language.apply(Language::choose({}, Language::remembered(QSettings())));
    WindowApp::dressApplication();
    ahead.applicationStarted();
    WindowApp program(ahead.ports());
    program.start();
    std::function<void()> fill;
    if (full) {
        fill = [&program] {
            fillEveryMessage(program.controller());
            // Quitting closes the window, which would otherwise offer to save the filled project.
            program.controller().project().setModified(false);
        };
    }
    const int status = runUntilExposed(app, program.window(), fill);
    ahead.finish();
    if (full)
        std::printf("%lld\n", residentKilobytes());
    return status;
}

// Tells the window system it ran on, for the report.
int runBareChild(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    const int status = runUntilExposed(app, window);
    std::printf("%s\n", qPrintable(QGuiApplication::platformName()));
    return status;
}

// Milliseconds from starting the child to its window shown and idle; 0 when it failed.
double runSelf(const QString& mode, QByteArray* output = nullptr)
{
    QElapsedTimer clock;
    clock.start();
    QProcess child;
    child.setReadChannel(QProcess::StandardError);
    child.start(QCoreApplication::applicationFilePath(), {mode});
    QByteArray told;
    double ms = 0;
    while (ms == 0 && child.waitForReadyRead(kHangMs)) {
        told += child.readAllStandardError();
        if (told.contains(kIdleMark))
            ms = double(clock.nsecsElapsed()) / 1e6;
    }
    if (!child.waitForFinished(2 * kHangMs) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0)
        return 0;
    if (output)
        *output = child.readAllStandardOutput();
    return ms;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

} // namespace

class BenchStartup : public QObject {
    Q_OBJECT

private:
    QList<double> m_bareMs;
    QList<double> m_programMs;
    QByteArray m_platform;

private slots:
    // Target: a median of at most 600 ms, and under a virtual display (xvfb-run) at most 1.5 times
    // a bare window's. The bare window starts just before each run, so that both meet the same
    // load of the machine.
    void processStartToWindowIdle()
    {
        const double bare = runSelf(kBareMode, &m_platform);
        QVERIFY(bare > 0);
        m_bareMs << bare;
        QBENCHMARK
        {
            const double ms = runSelf(kStartMode);
            QVERIFY(ms > 0);
            m_programMs << ms;
        }
    }

    void cleanupTestCase()
    {
        if (m_bareMs.isEmpty() || m_programMs.isEmpty())
            return;
        const double bare = median(m_bareMs);
        const double program = median(m_programMs);
        qInfo("start to idle on %s, medians: p10sign %.1f ms, a bare window %.1f ms: %.2f times",
              m_platform.trimmed().constData(), program, bare, program / bare);
    }

    // Target: at most 120 MB with all sixteen messages full.
    void residentMemoryWithEveryMessageFull()
    {
        QByteArray output;
        QVERIFY(runSelf(kFullMode, &output) > 0);
        const qint64 kilobytes = output.trimmed().toLongLong();
        QVERIFY(kilobytes > 0);
        qInfo("resident memory: %.1f MB", kilobytes / 1024.0);
        QTest::setBenchmarkResult(kilobytes * 1024.0, QTest::BytesAllocated);
    }
};

int main(int argc, char* argv[])
{
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == kBareMode)
        return runBareChild(argc, argv);
    if (mode == kStartMode || mode == kFullMode)
        return runProgramChild(argc, argv, mode == kFullMode);
    QCoreApplication app(argc, argv);
    BenchStartup bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_startup.moc"
