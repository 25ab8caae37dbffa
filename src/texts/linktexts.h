// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// What the transfer commands tell the operator.
namespace LinkTexts {

[[nodiscard]] inline QString noTextTitle()
{
    return QCoreApplication::translate("LinkTexts", "注意");
}
[[nodiscard]] inline QString noText()
{
    return QCoreApplication::translate("LinkTexts", "テキストなし! 転送しない!");
}
// After "テキストなし! 転送しない!" when a message holds a typed text that was never adopted.
[[nodiscard]] inline QString adoptFirst()
{
    return QCoreApplication::translate("LinkTexts",
                                       "入力したテキストは「テキスト採用」を押してから転送してください。");
}
[[nodiscard]] inline QString overCapacity()
{
    return QCoreApplication::translate("LinkTexts", "表示データがカードのメモリに入りきりません。");
}
// Followed by the names of the messages.
[[nodiscard]] inline QString cutMessages()
{
    return QCoreApplication::translate("LinkTexts", "短く切られる表示：%1");
}
[[nodiscard]] inline QString droppedMessages()
{
    return QCoreApplication::translate("LinkTexts", "送られない表示：%1");
}
[[nodiscard]] inline QString sendAnyway()
{
    return QCoreApplication::translate("LinkTexts", "このまま転送しますか？");
}
[[nodiscard]] inline QString badPortName()
{
    return QCoreApplication::translate("LinkTexts", "接続端子位地設定エラー!");
}
// Why a port of the list cannot be opened, with the remedy. Followed by the device's group.
[[nodiscard]] inline QString joinGroup()
{
    return QCoreApplication::translate("LinkTexts",
                                       "権限がありません。「%1」グループに加えて、再ログインしてください。");
}
[[nodiscard]] inline QString noPermission()
{
    return QCoreApplication::translate("LinkTexts",
                                       "権限がありません。管理者に読み書きの許可を求めてください。");
}
[[nodiscard]] inline QString portUnavailable()
{
    return QCoreApplication::translate("LinkTexts", "接続端子がすでに使用中か、存在しません");
}
[[nodiscard]] inline QString notOpened()
{
    return QCoreApplication::translate("LinkTexts", "接続端子連結失敗!");
}
[[nodiscard]] inline QString lineFailed()
{
    return QCoreApplication::translate("LinkTexts", "接続端子との通信が途絶えました。転送を中止しました。");
}
[[nodiscard]] inline QString lineStalled()
{
    return QCoreApplication::translate("LinkTexts", "接続端子から送信できません。転送を中止しました。");
}

[[nodiscard]] inline QString noAnswer()
{
    return QCoreApplication::translate("LinkTexts", "接続先から応答がありません。");
}
[[nodiscard]] inline QString connectionRefused()
{
    return QCoreApplication::translate(
        "LinkTexts",
        "接続を拒否されました。ホスト名とポート番号、接続先の装置が動いているかを確かめてください。");
}
[[nodiscard]] inline QString hostNotFound()
{
    return QCoreApplication::translate("LinkTexts", "接続先のホストが見つかりません。");
}
[[nodiscard]] inline QString connectionFailed()
{
    return QCoreApplication::translate("LinkTexts", "接続先につながりません。");
}
// A device server that speaks telnet on a port given as tcp://.
[[nodiscard]] inline QString telnetOnRawPort()
{
    return QCoreApplication::translate(
        "LinkTexts", "接続先は telnet で話しています。rfc2217://ホスト:ポート を使うか、装置の"
                     "そのポートを raw TCP に設定してください。");
}
[[nodiscard]] inline QString noNegotiation()
{
    return QCoreApplication::translate("LinkTexts", "接続先が telnet の取り決めに答えません。");
}
[[nodiscard]] inline QString comPortRefused()
{
    return QCoreApplication::translate(
        "LinkTexts", "接続先がシリアルポートの設定 (RFC 2217 の COM ポート制御) を受け付けません。装置の"
                     "ポートを telnet (RFC 2217) にするか、raw TCP にして tcp:// を使ってください。");
}
[[nodiscard]] inline QString binaryRefused()
{
    return QCoreApplication::translate(
        "LinkTexts", "接続先が telnet のバイナリ転送を受け付けません。表示データを送れません。");
}
//: %1 is one of the serial settings below, %2 the value asked for, %3 the value the server set.
[[nodiscard]] inline QString settingRefused()
{
    return QCoreApplication::translate("LinkTexts", "接続先が%1を %2 にしませんでした (答えは %3)。");
}
[[nodiscard]] inline QString baudRate()
{
    return QCoreApplication::translate("LinkTexts", "通信速度");
}
[[nodiscard]] inline QString dataBits()
{
    return QCoreApplication::translate("LinkTexts", "データビット");
}
[[nodiscard]] inline QString parity()
{
    return QCoreApplication::translate("LinkTexts", "パリティ");
}
[[nodiscard]] inline QString stopBits()
{
    return QCoreApplication::translate("LinkTexts", "ストップビット");
}
[[nodiscard]] inline QString flowControl()
{
    return QCoreApplication::translate("LinkTexts", "フロー制御");
}
[[nodiscard]] inline QString notStarted()
{
    return QCoreApplication::translate("LinkTexts", "始められませんでした。");
}
[[nodiscard]] inline QString aborted()
{
    return QCoreApplication::translate("LinkTexts", "中止しました。");
}

// The status line. The numbers are seconds.
[[nodiscard]] inline QString uploadTimeLeft()
{
    //: %1: seconds left of the running upload.
    return QCoreApplication::translate("LinkTexts", "転送中… 残り約 %1 秒");
}
[[nodiscard]] inline QString clockSetRunning()
{
    return QCoreApplication::translate("LinkTexts", "時計を設定中…");
}
[[nodiscard]] inline QString uploadCompleted()
{
    return QCoreApplication::translate("LinkTexts", "転送完了（%1 秒）");
}
[[nodiscard]] inline QString clockSetCompleted()
{
    return QCoreApplication::translate("LinkTexts", "時計の設定完了（%1 秒）");
}
// Followed by the reason, then the seconds.
[[nodiscard]] inline QString uploadFailed()
{
    //: %1: why the upload failed; %2: the seconds it ran.
    return QCoreApplication::translate("LinkTexts", "転送できませんでした：%1（%2 秒）");
}
[[nodiscard]] inline QString clockSetFailed()
{
    //: %1: why the clock set failed; %2: the seconds it ran.
    return QCoreApplication::translate("LinkTexts", "時計を設定できませんでした：%1（%2 秒）");
}

} // namespace LinkTexts
