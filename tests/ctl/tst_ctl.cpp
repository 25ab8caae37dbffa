#include "link/cardreader.h"
#include "link/ptypair.h"

#include <QDir>
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
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

struct Run {
    int status = -1;
    QString output;
    QString error;
};

// Runs p10signctl to its end while this test's event loop keeps the card reader reading.
// inChild runs in the child before p10signctl starts, to give it a limit or another user.
Run ctl(const QStringList& arguments, const std::function<void()>& inChild = {}, int timeoutMs = 30000)
{
    QProcess process;
    if (inChild)
        process.setChildProcessModifier(inChild);
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

// Files of more than a few bytes cannot be written, as on a full disk: writes fail with EFBIG.
void diskAlmostFull()
{
    const rlimit limit{64, 64};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::signal(SIGXFSZ, SIG_IGN);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList setText(const QString& project, const QString& text)
{
    return {QStringLiteral("set-text"), project, QStringLiteral("--message"), QStringLiteral("0"),
            QStringLiteral("--text"),   text};
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

    // Only regular files are replaced, a link is followed to its file, and what could not be
    // written whole is never reported written; a failed save names the file that failed.
    void writesReplaceOnlyRegularFiles_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("status");
        QTest::newRow("render to a device") << "device" << 1;
        QTest::newRow("render to a FIFO") << "fifo" << 1;
        QTest::newRow("render on a full disk") << "full" << 1;
        QTest::newRow("render through a link") << "link" << 0;
        QTest::newRow("display data on a full disk") << "full data" << 1;
    }
    void writesReplaceOnlyRegularFiles()
    {
        QFETCH(QString, target);
        QFETCH(int, status);
        QTemporaryDir dir;
        const bool render = target != QStringLiteral("full data");
        QString out = dir.filePath(render ? QStringLiteral("out.png") : QStringLiteral("p.bin"));
        QString real = out;
        const QByteArray before = "old file, kept";
        const QByteArray name = QFile::encodeName(out);
        if (target == QStringLiteral("device") && ::geteuid() == 0) {
            // A twin of /dev/null in the test's folder, so that a fault cannot cost the machine
            // its own; without root, /dev/null itself cannot be replaced.
            QCOMPARE(::mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
        } else if (target == QStringLiteral("device")) {
            out = QStringLiteral("/dev/null");
        } else if (target == QStringLiteral("fifo")) {
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        } else {
            real = target == QStringLiteral("link") ? dir.filePath(QStringLiteral("target.png")) : out;
            QFile file(real);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
            QVERIFY(real == out || QFile::link(real, out));
        }
        const Run run =
            ctl(render ? QStringList{QStringLiteral("render"), copyOfGolden(), QStringLiteral("--message"),
                                     QStringLiteral("2"), QStringLiteral("--out"), out}
                       : setText(dir.filePath(QStringLiteral("p.ini")), QStringLiteral("A")),
                target.startsWith(QStringLiteral("full")) ? diskAlmostFull : std::function<void()>());
        QCOMPARE(run.status, status);
        if (status == 0) {
            QVERIFY(QFileInfo(out).isSymbolicLink());
            QCOMPARE(QImage(real).size(), QSize(101 * 8, 32));
        } else {
            QVERIFY2(run.error.contains(out), qUtf8Printable(run.error));
            QCOMPARE(QFileInfo(out).isFile(), target.startsWith(QStringLiteral("full")));
            QVERIFY(!QFileInfo(out).isFile() || readFile(out) == before);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QDir(dir.path()).entryList({QStringLiteral("*.png"), QStringLiteral("*.bin")}, QDir::Files));
    }

    // A name in code page 932 bytes would be read as another name and a new project made there.
    void argumentTheSystemCannotRepresentIsRefused()
    {
        QTemporaryDir dir;
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"),
                       QStringLiteral("exec \"$0\" set-text \"$(printf '\\223X.ini')\" --message 0 --text x"),
                       QStringLiteral(P10SIGNCTL)});
        QVERIFY(process.waitForFinished());
        QCOMPARE(process.exitCode(), 2);
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    // Names without an extension get ".ini", so shop and stop no longer share "sbin".
    void shopAndStopKeepTheirOwnFiles()
    {
        QTemporaryDir dir;
        for (const QString& name : {QStringLiteral("shop"), QStringLiteral("stop")}) {
            QCOMPARE(ctl(setText(dir.filePath(name), name)).status, 0);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 (QStringList{QStringLiteral("shop.bin"), QStringLiteral("shop.ini"),
                              QStringLiteral("stop.bin"), QStringLiteral("stop.ini")}));
        QVERIFY(readFile(dir.filePath(QStringLiteral("shop.ini"))).contains("Message0Text=shop\r\n"));
        QVERIFY(readFile(dir.filePath(QStringLiteral("stop.ini"))).contains("Message0Text=stop\r\n"));
    }

    // A shared folder owned by someone else: its files may be changed but no file created.
    void savesWhereFilesMayBeChangedButNotCreated()
    {
        QTemporaryDir dir;
        const QString shared = dir.filePath(QStringLiteral("shared"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("shared")));
        for (const char* suffix : {"ini", "bin"}) {
            const QString file = shared + QStringLiteral("/shop.%1").arg(QLatin1String(suffix));
            QVERIFY(
                QFile::copy(QStringLiteral(P10_TEST_DATA "/windows.%1").arg(QLatin1String(suffix)), file));
            QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                                    QFile::WriteGroup | QFile::ReadOther |
                                                    QFile::WriteOther));
        }
        const auto readOnlyFolder = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                    QFile::ReadOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(dir.path(), readOnlyFolder));
        std::function<void()> asSomeoneElse;
        if (::geteuid() == 0) {
            // Root may create files anywhere; a user without rights on the folder may not.
            asSomeoneElse = [] {
                if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                    ::_exit(99);
            };
        } else {
            QVERIFY(QFile::setPermissions(shared, readOnlyFolder));
        }
        const Run run =
            ctl(setText(shared + QStringLiteral("/shop.ini"), QStringLiteral("B")), asSomeoneElse);
        for (const QString& folder : {dir.path(), shared})
            QFile::setPermissions(folder, readOnlyFolder | QFile::WriteOwner);
        QVERIFY2(run.status == 0, qUtf8Printable(run.error));
        QVERIFY(readFile(shared + QStringLiteral("/shop.ini")).contains("Message0Text=B\r\n"));
        QCOMPARE(QDir(shared).entryList(QDir::Files),
                 (QStringList{QStringLiteral("shop.bin"), QStringLiteral("shop.ini")}));
    }
};

QTEST_GUILESS_MAIN(TestCtl)
#include "tst_ctl.moc"
