// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <initializer_list>

// Expected wire bytes written as numbers, as they are read off the card's side.
inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (const int v : values)
        result.append(static_cast<char>(v));
    return result;
}
