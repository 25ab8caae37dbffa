#pragma once

#include <QString>

// Texts of the settings file commands. The question also guards closing the window.
namespace SettingsTexts {

inline const QString kAskSave = QStringLiteral("設定内容が変更されています。保存しますか？");
inline const QString kSettingsUnreadable =
    QStringLiteral("設定ファイルを読み込めません。読み込みを中止しました。");
inline const QString kDataMissing =
    QStringLiteral("表示データファイルが見つかりません。読み込みを中止しました。");
inline const QString kDataWrongSize = QStringLiteral(
    "表示データファイルの大きさが正しくありません（1,048,064 バイトが必要です）。読み込みを中止しました。");
inline const QString kDataUnreadable =
    QStringLiteral("表示データファイルを読み込めません。読み込みを中止しました。");
inline const QString kDataUnwritable =
    QStringLiteral("表示データファイルを書き込めません。保存されていません。");
inline const QString kSettingsUnwritable =
    QStringLiteral("設定ファイルを書き込めません。保存されていません。");
inline const QString kCutAtLineBreak =
    QStringLiteral("次のメッセージのテキストは改行を含むため、最初の行だけを保存します：");
inline const QString kUnencodable =
    QStringLiteral("次のメッセージには設定ファイルに書けない文字があり、その文字は「?」として保存されます：");
inline const QString kDaysUnencodable =
    QStringLiteral("日数に設定ファイルに書けない文字があり、その文字は「?」として保存されます。");
// Followed by the message index, as on the tabs.
inline const QString kMessageName = QStringLiteral("表示 ");
inline const QString kListSeparator = QStringLiteral("、");

} // namespace SettingsTexts
