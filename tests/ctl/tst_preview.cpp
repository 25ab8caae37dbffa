// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/goldenproject.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kDarkLedRed = 100; // redder than any part of an unlit LED, darker than a lit one

int maxRed(const QImage& image)
{
    int red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            red = std::max(red, qRed(image.pixel(x, y)));
    }
    return red;
}

} // namespace

// p10signctl preview as a script runs it, with the project made on Windows: 32 bytes x 32 rows,
// message 0 an animation of two frames at speed 8, flashing, with the loop lamp.
class TestPreview : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    QString project(bool workTimeOn = false)
    {
        const QString ini = copyGoldenProject(m_dir.path());
        if (workTimeOn) { // 07:30 to 20:00
            QFile file(ini);
            if (file.open(QIODevice::ReadWrite)) {
                const QByteArray text = file.readAll().replace("WorkTimeEnable=0", "WorkTimeEnable=1");
                file.seek(0);
                file.write(text);
            }
        }
        return ini;
    }

    int ctl(const QStringList& arguments) const
    {
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        process.start(QStringLiteral(P10SIGNCTL), QStringList{QStringLiteral("preview")} + arguments);
        return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit
                   ? process.exitCode()
                   : -1;
    }

    static QList<QImage> gifFrames(const QString& file)
    {
        QImageReader reader(file);
        QList<QImage> frames;
        for (QImage image; reader.read(&image);)
            frames << image.convertToFormat(QImage::Format_RGB32);
        return frames;
    }

private slots:
    void gifAndPngFramesAgree()
    {
        const QString gif = path(QStringLiteral("anim.gif"));
        QCOMPARE(ctl({project(), "--message", "0", "--seconds", "2", "--scale", "3", "--out", gif}), 0);
        QCOMPARE(QImageReader(gif).imageCount(), 50);
        const QList<QImage> frames = gifFrames(gif);
        QCOMPARE(frames.size(), 50);
        QCOMPARE(frames.first().size(), QSize(32 * 8 * 3, 32 * 3));
        QVERIFY(frames[0] != frames[3]); // 120 ms on, the animation shows its second frame

        const QString dir = path(QStringLiteral("frames"));
        QCOMPARE(ctl({project(), "--message", "0", "--seconds", "2", "--scale", "3", "--frames", dir}), 0);
        QCOMPARE(QDir(dir).entryList(QDir::Files).size(), 50);
        for (const int i : {0, 3, 49}) {
            const QImage png(
                QDir(dir).filePath(QStringLiteral("frame%1.png").arg(i, 4, 10, QLatin1Char('0'))));
            QCOMPARE(png.convertToFormat(QImage::Format_RGB32), frames[i]);
        }
    }

    void workWindow_data()
    {
        QTest::addColumn<QString>("at");
        QTest::addColumn<bool>("lit");
        QTest::newRow("inside") << "12:00:00" << true;
        QTest::newRow("after the end") << "20:00:00" << false;
        QTest::newRow("before the start") << "07:29:59" << false;
    }
    void workWindow()
    {
        QFETCH(QString, at);
        QFETCH(bool, lit);
        const QString gif = path(QStringLiteral("window.gif"));
        QCOMPARE(ctl({project(true), "--message", "0", "--seconds", "1", "--scale", "2", "--at", at, "--out",
                      gif}),
                 0);
        int red = 0;
        for (const QImage& frame : gifFrames(gif))
            red = std::max(red, maxRed(frame));
        QCOMPARE(red > kDarkLedRed, lit);
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::newRow("both outputs")
            << QStringList{"--message", "0", "--out", "a.gif", "--frames", "d"} << 2;
        QTest::newRow("no output") << QStringList{"--message", "0"} << 2;
        QTest::newRow("no seconds") << QStringList{"--message", "0", "--seconds", "0", "--out", "a.gif"} << 2;
        QTest::newRow("scale too large")
            << QStringList{"--message", "0", "--scale", "33", "--out", "a.gif"} << 2;
        QTest::newRow("unwritable") << QStringList{"--message", "0", "--out", "/nonexistent/a.gif"} << 1;
    }
    void refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QCOMPARE(ctl(QStringList{project()} + arguments), status);
        QVERIFY(!QFile::exists(path(QStringLiteral("a.gif"))));
    }
};

QTEST_GUILESS_MAIN(TestPreview)
#include "tst_preview.moc"
