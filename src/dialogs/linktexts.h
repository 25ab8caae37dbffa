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
[[nodiscard]] inline QString badPortName()
{
    return QCoreApplication::translate("LinkTexts", "接続端子位地設定エラー!");
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

} // namespace LinkTexts
