// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows-31J, the code page of every name and value in the project files. Plain Shift-JIS lacks
// the vendor rows ("①", "㈱", "髙") that Japanese shop signs use, so only this table will do.
namespace CodePage932 {

// As Windows writes text: a few characters the code page lacks become the one that looks the same
// (〜 as ～, − as －), and the others become "?".
[[nodiscard]] QByteArray encode(QStringView text);
[[nodiscard]] QString decode(QByteArrayView bytes);
[[nodiscard]] bool canEncode(QStringView text);

// The first bufferSize - 1 bytes at most, never ending in half of a two-byte character.
[[nodiscard]] QByteArrayView cutToBuffer(QByteArrayView bytes, int bufferSize);

[[nodiscard]] constexpr bool isLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

} // namespace CodePage932
