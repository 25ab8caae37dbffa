// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/namedwidgets.h"

#include <QLabel>
#include <QPushButton>

QLabel* namedLabel(const QString& name, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QPushButton* namedButton(const QString& name, const QString& caption, QSize size, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFixedSize(size);
    return button;
}
