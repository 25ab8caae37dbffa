// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/projectfile.h"

#include "model/project.h"
#include "settings/codepage932.h"
#include "settings/profiledocument.h"
#include "settings/settingsformat.h"

#include <algorithm>
#include <limits>

using namespace SettingsFormat;

namespace {

// The controls take 16-bit values; anything beyond is held at the nearest end.
int narrow16(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int16_t>::min(),
                                                     std::numeric_limits<std::int16_t>::max()));
}

int narrowByte(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, 255));
}

QString readText(const ProfileDocument& document, QByteArrayView section, QByteArrayView key,
                 const QString& fallback, int bufferSize)
{
    return CodePage932::decode(document.readString(section, key, CodePage932::encode(fallback), bufferSize));
}

int readNumber(const ProfileDocument& document, QByteArrayView section, QByteArrayView key, int fallback)
{
    return narrow16(document.readInt(section, key, fallback));
}

QString withoutTrailingLineBreak(const QString& text)
{
    return text.endsWith(QStringLiteral("\r\n")) ? text.chopped(2) : text;
}

} // namespace

ProjectFile::ProjectFile()
    : screenWidth(kDefaultScreenWidth)
    , screenHeight(kDefaultScreenHeight)
    , minutePosition(kDefaultMinutePosition)
    , daysPosition(kDefaultDaysPosition)
    , countdownDays(kDefaultDays)
    , startMinutes(kDefaultStartMinutes)
    , endMinutes(kDefaultEndMinutes)
{
    for (int m = 0; m < kMessageCount; ++m) {
        Message& message = messages[m];
        message.text = QStringLiteral("Message%1").arg(m);
        message.fontName = kDefaultFontName;
        message.fontSize = kDefaultFontSize;
        message.speed = kDefaultMoveSpeed;
        message.adjust = kDefaultAdjust;
    }
}

ProjectFile ProjectFile::capture(const Project& project, Losses* losses)
{
    ProjectFile file;
    QList<int> cut;
    const GlobalSettings& globals = project.globals();
    file.screenWidth = globals.screenWidth.index();
    file.screenHeight = globals.screenHeight.index();
    for (int m = 0; m < kMessageCount; ++m) {
        const MessageSettings& settings = project.message(m);
        Message& message = file.messages[m];
        message.text = withoutTrailingLineBreak(settings.text);
        // A key holds one line, and a reader of the file on Windows would get back only the first
        // one: the text is cut there and the operator is told which messages lost their rest.
        const auto lineBreak = std::find_if(message.text.cbegin(), message.text.cend(),
                                            [](QChar c) { return c == u'\r' || c == u'\n'; });
        if (lineBreak != message.text.cend()) {
            message.text.truncate(lineBreak - message.text.cbegin());
            cut.append(m);
        }
        message.fontName = settings.fontName;
        message.fontSize = settings.fontSize.text();
        message.bold = settings.bold ? 1 : 0;
        message.direction = settings.mode.index();
        message.flash = settings.flash ? 1 : 0;
        message.speed = settings.speed.index() + 1;
        message.loopLamp = settings.loopLamp ? 1 : 0;
        message.adjust = settings.topAdj;
    }
    file.altBegin = project.altBeginMsg();
    file.altCount = project.altMsgNum();
    file.timeMessage = globals.clockMessage.index();
    file.daysMessage = globals.daysMessage.index();
    file.hourPosition = globals.hourPosition.index();
    file.minutePosition = globals.minutePosition.index();
    file.daysPosition = globals.daysPosition.index();
    file.countdownDays = globals.countdownDays;
    const WorkTime& workTime = project.workTime();
    file.workTimeEnabled = workTime.enabled ? 1 : 0;
    file.startMinutes = workTime.start;
    file.endMinutes = workTime.end;
    if (losses)
        losses->cutAtLineBreak = cut;
    return file;
}

ProjectFile ProjectFile::read(const ProfileDocument& document)
{
    ProjectFile file;
    file.screenWidth = readNumber(document, kScreenWidthSection, kScreenWidthKey, file.screenWidth);
    file.screenHeight = readNumber(document, kScreenHeightSection, kScreenHeightKey, file.screenHeight);
    for (int m = 0; m < kMessageCount; ++m) {
        Message& message = file.messages[m];
        const QByteArray fonts = fontSection(m);
        const QByteArray modes = modeSection(m);
        message.text = readText(document, kTextSection, textKey(m), message.text, kTextBuffer);
        message.fontName = readText(document, fonts, kFontName, message.fontName, kFontNameBuffer);
        message.fontSize = readText(document, fonts, kFontSize, message.fontSize, kShortBuffer);
        message.bold = readNumber(document, fonts, kFontBold, message.bold);
        message.direction = readNumber(document, modes, kMoveDirection, message.direction);
        message.flash = readNumber(document, modes, kFlash, message.flash);
        message.speed = readNumber(document, modes, kMoveSpeed, message.speed);
        message.loopLamp = readNumber(document, modes, kLoopLamp, message.loopLamp);
        message.adjust = readText(document, kAdjustSection, adjustKey(m), message.adjust, kShortBuffer);
    }
    file.altBegin = narrowByte(document.readInt(kAlternateSection, kAltBegin, file.altBegin));
    file.altCount = narrowByte(document.readInt(kAlternateSection, kAltCount, file.altCount));
    file.timeMessage = readNumber(document, kClockSection, kTimeMessage, file.timeMessage);
    file.daysMessage = readNumber(document, kClockSection, kDaysMessage, file.daysMessage);
    file.hourPosition = readNumber(document, kClockSection, kHourPosition, file.hourPosition);
    file.minutePosition = readNumber(document, kClockSection, kMinutePosition, file.minutePosition);
    file.daysPosition = readNumber(document, kClockSection, kDaysPosition, file.daysPosition);
    file.countdownDays = readText(document, kClockSection, kDays, file.countdownDays, kShortBuffer);
    file.workTimeEnabled = readNumber(document, kWorkTimeSection, kWorkTimeEnable, file.workTimeEnabled);
    file.startMinutes = readNumber(document, kWorkTimeSection, kStartWorkTime, file.startMinutes);
    file.endMinutes = readNumber(document, kWorkTimeSection, kEndWorkTime, file.endMinutes);
    return file;
}

