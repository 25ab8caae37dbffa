// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/carddecoder.h"
#include "link/clockframes.h"
#include "link/uploadframes.h"
#include "model/listitems.h"
#include "model/project.h"
#include "texts/cardtexts.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// Bytes as one read gives them, and when.
struct Piece {
    QByteArray bytes;
    qint64 atMs = 0;
};
using Stream = QList<Piece>;

constexpr qint64 kLongAfterMs = 60000;

// The upload as the exchange sends it: the hello, three seconds, the header, 300 ms, then the
// chunks, each taking its line time.
Stream uploadAsSent(const Project& project, qint64 startMs, QRandomGenerator& random)
{
    const auto layout = UploadFrames::screenRows(project.globals().screenHeight.text());
    const UploadFrames::HeaderValues values = UploadFrames::headerValues(project, layout.rowCapacity);
    Stream stream{{"Hello32", startMs}, {UploadFrames::header(values), startMs + 3000}};
    qint64 at = startMs + 3300;
    for (int row = 0; row < layout.rowCount; ++row) {
        for (const QByteArray& chunk :
             UploadFrames::chunks(UploadFrames::rowBlock(project.dispData(), values.directory, row))) {
            // A reader on a real line gets a chunk in several reads.
            for (qsizetype done = 0; done < chunk.size();) {
                const qsizetype n = std::min<qsizetype>(chunk.size() - done, 1 + random.bounded(320));
                stream.append({chunk.mid(done, n), at});
                done += n;
                at += n * 1000 / 960;
            }
        }
    }
    return stream;
}

void feedAll(CardDecoder& decoder, const Stream& stream)
{
    for (const Piece& piece : stream)
        decoder.feed(piece.bytes, piece.atMs);
    decoder.settle(stream.last().atMs + kLongAfterMs);
}

void randomProject(Project& project, QRandomGenerator& random)
{
    const auto pick = [&](int n) { return int(random.bounded(n)); };
    project.editGlobals([&](GlobalSettings& g) {
        g.screenHeight.setIndex(pick(2));
        g.screenWidth.setIndex(pick(int(ListItems::screenWidths().size())));
        g.brightness.setIndex(pick(4));
        g.clockMessage.setIndex(pick(kMessageCount + 1));
        g.hourPosition.setIndex(pick(int(ListItems::markPositions().size())));
        g.minutePosition.setIndex(pick(int(ListItems::markPositions().size())));
        g.daysMessage.setIndex(pick(kMessageCount + 1));
        g.daysPosition.setIndex(pick(int(ListItems::markPositions().size())));
    });
    project.editAltBoxes([&](AltBoxes& boxes) {
        const int begin = pick(kMessageCount);
        for (int m = begin; m < std::min(kMessageCount, begin + pick(4)); ++m)
            boxes[m].ticked = true;
    });
    const int width = project.globals().screenWidth.text().toInt();
    for (int m = 0; m < kMessageCount; ++m) {
        project.editMessage(m, [&](MessageSettings& message) {
            message.mode.setIndex(pick(m == 0 ? 8 : 7));
            message.speed.setIndex(pick(8));
            message.flash = pick(2) == 1;
            message.loopLamp = pick(2) == 1;
        });
        int length = pick(4) == 0 ? 0 : pick(pick(5) == 0 ? kColumns + 1 : 300);
        if (m == 0 && project.message(0).mode.index() == kAnimationMode)
            length = (length + width - 1) / width * width; // may pass the 2047 columns held
        project.setMsgLen(m, length);
        // Bytes past the length too: none of them may reach the card.
        for (int row = 0; row < kRows; ++row) {
            for (int col = 0; col < std::min(kColumns, length + 3); ++col)
                project.dispData().set(col, row, m, std::uint8_t(random.generate()));
        }
    }
}

QStringList summary(const QList<CardExchange>& exchanges)
{
    QStringList lines;
    for (const CardExchange& exchange : exchanges) {
        static const char* const kinds[] = {"upload", "clock", "stray"};
        lines << QStringLiteral("%1 %2").arg(QLatin1String(kinds[int(exchange.kind)]),
                                             exchange.complete ? "complete" : "incomplete");
        lines << exchange.problems;
    }
    return lines;
}

