// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/limits.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <cstdint>

class DisplayData;
class Project;

// The bytes of the upload, built from plain values: the header frame with its message directory
// and mode bytes, and the row blocks cut into chunks. The upload exchange paces and sends them.
namespace UploadFrames {

// What the screen height means for the card's memory: bytes per row and rows sent.
struct ScreenRows {
    int rowCapacity = 0;
    int rowCount = 0;
};
[[nodiscard]] ScreenRows screenRows(const QString& screenHeightText);

// Where each message's bytes sit in a row block. Lengths are clipped to the row capacity; the
// project's own lengths are left alone.
struct DirectoryEntry {
    int offset = 0;
    int length = 0;

    friend bool operator==(const DirectoryEntry&, const DirectoryEntry&) = default;
};
struct MessageDirectory {
    std::array<DirectoryEntry, kMessageCount> entries{};
    int totalRowLength = 0;
};
[[nodiscard]] MessageDirectory messageDirectory(const std::array<int, kMessageCount>& msgLen,
                                                int rowCapacity);

struct ModeValues {
    int modeIndex = 0; // entry of the show-mode list, -1 for none
    QString speedText = QStringLiteral("4");
    bool flash = false;
    bool loopLamp = false;
};
[[nodiscard]] std::uint8_t modeByte(const ModeValues& mode);

struct HeaderValues {
    int msgLen0 = 0; // message 0's own length, before any clipping
    QString screenWidthText = QStringLiteral("16");
    QString brightnessText = QStringLiteral("4");
    std::uint8_t altBeginMsg = 0;
    std::uint8_t altMsgNum = 0;
    QString clockMessageText = QStringLiteral("None");
    QString hourPositionText = QStringLiteral("4");
    QString minutePositionText = QStringLiteral("9");
    QString daysMessageText = QStringLiteral("None");
    QString daysPositionText = QStringLiteral("5");
    std::array<ModeValues, kMessageCount> modes{};
    MessageDirectory directory;
};
// The header as an upload of the project sends it: the alternation pair as the card takes it (no
// group of one) and every length clipped to the row capacity.
[[nodiscard]] HeaderValues headerValues(const Project& project, int rowCapacity);

// 95 bytes. A byte whose value cannot be formed from its text stays 0, as the card has always
// received it.
[[nodiscard]] QByteArray header(const HeaderValues& values);

// Row r of every message laid out by the directory. Columns past the last one held read as 0.
[[nodiscard]] QByteArray rowBlock(const DisplayData& data, const MessageDirectory& directory, int row);
[[nodiscard]] QList<QByteArray> chunks(const QByteArray& block);

} // namespace UploadFrames
