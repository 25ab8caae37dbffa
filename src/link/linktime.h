// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class LinkTimer;
class QObject;

// The time the exchanges with the card run on: a steady count of milliseconds and the timers that
// wake them. The program runs on the computer's steady clock; tests run the same exchanges in
// virtual time, so that seconds of waiting for the card cost them nothing.
class LinkTime {
public:
    virtual ~LinkTime() = default;

    // Milliseconds since a fixed start; never goes back.
    [[nodiscard]] virtual qint64 elapsedMs() const = 0;
    // A new stopped timer, owned by parent.
    [[nodiscard]] virtual LinkTimer* newTimer(QObject* parent) = 0;
};
