// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/uploadframes.h"
#include "model/displaydata.h"
#include "support/bytes.h"

#include <QTest>

using namespace UploadFrames;

namespace {

std::array<int, kMessageCount> lengths(std::initializer_list<int> first)
{
    std::array<int, kMessageCount> result{};
    std::copy(first.begin(), first.end(), result.begin());
    return result;
}

} // namespace

class TestUploadFrames : public QObject {
    Q_OBJECT

private slots:
    void workedExampleHeader()
    {
        HeaderValues values;
        values.msgLen0 = 16;
        values.directory = messageDirectory(lengths({16}), screenRows("16").rowCapacity);

        QByteArray expected =
            bytes({0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x10, 0x11, 0x04, 0x09, 0x11, 0x05, 0xFF, 0xFF, 0xFF});
        expected += QByteArray(16, '\x30');
        expected += bytes({0x00, 0x00, 0x00, 0x10});
        for (int m = 1; m < kMessageCount; ++m)
            expected += bytes({0x00, 0x10, 0x00, 0x00});
        QCOMPARE(expected.size(), 95);
        QCOMPARE(header(values), expected);
    }

    void workedExampleRows()
    {
        DisplayData data;
        for (int row = 0; row < kRows; ++row) {
            for (int col = 0; col < 20; ++col)
                data.set(col, row, 0, static_cast<std::uint8_t>(row * 7 + col));
        }
        const MessageDirectory directory = messageDirectory(lengths({16}), 3584);
        for (int row = 0; row < 16; ++row) {
            QByteArray expected;
            for (int col = 0; col < 16; ++col)
                expected.append(static_cast<char>(row * 7 + col));
            const QList<QByteArray> pieces = chunks(rowBlock(data, directory, row));
            QCOMPARE(pieces.size(), 1);
            QCOMPARE(pieces.first(), expected);
        }
    }

    void rowBlockFollowsTheDirectory()
    {
        DisplayData data;
        data.set(0, 3, 0, 0xA1);
        data.set(2, 3, 0, 0xA3);
        data.set(0, 3, 2, 0xC1);
        data.set(1, 3, 2, 0xC2);
        data.set(2, 3, 2, 0xC3); // beyond message 2's length
        const MessageDirectory directory = messageDirectory(lengths({3, 0, 2}), 3584);
        QCOMPARE(rowBlock(data, directory, 3), bytes({0xA1, 0x00, 0xA3, 0xC1, 0xC2}));
    }

    void chunking_data()
    {
        QTest::addColumn<int>("rowLength");
        QTest::addColumn<QList<int>>("sizes");
        QTest::newRow("below 320") << 100 << QList<int>{100};
        QTest::newRow("exactly 320") << 320 << QList<int>{320};
        QTest::newRow("640") << 640 << QList<int>{320, 320};
        QTest::newRow("1000") << 1000 << QList<int>{320, 320, 320, 40};
        QTest::newRow("empty") << 0 << QList<int>{};
    }
    void chunking()
    {
        QFETCH(int, rowLength);
        QFETCH(QList<int>, sizes);
        QByteArray block(rowLength, '\0');
        for (int i = 0; i < rowLength; ++i)
            block[i] = static_cast<char>(i * 13);
        const QList<QByteArray> pieces = chunks(block);
        QList<int> actual;
        for (const QByteArray& piece : pieces)
            actual << static_cast<int>(piece.size());
        QCOMPARE(actual, sizes);
        QCOMPARE(pieces.join(), block);
    }

    void clippingOnA16DotScreen()
    {
        const std::array<int, kMessageCount> msgLen = lengths({2047, 2047, 5});
        const MessageDirectory directory = messageDirectory(msgLen, screenRows("16").rowCapacity);
        QCOMPARE(directory.entries[0], (DirectoryEntry{0, 2047}));
        QCOMPARE(directory.entries[1], (DirectoryEntry{2047, 1537}));
        QCOMPARE(directory.entries[2], (DirectoryEntry{3584, 0}));
        QCOMPARE(directory.entries[15], (DirectoryEntry{3584, 0}));
        QCOMPARE(directory.totalRowLength, 3584);

        HeaderValues values;
        values.directory = directory;
        const QByteArray frame = header(values);
        QCOMPARE(frame.mid(5, 2), bytes({0x0E, 0x00}));
        QCOMPARE(frame.mid(31, 12),
                 bytes({0x00, 0x00, 0x07, 0xFF, 0x07, 0xFF, 0x06, 0x01, 0x0E, 0x00, 0x00, 0x00}));
    }