ProjectFile::Losses ProjectFile::write(ProfileDocument& document) const
{
    return write(document, FileOrigin{});
}

ProjectFile::Losses ProjectFile::write(ProfileDocument& document, const FileOrigin& origin) const
{
    Losses losses;
    const ProfileDocument& kept = origin.document;
    const ProjectFile* before = origin.values ? &*origin.values : nullptr;
    // Texts are compared as loading reads them, cut to their buffers.
    const auto writeText = [&](QByteArrayView section, QByteArrayView key, const QString& text,
                               int bufferSize, bool unchanged) {
        const auto bytes = kept.value(section, key);
        if (bytes &&
            (unchanged || CodePage932::decode(CodePage932::cutToBuffer(*bytes, bufferSize)) == text)) {
            document.writeString(section, key, *bytes);
            return true;
        }
        document.writeString(section, key, CodePage932::encode(text));
        return CodePage932::canEncode(text);
    };
    const auto writeNumber = [&](QByteArrayView section, QByteArrayView key, int value, auto narrowed,
                                 bool unchanged) {
        const auto bytes = kept.value(section, key);
        if (bytes && (unchanged || (!bytes->isEmpty() && narrowed(kept.readInt(section, key, 0)) == value)))
            document.writeString(section, key, *bytes);
        else
            document.writeInt(section, key, value);
    };
    const auto writeInt = [&](QByteArrayView section, QByteArrayView key, int value, bool unchanged) {
        writeNumber(section, key, value, narrow16, unchanged);
    };
    const auto same = [&](auto member) { return before && before->*member == this->*member; };
    writeInt(kScreenWidthSection, kScreenWidthKey, screenWidth, same(&ProjectFile::screenWidth));
    writeInt(kScreenHeightSection, kScreenHeightKey, screenHeight, same(&ProjectFile::screenHeight));
    for (int m = 0; m < kMessageCount; ++m) {
        const Message& message = messages[m];
        const auto sameInMessage = [&](auto member) {
            return before && before->messages[m].*member == message.*member;
        };
        const QByteArray fonts = fontSection(m);
        const QByteArray modes = modeSection(m);
        bool encodable =
            writeText(kTextSection, textKey(m), message.text, kTextBuffer, sameInMessage(&Message::text));
        encodable &=
            writeText(fonts, kFontName, message.fontName, kFontNameBuffer, sameInMessage(&Message::fontName));
        encodable &=
            writeText(fonts, kFontSize, message.fontSize, kShortBuffer, sameInMessage(&Message::fontSize));
        writeInt(fonts, kFontBold, message.bold, sameInMessage(&Message::bold));
        writeInt(modes, kMoveDirection, message.direction, sameInMessage(&Message::direction));
        writeInt(modes, kFlash, message.flash, sameInMessage(&Message::flash));
        writeInt(modes, kMoveSpeed, message.speed, sameInMessage(&Message::speed));
        writeInt(modes, kLoopLamp, message.loopLamp, sameInMessage(&Message::loopLamp));
        encodable &= writeText(kAdjustSection, adjustKey(m), message.adjust, kShortBuffer,
                               sameInMessage(&Message::adjust));
        if (!encodable)
            losses.unencodable.append(m);
    }
    writeNumber(kAlternateSection, kAltBegin, altBegin, narrowByte, same(&ProjectFile::altBegin));
    writeNumber(kAlternateSection, kAltCount, altCount, narrowByte, same(&ProjectFile::altCount));
    writeInt(kClockSection, kTimeMessage, timeMessage, same(&ProjectFile::timeMessage));
    writeInt(kClockSection, kDaysMessage, daysMessage, same(&ProjectFile::daysMessage));
    writeInt(kClockSection, kHourPosition, hourPosition, same(&ProjectFile::hourPosition));
    writeInt(kClockSection, kMinutePosition, minutePosition, same(&ProjectFile::minutePosition));
    writeInt(kClockSection, kDaysPosition, daysPosition, same(&ProjectFile::daysPosition));
    losses.daysUnencodable =
        !writeText(kClockSection, kDays, countdownDays, kShortBuffer, same(&ProjectFile::countdownDays));
    writeInt(kWorkTimeSection, kWorkTimeEnable, workTimeEnabled, same(&ProjectFile::workTimeEnabled));
    writeInt(kWorkTimeSection, kStartWorkTime, startMinutes, same(&ProjectFile::startMinutes));
    writeInt(kWorkTimeSection, kEndWorkTime, endMinutes, same(&ProjectFile::endMinutes));
    return losses;
}
