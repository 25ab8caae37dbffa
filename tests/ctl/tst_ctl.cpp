// SPDX-License-Identifier: GPL-3.0-or-later
#include "ctl/ctlcommand.h"
#include "link/cardreader.h"
#include "link/linkconstants.h"
#include "link/ptypair.h"
#include "link/tcpcard.h"
#include "link/virtualport.h"
#include "support/fulldisk.h"
#include "support/goldenproject.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <array>
#include <csignal>
#include <grp.h>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

struct Run {
    int status = -1;
    QString output;
    QString error;
    qint64 quietMs = 0; // how long the ports used must stay quiet, for a run in this process
};

// Runs a program to its end while this test's event loop keeps the card reader reading.
// inChild runs in the child before the program starts, to give it a limit or another user.
Run run(const QString& program, const QStringList& arguments, const std::function<void()>& inChild = {},
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
        int timeoutMs = 30000)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    if (inChild)
        process.setChildProcessModifier(inChild);
    process.start(program, arguments);
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

// p10signctl's command line run in this process with its streams captured, as most cases here run.
Run ctl(const QStringList& arguments)
{
    Run run;
    QTextStream output(&run.output);
    QTextStream errors(&run.error);
    CtlCommand command(output, errors);
    run.status = command.run(QStringList{QStringLiteral("p10signctl")} + arguments);
    run.quietMs = command.quietLeftMs();
    return run;
}

// The program itself, for what only a process shows: its exit status with its standard streams,
// a limit or another user given to it, its environment, and its wait before it ends.
Run ctlProcess(const QStringList& arguments, const std::function<void()>& inChild = {},
               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    return run(QStringLiteral(P10SIGNCTL), arguments, inChild, environment);
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

// Where a command writes its file in a test: a picture, the animated preview, or the first frame of
// the preview in its folder.
QString outputName(const QString& command)
{
    if (command == QStringLiteral("render"))
        return QStringLiteral("out.png");
    if (command == QStringLiteral("export"))
        return QStringLiteral("out.bmp");
    if (command == QStringLiteral("preview"))
        return QStringLiteral("out.gif");
    if (command == QStringLiteral("frames"))
        return QStringLiteral("frames/frame0000.png");
    return QStringLiteral("p.bin");
}

// The command line that writes `out` from message 2: a folder of frames for "frames".
QStringList writing(const QString& command, const QString& project, const QString& out)
{
    if (command == QStringLiteral("render") || command == QStringLiteral("export"))
        return {command, project, QStringLiteral("--message"), QStringLiteral("2"), QStringLiteral("--out"),
                out};
    return {QStringLiteral("preview"),
            project,
            QStringLiteral("--message"),
            QStringLiteral("2"),
            QStringLiteral("--seconds"),
            QStringLiteral("1"),
            QStringLiteral("--scale"),
            QStringLiteral("1"),
            command == QStringLiteral("frames") ? QStringLiteral("--frames") : QStringLiteral("--out"),
            out};
}

QByteArray headerOf(const QByteArray& stream)
{
    return stream.mid(7, 95);
}

QJsonObject infoOf(const QString& project)
{
    return QJsonDocument::fromJson(
               ctl({QStringLiteral("info"), project, QStringLiteral("--json")}).output.toUtf8())
        .object();
}

// A value of the summary by its path, "messages/2/mode".
QJsonValue valueAt(const QJsonObject& summary, const QString& path)
{
    QJsonValue value = summary;
    for (const QString& key : path.split(u'/')) {
        bool isIndex = false;
        const int index = key.toInt(&isIndex);
        value = isIndex ? value.toArray().at(index) : value.toObject().value(key);
    }
    return value;
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<QPoint> litPixels(const QImage& image)
{
    QList<QPoint> lit;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qRed(image.pixel(x, y)) >= 128)
                lit << QPoint(x, y);
        }
    }
    return lit;
}

} // namespace

