// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// What p10signctl tells about its command line and the work it refuses.
namespace CtlTexts {

[[nodiscard]] inline QString usage()
{
    return QCoreApplication::translate("CtlTexts", "使い方:");
}
[[nodiscard]] inline QString verbHelpHint()
{
    return QCoreApplication::translate("CtlTexts", "各コマンドの詳細: p10signctl COMMAND --help");
}
[[nodiscard]] inline QString versionHint()
{
    return QCoreApplication::translate("CtlTexts", "バージョン: p10signctl --version");
}
[[nodiscard]] inline QString languageHint()
{
    return QCoreApplication::translate("CtlTexts", "表示の言語: p10signctl --language ja|en …");
}
[[nodiscard]] inline QString noVerb()
{
    return QCoreApplication::translate("CtlTexts", "コマンドがありません。");
}
[[nodiscard]] inline QString unknownVerb(const QString& verb)
{
    return QCoreApplication::translate("CtlTexts", "不明なコマンド: %1").arg(verb);
}
[[nodiscard]] inline QString oneProject()
{
    return QCoreApplication::translate("CtlTexts", "設定ファイルを一つ指定してください。");
}
[[nodiscard]] inline QString missingOption(const QString& option)
{
    return QCoreApplication::translate("CtlTexts", "--%1 がありません。").arg(option);
}
[[nodiscard]] inline QString contradiction(const QString& option, const QString& opposite)
{
    return QCoreApplication::translate("CtlTexts", "--%1 と --%2 は一緒に使えません。").arg(option, opposite);
}
[[nodiscard]] inline QString repeatedOption(const QString& option)
{
    return QCoreApplication::translate("CtlTexts", "--%1 が二度以上あります。一度だけ指定してください。")
        .arg(option);
}
// %2 is the message number the option was given for twice.
[[nodiscard]] inline QString repeatedForMessage(const QString& option, const QString& message)
{
    return QCoreApplication::translate(
               "CtlTexts", "--message %2 の後に --%1 が二度以上あります。一度だけ指定してください。")
        .arg(option, message);
}
[[nodiscard]] inline QString repeatedMessage(int message)
{
    return QCoreApplication::translate("CtlTexts",
                                       "--message %1 が二度あります。その表示の設定は一つの --message の後に"
                                       "まとめてください。")
        .arg(message);
}
[[nodiscard]] inline QString messageWithoutOptions(int message)
{
    return QCoreApplication::translate(
               "CtlTexts",
               "--message %1 の後に表示の設定がありません。設定はそれぞれの --message の後に書きます。")
        .arg(message);
}
// %1 is the extension of the name given, %2 the extensions that can be written.
[[nodiscard]] inline QString unknownPictureFormat(const QString& extension, const QString& known)
{
    return QCoreApplication::translate("CtlTexts", "「.%1」の形式の画像は書き出せません。使える拡張子: %2")
        .arg(extension, known);
}
[[nodiscard]] inline QString certAndKey()
{
    return QCoreApplication::translate("CtlTexts", "--tls-cert と --tls-key は二つ一緒に指定してください。");
}
[[nodiscard]] inline QString outOrFrames()
{
    return QCoreApplication::translate("CtlTexts", "--out か --frames のどちらか一つを指定してください。");
}
[[nodiscard]] inline QString needsMessage()
{
    return QCoreApplication::translate("CtlTexts", "表示ごとの設定には --message で表示を指定してください。");
}
[[nodiscard]] inline QString alternationRefused(int first)
{
    return QCoreApplication::translate(
               "CtlTexts", "表示 %1 から始まる交互表示は作れません。プロジェクトは変えていません。")
        .arg(first);
}

// Lines of `info`. A message is "表示 N" or "なし".
[[nodiscard]] inline QString noMessage()
{
    return QCoreApplication::translate("CtlTexts", "なし");
}
[[nodiscard]] inline QString clockSummary(const QString& message, const QString& hour, const QString& minute)
{
    //: %1: the clock's message (or none); %2 and %3: the byte columns of the hour and minute digits.
    return QCoreApplication::translate("CtlTexts", "時計: %1 (時 %2, 分 %3)").arg(message, hour, minute);
}
[[nodiscard]] inline QString daysSummary(const QString& message, const QString& position, const QString& days)
{
    //: %1: the countdown's message (or none); %2: the byte column of its digits; %3: the days.
    return QCoreApplication::translate("CtlTexts", "日数: %1 (位置 %2), %3 日").arg(message, position, days);
}
[[nodiscard]] inline QString workTimeSummary(const QString& start, const QString& end, bool enabled)
{
    return enabled
               ? QCoreApplication::translate("CtlTexts", "稼働時間: %1〜%2 (時間切替 入)").arg(start, end)
               : QCoreApplication::translate("CtlTexts", "稼働時間: %1〜%2 (時間切替 切)").arg(start, end);
}

[[nodiscard]] inline QString screenSummary(const QString& widthBytes, const QString& heightDots)
{
    //: %1: the sign's width in byte columns; %2: its height in LED dots.
    return QCoreApplication::translate("CtlTexts", "画面: %1 バイト × %2 ドット").arg(widthBytes, heightDots);
}
// %1 the message, %2 its length, %3 its show mode, %4 its speed.
[[nodiscard]] inline QString messageSummary()
{
    //: %1: message number; %2: its length in byte columns; %3: its show mode; %4: its speed, 1 to 8.
    return QCoreApplication::translate("CtlTexts", "表示 %1: 長さ %2 バイト, %3, 速度 %4");
}
[[nodiscard]] inline QString memorySummary(int bytes, double percent)
{
    //: %1: the display bytes on the card; %2: how full the gauge shows, in per cent.
    return QCoreApplication::translate("CtlTexts", "メモリ: %1 バイト (%2 %)")
        .arg(bytes)
        .arg(percent, 0, 'f', 1);
}
[[nodiscard]] inline QString alternationSummary(int begin, int count)
{
    return count == 0 ? QCoreApplication::translate("CtlTexts", "交互表示: なし")
                      //: %1: the first message of the alternation group; %2: how many messages it holds.
                      : QCoreApplication::translate("CtlTexts", "交互表示: 表示 %1 から %2 個")
                            .arg(begin)
                            .arg(count);
}
[[nodiscard]] inline QString uploadSummary(qint64 bytes, double seconds)
{
    //: %1: the bytes an upload sends; %2: the seconds it takes at 9600 baud.
    return QCoreApplication::translate("CtlTexts", "転送: %1 バイト, 約 %2 秒")
        .arg(bytes)
        .arg(seconds, 0, 'f', 1);
}

[[nodiscard]] inline QString emptyMessage(int message)
{
    return QCoreApplication::translate("CtlTexts", "表示 %1 は空です。").arg(message);
}
[[nodiscard]] inline QString cannotWrite(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("CtlTexts", "書き出せません: %1\n%2").arg(path, reason);
}
// A name in another code page follows, percent-encoded.
[[nodiscard]] inline QString argumentNotInCodePage()
{
    return QCoreApplication::translate("CtlTexts", "この引数はシステムの文字コードで表せません: ");
}

[[nodiscard]] inline QString noProject()
{
    return QCoreApplication::translate("CtlTexts", "このコマンドは設定ファイルを取りません。");
}
[[nodiscard]] inline QString onePort()
{
    return QCoreApplication::translate("CtlTexts", "set-clock の --port は一つだけです。");
}
[[nodiscard]] inline QString portTwice(const QString& port)
{
    return QCoreApplication::translate("CtlTexts",
                                       "--port %1 が二度指定されています。一度の実行で同じ接続端子には"
                                       "一度だけ送ります。")
        .arg(port);
}
// Two names of one device, as given: "COM3" and "/dev/ttyUSB0".
[[nodiscard]] inline QString samePort(const QString& first, const QString& second)
{
    return QCoreApplication::translate("CtlTexts", "--port %1 と --port %2 は同じ接続端子です。一度の実行で"
                                                   "同じ接続端子には一度だけ送ります。")
        .arg(first, second);
}
[[nodiscard]] inline QString clipHint()
{
    return QCoreApplication::translate("CtlTexts", "--clip を付けると、入る分だけを転送します。");
}
[[nodiscard]] inline QString portOpens()
{
    return QCoreApplication::translate("CtlTexts", "開けます");
}

} // namespace CtlTexts
