// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// Reasons a file is not written, shown as the detail under a command's own message.
namespace FileTexts {

// The project file dialogs' filter, written "shown text|pattern".
[[nodiscard]] inline QString projectFilter()
{
    return QCoreApplication::translate("FileTexts", "設定ファイルを(*.ini)|*.ini");
}
[[nodiscard]] inline QString notRegularFile()
{
    return QCoreApplication::translate("FileTexts", "通常のファイルではありません（デバイス、FIFO、ソケット、"
                                                    "フォルダーやリンク切れには書き込みません）。");
}
[[nodiscard]] inline QString writeProtected()
{
    return QCoreApplication::translate("FileTexts", "書き込み禁止のファイルです。");
}
[[nodiscard]] inline QString groupBusy()
{
    return QCoreApplication::translate("FileTexts", "ほかのプログラムがこのプロジェクトを保存しています。");
}

} // namespace FileTexts