QByteArray smallHeader(std::initializer_list<int> lengths, int totalOverride = -1)
{
    std::array<int, kMessageCount> msgLen{};
    std::copy(lengths.begin(), lengths.end(), msgLen.begin());
    UploadFrames::HeaderValues values;
    values.msgLen0 = msgLen[0];
    values.directory = UploadFrames::messageDirectory(msgLen, 3584);
    if (totalOverride >= 0)
        values.directory.totalRowLength = totalOverride;
    return UploadFrames::header(values);
}

// Rows from 3300 ms on, one read of `piece` bytes every 400 ms.
Stream rows(qsizetype bytes, qsizetype piece, qint64 fromMs = 3300)
{
    Stream stream;
    for (qsizetype done = 0; done < bytes; done += piece)
        stream.append({QByteArray(std::min(piece, bytes - done), '\x5A'), fromMs + 400 * (done / piece)});
    return stream;
}

Stream clockSet(qint64 fromMs, const QByteArray& time = QByteArray::fromHex("080706"),
                const QByteArray& schedule = QByteArray::fromHex("03e707001380"))
{
    return {{"HelloC2", fromMs}, {time, fromMs + 200}, {schedule, fromMs + 600}};
}

} // namespace

Q_DECLARE_METATYPE(Stream)

class TestCardDecoder : public QObject {
    Q_OBJECT

private slots:
    // For any project, what the card takes from the upload is what the project holds, as clipped.
    void uploadRoundTrip()
    {
        QRandomGenerator random(20240612);
        for (int run = 0; run < 150; ++run) {
            Project project;
            randomProject(project, random);
            CardDecoder decoder;
            feedAll(decoder, uploadAsSent(project, 1000, random));
            const QList<CardExchange> finished = decoder.takeFinished();
            QCOMPARE(summary(finished), QStringList{"upload complete"});

            const auto layout = UploadFrames::screenRows(project.globals().screenHeight.text());
            const UploadFrames::HeaderValues sent = UploadFrames::headerValues(project, layout.rowCapacity);
            const CardMemory& memory = decoder.memory();
            QCOMPARE(memory.screenHeight, layout.rowCount);
            QCOMPARE(memory.brightness, project.globals().brightness.text().toInt());
            QCOMPARE(memory.altBegin, int(sent.altBeginMsg));
            QCOMPARE(memory.altCount, int(sent.altMsgNum));
            QCOMPARE(memory.clockMessage.value_or(-1), project.globals().clockMessage.index() - 1);
            QCOMPARE(memory.daysMessage.value_or(-1), project.globals().daysMessage.index() - 1);
            QCOMPARE(memory.hourPosition, project.globals().hourPosition.text().toInt());
            QCOMPARE(memory.minutePosition, project.globals().minutePosition.text().toInt());
            QCOMPARE(memory.daysPosition, project.globals().daysPosition.text().toInt());
            for (int m = 0; m < kMessageCount; ++m) {
                const CardMessage& card = memory.messages[m];
                const MessageSettings& message = project.message(m);
                QCOMPARE(card.offset, sent.directory.entries[m].offset);
                QCOMPARE(card.length, sent.directory.entries[m].length);
                QCOMPARE(card.showCode(), Link::kShowCodes[std::size_t(message.mode.index())]);
                QCOMPARE(card.speed(), message.speed.text().toInt());
                QCOMPARE(card.flash(), message.flash);
                QCOMPARE(card.loopLamp(), message.loopLamp);
                for (int row = 0; row < layout.rowCount; ++row) {
                    const auto held = memory.messageRow(m, row);
                    QCOMPARE(qsizetype(held.size()), qsizetype(card.length));
                    for (int col = 0; col < card.length; ++col)
                        QCOMPARE(int(held[std::size_t(col)]),
                                 col < kColumns ? int(project.dispData().at(col, row, m)) : 0);
                }
            }
            // An animation of whole screens, unclipped and countable, names the sign's width.
            const int length0 = project.msgLen()[0];
            const int width = project.globals().screenWidth.text().toInt();
            if (project.message(0).mode.index() == kAnimationMode && length0 > 0 &&
                length0 <= layout.rowCapacity && length0 / width <= 255)
                QCOMPARE(memory.screenWidth, width);
        }
    }

