// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/listitems.h"

namespace ListItems {

namespace {

QStringList numbers(int first, int last, int step = 1)
{
    QStringList items;
    for (int n = first; n <= last; n += step)
        items << QString::number(n);
    return items;
}

} // namespace

const QStringList& screenWidths()
{
    static const QStringList items = numbers(4, 64, 4);
    return items;
}

const QStringList& screenHeights()
{
    static const QStringList items{QStringLiteral("16"), QStringLiteral("32")};
    return items;
}

const QStringList& brightnesses()
{
    static const QStringList items = numbers(1, 4);
    return items;
}

const QStringList& initialPorts()
{
    static const QStringList items = [] {
        QStringList ports;
        for (int n = 1; n <= 8; ++n)
            ports << QStringLiteral("COM%1").arg(n);
        return ports;
    }();
    return items;
}

const QStringList& messageChoices()
{
    static const QStringList items = QStringList{kNone} + numbers(0, 15);
    return items;
}

const QStringList& markPositions()
{
    static const QStringList items = [] {
        QStringList positions = numbers(0, 99);
        for (int n = 0; n <= 99; ++n)
            positions << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
        return positions + numbers(100, 255);
    }();
    return items;
}

const QStringList& fontSizes()
{
    static const QStringList items = numbers(6, 14) + numbers(16, 36, 2);
    return items;
}

const QStringList& showModes(int message)
{
    static const QStringList common{QStringLiteral("左に移動"),  QStringLiteral("右に移動"),
                                    QStringLiteral("上向け"),    QStringLiteral("下向け"),
                                    QStringLiteral("固定"),      QStringLiteral("積み重ね"),
                                    QStringLiteral("中心振分け")};
    static const QStringList withAnimation = common + QStringList{QStringLiteral("アニメーション")};
    return message == 0 ? withAnimation : common;
}

const QStringList& moveSpeeds()
{
    static const QStringList items = numbers(1, 8);
    return items;
}

} // namespace ListItems
