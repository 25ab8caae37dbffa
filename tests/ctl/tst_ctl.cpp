// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/cardreader.h"
#include "link/ptypair.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QString output;
    QString error;
};

// Runs p10signctl to its end while this test's event loop keeps the card reader reading.
Run ctl(const QStringList& arguments, int timeoutMs = 30000)
{
    QProcess process;
    process.start(QStringLiteral(P10SIGNCTL), arguments);
    if (!process.waitForStarted())
        return {};
    QElapsedTimer elapsed;
    elapsed.start();
    while (process.state() != QProcess::NotRunning && elapsed.elapsed() < timeoutMs)
        QTest::qWait(20);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray headerOf(const QByteArray& stream)
{
    return stream.mid(7, 95);
}

} // namespace

class TestCtl : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString copyOfGolden()
    {
        for (const char* suffix : {"ini", "bin"}) {
            const QString target = path(QStringLiteral("shop.%1").arg(QLatin1String(suffix)));
            QFile::remove(target);
            QFile::copy(QStringLiteral(P10_TEST_DATA "/windows.%1").arg(QLatin1String(suffix)), target);
            QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        }
        return path(QStringLiteral("shop.ini"));
    }

private slots:
    void infoJsonOfAWindowsProject()
    {
        const Run run = ctl({QStringLiteral("info"), copyOfGolden(), QStringLiteral("--json")});
        QCOMPARE(run.status, 0);
        QFile golden(QStringLiteral(P10_TEST_DATA "/windows.info.json"));
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QCOMPARE(QJsonDocument::fromJson(run.output.toUtf8()).object(),
                 QJsonDocument::fromJson(golden.readAll()).object());
    }

    void infoAsText()
    {
        const Run run = ctl({QStringLiteral("info"), copyOfGolden()});
        QCOMPARE(run.status, 0);
        QVERIFY(run.output.contains(QStringLiteral("画面: 32 バイト × 32 ドット")));
        QVERIFY(run.output.contains(QStringLiteral("交互表示: 表示 3 から 3 個")));
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("usage") << QStringList{QStringLiteral("info")} << 2 << QStringLiteral("設定ファイル");
        QTest::newRow("missing project")
            << QStringList{QStringLiteral("info"), QStringLiteral("/nowhere/x.ini")} << 1
            << QStringLiteral("警告");
        QTest::newRow("unknown port") << QStringList{QStringLiteral("upload"), QString(),
                                                     QStringLiteral("--port"), QStringLiteral("COM32")}
                                      << 1 << QStringLiteral("COM32");
        QTest::newRow("empty message") << QStringList{QStringLiteral("render"),    QString(),
                                                      QStringLiteral("--message"), QStringLiteral("1"),
                                                      QStringLiteral("--out"),     QStringLiteral("x.png")}
                                       << 1 << QStringLiteral("表示 1");
    }
    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        if (arguments.size() > 1 && arguments[1].isEmpty())
            arguments[1] = copyOfGolden();
        const Run run = ctl(arguments);
        QCOMPARE(run.status, status);
        QVERIFY2(run.error.contains(message), qUtf8Printable(run.error));
    }

    void shortDisplayDataFileIsRefusedAndLeftAlone()
    {
        const QString project = copyOfGolden();
        QFile data(path(QStringLiteral("shop.bin")));
        QVERIFY(data.resize(1000));
        const Run run =
            ctl({QStringLiteral("upload"), project, QStringLiteral("--port"), QStringLiteral("/dev/null")});
        QCOMPARE(run.status, 1);
        QCOMPARE(QFileInfo(data).size(), 1000);
    }

    void emptyProjectIsNotUploaded()
    {
        SKIP_WITHOUT_SOCAT();
        PtyPair pty;
        QVERIFY(pty.start());
        CardReader card;
        QVERIFY(card.open(pty.cardPath()));
        const QString project = path(QStringLiteral("empty.ini"));
        QCOMPARE(ctl({QStringLiteral("set-text"), project, QStringLiteral("--message"), QStringLiteral("0"),
                      QStringLiteral("--text"), QString()})
                     .status,
                 0);
        const Run run = ctl({QStringLiteral("upload"), project, QStringLiteral("--port"), pty.hostPath()});
        QCOMPARE(run.status, 1);
        QVERIFY(run.error.contains(QStringLiteral("テキストなし! 転送しない!")));
        QTest::qWait(100);
        QVERIFY(card.received().isEmpty());
    }

    void renderShowsTheLitPixels()
    {
        const QString png = path(QStringLiteral("m2.png"));
        const Run run = ctl({QStringLiteral("render"), copyOfGolden(), QStringLiteral("--message"),
                             QStringLiteral("2"), QStringLiteral("--out"), png});
        QCOMPARE(run.status, 0);
        const QImage image(png);
        QCOMPARE(image.size(), QSize(101 * 8, 32));
        int lit = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                QVERIFY(pixel == qRgb(255, 0, 0) || pixel == qRgb(0, 0, 0));
                lit += pixel == qRgb(255, 0, 0);
            }
        }
        QVERIFY(lit > 0);
    }

    // A script updating a shop sign: new text, then the upload, byte for byte at the card.
    void setTextThenUpload()
    {
        const QString project = path(QStringLiteral("menu.ini"));
        const Run set = ctl({QStringLiteral("set-text"), project, QStringLiteral("--message"),
                             QStringLiteral("0"), QStringLiteral("--text"), QStringLiteral("本日 98円"),
                             QStringLiteral("--size"), QStringLiteral("12")});
        QCOMPARE(set.status, 0);
        QVERIFY(QFileInfo::exists(path(QStringLiteral("menu.bin"))));
        const Run info = ctl({QStringLiteral("info"), project, QStringLiteral("--json")});
        const QJsonObject summary = QJsonDocument::fromJson(info.output.toUtf8()).object();
        const int length =
            summary[QStringLiteral("messages")].toArray().at(0).toObject()[QStringLiteral("length")].toInt();
        QVERIFY(length > 0);

        SKIP_WITHOUT_SOCAT();
        PtyPair pty;
        QVERIFY(pty.start());
        CardReader card;
        QVERIFY(card.open(pty.cardPath()));
        const Run upload = ctl({QStringLiteral("upload"), project, QStringLiteral("--port"), pty.hostPath(),
                                QStringLiteral("--brightness"), QStringLiteral("2")});
        QCOMPARE(upload.status, 0);
        const qsizetype expected = 7 + 95 + 16 * length;
        QTRY_COMPARE_WITH_TIMEOUT(card.received().size(), expected, 5000);
        const QByteArray stream = card.received();
        QVERIFY(stream.startsWith("Hello32"));
        const QByteArray header = headerOf(stream);
        QCOMPARE(quint8(header[1]), quint8(length / 16)); // message 0 in whole 16-byte screens
        QCOMPARE(quint8(header[2]), quint8(2));           // brightness "2"
        QCOMPARE(quint8(header[6]), quint8(length));      // total row length, low byte
        // The card is given three seconds after the greeting before the header comes.
        QVERIFY(card.arrival(7) - card.arrival(6) >= 2900);
        QVERIFY(upload.error.contains(QStringLiteral("19/19")));
    }

    void setClockAtAGivenTime()
    {
        SKIP_WITHOUT_SOCAT();
        PtyPair pty;
        QVERIFY(pty.start());
        CardReader card;
        QVERIFY(card.open(pty.cardPath()));
        const Run run = ctl({QStringLiteral("set-clock"), copyOfGolden(), QStringLiteral("--port"),
                             pty.hostPath(), QStringLiteral("--at"), QStringLiteral("07:05:09")});
        QCOMPARE(run.status, 0);
        QTRY_COMPARE_WITH_TIMEOUT(card.received().size(), 16, 3000);
        QCOMPARE(card.received().left(10), QByteArray("HelloC2\x09\x05\x07"));
    }
};

QTEST_GUILESS_MAIN(TestCtl)
#include "tst_ctl.moc"