    void clockSetRoundTrip()
    {
        QRandomGenerator random(7);
        for (int run = 0; run < 100; ++run) {
            const QTime time = QTime::fromMSecsSinceStartOfDay(int(random.bounded(86400)) * 1000);
            const ClockFrames::ScheduleValues schedule{QString::number(random.bounded(65536)),
                                                       int(random.bounded(1440)), int(random.bounded(1440)),
                                                       random.bounded(2) == 1};
            CardDecoder decoder;
            feedAll(decoder, {{"HelloC2", 0},
                              {ClockFrames::timeFrame(time), 200},
                              {ClockFrames::scheduleFrame(schedule), 600}});
            QCOMPARE(summary(decoder.takeFinished()), QStringList{"clock complete"});
            const CardMemory& memory = decoder.memory();
            QCOMPARE(memory.clockSetTo, time);
            QCOMPARE(memory.clockSetAtMs, qint64(200));
            QCOMPARE(memory.countdownDays, schedule.countdownDays.toInt());
            QCOMPARE(memory.workStart, schedule.startMinutes);
            QCOMPARE(memory.workEnd, schedule.endMinutes);
            QCOMPARE(memory.workEnabled, schedule.workTimeEnabled);
            QCOMPARE(memory.clockAt(200 + 3'600'000).timeOfDay, time.addSecs(3600));
        }
    }

