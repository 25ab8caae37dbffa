// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The operator's side of every conversation: questions, messages and file choices. The window
// shows modal boxes with the exclamation icon; tests answer with fakes. Filters are written
// "shown text|pattern", as the project files' dialogs have always been described.
class Dialogs {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Dialogs() = default;

    // A question with Yes and No; true for Yes. Escape or closing the box answers No, and No is the
    // default answer: these questions ask whether to go on at a risk (an upload cut short, closing
    // during a transfer).
    [[nodiscard]] virtual bool askYesNo(const QString& title, const QString& text) = 0;
    // A question with Yes, No and Cancel, for questions where No throws work away: Escape or
    // closing the box answers Cancel, never No.
    [[nodiscard]] virtual Answer askYesNoCancel(const QString& title, const QString& text) = 0;
    // A message with an OK button. The detail (the system's reason, the path or port concerned)
    // is shown apart from the fixed first text.
    virtual void tell(const QString& title, const QString& text, const QString& detail = {}) = 0;
    // The chosen path, or an empty string when the operator cancels.
    [[nodiscard]] virtual QString chooseOpenFile(const QString& filter) = 0;
    [[nodiscard]] virtual QString chooseSaveFile(const QString& filter) = 0;
    // The same, opened at the path the file has now; where nobody can be asked, as chooseSaveFile.
    [[nodiscard]] virtual QString chooseSaveFileAt(const QString& filter, const QString& current)
    {
        Q_UNUSED(current);
        return chooseSaveFile(filter);
    }
};
