// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/cardmodel.h"
#include "card/ledpainter.h"
#include "card/signplayer.h"

#include <QTest>
#include <functional>

using Link::ShowCode;

namespace {

using Setup = std::function<void(CardMemory&)>;

constexpr int kSpeed = 4;
const int kPps = kCardModel.pixelsPerSecond[kSpeed - 1];

// The time the card takes to move `pixels` at `pixelsPerSecond`, rounded up to a whole ms.
qint64 msFor(int pixels, int pixelsPerSecond = kPps)
{
    return (qint64(pixels) * 1000 + pixelsPerSecond - 1) / pixelsPerSecond;
}

// A 4-byte, 16-row sign. Message 0 is two screens long: page 0 lit at x = 0 and x = 20, page 1
// at x = 33, in every row. Message 1 is one screen lit at x = 5.
CardMemory twoPages(ShowCode code)
{
    CardMemory memory;
    memory.screenWidth = 4;
    memory.screenHeight = 16;
    memory.rowLength = 12;
    memory.rows = QByteArray(16 * 12, '\0');
    for (int row = 0; row < 16; ++row) {
        memory.rows[row * 12 + 0] = char(0x80);
        memory.rows[row * 12 + 2] = char(0x08);
        memory.rows[row * 12 + 4] = char(0x40);
        memory.rows[row * 12 + 8] = char(0x04);
    }
    memory.messages[0] = {std::uint8_t((kSpeed - 1) * Link::kSpeedFactor + int(code)), 0, 8};
    memory.messages[1] = {std::uint8_t(int(ShowCode::Fixed)), 8, 4};
    return memory;
}

QString dots(int width, std::initializer_list<int> lit = {})
{
    QString line(width, u'.');
    for (const int x : lit)
        line[x] = u'#';
    return line;
}

// One glyph row of a digit in its cell, as the card model draws it.
QString cell(int digit, int glyphRow)
{
    const int cellPixels = kCardModel.digitCellBytes * kPixelsPerByte;
    QString line = dots(cellPixels);
    if (glyphRow >= 0 && glyphRow < CardModel::kGlyphHeight) {
        const std::string_view glyph = kCardModel.digitGlyphs[std::size_t(digit)][std::size_t(glyphRow)];
        for (std::size_t c = 0; c < glyph.size(); ++c)
            line[kCardModel.glyphLeft + int(c)] = QChar::fromLatin1(glyph[c]);
    }
    return line;
}

QString digits(std::initializer_list<int> values, int glyphRow)
{
    QString line;
    for (const int d : values)
        line += cell(d, glyphRow);
    return line;
}

QString rowText(const SignFrame& frame, int y)
{
    QString line;
    for (int x = 0; x < frame.widthPixels(); ++x)
        line += frame.lit(x, y) ? u'#' : u'.';
    return line;
}

} // namespace

Q_DECLARE_METATYPE(Setup)

class TestSignPlayer : public QObject {
    Q_OBJECT

private slots:
    // Each row: the memory, the moment, and some rows of what the sign shows ("row:pixels").
    void frames_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<qint64>("playMs");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<int>("daysPassed");
        QTest::addColumn<QStringList>("expected");

        const auto mode = [](ShowCode code) { return Setup([code](CardMemory& m) { m = twoPages(code); }); };
        const QString page0 = dots(32, {0, 20});
        const QString blank = dots(32);
        const QTime noon(12, 0);
        const qint64 hold = kCardModel.pageHoldMs;

        QTest::newRow("move left: enters at the right edge")
            << mode(ShowCode::MoveLeft) << msFor(8) << noon << 0
            << QStringList{"0:" + dots(32, {24}), "15:" + dots(32, {24})};
        // Once the picture has left, its first pixel comes in again one pixel later.
        QTest::newRow("move left: comes round after screen and picture")
            << mode(ShowCode::MoveLeft) << msFor(32 + 64 + 1) << noon << 0
            << QStringList{"0:" + dots(32, {31})};
        QTest::newRow("move right: enters at the left edge")
            << mode(ShowCode::MoveRight) << msFor(40) << noon << 0 << QStringList{"0:" + dots(32, {9})};
        QTest::newRow("up: half way in from below") << mode(ShowCode::Up) << msFor(8) << noon << 0
                                                    << QStringList{"7:" + blank, "8:" + page0, "15:" + page0};
        QTest::newRow("down: half way in from above")
            << mode(ShowCode::Down) << msFor(8) << noon << 0
            << QStringList{"0:" + page0, "7:" + page0, "8:" + blank};
        QTest::newRow("fixed: first page")
            << mode(ShowCode::Fixed) << qint64(0) << noon << 0 << QStringList{"3:" + page0};
        QTest::newRow("fixed: second page after the hold")
            << mode(ShowCode::Fixed) << hold << noon << 0 << QStringList{"3:" + dots(32, {1})};
        // A card shows its message over and over: the pages start over, the first pushing the last out.
        QTest::newRow("fixed: the first page again after the last")
            << mode(ShowCode::Fixed) << 2 * hold << noon << 0 << QStringList{"3:" + page0};
        QTest::newRow("up: the first page comes in again over the last")
            << mode(ShowCode::Up) << 2 * (msFor(16) + hold) + msFor(8) << noon << 0
            << QStringList{"7:" + dots(32, {1}), "8:" + page0};
        QTest::newRow("stacking: first piece in flight")
            << mode(ShowCode::Stacking) << msFor(16, kPps * kCardModel.stackSpeedup) << noon << 0
            << QStringList{"3:" + dots(32, {16})};
        QTest::newRow("split: opening from the centre")
            << mode(ShowCode::Split) << msFor(8) << noon << 0 << QStringList{"3:" + dots(32, {20})};
        QTest::newRow("animation: second frame") << Setup([](CardMemory& m) {
            m = twoPages(ShowCode::Animation);
            m.frameCount = 2;
        }) << qint64(kCardModel.animationFrameMs[kSpeed - 1])
                                                 << noon << 0 << QStringList{"3:" + dots(32, {1})};

