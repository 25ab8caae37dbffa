// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Names, defaults and limits of the project files. They match the files written on Windows, so
// none of them may change.
namespace SettingsFormat {

inline const QString kExtension = QStringLiteral(".ini");
// The display data file sits beside the settings file: its last three characters become these.
inline const QString kDataFileSuffix = QStringLiteral("bin");
// The file label drops this many trailing characters (".ini").
inline constexpr int kLabelCut = 4;

inline constexpr char kScreenWidthSection[] = "Screen Width";
inline constexpr char kScreenWidthKey[] = "ByteNumbers";
inline constexpr char kScreenHeightSection[] = "Screen Height";
inline constexpr char kScreenHeightKey[] = "Pixels";
inline constexpr char kTextSection[] = "MessageText";
inline constexpr char kAdjustSection[] = "TopLocationAdjustSet";
inline constexpr char kFontName[] = "FontName";
inline constexpr char kFontSize[] = "FontSize";
inline constexpr char kFontBold[] = "FontBold";
inline constexpr char kMoveDirection[] = "MoveDirection";
inline constexpr char kFlash[] = "Flash";
inline constexpr char kMoveSpeed[] = "MoveSpeed";
inline constexpr char kLoopLamp[] = "LoopLamp";
inline constexpr char kAlternateSection[] = "Alternate";
inline constexpr char kAltBegin[] = "AlternateBeginMsg";
inline constexpr char kAltCount[] = "AlternateMsgNum";
inline constexpr char kClockSection[] = "ClockPosition";
inline constexpr char kTimeMessage[] = "TimeMessage";
inline constexpr char kDaysMessage[] = "DDDMessage";
inline constexpr char kHourPosition[] = "HourPosition";
inline constexpr char kMinutePosition[] = "MinutePosition";
inline constexpr char kDaysPosition[] = "DDDPosition";
inline constexpr char kDays[] = "DDD Days";
inline constexpr char kWorkTimeSection[] = "WorkTime";
inline constexpr char kWorkTimeEnable[] = "WorkTimeEnable";
inline constexpr char kStartWorkTime[] = "StartWorkTime";
inline constexpr char kEndWorkTime[] = "EndWorkTime";

[[nodiscard]] inline QByteArray textKey(int m)
{
    return "Message" + QByteArray::number(m) + "Text";
}
[[nodiscard]] inline QByteArray fontSection(int m)
{
    return "Message" + QByteArray::number(m) + "ShowFontSet";
}
[[nodiscard]] inline QByteArray modeSection(int m)
{
    return "Message" + QByteArray::number(m) + "ShowMode";
}
[[nodiscard]] inline QByteArray adjustKey(int m)
{
    return "Adjust" + QByteArray::number(m);
}

// Read buffers of the string keys; a value comes back cut to one byte less.
inline constexpr int kTextBuffer = 2048;
inline constexpr int kFontNameBuffer = 80;
inline constexpr int kShortBuffer = 10;

// Defaults for keys missing from a file. They differ from the values at start-up.
inline constexpr int kDefaultScreenWidth = 4;
inline constexpr int kDefaultScreenHeight = 0;
inline const QString kDefaultFontName = QStringLiteral("System");
inline const QString kDefaultFontSize = QStringLiteral("12");
inline constexpr int kDefaultMoveSpeed = 3;
inline const QString kDefaultAdjust = QStringLiteral("0");
inline constexpr int kDefaultMinutePosition = 3;
inline constexpr int kDefaultDaysPosition = 8;
inline const QString kDefaultDays = QStringLiteral("999");
inline constexpr int kDefaultStartMinutes = 450;
inline constexpr int kDefaultEndMinutes = 1200;

// Progress of saving: one step per message of the display data, then the keys.
inline constexpr int kSaveProgressMax = 17;
inline constexpr int kLoadProgressMax = 15;

// This program's own: real projects are about 10 KB, and a settings file beyond this is not read
// at all; while a save replaces a project's files, a marker named after its settings file exists.
inline constexpr qint64 kMaxSettingsBytes = 16 * 1024 * 1024;
inline const QString kSavingMarkerSuffix = QStringLiteral(".p10sign-saving");

} // namespace SettingsFormat
