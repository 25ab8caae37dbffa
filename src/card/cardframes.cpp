// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/cardframes.h"

#include "link/clockframes.h"
#include "link/uploadframes.h"
#include "model/listitems.h"
#include "model/project.h"
#include "model/textnumbers.h"
#include "texts/cardtexts.h"

namespace CardFrames {

namespace {

constexpr int kMinutesPerHour = 60;
constexpr int kDefaultWidth = 16;

[[nodiscard]] int byteAt(QByteArrayView frame, int offset)
{
    return static_cast<std::uint8_t>(frame[offset]);
}

[[nodiscard]] int wordAt(QByteArrayView frame, int offset)
{
    return byteAt(frame, offset) * 256 + byteAt(frame, offset + 1);
}

[[nodiscard]] std::optional<int> messageChoice(int value)
{
    return isMessageIndex(value) ? std::optional<int>(value) : std::nullopt;
}

[[nodiscard]] int bcd(int value)
{
    const int tens = value >> 4;
    const int units = value & 0x0F;
    return tens > 9 || units > 9 ? -1 : tens * 10 + units;
}

// The sign's width is no part of the upload; message 0's length in screen widths is. An exact
// whole number of frames names the width, as the animation has; otherwise the usual 16 when it
// fits the count, else the narrowest width that does.
[[nodiscard]] int inferredWidth(int frameCount, const CardMessage& first)
{
    std::optional<int> narrowest;
    bool usualFits = false;
    for (const QString& text : ListItems::screenWidths()) {
        const int width = text.toInt();
        if (first.length / width != frameCount)
            continue;
        if (frameCount > 0 && first.length == frameCount * width)
            return width;
        usualFits = usualFits || width == kDefaultWidth;
        if (!narrowest)
            narrowest = width;
    }
    return usualFits ? kDefaultWidth : narrowest.value_or(kDefaultWidth);
}

} // namespace

int maxRows(int rowLength)
{
    return rowLength > Link::kRowCapacity32 ? Link::kRowsFor16 : Link::kRowsFor32;
}

QStringList takeHeader(QByteArrayView header, CardMemory& memory)
{
    Q_ASSERT(header.size() == Link::kHeaderSize);
    memory.frameCount = byteAt(header, Link::kHeaderWidthFrames);
    memory.brightness = Link::kMaxBrightness - (byteAt(header, Link::kHeaderBrightness) & 3);
    memory.altBegin = byteAt(header, Link::kHeaderAltBegin);
    memory.altCount = byteAt(header, Link::kHeaderAltCount);
    memory.rowLength = wordAt(header, Link::kHeaderTotalLength);
    memory.clockMessage = messageChoice(byteAt(header, Link::kHeaderClockMessage));
    memory.hourPosition = byteAt(header, Link::kHeaderHourPosition);
    memory.minutePosition = byteAt(header, Link::kHeaderMinutePosition);
    memory.daysMessage = messageChoice(byteAt(header, Link::kHeaderDaysMessage));
    memory.daysPosition = byteAt(header, Link::kHeaderDaysPosition);
    int sum = 0;
    for (int m = 0; m < kMessageCount; ++m) {
        const int at = Link::kHeaderDirectory + Link::kDirectoryEntrySize * m;
        CardMessage& message = memory.messages[m];
        message.modeByte = static_cast<std::uint8_t>(byteAt(header, Link::kHeaderModes + m));
        message.offset = wordAt(header, at);
        message.length = wordAt(header, at + 2);
        sum += message.length;
    }
    memory.screenWidth = inferredWidth(memory.frameCount, memory.messages[0]);
    memory.screenHeight = Link::kRowsFor16;
    memory.rows = QByteArray(qsizetype(maxRows(memory.rowLength)) * memory.rowLength, '\0');

    QStringList problems;
    if (sum != memory.rowLength)
        problems << CardTexts::directoryMismatch(sum, memory.rowLength);
    return problems;
}

std::optional<QTime> readTime(QByteArrayView frame)
{
    Q_ASSERT(frame.size() == 3);
    const QTime time(bcd(byteAt(frame, 2)), bcd(byteAt(frame, 1)), bcd(byteAt(frame, 0)));
    return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
}

void takeSchedule(QByteArrayView frame, CardMemory& memory)
{
    Q_ASSERT(frame.size() == 6);
    memory.countdownDays = wordAt(frame, 0);
    memory.workStart = byteAt(frame, 2) * kMinutesPerHour + byteAt(frame, 3);
    const int endMinute = byteAt(frame, 5);
    memory.workEnd = byteAt(frame, 4) * kMinutesPerHour + (endMinute & ~Link::kWorkTimeEnabledBit);
    memory.workEnabled = (endMinute & Link::kWorkTimeEnabledBit) != 0;
}

CardMemory memoryOf(const Project& project)
{
    const UploadFrames::ScreenRows layout = UploadFrames::screenRows(project.globals().screenHeight.text());
    const UploadFrames::HeaderValues values = UploadFrames::headerValues(project, layout.rowCapacity);
    CardMemory memory;
    (void)takeHeader(UploadFrames::header(values), memory);
    memory.rows.clear();
    for (int row = 0; row < layout.rowCount; ++row)
        memory.rows += UploadFrames::rowBlock(project.dispData(), values.directory, row);
    memory.screenHeight = layout.rowCount;
    if (const std::optional<int> width = readInt16(project.globals().screenWidth.text()); width && *width > 0)
        memory.screenWidth = *width;
    takeSchedule(ClockFrames::scheduleFrame(ClockFrames::scheduleValues(project)), memory);
    return memory;
}

} // namespace CardFrames
