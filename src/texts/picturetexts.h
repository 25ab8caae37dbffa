// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// Picture files of a message: the file dialogs' filters and why a picture is not read or written.
// Filters are written "shown text|pattern".
namespace PictureTexts {

[[nodiscard]] inline QString importFilter()
{
    return QCoreApplication::translate(
        "PictureTexts", "Picture(*.bmp;*.gif;*.jpg;*.ico;*.png)|*.bmp;*.gif;*.jpg;*.ico;*.png");
}
[[nodiscard]] inline QString exportFilter()
{
    return QCoreApplication::translate("PictureTexts", "Picture(*.bmp)|*.bmp");
}
[[nodiscard]] inline QString missing()
{
    return QCoreApplication::translate("PictureTexts", "画像ファイルが見つかりません。");
}
[[nodiscard]] inline QString unreadable()
{
    return QCoreApplication::translate("PictureTexts", "画像ファイルを開けません。");
}
[[nodiscard]] inline QString notAPicture()
{
    return QCoreApplication::translate("PictureTexts", "画像ファイルとして読み込めません。");
}
[[nodiscard]] inline QString tooLarge()
{
    return QCoreApplication::translate("PictureTexts", "画像が大きすぎるため読み込めません。");
}
[[nodiscard]] inline QString notWritten()
{
    return QCoreApplication::translate("PictureTexts", "画像ファイルを保存できませんでした。");
}

} // namespace PictureTexts
