// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// Texts of the settings file commands. The question also guards closing the window.
namespace SettingsTexts {

[[nodiscard]] inline QString askSave()
{
    return QCoreApplication::translate("SettingsTexts", "設定内容が変更されています。保存しますか？");
}
[[nodiscard]] inline QString settingsUnreadable()
{
    return QCoreApplication::translate("SettingsTexts",
                                       "設定ファイルを読み込めません。読み込みを中止しました。");
}
[[nodiscard]] inline QString settingsMissing(const QString& path)
{
    return QCoreApplication::translate("SettingsTexts",
                                       "設定ファイル %1 がありません。読み込みを中止しました。")
        .arg(path);
}
[[nodiscard]] inline QString dataMissing()
{
    return QCoreApplication::translate("SettingsTexts",
                                       "表示データファイルが見つかりません。読み込みを中止しました。");
}
[[nodiscard]] inline QString dataShort()
{
    return QCoreApplication::translate(
        "SettingsTexts",
        "表示データファイルが短すぎます（1,048,064 バイトが必要です）。読み込みを中止しました。");
}
[[nodiscard]] inline QString settingsTooLarge()
{
    return QCoreApplication::translate(
        "SettingsTexts", "設定ファイルが大きすぎます（16 MB まで）。設定ファイルではないようです。");
}
// The form is named: "UTF-16", "UTF-32".
[[nodiscard]] inline QString settingsForm(const QString& form)
{
    return QCoreApplication::translate(
               "SettingsTexts",
               "設定ファイルが %1 で書かれているため、読み書きできません。Shift_JIS で保存し直してください。")
        .arg(form);
}
[[nodiscard]] inline QString namesUnpaired()
{
    return QCoreApplication::translate(
        "SettingsTexts", "この名前は設定ファイルに使えません。表示データファイルの名前（名前の最後の 3 文字を"
                         "「bin」に替えたもの）が設定ファイル自身か別のフォルダーになります。"
                         "「.ini」で終わる名前にしてください。");
}
[[nodiscard]] inline QString unfinished()
{
    return QCoreApplication::translate("SettingsTexts",
                                       "前回中断された保存を完了できないため、続けられません。");
}
[[nodiscard]] inline QString dataUnreadable()
{
    return QCoreApplication::translate("SettingsTexts",
                                       "表示データファイルを読み込めません。読み込みを中止しました。");
}
[[nodiscard]] inline QString dataUnwritable()
{
    return QCoreApplication::translate("SettingsTexts",
                                       "表示データファイルを書き込めません。保存されていません。");
}
[[nodiscard]] inline QString settingsUnwritable()
{
    return QCoreApplication::translate("SettingsTexts", "設定ファイルを書き込めません。保存されていません。");
}
// Yes, No and Cancel are the box's own buttons.
[[nodiscard]] inline QString changedElsewhere()
{
    return QCoreApplication::translate(
        "SettingsTexts",
        "このプロジェクトのファイルは、ここで読み込んだ後にほかのプログラムが変更しました。\n"
        "「はい」: ここでの内容で上書きします（ほかのプログラムの変更は失われます）。\n"
        "「いいえ」: ほかのプログラムが保存した内容を読み込みます（ここでの変更は失われます）。\n"
        "「キャンセル」: 保存しません。");
}
[[nodiscard]] inline QString cutAtLineBreak()
{
    return QCoreApplication::translate(
        "SettingsTexts", "次のメッセージのテキストは改行を含むため、最初の行だけを保存します：");
}
[[nodiscard]] inline QString unencodable()
{
    return QCoreApplication::translate(
        "SettingsTexts",
        "次のメッセージには設定ファイルに書けない文字があり、その文字は「?」として保存されます：");
}
[[nodiscard]] inline QString daysUnencodable()
{
    return QCoreApplication::translate(
        "SettingsTexts", "日数に設定ファイルに書けない文字があり、その文字は「?」として保存されます。");
}
} // namespace SettingsTexts
