// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// What the card's side reports about the bytes it received.
namespace CardTexts {

[[nodiscard]] inline QString usage()
{
    return QCoreApplication::translate(
        "CardTexts", "使い方: p10signcard (--port DEVICE | --pty | --listen ADDRESS) [オプション]");
}

[[nodiscard]] inline QString headerFrame()
{
    return QCoreApplication::translate("CardTexts", "ヘッダー");
}
[[nodiscard]] inline QString timeFrame()
{
    return QCoreApplication::translate("CardTexts", "時刻");
}
[[nodiscard]] inline QString scheduleFrame()
{
    return QCoreApplication::translate("CardTexts", "日数と稼働時間");
}
// %1 one of the frame names above, %2 the bytes received, %3 the bytes expected.
[[nodiscard]] inline QString wrongFrameSize(const QString& frame, qsizetype received, int expected)
{
    //: %1 names the frame (greeting, header …); %2: the bytes it had; %3: the bytes it should have.
    return QCoreApplication::translate("CardTexts", "%1 フレームが %2 バイトでした（%3 バイトのはず）。")
        .arg(frame)
        .arg(received)
        .arg(expected);
}
[[nodiscard]] inline QString headerTooSoon(qint64 ms, int expectedMs)
{
    return QCoreApplication::translate("CardTexts",
                                       "ヘッダーが挨拶の %1 ミリ秒後に届きました（%2 ミリ秒待つはず）。")
        .arg(ms)
        .arg(expectedMs);
}
[[nodiscard]] inline QString chunkTooLong(qsizetype bytes, int chunk)
{
    return QCoreApplication::translate("CardTexts",
                                       "行データが一度に %1 バイト届きました（一度に %2 バイトまでのはず）。")
        .arg(bytes)
        .arg(chunk);
}
[[nodiscard]] inline QString directoryMismatch(int sum, int total)
{
    return QCoreApplication::translate("CardTexts",
                                       "目録の長さの合計 %1 バイトがヘッダーの行長 %2 バイトと違います。")
        .arg(sum)
        .arg(total);
}
// The row data received does not make whole row blocks of the header's length.
[[nodiscard]] inline QString rowsMismatch(qsizetype received, int rowLength, int rows)
{
    return QCoreApplication::translate(
               "CardTexts", "行データが %1 バイトでした（行長 %2 バイト × %3 行 = %4 バイトのはず）。")
        .arg(received)
        .arg(rowLength)
        .arg(rows)
        .arg(qsizetype(rowLength) * rows);
}
[[nodiscard]] inline QString notATime(const QString& hex)
{
    return QCoreApplication::translate("CardTexts", "時刻フレーム %1 は時刻ではありません。").arg(hex);
}
[[nodiscard]] inline QString bytesAfterEnd(qsizetype bytes)
{
    return QCoreApplication::translate("CardTexts", "交換の終わりの後に %1 バイト届きました。").arg(bytes);
}
[[nodiscard]] inline QString bytesWithoutHello(qsizetype bytes)
{
    return QCoreApplication::translate("CardTexts", "挨拶より前に %1 バイト届きました。").arg(bytes);
}

// The memory file the virtual card keeps.
[[nodiscard]] inline QString memoryUnreadable()
{
    return QCoreApplication::translate("CardTexts", "カードの記憶ファイルを読めません。");
}
[[nodiscard]] inline QString memoryUnwritable()
{
    return QCoreApplication::translate("CardTexts", "カードの記憶ファイルを書けません。");
}
[[nodiscard]] inline QString notAMemory()
{
    return QCoreApplication::translate("CardTexts", "カードの記憶として読めない値があります。");
}
[[nodiscard]] inline QString memoryTooLarge()
{
    return QCoreApplication::translate("CardTexts", "カードの記憶には大きすぎるファイルです。");
}
[[nodiscard]] inline QString noFolder()
{
    return QCoreApplication::translate("CardTexts", "フォルダーを作れません。");
}
[[nodiscard]] inline QString cannotWrite(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("CardTexts", "書き出せません: %1 (%2)").arg(path, reason);
}
[[nodiscard]] inline QString noPseudoTerminals()
{
    return QCoreApplication::translate("CardTexts", "このシステムでは疑似端末を作れません。");
}

// The columns of the exchange log.
[[nodiscard]] inline QString uploadKind()
{
    return QCoreApplication::translate("CardTexts", "転送");
}
[[nodiscard]] inline QString clockSetKind()
{
    return QCoreApplication::translate("CardTexts", "時刻設定");
}
[[nodiscard]] inline QString strayKind()
{
    return QCoreApplication::translate("CardTexts", "不明なバイト");
}
[[nodiscard]] inline QString byteCount(qsizetype bytes)
{
    return QCoreApplication::translate("CardTexts", "%1 バイト").arg(bytes);
}
[[nodiscard]] inline QString seconds(double value)
{
    return QCoreApplication::translate("CardTexts", "%1 秒").arg(value, 0, 'f', 1);
}
[[nodiscard]] inline QString allWell()
{
    return QCoreApplication::translate("CardTexts", "正常");
}
[[nodiscard]] inline QString unfinished()
{
    return QCoreApplication::translate("CardTexts", "未完了");
}
[[nodiscard]] inline QString screenSummary(int widthBytes, int heightDots, int brightness)
{
    //: %1: the sign's width in byte columns; %2: its height in LED dots; %3: the brightness, 1 to 4.
    return QCoreApplication::translate("CardTexts", "画面 %1 バイト × %2 ドット、輝度 %3")
        .arg(widthBytes)
        .arg(heightDots)
        .arg(brightness);
}
[[nodiscard]] inline QString alternationSummary(int first, int last)
{
    return QCoreApplication::translate("CardTexts", "交互表示 表示 %1〜%2").arg(first).arg(last);
}
[[nodiscard]] inline QString workSummary(const QString& start, const QString& end, bool enabled)
{
    return enabled
               ? QCoreApplication::translate("CardTexts", "稼働時間 %1〜%2 (時間切替 入)").arg(start, end)
               : QCoreApplication::translate("CardTexts", "稼働時間 %1〜%2 (時間切替 切)").arg(start, end);
}
[[nodiscard]] inline QString cannotListen()
{
    return QCoreApplication::translate("CardTexts", "接続端子で受信できません。");
}
[[nodiscard]] inline QString lineLost(const QString& device, const QString& reason)
{
    return QCoreApplication::translate("CardTexts", "接続端子 %1 が切れました: %2").arg(device, reason);
}

// p10signcard's command line.
[[nodiscard]] inline QString unexpectedArgument(const QString& argument)
{
    return QCoreApplication::translate("CardTexts", "不要な引数: %1").arg(argument);
}
[[nodiscard]] inline QString oneWayToListen()
{
    return QCoreApplication::translate("CardTexts",
                                       "--port、--pty、--listen のどれか一つを指定してください。");
}
[[nodiscard]] inline QString gifOrFrames()
{
    return QCoreApplication::translate("CardTexts", "--gif と --frames は一緒に使えません。");
}

} // namespace CardTexts
