// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/linktime.h"

#include <QElapsedTimer>

// The computer's steady clock, with timers of millisecond precision.
class SystemLinkTime : public LinkTime {
public:
    SystemLinkTime();

    [[nodiscard]] qint64 elapsedMs() const override;
    [[nodiscard]] LinkTimer* newTimer(QObject* parent) override;

private:
    QElapsedTimer m_clock;
};
