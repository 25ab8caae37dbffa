// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// What both command-line programs say the same way: a refused option value and a question that
// nobody is there to answer.
namespace ConsoleTexts {

// The description says which values the option takes.
[[nodiscard]] inline QString badValue(const QString& option, const QString& value, const QString& description)
{
    //: %1 is the option's name without its dashes, %2 the value given, %3 the option's description.
    return QCoreApplication::translate("ConsoleTexts", "--%1 の値「%2」は使えません: %3")
        .arg(option, value, description);
}
// What a question asked without anyone to answer it counts as.
[[nodiscard]] inline QString answeredNo()
{
    return QCoreApplication::translate("ConsoleTexts", " → いいえ");
}
[[nodiscard]] inline QString answeredCancel()
{
    return QCoreApplication::translate("ConsoleTexts", " → キャンセル");
}

} // namespace ConsoleTexts
