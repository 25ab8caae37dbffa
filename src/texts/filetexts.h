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
// The lock file is named apart. %1 is the program that holds it, as lockHolder() gives it, or empty.
[[nodiscard]] inline QString groupBusy(const QString& holder)
{
    return QCoreApplication::translate(
               "FileTexts", "ほかのプログラム%1がこのプロジェクトを使っています。終わるのを待ってから"
                            "やり直してください。そのプログラムがもう動いていないのに続くときは、"
                            "このロックファイルを削除してください。")
        .arg(holder);
}
// %1 the program's name, %2 its process number.
[[nodiscard]] inline QString lockHolder(const QString& program, qint64 pid)
{
    //: %1: the program holding the lock; %2: its process number.
    return QCoreApplication::translate("FileTexts", "（%1、プロセス %2）").arg(program).arg(pid);
}

} // namespace FileTexts