class TestCtl : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString copyOfGolden() const { return copyGoldenProject(m_dir.path()); }

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
        QVERIFY(run.output.contains(QStringLiteral("短く切られる表示：表示 15\n")));
    }

    // The language follows the desktop's first interface language unless --language names one.
    void language_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("desktop"); // LANGUAGE
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("expected"); // on standard output, or standard error for status 2
        QTest::newRow("English asked for") << "--language en --help"
                                           << "ja_JP" << 0 << "Details of a command";
        QTest::newRow("a command's help") << "info --help --language=en"
                                          << "ja" << 0 << "Shows a summary of the project.";
        QTest::newRow("English desktop") << "--help"
                                         << "en_GB" << 0 << "Details of a command";
        QTest::newRow("German desktop") << "--help"
                                        << "de_DE" << 0 << "各コマンドの詳細";
        QTest::newRow("asked beats desktop") << "--language ja --help"
                                             << "en_US" << 0 << "各コマンドの詳細";
        QTest::newRow("no such language") << "--language fr info x.ini"
                                          << "en_US" << 2 << "\"fr\"";
        QTest::newRow("no language at all") << "info x.ini --language"
                                            << "ja" << 2 << "--language の値";
        QTest::newRow("info in English") << "info WINDOWS --language en"
                                         << "ja" << 0 << "Alternation: 3 messages from message 3";
    }
    void language()
    {
        QFETCH(QString, line);
        QFETCH(QString, desktop);
        QFETCH(int, status);
        QFETCH(QString, expected);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANGUAGE"), desktop);
        QStringList arguments = QProcess::splitCommand(line);
        arguments.replaceInStrings(QStringLiteral("WINDOWS"), copyOfGolden());
        const Run run = ctlProcess(arguments, {}, environment);
        QCOMPARE(run.status, status);
        QVERIFY2((status == 2 ? run.error : run.output).contains(expected),
                 qUtf8Printable(run.output + run.error));
    }

    // A show mode named as English shows it is taken, and the project keeps the list's own name.
    void englishModeNameKeepsTheProjectsName()
    {
        const QString project = copyOfGolden();
        const Run set = ctl({QStringLiteral("--language"), QStringLiteral("en"), QStringLiteral("set"),
                             project, QStringLiteral("--message"), QStringLiteral("5"),
                             QStringLiteral("--mode"), QStringLiteral("Split from center")});
        QCOMPARE(set.status, 0);
        const QJsonObject message = infoOf(project)[QStringLiteral("messages")].toArray()[5].toObject();
        QCOMPARE(message[QStringLiteral("modeIndex")].toInt(), 6);
        QCOMPARE(message[QStringLiteral("mode")].toString(), QStringLiteral("中心振分け"));
        const Run info =
            ctl({QStringLiteral("info"), project, QStringLiteral("--language"), QStringLiteral("en")});
        QVERIFY2(info.output.contains(QStringLiteral(", Split from center, speed")),
                 qUtf8Printable(info.output));
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("usage") << QStringList{QStringLiteral("info")} << 2 << QStringLiteral("設定ファイル");
        QTest::newRow("missing project is named in the first line")
            << QStringList{QStringLiteral("info"), QStringLiteral("/nowhere/x.ini")} << 1
            << QStringLiteral("警告: 設定ファイル /nowhere/x.ini がありません。");
        QTest::newRow("unknown port")
            << QStringList{QStringLiteral("upload"), QString(), QStringLiteral("--clip"),
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

    void overfullProjectIsRefusedUnlessClipped()
    {
        // The Windows sample holds more than a 32-dot card takes: message 15 is cut short.
        const QString project = copyOfGolden();
        const QString missing = path(QStringLiteral("nothing"));
        const Run refused = ctl({QStringLiteral("upload"), project, QStringLiteral("--port"), missing});
        QCOMPARE(refused.status, 1);
        QVERIFY2(refused.error.contains(QStringLiteral("短く切られる表示：表示 15\n")),
                 qUtf8Printable(refused.error));
        QVERIFY(refused.error.contains(QStringLiteral("--clip")));
        const Run clipped = ctl(
            {QStringLiteral("upload"), project, QStringLiteral("--clip"), QStringLiteral("--port"), missing});
        QCOMPARE(clipped.status, 1);
        QVERIFY2(!clipped.error.contains(QStringLiteral("表示 15")), qUtf8Printable(clipped.error));
        QVERIFY(clipped.error.contains(QStringLiteral("接続端子がすでに使用中か、存在しません\n") + missing));
    }

    // A virtual card's pseudo-terminal is among the ports on any machine, so the list is never
    // empty here.
    void portsAsTheWindowListsThem()
    {
        SKIP_WITHOUT_SOCAT();
        PtyPair pty;
        QVERIFY(pty.start());
        const QString runtime = path(QStringLiteral("runtime"));
        QVERIFY(QDir().mkpath(runtime));
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const bool hadSession = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
        const QByteArray session = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        const auto restore = qScopeGuard([&] {
            if (hadSession)
                qputenv("XDG_RUNTIME_DIR", session);
            else
                qunsetenv("XDG_RUNTIME_DIR");
        });
        const VirtualPort offer(pty.cardPath());
        QVERIFY(offer.isOffered());

        const Run listed = ctl({QStringLiteral("ports"), QStringLiteral("--json")});
        QCOMPARE(listed.status, 0);
        const QJsonDocument ports = QJsonDocument::fromJson(listed.output.toUtf8());
        QVERIFY(ports.isArray());
        QString offered;
        for (const QJsonValue& port : ports.array()) {
            QVERIFY(port[QStringLiteral("name")].toString().startsWith(QStringLiteral("COM")));
            QCOMPARE(port[QStringLiteral("canOpen")].toBool(), port[QStringLiteral("problem")].isNull());
            if (port[QStringLiteral("device")].toString() == pty.cardPath())
                offered = port[QStringLiteral("name")].toString();
        }
        QVERIFY2(!offered.isEmpty(), qUtf8Printable(listed.output));
        const Run text = ctl({QStringLiteral("ports")});
        QCOMPARE(text.status, 0);
        QVERIFY2(text.output.contains(offered + u'\t' + pty.cardPath() + u'\t'), qUtf8Printable(text.output));
    }

    // A new user on Linux is not in the group that owns the serial adapters; the failure names it.
    void portWithoutPermissionSaysWhyAndWhatToDo()
    {
        const group* dialout = ::getgrnam("dialout");
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (::geteuid() != 0 || !dialout || setpriv.isEmpty())
            QSKIP("needs root, setpriv and a dialout group to stand for a user outside that group");
        QTemporaryDir dir;
        const auto everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
        QVERIFY(QFile::setPermissions(dir.path(),
                                      everyone | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther));
        QVERIFY(!copyGoldenProject(dir.path(), QStringLiteral("shop"), everyone).isEmpty());
        const QString device = dir.filePath(QStringLiteral("ttyUSB0"));
        QFile node(device);
        QVERIFY(node.open(QIODevice::WriteOnly));
        node.close();
        QCOMPARE(::chown(QFile::encodeName(device).constData(), 0, dialout->gr_gid), 0);
        QVERIFY(
            node.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup));

        const Run refused = run(setpriv, {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                          QStringLiteral("--clear-groups"), QStringLiteral(P10SIGNCTL),
                                          QStringLiteral("upload"), dir.filePath(QStringLiteral("shop.ini")),
                                          QStringLiteral("--clip"), QStringLiteral("--port"), device});
        QCOMPARE(refused.status, 1);
        QVERIFY2(refused.error.contains(QStringLiteral("「dialout」グループ")),
                 qUtf8Printable(refused.error));
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

        // The name asks for the format: a .jpg is a JPEG, and a .bmp a BMP.
        for (const auto& [name, format] : {std::pair{"m2.jpg", "jpeg"}, std::pair{"m2.bmp", "bmp"}}) {
            const QString out = path(QLatin1String(name));
            QCOMPARE(ctl({QStringLiteral("render"), copyOfGolden(), QStringLiteral("--message"),
                          QStringLiteral("2"), QStringLiteral("--out"), out})
                         .status,
                     0);
            QImageReader reader(out);
            reader.setDecideFormatFromContent(true);
            QCOMPARE(reader.format(), QByteArray(format));
        }
    }

    // A script updating two shop signs, one of them unreachable: new text, then the upload to
    // each, byte for byte at the card that is there.
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
        QString unreachable;
        {
            TcpCard closed;
            QVERIFY(closed.listen());
            unreachable = closed.address();
        }
        const Run upload = ctl({QStringLiteral("upload"), project, QStringLiteral("--port"), unreachable,
                                QStringLiteral("--port"), pty.hostPath(), QStringLiteral("--brightness"),
                                QStringLiteral("2")});
        QCOMPARE(upload.status, 1);
        QVERIFY2(upload.output.startsWith(unreachable + QStringLiteral(": 転送できませんでした：")),
                 qUtf8Printable(upload.output));
        QVERIFY(upload.output.contains(u'\n' + pty.hostPath() + QStringLiteral(": 転送完了（")));
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
        // A script's log holds the failure, and no progress lines.
        QVERIFY2(upload.error.contains(unreachable) && !upload.error.contains(QStringLiteral("/19")),
                 qUtf8Printable(upload.error));
    }

    // Every setting through `set`, read back as a script would. Each row starts from the project
    // saved on Windows, whose values differ from those asked for, or from no project at all.
    void setChangesTheProject_data()
    {
        QTest::addColumn<bool>("fresh");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QStringList>("expected"); // path=JSON value
        QTest::newRow("english mode, speed, frame off")
            << false << "--message 2 --mode Stack --speed 1 --no-frame"
            << QStringList{"messages/2/modeIndex=5", "messages/2/mode=\"積み重ね\"", "messages/2/speed=1",
                           "messages/2/frame=false", "messages/2/length=101"};
        QTest::newRow("japanese mode, flash, frame")
            << false << "--message 5 --mode 中心振分け --flash --frame"
            << QStringList{"messages/5/modeIndex=6", "messages/5/flash=true", "messages/5/frame=true",
                           "messages/4/frame=false"};
        QTest::newRow("message 0 leaves animation")
            << false << "--message 0 --mode 0 --no-flash --no-bold"
            << QStringList{"messages/0/modeIndex=0", "messages/0/flash=false", "messages/0/bold=false",
                           "messages/0/length=40"};
        QTest::newRow("each --message starts a group of options")
            << false << "--message 0 --mode left --message 1 --mode fixed --speed 6"
            << QStringList{"messages/0/modeIndex=0", "messages/0/speed=8", "messages/1/modeIndex=4",
                           "messages/1/speed=6"};
        QTest::newRow("font") << false << "--message 1 --font IPAMincho --size 20 --bold --adjust -7"
                              << QStringList{"messages/1/font=\"IPAMincho\"", "messages/1/size=20",
                                             "messages/1/bold=true", "messages/1/adjust=-7"};
        QTest::newRow("width rounds the animation again")
            << false << "--width 12" << QStringList{"screen/widthBytes=12", "messages/0/length=48"};
        QTest::newRow("height") << false << "--height 16" << QStringList{"screen/heightDots=16"};
        QTest::newRow("clock") << false << "--clock-message 0 --hour-position 07 --minute-position 100"
                               << QStringList{"clock/message=0", "clock/hourPosition=7",
                                              "clock/minutePosition=100"};
        QTest::newRow("countdown") << false << "--days-message none --days-position 5 --days 042"
                                   << QStringList{"countdown/message=null", "countdown/position=5",
                                                  "countdown/days=42"};
        QTest::newRow("work time") << false << "--work-time 8:05-17:30"
                                   << QStringList{"workTime/enabled=true", "workTime/start=\"08:05\"",
                                                  "workTime/end=\"17:30\""};
        QTest::newRow("work time off keeps the window")
            << true << "--work-time off"
            << QStringList{"workTime/enabled=false", "workTime/start=\"07:00\"", "workTime/end=\"19:00\""};
        QTest::newRow("a new project starts as the window starts")
            << true << "--message 3 --speed 2"
            << QStringList{"messages/3/speed=2", "messages/2/speed=4", "screen/widthBytes=16",
                           "clock/message=null", "workTime/enabled=true"};
    }
    void setChangesTheProject()
    {
        QFETCH(bool, fresh);
        QFETCH(QString, options);
        QFETCH(QStringList, expected);
        const QString project =
            fresh ? path(QStringLiteral("fresh%1.ini").arg(QTest::currentDataTag())) : copyOfGolden();
        const Run run = ctl(QStringList{QStringLiteral("set"), project} + QProcess::splitCommand(options));
        QCOMPARE(run.status, 0);
        QCOMPARE(run.output, QString());
        const QJsonObject summary = infoOf(project);
        for (const QString& check : expected) {
            const QString key = check.section(u'=', 0, 0);
            const QJsonValue value =
                QJsonDocument::fromJson("[" + check.section(u'=', 1).toUtf8() + "]").array().at(0);
            QVERIFY2(valueAt(summary, key) == value, qUtf8Printable(check));
        }
    }

    void setWithoutOptionsChangesNothing()
    {
        const QString project = copyOfGolden();
        const QByteArray settings = contentsOf(project);
        const QByteArray data = contentsOf(path(QStringLiteral("shop.bin")));
        const Run run = ctl({QStringLiteral("set"), project});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.output + run.error, QString());
        QCOMPARE(contentsOf(project), settings);
        QCOMPARE(contentsOf(path(QStringLiteral("shop.bin"))), data);

        QCOMPARE(ctl({QStringLiteral("set"), path(QStringLiteral("none.ini"))}).status, 0);
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("none.ini"))));
    }

    // The hidden alternation boxes follow their chain rule, and the saved pair follows the boxes.
    void alternationGroup_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("run") << "6-8" << 0 << QByteArray("AlternateBeginMsg=6\r\nAlternateMsgNum=3\r\n");
        QTest::newRow("one message") << "0-0" << 0
                                     << QByteArray("AlternateBeginMsg=0\r\nAlternateMsgNum=1\r\n");
        QTest::newRow("to the last") << "14-15" << 0
                                     << QByteArray("AlternateBeginMsg=14\r\nAlternateMsgNum=2\r\n");
        QTest::newRow("off") << "off" << 0 << QByteArray("AlternateBeginMsg=0\r\nAlternateMsgNum=0\r\n");
        // Box 15 alone cannot start a group: refused, the project stays as it was.
        QTest::newRow("last alone") << "15-15" << 1
                                    << QByteArray("AlternateBeginMsg=3\r\nAlternateMsgNum=3\r\n");
    }
    void alternationGroup()
    {
        QFETCH(QString, group);
        QFETCH(int, status);
        QFETCH(QByteArray, saved);
        const QString project = copyOfGolden();
        const Run run = ctl({QStringLiteral("set"), project, QStringLiteral("--alternate"), group});
        QCOMPARE(run.status, status);
        QVERIFY2(contentsOf(project).contains(saved), contentsOf(project).constData());
        if (status != 0)
            QVERIFY(run.error.contains(QStringLiteral("表示 15")));
    }

    // One lit pixel at the left of the first byte and one at the right of the second: a mirrored
    // bit order lights other pixels.
    void importRenderExport()
    {
        QImage picture(16, 2, QImage::Format_RGB32);
        picture.fill(Qt::black);
        picture.setPixel(0, 0, qRgb(255, 0, 0));
        picture.setPixel(15, 1, qRgb(255, 255, 255));
        const QString bmp = path(QStringLiteral("two.bmp"));
        QVERIFY(picture.save(bmp));
        const QString project = path(QStringLiteral("picture.ini"));
        const QStringList message{QStringLiteral("--message"), QStringLiteral("3")};
        QCOMPARE(
            ctl(QStringList{QStringLiteral("import"), project, QStringLiteral("--picture"), bmp} + message)
                .status,
            0);
        const QList<QPoint> expected{QPoint(0, 0), QPoint(15, 1)};

        const QString png = path(QStringLiteral("m3.png"));
        QCOMPARE(ctl(QStringList{QStringLiteral("render"), project, QStringLiteral("--out"), png} + message)
                     .status,
                 0);
        const QImage rendered(png);
        QCOMPARE(rendered.size(), QSize(16, 16));
        QCOMPARE(litPixels(rendered), expected);

        // Exported as the window does: the whole image, a name without extension made ".bmp".
        QCOMPARE(ctl(QStringList{QStringLiteral("export"), project, QStringLiteral("--out"),
                                 path(QStringLiteral("m3"))} +
                     message)
                     .status,
                 0);
        const QImage exported(path(QStringLiteral("m3.bmp")));
        QCOMPARE(exported.size(), QSize(16376, 32));
        QCOMPARE(litPixels(exported), expected);
    }

    void importAndExportRefusals_data()
    {
        QTest::addColumn<QString>("verb");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("told");
        QTest::newRow("no picture") << "import"
                                    << "missing.bmp"
                                    << "画像ファイルが見つかりません。";
        QTest::newRow("not a picture") << "import"
                                       << "shop.ini"
                                       << "画像ファイルとして読み込めません。";
        QTest::newRow("no folder") << "export"
                                   << "no/such/out.bmp"
                                   << "画像ファイルを保存できませんでした。";
    }
    void importAndExportRefusals()
    {
        QFETCH(QString, verb);
        QFETCH(QString, file);
        QFETCH(QString, told);
        const QString project = copyOfGolden();
        const QByteArray settings = contentsOf(project);
        const QByteArray data = contentsOf(path(QStringLiteral("shop.bin")));
        const Run run =
            ctl({verb, project, QStringLiteral("--message"), QStringLiteral("2"),
                 verb == QLatin1String("import") ? QStringLiteral("--picture") : QStringLiteral("--out"),
                 path(file)});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.error.contains(told), qUtf8Printable(run.error));
        QCOMPARE(contentsOf(project), settings);
        QCOMPARE(contentsOf(path(QStringLiteral("shop.bin"))), data);
    }

    // What a cron job meets when the adapter is unplugged: a prompt failure, not a wait forever.
    void unopenablePortFailsAtOnce_data()
    {
        QTest::addColumn<QStringList>("command"); // the sample project is more than the card holds
        QTest::newRow("upload") << QStringList{QStringLiteral("upload"), QStringLiteral("--clip")};
        QTest::newRow("set-clock") << QStringList{QStringLiteral("set-clock")};
    }
    void unopenablePortFailsAtOnce()
    {
        QFETCH(QStringList, command);
        QElapsedTimer elapsed;
        elapsed.start();
        const Run run = ctl(
            command + QStringList{copyOfGolden(), QStringLiteral("--port"), path(QStringLiteral("ttyUSB7"))});
        QCOMPARE(run.status, 1);
        // A bound that catches a wait for the port, not one that a loaded machine breaks; nothing
        // was sent, so the run need not keep the port quiet before it ends.
        QVERIFY2(elapsed.elapsed() < 5000, qPrintable(QString::number(elapsed.elapsed())));
        QCOMPARE(run.quietMs, 0);
        QVERIFY2(run.error.contains(QStringLiteral("接続端子")), qUtf8Printable(run.error));
    }

    // Scheduled jobs run without a session: nothing but the work's own messages on standard error.
    void noStrayWarningsWithoutASession_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::newRow("set-text") << QStringList{QStringLiteral("set-text"),  QStringLiteral("cron.ini"),
                                                 QStringLiteral("--message"), QStringLiteral("0"),
                                                 QStringLiteral("--text"),    QStringLiteral("営業中")};
        QTest::newRow("ports") << QStringList{QStringLiteral("ports")};
    }
    void noStrayWarningsWithoutASession()
    {
        QFETCH(QStringList, command);
        if (command.size() > 1)
            command[1] = path(command[1]);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        const Run run = ctlProcess(command, {}, environment);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.error, QString());
    }

    // Progress lines are for a person watching a terminal, or for --verbose; results always show.
    void setClockAtAGivenTime_data()
    {
        QTest::addColumn<bool>("verbose");
        QTest::newRow("a script's log") << false;
        QTest::newRow("verbose") << true;
    }
    void setClockAtAGivenTime()
    {
        QFETCH(bool, verbose);
        SKIP_WITHOUT_SOCAT();
        PtyPair pty;
        QVERIFY(pty.start());
        CardReader card;
        QVERIFY(card.open(pty.cardPath()));
        QStringList arguments{QStringLiteral("set-clock"), copyOfGolden(),
                              QStringLiteral("--port"),    pty.hostPath(),
                              QStringLiteral("--at"),      QStringLiteral("07:05:09")};
        if (verbose)
            arguments << QStringLiteral("--verbose");
        QElapsedTimer elapsed;
        elapsed.start();
        // A script's log is the program's own standard streams; the verbose run is seen here.
        const Run run = verbose ? ctl(arguments) : ctlProcess(arguments);
        const auto restore = qScopeGuard([] { QLoggingCategory::setFilterRules({}); });
        QCOMPARE(run.status, 0);
        QVERIFY2(run.output.startsWith(pty.hostPath() + QStringLiteral(": 時計の設定完了")),
                 qUtf8Printable(run.output));
        // The greeting is step 1.
        const QStringList errorLines = run.error.split(u'\n');
        QCOMPARE(errorLines.contains(QStringLiteral("1/4")), verbose);
        QCOMPARE(errorLines.contains(QStringLiteral("4/4")), verbose);
        QVERIFY(verbose || run.error.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(card.received().size(), 16, 3000);
        QCOMPARE(card.received().left(10), QByteArray("HelloC2\x09\x05\x07"));
        // The program ends only when the card would take the next run's greeting as one.
        if (verbose)
            QVERIFY(run.quietMs > Link::kQuietBetweenExchangesMs / 2);
        else
            QVERIFY(elapsed.elapsed() >= 600 + 3000);
    }

    // Only regular files are replaced, a link is followed to its file, and what could not be
    // written whole is never reported written; a failed save names the file that failed. Each
    // picture p10signctl writes, the animated preview and every frame of the preview alike.
    void writesReplaceOnlyRegularFiles_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("status");
        for (const QString command : {"render", "export", "preview", "frames"}) {
            QTest::addRow("%s to a device", qPrintable(command)) << command << "device" << 1;
            QTest::addRow("%s to a FIFO", qPrintable(command)) << command << "fifo" << 1;
            QTest::addRow("%s through a link to nothing", qPrintable(command)) << command << "dangling" << 1;
            QTest::addRow("%s through a link", qPrintable(command)) << command << "link" << 0;
        }
        QTest::newRow("render on a full disk") << "render"
                                               << "full" << 1;
        QTest::newRow("display data on a full disk") << "set-text"
                                                     << "full" << 1;
    }
    void writesReplaceOnlyRegularFiles()
    {
        QFETCH(QString, command);
        QFETCH(QString, target);
        QFETCH(int, status);
        QTemporaryDir dir;
        QString out = dir.filePath(outputName(command));
        QVERIFY(QDir().mkpath(QFileInfo(out).path()));
        QString real = out;
        const QByteArray before = "old file, kept";
        const QByteArray name = QFile::encodeName(out);
        if (target == QStringLiteral("device") && ::geteuid() == 0) {
            // A twin of /dev/null in the test's folder, so that a fault cannot cost the machine
            // its own; without root, /dev/null itself cannot be replaced.
            QCOMPARE(::mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
        } else if (target == QStringLiteral("device")) {
            if (command == QStringLiteral("frames"))
                QSKIP("a frame named like a device needs root to make the device");
            out = QStringLiteral("/dev/null");
        } else if (target == QStringLiteral("fifo")) {
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        } else if (target == QStringLiteral("dangling")) {
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("nothing")), out));
        } else {
            real = target == QStringLiteral("link") ? dir.filePath(QStringLiteral("target")) : out;
            QFile file(real);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
            QVERIFY(real == out || QFile::link(real, out));
        }
        const QString written = command == QStringLiteral("frames") ? QFileInfo(out).path() : out;
        const QStringList arguments = command == QStringLiteral("set-text")
                                          ? setText(dir.filePath(QStringLiteral("p.ini")), "A")
                                          : writing(command, copyOfGolden(), written);
        // A full disk is a limit that only a process of its own can be given.
        const Run run =
            target == QStringLiteral("full") ? ctlProcess(arguments, diskAlmostFull) : ctl(arguments);
        QCOMPARE(run.status, status);
        if (status == 0) {
            QVERIFY(QFileInfo(out).isSymbolicLink());
            QVERIFY(QImageReader(real).canRead());
        } else {
            QVERIFY2(run.error.contains(out), qUtf8Printable(run.error));
            QCOMPARE(QFileInfo(out).isFile(), target == QStringLiteral("full"));
            QVERIFY(!QFileInfo(out).isFile() || readFile(out) == before);
            QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("nothing"))));
        }
        QDirIterator left(dir.path(), QDir::Files | QDir::System, QDirIterator::Subdirectories);
        while (left.hasNext())
            QVERIFY2(!left.next().endsWith(QStringLiteral(".p10sign-new")), qUtf8Printable(left.filePath()));
    }

    // Every file p10signctl writes, on a disk without room: the run fails with the system's reason
    // and the old file stays as it was, nothing left beside it.
    void fullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("command");
        for (const QString command : {"set-text", "render", "export", "preview", "frames"})
            QTest::newRow(qPrintable(command)) << command;
    }
    void fullDiskKeepsTheOldFile()
    {
        QFETCH(QString, command);
        FullDisk disk;
        if (!disk.mounted())
            QSKIP(FullDisk::reason());
        const bool project = command == QStringLiteral("set-text");
        const QString out = disk.path(project ? QStringLiteral("p.ini") : outputName(command));
        QStringList kept{out};
        if (project) {
            QCOMPARE(ctl(setText(out, QStringLiteral("old"))).status, 0);
            kept << disk.path(QStringLiteral("p.bin"));
        } else {
            QVERIFY(QDir().mkpath(QFileInfo(out).path()));
            QFile old(out);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old file, kept") > 0);
        }
        QMap<QString, QByteArray> before;
        for (const QString& file : kept)
            before.insert(file, readFile(file));
        QVERIFY(disk.fill());
        const QStringList files = QDir(QFileInfo(out).path()).entryList(QDir::Files);
        const QString written = command == QStringLiteral("frames") ? QFileInfo(out).path() : out;
        const Run run =
            ctl(QStringList{QStringLiteral("--language"), QStringLiteral("en")} +
                (project ? setText(out, QStringLiteral("new")) : writing(command, copyOfGolden(), written)));
        QCOMPARE(run.status, 1);
        QVERIFY2(run.error.contains(QStringLiteral("No space left on device")), qUtf8Printable(run.error));
        for (const QString& file : kept)
            QCOMPARE(readFile(file), before.value(file));
        QCOMPARE(QDir(QFileInfo(out).path()).entryList(QDir::Files), files);
    }

    // A save killed between making its lock file and writing its name into it leaves an empty lock
    // file, which names no holder and is taken as stale; a lock of a running program holds, and
    // the refusal names the lock file and what to do.
    void locksWithoutAHolderAreStale_data()
    {
        QTest::addColumn<QString>("lock");
        QTest::addColumn<int>("status");
        QTest::newRow("killed at the lock") << "killed" << 0;
        QTest::newRow("empty lock file") << "empty" << 0;
        QTest::newRow("held by a running program") << "held" << 1;
    }
    void locksWithoutAHolderAreStale()
    {
        QFETCH(QString, lock);
        QFETCH(int, status);
        QTemporaryDir dir;
        const QString project = dir.filePath(QStringLiteral("shop.ini"));
        const QString lockFile = project + QStringLiteral(".p10sign-saving.lock");
        QCOMPARE(ctl(setText(project, QStringLiteral("first"))).status, 0);
        QLockFile held(lockFile);
        if (lock == QStringLiteral("killed")) {
            SKIP_WITHOUT_TOOL(QStringLiteral("strace"));
            const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
            const Run killed =
                run(strace,
                    QStringList{QStringLiteral("-f"), QStringLiteral("-qq"), QStringLiteral("-e"),
                                QStringLiteral("trace=flock"), QStringLiteral("-e"),
                                QStringLiteral("inject=flock:signal=SIGKILL"), QStringLiteral(P10SIGNCTL)} +
                        setText(project, QStringLiteral("killed")));
            QVERIFY2(killed.status != 0, qUtf8Printable(killed.error));
        } else if (lock == QStringLiteral("empty")) {
            QFile empty(lockFile);
            QVERIFY(empty.open(QIODevice::WriteOnly));
        } else {
            QVERIFY(held.tryLock());
        }
        QVERIFY(QFileInfo::exists(lockFile));
        if (lock != QStringLiteral("held"))
            QCOMPARE(QFileInfo(lockFile).size(), 0);

        const Run second = ctlProcess(setText(project, QStringLiteral("second")));
        QCOMPARE(second.status, status);
        QCOMPARE(readFile(project).contains("Message0Text=second\r\n"), status == 0);
        QCOMPARE(QFileInfo::exists(lockFile), status != 0);
        if (status != 0) {
            QVERIFY2(second.error.contains(lockFile), qUtf8Printable(second.error));
            QVERIFY2(second.error.contains(QStringLiteral("ロックファイルを削除")),
                     qUtf8Printable(second.error));
        }
    }

    // Two scripts changing different messages of one project at the same moment: each run holds
    // the project from its load to its save, so neither change is lost.
    void concurrentChangesAreBothKept()
    {
        QTemporaryDir dir;
        const QString project = dir.filePath(QStringLiteral("shop.ini"));
        QCOMPARE(ctl(setText(project, QStringLiteral("start"))).status, 0);
        for (int round = 0; round < 5; ++round) {
            std::array<QProcess, 2> runs;
            for (int m = 0; m < 2; ++m)
                runs[m].start(QStringLiteral(P10SIGNCTL),
                              {QStringLiteral("set-text"), project, QStringLiteral("--message"),
                               QString::number(m + 1), QStringLiteral("--text"),
                               QStringLiteral("r%1m%2").arg(round).arg(m + 1)});
            for (QProcess& process : runs) {
                QVERIFY(process.waitForFinished(30000));
                QCOMPARE(process.exitCode(), 0);
            }
            const QByteArray settings = readFile(project);
            for (int m = 1; m <= 2; ++m) {
                const QByteArray line =
                    QStringLiteral("Message%1Text=r%2m%1\r\n").arg(m).arg(round).toLatin1();
                QVERIFY2(settings.contains(line), line.constData());
            }
        }
    }

    // One run sends to a port once: a second exchange right after the first would reach the card
    // while it still waits to see whether the first has ended. Names of one port are one port.
    void samePortTwiceIsRefused_data()
    {
        QTest::addColumn<QStringList>("ports");
        QTest::addColumn<QString>("told");
        QTest::newRow("the same path") << QStringList{"PORT", "PORT"} << "--port PORT が二度";
        QTest::newRow("a link to it") << QStringList{"PORT", "LINK"} << "--port PORT と --port LINK は同じ";
        QTest::newRow("one server") << QStringList{"tcp://127.0.0.1:4001", "tcp://127.0.0.1:4001"}
                                    << "--port tcp://127.0.0.1:4001 が二度";
    }
    void samePortTwiceIsRefused()
    {
        QFETCH(QStringList, ports);
        QFETCH(QString, told);
        QTemporaryDir dir;
        const QString port = dir.filePath(QStringLiteral("ttyS9"));
        QFile(port).open(QIODevice::WriteOnly);
        QVERIFY(QFile::link(port, dir.filePath(QStringLiteral("link"))));
        QStringList arguments{QStringLiteral("upload"), copyOfGolden(), QStringLiteral("--clip")};
        for (const QString& named : ports)
            arguments << QStringLiteral("--port") << named;
        arguments.replaceInStrings(QStringLiteral("PORT"), port);
        arguments.replaceInStrings(QStringLiteral("LINK"), dir.filePath(QStringLiteral("link")));
        told.replace(QStringLiteral("PORT"), port)
            .replace(QStringLiteral("LINK"), dir.filePath(QStringLiteral("link")));
        const Run run = ctl(arguments);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.error.contains(told), qUtf8Printable(run.error));
        QCOMPARE(run.output, QString());
    }

    // A value out of its range that nobody changes keeps its bytes; one that is set is written as
    // set.
    void valuesOutOfRangeKeepTheirBytes()
    {
        const QString project = copyOfGolden();
        QByteArray settings = readFile(project);
        const QByteArray speed = "[Message3ShowMode]\r\nMoveDirection=0\r\nFlash=0\r\nMoveSpeed=";
        const qsizetype at = settings.indexOf(speed);
        QVERIFY(at >= 0);
        settings.replace(at + speed.size(), 1, "40");
        QFile file(project);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(settings) == settings.size());
        file.close();
        QCOMPARE(ctl(setText(project, QStringLiteral("A"))).status, 0);
        QVERIFY(readFile(project).contains(speed + "40\r\n"));
        QCOMPARE(ctl({QStringLiteral("set"), project, QStringLiteral("--message"), QStringLiteral("3"),
                      QStringLiteral("--speed"), QStringLiteral("5")})
                     .status,
                 0);
        QVERIFY(readFile(project).contains(speed + "5\r\n"));
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
        const auto everyoneWrites = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                    QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
        QVERIFY(!copyGoldenProject(shared, QStringLiteral("shop"), everyoneWrites).isEmpty());
        const auto readOnlyFolder = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                    QFile::ReadOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(dir.path(), readOnlyFolder));
        QVERIFY(QFile::setPermissions(shared, readOnlyFolder));
        // Root may create files anywhere; without its rights to override permissions the folder's
        // hold for it too, and it still starts the program wherever the build lies (a newcomer as
        // root keeps it in /root, which no other user may enter).
        const auto withoutOverridingPermissions = [] {
            if (::geteuid() == 0 && (::prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE) != 0 ||
                                     ::prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH) != 0))
                ::_exit(99);
        };
        const Run run = ctlProcess(setText(shared + QStringLiteral("/shop.ini"), QStringLiteral("B")),
                                   withoutOverridingPermissions);
        for (const QString& folder : {dir.path(), shared})
            QFile::setPermissions(folder, readOnlyFolder | QFile::WriteOwner);
        QVERIFY2(run.status == 0, qUtf8Printable(run.error));
        QVERIFY(readFile(shared + QStringLiteral("/shop.ini")).contains("Message0Text=B\r\n"));
        QCOMPARE(QDir(shared).entryList(QDir::Files),
                 (QStringList{QStringLiteral("shop.bin"), QStringLiteral("shop.ini")}));
    }
};

// A GUI application, as p10signctl makes one for adopting a text, which draws with fonts.
QTEST_MAIN(TestCtl)
#include "tst_ctl.moc"
