// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/dialogs.h"

class QTextStream;

// The dialogs of a run without a window: messages go to the error stream (standard error), questions
// are answered No (or Cancel where offered) and file choices are cancelled, so nothing waits for an
// operator who is not there.
class ConsoleDialogs : public Dialogs {
public:
    explicit ConsoleDialogs(QTextStream& errors);

    [[nodiscard]] bool askYesNo(const QString& title, const QString& text) override;
    [[nodiscard]] Answer askYesNoCancel(const QString& title, const QString& text) override;
    void tell(const QString& title, const QString& text, const QString& detail = {}) override;
    [[nodiscard]] QString chooseOpenFile(const QString&) override { return {}; }
    [[nodiscard]] QString chooseSaveFile(const QString&) override { return {}; }

private:
    void print(const QString& title, const QString& text);

    QTextStream& m_errors;
};
