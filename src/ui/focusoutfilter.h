// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Tells when a control loses the input focus to another control of its window. Opening the
// control's own popup list does not count, and neither does the window losing the focus to
// another program: in both the operator has not finished with the control.
class FocusOutFilter : public QObject {
    Q_OBJECT

public:
    // Watches the given object; the filter is owned by it.
    static FocusOutFilter* watch(QObject* watched);

signals:
    void focusLeft();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FocusOutFilter(QObject* parent)
        : QObject(parent)
    {
    }
};
