// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

class Project;

// A message as the sign lights it: its used length by the screen height, lit LEDs red on black,
// read from the display data rather than from the message's colour picture.
[[nodiscard]] QImage renderLit(const Project& project, int message);