    void screenHeights_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("rows");
        QTest::newRow("16") << "16" << 3584 << 16;
        QTest::newRow("32") << "32" << 1792 << 32;
        QTest::newRow("16 with a blank") << " 16" << 1792 << 32;
        QTest::newRow("empty") << "" << 1792 << 32;
    }
    void screenHeights()
    {
        QFETCH(QString, text);
        QFETCH(int, capacity);
        QFETCH(int, rows);
        QCOMPARE(screenRows(text).rowCapacity, capacity);
        QCOMPARE(screenRows(text).rowCount, rows);
    }

    void rowsOn32DotScreens()
    {
        DisplayData data;
        data.set(0, 31, 1, 0x5A);
        data.set(1799, 31, 1, 0x77); // beyond the capacity: never sent
        const MessageDirectory directory = messageDirectory(lengths({0, 1800}), screenRows("32").rowCapacity);
        QCOMPARE(directory.entries[1], (DirectoryEntry{0, 1792}));
        const QByteArray block = rowBlock(data, directory, 31);
        QCOMPARE(block.size(), 1792);
        QCOMPARE(static_cast<std::uint8_t>(block[0]), 0x5A);
        QCOMPARE(block.count('\x77'), 0);
        QCOMPARE(chunks(block).size(), 6); // five of 320 and one of 192
        QCOMPARE(chunks(block).last().size(), 192);
    }

    void columnsBeyondTheImageAreZero()
    {
        // Message 0's length after the animation rounding may pass the last column held.
        DisplayData data;
        data.set(2046, 0, 0, 0xEE);
        data.set(0, 0, 1, 0x11);
        const MessageDirectory directory = messageDirectory(lengths({2047 + 63, 1}), 3584);
        const QByteArray block = rowBlock(data, directory, 0);
        QCOMPARE(block.size(), 2111);
        QCOMPARE(static_cast<std::uint8_t>(block[2046]), 0xEE);
        QCOMPARE(block.mid(2047, 63), QByteArray(63, '\0'));
        QCOMPARE(static_cast<std::uint8_t>(block[2110]), 0x11);
    }

    void modeBytes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<bool>("flash");
        QTest::addColumn<bool>("lamp");
        QTest::addColumn<int>("expected");
        QTest::newRow("animation, fastest, flash, lamp") << 7 << "8" << true << true << 0xFD;
        QTest::newRow("stacking at speed 1") << 5 << "1" << false << false << 0x06;
        QTest::newRow("split from the centre") << 6 << "4" << false << false << 0x37;
        QTest::newRow("move left at speed 4") << 0 << "4" << false << false << 0x30;
        QTest::newRow("fixed") << 4 << "4" << false << false << 0x34;
        QTest::newRow("down with flash") << 3 << "2" << true << false << 0x1B;
        QTest::newRow("no selection") << -1 << "4" << false << false << 0x30;
        QTest::newRow("empty speed keeps only the code") << 2 << "" << false << false << 0x02;
        QTest::newRow("text speed keeps only the code") << 6 << "fast" << true << false << 0x07;
        QTest::newRow("empty speed with the lamp") << 2 << "" << false << true << 0x72;
        QTest::newRow("speed text with a tail") << 1 << "3x" << false << false << 0x21;
        QTest::newRow("speed 9 with lamp fails the base") << 4 << "9" << false << true << 0x04;
        QTest::newRow("speed 9 alone") << 0 << "9" << false << false << 0x80;
    }
    void modeBytes()
    {
        QFETCH(int, mode);
        QFETCH(QString, speed);
        QFETCH(bool, flash);
        QFETCH(bool, lamp);
        QFETCH(int, expected);
        QCOMPARE(modeByte({mode, speed, flash, lamp}), expected);
    }

    void headerBytes_data()
    {
        QTest::addColumn<std::function<void(HeaderValues&)>>("change");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("expected");
        using F = std::function<void(HeaderValues&)>;
        QTest::newRow("brightness 1") << F([](HeaderValues& v) { v.brightnessText = "1"; }) << 2 << 3;
        QTest::newRow("brightness 2") << F([](HeaderValues& v) { v.brightnessText = "2"; }) << 2 << 2;
        QTest::newRow("brightness 3") << F([](HeaderValues& v) { v.brightnessText = "3"; }) << 2 << 1;
        QTest::newRow("brightness 4") << F([](HeaderValues& v) { v.brightnessText = "4"; }) << 2 << 0;
        QTest::newRow("brightness 5 wraps") << F([](HeaderValues& v) { v.brightnessText = "5"; }) << 2 << 3;
        QTest::newRow("brightness typed badly")
            << F([](HeaderValues& v) { v.brightnessText = "x"; }) << 2 << 0;
        QTest::newRow("clock none") << F([](HeaderValues&) {}) << 7 << 0x11;
        QTest::newRow("days 3") << F([](HeaderValues& v) { v.daysMessageText = "3"; }) << 10 << 3;
        QTest::newRow("clock 15") << F([](HeaderValues& v) { v.clockMessageText = "15"; }) << 7 << 15;
        QTest::newRow("clock none lower case")
            << F([](HeaderValues& v) { v.clockMessageText = "none"; }) << 7 << 0;
        QTest::newRow("hour position 07") << F([](HeaderValues& v) { v.hourPositionText = "07"; }) << 8 << 7;
        QTest::newRow("minute position 255")
            << F([](HeaderValues& v) { v.minutePositionText = "255"; }) << 9 << 255;
        QTest::newRow("days position 256")
            << F([](HeaderValues& v) { v.daysPositionText = "256"; }) << 11 << 0;
        QTest::newRow("frames of an animation") << F([](HeaderValues& v) {
            v.msgLen0 = 96;
            v.screenWidthText = "32";
        }) << 1 << 3;
        QTest::newRow("frames above 255") << F([](HeaderValues& v) {
            v.msgLen0 = 2047;
            v.screenWidthText = "4";
        }) << 1 << 0;
        QTest::newRow("width 0") << F([](HeaderValues& v) {
            v.msgLen0 = 16;
            v.screenWidthText = "0";
        }) << 1 << 0;
        QTest::newRow("width typed badly") << F([](HeaderValues& v) {
            v.msgLen0 = 16;
            v.screenWidthText = "abc";
        }) << 1 << 0;
        QTest::newRow("alternation begin") << F([](HeaderValues& v) {
            v.altBeginMsg = 3;
            v.altMsgNum = 4;
        }) << 3 << 3;
        QTest::newRow("alternation count") << F([](HeaderValues& v) {
            v.altBeginMsg = 3;
            v.altMsgNum = 4;
        }) << 4 << 4;
        QTest::newRow("mode of message 5") << F([](HeaderValues& v) {
            v.modes[5] = {5, "1", false, false};
        }) << 20 << 0x06;
    }
    void headerBytes()
    {
        QFETCH(std::function<void(HeaderValues&)>, change);
        QFETCH(int, offset);
        QFETCH(int, expected);
        HeaderValues values;
        change(values);
        const QByteArray frame = header(values);
        QCOMPARE(frame.size(), 95);
        QCOMPARE(static_cast<std::uint8_t>(frame[offset]), expected);
    }

    void allMessagesEmpty()
    {
        HeaderValues values;
        values.directory = messageDirectory({}, 3584);
        const QByteArray frame = header(values);
        QCOMPARE(frame.mid(5, 2), bytes({0, 0}));
        QCOMPARE(frame.mid(31), QByteArray(64, '\0'));
        QVERIFY(chunks(rowBlock(DisplayData(), values.directory, 0)).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestUploadFrames)
#include "tst_uploadframes.moc"
