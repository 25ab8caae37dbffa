// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/dialogs.h"

#include <QStringList>

// The dialogs of the web service: what the controller tells is kept for the answer to the request
// that made it tell, questions are answered No (or Cancel where offered) as nobody is there to
// answer them, and file choices are cancelled.
class ServiceDialogs : public Dialogs {
public:
    [[nodiscard]] bool askYesNo(const QString& title, const QString& text) override;
    [[nodiscard]] Answer askYesNoCancel(const QString& title, const QString& text) override;
    void tell(const QString& title, const QString& text, const QString& detail = {}) override;
    [[nodiscard]] QString chooseOpenFile(const QString&) override { return {}; }
    [[nodiscard]] QString chooseSaveFile(const QString&) override { return {}; }

    // What was told and asked since the last call, each with its detail.
    [[nodiscard]] QStringList take();

private:
    QStringList m_told;
};
