// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// Texts of the message boxes that more than one command shows.
namespace MessageTexts {

[[nodiscard]] inline QString busyTitle()
{
    return QCoreApplication::translate("MessageTexts", "少待");
}
[[nodiscard]] inline QString busy()
{
    return QCoreApplication::translate("MessageTexts", "現在転送中。");
}
[[nodiscard]] inline QString warningTitle()
{
    return QCoreApplication::translate("MessageTexts", "警告");
}
[[nodiscard]] inline QString errorTitle()
{
    return QCoreApplication::translate("MessageTexts", "エラー発生");
}
// Messages named as on their tabs: "表示 2、表示 5".
[[nodiscard]] inline QString messageNames(const QList<int>& messages)
{
    QStringList names;
    for (const int m : messages)
        names << QCoreApplication::translate("MessageTexts", "表示 ") + QString::number(m);
    return names.join(QCoreApplication::translate("MessageTexts", "、"));
}

[[nodiscard]] inline QString closeDuringTransfer()
{
    return QCoreApplication::translate(
        "MessageTexts",
        "現在データ転送中！今閉じたら字幕表示にエラーが発生する可能性があります。閉じますか？");
}

// Followed by the characters; the face concerned goes into the detail.
[[nodiscard]] inline QString missingGlyphs()
{
    return QCoreApplication::translate("MessageTexts", "次の文字はフォントにないため、表示されません：");
}

// A typed work time that was not taken; the typed text goes into the detail.
[[nodiscard]] inline QString timeRefused()
{
    return QCoreApplication::translate("MessageTexts",
                                       "時刻は H:MM または HH:MM（0:00〜23:59）で入力してください。");
}

} // namespace MessageTexts
