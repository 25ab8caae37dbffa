// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// What the web service tells the person or script whose request it refuses, in the language that
// the request's Accept-Language asks for.
namespace ServiceTexts {

[[nodiscard]] inline QString notFound()
{
    return QCoreApplication::translate("ServiceTexts", "そのようなものはありません。");
}
[[nodiscard]] inline QString methodNotAllowed()
{
    return QCoreApplication::translate("ServiceTexts", "この方法では扱えません。");
}
[[nodiscard]] inline QString tooLarge()
{
    return QCoreApplication::translate("ServiceTexts", "要求が大きすぎます。");
}
[[nodiscard]] inline QString wrongHost()
{
    return QCoreApplication::translate("ServiceTexts", "この要求はこのサーバーあてではありません。");
}
[[nodiscard]] inline QString foreignOrigin()
{
    return QCoreApplication::translate("ServiceTexts", "ほかのサイトのページからの変更は受け付けません。");
}
[[nodiscard]] inline QString notJson()
{
    return QCoreApplication::translate("ServiceTexts", "本文は JSON (application/json) で送ってください。");
}
[[nodiscard]] inline QString signInNeeded()
{
    return QCoreApplication::translate("ServiceTexts", "パスワードが必要です。");
}
[[nodiscard]] inline QString wrongSecret()
{
    return QCoreApplication::translate("ServiceTexts", "パスワードが違います。");
}
// %1 is a number of seconds.
[[nodiscard]] inline QString throttled(qint64 seconds)
{
    return QCoreApplication::translate("ServiceTexts",
                                       "パスワードの誤りが続いたため、%1 秒後まで受け付けません。")
        .arg(seconds);
}
[[nodiscard]] inline QString noCsrfToken()
{
    return QCoreApplication::translate(
        "ServiceTexts", "ページの確認用トークンがありません。ページを読み込み直してください。");
}
[[nodiscard]] inline QString badJson()
{
    return QCoreApplication::translate("ServiceTexts", "本文が JSON のオブジェクトとして読めません。");
}
// %1 is a key of the request's JSON object.
[[nodiscard]] inline QString unknownKey(const QString& key)
{
    return QCoreApplication::translate("ServiceTexts", "「%1」という設定はありません。").arg(key);
}
// %1 is a key of the request's JSON object.
[[nodiscard]] inline QString badType(const QString& key)
{
    return QCoreApplication::translate("ServiceTexts", "「%1」の値の種類が違います。").arg(key);
}
[[nodiscard]] inline QString nothingToChange()
{
    return QCoreApplication::translate("ServiceTexts", "変える設定がありません。");
}
[[nodiscard]] inline QString versionNeeded()
{
    return QCoreApplication::translate(
        "ServiceTexts", "変更の元にした版を If-Match で送ってください (GET の ETag。どの版でもよければ *)。");
}
[[nodiscard]] inline QString staleVersion()
{
    return QCoreApplication::translate(
        "ServiceTexts",
        "プロジェクトはこの版のあとに変わりました。最新を読み込んでから、もう一度変更してください。");
}
[[nodiscard]] inline QString notSaved()
{
    return QCoreApplication::translate("ServiceTexts",
                                       "プロジェクトを保存できませんでした。変更は取り消しました。");
}
[[nodiscard]] inline QString noPorts()
{
    return QCoreApplication::translate("ServiceTexts",
                                       "送り先の接続端子がありません。serve に --port で指定してください。");
}
// %1 is what the request gave as the port.
[[nodiscard]] inline QString badPort(const QString& port)
{
    return QCoreApplication::translate("ServiceTexts", "接続端子「%1」は送り先にありません。").arg(port);
}
[[nodiscard]] inline QString clipHint()
{
    return QCoreApplication::translate("ServiceTexts", "\"clip\": true を付けると、入る分だけを転送します。");
}
[[nodiscard]] inline QString badBrightness()
{
    return QCoreApplication::translate("ServiceTexts", "輝度は 1〜4 です。");
}
[[nodiscard]] inline QString badPreview()
{
    return QCoreApplication::translate(
        "ServiceTexts", "プレビューの長さは 1〜30 秒、LED の間隔は 1〜8、時刻は HH:MM:SS です。");
}

[[nodiscard]] inline QString secretNeededOffLoopback()
{
    return QCoreApplication::translate("ServiceTexts", "このコンピューターの外から届くアドレスで待ち受けるに"
                                                       "は、パスワードが必要です (--secret-file か環境変数 "
                                                       "P10SIGN_SECRET)。");
}
// %1 is the address, %2 the system's reason.
[[nodiscard]] inline QString cannotListen(const QString& address, const QString& reason)
{
    return QCoreApplication::translate("ServiceTexts", "%1 で待ち受けられません。\n%2").arg(address, reason);
}

// %1 is a file's path, %2 the system's reason.
[[nodiscard]] inline QString cannotRead(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("ServiceTexts", "%1 を読めません。\n%2").arg(path, reason);
}
[[nodiscard]] inline QString emptySecret(const QString& path)
{
    return QCoreApplication::translate("ServiceTexts", "%1 の一行目にパスワードがありません。").arg(path);
}
[[nodiscard]] inline QString notCertificate(const QString& path)
{
    return QCoreApplication::translate("ServiceTexts", "%1 に PEM 形式の証明書がありません。").arg(path);
}
[[nodiscard]] inline QString notKey(const QString& path)
{
    return QCoreApplication::translate("ServiceTexts", "%1 に PEM 形式の秘密鍵 (暗号化なし) がありません。")
        .arg(path);
}
// %1 is the page's address.
[[nodiscard]] inline QString serving(const QString& url)
{
    return QCoreApplication::translate("ServiceTexts", "%1 で提供しています。Ctrl+C で止まります。").arg(url);
}

} // namespace ServiceTexts
