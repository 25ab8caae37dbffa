// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/cardmemoryfile.h"
#include "cardprocess.h"
#include "link/linkconstants.h"
#include "link/ptypair.h"
#include "link/systemportcatalogue.h"
#include "model/limits.h"
#include "sendertools.h"
#include "support/fulldisk.h"
#include "support/goldenproject.h"
#include "texts/cardtexts.h"
#include "texts/filetexts.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

constexpr int kStartMs = 10000;
constexpr int kExchangeMs = 30000;
const QByteArray kOldFile = "old file, kept";

using SenderTools::contentsOf;

QJsonObject jsonOf(const QString& path)
{
    return QJsonDocument::fromJson(contentsOf(path)).object();
}

QJsonValue valueAt(const QJsonObject& json, const QString& path)
{
    QJsonValue value = json;
    for (const QString& key : path.split(u'/')) {
        bool isIndex = false;
        const int index = key.toInt(&isIndex);
        value = isIndex ? value.toArray().at(index) : value.toObject().value(key);
    }
    return value;
}

// A clock set as p10signctl sends it, 12:34:56 with the schedule of the Windows sample.
void sendClockSet(const QString& device)
{
    QFile line(device);
    if (!line.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    // Each frame ends with a pause of the line that the card notices.
    line.write("HelloC2");
    QTest::qWait(200);
    line.write("\x56\x34\x12");
    QTest::qWait(200);
    line.write(QByteArray::fromHex("03e707001380"));
}

// Makes `path` what a row asks for: a FIFO, a device (a twin of /dev/null, which only root can
// make), a link to nothing, or an old file to keep.
bool makeTarget(const QString& path, const QString& target)
{
    const QByteArray name = QFile::encodeName(path);
    if (target == QStringLiteral("fifo"))
        return ::mkfifo(name.constData(), 0600) == 0;
    if (target == QStringLiteral("device"))
        return ::mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    if (target == QStringLiteral("dangling"))
        return QFile::link(path + QStringLiteral(".nothing"), path);
    QFile old(path);
    return old.open(QIODevice::WriteOnly) && old.write(kOldFile) == kOldFile.size();
}

} // namespace

// The virtual card as its users meet it: p10signctl uploads to it through the port list, a
// garbled exchange is told in its log, and its memory outlives the program.
class TestP10SignCard : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();

    QString path(const QString& name) const { return m_dir.filePath(name); }

    static int ctl(const QStringList& arguments) { return SenderTools::ctl(arguments).status; }

