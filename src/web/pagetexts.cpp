// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/pagetexts.h"

#include "model/limits.h"
#include "model/listitems.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace {

struct PageText {
    const char* key;
    const char* text;
};

constexpr PageText kTexts[] = {
    //: %1 is the message's number, 0 to 15.
    {"message", QT_TRANSLATE_NOOP("PageTexts", "表示 %1")},
    {"empty", QT_TRANSLATE_NOOP("PageTexts", "(空)")},
    {"text", QT_TRANSLATE_NOOP("PageTexts", "テキスト")},
    {"mode", QT_TRANSLATE_NOOP("PageTexts", "移動モード")},
    {"speed", QT_TRANSLATE_NOOP("PageTexts", "移動速度")},
    {"size", QT_TRANSLATE_NOOP("PageTexts", "フォントサイズ")},
    {"bold", QT_TRANSLATE_NOOP("PageTexts", "太文字")},
    {"flash", QT_TRANSLATE_NOOP("PageTexts", "点滅動作")},
    {"frame", QT_TRANSLATE_NOOP("PageTexts", "飾り枠")},
    //: The button that adopts the text, as the window's テキスト採用 does, and saves the project.
    {"save", QT_TRANSLATE_NOOP("PageTexts", "採用して保存")},
    {"saved", QT_TRANSLATE_NOOP("PageTexts", "保存しました。")},
    {"reloaded", QT_TRANSLATE_NOOP("PageTexts", "ほかで変更されていたため、最新の内容を読み込みました。")},
    {"preview", QT_TRANSLATE_NOOP("PageTexts", "プレビュー")},
    //: %1 and %2 are the work time's start and end, hh:mm.
    {"dark", QT_TRANSLATE_NOOP("PageTexts", "いまは稼働時間 (%1〜%2) の外なので、表示器は消灯しています。")},
    //: %1 is how full the card's memory will be, in percent.
    {"fits", QT_TRANSLATE_NOOP("PageTexts", "メモリに入ります (%1 %)")},
    {"notFits", QT_TRANSLATE_NOOP("PageTexts", "メモリに入りきりません")},
    //: %1 is a number of seconds.
    {"uploadTime", QT_TRANSLATE_NOOP("PageTexts", "転送時間 約 %1 秒")},
    {"port", QT_TRANSLATE_NOOP("PageTexts", "接続端子")},
    //: The choice of the port list that sends to every port in turn.
    {"allPorts", QT_TRANSLATE_NOOP("PageTexts", "すべて")},
    {"noPorts", QT_TRANSLATE_NOOP("PageTexts", "送り先の接続端子がありません (serve --port)。")},
    {"upload", QT_TRANSLATE_NOOP("PageTexts", "転 送")},
    {"setClock", QT_TRANSLATE_NOOP("PageTexts", "時計を合わせる")},
    {"clip", QT_TRANSLATE_NOOP("PageTexts", "入りきらない分を切り詰めて転送する")},
    {"password", QT_TRANSLATE_NOOP("PageTexts", "パスワード")},
    {"signIn", QT_TRANSLATE_NOOP("PageTexts", "ログイン")},
    {"working", QT_TRANSLATE_NOOP("PageTexts", "処理中…")},
    {"failed", QT_TRANSLATE_NOOP("PageTexts", "できませんでした。")},
    {"offline", QT_TRANSLATE_NOOP("PageTexts", "サーバーに届きません。")},
};

QJsonArray shownModes(int message)
{
    QJsonArray modes;
    for (const QString& mode : ListItems::showModes(message))
        modes.append(ListItems::shownText(mode));
    return modes;
}

} // namespace

QJsonObject pageTexts()
{
    QJsonObject texts;
    for (const PageText& text : kTexts)
        texts.insert(QLatin1String(text.key), QCoreApplication::translate("PageTexts", text.text));
    // Message 0 has one mode more than the others.
    texts.insert(QStringLiteral("modesOfMessage0"), shownModes(0));
    texts.insert(QStringLiteral("modes"), shownModes(1));
    texts.insert(QStringLiteral("speeds"), QJsonArray::fromStringList(ListItems::moveSpeeds()));
    texts.insert(QStringLiteral("messages"), kMessageCount);
    return texts;
}
