// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card/cardmemory.h"
#include "card/signframe.h"

// A moment of the sign's playing.
struct SignTime {
    qint64 playMs = 0; // since the sign began playing what it holds
    CardClock clock;   // the card's clock: the digits, the countdown and the work window
};

// What the sign shows at a moment, worked out afresh from the card's memory each time with no
// state kept, so that the virtual card, the window's animated view and `p10signctl preview`
// show the same frame for the same memory and moment. Every assumption about how the card times
// and draws comes from the card model (cardmodel.h).
namespace SignPlayer {

// chosen: the message the viewer picked, standing in for the card's own choice. When it belongs
// to the alternation group, the group plays in turn from its first message.
[[nodiscard]] SignFrame frame(const CardMemory& memory, int chosen, const SignTime& time);
// The same into a frame whose buffer is reused.
void frame(const CardMemory& memory, int chosen, const SignTime& time, SignFrame& out);

// How long one pass of message m lasts before it starts again: across the screen, through all
// its pages, or through all its frames.
[[nodiscard]] qint64 passMs(const CardMemory& memory, int m);

// Whether the card's work window keeps the sign lit at this time of the card's clock.
[[nodiscard]] bool inWorkWindow(const CardMemory& memory, const QTime& timeOfDay);

} // namespace SignPlayer
