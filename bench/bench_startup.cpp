// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/messagecanvas.h"
#include "model/limits.h"
#include "ui/windowapp.h"
#include "ui/windowfonts.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <cstdio>

// The program's start is measured in a fresh process each time: the benchmark runs itself as a
// child that builds the program exactly as p10sign does, shows the window and quits once the
// window is up and its pending events are done.
namespace {

const QString kStartMode = QStringLiteral("--start-child");
const QString kFullMode = QStringLiteral("--full-child");

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

int runChild(int argc, char* argv[], bool full)
{
    QApplication app(argc, argv);
    QApplication::setFont(WindowFonts::caption());
    WindowApp program;
    program.start();
    if (!QTest::qWaitForWindowExposed(&program.window()))
        return 1;
    if (full) {
        fillEveryMessage(program.controller());
        // Quitting closes the window, which would otherwise offer to save the filled project.
        program.controller().project().setModified(false);
    }
    QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
    app.exec();
    if (full)
        std::printf("%lld\n", residentKilobytes());
    return 0;
}

QByteArray runSelf(const QString& mode)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {mode});
    if (!child.waitForFinished(30000) || child.exitCode() != 0)
        return {};
    return child.readAllStandardOutput();
}

} // namespace

class BenchStartup : public QObject {
    Q_OBJECT

private slots:
    // Target: median of at most 600 ms.
    void processStartToWindowIdle()
    {
        QBENCHMARK
        {
            runSelf(kStartMode);
        }
    }

    // Target: at most 120 MB with all sixteen messages full.
    void residentMemoryWithEveryMessageFull()
    {
        const qint64 kilobytes = runSelf(kFullMode).trimmed().toLongLong();
        QVERIFY(kilobytes > 0);
        qInfo("resident memory: %.1f MB", kilobytes / 1024.0);
        QTest::setBenchmarkResult(kilobytes * 1024.0, QTest::BytesAllocated);
    }
};

int main(int argc, char* argv[])
{
    if (argc > 1 &&
        (QString::fromLocal8Bit(argv[1]) == kStartMode || QString::fromLocal8Bit(argv[1]) == kFullMode))
        return runChild(argc, argv, QString::fromLocal8Bit(argv[1]) == kFullMode);
    QCoreApplication app(argc, argv);
    BenchStartup bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_startup.moc"