    void checks_data()
    {
        QTest::addColumn<Stream>("stream");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("height");
        const QByteArray header16 = smallHeader({16});
        const QString header = CardTexts::headerFrame();

        QTest::newRow("sixteen rows, then quiet")
            << Stream{{"Hello32", 0}, {header16, 3000}} + rows(16 * 16, 16) << QStringList{"upload complete"}
            << 16;
        QTest::newRow("thirty-two rows") << Stream{{"Hello32", 0}, {header16, 3000}} + rows(32 * 16, 16)
                                         << QStringList{"upload complete"} << 32;
        QTest::newRow("header sooner than three seconds")
            << Stream{{"Hello32", 0}, {header16, 1000}} + rows(16 * 16, 16, 1300)
            << QStringList{"upload complete", CardTexts::headerTooSoon(1000, 3000)} << 16;
        QTest::newRow("short header")
            << Stream{{"Hello32", 0}, {header16.left(94), 3000}} + rows(16 * 16, 16)
            << QStringList{"upload incomplete", CardTexts::wrongFrameSize(header, 94, 95)} << 16;
        QTest::newRow("no pause between header and rows")
            << Stream{{"Hello32", 0}, {header16 + QByteArray(256, 'r'), 3000}}
            << QStringList{"upload incomplete", CardTexts::wrongFrameSize(header, 95 + 256, 95)} << 16;
        QTest::newRow("chunk longer than 320")
            << Stream{{"Hello32", 0}, {smallHeader({400}), 3000}} + rows(16 * 400, 640)
            << QStringList{"upload complete", CardTexts::chunkTooLong(640, 320)} << 16;
        QTest::newRow("chunk one byte longer than 320")
            << Stream{{"Hello32", 0}, {smallHeader({321}), 3000}} + rows(16 * 321, 321)
            << QStringList{"upload complete", CardTexts::chunkTooLong(321, 320)} << 16;
        QTest::newRow("rows short of the header's length")
            << Stream{{"Hello32", 0}, {header16, 3000}} + rows(15 * 16 + 8, 16)
            << QStringList{"upload incomplete", CardTexts::rowsMismatch(248, 16, 16)} << 16;
        QTest::newRow("directory and total disagree")
            << Stream{{"Hello32", 0}, {smallHeader({16}, 20), 3000}} + rows(16 * 20, 20)
            << QStringList{"upload complete", CardTexts::directoryMismatch(16, 20)} << 16;
        Stream overrun = Stream{{"Hello32", 0}, {smallHeader({2000}), 3000}} + rows(16 * 2000, 320);
        overrun.last().bytes += "extra";
        QTest::newRow("bytes after the end")
            << overrun << QStringList{"upload complete", "stray incomplete", CardTexts::bytesAfterEnd(5)}
            << 16;
        QTest::newRow("upload without header, then again")
            << Stream{{"Hello32", 0}, {"Hello32", 5000}, {header16, 8000}} + rows(16 * 16, 16, 8300)
            << QStringList{"upload incomplete", CardTexts::wrongFrameSize(header, 0, 95), "upload complete"}
            << 16;
        QTest::newRow("sixteen rows, then a clock set")
            << Stream{{"Hello32", 0}, {header16, 3000}} + rows(16 * 16, 16) + clockSet(10300)
            << QStringList{"upload complete", "clock complete"} << 16;
        // Sixteen rows end at 9300 ms; the next greeting comes in the same read as the last row.
        Stream twoUploads = Stream{{"Hello32", 0}, {header16, 3000}} + rows(16 * 16, 16);
        twoUploads.last().bytes += "Hello32";
        twoUploads += Stream{{header16, 12300}} + rows(16 * 16, 16, 12600);
        QTest::newRow("sixteen rows, then at once a new upload")
            << twoUploads << QStringList{"upload complete", "upload complete"} << 16;
        Stream helloLikeRows = Stream{{"Hello32", 0}, {header16, 3000}} + rows(16 * 16, 16);
        helloLikeRows.last().bytes += "Hello" + QByteArray(16 * 16 - 5, 'Z');
        QTest::newRow("row data that begins like a greeting")
            << helloLikeRows << QStringList{"upload complete"} << 32;
        QTest::newRow("clock set") << clockSet(0) << QStringList{"clock complete"} << 16;
        QTest::newRow("time frame of four bytes")
            << clockSet(0, QByteArray::fromHex("08070600"))
            << QStringList{"clock incomplete", CardTexts::wrongFrameSize(CardTexts::timeFrame(), 4, 3)} << 16;
        QTest::newRow("schedule frame of five bytes")
            << clockSet(0, QByteArray::fromHex("080706"), QByteArray::fromHex("03e7070013"))
            << QStringList{"clock incomplete", CardTexts::wrongFrameSize(CardTexts::scheduleFrame(), 5, 6)}
            << 16;
        QTest::newRow("no time of day")
            << clockSet(0, QByteArray::fromHex("6a0706"))
            << QStringList{"clock complete", CardTexts::notATime("6a 07 06")} << 16;
        QTest::newRow("bytes before any hello")
            << Stream{{"xyz", 0}} + clockSet(1000)
            << QStringList{"stray incomplete", CardTexts::bytesWithoutHello(3), "clock complete"} << 16;
    }
    void checks()
    {
        QFETCH(Stream, stream);
        QFETCH(QStringList, expected);
        QFETCH(int, height);
        CardDecoder decoder;
        feedAll(decoder, stream);
        QCOMPARE(summary(decoder.takeFinished()), expected);
        QCOMPARE(decoder.memory().screenHeight, height);
        QVERIFY(!decoder.current());
    }

    // A pseudo-terminal passes on many chunks in one read whenever the card reads later than the
    // sender writes; only a paced line makes that a sign of trouble.
    void unpacedLineSaysNothingOfChunks()
    {
        CardDecoder decoder;
        decoder.setLinePaced(false);
        feedAll(decoder, Stream{{"Hello32", 0}, {smallHeader({400}), 3000}} + rows(16 * 400, 6400));
        QCOMPARE(summary(decoder.takeFinished()), QStringList{"upload complete"});
    }
};

QTEST_GUILESS_MAIN(TestCardDecoder)
#include "tst_carddecoder.moc"