        const auto flashing = [](CardMemory& m) {
            m = twoPages(ShowCode::Fixed);
            m.messages[0].modeByte |= Link::kFlashBit;
        };
        QTest::newRow("flash: lit") << Setup(flashing) << qint64(0) << noon << 0 << QStringList{"3:" + page0};
        QTest::newRow("flash: dark") << Setup(flashing) << qint64(kCardModel.flashOnMs) << noon << 0
                                     << QStringList{"3:" + blank};
        QTest::newRow("loop lamp: one step on, clockwise")
            << Setup([](CardMemory& m) {
                   m = twoPages(ShowCode::Fixed);
                   m.messages[0].modeByte |= Link::kLoopLampBit;
               })
            << qint64(kCardModel.lampStepMs) << noon << 0
            << QStringList{"0:" + QString(".###..").repeated(5) + ".#", "5:" + page0};

        const auto clock = [](CardMemory& m) {
            m = twoPages(ShowCode::Fixed);
            m.screenWidth = 8;
            m.clockMessage = 0;
            m.hourPosition = 0;
            m.minutePosition = 4;
        };
        const int top = kCardModel.glyphTop;
        QTest::newRow("clock digits replace the message's bytes")
            << Setup(clock) << qint64(0) << QTime(12, 34) << 0
            << QStringList{QStringLiteral("%1:").arg(top - 1) + digits({1, 2, 3, 4}, -1),
                           QStringLiteral("%1:").arg(top) + digits({1, 2, 3, 4}, 0),
                           QStringLiteral("%1:").arg(top + 13) + digits({1, 2, 3, 4}, 13)};
        QTest::newRow("countdown one midnight later")
            << Setup([](CardMemory& m) {
                   m = twoPages(ShowCode::Fixed);
                   m.screenWidth = 8;
                   m.daysMessage = 0;
                   m.daysPosition = 0;
                   m.countdownDays = 999;
               })
            << qint64(0) << noon << 1
            << QStringList{QStringLiteral("%1:").arg(top + 5) + digits({9, 9, 8}, 5) + dots(16)};

        const auto workWindow = [](int start, int end) {
            return Setup([start, end](CardMemory& m) {
                m = twoPages(ShowCode::Fixed);
                m.workEnabled = true;
                m.workStart = start;
                m.workEnd = end;
            });
        };
        QTest::newRow("dark outside the work window")
            << workWindow(7 * 60, 19 * 60) << qint64(0) << QTime(19, 0) << 0 << QStringList{"3:" + blank};
        QTest::newRow("lit inside a window across midnight")
            << workWindow(22 * 60, 2 * 60) << qint64(0) << QTime(23, 0) << 0 << QStringList{"3:" + page0};
        QTest::newRow("dark from the end of a window across midnight")
            << workWindow(22 * 60, 2 * 60) << qint64(0) << QTime(2, 0) << 0 << QStringList{"3:" + blank};
        QTest::newRow("alternation: the second message's turn") << Setup([](CardMemory& m) {
            m = twoPages(ShowCode::Fixed);
            m.altBegin = 0;
            m.altCount = 2;
        }) << 2 * hold << noon << 0 << QStringList{"3:" + dots(32, {5})};
    }
    void frames()
    {
        QFETCH(Setup, setup);
        QFETCH(qint64, playMs);
        QFETCH(QTime, time);
        QFETCH(int, daysPassed);
        QFETCH(QStringList, expected);
        CardMemory memory;
        setup(memory);
        const SignFrame frame = SignPlayer::frame(memory, 0, {playMs, {time, daysPassed}});
        QCOMPARE(frame.widthBytes, memory.screenWidth);
        QCOMPARE(frame.height, memory.screenHeight);
        for (const QString& row : expected) {
            const int y = row.section(u':', 0, 0).toInt();
            QCOMPARE(rowText(frame, y), row.section(u':', 1));
        }
    }

    // Brightness reaches the LEDs as four distinct intensities.
    void brightnessLevels()
    {
        CardMemory memory = twoPages(ShowCode::Fixed);
        const LedPainter painter(8);
        int previous = qRed(painter.paint(SignPlayer::frame(memory, 1, {})).pixel(4, 4)); // a dark LED
        for (int level = 1; level <= 4; ++level) {
            memory.brightness = level;
            const SignFrame frame = SignPlayer::frame(memory, 0, {});
            QCOMPARE(frame.brightness, level);
            const QImage image = painter.paint(frame);
            QCOMPARE(image.size(), QSize(32 * 8, 16 * 8));
            const int red = qRed(image.pixel(4, 4)); // the centre of the LED at (0, 0)
            QVERIFY2(red > previous, qPrintable(QString::number(level)));
            QCOMPARE(qRed(image.pixel(0, 0)), qRed(painter.palette().first())); // board between LEDs
            previous = red;
        }
    }
};

QTEST_GUILESS_MAIN(TestSignPlayer)
#include "tst_signplayer.moc"
