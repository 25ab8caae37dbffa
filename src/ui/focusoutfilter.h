// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Tells when a control loses the input focus to another control. Opening a control's own popup
// list does not count: the operator is still choosing.
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
