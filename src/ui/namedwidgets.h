// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// Labels and buttons carrying their design name as objectName, as every control of the window does.
[[nodiscard]] QLabel* namedLabel(const QString& name, const QString& caption, QWidget* parent);
[[nodiscard]] QPushButton* namedButton(const QString& name, const QString& caption, QSize size,
                                       QWidget* parent);
