// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

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

} // namespace MessageTexts
