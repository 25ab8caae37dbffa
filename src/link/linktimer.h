// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// A single-shot timer on a LinkTime: what an exchange waits on between its steps.
class LinkTimer : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Fires once, ms milliseconds from now; starting a running timer starts it again.
    virtual void start(qint64 ms) = 0;
    virtual void stop() = 0;
    [[nodiscard]] virtual bool isActive() const = 0;

signals:
    void timeout();
};
