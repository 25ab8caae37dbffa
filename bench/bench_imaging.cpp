// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/controller.h"
#include "dialogs/dialogs.h"
#include "imaging/messagepainter.h"
#include "link/serialline.h"
#include "link/systemclock.h"
#include "link/systemportcatalogue.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <vector>

namespace {

// The dialogs are never reached: the benchmarks call the path-taking variants.
class SilentDialogs : public Dialogs {
public:
    bool askYesNo(const QString&, const QString&) override { return false; }
    Answer askYesNoCancel(const QString&, const QString&) override { return Answer::Cancel; }
    void tell(const QString& title, const QString& text, const QString& = {}) override
    {
        qWarning("%s: %s", qPrintable(title), qPrintable(text));
    }
    QString chooseOpenFile(const QString&) override { return {}; }
    QString chooseSaveFile(const QString&) override { return {}; }
};

class ClosedLine : public SerialLine {
public:
    void setPortName(const QString&) override {}
    bool open() override { return false; }
    void close() override {}
    bool isOpen() const override { return false; }
    void setDtr(bool) override {}
    bool write(const QByteArray&) override { return false; }
    qint64 bytesQueued() const override { return 0; }
};

template <typename Work> double medianMilliseconds(int runs, Work&& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

// Adopting a text (render, encode, gauge) should take at most 5 ms; importing a full-width
// 16376 x 32 BMP at most 30 ms.
class BenchImaging : public QObject {
    Q_OBJECT

private:
    SilentDialogs m_dialogs;
    ClosedLine m_line;
    SystemPortCatalogue m_ports;
    SystemClock m_clock;
    Controller m_controller{m_dialogs, m_line, m_ports, m_clock};
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        m_controller.setMessageText(0, QStringLiteral("営業中 Message0 ようこそ"));
        m_controller.setFontName(0, QStringLiteral("ＭＳ ゴシック"));
        QImage picture(kCanvasWidth, kRows, QImage::Format_RGB32);
        for (int y = 0; y < kRows; ++y) {
            for (int x = 0; x < kCanvasWidth; ++x)
                picture.setPixel(x, y, (x * 7 + y * 3) % 5 == 0 ? qRgb(255, 0, 0) : qRgb(0, 0, 40));
        }
        QVERIFY(picture.save(m_dir.filePath("full.bmp")));
    }

    void adoptText()
    {
        QBENCHMARK
        {
            m_controller.adoptText();
        }
        QVERIFY(m_controller.project().totalLen() > 0);
    }

    void adoptTextMedian()
    {
        const double median = medianMilliseconds(101, [this] { m_controller.adoptText(); });
        qInfo("adopt text: median %.2f ms (target 5 ms)", median);
        QVERIFY(median <= 5.0);
    }

    void importFullWidthBmp()
    {
        const QString path = m_dir.filePath("full.bmp");
        QBENCHMARK
        {
            QVERIFY(m_controller.importPictureFrom(path));
        }
        QCOMPARE(m_controller.project().msgLen()[0], kColumns);
    }

    void importFullWidthBmpMedian()
    {
        const QString path = m_dir.filePath("full.bmp");
        const double median = medianMilliseconds(21, [&] { (void)m_controller.importPictureFrom(path); });
        qInfo("import 16376 x 32 BMP: median %.2f ms (target 30 ms)", median);
        QVERIFY(median <= 30.0);
    }

    void composeForExport()
    {
        QBENCHMARK
        {
            const QImage picture = MessagePainter::composed(m_controller.images(), 0);
            QVERIFY(!picture.isNull());
        }
    }
};

QTEST_MAIN(BenchImaging)
#include "bench_imaging.moc"