private slots:
    void initTestCase()
    {
#ifndef Q_OS_UNIX
        QSKIP("p10signcard makes pseudo-terminals on Linux and macOS only");
#endif
        // Virtual ports are offered in the runtime folder; this run's own keeps other cards out.
        const QString runtime = path(QStringLiteral("runtime"));
        QVERIFY(QDir().mkpath(runtime));
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        QVERIFY(!copyGoldenProject(m_dir.path()).isEmpty());
    }

    // The project made on Windows, uploaded by its COM name from the port list and then given the
    // clock by a card started again on the memory the first one kept: the card's JSON holds the
    // project's settings as clipped and its bytes.
    void uploadAndClockSetFromTheCommandLine()
    {
        const QString json = path(QStringLiteral("card.json"));
        const QString memory = path(QStringLiteral("memory.json"));
        const QStringList options{QStringLiteral("--pty"),    QStringLiteral("--fast"),
                                  QStringLiteral("--json"),   json,
                                  QStringLiteral("--memory"), memory};
        auto card = std::make_unique<CardProcess>(m_environment);
        QVERIFY(card->start(options));
        QVERIFY(card->device().startsWith(u'/'));

        SystemPortCatalogue ports;
        QString comName;
        for (const PortEntry& port : ports.scan()) {
            if (port.device == card->device())
                comName = port.name;
        }
        QVERIFY2(!comName.isEmpty(), "the virtual card is in the port list");

        const QString project = path(QStringLiteral("shop.ini"));
        // Its COM name and its device are one port, which one run sends to once.
        QCOMPARE(ctl({QStringLiteral("upload"), project, QStringLiteral("--clip"), QStringLiteral("--port"),
                      comName, QStringLiteral("--port"), card->device()}),
                 2);
        // The Windows sample holds more than the card takes; the card gets what fits.
        QCOMPARE(ctl({QStringLiteral("upload"), project, QStringLiteral("--clip"), QStringLiteral("--port"),
                      comName}),
                 0);
        QVERIFY(card->waitForLines(2, kExchangeMs));
        const QString upload = card->logLine(0);
        QVERIFY2(upload.contains(CardTexts::uploadKind()) && upload.contains(CardTexts::byteCount(57446)) &&
                     upload.endsWith(CardTexts::allWell()),
                 qUtf8Printable(upload));

        card = std::make_unique<CardProcess>(m_environment);
        QVERIFY(card->start(options));
        QCOMPARE(ctl({QStringLiteral("set-clock"), project, QStringLiteral("--port"), card->device(),
                      QStringLiteral("--at"), QStringLiteral("12:34:56")}),
                 0);
        QVERIFY(card->waitForLines(2, kExchangeMs));
        const QString clockSet = card->logLine(0);
        QVERIFY2(clockSet.contains(CardTexts::clockSetKind()) &&
                     clockSet.contains(CardTexts::byteCount(16)) && clockSet.endsWith(CardTexts::allWell()),
                 qUtf8Printable(clockSet));

        const QJsonObject got = jsonOf(json);
        const QJsonObject info = jsonOf(QStringLiteral(P10_TEST_DATA "/windows.info.json"));
        QCOMPARE(contentsOf(memory), contentsOf(json));
        const QList<std::pair<QString, QString>> same{{"screen/widthBytes", "screen/widthBytes"},
                                                      {"screen/heightDots", "screen/heightDots"},
                                                      {"alternation/begin", "alternation/begin"},
                                                      {"alternation/count", "alternation/count"},
                                                      {"clock/message", "clock/message"},
                                                      {"clock/hourPosition", "clock/hourPosition"},
                                                      {"clock/minutePosition", "clock/minutePosition"},
                                                      {"countdown/message", "countdown/message"},
                                                      {"countdown/position", "countdown/position"},
                                                      {"countdown/days", "countdown/days"},
                                                      {"workTime/enabled", "workTime/enabled"}};
        for (const auto& [cardKey, projectKey] : same) {
            const QJsonValue expected = valueAt(info, projectKey);
            const QJsonValue value = valueAt(got, cardKey);
            QVERIFY2(value == expected, qUtf8Printable(cardKey));
        }
        QCOMPARE(valueAt(got, QStringLiteral("brightness")).toInt(), 4);
        QCOMPARE(valueAt(got, QStringLiteral("workTime/startMinutes")).toInt(), 7 * 60 + 30);
        QCOMPARE(valueAt(got, QStringLiteral("workTime/endMinutes")).toInt(), 20 * 60);
        QCOMPARE(valueAt(got, QStringLiteral("clockSet/time")).toString(), QStringLiteral("12:34:56.000"));

        // Every message as the upload clips it to the 1792 bytes of a 32-row sign, with its mode and
        // its bytes straight from the display data file.
        const QByteArray data = contentsOf(path(QStringLiteral("shop.bin")));
        const QJsonArray rows = got[QStringLiteral("rows")].toArray();
        QCOMPARE(rows.size(), 32);
        int offset = 0;
        for (int m = 0; m < kMessageCount; ++m) {
            const QJsonObject message = valueAt(got, QStringLiteral("messages/%1").arg(m)).toObject();
            const QJsonObject stated = valueAt(info, QStringLiteral("messages/%1").arg(m)).toObject();
            const int length =
                std::min(stated[QStringLiteral("length")].toInt(), Link::kRowCapacity32 - offset);
            QCOMPARE(message[QStringLiteral("offset")].toInt(), offset);
            QCOMPARE(message[QStringLiteral("length")].toInt(), length);
            const auto code = Link::kShowCodes.at(std::size_t(stated[QStringLiteral("modeIndex")].toInt()));
            QCOMPARE(message[QStringLiteral("showCode")].toInt(), int(code));
            QCOMPARE(message[QStringLiteral("speed")].toInt(), stated[QStringLiteral("speed")].toInt());
            QCOMPARE(message[QStringLiteral("flash")], stated[QStringLiteral("flash")]);
            QCOMPARE(message[QStringLiteral("loopLamp")], stated[QStringLiteral("frame")]);
            for (int row = 0; row < rows.size() && length > 0; ++row) {
                const QByteArray sent =
                    data.mid(qsizetype(m) * kMessageBytes + qsizetype(row) * kColumns, length);
                QCOMPARE(rows[row].toString().mid(offset * 2, length * 2).toLatin1(), sent.toHex());
            }
            offset += length;
        }
    }

    // A clock set cut short after two bytes of its time frame: the log says so, and the card keeps
    // the memory it started with, read from the file it kept.
    void garbledClockSetIsToldAndTheKeptMemoryStays()
    {
        CardMemory kept;
        kept.rowLength = 2;
        kept.rows = QByteArray(32 * 2, '\x80');
        kept.messages[0] = {0x01, 0, 2};
        kept.countdownDays = 42;
        const QString memory = path(QStringLiteral("kept.json"));
        QVERIFY(!CardMemoryFile::write(memory, kept));
        const QString json = path(QStringLiteral("after.json"));

        CardProcess card(m_environment);
        QVERIFY(card.start(
            {QStringLiteral("--pty"), QStringLiteral("--json"), json, QStringLiteral("--memory"), memory}));
        QFile line(card.device());
        QVERIFY(line.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        QCOMPARE(line.write("HelloC2"), 7);
        QTest::qWait(300);
        QCOMPARE(line.write("\x56\x34"), 2);
        QVERIFY(card.waitForLines(2, kExchangeMs));
        const QString logged = card.logLine(0);
        QVERIFY2(logged.contains(CardTexts::clockSetKind()) && logged.contains(CardTexts::unfinished()) &&
                     logged.contains(CardTexts::wrongFrameSize(CardTexts::timeFrame(), 2, 3)),
                 qUtf8Printable(logged));
        QVERIFY(CardMemoryFile::read(json).memory == kept);
    }

    // The card behind a network address, as a device server would have it in either mode: the
    // upload, 0xFF bytes and all, lands in its memory as the project holds it.
    void listensOnTheNetwork_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::newRow("raw TCP") << "tcp";
        QTest::newRow("telnet with the COM port option") << "rfc2217";
    }
    void listensOnTheNetwork()
    {
        QFETCH(QString, scheme);
        const QString project = SenderTools::makeProject(m_dir.path(), 40);
        QVERIFY(!project.isEmpty());
        const QString json = path(QStringLiteral("listen-%1.json").arg(scheme));
        CardProcess card(m_environment);
        // On the loopback, at a port the system chooses.
        QVERIFY(card.start({QStringLiteral("--listen"), scheme + QStringLiteral("://:0"),
                            QStringLiteral("--fast"), QStringLiteral("--json"), json,
                            QStringLiteral("--memory"), path(QStringLiteral("net.json"))}));
        QVERIFY2(card.device().startsWith(scheme + QStringLiteral("://127.0.0.1:")),
                 qUtf8Printable(card.device()));
        const SenderTools::Run upload =
            SenderTools::ctl({QStringLiteral("upload"), project, QStringLiteral("--port"), card.device()});
        QVERIFY2(upload.status == 0, qUtf8Printable(upload.output + upload.error));
        QVERIFY(card.waitForLines(2, kExchangeMs));
        QVERIFY2(card.logLine(0).endsWith(CardTexts::allWell()), qUtf8Printable(card.logLine(0)));
        const QString difference = SenderTools::memoryDifference(json, project);
        QVERIFY2(difference.isEmpty(), qUtf8Printable(difference));
    }

    // By default the card takes its line at 9600 baud's pace, so an upload over a pseudo-terminal
    // lasts as long as on a real card, for the card and for the sender. (The other uploads here go
    // to a card that reads at once, with --fast.)
    void readsAtTheLinesPace()
    {
        // 32 rows, so that the card knows the upload complete at its last byte.
        constexpr int kWidthBytes = 80;
        constexpr int kRows = 32;
        const QString project = SenderTools::makeProject(m_dir.path(), kWidthBytes, kRows);
        QVERIFY(!project.isEmpty());
        CardProcess card(m_environment);
        QVERIFY(card.start(
            {QStringLiteral("--pty"), QStringLiteral("--memory"), path(QStringLiteral("pace.json"))}));
        const SenderTools::Run upload =
            SenderTools::ctl({QStringLiteral("upload"), project, QStringLiteral("--port"), card.device()});
        QVERIFY2(upload.status == 0, qUtf8Printable(upload.error));
        // Greeting, header and rows at 960 bytes a second, and the three seconds and 300 ms waits.
        constexpr int kBytes = 7 + 95 + kRows * kWidthBytes;
        const qint64 idealMs = qint64(kBytes) * 1000 / Link::kBytesPerSecond + 3300;
        qInfo("upload of %d bytes took %lld ms against %lld ms ideal", kBytes, upload.ms, idealMs);
        // The card lets the sender run a chunk or so ahead, never more.
        constexpr qint64 kSenderLeadMs = 1500;
        QVERIFY(upload.ms >= idealMs - kSenderLeadMs);
        QVERIFY(card.waitForLines(2, kExchangeMs));
        QVERIFY2(card.logLine(0).endsWith(CardTexts::allWell()), qUtf8Printable(card.logLine(0)));
    }

    // A 16-row upload is complete at its last byte: when the port goes away at once, as when the
    // adapter is pulled, the card keeps it rather than waiting for 16 rows more that never come.
    void uploadIsKeptWhenThePortGoesAway()
    {
        SKIP_WITHOUT_SOCAT();
        const QString project = SenderTools::makeProject(m_dir.path(), 24);
        QVERIFY(!project.isEmpty());
        PtyPair pty;
        QVERIFY(pty.start());
        const QString json = path(QStringLiteral("unplugged.json"));
        CardProcess card(m_environment);
        QVERIFY(card.start({QStringLiteral("--port"), pty.cardPath(), QStringLiteral("--fast"),
                            QStringLiteral("--json"), json, QStringLiteral("--memory"),
                            path(QStringLiteral("unplugged-memory.json"))}));
        QCOMPARE(
            SenderTools::ctl({QStringLiteral("upload"), project, QStringLiteral("--port"), pty.hostPath()})
                .status,
            0);
        pty.kill();
        QVERIFY(card.waitForEnd(kStartMs));
        QVERIFY2(card.logLine(0).contains(CardTexts::uploadKind()) &&
                     card.logLine(0).endsWith(CardTexts::allWell()),
                 qUtf8Printable(card.logLine(0)));
        const QString difference = SenderTools::memoryDifference(json, project);
        QVERIFY2(difference.isEmpty(), qUtf8Printable(difference));
    }

    // Every file the card writes after an exchange is written as p10signctl writes its files: only
    // over a regular file, never through a link to nothing, whole or not at all, with the system's
    // reason when it fails; the old file stays. A memory file that is not a regular file is
    // refused when the card starts. Each row starts one card with every option it names aimed at
    // such a target (--gif and --frames take turns, as the card takes one of them).
    void filesAreWrittenSafely_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("target");
        for (const QString target : {"fifo", "device", "dangling", "full"}) {
            QTest::addRow("--json --gif %s", qPrintable(target)) << QStringList{"--json", "--gif"} << target;
            QTest::addRow("--frames %s", qPrintable(target)) << QStringList{"--frames"} << target;
            QTest::addRow("--memory %s", qPrintable(target)) << QStringList{"--memory"} << target;
        }
    }
    void filesAreWrittenSafely()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, target);
        if (target == QStringLiteral("device") && ::geteuid() != 0)
            QSKIP("making a device needs root");
        FullDisk disk;
        if (target == QStringLiteral("full") && !disk.mounted())
            QSKIP(FullDisk::reason());
        QTemporaryDir dir;
        const auto where = [&](const QString& name) {
            return target == QStringLiteral("full") ? disk.path(name) : dir.filePath(name);
        };
        QStringList arguments{QStringLiteral("--pty"), QStringLiteral("--language"),
                              QStringLiteral("en"),    QStringLiteral("--seconds"),
                              QStringLiteral("1"),     QStringLiteral("--scale"),
                              QStringLiteral("1")};
        QMap<QString, QByteArray> files; // each file aimed at, and what it held before
        for (const QString& option : std::as_const(options)) {
            const bool frames = option == QStringLiteral("--frames");
            const QString written = where(option.mid(2) + (frames ? QString() : QStringLiteral(".out")));
            const QString file = frames ? written + QStringLiteral("/frame0000.png") : written;
            QVERIFY(QDir().mkpath(QFileInfo(file).path()));
            if (option == QStringLiteral("--memory") && target == QStringLiteral("full"))
                QVERIFY(!CardMemoryFile::write(file, CardMemory{}));
            else
                QVERIFY(makeTarget(file, target));
            files.insert(file, QFileInfo(file).isFile() ? contentsOf(file) : QByteArray());
            arguments << option << written;
        }
        if (!options.contains(QStringLiteral("--memory")))
            arguments << QStringLiteral("--memory") << dir.filePath(QStringLiteral("memory.json"));
        if (target == QStringLiteral("full"))
            QVERIFY(disk.fill());

        CardProcess card(m_environment);
        const bool refusedAtStart =
            options.contains(QStringLiteral("--memory")) && target != QStringLiteral("full");
        QCOMPARE(card.start(arguments), !refusedAtStart);
        QString trouble;
        if (refusedAtStart) {
            QVERIFY(card.waitForEnd(kStartMs));
            QCOMPARE(card.exitCode(), 1);
            trouble = card.trouble();
        } else {
            sendClockSet(card.device());
            QVERIFY(card.waitForLines(2, kExchangeMs));
            trouble = card.trouble();
            if (target == QStringLiteral("full"))
                QVERIFY2(trouble.contains(QStringLiteral("No space left on device")),
                         qUtf8Printable(trouble));
        }
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            const QString& file = it.key();
            QVERIFY2(trouble.contains(file), qUtf8Printable(trouble));
            const QFileInfo info(file);
            QCOMPARE(info.isSymbolicLink(), target == QStringLiteral("dangling"));
            QVERIFY(!QFileInfo::exists(file + QStringLiteral(".nothing")));
            QCOMPARE(info.isFile(), target == QStringLiteral("full"));
            if (info.isFile())
                QCOMPARE(contentsOf(file), it.value());
            QVERIFY(!QFileInfo::exists(file + QStringLiteral(".p10sign-new")));
        }
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("told");
        // The program's exit status and its streams; the command line itself is read in
        // tst_cardarguments.
        QTest::newRow("port and pty")
            << QStringList{"--pty", "--port", "/dev/null"} << 2 << CardTexts::oneWayToListen() + u'\n';
        QTest::newRow("memory not a memory")
            << QStringList{"--pty", "--memory", P10_TEST_DATA "/windows.info.json"} << 1
            << CardTexts::memoryUnreadable();
        QTest::newRow("memory an endless device")
            << QStringList{"--pty", "--memory", "/dev/zero"} << 1 << FileTexts::notRegularFile();
        QTest::newRow("memory larger than any card's")
            << QStringList{"--pty", "--memory", "LARGE"} << 1 << CardTexts::memoryTooLarge();
        QTest::newRow("version") << QStringList{"--version"} << 0 << "p10signcard " P10SIGN_VERSION;
        QTest::newRow("help in the language asked for")
            << QStringList{"--language", "en", "--help"} << 0 << "Usage: p10signcard (--port DEVICE";
    }
    void refusals()
    {
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QString, told);
        const QString large = path(QStringLiteral("large.json"));
        QFile file(large);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(4 * 1024 * 1024));
        options.replaceInStrings(QStringLiteral("LARGE"), large);
        QProcess process;
        process.setProcessEnvironment(m_environment);
        process.start(QStringLiteral(P10SIGNCARD), QStringList{QStringLiteral("--headless")} + options);
        QVERIFY(process.waitForFinished(kStartMs));
        QCOMPARE(process.exitCode(), status);
        const QString output =
            QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
        QVERIFY2(output.contains(told), qUtf8Printable(output));
    }
};

QTEST_GUILESS_MAIN(TestP10SignCard)
#include "tst_p10signcard.moc"
