// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// What the desktop program says about itself: its command line, the recent projects, a project
// open in another window, and the names a screen reader reads for controls without a caption.
namespace DesktopTexts {

[[nodiscard]] inline QString windowDescription()
{
    return QCoreApplication::translate("DesktopTexts",
                                       "P10 LED表示器のメッセージを作り、制御カードへ転送します。");
}
[[nodiscard]] inline QString windowUsage()
{
    return QCoreApplication::translate("DesktopTexts", "使い方: p10sign [PROJECT.ini]");
}
[[nodiscard]] inline QString projectArgument()
{
    return QCoreApplication::translate("DesktopTexts", "起動後に開く設定ファイル");
}
[[nodiscard]] inline QString oneProjectOnly()
{
    return QCoreApplication::translate("DesktopTexts", "設定ファイルは一つだけ指定できます。");
}
[[nodiscard]] inline QString helpOption()
{
    return QCoreApplication::translate("DesktopTexts", "この説明を表示します。");
}
[[nodiscard]] inline QString versionOption()
{
    return QCoreApplication::translate("DesktopTexts", "バージョンを表示します。");
}
[[nodiscard]] inline QString verboseOption()
{
    return QCoreApplication::translate("DesktopTexts",
                                       "シリアル回線と設定ファイルの記録を標準エラーに出力します。");
}

[[nodiscard]] inline QString recentProjects()
{
    return QCoreApplication::translate("DesktopTexts", "最近のプロジェクト");
}
[[nodiscard]] inline QString recentMissing()
{
    return QCoreApplication::translate("DesktopTexts",
                                       "設定ファイルが見つかりません。最近のプロジェクトから外しました。");
}
[[nodiscard]] inline QString openElsewhere()
{
    return QCoreApplication::translate("DesktopTexts",
                                       "このプロジェクトは他のウィンドウでも開かれています。保存すると、"
                                       "もう一方のウィンドウで保存した内容を上書きします。");
}

// %1 is the project's file (or unnamedProject()), %2 the time its changes were last kept.
[[nodiscard]] inline QString offerRecovery(const QString& project, const QString& time)
{
    return QCoreApplication::translate(
               "DesktopTexts", "プログラムが前回終了したとき、「%1」に保存されていない変更がありました"
                               "（%2）。この変更を復元しますか？\n「いいえ」を選ぶと変更は削除されます。"
                               "「キャンセル」なら、次の起動でまた尋ねます。")
        .arg(project, time);
}
[[nodiscard]] inline QString unnamedProject()
{
    return QCoreApplication::translate("DesktopTexts", "名前のないプロジェクト");
}

[[nodiscard]] inline QString messageTextName()
{
    return QCoreApplication::translate("DesktopTexts", "テキスト");
}
[[nodiscard]] inline QString clockName()
{
    return QCoreApplication::translate("DesktopTexts", "現在時刻");
}
[[nodiscard]] inline QString progressName()
{
    return QCoreApplication::translate("DesktopTexts", "進行状況");
}
[[nodiscard]] inline QString clockProgressName()
{
    return QCoreApplication::translate("DesktopTexts", "時間設定の進行状況");
}

} // namespace DesktopTexts
