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
    Losses found;
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
            found.cutAtLineBreak.append(m);
        }
        message.fontName = settings.fontName;
        message.fontSize = settings.fontSize.text();
        message.bold = settings.bold ? 1 : 0;
        message.direction = settings.mode.index();
        message.flash = settings.flash ? 1 : 0;
        message.speed = settings.speed.index() + 1;
        message.loopLamp = settings.loopLamp ? 1 : 0;
        message.adjust = settings.topAdj;
        const bool encodable =
            CodePage932::canEncode(message.text) && CodePage932::canEncode(message.fontName) &&
            CodePage932::canEncode(message.fontSize) && CodePage932::canEncode(message.adjust);
        if (!encodable)
            found.unencodable.append(m);
    }
    file.altBegin = project.altBeginMsg();
    file.altCount = project.altMsgNum();
    file.timeMessage = globals.clockMessage.index();
    file.daysMessage = globals.daysMessage.index();
    file.hourPosition = globals.hourPosition.index();
    file.minutePosition = globals.minutePosition.index();
    file.daysPosition = globals.daysPosition.index();
    file.countdownDays = globals.countdownDays;
    found.daysUnencodable = !CodePage932::canEncode(file.countdownDays);
    const WorkTime& workTime = project.workTime();
    file.workTimeEnabled = workTime.enabled ? 1 : 0;
    file.startMinutes = workTime.start;
    file.endMinutes = workTime.end;
    if (losses)
        *losses = found;
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

void ProjectFile::write(ProfileDocument& document) const
{
    using CodePage932::encode;
    document.writeInt(kScreenWidthSection, kScreenWidthKey, screenWidth);
    document.writeInt(kScreenHeightSection, kScreenHeightKey, screenHeight);
    for (int m = 0; m < kMessageCount; ++m) {
        const Message& message = messages[m];
        const QByteArray fonts = fontSection(m);
        const QByteArray modes = modeSection(m);
        document.writeString(kTextSection, textKey(m), encode(message.text));
        document.writeString(fonts, kFontName, encode(message.fontName));
        document.writeString(fonts, kFontSize, encode(message.fontSize));
        document.writeInt(fonts, kFontBold, message.bold);
        document.writeInt(modes, kMoveDirection, message.direction);
        document.writeInt(modes, kFlash, message.flash);
        document.writeInt(modes, kMoveSpeed, message.speed);
        document.writeInt(modes, kLoopLamp, message.loopLamp);
        document.writeString(kAdjustSection, adjustKey(m), encode(message.adjust));
    }
    document.writeInt(kAlternateSection, kAltBegin, altBegin);
    document.writeInt(kAlternateSection, kAltCount, altCount);
    document.writeInt(kClockSection, kTimeMessage, timeMessage);
    document.writeInt(kClockSection, kDaysMessage, daysMessage);
    document.writeInt(kClockSection, kHourPosition, hourPosition);
    document.writeInt(kClockSection, kMinutePosition, minutePosition);
    document.writeInt(kClockSection, kDaysPosition, daysPosition);
    document.writeString(kClockSection, kDays, encode(countdownDays));
    document.writeInt(kWorkTimeSection, kWorkTimeEnable, workTimeEnabled);
    document.writeInt(kWorkTimeSection, kStartWorkTime, startMinutes);
    document.writeInt(kWorkTimeSection, kEndWorkTime, endMinutes);
}
