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
    return QCoreApplication::translate("LinkTexts", "転送できませんでした：%1（%2 秒）");
}
[[nodiscard]] inline QString clockSetFailed()
{
    return QCoreApplication::translate("LinkTexts", "時計を設定できませんでした：%1（%2 秒）");
}

} // namespace LinkTexts
