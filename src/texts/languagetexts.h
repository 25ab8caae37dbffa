// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// The choice of the language the programs speak.
namespace LanguageTexts {

[[nodiscard]] inline QString option()
{
    return QCoreApplication::translate("LanguageTexts", "表示の言語: ja (日本語) または en (英語)");
}
[[nodiscard]] inline QString badValue(const QString& value)
{
    return QCoreApplication::translate("LanguageTexts", "--language の値「%1」は使えません: ja または en")
        .arg(value);
}
[[nodiscard]] inline QString language()
{
    return QCoreApplication::translate("LanguageTexts", "言語");
}
[[nodiscard]] inline QString nextStart()
{
    return QCoreApplication::translate("LanguageTexts", "選んだ言語は次回の起動から使われます。");
}

} // namespace LanguageTexts
