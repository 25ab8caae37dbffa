// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/uploadframes.h"

#include "link/linkconstants.h"
#include "model/displaydata.h"
#include "model/listitems.h"
#include "model/project.h"
#include "model/textnumbers.h"
#include "schedule/alternation.h"

#include <algorithm>
#include <optional>

namespace UploadFrames {

namespace {

[[nodiscard]] std::optional<std::uint8_t> asByte(std::int64_t value)
{
    if (value < 0 || value > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

void store(QByteArray& frame, int offset, std::optional<std::uint8_t> value)
{
    if (value)
        frame[offset] = static_cast<char>(*value);
}

void storeWord(QByteArray& frame, int offset, int value)
{
    frame[offset] = static_cast<char>((value >> 8) & 0xFF);
    frame[offset + 1] = static_cast<char>(value & 0xFF);
}

[[nodiscard]] std::optional<std::uint8_t> widthFrames(int msgLen0, const QString& widthText)
{
    const std::optional<int> width = readInt16(widthText);
    if (!width || *width == 0)
        return std::nullopt;
    return asByte(msgLen0 / *width);
}

[[nodiscard]] std::optional<std::uint8_t> brightnessByte(const QString& text)
{
    const std::optional<int> brightness = readByte(text);
    if (!brightness)
        return std::nullopt;
    return static_cast<std::uint8_t>((Link::kMaxBrightness - *brightness) & 3);
}

[[nodiscard]] std::optional<std::uint8_t> messageChoiceByte(const QString& text)
{
    if (text == ListItems::kNone)
        return Link::kNoMessage;
    const std::optional<int> message = readByte(text);
    return message ? std::optional<std::uint8_t>(static_cast<std::uint8_t>(*message)) : std::nullopt;
}

[[nodiscard]] std::optional<std::uint8_t> positionByte(const QString& text)
{
    const std::optional<int> position = readByte(text);
    return position ? std::optional<std::uint8_t>(static_cast<std::uint8_t>(*position)) : std::nullopt;
}

} // namespace

ScreenRows screenRows(const QString& screenHeightText)
{
    if (screenHeightText == QLatin1String("16"))
        return {Link::kRowCapacity16, Link::kRowsFor16};
    return {Link::kRowCapacity32, Link::kRowsFor32};
}

MessageDirectory messageDirectory(const std::array<int, kMessageCount>& msgLen, int rowCapacity)
{
    MessageDirectory directory;
    int offset = 0;
    for (int m = 0; m < kMessageCount; ++m) {
        const int length = std::min(std::max(msgLen[m], 0), rowCapacity - offset);
        directory.entries[m] = {offset, length};
        offset += length;
    }
    directory.totalRowLength = offset;
    return directory;
}

std::uint8_t modeByte(const ModeValues& mode)
{
    const double speed = numericValue(mode.speedText);
    const double base = (speed - 1) * Link::kSpeedFactor + (mode.flash ? Link::kFlashBit : 0) +
                        (mode.loopLamp ? Link::kLoopLampBit : 0);
    const int code = mode.modeIndex >= 0 && mode.modeIndex < static_cast<int>(Link::kShowCodes.size())
                         ? static_cast<int>(Link::kShowCodes[mode.modeIndex])
                         : 0;
    // Two steps, each of which may fail alone: the base value, then the code added to it.
    int byte = asByte(roundHalfEven(base)).value_or(0);
    if (const auto withCode = asByte(byte + code))
        byte = *withCode;
    return static_cast<std::uint8_t>(byte);
}

HeaderValues headerValues(const Project& project, int rowCapacity)
{
    const GlobalSettings& globals = project.globals();
    HeaderValues values;
    values.msgLen0 = project.msgLen()[0];
    values.screenWidthText = globals.screenWidth.text();
    values.brightnessText = globals.brightness.text();
    if (const AltGroup group = Alternation::findAltGroup(project.altBoxes()); group.count >= 2) {
        values.altBeginMsg = group.begin;
        values.altMsgNum = group.count;
    }
    values.clockMessageText = globals.clockMessage.text();
    values.hourPositionText = globals.hourPosition.text();
    values.minutePositionText = globals.minutePosition.text();
    values.daysMessageText = globals.daysMessage.text();
    values.daysPositionText = globals.daysPosition.text();
    for (int m = 0; m < kMessageCount; ++m) {
        const MessageSettings& message = project.message(m);
        values.modes[m] = {message.mode.index(), message.speed.text(), message.flash, message.loopLamp};
    }
    values.directory = messageDirectory(project.msgLen(), rowCapacity);
    return values;
}

QByteArray header(const HeaderValues& values)
{
    QByteArray frame(Link::kHeaderSize, '\0');
    store(frame, Link::kHeaderWidthFrames, widthFrames(values.msgLen0, values.screenWidthText));
    store(frame, Link::kHeaderBrightness, brightnessByte(values.brightnessText));
    store(frame, Link::kHeaderAltBegin, values.altBeginMsg);
    store(frame, Link::kHeaderAltCount, values.altMsgNum);
    storeWord(frame, Link::kHeaderTotalLength, values.directory.totalRowLength);
    store(frame, Link::kHeaderClockMessage, messageChoiceByte(values.clockMessageText));
    store(frame, Link::kHeaderHourPosition, positionByte(values.hourPositionText));
    store(frame, Link::kHeaderMinutePosition, positionByte(values.minutePositionText));
    store(frame, Link::kHeaderDaysMessage, messageChoiceByte(values.daysMessageText));
    store(frame, Link::kHeaderDaysPosition, positionByte(values.daysPositionText));
    for (int i = 0; i < Link::kHeaderFillerCount; ++i)
        store(frame, Link::kHeaderFiller + i, Link::kFillerByte);
    for (int m = 0; m < kMessageCount; ++m) {
        store(frame, Link::kHeaderModes + m, modeByte(values.modes[m]));
        const DirectoryEntry& entry = values.directory.entries[m];
        const int at = Link::kHeaderDirectory + Link::kDirectoryEntrySize * m;
        storeWord(frame, at, entry.offset);
        storeWord(frame, at + 2, entry.length);
    }
    return frame;
}

QByteArray rowBlock(const DisplayData& data, const MessageDirectory& directory, int row)
{
    QByteArray block(directory.totalRowLength, '\0');
    for (int m = 0; m < kMessageCount; ++m) {
        const DirectoryEntry& entry = directory.entries[m];
        const auto bytes = data.row(m, row);
        const int held = std::min(entry.length, kColumns);
        for (int col = 0; col < held; ++col)
            block[entry.offset + col] = static_cast<char>(bytes[col]);
    }
    return block;
}

QList<QByteArray> chunks(const QByteArray& block)
{
    QList<QByteArray> result;
    for (qsizetype at = 0; at < block.size(); at += Link::kChunkSize)
        result << block.mid(at, Link::kChunkSize);
    return result;
}

} // namespace UploadFrames
