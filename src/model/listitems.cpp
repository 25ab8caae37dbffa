// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/listitems.h"

#include <QCoreApplication>
#include <initializer_list>

namespace ListItems {

namespace {

QStringList numbers(int first, int last, int step = 1)
{
    QStringList items;
    for (int n = first; n <= last; n += step)
        items << QString::number(n);
    return items;
}

QStringList fromUtf8(std::initializer_list<const char*> texts)
{
    QStringList items;
    for (const char* text : texts)
        items << QString::fromUtf8(text);
    return items;
}

} // namespace

QString shownText(const QString& item)
{
    return QCoreApplication::translate("ListItems", item.toUtf8().constData());
}

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
    // The Japanese names are the entries; other languages show them translated (shownText).
    static const QStringList common = fromUtf8({
        QT_TRANSLATE_NOOP("ListItems", "左に移動"),
        QT_TRANSLATE_NOOP("ListItems", "右に移動"),
        QT_TRANSLATE_NOOP("ListItems", "上向け"),
        QT_TRANSLATE_NOOP("ListItems", "下向け"),
        QT_TRANSLATE_NOOP("ListItems", "固定"),
        QT_TRANSLATE_NOOP("ListItems", "積み重ね"),
        QT_TRANSLATE_NOOP("ListItems", "中心振分け"),
    });
    static const QStringList withAnimation =
        common + fromUtf8({QT_TRANSLATE_NOOP("ListItems", "アニメーション")});
    return message == 0 ? withAnimation : common;
}

const QStringList& moveSpeeds()
{
    static const QStringList items = numbers(1, 8);
    return items;
}

} // namespace ListItems
