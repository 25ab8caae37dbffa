// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "texts/language.h"

#include <QToolButton>

// The window's choice of its language: a small drop-down showing the language in use by its own
// name. The captions are built once, so a choice takes effect at the next start, which it says.
class LanguageButton : public QToolButton {
    Q_OBJECT

public:
    LanguageButton(QSize size, QWidget* parent);

signals:
    void chosen(Language::Id id);

private:
    void choose(Language::Id id);
};
